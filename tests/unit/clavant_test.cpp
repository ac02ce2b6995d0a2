#include "fake_shell.h"
#include "keyboard/clavant.h"
#include "keyboard/layout.h"
#include "picture_files.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using Op = MemoryCanvas::Op;

class ClavantTest : public ::testing::Test {
  protected:
    FakeShell shell;
    FakeDialogs dialogs;
    FakeClock clock;
    MemoryCanvas canvas{{681, 201}};
    Clavant keyboard;

    void SetUp() override {
        keyboard.services = {&shell, &dialogs, &clock, nullptr};
        keyboard.programDir = "D:\\Marlowin\\";
        keyboard.labelColor = 0x0000FF;
        keyboard.labelBackColor = 0xFFFFFF;
        keyboard.holdTime = 1000;
    }
};

} // namespace

TEST_F(ClavantTest, InitOnAMissingSkinBuildsTheWholeKeyboardOnTheBuiltInPicture) {
    keyboard.pressTick = 5;
    keyboard.heldKey = 3;
    keyboard.init(false, &canvas, 681, 201, "D:\\Marlowin\\Skin\\none.jpg");
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Ошибка загрузки скина", "Загружен скин по умолчанию"}));
    EXPECT_EQ(keyboard.skinFile, "");
    EXPECT_EQ(keyboard.skinWidth, 681);
    EXPECT_EQ(keyboard.skinHeight, 201);
    EXPECT_EQ(keyboard.keyCount, 104);
    EXPECT_EQ(keyboard.keyWidth, 28);
    EXPECT_EQ(keyboard.iconWidth, 24);
    EXPECT_EQ(keyboard.heldKey, 0);
    EXPECT_EQ(keyboard.pressTick, 0u);
    EXPECT_EQ(keyboard.keys[57]->code, 0x10u);
    EXPECT_EQ(keyboard.keys[103]->x, 612);
    EXPECT_EQ(keyboard.keys[104], nullptr);
    // Keys read the keyboard's colours, so a change shows at their next drawing.
    keyboard.labelColor = 0x00FF00;
    for (int i = 0; i < keyboard.keyCount; ++i)
        EXPECT_EQ(*keyboard.keys[std::size_t(i)]->labelColor, 0x00FF00u);
}

TEST_F(ClavantTest, RedrawComposesSkinAndKeysOffScreenAndCopiesOnce) {
    keyboard.init(false, &canvas, 681, 201, "");
    shell.icons.insert("C:\\p.exe|0");
    keyboard.keys[20]->setIcon("C:\\p.exe");
    canvas.calls.clear();
    keyboard.redraw();
    ASSERT_EQ(canvas.calls.size(), 1u + 104u + 1u + 1u);
    EXPECT_EQ(canvas.calls.front().source, &keyboard.skin);
    for (int i = 0; i < 104; ++i) {
        const auto& call = canvas.calls[std::size_t(1 + i + (i > 20 ? 1 : 0))];
        EXPECT_EQ(call.source, &keyboard.keys[std::size_t(i)]->patch) << i;
    }
    EXPECT_EQ(canvas.calls[22].op, Op::Icon);
    EXPECT_EQ(canvas.calls.back().op, Op::Copy);
    EXPECT_EQ(
        std::count_if(canvas.calls.begin(), canvas.calls.end(), [](auto& c) { return c.op == Op::Copy; }), 1);
}

TEST_F(ClavantTest, PassiveKeyboardBuildsNoKeys) {
    keyboard.init(true, &canvas, 681, 201, "");
    EXPECT_EQ(keyboard.keyCount, 0);
    EXPECT_EQ(keyboard.skinHeight, 201);
}

TEST_F(ClavantTest, ChangeSkinToAMissingFileRebuildsUnboundKeysOnTheBuiltInPicture) {
    keyboard.init(false, &canvas, 681, 201, "");
    keyboard.keys[17]->target = "C:\\p.exe";
    const HotKey* before = keyboard.keys[17].get();
    dialogs.messages.clear();
    keyboard.changeSkin("C:\\gone.bmp");
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Ошибка загрузки скина", "Загружен скин по умолчанию"}));
    EXPECT_EQ(keyboard.keyCount, 104);
    EXPECT_NE(keyboard.keys[17].get(), before);
    EXPECT_EQ(keyboard.keys[17]->target, "");
    EXPECT_EQ(keyboard.keys[17]->labelColor, &keyboard.labelColor);
    EXPECT_EQ(keyboard.keys[17]->labelBackColor, &keyboard.labelBackColor);
}

namespace {

struct RecordedColors : SkinColorTarget {
    std::vector<std::pair<Color, Color>> seen;
    void applySkinColor(Color color, Color fontColor) override { seen.emplace_back(color, fontColor); }
};

Bitmap filled(int width, int height, Color color) {
    Bitmap picture(width, height);
    for (auto& p : picture.pixels())
        p = color;
    return picture;
}

class SkinFileTest : public ClavantTest {
  protected:
    // One folder per test and process: CTest runs the cases of this suite side by side.
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("marlowin-skin-" + std::to_string(::getpid()) + "-" +
                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    RecordedColors colors;

    void SetUp() override {
        ClavantTest::SetUp();
        keyboard.services.skinColorTarget = &colors;
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string file(const std::string& name, std::span<const unsigned char> bytes) {
        const std::string path = (folder / name).string();
        writeFile(path, bytes);
        return path;
    }
};

} // namespace

TEST_F(SkinFileTest, PicksTheDecoderByExtensionAndFallsBackOnAnythingUnreadable) {
    const Bitmap blue = filled(40, 30, 0xFF0000);
    const auto jpeg = makeJpeg(blue, JpegKind::baseline, 95);
    const auto bmp = makeBmp(blue, 24, false);
    struct Case {
        std::string path;
        bool loads;
    };
    const Case cases[] = {
        {file("a.bmp", bmp), true},
        {file("b.jpeg", jpeg), true},
        {file("c.JPG", jpeg), true},
        {file("d.Jpeg", makeJpeg(blue, JpegKind::progressive, 95)), true},
        {file("e.skin", bmp), true},  // anything but JPEG is read as a bitmap
        {file("f.bmp", jpeg), false}, // mislabelled
        {file("g.jpg", std::span(jpeg).first(jpeg.size() / 2)), false}, // truncated
        {file("h.jpg", {}), false},                                     // empty
        {(folder / "missing.jpg").string(), false},
        {folder.string(), false}, // a folder
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        dialogs.messages.clear();
        colors.seen.clear();
        EXPECT_TRUE(keyboard.loadSkin(c.path));
        if (c.loads) {
            EXPECT_TRUE(dialogs.messages.empty());
            EXPECT_EQ(keyboard.skinFile, c.path);
            EXPECT_EQ(keyboard.skin.width(), 40);
            EXPECT_EQ(keyboard.skin.height(), 30);
            const Rgb centre = splitColor(keyboard.skin.pixel(20, 15));
            EXPECT_NEAR(centre.blue, 255, 3);
            EXPECT_NEAR(centre.red, 0, 3);
        } else {
            EXPECT_EQ(dialogs.messages,
                      (std::vector<std::string>{"Ошибка загрузки скина", "Загружен скин по умолчанию"}));
            EXPECT_EQ(keyboard.skinFile, "");
            EXPECT_EQ(keyboard.skin.width(), 681);
            EXPECT_EQ(keyboard.skin.height(), 201);
            ASSERT_EQ(colors.seen.size(), 1u);
            EXPECT_EQ(colors.seen[0], (std::pair<Color, Color>{0x808080, 0x7F7F7F}));
        }
    }
}

TEST_F(SkinFileTest, LayoutFollowsTheSkinHeightOnly) {
    const std::string tall = file("tall.jpg", makeJpeg(filled(1300, 300, 0x336699), JpegKind::baseline, 90));
    keyboard.init(false, &canvas, 681, 201, tall);
    EXPECT_EQ(keyboard.skinWidth, 1300);
    EXPECT_EQ(keyboard.skinHeight, 300);
    EXPECT_EQ(keyboard.keys[20]->width, 42);
    EXPECT_EQ(keyboard.keys[20]->height, 42);
    ASSERT_EQ(colors.seen.size(), 1u);
    EXPECT_EQ(colors.seen[0].second, colors.seen[0].first ^ 0xFFFFFF);

    std::vector<Rect> wide;
    for (int i = 0; i < 104; ++i) {
        const HotKey& k = *keyboard.keys[std::size_t(i)];
        wide.push_back({k.x, k.y, k.x + k.width, k.y + k.height});
    }
    keyboard.changeSkin(file("narrow.bmp", makeBmp(filled(500, 300, 0x808080), 24, true)));
    EXPECT_EQ(keyboard.skinWidth, 500);
    for (int i = 0; i < 104; ++i) {
        const HotKey& k = *keyboard.keys[std::size_t(i)];
        EXPECT_EQ((Rect{k.x, k.y, k.x + k.width, k.y + k.height}), wide[std::size_t(i)]) << i;
    }
}
