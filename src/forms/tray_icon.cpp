#include "forms/tray_icon.h"

#include <shellapi.h>

#include <cwchar>
#include <iterator>

namespace {

constexpr const wchar_t* tip = L"Клавиатура для иконок";

} // namespace

void TrayIcon::apply(int kind, HICON icon) {
    DWORD command;
    switch (kind) {
    case add:
        command = NIM_ADD;
        break;
    case remove:
        command = NIM_DELETE;
        break;
    case modify:
        command = NIM_MODIFY;
        break;
    default:
        return;
    }
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = icon;
    std::wcsncpy(data.szTip, tip, std::size(data.szTip) - 1);
    // The result is not reported; it only tells whether an icon is there now.
    const bool done = Shell_NotifyIconW(command, &data) != FALSE;
    if (kind == add) shown_ = shown_ || done;
    if (kind == remove) shown_ = false;
}

void TrayIcon::restore(HICON icon) {
    if (!shown_) return;
    shown_ = false;
    apply(add, icon);
}
