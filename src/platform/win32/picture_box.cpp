#include "platform/win32/picture_box.h"

namespace win32 {

bool PictureBox::create(HWND parent, Point at) {
    const Size size = canvas.size();
    canvas.onChanged = [this] {
        if (handle()) InvalidateRect(handle(), nullptr, FALSE);
    };
    return createChild(L"MarlowinPicture", parent, {at.x, at.y, at.x + size.width, at.y + size.height});
}

LRESULT PictureBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the picture covers every pixel
    case WM_PAINT:
        paint();
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

void PictureBox::paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(handle(), &ps);
    const RECT& r = ps.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, canvas.dc(), r.left, r.top, SRCCOPY);
    EndPaint(handle(), &ps);
}

} // namespace win32
