#pragma once

#include <windows.h>

// Command numbers of the main window's menus, as WM_COMMAND brings them.
namespace keyMenu {

enum : UINT {
    Forfile1 = 100,
    Forfolder1,
    N3,
    KeySetting1,
    N2,
    Abord1,
};
// The items of "Set applet", in the order of the applets.
constexpr UINT firstApplet = 1000;
constexpr UINT lastApplet = firstApplet + 4096;

} // namespace keyMenu

namespace trayMenu {

enum : UINT {
    N5 = 200,
    N6,
    N7,
};

} // namespace trayMenu
