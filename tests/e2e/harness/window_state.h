#pragma once

#include "platform/geometry.h"

#include <windows.h>

namespace e2e {

// What a test can see of a window from outside its process.
struct WindowState {
    bool visible = false;
    Rect window; // screen coordinates
    Rect client; // screen coordinates
    LONG_PTR style = 0;
    LONG_PTR exStyle = 0;
    HWND owner = nullptr;

    // Windows gives a visible top-level window a task-bar button unless it is a tool window or
    // has an owner; WS_EX_APPWINDOW forces one.
    bool hasTaskBarButton() const {
        return visible && ((exStyle & WS_EX_APPWINDOW) || (!(exStyle & WS_EX_TOOLWINDOW) && !owner));
    }
};

WindowState windowState(HWND window);

} // namespace e2e
