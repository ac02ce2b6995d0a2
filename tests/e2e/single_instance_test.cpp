// One keyboard per session: the mark, the search for the running window, and the word "save".
#include "marlowin_fixture.h"

#include "bounded_wait.h"
#include "global_atom.h"
#include "window_state.h"

using namespace e2e;

using SingleInstance = MarlowinTest;

TEST_F(SingleInstance, ASecondStartShowsTheHiddenFirstAndEndsWith0) {
    const ChildProcess& first = start();
    const HWND window = waitForMainWindow(first);
    // As when the first instance sits in the notification area.
    ShowWindow(window, SW_HIDE);
    ASSERT_TRUE(waitUntil(5s, [&] { return !IsWindowVisible(window); }));

    const QuietEnd second = watchUntilExit(start());

    EXPECT_EQ(second.exitCode, 0u);
    EXPECT_EQ(second.mainWindowsSeen, 0) << "the second start opened a keyboard of its own";
    EXPECT_TRUE(waitUntil(5s, [&] { return IsWindowVisible(window) != FALSE; }))
        << "the first window stays hidden";
    EXPECT_EQ(mainWindowsAnywhere(), std::vector<HWND>{window});
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(globalAtomExists(marlowin::instanceAtom));
    EXPECT_EQ(closeAndWaitForExit(first, window), 0u);
}

TEST_F(SingleInstance, AStaleMarkIsRemovedByOneStartAndTheNextStartRuns) {
    addGlobalAtom(marlowin::instanceAtom);

    const QuietEnd cleaning = watchUntilExit(start());
    EXPECT_EQ(cleaning.exitCode, 0u);
    EXPECT_EQ(cleaning.mainWindowsSeen, 0);
    EXPECT_FALSE(globalAtomExists(marlowin::instanceAtom));

    const ChildProcess& next = start();
    const HWND window = waitForMainWindow(next);
    EXPECT_TRUE(globalAtomExists(marlowin::instanceAtom));
    EXPECT_EQ(closeAndWaitForExit(next, window), 0u);
}

TEST_F(SingleInstance, StartsAtTheSameMomentLeaveOneInstanceThatALaterStartFinds) {
    ChildProcess& a = start();
    ChildProcess& b = start();
    // Whichever loses ends by itself; the winner keeps its window.
    ASSERT_TRUE(waitUntil(20s, [&] { return !a.running() || !b.running(); }))
        << "both simultaneous starts still run after 20 s";
    const bool aWon = a.running();
    const ChildProcess& winner = aWon ? a : b;
    const ChildProcess& loser = aWon ? b : a;
    EXPECT_EQ(loser.waitForExit(0ms), 0u);
    const HWND window = waitForMainWindow(winner);
    EXPECT_EQ(mainWindowsAnywhere(), std::vector<HWND>{window});
    EXPECT_TRUE(globalAtomExists(marlowin::instanceAtom)) << "the losing start took the mark with it";

    const QuietEnd later = watchUntilExit(start());
    EXPECT_EQ(later.exitCode, 0u);
    EXPECT_EQ(later.mainWindowsSeen, 0);
    EXPECT_EQ(closeAndWaitForExit(winner, window), 0u);
}

struct CommandLineCase {
    std::vector<std::string> arguments;
    bool runsBeside;
};

class SaveWord : public MarlowinTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(SaveWord, DecidesWhetherASecondInstanceRunsBesideTheFirst) {
    // The second instance takes the activation; the first must not hide itself for that.
    folder.writeSettings("[Setting]\r\nhiddenWhereNotAct=0\r\n");
    const ChildProcess& first = start();
    const HWND firstWindow = waitForMainWindow(first);

    ChildProcess& second = start(GetParam().arguments);
    if (GetParam().runsBeside) {
        const HWND secondWindow = waitForMainWindow(second);
        EXPECT_NE(secondWindow, firstWindow);
        EXPECT_TRUE(IsWindowVisible(firstWindow));
        EXPECT_EQ(mainWindowsAnywhere().size(), 2u);
        EXPECT_EQ(closeAndWaitForExit(second, secondWindow), 0u);
    } else {
        const QuietEnd end = watchUntilExit(second);
        EXPECT_EQ(end.exitCode, 0u);
        EXPECT_EQ(end.mainWindowsSeen, 0);
    }
    EXPECT_EQ(closeAndWaitForExit(first, firstWindow), 0u);
}

INSTANTIATE_TEST_SUITE_P(Arguments, SaveWord,
                         ::testing::Values(CommandLineCase{{"save"}, true},
                                           CommandLineCase{{"other", "save"}, true},
                                           CommandLineCase{{"SAVE"}, false}, CommandLineCase{{"Save"}, false},
                                           CommandLineCase{{"saved"}, false}));
