// A start in a folder that has never seen the program: window, mark, autorun, and the settings
// file the close leaves behind.
#include "marlowin_fixture.h"

#include "global_atom.h"
#include "ini_text.h"
#include "top_level_windows.h"
#include "window_capture.h"
#include "window_state.h"

#include "platform/image_decoder.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace e2e;
using ::testing::UnorderedElementsAre;

namespace {

Bitmap defaultSkin(const ScratchProgramFolder& folder) {
    const auto bytes = readFileBytes(folder.path() / "Skin" / "WoodEN.jpg");
    if (!bytes) throw std::runtime_error("no Skin\\WoodEN.jpg in the program folder");
    auto skin = decodeJpeg({reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size()});
    if (!skin) throw std::runtime_error("Skin\\WoodEN.jpg does not decode");
    return std::move(*skin);
}

// Pixels of the window's picture that differ from the skin, and where they lie.
std::string differencesFromSkin(const Capture& capture, const Bitmap& skin) {
    int differing = 0;
    Rect box{skin.width(), skin.height(), 0, 0};
    for (int y = 0; y < std::min(skin.height(), capture.height); ++y)
        for (int x = 0; x < std::min(skin.width(), capture.width); ++x)
            if (capture.at(x, y) != skin.pixel(x, y)) {
                ++differing;
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
    if (!differing) return "";
    return std::to_string(differing) + " pixels differ, within (" + std::to_string(box.left) + "," +
           std::to_string(box.top) + ")-(" + std::to_string(box.right) + "," + std::to_string(box.bottom) +
           ")";
}

} // namespace

using FirstStart = MarlowinTest;

TEST_F(FirstStart, ShowsTheSkinInABorderlessWindowWithoutTaskBarButtonAndMarksTheInstance) {
    const ChildProcess& launcher = start();
    const HWND window = waitForMainWindow(launcher);

    const WindowState state = windowState(window);
    EXPECT_EQ(state.client.width(), marlowin::clientSize.width);
    EXPECT_EQ(state.client.height(), marlowin::clientSize.height);
    EXPECT_EQ(state.window, state.client) << "the window has a border or a caption";
    // Centred on the screen, from its designed size.
    EXPECT_EQ(state.window.left, GetSystemMetrics(SM_CXSCREEN) / 2 - marlowin::clientSize.width / 2);
    EXPECT_EQ(state.window.top, GetSystemMetrics(SM_CYSCREEN) / 2 - marlowin::clientSize.height / 2);
    WindowQuery visible;
    visible.processId = launcher.id();
    visible.visibleOnly = true;
    for (HWND shown : topLevelWindows(visible))
        EXPECT_FALSE(windowState(shown).hasTaskBarButton())
            << "window \"" << windowTitle(shown) << "\" of class " << windowClass(shown)
            << " has a task-bar button";

    EXPECT_TRUE(globalAtomExists(marlowin::instanceAtom));
    EXPECT_EQ(readAutorunValue(marlowin::autorunValue), autorunData());

    // With no key bound and the pointer elsewhere, the picture is the skin itself.
    const Bitmap skin = defaultSkin(folder);
    ASSERT_EQ(skin.width(), marlowin::picture.width());
    ASSERT_EQ(skin.height(), marlowin::picture.height());
    const auto showsSkin = [&](const Capture& c) { return differencesFromSkin(c, skin).empty(); };
    EXPECT_EQ(differencesFromSkin(waitForCapture(window, showsSkin), skin), "");

    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);
}

TEST_F(FirstStart, CloseEndsWith0RemovesTheMarkAndWritesSettingsThatTheNextRunKeeps) {
    const ChildProcess& first = start();
    const HWND window = waitForMainWindow(first);
    const WindowState state = windowState(window);
    EXPECT_FALSE(folder.readSettings()) << "setting.ini is written before the close";

    EXPECT_EQ(closeAndWaitForExit(first, window), 0u);
    EXPECT_FALSE(globalAtomExists(marlowin::instanceAtom));

    const auto written = folder.readSettings();
    ASSERT_TRUE(written) << "no setting.ini after the close";
    const auto sections = parseIni(*written);
    const IniSection* position = findSection(sections, "Position");
    const IniSection* setting = findSection(sections, "Setting");
    ASSERT_TRUE(position && setting) << *written;
    EXPECT_THAT(keyNames(*position), UnorderedElementsAre("x", "y", "Mask", "SkinName"));
    EXPECT_THAT(keyNames(*setting),
                UnorderedElementsAre("hiddenFromTaskBar", "hiddenWhereNotAct", "inAutoRun", "ShowMenuPanel",
                                     "TimeExe", "CountSkin", "VisibleToolBar", "ColorLabel",
                                     "BackgroundColorLabel"));
    EXPECT_EQ(
        std::ranges::count_if(sections, [](const IniSection& s) { return sameName(s.header, "Setting"); }), 1)
        << "the colour keys went into a section of their own:\n"
        << *written;

    const std::pair<std::string, std::string> defaults[] = {
        {"x", std::to_string(state.window.left)},
        {"y", std::to_string(state.window.top)},
        {"Mask", utf8Of(folder.path()) + "\\Skin/WoodEN.jpg"},
        {"SkinName", "Default"},
        {"TimeExe", "1000"},
        {"hiddenFromTaskBar", "1"},
        {"hiddenWhereNotAct", "1"},
        {"inAutoRun", "1"},
        {"ShowMenuPanel", "1"},
        {"VisibleToolBar", "1"},
        {"ColorLabel", "0"},
        {"BackgroundColorLabel", "16777215"},
    };
    for (const auto& [key, value] : defaults) {
        const IniSection& section =
            key == "x" || key == "y" || key == "Mask" || key == "SkinName" ? *position : *setting;
        EXPECT_EQ(valueOf(section, key), value) << key;
    }
    EXPECT_FALSE(
        std::ranges::any_of(sections, [](const IniSection& s) { return s.header.starts_with("Key"); }))
        << "binding sections without any binding:\n"
        << *written;

    const ChildProcess& second = start();
    EXPECT_EQ(closeAndWaitForExit(second, waitForMainWindow(second)), 0u);
    EXPECT_EQ(folder.readSettings(), written) << "a run that changes nothing changed setting.ini";
}
