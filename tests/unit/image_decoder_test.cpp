#include "platform/image_decoder.h"

#include "picture_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Color rgb(unsigned r, unsigned g, unsigned b) {
    return Color(b) << 16 | g << 8 | r;
}

std::vector<Color> pixelsOf(const Bitmap& picture) {
    return {picture.pixels().begin(), picture.pixels().end()};
}

// 13 x 5: rows need padding at every depth, and 1-bit rows span two bytes.
Bitmap patterned(const std::vector<Color>& colours) {
    Bitmap picture(13, 5);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, colours[std::size_t(x * 7 + y * 3 + x * y) % colours.size()]);
    return picture;
}

std::vector<Color> manyColours(std::size_t count) {
    std::vector<Color> colours;
    for (std::size_t i = 0; i < count; ++i)
        colours.push_back(rgb(unsigned(i * 37 % 256), unsigned(i * 91 % 256), unsigned(255 - i * 13 % 256)));
    return colours;
}

// Components that survive 5 and 6 bits unchanged: 0x84 is 5-bit 16, 0x82 6-bit 32.
const std::vector<Color> colours565 = {rgb(0xFF, 0xFF, 0xFF), rgb(0x84, 0x82, 0x00), rgb(0x00, 0xFF, 0x84),
                                       rgb(0xFF, 0x00, 0x00), rgb(0x00, 0x00, 0xFF), rgb(0x84, 0x00, 0xFF)};
const std::vector<Color> colours555 = {rgb(0xFF, 0xFF, 0xFF), rgb(0x84, 0x84, 0x00), rgb(0x00, 0xFF, 0x84),
                                       rgb(0xFF, 0x00, 0x00), rgb(0x00, 0x00, 0xFF), rgb(0x84, 0x00, 0xFF)};

struct BmpCase {
    const char* name;
    BmpFormat format;
    std::vector<Color> colours;
};

const BmpCase bmpCases[] = {
    {"Bits1", {.bitsPerPixel = 1}, {rgb(10, 20, 30), rgb(250, 240, 230)}},
    {"Bits1TopDown", {.bitsPerPixel = 1, .topDown = true}, {rgb(10, 20, 30), rgb(250, 240, 230)}},
    {"Bits4", {.bitsPerPixel = 4}, manyColours(16)},
    {"Bits4TopDown", {.bitsPerPixel = 4, .topDown = true}, manyColours(11)},
    {"Bits8", {.bitsPerPixel = 8}, manyColours(65)},
    {"Bits8TopDown", {.bitsPerPixel = 8, .topDown = true}, manyColours(65)},
    {"Bits16Default555", {.bitsPerPixel = 16}, colours555},
    {"Bits16Bitfields565", {.bitsPerPixel = 16, .bitfields = true}, colours565},
    {"Bits16Bitfields565TopDown", {.bitsPerPixel = 16, .topDown = true, .bitfields = true}, colours565},
    {"Bits24", {.bitsPerPixel = 24}, manyColours(65)},
    {"Bits24TopDown", {.bitsPerPixel = 24, .topDown = true}, manyColours(65)},
    {"Bits32", {.bitsPerPixel = 32}, manyColours(65)},
    {"Bits32TopDown", {.bitsPerPixel = 32, .topDown = true}, manyColours(65)},
    {"Bits32Bitfields", {.bitsPerPixel = 32, .bitfields = true}, manyColours(65)},
    {"Rle8", {.bitsPerPixel = 8, .rle = true}, {rgb(1, 2, 3), rgb(4, 5, 6), rgb(7, 8, 9), rgb(1, 2, 3)}},
    {"Rle8ManyColours", {.bitsPerPixel = 8, .rle = true}, manyColours(200)},
    {"Rle4", {.bitsPerPixel = 4, .rle = true}, manyColours(5)},
    {"CoreHeader8", {.bitsPerPixel = 8, .header = BmpHeader::core}, manyColours(30)},
    {"CoreHeader24", {.bitsPerPixel = 24, .header = BmpHeader::core}, manyColours(30)},
    {"V5Header24", {.bitsPerPixel = 24, .header = BmpHeader::v5}, manyColours(30)},
    {"V5Header565", {.bitsPerPixel = 16, .header = BmpHeader::v5, .bitfields = true}, colours565},
};

class BmpDecoding : public testing::TestWithParam<BmpCase> {};

TEST_P(BmpDecoding, GivesEveryPixelExactly) {
    const Bitmap picture = patterned(GetParam().colours);
    const auto decoded = decodeBmp(makeBmp(picture, GetParam().format));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width(), 13);
    EXPECT_EQ(decoded->height(), 5);
    EXPECT_EQ(pixelsOf(*decoded), pixelsOf(picture));
}

INSTANTIATE_TEST_SUITE_P(Formats, BmpDecoding, testing::ValuesIn(bmpCases),
                         [](const auto& info) { return std::string(info.param.name); });

void put32(Bytes& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<unsigned char>(v >> (8 * i));
}
void put16(Bytes& bytes, std::size_t at, unsigned v) {
    bytes[at] = static_cast<unsigned char>(v);
    bytes[at + 1] = static_cast<unsigned char>(v >> 8);
}

// A bitmap file written out by hand, so that the maker's own reading of the format is not
// what the decoder is checked against.
Bytes fileOf(unsigned bits, std::uint32_t compression, std::int32_t width, std::int32_t height,
             const Bytes& palette, const Bytes& pixels) {
    Bytes file;
    file.reserve(54 + palette.size() + pixels.size());
    file.resize(54);
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 10, std::uint32_t(54 + palette.size()));
    put32(file, 14, 40);
    put32(file, 18, std::uint32_t(width));
    put32(file, 22, std::uint32_t(height));
    put16(file, 26, 1);
    put16(file, 28, bits);
    put32(file, 30, compression);
    if (bits <= 8) put32(file, 46, std::uint32_t(palette.size() / 4));
    file.insert(file.end(), palette.begin(), palette.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

TEST(BmpDecoderTest, FirstRowOfABottomUpFileIsTheBottomOfThePicture) {
    // 2 x 2, 24 bits: bytes are blue, green, red; each row padded to 8 bytes.
    const Bytes pixels = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0, 0, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0, 0};
    const auto decoded = decodeBmp(fileOf(24, 0, 2, 2, {}, pixels));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(pixelsOf(*decoded), (std::vector<Color>{0x111213, 0x141516, 0x010203, 0x040506}));
}

TEST(BmpDecoderTest, SixteenBitsDefaultTo555AndWidenFully) {
    // 0x7FFF white, 0x7C00 red, 0x0200 half green (5-bit 16 gives 0x84).
    const Bytes pixels = {0xFF, 0x7F, 0x00, 0x7C, 0x00, 0x02, 0, 0};
    const auto decoded = decodeBmp(fileOf(16, 0, 3, 1, {}, pixels));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(pixelsOf(*decoded), (std::vector<Color>{0xFFFFFF, 0x0000FF, 0x008400}));
}

TEST(BmpDecoderTest, Rle8RunsLiteralsAndSkips) {
    const Bytes palette = {0, 0, 0xFF, 0, /**/ 0, 0xFF, 0, 0, /**/ 0xFF, 0, 0, 0}; // red, green, blue
    const Bytes runs = {
        3, 0,             // bottom row: three red
        0, 0,             // end of row
        0, 3, 1, 2, 1, 0, // literal green, blue, green, padded to a word
        1, 2,             // one blue: the fifth pixel clips to the width
        0, 0,             // end of row
        0, 2, 1, 0,       // skip one right: the top row's first pixel stays black
        2, 1,             // two green
        0, 1,             // end of picture
    };
    const auto decoded = decodeBmp(fileOf(8, 1, 3, 3, palette, runs));
    ASSERT_TRUE(decoded);
    const Color red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000;
    EXPECT_EQ(pixelsOf(*decoded), (std::vector<Color>{0, green, green, green, blue, green, red, red, red}));
}

TEST(BmpDecoderTest, HonoursTheOffsetOfThePixels) {
    const Bitmap picture = patterned(manyColours(40));
    Bytes file = makeBmp(picture, 8, false);
    const std::size_t offset = file[10] | file[11] << 8;
    file.insert(file.begin() + std::ptrdiff_t(offset), 6, 0xEE);
    put32(file, 10, std::uint32_t(offset + 6));
    const auto decoded = decodeBmp(file);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(pixelsOf(*decoded), pixelsOf(picture));
}

struct DamagedBmp {
    const char* name;
    std::function<void(Bytes&)> damage;
};

// Each damages a valid 8-bit 13 x 5 file with a palette of 40 colours.
const DamagedBmp damagedBmps[] = {
    {"Truncated", [](Bytes& f) { f.resize(f.size() - 20); }},
    {"OnlyTheHeaders", [](Bytes& f) { f.resize(54); }},
    {"Empty", [](Bytes& f) { f.clear(); }},
    {"WrongMagic", [](Bytes& f) { f[1] = 'X'; }},
    {"UnknownHeaderSize", [](Bytes& f) { put32(f, 14, 20); }},
    {"HeaderSizeBeyondData", [](Bytes& f) { put32(f, 14, 124), f.resize(100); }},
    {"ZeroWidth", [](Bytes& f) { put32(f, 18, 0); }},
    {"NegativeWidth", [](Bytes& f) { put32(f, 18, std::uint32_t(-13)); }},
    {"ZeroHeight", [](Bytes& f) { put32(f, 22, 0); }},
    {"LowestHeight", [](Bytes& f) { put32(f, 22, 0x80000000u); }},
    {"EnormousSize", [](Bytes& f) { put32(f, 18, 100000), put32(f, 22, 100000); }},
    {"WideBeyondData", [](Bytes& f) { put32(f, 18, 20000); }},
    {"TwoPlanes", [](Bytes& f) { put16(f, 26, 2); }},
    {"UnknownDepth", [](Bytes& f) { put16(f, 28, 7); }},
    {"EmbeddedJpeg", [](Bytes& f) { put32(f, 30, 4); }},
    {"RleAtWrongDepth", [](Bytes& f) { put32(f, 30, 2); }},
    {"IndexBeyondPalette", [](Bytes& f) { put32(f, 46, 3); }},
    {"PixelsBeyondTheEnd", [](Bytes& f) { put32(f, 10, std::uint32_t(f.size() + 1)); }},
    {"PixelsInsideTheHeader", [](Bytes& f) { put32(f, 10, 20); }},
};

class DamagedBmpDecoding : public testing::TestWithParam<DamagedBmp> {};

TEST_P(DamagedBmpDecoding, IsRefused) {
    Bytes file = makeBmp(patterned(manyColours(40)), 8, false);
    GetParam().damage(file);
    EXPECT_FALSE(decodeBmp(file));
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedBmpDecoding, testing::ValuesIn(damagedBmps),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BmpDecoderTest, RefusesBrokenRunsAndMasks) {
    const Bytes palette = {0, 0, 0xFF, 0};
    EXPECT_FALSE(decodeBmp(fileOf(8, 1, 3, 3, palette, {3, 0, 0, 0, 2}))); // ends inside the runs
    EXPECT_FALSE(decodeBmp(fileOf(8, 1, 3, 3, palette, {3, 1, 0, 1})));    // index beyond the palette
    EXPECT_FALSE(decodeBmp(fileOf(8, 1, 3, 3, palette, {0, 5, 0, 0})));    // literal beyond the data
    EXPECT_FALSE(decodeBmp(fileOf(8, 1, 3, -3, palette, {3, 0, 0, 1})));   // top-down runs
    const Bytes noncontiguous = {0x0F, 0xF0, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    EXPECT_FALSE(decodeBmp(fileOf(16, 3, 1, 1, noncontiguous, {0, 0, 0, 0})));
}

// JPEG ---------------------------------------------------------------------------------------

// Smooth enough for JPEG to keep each pixel close; 33 x 17 leaves partial blocks at both edges.
Bitmap smoothPicture(bool grey) {
    Bitmap picture(33, 17);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const unsigned v = unsigned(40 + x * 5 + y * 2);
            picture.setPixel(x, y, grey ? rgb(v, v, v) : rgb(v, unsigned(220 - y * 6), unsigned(90 + x * 2)));
        }
    return picture;
}

int largestDifference(const Bitmap& a, const Bitmap& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.pixels().size(); ++i)
        for (int shift = 0; shift < 32; shift += 8)
            largest = std::max(
                largest, std::abs(int(a.pixels()[i] >> shift & 0xFF) - int(b.pixels()[i] >> shift & 0xFF)));
    return largest;
}

struct JpegCase {
    const char* name;
    JpegKind kind;
};

const JpegCase jpegCases[] = {
    {"Baseline", JpegKind::baseline},
    {"Progressive", JpegKind::progressive},
    {"Greyscale", JpegKind::greyscale},
    {"InvertedCmyk", JpegKind::cmyk},
};

class JpegDecoding : public testing::TestWithParam<JpegCase> {};

TEST_P(JpegDecoding, GivesThePictureWithinTolerance) {
    const Bitmap picture = smoothPicture(GetParam().kind == JpegKind::greyscale);
    const auto decoded = decodeJpeg(makeJpeg(picture, GetParam().kind, 95));
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->width(), 33);
    ASSERT_EQ(decoded->height(), 17);
    // The top byte is compared as well: it must be zero.
    EXPECT_LE(largestDifference(*decoded, picture), 8);
}

INSTANTIATE_TEST_SUITE_P(Kinds, JpegDecoding, testing::ValuesIn(jpegCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::size_t frameHeaderAt(const Bytes& jpeg) {
    for (std::size_t i = 0; i + 9 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) return i;
    ADD_FAILURE() << "no frame header";
    return 0;
}

struct DamagedJpeg {
    const char* name;
    JpegKind kind;
    std::function<void(Bytes&)> damage;
};

const DamagedJpeg damagedJpegs[] = {
    {"Truncated", JpegKind::baseline, [](Bytes& j) { j.resize(j.size() * 3 / 5); }},
    {"TruncatedProgressive", JpegKind::progressive, [](Bytes& j) { j.resize(j.size() * 3 / 5); }},
    {"HeadersOnly", JpegKind::baseline, [](Bytes& j) { j.resize(frameHeaderAt(j) + 19); }},
    {"Empty", JpegKind::baseline, [](Bytes& j) { j.clear(); }},
    {"NotAJpeg", JpegKind::baseline, [](Bytes& j) { j = makeBmp(Bitmap(4, 4), 24, false); }},
    {"NoStartOfImage", JpegKind::baseline, [](Bytes& j) { j[1] = 0; }},
    {"LosslessFrame", JpegKind::baseline, [](Bytes& j) { j[frameHeaderAt(j) + 1] = 0xC3; }},
    {"TwelveBits", JpegKind::baseline, [](Bytes& j) { j[frameHeaderAt(j) + 4] = 12; }},
    {"EnormousSize", JpegKind::baseline,
     [](Bytes& j) { std::fill_n(j.begin() + std::ptrdiff_t(frameHeaderAt(j)) + 5, 4, 0xFD); }},
    {"ZeroWidth", JpegKind::baseline,
     [](Bytes& j) { std::fill_n(j.begin() + std::ptrdiff_t(frameHeaderAt(j)) + 7, 2, 0); }},
};

class DamagedJpegDecoding : public testing::TestWithParam<DamagedJpeg> {};

TEST_P(DamagedJpegDecoding, IsRefused) {
    Bytes jpeg = makeJpeg(smoothPicture(false), GetParam().kind, 90);
    GetParam().damage(jpeg);
    EXPECT_FALSE(decodeJpeg(jpeg));
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedJpegDecoding, testing::ValuesIn(damagedJpegs),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
