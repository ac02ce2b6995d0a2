#include "platform/win32/window.h"

namespace win32 {

namespace {

void registerClassOnce(const wchar_t* name, HBRUSH background, HICON icon, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

} // namespace

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Window::create(const Creation& c) {
    registerClassOnce(c.className, c.background, c.icon, &Window::procedure);
    RECT place = c.place;
    if (c.clientPlace) AdjustWindowRectEx(&place, c.style, FALSE, c.exStyle);
    CreateWindowExW(c.exStyle, c.className, c.title.c_str(), c.style, place.left, place.top,
                    place.right - place.left, place.bottom - place.top, c.parent, nullptr,
                    GetModuleHandleW(nullptr), this);
    return hwnd_ != nullptr;
}

bool Window::createChild(const wchar_t* className, HWND parent, RECT place, DWORD extraStyle) {
    Creation c;
    c.className = className;
    c.style = WS_CHILD | WS_VISIBLE | extraStyle;
    c.place = place;
    c.parent = parent;
    return create(c);
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    try {
        return self->handleMessage(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through Windows; the message is handled as if we had none.
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace win32
