#pragma once

#include <windows.h>

// The one notification-area icon of the main window: always the same window and identifier,
// so a second add while it is there is refused by the shell and changes nothing.
class TrayIcon {
  public:
    static constexpr UINT id = 1;
    static constexpr UINT callbackMessage = WM_USER + 1;
    enum Kind { add = 1, remove = 2, modify = 3 };

    explicit TrayIcon(HWND window) : window_(window) {}

    // Shell_NotifyIcon with NIM_ADD, NIM_DELETE or NIM_MODIFY; any other kind does nothing.
    void apply(int kind, HICON icon);
    // After the shell restarts (its "TaskbarCreated" message): the icon again, if it was there.
    void restore(HICON icon);
    bool shown() const { return shown_; }

  private:
    HWND window_;
    bool shown_ = false;
};
