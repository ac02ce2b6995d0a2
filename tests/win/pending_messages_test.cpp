#include "platform/win32/pending_messages.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

constexpr UINT ping = WM_APP + 1;
constexpr UINT echo = WM_APP + 2; // posts itself again: a stream that never runs dry

int pings = 0;

LRESULT CALLBACK counting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ping || message == echo) ++pings;
    if (message == echo) PostMessageW(window, echo, 0, 0);
    return DefWindowProcW(window, message, wParam, lParam);
}

class PendingMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = counting;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PendingMessagesTest";
        RegisterClassW(&wc);
        window = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                                 nullptr);
        ASSERT_NE(window, nullptr);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        pings = 0;
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
};

TEST_F(PendingMessages, AreHandledAndAQuitIsLeftForTheMessageLoop) {
    PostMessageW(window, ping, 0, 0);
    PostMessageW(window, ping, 0, 0);
    PostQuitMessage(7);

    win32::processPendingMessages();

    EXPECT_EQ(pings, 2);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(PendingMessages, AStreamThatNeverEndsIsCutAtTheLimit) {
    PostMessageW(window, echo, 0, 0);

    win32::processPendingMessages(50);

    EXPECT_EQ(pings, 50);
}

} // namespace
