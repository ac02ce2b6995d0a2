#pragma once

#include <windows.h>

// The keyboard hook component hook_dll\hook_dll.dll, export "SetHook":
//   SetHook(1, mode, mainWindow, applicationWindow)  installs the hook
//   SetHook(0, mode, mainWindow, applicationWindow)  removes it (harmless when none is installed)
// Returns 1 on success, 0 on failure. Installing again replaces the hook in place.
//
// While installed, a lone tap of either Windows key calls the main window up: it posts
// kTrayCallbackMessage with wParam 1 and lParam WM_LBUTTONUP to mainWindow, as a click on the
// notification-area icon would. A Windows key pressed together with any other key, or while
// Ctrl, Shift or Alt is held, is left to Windows.
using SetHookFunction = int(WINAPI*)(int install, int mode, HWND mainWindow, HWND applicationWindow);

namespace hook {

inline constexpr int kInstall = 1;
inline constexpr int kRemove = 0;
// The only mode: the Windows key calls the window up. Any other mode is refused on install.
inline constexpr int kModeWindowsKeyCallsUp = 1;

inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;
inline constexpr WPARAM kTrayIconId = 1;

} // namespace hook
