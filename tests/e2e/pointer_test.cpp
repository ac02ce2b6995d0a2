// The mouse on the keyboard picture: a click on a bound key starts it at once; resting on a key
// raises it with its title box, and leaving it puts the plain picture back.
#include "desktop_fixture.h"

#include "bounded_wait.h"
#include "icon_file_writer.h"
#include "synthetic_input.h"
#include "window_capture.h"

using namespace e2e;

namespace {

constexpr Color magenta = 0xFF00FF;
constexpr Color white = 0xFFFFFF;

Rect enlarged(Rect key) {
    return {key.left - 8, key.top - 8, key.right + 8, key.bottom + 8};
}

Point onScreen(HWND window, Point client) {
    POINT p{client.x, client.y};
    ClientToScreen(window, &p);
    return {p.x, p.y};
}

int differing(const Capture& a, const Capture& b, Rect area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += a.at(x, y) != b.at(x, y);
    return n;
}

} // namespace

using Pointer = DesktopTest;

TEST_F(Pointer, AClickOnABoundKeyStartsItWhenTheButtonGoesDown) {
    writeSettings(Settings().bind(keys::a, "A"));
    const auto [launcher, window] = startInForeground();

    movePointerTo(onScreen(window, centreOf(keys::a.place)));
    leftButtonDown();
    const bool startedWhileDown = waitUntil(5s, [&] { return !launches().empty(); });
    leftButtonUp();
    EXPECT_TRUE(startedWhileDown) << "no start while the button is down";
    EXPECT_EQ(tagsOfSettledLaunches(1), std::vector<std::string>{"A"});
    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);
}

TEST_F(Pointer, AKeyUnderThePointerIsRaisedWithItsTitleBoxUntilThePointerLeavesIt) {
    folder.write("test\\magenta.ico",
                 iconFileBytes({{16, magenta}, {24, magenta}, {32, magenta}, {48, magenta}}));
    writeSettings(Settings().bind(keys::a, "A", "Метка", "test\\magenta.ico"));
    const auto [launcher, window] = startInForeground();
    const Rect key = keys::a.place;
    const Rect raised = enlarged(key);
    const auto isMagenta = [](Color c) { return c == magenta; };
    const auto isWhite = [](Color c) { return c == white; };
    // The title box hangs 16 pixels under the key, centred on it and wider than it.
    const Rect titleBox{key.left, key.bottom + 17, key.right, key.bottom + 30};

    // The plain key: a 24 x 24 icon.
    const Capture plain =
        waitForCapture(window, [&](const Capture& c) { return c.count(key, isMagenta) >= 24 * 24; });
    ASSERT_EQ(plain.count(raised, isMagenta), 24 * 24) << "the plain key does not show its icon";
    ASSERT_LT(plain.count(titleBox, isWhite), titleBox.width() * titleBox.height() / 20)
        << "the skin is white where the title box goes";

    movePointerTo(onScreen(window, centreOf(key)));
    // Raised: the icon drawn 16 pixels larger, 40 x 40.
    const Capture hovered =
        waitForCapture(window, [&](const Capture& c) { return c.count(raised, isMagenta) >= 40 * 40; });
    EXPECT_EQ(hovered.count(raised, isMagenta), 40 * 40) << "the key under the pointer is not raised";
    const int ring = raised.width() * raised.height() - key.width() * key.height();
    EXPECT_GT(differing(plain, hovered, raised) - differing(plain, hovered, key), ring / 2)
        << "the key's picture is not stretched 8 pixels beyond its edges";
    EXPECT_GT(hovered.count(titleBox, isWhite), titleBox.width() * titleBox.height() / 3)
        << "no white title box under the raised key";

    // The Esc key is not bindable: over it no key is hit, and the picture is redrawn plain.
    movePointerTo(onScreen(window, {4, 4}));
    const auto isPlain = [&](const Capture& c) { return differing(plain, c, {0, 0, 681, 201}) == 0; };
    EXPECT_TRUE(isPlain(waitForCapture(window, isPlain))) << "the key stays raised after the pointer left it";
    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);
}
