#include "platform/win32/speed_button.h"

#include <gtest/gtest.h>

namespace {

// A button of 32 x 32 in a hidden top-level window; the tests press it with messages.
class SpeedButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(button.create(parent, {10, 10, 42, 42}));
        button.onClick = [this] { ++clicks; };
    }
    void TearDown() override { DestroyWindow(parent); }

    void send(UINT message, int x, int y) {
        SendMessageW(button.handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }

    HWND parent = nullptr;
    win32::SpeedButton button;
    int clicks = 0;
};

TEST_F(SpeedButtonTest, ClicksWhenTheButtonGoesUpWhereItWentDown) {
    send(WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(clicks, 0) << "a press alone is no click";
    send(WM_LBUTTONUP, 20, 20);
    EXPECT_EQ(clicks, 1);

    // Pressed, then let go outside: the user changed their mind.
    send(WM_LBUTTONDOWN, 5, 5);
    send(WM_MOUSEMOVE, 60, 60);
    send(WM_LBUTTONUP, 60, 60);
    EXPECT_EQ(clicks, 1);

    // A release without a press on the button (the press was elsewhere) is no click either.
    send(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonTest, ReportsPointerMovesAndLeavesTheFocusAlone) {
    const HWND before = GetFocus();
    Point seen{-1, -1};
    button.mouse.onMouseMove = [&](Point at) { seen = at; };
    send(WM_MOUSEMOVE, 7, 9);
    send(WM_LBUTTONDOWN, 7, 9);
    send(WM_LBUTTONUP, 7, 9);
    EXPECT_EQ(seen, (Point{7, 9}));
    EXPECT_EQ(GetFocus(), before);
}

} // namespace
