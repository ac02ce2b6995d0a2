#include "forms/main_form.h"

#include "forms/main_form_commands.h"
#include "platform/win32/pending_messages.h"
#include "platform/win32/wide_text.h"

#include <shellapi.h>

namespace {

std::uint8_t kind(EventKind k) {
    return std::uint8_t(k);
}

// Frees a drop handle when the drop has been read.
struct DropFinish {
    HDROP drop;
    ~DropFinish() { DragFinish(drop); }
};

} // namespace

// Null once the program has saved at its end: nothing reaches the keyboard after that.
Clavant* TForm1::keyboard() const {
    return application_.keyboard.get();
}

void TForm1::FormKeyDown(int code) {
    if (code == VK_ESCAPE) {
        hideSequence();
        return;
    }
    if (Clavant* k = keyboard()) k->dispatchEvent(code, 0, 0, kind(EventKind::KeyDown));
}

void TForm1::FormKeyUp(int code) {
    if (Clavant* k = keyboard()) k->dispatchEvent(code, 0, 0, kind(EventKind::KeyUp));
}

void TForm1::Image1MouseMove(Point at) {
    ShowStatus("Marlowin v 0.9.5.2");
    if (Clavant* k = keyboard()) k->dispatchEvent(0, at.x, at.y, kind(EventKind::Hover));
}

void TForm1::Image1MouseDown(UINT button, Point at) {
    Clavant* k = keyboard();
    if (!k) return;
    if (button == WM_LBUTTONDOWN) {
        k->dispatchEvent(0, at.x, at.y, kind(EventKind::Click));
        return;
    }
    // Right and middle button: the key menu, over a key only.
    if (k->hoverCode == 0) return;
    GetCursorPos(&popupPoint_);
    PopupMenu1.show(handle(), popupPoint_);
}

// Polls the pointer while the window shows without having been activated since it last hid
// itself, so keys still light up under it.
void TForm1::Timer1Timer() {
    if (FormActive || !IsWindowVisible(handle())) return;
    Clavant* k = keyboard();
    POINT p;
    RECT r;
    if (!k || !GetCursorPos(&p) || !GetWindowRect(handle(), &r)) return;
    if (r.left < p.x && p.x < r.right && r.top < p.y && p.y < r.bottom)
        k->dispatchEvent(0, p.x - r.left, p.y - r.top, kind(EventKind::Hover));
}

void TForm1::dropFiles(HDROP drop) {
    const DropFinish finish{drop};
    Clavant* k = keyboard();
    if (!k || DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0) return;
    // Only the first file counts; its name is read at whatever length it has.
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    name.resize(DragQueryFileW(drop, 0, name.data(), length + 1));
    POINT at{};
    DragQueryPoint(drop, &at);
    k->dropFile({at.x, at.y}, win32::toUtf8(name));
}

// The key under the point where the key menu was opened, however the pointer moved since.
Point TForm1::menuPoint() const {
    RECT window;
    GetWindowRect(handle(), &window);
    RECT picture;
    GetWindowRect(Image1.handle(), &picture);
    const int imageLeft = picture.left - window.left, imageTop = picture.top - window.top;
    return {popupPoint_.x - window.left - imageLeft, popupPoint_.y - window.top - imageTop};
}

void TForm1::menuCommand(UINT id) {
    using namespace keyMenu;
    Clavant* k = keyboard();
    if (!k) return;
    const Point at = menuPoint();
    const auto send = [&](EventKind event) { k->dispatchEvent(0, at.x, at.y, kind(event)); };
    if (id >= firstApplet && id < lastApplet) {
        const std::size_t item = id - firstApplet; // test1Click
        if (item >= appletHints_.size()) return;
        k->chosenApplet = appletHints_[item];
        return send(EventKind::SetApplet);
    }
    switch (id) {
    case Forfile1:
        return send(EventKind::BindFile);
    case Forfolder1:
        return send(EventKind::BindFolder);
    case N2:
        return send(EventKind::ClearBinding);
    case N3:
        return send(EventKind::ChangeIcon);
    case KeySetting1:
        return send(EventKind::KeySettings);
    case trayMenu::N5:
        return application_.showWindows(handle());
    case trayMenu::N6:
        return SpeedButton4Click();
    case trayMenu::N7:
        return closeWindow();
    default:
        return; // Abord1 only closes the menu
    }
}

void TForm1::ShowStatus(const std::string& text) {
    const std::wstring caption = win32::toWide(text);
    if (Label1.caption() != caption) Label1.setCaption(caption);
}

void TForm1::processPendingMessages() {
    win32::processPendingMessages();
}

std::optional<std::string> TForm1::chooseFile() {
    return OpenFile.execute(handle());
}

std::optional<std::string> TForm1::chooseFolder() {
    return dialogs.folder ? dialogs.folder() : std::nullopt;
}

void TForm1::showKeySettings(int keyIndex) {
    if (dialogs.keySettings) dialogs.keySettings(keyIndex);
}

void TForm1::dragWindow() {
    ReleaseCapture();
    // SC_MOVE with the caption's hit-test code: the system moves the window with the pointer.
    SendMessageW(handle(), WM_SYSCOMMAND, 0xF012, 0);
}
