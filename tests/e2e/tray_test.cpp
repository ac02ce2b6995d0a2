// Escape puts the window into the notification area; the icon's clicks and its menu bring it
// back, and a second start finds it there.
#include "desktop_fixture.h"

#include "bounded_wait.h"
#include "notification_icons.h"
#include "synthetic_input.h"
#include "top_level_windows.h"

#include <thread>

using namespace e2e;

namespace {

void clickOnTheIcon(HWND window, UINT mouseMessage) {
    PostMessageW(window, tray::callbackMessage, tray::iconId, mouseMessage);
}

// The hide button of the status panel, right of the progress bar.
constexpr Point panelHideButton{616, 210};

WindowQuery shownMenus() {
    WindowQuery menus;
    menus.className = "#32768";
    menus.visibleOnly = true;
    return menus;
}

// The menu's items, which another process cannot read under Wine, are three of one height:
// "Открыть", "Настройки", "Закрыть".
void clickMenuItem(HWND menu, int item) {
    RECT place{};
    GetWindowRect(menu, &place);
    const int itemHeight = (place.bottom - place.top) / 3;
    leftClickAt({(place.left + place.right) / 2, place.top + item * itemHeight + itemHeight / 2});
}

} // namespace

using Tray = DesktopTest;

TEST_F(Tray, EscapeHidesBothWindowsBehindOneIconThatOnlyALeftClickTurnsBack) {
    writeSettings({});
    const auto [launcher, window] = startInForeground();
    const HWND application = applicationWindowOf(window);
    ASSERT_TRUE(application);

    for (const UINT restore : {WM_LBUTTONUP, WM_LBUTTONDBLCLK}) {
        SCOPED_TRACE(restore == WM_LBUTTONUP ? "button released" : "double click");
        tapKey(VK_ESCAPE);
        ASSERT_TRUE(waitUntilInTray(window)) << "Escape does not put the window into the notification area";
        EXPECT_FALSE(IsWindowVisible(application)) << "the application window stays shown";
        EXPECT_EQ(notificationIconsOf(window), std::vector<UINT>{tray::iconId});
        EXPECT_TRUE(notificationIconsOf(application).empty());

        for (const UINT other : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONUP})
            clickOnTheIcon(window, other);
        std::this_thread::sleep_for(500ms);
        EXPECT_FALSE(IsWindowVisible(window)) << "a mouse message other than a left click restores";

        clickOnTheIcon(window, restore);
        ASSERT_TRUE(waitUntilShownWithoutIcon(window)) << "the click on the icon does not restore";
        EXPECT_TRUE(waitUntil(5s, [&] { return IsWindowVisible(application) != FALSE; }))
            << "the application window stays hidden";
        EXPECT_TRUE(waitUntil(5s, [&] { return GetForegroundWindow() == window; }))
            << "the restored window is not brought to the front";
    }
    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);
}

TEST_F(Tray, TheIconsMenuOpensOnARightClickWithOpenFirstAndCloseLastAndOpenKeepsTheOneIcon) {
    writeSettings({});
    const auto [launcher, window] = startInForeground();
    tapKey(VK_ESCAPE);
    ASSERT_TRUE(waitUntilInTray(window));

    clickOnTheIcon(window, WM_RBUTTONUP);
    const HWND menu = waitForWindow(launcher, shownMenus(), 5s);
    EXPECT_FALSE(IsWindowVisible(window)) << "the menu shows the window";
    clickMenuItem(menu, 0);
    EXPECT_TRUE(waitUntil(5s, [&] { return IsWindowVisible(window) != FALSE; }))
        << "the first item, \"Открыть\", does not show the window";
    EXPECT_TRUE(waitUntil(5s, [&] { return topLevelWindows(shownMenus()).empty(); }))
        << "the menu stays open";
    EXPECT_EQ(notificationIconsOf(window), std::vector<UINT>{tray::iconId})
        << "\"Открыть\" takes the icon away";

    // Hiding again while the icon is there: still one icon.
    // Under load Wine maps a window a moment after it reports it visible; a press that came
    // before the window was there is made again.
    bool hidden = false;
    for (int attempt = 0; attempt < 3 && !hidden; ++attempt) {
        leftClickAt(panelHideButton);
        hidden = waitUntil(2s, [&] { return !IsWindowVisible(window); });
    }
    EXPECT_TRUE(hidden) << "the panel's hide button does not hide";
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(notificationIconsOf(window), std::vector<UINT>{tray::iconId});
    EXPECT_TRUE(notificationIconsOf(applicationWindowOf(window)).empty());

    clickOnTheIcon(window, WM_RBUTTONUP);
    clickMenuItem(waitForWindow(launcher, shownMenus(), 5s), 2);
    EXPECT_EQ(waitForExitOrThrow(launcher), 0u) << "the last item, \"Закрыть\", does not end the program";
}

TEST_F(Tray, ASecondStartShowsTheInstanceHiddenInTheTrayAndEndsWith0) {
    writeSettings({});
    const auto [first, window] = startInForeground();
    tapKey(VK_ESCAPE);
    ASSERT_TRUE(waitUntilInTray(window));

    const QuietEnd second = watchUntilExit(start());
    EXPECT_EQ(second.exitCode, 0u);
    EXPECT_EQ(second.mainWindowsSeen, 0) << "the second start opened a keyboard of its own";
    EXPECT_TRUE(waitUntil(5s, [&] { return IsWindowVisible(window) != FALSE; }))
        << "the first window stays hidden";
    EXPECT_EQ(notificationIconsOf(window), std::vector<UINT>{tray::iconId})
        << "the first instance's icon went";
    EXPECT_EQ(mainWindowsAnywhere(), std::vector<HWND>{window});
    EXPECT_EQ(closeAndWaitForExit(first, window), 0u);
}
