#include "fake_shell.h"
#include "keyboard/clavant.h"
#include "keyboard/layout.h"

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
