#include "forms/main_form.h"

// Escape, or the loss of activation while hiding when inactive is on.
void TForm1::hideSequence() {
    FormActive = false;
    application_.hideWindows(handle());
    PostMessageW(handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

// Instead of a minimised window, an icon in the notification area and no window at all.
void TForm1::minimizeToTray() {
    Trayn(TrayIcon::add, applicationIcon_.get());
    application_.hideWindows(handle());
}

void TForm1::trayCallback(UINT mouseMessage) {
    POINT at{};
    GetCursorPos(&at);
    switch (mouseMessage) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return restoreFromTray();
    case WM_RBUTTONUP:
        // Brings the window's thread to the foreground, so the menu closes when the user clicks elsewhere.
        return PopupMenu2.show(handle(), at);
    default:
        return;
    }
}

void TForm1::restoreFromTray() {
    Trayn(TrayIcon::remove, applicationIcon_.get());
    application_.showWindows(handle());
    // A key event of our own makes this the process of the last input, which may take the foreground.
    keybd_event(0, 0, 0, 0);
    SetForegroundWindow(GetLastActivePopup(applicationWindow_));
    // Keys go to the form, not to whatever had the focus before it hid.
    SetFocus(handle());
}

void TForm1::ApplicationEvents1Deactivate() {
    if (application_.hiddenWhereNotAct) hideSequence();
}

void TForm1::AppMinimize() {
    PostMessageW(handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}
