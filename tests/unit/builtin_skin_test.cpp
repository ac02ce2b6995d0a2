#include "keyboard/builtin_skin.h"
#include "keyboard/dominant_color.h"
#include "keyboard/layout.h"
#include "platform/image_decoder.h"

#include <gtest/gtest.h>

namespace {

constexpr Color black = 0x000000, grey = 0x808080, lightGrey = 0xC0C0C0;

Bitmap decodedBuiltInSkin() {
    auto picture = decodeBmp(builtInSkinBmp());
    if (!picture) ADD_FAILURE() << "the built-in skin does not decode";
    return picture.value_or(Bitmap());
}

std::uint32_t headerField(std::size_t offset, std::size_t size) {
    const auto bytes = builtInSkinBmp();
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < size; ++i)
        v |= std::uint32_t(bytes[offset + i]) << (8 * i);
    return v;
}

// Light grey minus grey pixels inside the key: positive where the key is mostly light grey.
int lightGreyLead(const Bitmap& picture, const Rect& key) {
    int lead = 0;
    for (int y = key.top; y < key.bottom; ++y)
        for (int x = key.left; x < key.right; ++x)
            lead += (picture.pixel(x, y) == lightGrey) - (picture.pixel(x, y) == grey);
    return lead;
}

TEST(BuiltInSkin, IsASixteenColourBottomUpBitmapOfTheWindowsPicture) {
    ASSERT_GT(builtInSkinBmp().size(), 54u);
    EXPECT_EQ(headerField(28, 2), 4u);              // bits per pixel
    EXPECT_GT(std::int32_t(headerField(22, 4)), 0); // positive height: bottom-up
    const Bitmap picture = decodedBuiltInSkin();
    EXPECT_EQ(picture.width(), 681);
    EXPECT_EQ(picture.height(), 201);
}

// Every key is a light grey cap with a black outline exactly on its rectangle, on grey ground.
TEST(BuiltInSkin, KeysLieWhereTheLayoutPutsThem) {
    const Bitmap picture = decodedBuiltInSkin();
    ASSERT_EQ(picture.height(), 201);
    const auto keys = layoutKeys(201);
    for (int i = 0; i < layoutKeyCount; ++i) {
        SCOPED_TRACE(testing::Message() << "key " << i);
        const Rect& k = keys[std::size_t(i)];
        const int midX = (k.left + k.right) / 2, midY = (k.top + k.bottom) / 2;
        EXPECT_EQ(picture.pixel(k.left - 1, midY), grey);
        EXPECT_EQ(picture.pixel(k.left, midY), black);
        EXPECT_EQ(picture.pixel(k.right - 1, midY), black);
        EXPECT_EQ(picture.pixel(k.right, midY), grey);
        EXPECT_EQ(picture.pixel(midX, k.top - 1), grey);
        EXPECT_EQ(picture.pixel(midX, k.top), black);
        EXPECT_EQ(picture.pixel(midX, k.bottom - 1), black);
        EXPECT_EQ(picture.pixel(midX, k.bottom), grey);
        EXPECT_GT(lightGreyLead(picture, k), 0);
    }
}

TEST(BuiltInSkin, GreyGroundIsTheDominantColour) {
    EXPECT_EQ(dominantColor(decodedBuiltInSkin()), grey);
}

} // namespace
