#include "fake_shell.h"
#include "keyboard/clavant.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Op = MemoryCanvas::Op;

class FakeHost : public KeyboardHost {
  public:
    std::vector<int> progress;
    int pumps = 0, drags = 0;
    std::vector<int> keySettings;
    std::optional<std::string> file, folder;
    int fileDialogs = 0, folderDialogs = 0;
    std::function<void()> duringPump;

    void setProgressPosition(int position) override { progress.push_back(position); }
    void processPendingMessages() override {
        ++pumps;
        if (duringPump) std::exchange(duringPump, nullptr)();
    }
    std::optional<std::string> chooseFile() override {
        ++fileDialogs;
        return file;
    }
    std::optional<std::string> chooseFolder() override {
        ++folderDialogs;
        return folder;
    }
    void showKeySettings(int keyIndex) override { keySettings.push_back(keyIndex); }
    void dragWindow() override { ++drags; }
};

// Key indexes of the layout at height 201.
constexpr int F1 = 1, key1 = 17, tab = 30, keyQ = 31, keyA = 45, leftShift = 57, rightShift = 68,
              leftCtrl = 69, rightCtrl = 76, insert = 77, esc = 0;
constexpr int vkShift = 0x10, vkCtrl = 0x11, vkA = 0x41, vkQ = 0x51, vkCaps = 0x14;

class DispatcherTest : public ::testing::Test {
  protected:
    fs::path folder =
        fs::temp_directory_path() / ("marlowin-dispatch-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    FakeShell shell;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeHost host;
    MemoryCanvas canvas{{681, 201}};
    Clavant keyboard;

    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
        keyboard.services = {&shell, &dialogs, &clock, nullptr, nullptr, &host};
        keyboard.programDir = folder.string() + "\\";
        keyboard.holdTime = 1000;
        keyboard.labelBackColor = 0xFFFFFF;
        shell.files = {"C:\\a.exe", "C:\\b.exe", "C:\\i.ico"};
        shell.folders = {"C:\\Docs"};
        shell.icons = {"C:\\a.exe|0", "C:\\b.exe|0", "C:\\i.ico|0", "C:\\Windows\\system32\\SHELL32.dll|3"};
        keyboard.init(false, &canvas, 681, 201, "");
        canvas.calls.clear();
        dialogs.messages.clear();
    }
    void TearDown() override { fs::remove_all(folder); }

    void send(int kind, int code = 0, Point at = {}) {
        keyboard.dispatchEvent(code, at.x, at.y, std::uint8_t(kind));
    }
    void keyDown(int code) { send(0, code); }
    void keyUp(int code) { send(1, code); }
    void hover(Point at) { send(2, 0, at); }
    void click(Point at) { send(3, 0, at); }
    Point centreOf(int index) const {
        const HotKey& k = *keyboard.keys[std::size_t(index)];
        return {k.x + k.width / 2, k.y + k.height / 2};
    }
    HotKey& key(int index) { return *keyboard.keys[std::size_t(index)]; }
    void bind(int index, const std::string& file) { key(index).bind(file, file); }
    bool saved() const { return fs::exists(folder / "setting.ini"); }
    int compositions() const {
        return int(std::count_if(canvas.calls.begin(), canvas.calls.end(),
                                 [](auto& c) { return c.op == Op::Copy; }));
    }
    // Keys drawn raised in the last composition, by where their enlarged patch went.
    std::vector<int> raisedInLastComposition() const {
        std::vector<int> raised;
        auto start = canvas.calls.end();
        for (auto it = canvas.calls.begin(); it != canvas.calls.end(); ++it)
            if (it->op == Op::Copy && std::next(it) != canvas.calls.end()) start = std::next(it);
        if (start == canvas.calls.end()) start = canvas.calls.begin();
        for (auto it = start; it != canvas.calls.end(); ++it)
            if (it->op == Op::Stretch)
                for (int i = 0; i < keyboard.keyCount; ++i)
                    if (it->source == &keyboard.keys[std::size_t(i)]->patch) raised.push_back(i);
        return raised;
    }
};

} // namespace

TEST_F(DispatcherTest, HitTestIsInclusiveAndTheLowerIndexWins) {
    bind(key1, "C:\\a.exe");
    const HotKey& k = key(key1);
    struct Case {
        Point at;
        int expectedHover;
    };
    const Case cases[] = {
        {{k.x, k.y}, 0x31},
        {{k.x + k.width, k.y + k.height}, 0x31}, // the right and bottom edges still hit
        {{k.x - 1, k.y}, 0},                     // the gap between "`" and "1"
        {centreOf(esc), 0},                      // not bindable
        {centreOf(insert), 0},
        {centreOf(tab), 0}, // code 0
        {{0, 0}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y);
        keyboard.hoverCode = -1;
        hover(c.at);
        EXPECT_EQ(keyboard.hoverCode, c.expectedHover);
    }
    // Keys that touch: on a skin lower than 70 pixels there are no gaps.
    Clavant low;
    low.services = keyboard.services;
    low.programDir = keyboard.programDir;
    low.skin = Bitmap(500, 63);
    low.skinHeight = 63;
    low.buildLayout(low.skin);
    const HotKey& two = *low.keys[18];
    ASSERT_EQ(low.keys[17]->x + low.keys[17]->width, two.x);
    MemoryCanvas lowCanvas({500, 63});
    low.canvas = &lowCanvas;
    low.areaWidth = 500;
    low.areaHeight = 63;
    low.dispatchEvent(0, two.x, two.y + 1, 2);
    EXPECT_EQ(low.hoverCode, 0x31); // "1" (index 17) wins over "2" on their shared edge
}

TEST_F(DispatcherTest, HoverRedrawsOnlyWhenTheGroupChanges) {
    hover(centreOf(leftShift));
    EXPECT_EQ(compositions(), 1);
    EXPECT_EQ(raisedInLastComposition(), (std::vector<int>{leftShift, rightShift}));
    hover(centreOf(rightShift)); // same group
    hover({centreOf(leftShift).x + 3, centreOf(leftShift).y});
    EXPECT_EQ(compositions(), 1);
    hover({600, 5}); // background
    EXPECT_EQ(compositions(), 2);
    EXPECT_TRUE(raisedInLastComposition().empty());
    hover({600, 6});
    EXPECT_EQ(compositions(), 2);
    // Raised keys are drawn after every other key.
    hover(centreOf(keyA));
    const auto last =
        std::find_if(canvas.calls.rbegin(), canvas.calls.rend(), [](auto& c) { return c.op == Op::Stretch; });
    EXPECT_EQ(std::find_if(canvas.calls.rbegin(), last, [](auto& c) { return c.op == Op::Bitmap; }), last);
}

TEST_F(DispatcherTest, HoldLongerThanTheHoldTimeLaunchesOnceOnRelease) {
    bind(leftShift, "C:\\a.exe");
    bind(rightShift, "C:\\a.exe");
    clock.now = 5000;
    keyDown(vkShift);
    EXPECT_EQ(keyboard.heldKey, leftShift);
    EXPECT_EQ(keyboard.pressTick, 5000u);
    EXPECT_EQ(raisedInLastComposition(), (std::vector<int>{leftShift, rightShift}));
    for (int repeat = 1; repeat <= 30; ++repeat) {
        clock.now = 5000 + std::uint32_t(repeat) * 40;
        keyDown(vkShift);
    }
    EXPECT_EQ(host.progress.back(), 1200);
    EXPECT_EQ(host.pumps, 30);
    keyUp(vkShift);
    EXPECT_EQ(compositions(), 2); // once when the hold begins, once when it ends
    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].file, "C:\\a.exe");
    EXPECT_EQ(keyboard.heldKey, 0);
    EXPECT_EQ(keyboard.pressTick, 0u);
    EXPECT_EQ(host.progress.back(), 0);
}

TEST_F(DispatcherTest, HoldTimeDecidesWhetherAReleaseLaunches) {
    bind(keyA, "C:\\a.exe");
    struct Case {
        int holdTime;
        std::uint32_t pressedAt, releasedAt;
        bool launches;
    };
    const Case cases[] = {
        {1000, 100, 1099, false},
        {1000, 100, 1100, true},
        {0, 100, 100, true},
        {-5, 100, 100, true},
        {1000, 0xFFFFFE00u, 0x000001E8u, true}, // across the wrap: 1000 ms
        {1000, 0xFFFFFE00u, 0x000001E7u, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.holdTime << " " << c.pressedAt << " " << c.releasedAt);
        shell.starts.clear();
        keyboard.holdTime = c.holdTime;
        clock.now = c.pressedAt;
        keyDown(vkA);
        clock.now = c.releasedAt;
        keyUp(vkA);
        EXPECT_EQ(shell.starts.size(), c.launches ? 1u : 0u);
    }
}

TEST_F(DispatcherTest, ASecondKeyDuringAHoldOnlyMovesTheBarAndItsReleaseEndsTheHold) {
    bind(keyA, "C:\\a.exe");
    bind(keyQ, "C:\\b.exe");
    keyDown(vkA);
    clock.now = 2000;
    keyDown(vkQ);
    EXPECT_EQ(keyboard.heldKey, keyA);
    EXPECT_EQ(host.progress.back(), 2000);
    keyUp(vkQ);
    EXPECT_EQ(keyboard.heldKey, 0);
    keyUp(vkA);
    EXPECT_TRUE(shell.starts.empty());
}

TEST_F(DispatcherTest, AKeyUpThatNeverCameLeavesTheHoldOpen) {
    bind(keyA, "C:\\a.exe");
    keyDown(vkA);
    clock.now = 60000; // the window lost the focus before the key went up
    keyDown(vkQ);
    EXPECT_EQ(host.progress.back(), 60000);
    keyUp(vkA);
    EXPECT_EQ(shell.starts.size(), 1u);
}

TEST_F(DispatcherTest, KeysNoBindableKeyCarriesStartNoHold) {
    keyDown(vkCaps);
    keyDown(0x2D); // Insert
    keyDown(0x5B); // Windows
    EXPECT_EQ(keyboard.heldKey, 0);
    EXPECT_EQ(compositions(), 0);
    keyUp(vkCaps);
    EXPECT_EQ(compositions(), 0);
    // An unbound key still highlights and holds; its release starts nothing.
    keyDown(vkQ);
    EXPECT_EQ(keyboard.heldKey, keyQ);
    clock.now = 5000;
    keyUp(vkQ);
    EXPECT_TRUE(shell.starts.empty());
}

TEST_F(DispatcherTest, AKeyPressRemovesTheMouseHighlightButKeepsTheHoverCode) {
    hover(centreOf(keyA));
    keyDown(vkQ);
    keyUp(vkQ);
    EXPECT_TRUE(raisedInLastComposition().empty());
    EXPECT_EQ(keyboard.hoverCode, vkA);
    hover(centreOf(keyA));
    EXPECT_EQ(compositions(), 3); // the highlight comes back only through another group
}

TEST_F(DispatcherTest, ReentrantKeyUpDuringTheBarUpdateIsHarmless) {
    bind(keyA, "C:\\a.exe");
    keyDown(vkA);
    clock.now = 3000;
    host.duringPump = [&] { keyUp(vkA); };
    keyDown(vkA);
    EXPECT_EQ(keyboard.heldKey, 0);
    EXPECT_EQ(shell.starts.size(), 1u);
}

TEST_F(DispatcherTest, ClickLaunchesBindsOrDrags) {
    bind(keyA, "C:\\a.exe");
    click(centreOf(keyA));
    EXPECT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(host.fileDialogs, 0);

    click(centreOf(keyQ)); // unbound, dialog cancelled
    EXPECT_EQ(host.fileDialogs, 1);
    EXPECT_FALSE(saved());
    EXPECT_EQ(key(keyQ).target, "");

    host.file = "C:\\b.exe";
    canvas.calls.clear();
    click(centreOf(leftCtrl));
    EXPECT_EQ(key(leftCtrl).target, "C:\\b.exe");
    EXPECT_EQ(key(rightCtrl).target, "C:\\b.exe");
    EXPECT_EQ(key(leftCtrl).workDir, "C:\\");
    EXPECT_TRUE(saved());
    EXPECT_EQ(keyboard.hoverCode, vkCtrl);
    EXPECT_EQ(raisedInLastComposition(), (std::vector<int>{leftCtrl, rightCtrl}));

    for (Point background : {Point{600, 5}, centreOf(esc), centreOf(tab), centreOf(insert)})
        click(background);
    EXPECT_EQ(host.drags, 4);
    EXPECT_EQ(shell.starts.size(), 1u);
}

TEST_F(DispatcherTest, KeyMenuCommands) {
    bind(F1, "C:\\a.exe");
    host.file = "C:\\b.exe";
    host.folder = "C:\\Docs";

    send(5, 0, centreOf(F1)); // a bound key is bound anew
    EXPECT_EQ(key(F1).target, "C:\\b.exe");
    EXPECT_TRUE(saved());
    fs::remove(folder / "setting.ini");

    send(6, 0, centreOf(leftShift));
    EXPECT_EQ(key(leftShift).target, "C:\\Docs");
    EXPECT_EQ(key(rightShift).workDir, "");
    EXPECT_EQ(key(rightShift).iconSource, folderIconSource);
    EXPECT_TRUE(saved());
    fs::remove(folder / "setting.ini");

    send(8, 0, centreOf(keyA)); // unbound
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Сначало необходимо создать клавиши"}));
    send(9, 0, centreOf(keyA));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(host.keySettings.empty());
    EXPECT_FALSE(saved());

    host.file = "C:\\i.ico";
    send(8, 0, centreOf(leftShift));
    EXPECT_EQ(key(rightShift).iconSource, "C:\\i.ico");
    EXPECT_TRUE(saved());
    fs::remove(folder / "setting.ini");

    send(9, 0, centreOf(rightShift));
    EXPECT_EQ(host.keySettings, (std::vector<int>{rightShift}));
    EXPECT_FALSE(saved());

    send(7, 0, centreOf(rightShift));
    EXPECT_EQ(key(leftShift).target, "");
    EXPECT_TRUE(saved());
    fs::remove(folder / "setting.ini");

    // Inactive keys, keys without a code and the background: nothing, no dialog, no save.
    const int dialogsBefore = host.fileDialogs + host.folderDialogs;
    for (int kind : {5, 6, 7, 8, 9, 10})
        for (Point at : {centreOf(esc), centreOf(tab), Point{600, 5}})
            send(kind, 0, at);
    EXPECT_EQ(host.fileDialogs + host.folderDialogs, dialogsBefore);
    EXPECT_FALSE(saved());
    // The icon command looks at the key itself, so the unbound Tab key gets the reminder.
    EXPECT_EQ(dialogs.messages.size(), 3u);

    // A cancelled dialog changes nothing and saves nothing.
    host.file.reset();
    send(5, 0, centreOf(F1));
    EXPECT_EQ(key(F1).target, "C:\\b.exe");
    EXPECT_FALSE(saved());
}

TEST_F(DispatcherTest, SetAppletBindsTheGroupWithoutSaving) {
    keyboard.appletCount = 1;
    keyboard.applets[0] = {"Блокнот", "C:\\i.ico", "C:\\a.exe", "C:\\Work\\", "-n"};
    keyboard.chosenApplet = "Нет такого";
    send(10, 0, centreOf(leftCtrl));
    EXPECT_EQ(key(leftCtrl).target, "");
    keyboard.chosenApplet = "Блокнот";
    send(10, 0, centreOf(leftCtrl));
    for (int i : {leftCtrl, rightCtrl}) {
        EXPECT_EQ(key(i).target, "C:\\a.exe");
        EXPECT_EQ(key(i).workDir, "C:\\Work\\");
        EXPECT_EQ(key(i).iconSource, "C:\\i.ico");
        EXPECT_EQ(key(i).arguments, "-n");
        EXPECT_EQ(key(i).title, "Блокнот");
    }
    EXPECT_FALSE(saved());
}

TEST_F(DispatcherTest, DropsBindTheGroupUnderThePointAndAlwaysSave) {
    keyboard.dropFile(centreOf(leftCtrl), "C:\\a.exe");
    EXPECT_EQ(key(leftCtrl).target, "C:\\a.exe");
    EXPECT_EQ(key(rightCtrl).target, "C:\\a.exe");
    EXPECT_EQ(compositions(), 2); // redrawn once per bound key
    EXPECT_TRUE(saved());
    fs::remove(folder / "setting.ini");

    for (Point nowhere : {Point{600, 5}, centreOf(tab)})
        keyboard.dropFile(nowhere, "C:\\b.exe");
    EXPECT_EQ(key(tab).target, "");
    EXPECT_TRUE(saved());
    EXPECT_EQ(compositions(), 2);
}

TEST_F(DispatcherTest, KindsWithoutMeaningAreIgnored) {
    bind(keyA, "C:\\a.exe");
    for (int kind : {4, 11, 255})
        send(kind, vkA, centreOf(keyA));
    EXPECT_EQ(compositions(), 0);
    EXPECT_TRUE(shell.starts.empty());
    EXPECT_EQ(host.drags, 0);
}
