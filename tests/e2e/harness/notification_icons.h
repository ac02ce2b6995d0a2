#pragma once

#include <windows.h>

#include <vector>

namespace e2e {

// Icons in the notification area, asked of the shell that shows them: it accepts a change of an
// icon it has and refuses one of an icon it does not have. The probe changes nothing of the icon.
bool notificationIconShown(HWND window, UINT id);

// The identifiers, below the limit, of the icons that the window has there.
std::vector<UINT> notificationIconsOf(HWND window, UINT idLimit = 16);

} // namespace e2e
