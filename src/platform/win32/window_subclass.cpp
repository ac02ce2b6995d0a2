#include "platform/win32/window_subclass.h"

#include <commctrl.h>

namespace win32 {

WindowSubclass::~WindowSubclass() {
    detach();
}

bool WindowSubclass::attach(HWND window, Handler handler) {
    detach();
    handler_ = std::move(handler);
    if (!window ||
        !SetWindowSubclass(window, &WindowSubclass::procedure, id(), reinterpret_cast<DWORD_PTR>(this)))
        return false;
    window_ = window;
    return true;
}

void WindowSubclass::detach() {
    if (window_ && IsWindow(window_)) RemoveWindowSubclass(window_, &WindowSubclass::procedure, id());
    window_ = nullptr;
}

LRESULT CALLBACK WindowSubclass::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<WindowSubclass*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &WindowSubclass::procedure, id);
        self->window_ = nullptr;
    } else if (self->handler_) {
        try {
            if (const auto result = self->handler_(message, wParam, lParam)) return *result;
        } catch (...) {
            // Nothing may unwind through Windows; the window handles the message itself.
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace win32
