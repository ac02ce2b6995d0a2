#include "keyboard/layout.h"

#include <gtest/gtest.h>

TEST(Layout, Placeholder) { EXPECT_EQ(keyTable[103].code, 0x6E); }
