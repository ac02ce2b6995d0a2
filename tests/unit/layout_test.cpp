#include "keyboard/layout.h"

#include <gtest/gtest.h>

namespace {

struct ExpectedKey {
    int index;
    int code;
    bool active;
    int x, y, width, height;
};

// Every key as it lies on a picture 201 pixels high.
const ExpectedKey keysAt201[] = {
    {0, 0x1B, false, 8, 8, 28, 28},      {1, 0x70, true, 64, 8, 28, 28},
    {2, 0x71, true, 94, 8, 28, 28},      {3, 0x72, true, 124, 8, 28, 28},
    {4, 0x73, true, 154, 8, 28, 28},     {5, 0x74, true, 194, 8, 28, 28},
    {6, 0x75, true, 224, 8, 28, 28},     {7, 0x76, true, 254, 8, 28, 28},
    {8, 0x77, true, 284, 8, 28, 28},     {9, 0x78, true, 324, 8, 28, 28},
    {10, 0x79, true, 354, 8, 28, 28},    {11, 0x7A, true, 384, 8, 28, 28},
    {12, 0x7B, true, 414, 8, 28, 28},    {13, 0x00, false, 460, 8, 28, 28},
    {14, 0x91, false, 490, 8, 28, 28},   {15, 0x13, false, 520, 8, 28, 28},
    {16, 0xC0, true, 8, 42, 28, 28},     {17, 0x31, true, 38, 42, 28, 28},
    {18, 0x32, true, 68, 42, 28, 28},    {19, 0x33, true, 98, 42, 28, 28},
    {20, 0x34, true, 128, 42, 28, 28},   {21, 0x35, true, 158, 42, 28, 28},
    {22, 0x36, true, 188, 42, 28, 28},   {23, 0x37, true, 218, 42, 28, 28},
    {24, 0x38, true, 248, 42, 28, 28},   {25, 0x39, true, 278, 42, 28, 28},
    {26, 0x30, true, 308, 42, 28, 28},   {27, 0xBD, true, 338, 42, 28, 28},
    {28, 0xBB, true, 368, 42, 28, 28},   {29, 0x08, true, 398, 42, 58, 28},
    {30, 0x00, true, 8, 72, 44, 28},     {31, 0x51, true, 54, 72, 28, 28},
    {32, 0x57, true, 84, 72, 28, 28},    {33, 0x45, true, 114, 72, 28, 28},
    {34, 0x52, true, 144, 72, 28, 28},   {35, 0x54, true, 174, 72, 28, 28},
    {36, 0x59, true, 204, 72, 28, 28},   {37, 0x55, true, 234, 72, 28, 28},
    {38, 0x49, true, 264, 72, 28, 28},   {39, 0x4F, true, 294, 72, 28, 28},
    {40, 0x50, true, 324, 72, 28, 28},   {41, 0xDB, true, 354, 72, 28, 28},
    {42, 0xDD, true, 384, 72, 28, 28},   {43, 0xDC, true, 414, 72, 42, 28},
    {44, 0x14, false, 8, 102, 58, 28},   {45, 0x41, true, 68, 102, 28, 28},
    {46, 0x53, true, 98, 102, 28, 28},   {47, 0x44, true, 128, 102, 28, 28},
    {48, 0x46, true, 158, 102, 28, 28},  {49, 0x47, true, 188, 102, 28, 28},
    {50, 0x48, true, 218, 102, 28, 28},  {51, 0x4A, true, 248, 102, 28, 28},
    {52, 0x4B, true, 278, 102, 28, 28},  {53, 0x4C, true, 308, 102, 28, 28},
    {54, 0xBA, true, 338, 102, 28, 28},  {55, 0xDE, true, 368, 102, 28, 28},
    {56, 0x0D, true, 398, 102, 58, 28},  {57, 0x10, true, 8, 132, 72, 28},
    {58, 0x5A, true, 82, 132, 28, 28},   {59, 0x58, true, 112, 132, 28, 28},
    {60, 0x43, true, 142, 132, 28, 28},  {61, 0x56, true, 172, 132, 28, 28},
    {62, 0x42, true, 202, 132, 28, 28},  {63, 0x4E, true, 232, 132, 28, 28},
    {64, 0x4D, true, 262, 132, 28, 28},  {65, 0xBC, true, 292, 132, 28, 28},
    {66, 0xBE, true, 322, 132, 28, 28},  {67, 0xBF, true, 352, 132, 28, 28},
    {68, 0x10, true, 382, 132, 74, 28},  {69, 0x11, true, 8, 162, 44, 28},
    {70, 0x5B, false, 54, 162, 28, 28},  {71, 0x12, true, 84, 162, 44, 28},
    {72, 0x20, true, 130, 162, 174, 28}, {73, 0x12, true, 306, 162, 44, 28},
    {74, 0x5B, false, 352, 162, 28, 28}, {75, 0x5D, false, 382, 162, 28, 28},
    {76, 0x11, true, 412, 162, 44, 28},  {77, 0x2D, false, 460, 42, 28, 28},
    {78, 0x24, false, 490, 42, 28, 28},  {79, 0x21, false, 520, 42, 28, 28},
    {80, 0x2E, false, 460, 72, 28, 28},  {81, 0x23, false, 490, 72, 28, 28},
    {82, 0x22, false, 520, 72, 28, 28},  {83, 0x26, true, 490, 132, 28, 28},
    {84, 0x25, true, 460, 162, 28, 28},  {85, 0x28, true, 490, 162, 28, 28},
    {86, 0x27, true, 520, 162, 28, 28},  {87, 0x90, true, 552, 42, 28, 28},
    {88, 0x6F, true, 582, 42, 28, 28},   {89, 0x6A, true, 612, 42, 28, 28},
    {90, 0x6D, true, 642, 42, 28, 28},   {91, 0x67, true, 552, 72, 28, 28},
    {92, 0x68, true, 582, 72, 28, 28},   {93, 0x69, true, 612, 72, 28, 28},
    {94, 0x6B, true, 642, 72, 28, 58},   {95, 0x64, true, 552, 102, 28, 28},
    {96, 0x65, true, 582, 102, 28, 28},  {97, 0x66, true, 612, 102, 28, 28},
    {98, 0x61, true, 552, 132, 28, 28},  {99, 0x62, true, 582, 132, 28, 28},
    {100, 0x63, true, 612, 132, 28, 28}, {101, 0x00, true, 642, 132, 28, 58},
    {102, 0x60, true, 552, 162, 58, 28}, {103, 0x6E, true, 612, 162, 28, 28},
};

Rect rectOf(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

} // namespace

TEST(Layout, Height201GivesTheWholeKeyTable) {
    const auto keys = layoutKeys(201);
    ASSERT_EQ(std::size(keysAt201), std::size_t(layoutKeyCount));
    for (const auto& k : keysAt201) {
        SCOPED_TRACE(k.index);
        EXPECT_EQ(keyTable[std::size_t(k.index)].code, k.code);
        EXPECT_EQ(keyTable[std::size_t(k.index)].active, k.active);
        EXPECT_EQ(keys[std::size_t(k.index)], rectOf(k.x, k.y, k.width, k.height));
    }
    EXPECT_EQ(keySizeFor(201).key, 28);
    EXPECT_EQ(keySizeFor(201).icon, 24);
}

TEST(Layout, Height350ScalesEveryRule) {
    const auto keys = layoutKeys(350);
    EXPECT_EQ(keySizeFor(350).key, 50);
    EXPECT_EQ(keySizeFor(350).icon, 40);
    EXPECT_EQ(keys[0], rectOf(20, 20, 50, 50));    // Esc
    EXPECT_EQ(keys[1].left, 140);                  // F1
    EXPECT_EQ(keys[29], rectOf(735, 85, 105, 50)); // Backspace
    EXPECT_EQ(keys[72].left, 245);                 // Space
    EXPECT_EQ(keys[72].width(), 315);
    EXPECT_EQ(keys[94], rectOf(1185, 140, 50, 105)); // numeric plus
}

TEST(Layout, OddKeyWidthRoundsHalvesToEven) {
    const auto keys = layoutKeys(203); // W = 29: 1.5 x 29 = 43.5 rounds to 44
    EXPECT_EQ(keys[30].width(), 46);   // Tab
    EXPECT_EQ(keys[43].width(), 44);   // backslash
    EXPECT_EQ(keys[43].left, 428);
    EXPECT_EQ(keys[43].right, 472); // row 3 ends one pixel right of row 2
    EXPECT_EQ(keys[29].right, 471);
    // 2.5 x 29 = 72.5 rounds to 72
    EXPECT_EQ(keys[57].width(), 2 + 72);
}

TEST(Layout, LowPicturesHaveNoGaps) {
    const auto keys = layoutKeys(69); // W = 9, gaps 0
    EXPECT_EQ(keys[0], rectOf(0, 0, 9, 9));
    EXPECT_EQ(keys[17].left, keys[16].right); // touching keys
    EXPECT_EQ(keys[30].top, keys[16].bottom);
}

TEST(Layout, KeysShareCodesButKeepTheirPlaces) {
    for (auto [a, b] : {std::pair{57, 68}, {69, 76}, {71, 73}, {70, 74}}) {
        EXPECT_EQ(keyTable[std::size_t(a)].code, keyTable[std::size_t(b)].code);
        EXPECT_NE(layoutKeys(201)[std::size_t(a)], layoutKeys(201)[std::size_t(b)]);
    }
}
