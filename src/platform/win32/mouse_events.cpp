#include "platform/win32/mouse_events.h"

#include <windowsx.h>

namespace win32 {

bool MouseEvents::report(UINT message, LPARAM lParam) const {
    const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (onMouseDown) onMouseDown(message, at);
        return true;
    case WM_MOUSEMOVE:
        if (onMouseMove) onMouseMove(at);
        return true;
    default:
        return false;
    }
}

} // namespace win32
