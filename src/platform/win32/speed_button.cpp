#include "platform/win32/speed_button.h"

#include "platform/win32/alpha_bitmap.h"
#include "platform/win32/unique_handle.h"

#include <windowsx.h>

namespace win32 {

namespace {

// Mixes a share (0..1) of another colour into a colour.
COLORREF mix(COLORREF base, COLORREF other, double share) {
    const auto channel = [&](int shift) {
        const double a = base >> shift & 0xFF, b = other >> shift & 0xFF;
        return COLORREF(a + (b - a) * share + 0.5) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

} // namespace

bool SpeedButton::create(HWND parent, Rect place) {
    return createChild(L"MarlowinSpeedButton", parent, {place.left, place.top, place.right, place.bottom},
                       WS_CLIPSIBLINGS);
}

void SpeedButton::setGlyph(HBITMAP glyph) {
    glyph_ = glyph;
    if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

void SpeedButton::setBackground(COLORREF color) {
    background_ = color;
    if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

LRESULT SpeedButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        mouseMoved(lParam);
        mouse.report(message, lParam);
        return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        if (GetCapture() != handle()) setState(false, false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(handle());
        setState(true, true);
        return 0;
    case WM_LBUTTONUP: {
        const bool clicked = pressed_ && contains(lParam);
        // Releasing the capture sends WM_CAPTURECHANGED, which drops the pressed state.
        if (GetCapture() == handle()) ReleaseCapture();
        setState(contains(lParam), false);
        // Last: the click may close the window or run a dialog.
        if (clicked && onClick) onClick();
        return 0;
    }
    case WM_CAPTURECHANGED:
        setState(hot_, false);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint();
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

void SpeedButton::mouseMoved(LPARAM lParam) {
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    // While held, the button shows pressed only with the pointer over it.
    const bool inside = contains(lParam);
    if (GetCapture() == handle())
        setState(inside, inside);
    else
        setState(true, false);
}

void SpeedButton::setState(bool hot, bool pressed) {
    if (hot == hot_ && pressed == pressed_) return;
    hot_ = hot;
    pressed_ = pressed;
    InvalidateRect(handle(), nullptr, FALSE);
}

bool SpeedButton::contains(LPARAM lParam) const {
    RECT client;
    GetClientRect(handle(), &client);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, at) != FALSE;
}

void SpeedButton::paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(handle(), &ps);
    RECT client;
    GetClientRect(handle(), &client);
    // Composed off screen, so the face never flickers between background and glyph.
    const UniqueDc memory(CreateCompatibleDC(dc));
    const UniqueBitmap picture(CreateCompatibleBitmap(dc, client.right, client.bottom));
    {
        const Selection selected(memory.get(), picture.get());
        paintFace(memory.get(), client);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
    EndPaint(handle(), &ps);
}

void SpeedButton::paintFace(HDC dc, RECT area) const {
    const UniqueBrush background(CreateSolidBrush(background_));
    FillRect(dc, &area, background.get());
    if (hot_ || pressed_) {
        const COLORREF face = pressed_ ? mix(background_, 0, 0.22) : mix(background_, 0xFFFFFF, 0.35);
        const COLORREF edge = mix(background_, 0, pressed_ ? 0.5 : 0.35);
        const UniqueBrush brush(CreateSolidBrush(face));
        const UniquePen pen(CreatePen(PS_SOLID, 1, edge));
        const Selection selectedBrush(dc, brush.get());
        const Selection selectedPen(dc, pen.get());
        RoundRect(dc, area.left, area.top, area.right, area.bottom, 6, 6);
    }
    BITMAP glyph{};
    if (!glyph_ || !GetObjectW(glyph_, sizeof glyph, &glyph)) return;
    const int shift = pressed_ ? 1 : 0;
    drawAlphaBitmap(dc, glyph_, (area.right - glyph.bmWidth) / 2 + shift,
                    (area.bottom - glyph.bmHeight) / 2 + shift);
}

} // namespace win32
