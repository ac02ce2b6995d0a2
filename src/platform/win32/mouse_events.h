#pragma once

#include "platform/geometry.h"

#include <windows.h>

#include <functional>

namespace win32 {

// What a window reports of the pointer: button presses and moves, at client points.
struct MouseEvents {
    // button: WM_LBUTTONDOWN, WM_RBUTTONDOWN or WM_MBUTTONDOWN.
    std::function<void(UINT button, Point at)> onMouseDown;
    std::function<void(Point at)> onMouseMove;

    // Reports the message when it is one of those; true when it was.
    bool report(UINT message, LPARAM lParam) const;
};

} // namespace win32
