// Another program taking the activation hides the launcher only while hiding when inactive is on.
#include "desktop_fixture.h"

#include "bounded_wait.h"
#include "notification_icons.h"
#include "top_level_windows.h"

#include <thread>

using namespace e2e;

class LossOfActivation : public DesktopTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LossOfActivation, HidesTheLauncherToTheTrayOnlyWhenHidingWhenInactiveIsOn) {
    const bool hideWhenInactive = GetParam();
    writeSettings(Settings().hideWhenInactive(hideWhenInactive));
    const auto [launcher, window] = startInForeground();

    ChildProcess& other = startBesideTests("minimal_window.exe");
    WindowQuery query;
    query.className = "MinimalWindow";
    query.visibleOnly = true;
    const HWND otherWindow = waitForWindow(other, query);
    SetForegroundWindow(otherWindow);
    ASSERT_TRUE(waitUntil(5s, [&] { return GetForegroundWindow() == otherWindow; }))
        << "the other program does not come to the foreground";

    if (hideWhenInactive) {
        EXPECT_TRUE(waitUntilInTray(window)) << "the launcher stays shown when another program is active";
    } else {
        std::this_thread::sleep_for(1s);
        EXPECT_TRUE(IsWindowVisible(window)) << "the launcher hides although hiding when inactive is off";
        EXPECT_FALSE(notificationIconShown(window, tray::iconId));
    }
    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);
}

INSTANTIATE_TEST_SUITE_P(Setting, LossOfActivation, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "HideWhenInactive" : "StayShown"; });
