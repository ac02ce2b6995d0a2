// Holding a bound key on the keyboard: the progress bar follows the hold, and only a release
// after the hold time starts the target, once, for the whole key group.
#include "desktop_fixture.h"

#include "bounded_wait.h"
#include "child_windows.h"
#include "synthetic_input.h"

#include <commctrl.h>

#include <algorithm>
#include <thread>

using namespace e2e;

namespace {

struct HoldCase {
    const char* name;
    WORD key;
    std::chrono::milliseconds held;
    std::vector<std::string> starts; // tags of the bindings started
};

void PrintTo(const HoldCase& c, std::ostream* out) {
    *out << c.name;
}

// A keyboard repeats a held key about every 30 ms.
constexpr auto repeatInterval = 30ms;

int position(HWND bar) {
    return int(SendMessageW(bar, PBM_GETPOS, 0, 0));
}

} // namespace

class KeyHold : public DesktopTest, public ::testing::WithParamInterface<HoldCase> {};

TEST_P(KeyHold, StartsTheGroupsTargetOnceOnAReleaseAfterTheHoldTime) {
    const HoldCase& hold = GetParam();
    writeSettings(
        Settings().bind(keys::a, "A").bind(keys::leftCtrl, "leftCtrl").bind(keys::rightCtrl, "rightCtrl"));
    const auto [launcher, window] = startInForeground();
    const auto bars = descendantsOfClass(window, PROGRESS_CLASSA);
    ASSERT_EQ(bars.size(), 1u);
    const HWND bar = bars.front();
    EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 300) << "the bar's maximum is not the hold time";

    int highest = 0;
    const auto release = std::chrono::steady_clock::now() + hold.held;
    keyDown(hold.key);
    while (std::chrono::steady_clock::now() < release) {
        std::this_thread::sleep_for(repeatInterval);
        keyDown(hold.key);
        highest = std::max(highest, position(bar));
    }
    EXPECT_TRUE(launches().empty()) << "a start while the key is still held";
    keyUp(hold.key);

    EXPECT_EQ(tagsOfSettledLaunches(hold.starts.size()), hold.starts);
    for (const LaunchRecord& record : launches())
        EXPECT_EQ(record.workDir, utf8Of(workFolder())) << "the start is not in the binding's working folder";
    EXPECT_GT(highest, 0) << "the progress bar stood still during the hold";
    EXPECT_TRUE(waitUntil(2s, [&] { return position(bar) == 0; })) << "the bar is not reset by the release";
    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyHold,
    ::testing::Values(HoldCase{"APastTheHoldTime", 'A', 700ms, {"A"}},
                      HoldCase{"AReleasedEarly", 'A', 120ms, {}},
                      // Both Ctrl keys carry one code: the group's first key, the left one, starts.
                      HoldCase{"RightCtrlPastTheHoldTime", VK_RCONTROL, 700ms, {"leftCtrl"}}),
    [](const auto& info) { return std::string(info.param.name); });
