#include "forms/main_form.h"

#include "platform/win32/wide_text.h"

namespace {

constexpr COLORREF clSkyBlue = 0xF0CAA6;
constexpr UINT firstAppletCommand = 1000;

enum KeyMenuCommand : UINT {
    Forfile1 = 100,
    Forfolder1,
    N3,
    KeySetting1,
    N2,
    Abord1,
};

} // namespace

TForm1::TForm1(KeyboardApplication& application) : application_(application) {}

bool TForm1::create() {
    static const win32::UniqueBrush background(CreateSolidBrush(clSkyBlue));
    Creation c;
    c.className = L"TForm1";
    c.style = WS_POPUP | WS_CLIPCHILDREN;
    c.title = L"Clavant";
    c.place = {0, 0, clientWidth, clientHeight};
    c.clientPlace = true;
    c.background = background.get();
    if (!Window::create(c)) return false;
    createControls();
    buildKeyMenu();
    FormCreate();
    return true;
}

void TForm1::createControls() {
    // Later siblings lie above earlier ones where they overlap: the panel over the picture's last
    // row and the tool bar's first two.
    Image1.create(handle(), {0, 0});
    ToolBar1.create(handle(), {0, clientHeight - toolBarHeight, clientWidth, clientHeight});
    Panel1.create(handle(), {0, 200, clientWidth, 220}, L"Загрузка...", {5, 4});
    ProgressBar1.create(Panel1.handle(), {56, 2, 56 + 535, 2 + 16});
    ProgressBar1.setPosition(5);
    const COLORREF panel = GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    Panel1.setColors(panel, GetSysColor(COLOR_BTNTEXT));
    ToolBar1.setColors(panel, GetSysColor(COLOR_BTNTEXT));
}

void TForm1::buildKeyMenu() {
    win32::MenuItems menu = PopupMenu1.items();
    win32::MenuItems N1 = menu.appendSubmenu(L"Назначить клавишу");
    N1.appendItem(Forfile1, L"For file");
    N1.appendItem(Forfolder1, L"Для папки");
    menu.appendItem(N3, L"Изменить иконку");
    menu.appendItem(KeySetting1, L"Настройки клавиши");
    menu.appendSeparator();
    Setapplet1 = menu.appendSubmenu(L"Set applet");
    menu.appendSeparator();
    menu.appendItem(N2, L"Удалить клавишу");
    menu.appendSeparator();
    menu.appendItem(Abord1, L"Отмена");
}

void TForm1::FormCreate() {
    application_.initialise(&Image1.canvas, Image1.canvas.size().width, Image1.canvas.size().height);
    FormActive = true;
}

void TForm1::FormDestroy() {
    application_.shutdownSave();
}

LRESULT TForm1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // The message loop ends first; the window is destroyed, and the settings saved, after it.
        PostQuitMessage(0);
        return 0;
    case WM_DESTROY:
        FormDestroy();
        return 0;
    case WM_ENDSESSION:
        Window::handleMessage(message, wParam, lParam);
        if (wParam) application_.shutdownSave();
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

Point TForm1::position() {
    RECT r;
    GetWindowRect(handle(), &r);
    return {r.left, r.top};
}

void TForm1::moveTo(Point topLeft) {
    SetWindowPos(handle(), nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Size TForm1::windowSize() {
    RECT r;
    GetWindowRect(handle(), &r);
    return {r.right - r.left, r.bottom - r.top};
}

Size TForm1::screenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void TForm1::setToolBarVisible(bool visible) {
    if (visible == toolBarShown_) return;
    toolBarShown_ = visible;
    ShowWindow(ToolBar1.handle(), visible ? SW_SHOW : SW_HIDE);
    const Size size = windowSize();
    SetWindowPos(handle(), nullptr, 0, 0, size.width,
                 size.height + (visible ? toolBarHeight : -toolBarHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::setProgressRange(int maximum) {
    ProgressBar1.setRange(maximum);
}

void TForm1::setProgressPosition(int position) {
    ProgressBar1.setPosition(position);
}

void TForm1::applySkinColor(Color color, Color fontColor) {
    Panel1.setColors(color, fontColor);
    ToolBar1.setColors(color, fontColor);
}

void TForm1::addApplet(const std::string& title) {
    Setapplet1.appendItem(firstAppletCommand + UINT(appletHints_.size()), win32::toWide(title));
    appletHints_.push_back(title);
}
