// The keyboard hook component: the Windows key alone calls the hidden launcher up; without the
// component the launcher says so at start and at close, and works on.
#include "desktop_fixture.h"

#include "bounded_wait.h"
#include "message_boxes.h"
#include "synthetic_input.h"

#include <thread>

using namespace e2e;

using WindowsKey = DesktopTest;

TEST_F(WindowsKey, TappedAloneItCallsTheHiddenWindowUpAndInACombinationItDoesNot) {
    writeSettings({});
    const auto [launcher, window] = startInForeground();
    for (const WORD windowsKey : {WORD(VK_LWIN), WORD(VK_RWIN)}) {
        SCOPED_TRACE(windowsKey == VK_LWIN ? "left Windows key" : "right Windows key");
        tapKey(VK_ESCAPE);
        ASSERT_TRUE(waitUntilInTray(window));

        keyDown(windowsKey);
        tapKey('R');
        keyUp(windowsKey);
        std::this_thread::sleep_for(1s);
        EXPECT_FALSE(IsWindowVisible(window)) << "Windows+R calls the window up";

        tapKey(windowsKey);
        EXPECT_TRUE(waitUntilShownWithoutIcon(window)) << "the Windows key alone does not call the window up";
        EXPECT_TRUE(waitUntil(5s, [&] { return GetForegroundWindow() == window; }))
            << "the called window is not in the foreground";
    }
    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);
}

TEST_F(WindowsKey, WithoutTheHookComponentStartAndCloseEachShowTheirMessageOnce) {
    std::filesystem::remove(folder.path() / "hook_dll" / "hook_dll.dll");
    writeSettings({});
    const ChildProcess& launcher = start();

    const HWND atStart = waitForMessageBox(launcher);
    EXPECT_EQ(messageBoxText(atStart),
              "Произошла ошибка, программа не будет вызыватся при нажатии клавиши Windows");
    pressButton(atStart, IDOK);
    const HWND window = waitForMainWindow(launcher);
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(messageBoxesOf(launcher.id()).empty()) << "a second message at start";

    PostMessageW(window, WM_CLOSE, 0, 0);
    const HWND atClose = waitForMessageBox(launcher);
    EXPECT_EQ(messageBoxText(atClose), "Произошла ошибка, при выгрузки модуля");
    pressButton(atClose, IDOK);
    EXPECT_EQ(waitForExitOrThrow(launcher), 0u);
}
