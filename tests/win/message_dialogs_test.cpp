#include "platform/win32/message_dialogs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring captionOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The text of a message box: its static control has the number 0xFFFF.
std::wstring messageOf(HWND box) {
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    return text;
}

HWND dialogOfThread(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM result) -> BOOL {
            if (!IsWindowVisible(window) || classOf(window) != L"#32770") return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(MessageDialog, ShowsTheTextUnderTheProgramsNameUntilOk) {
    std::wstring caption, message;
    // Closes the box as a user would once it shows; gives up after 10 s.
    std::thread user([&, owner = GetCurrentThreadId()] {
        for (const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
             std::chrono::steady_clock::now() < end;
             std::this_thread::sleep_for(std::chrono::milliseconds(50)))
            if (const HWND box = dialogOfThread(owner)) {
                caption = captionOf(box);
                message = messageOf(box);
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
    });
    Win32Dialogs().showMessage("Ошибка загрузки скина");
    user.join();
    EXPECT_EQ(caption, L"win32_platform_test");
    EXPECT_EQ(message, L"Ошибка загрузки скина");
}

} // namespace
