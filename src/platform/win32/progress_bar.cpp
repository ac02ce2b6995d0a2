#include "platform/win32/progress_bar.h"

#include <commctrl.h>

namespace win32 {

bool ProgressBar::create(HWND parent, Rect place) {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
    hwnd_ = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.left,
                            place.top, place.width(), place.height(), parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    return hwnd_ != nullptr;
}

void ProgressBar::setRange(int maximum) {
    SendMessageW(hwnd_, PBM_SETRANGE32, 0, maximum);
}

// Positions outside the range are clamped by the control itself.
void ProgressBar::setPosition(int position) {
    SendMessageW(hwnd_, PBM_SETPOS, WPARAM(position), 0);
}

int ProgressBar::position() const {
    return int(SendMessageW(hwnd_, PBM_GETPOS, 0, 0));
}

} // namespace win32
