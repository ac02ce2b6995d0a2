// setting.ini as a user or an older version leaves it: hand-written values, the autorun switch,
// a file that cannot be written.
#include "marlowin_fixture.h"

#include "ini_text.h"
#include "message_boxes.h"
#include "top_level_windows.h"
#include "window_state.h"

#include <algorithm>

using namespace e2e;

using SettingsFile = MarlowinTest;

TEST_F(SettingsFile, HandWrittenValuesAreReadAsTheProfileFunctionsReadThemAndRewrittenInDecimal) {
    folder.writeSettings("[Position]\r\n"
                         "x=120\r\n"
                         "y=$50\r\n"
                         "[SETTING]\r\n"
                         "TimeExe=0x3E8\r\n"
                         "hiddenWhereNotAct=abc\r\n");
    const ChildProcess& launcher = start();
    const HWND window = waitForMainWindow(launcher);
    const WindowState state = windowState(window);
    EXPECT_EQ(state.window.left, 120);
    EXPECT_EQ(state.window.top, 0x50);
    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);

    const std::string written = folder.readSettings().value_or("");
    const auto sections = parseIni(written);
    EXPECT_EQ(
        std::ranges::count_if(sections, [](const IniSection& s) { return sameName(s.header, "Setting"); }), 1)
        << "[SETTING] was not taken for [Setting]:\n"
        << written;
    const IniSection* setting = findSection(sections, "Setting");
    ASSERT_TRUE(setting) << written;
    EXPECT_EQ(valueOf(*setting, "TimeExe"), "1000");
    EXPECT_EQ(valueOf(*setting, "hiddenWhereNotAct"), "1") << "a malformed boolean gives the default, true";
    const IniSection* position = findSection(sections, "Position");
    ASSERT_TRUE(position) << written;
    EXPECT_EQ(valueOf(*position, "y"), "80");
}

struct AutorunCase {
    const char* settings;
    bool registered;
};

class AutorunSwitch : public MarlowinTest, public ::testing::WithParamInterface<AutorunCase> {};

TEST_P(AutorunSwitch, RewritesOrRemovesAnOldRunValueAtStart) {
    writeAutorunValue(marlowin::autorunValue, "\"C:\\Old place\\Marlowin.exe\"");
    folder.writeSettings(GetParam().settings);

    const ChildProcess& launcher = start();
    const HWND window = waitForMainWindow(launcher);
    if (GetParam().registered)
        EXPECT_EQ(readAutorunValue(marlowin::autorunValue), autorunData());
    else
        EXPECT_EQ(readAutorunValue(marlowin::autorunValue), std::nullopt);
    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);
}

INSTANTIATE_TEST_SUITE_P(InAutoRun, AutorunSwitch,
                         ::testing::Values(AutorunCase{"[Setting]\r\ninAutoRun=0\r\n", false},
                                           AutorunCase{"[SETTING]\r\ninAutoRun=0\r\n", false},
                                           AutorunCase{"[Setting]\r\ninAutoRun=2\r\n", true},
                                           AutorunCase{"[Setting]\r\ninAutoRun=yes\r\n", true}));

TEST_F(SettingsFile, AReadOnlyFileMakesTheCloseReportItAndStaysUnchanged) {
    const std::string original = "[Position]\r\nx=40\r\ny=30\r\n[Setting]\r\nTimeExe=700\r\n";
    folder.writeSettings(original);
    folder.setSettingsReadOnly(true);

    const ChildProcess& launcher = start();
    const HWND window = waitForMainWindow(launcher);
    PostMessageW(window, WM_CLOSE, 0, 0);
    const HWND box = waitForMessageBox(launcher);
    EXPECT_EQ(windowTitle(box), marlowin::programName);
    const std::string text = messageBoxText(box);
    EXPECT_TRUE(text.starts_with("Unable to write to ")) << text;
    EXPECT_NE(text.find(utf8Of(folder.settingsFile())), std::string::npos) << text;

    pressButton(box, IDOK);
    EXPECT_EQ(waitForExitOrThrow(launcher), 0u);
    EXPECT_EQ(folder.readSettings(), original);
}
