#include "forms/main_form.h"

namespace {

constexpr COLORREF clSkyBlue = 0xF0CAA6;
constexpr RECT panelPlace{0, 200, 681, 220};
constexpr RECT toolBarPlace{0, 218, 681, 254};

} // namespace

TForm1::TForm1()
    : panelColor_(GetSysColor(COLOR_GRADIENTACTIVECAPTION)), background_(CreateSolidBrush(clSkyBlue)) {}

bool TForm1::create(Point at) {
    Creation c;
    c.className = L"TForm1";
    c.style = WS_POPUP | WS_CLIPCHILDREN;
    c.title = L"Clavant";
    c.place = {at.x, at.y, at.x + clientWidth, at.y + clientHeight};
    c.clientPlace = true;
    c.background = background_.get();
    return Window::create(c) && Image1.create(handle(), {0, 0});
}

void TForm1::applySkinColor(Color color, Color) {
    panelColor_ = color;
    if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

LRESULT TForm1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paintFrame();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

void TForm1::paintFrame() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(handle(), &ps);
    const win32::UniqueBrush panel(CreateSolidBrush(panelColor_));
    FillRect(dc, &toolBarPlace, panel.get());
    FillRect(dc, &panelPlace, panel.get());
    EndPaint(handle(), &ps);
}
