#include "forms/main_form.h"

#include "forms/glyphs.h"
#include "forms/main_form_commands.h"
#include "platform/win32/wide_text.h"

#include <shellapi.h>

namespace {

constexpr COLORREF clSkyBlue = 0xF0CAA6;
constexpr UINT_PTR timer1 = 1;
constexpr UINT timer1Interval = 100;

constexpr const char* hookFile = "hook_dll\\hook_dll.dll";
constexpr const char* hookNotLoaded =
    "Произошла ошибка, программа не будет вызыватся при нажатии клавиши Windows";
constexpr const char* hookNotUnloaded = "Произошла ошибка, при выгрузки модуля";

win32::UniqueFont fontOf(const wchar_t* face, int pixels) {
    return win32::UniqueFont(CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                         DEFAULT_PITCH | FF_DONTCARE, face));
}

Rect at(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

} // namespace

TForm1::TForm1(KeyboardApplication& application, Win32Shell& shell, HWND applicationWindow)
    : OpenFile(L"Exe, Link, Icon(*.exe; *.lnk; *.ico)|*.exe; *.lnk; *.ico|Dll file(*.dll)|*.dll|All "
               L"files(*.*)|*.*",
               // ofEnableIncludeNotify asks the dialog to report each item to a hook procedure;
               // without a hook it has no effect, so it is left out.
               OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER),
      application_(application), shell_(shell), applicationWindow_(applicationWindow) {}

bool TForm1::create() {
    static const win32::UniqueBrush background(CreateSolidBrush(clSkyBlue));
    applicationIcon_.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                                         IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    Creation c;
    c.className = L"TForm1";
    c.style = WS_POPUP | WS_CLIPCHILDREN;
    c.title = L"Clavant";
    c.place = {0, 0, clientWidth, clientHeight};
    c.clientPlace = true;
    // Owned by the application window, as every form: no task-bar button of its own.
    c.parent = applicationWindow_;
    c.background = background.get();
    if (!Window::create(c)) return false;
    tray_ = TrayIcon(handle());
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    paintPictures();
    createControls();
    buildKeyMenu();
    buildTrayMenu();
    SetTimer(handle(), timer1, timer1Interval, nullptr);
    FormCreate();
    return true;
}

void TForm1::paintPictures() {
    Image2 = glyphBitmap(Glyph::stayShown, {32, 32});
    Image3 = glyphBitmap(Glyph::hideWhenInactive, {32, 32});
    settingsGlyph_ = glyphBitmap(Glyph::settings, {33, 33});
    aboutGlyph_ = glyphBitmap(Glyph::about, {32, 32});
    helpGlyph_ = glyphBitmap(Glyph::help, {30, 29});
    closeGlyph_ = glyphBitmap(Glyph::close, {32, 32});
    hideToolBarGlyph_ = glyphBitmap(Glyph::hideToolBar, {16, 16});
    showToolBarGlyph_ = glyphBitmap(Glyph::showToolBar, {16, 16});
    closeSmallGlyph_ = glyphBitmap(Glyph::closeSmall, {16, 16});
    toTrayGlyph_ = glyphBitmap(Glyph::toTray, {16, 16});
    for (int i = 0; i < menuIconCount; ++i)
        ImageList1.add(menuIconBitmap(i));
    formFont_ = fontOf(L"MS Sans Serif", 11);
    toolBarFont_ = fontOf(L"Times New Roman", 19);
}

void TForm1::createControls() {
    // Later siblings lie above earlier ones where they overlap: the panel over the picture's last
    // row and the tool bar's first two.
    Image1.create(handle(), {0, 0});
    createToolBar();
    createPanel();
    connectStatusAndDragging();
    const COLORREF panel = GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    applySkinColor(panel, GetSysColor(COLOR_BTNTEXT));
}

void TForm1::createToolBar() {
    ToolBar1.create(handle(), at(0, clientHeight - toolBarHeight, clientWidth, toolBarHeight));
    // The separators ToolButton4, 5, 11 and 9 are the gaps between these.
    SpeedButton4.create(ToolBar1.handle(), at(57, 2, 32, 32));
    SpeedButton5.create(ToolBar1.handle(), at(137, 2, 32, 32));
    Label1.create(ToolBar1.handle(), at(169, 2, 272, 32), L"", win32::Label::Alignment::centre);
    SpeedButton6.create(ToolBar1.handle(), at(441, 2, 32, 32));
    SpeedButton7.create(ToolBar1.handle(), at(513, 2, 32, 32));
    SpeedButton8.create(ToolBar1.handle(), at(627, 2, 32, 32));
    Label1.setFont(toolBarFont_.get());
    Label1.setShrinkToFit(true);
    SpeedButton4.setGlyph(settingsGlyph_.get());
    SpeedButton6.setGlyph(aboutGlyph_.get());
    SpeedButton7.setGlyph(helpGlyph_.get());
    SpeedButton8.setGlyph(closeGlyph_.get());
    SpeedButton4.onClick = [this] { SpeedButton4Click(); };
    SpeedButton5.onClick = [this] { SpeedButton5Click(); };
    SpeedButton6.onClick = [this] { SpeedButton6Click(); };
    SpeedButton7.onClick = [this] { SpeedButton7Click(); };
    SpeedButton8.onClick = [this] { closeWindow(); };
}

void TForm1::createPanel() {
    Panel1.create(handle(), at(0, 200, clientWidth, 20));
    SpeedButton1.create(Panel1.handle(), at(656, 2, 17, 16));
    SpeedButton2.create(Panel1.handle(), at(632, 2, 16, 16));
    SpeedButton3.create(Panel1.handle(), at(608, 2, 16, 16));
    Label2.create(Panel1.handle(), at(5, 4, 56, 13), L"Загрузка...", win32::Label::Alignment::left);
    ProgressBar1.create(Panel1.handle(), at(56, 2, 535, 16));
    ProgressBar1.setPosition(5);
    Label2.setFont(formFont_.get());
    SpeedButton1.setGlyph(toolBarShown_ ? hideToolBarGlyph_.get() : showToolBarGlyph_.get());
    SpeedButton2.setGlyph(closeSmallGlyph_.get());
    SpeedButton3.setGlyph(toTrayGlyph_.get());
    SpeedButton1.onClick = [this] { SpeedButton1Click(); };
    SpeedButton2.onClick = [this] { closeWindow(); };
    SpeedButton3.onClick = [this] { PostMessageW(handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0); };
}

void TForm1::connectStatusAndDragging() {
    const auto status = [this](const char* text) { return [this, text](Point) { ShowStatus(text); }; };
    const char* product = "Marlowin v 0.9.5.2";
    ToolBar1.onMouseMove = [this, product] { ShowStatus(product); };
    Panel1.onMouseMove = [this, product] { ShowStatus(product); };
    Label1.mouse.onMouseMove = status(product);
    Label2.mouse.onMouseMove = status(product);
    progressBar1Mouse_.onMouseMove = status("Процесс загрузки программы");
    SpeedButton4.mouse.onMouseMove = status("Настройки приложения");
    SpeedButton5.mouse.onMouseMove = status("Скрывать приложение если не активно");
    SpeedButton6.mouse.onMouseMove = status("О программе!=)");
    SpeedButton7.mouse.onMouseMove = status("Помошь!!!");
    SpeedButton8.mouse.onMouseMove = status("Закрыть приложение");
    SpeedButton1.mouse.onMouseMove = status("Скрыть панель инструментов");
    SpeedButton2.mouse.onMouseMove = status("Закрыть прилежение");
    SpeedButton3.mouse.onMouseMove = status("Спрятать приложение");

    const auto drag = [this](UINT button, Point) { dragByControl(button); };
    ToolBar1.onMouseDown = [this](UINT button) { dragByControl(button); };
    Panel1.onMouseDown = [this](UINT button) { dragByControl(button); };
    Label1.mouse.onMouseDown = drag;
    Label2.mouse.onMouseDown = drag;
    progressBar1Mouse_.onMouseDown = drag;
    progressBar1Watch_.attach(ProgressBar1.handle(), [this](UINT message, WPARAM, LPARAM lParam) {
        // The bar keeps its own handling of moves; a press becomes a drag of the window.
        const bool press =
            message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
        progressBar1Mouse_.report(message, lParam);
        return press ? std::optional<LRESULT>(0) : std::nullopt;
    });

    image1Mouse_.onMouseMove = [this](Point at) { Image1MouseMove(at); };
    image1Mouse_.onMouseDown = [this](UINT button, Point at) { Image1MouseDown(button, at); };
    image1Watch_.attach(Image1.handle(), [this](UINT message, WPARAM, LPARAM lParam) {
        return image1Mouse_.report(message, lParam) ? std::optional<LRESULT>(0) : std::nullopt;
    });
}

void TForm1::buildKeyMenu() {
    using namespace keyMenu;
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

    ImageList1.attach(menu.handle(), 0, true, 6); // N1
    ImageList1.attach(N1.handle(), Forfile1, false, 6);
    ImageList1.attach(N1.handle(), Forfolder1, false, 7);
    ImageList1.attach(menu.handle(), N3, false, 2);
    ImageList1.attach(menu.handle(), KeySetting1, false, 4);
    ImageList1.attach(menu.handle(), N2, false, 5);
    ImageList1.attach(menu.handle(), Abord1, false, 3);
}

void TForm1::buildTrayMenu() {
    using namespace trayMenu;
    win32::MenuItems menu = PopupMenu2.items();
    menu.appendItem(N5, L"Открыть");
    menu.appendItem(N6, L"Настройки");
    menu.appendItem(N7, L"Закрыть");
    ImageList1.attach(menu.handle(), N5, false, 1);
    ImageList1.attach(menu.handle(), N6, false, 4);
    ImageList1.attach(menu.handle(), N7, false, 0);
}

void TForm1::FormCreate() {
    application_.initialise(&Image1.canvas, Image1.canvas.size().width, Image1.canvas.size().height);
    FormActive = true;
    applicationWindowWatch_.attach(applicationWindow_, [this](UINT message, WPARAM wParam, LPARAM) {
        if (message != WM_SYSCOMMAND || (wParam & 0xFFF0) != SC_MINIMIZE) return std::optional<LRESULT>();
        AppMinimize();
        return std::optional<LRESULT>(0);
    });
    DragAcceptFiles(handle(), TRUE);
    loadHookComponent();
    refreshHideGlyph();
}

void TForm1::loadHookComponent() {
    if (!hook_.load(application_.programDir + hookFile)) {
        if (application_.services.keyboard.dialogs)
            application_.services.keyboard.dialogs->showMessage(hookNotLoaded);
        return;
    }
    hook_.install(handle(), applicationWindow_);
}

void TForm1::FormDestroy() {
    KillTimer(handle(), timer1);
    Trayn(TrayIcon::remove, applicationIcon_.get());
    if (!hook_.unload(handle(), applicationWindow_) && application_.services.keyboard.dialogs)
        application_.services.keyboard.dialogs->showMessage(hookNotUnloaded);
    application_.shutdownSave();
}

// The session ends: the icon goes and everything is saved; the hook component stays until the
// process ends. When the session goes on after all, so does the program.
void TForm1::endSession(bool ending) {
    if (!ending) return;
    Trayn(TrayIcon::remove, applicationIcon_.get());
    application_.shutdownSave();
}

LRESULT TForm1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        tray_.restore(applicationIcon_.get());
        return 0;
    }
    switch (message) {
    case WM_KEYDOWN:
        FormKeyDown(int(wParam));
        return 0;
    case WM_KEYUP:
        FormKeyUp(int(wParam));
        return 0;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        // Alt, F10 and keys held with Alt come as system keys; they are keys of the keyboard too.
        if (message == WM_SYSKEYDOWN)
            FormKeyDown(int(wParam));
        else
            FormKeyUp(int(wParam));
        // Alt and F10 alone would put the window into menu mode and take the next key away.
        if (wParam == VK_MENU || wParam == VK_F10) return 0;
        break;
    case WM_TIMER:
        if (wParam == timer1) Timer1Timer();
        return 0;
    case WM_DROPFILES:
        dropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        if (ImageList1.handle(message, lParam)) return TRUE;
        break;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0) menuCommand(LOWORD(wParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) FormActive = true; // FormActivate
        break; // the default handling gives the window the keyboard focus
    case WM_ACTIVATEAPP:
        if (!wParam) ApplicationEvents1Deactivate();
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            minimizeToTray();
            return 0;
        }
        break;
    case TrayIcon::callbackMessage:
        trayCallback(UINT(LOWORD(lParam)));
        return 0;
    case WM_CLOSE:
        // The message loop ends first; the window is destroyed, and the settings saved, after it.
        PostQuitMessage(0);
        return 0;
    case WM_DESTROY:
        FormDestroy();
        return 0;
    case WM_ENDSESSION:
        Window::handleMessage(message, wParam, lParam);
        endSession(wParam != FALSE);
        return 0;
    default:
        break;
    }
    return Window::handleMessage(message, wParam, lParam);
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
    SpeedButton1.setGlyph(visible ? hideToolBarGlyph_.get() : showToolBarGlyph_.get());
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
    Label1.setColors(color, fontColor);
    Label2.setColors(color, fontColor);
    for (win32::SpeedButton* button : {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4,
                                       &SpeedButton5, &SpeedButton6, &SpeedButton7, &SpeedButton8})
        button->setBackground(color);
}

void TForm1::addApplet(const std::string& title) {
    Setapplet1.appendItem(keyMenu::firstApplet + UINT(appletHints_.size()), win32::toWide(title));
    appletHints_.push_back(title);
}

void TForm1::Trayn(int kind, HICON icon) {
    tray_.apply(kind, icon);
}
