#pragma once

#include "platform/win32/unique_handle.h"

#include <string>

// The keyboard hook component hook_dll\hook_dll.dll: loaded and installed when the main window
// is made, removed and unloaded when it goes. It calls the window up on the Windows key.
class HookComponent {
  public:
    // False when the library cannot be loaded or lacks its export SetHook: then it is not loaded.
    bool load(const std::string& file);
    bool loaded() const { return bool(module_); }
    // SetHook(1, 1, window, applicationWindow).
    void install(HWND window, HWND applicationWindow);
    // SetHook(0, 1, window, applicationWindow), then the library is unloaded. False when it was
    // not loaded.
    bool unload(HWND window, HWND applicationWindow);

  private:
    void setHook(int on, HWND window, HWND applicationWindow) const;

    win32::UniqueModule module_;
};
