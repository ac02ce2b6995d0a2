#include "platform/win32/panel.h"

#include "platform/win32/unique_handle.h"

namespace win32 {

bool Panel::create(HWND parent, Rect place, const std::wstring& caption, Point captionAt) {
    caption_ = caption;
    captionAt_ = captionAt;
    return createChild(L"MarlowinPanel", parent, {place.left, place.top, place.right, place.bottom},
                       WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
}

void Panel::setColors(COLORREF background, COLORREF text) {
    background_ = background;
    text_ = text;
    if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

void Panel::setCaption(const std::wstring& caption) {
    caption_ = caption;
    if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

LRESULT Panel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (onMouseDown) onMouseDown(message);
        return 0;
    case WM_MOUSEMOVE:
        if (onMouseMove) onMouseMove();
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

void Panel::paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(handle(), &ps);
    const UniqueBrush brush(CreateSolidBrush(background_));
    RECT client;
    GetClientRect(handle(), &client);
    FillRect(dc, &client, brush.get());
    if (!caption_.empty()) {
        const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        const Selection selected(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, text_);
        TextOutW(dc, captionAt_.x, captionAt_.y, caption_.c_str(), int(caption_.size()));
    }
    EndPaint(handle(), &ps);
}

} // namespace win32
