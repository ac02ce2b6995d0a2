#include "window_state.h"

namespace e2e {

WindowState windowState(HWND window) {
    WindowState state;
    state.visible = IsWindowVisible(window);
    RECT rect{};
    GetWindowRect(window, &rect);
    state.window = {rect.left, rect.top, rect.right, rect.bottom};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    state.client = {rect.left, rect.top, rect.right, rect.bottom};
    state.style = GetWindowLongPtrW(window, GWL_STYLE);
    state.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    state.owner = GetWindow(window, GW_OWNER);
    return state;
}

} // namespace e2e
