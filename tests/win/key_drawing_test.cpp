#include "icon_file_writer.h"
#include "pixel_bounds.h"
#include "temp_folder.h"

#include "keyboard/hot_key.h"
#include "platform/win32/dib_canvas.h"
#include "platform/win32/win32_shell.h"

#include <gtest/gtest.h>

#include <ostream>

static std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

constexpr Color patchColor = 0x80A0C0;
constexpr Color nearCornerColor = 0x0000FF;
constexpr Color farCornerColor = 0xFF0000;
constexpr Color iconColor = 0x00C000;
constexpr Color ink = 0x800000;
constexpr Color paper = 0xE0FFFF;
constexpr int keySide = 28;
constexpr int iconSide = 24;

// One key on an otherwise black canvas: its patch is one colour with a marker in the top-left
// and bottom-right pixels, so where the patch lands and how far it is stretched both show.
class KeyDrawing : public ::testing::Test {
  protected:
    KeyDrawing() {
        key.shell = &shell;
        key.labelColor = &ink;
        key.labelBackColor = &paper;
    }

    void placeAt(int x, int y) {
        Bitmap skin(canvas.size().width, canvas.size().height);
        for (int row = y; row < y + keySide; ++row)
            for (int column = x; column < x + keySide; ++column)
                skin.setPixel(column, row, patchColor);
        skin.setPixel(x, y, nearCornerColor);
        skin.setPixel(x + keySide - 1, y + keySide - 1, farCornerColor);
        key.place(x, y, keySide, keySide, iconSide, iconSide, 'A', true, skin);
    }

    void giveIcon() {
        key.setIcon(folder.write("key.ico", iconFileBytes({{32, iconColor}, {48, iconColor}})));
        ASSERT_TRUE(key.icon);
    }

    Size titleSize() { return canvas.textExtent({"Arial", 14, true, ink}, key.title); }

    TempFolder folder;
    Win32Shell shell;
    HotKey key;
    DibCanvas canvas{{300, 160}};
};

TEST_F(KeyDrawing, NormalFormShowsThePatchAndTheIconCentredOnIt) {
    placeAt(40, 30);
    giveIcon();
    key.drawNormal(canvas);

    EXPECT_EQ(canvas.pixel(40, 30), nearCornerColor);
    EXPECT_EQ(canvas.pixel(67, 57), farCornerColor);
    EXPECT_EQ(boundsOf(canvas, iconColor), (Rect{42, 32, 66, 56}));
    EXPECT_EQ(canvas.pixel(41, 44), patchColor);
    EXPECT_EQ(canvas.pixel(66, 44), patchColor);
    EXPECT_EQ(canvas.pixel(39, 30), 0u);
    EXPECT_EQ(canvas.pixel(68, 57), 0u);
}

TEST_F(KeyDrawing, HighlightedFormIsSixteenPixelsLargerWithALargerIcon) {
    placeAt(40, 30);
    giveIcon();
    key.drawHighlighted(canvas);

    EXPECT_EQ(canvas.pixel(32, 22), nearCornerColor);
    EXPECT_EQ(canvas.pixel(75, 65), farCornerColor);
    EXPECT_EQ(canvas.pixel(31, 22), 0u);
    EXPECT_EQ(canvas.pixel(76, 65), 0u);
    EXPECT_EQ(boundsOf(canvas, iconColor), (Rect{34, 24, 74, 64}));
}

TEST_F(KeyDrawing, TitleBoxSitsUnderTheKeyWithItsOutlineOnlyAtTheRoundedEnds) {
    placeAt(40, 30);
    key.title = "Блокнот";
    key.drawHighlighted(canvas);

    const Size text = titleSize();
    ASSERT_GT(text.width, 0);
    const int left = 54 - text.width / 2, top = 74;
    EXPECT_EQ(boundsOf(canvas, ink), (Rect{left - 4, top, left + text.width + 4, top + text.height}));
    EXPECT_EQ(boundsOf(canvas, paper), (Rect{left - 3, top, left + text.width + 3, top + text.height}));

    const int middle = top + text.height / 2;
    EXPECT_EQ(canvas.pixel(left - 4, middle), ink);
    EXPECT_EQ(canvas.pixel(left - 2, middle), paper);
    EXPECT_EQ(canvas.pixel(left + text.width + 3, middle), ink);
    EXPECT_EQ(canvas.pixel(left - 4, top), 0u) << "the corner is round";
    int inked = 0, papered = 0, outlineOverText = 0;
    for (int x = left; x < left + text.width; ++x) {
        outlineOverText += canvas.pixel(x, top) == ink;
        for (int y = top; y < top + text.height; ++y) {
            inked += canvas.pixel(x, y) == ink;
            papered += canvas.pixel(x, y) == paper;
        }
    }
    EXPECT_EQ(outlineOverText, 0) << "the text cells cover the top outline";
    EXPECT_GT(inked, 7 * 10) << "the letters";
    EXPECT_GT(papered, inked) << "the cells behind them";
}

TEST_F(KeyDrawing, TitleBoxStaysInsideTheRightAndBottomEdges) {
    placeAt(270, 130);
    key.title = "Блокнот";
    key.drawHighlighted(canvas);

    const Size text = titleSize();
    const Rect box = boundsOf(canvas, ink);
    EXPECT_EQ(box.right, canvas.size().width - 28);
    EXPECT_EQ(box.bottom, canvas.size().height - text.height);
    EXPECT_EQ(box.width(), text.width + 8);
    EXPECT_EQ(canvas.pixel(box.right, box.top + text.height / 2), patchColor) << "the raised key beside it";
}

TEST_F(KeyDrawing, IconOnlyFormDrawsAFreshKeysIconAtItsOwnSizeThroughItsMask) {
    key.setIcon(folder.write("half.ico", iconFileBytes({{32, iconColor, true}, {48, 0x123456}})));
    ASSERT_TRUE(key.icon);
    Bitmap grey(64, 64);
    for (Color& pixel : grey.pixels())
        pixel = 0x808080;
    canvas.drawBitmap(grey, {0, 0});
    key.drawIconOnly(canvas);

    EXPECT_EQ(boundsOf(canvas, iconColor), (Rect{16, 0, 32, 32}));
    EXPECT_EQ(canvas.pixel(8, 16), 0x808080u);
    EXPECT_EQ(canvas.pixel(40, 16), 0x808080u);
}

} // namespace
