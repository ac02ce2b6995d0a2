#include "platform/win32/label.h"

#include "platform/win32/unique_handle.h"

namespace win32 {

bool Label::create(HWND parent, Rect place, const std::wstring& caption, Alignment alignment) {
    caption_ = caption;
    alignment_ = alignment;
    return createChild(L"MarlowinLabel", parent, {place.left, place.top, place.right, place.bottom},
                       WS_CLIPSIBLINGS);
}

void Label::setFont(HFONT font) {
    font_ = font;
    if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

void Label::setColors(COLORREF background, COLORREF text) {
    background_ = background;
    text_ = text;
    if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

void Label::setCaption(const std::wstring& caption) {
    caption_ = caption;
    if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

LRESULT Label::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (mouse.report(message, lParam)) return 0;
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_PAINT:
        paint();
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

void Label::paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(handle(), &ps);
    RECT client;
    GetClientRect(handle(), &client);
    const UniqueBrush brush(CreateSolidBrush(background_));
    FillRect(dc, &client, brush.get());
    const UniqueFont fitting = fittingFont(dc, client.right);
    const Selection selected(dc, fitting ? fitting.get() : font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text_);
    const UINT format =
        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (alignment_ == Alignment::centre ? DT_CENTER : DT_LEFT);
    DrawTextW(dc, caption_.c_str(), int(caption_.size()), &client, format);
    EndPaint(handle(), &ps);
}

UniqueFont Label::fittingFont(HDC dc, int width) const {
    if (!shrinkToFit_ || caption_.empty() || width <= 0) return UniqueFont();
    SIZE extent{};
    {
        const Selection selected(dc, font_);
        GetTextExtentPoint32W(dc, caption_.c_str(), int(caption_.size()), &extent);
    }
    LOGFONTW font{};
    if (extent.cx <= width || !GetObjectW(font_, sizeof font, &font)) return UniqueFont();
    // Heights are negative for character heights; the smaller size keeps the sign.
    font.lfHeight = LONG(double(font.lfHeight) * width / extent.cx);
    font.lfWidth = 0;
    return UniqueFont(CreateFontIndirectW(&font));
}

} // namespace win32
