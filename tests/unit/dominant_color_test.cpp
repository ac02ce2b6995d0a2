#include "keyboard/dominant_color.h"

#include "picture_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace {

Color rgb(int r, int g, int b) {
    return Color(b) << 16 | Color(g) << 8 | Color(r);
}

// Fills the picture column by column, top to bottom: the order in which clusters open.
Bitmap inScanOrder(int width, int height, const std::vector<Color>& colours) {
    Bitmap picture(width, height);
    for (std::size_t i = 0; i < colours.size(); ++i)
        picture.setPixel(int(i) / height, int(i) % height, colours[i]);
    return picture;
}

TEST(DominantColorTest, OneClusterGivesItsLastPixelInScanOrder) {
    // Within 4 of the first pixel everywhere; the scan ends at the bottom of the last column.
    const Bitmap picture =
        pictureOf({{rgb(100, 100, 100), rgb(102, 97, 104)}, {rgb(96, 104, 100), rgb(101, 100, 99)}});
    EXPECT_EQ(dominantColor(picture), rgb(101, 100, 99));
}

TEST(DominantColorTest, BlackNeverCounts) {
    Bitmap picture(40, 30);
    picture.setPixel(3, 4, 0xFFFFFF);
    picture.setPixel(30, 20, 0xFFFFFF);
    EXPECT_EQ(dominantColor(picture), 0xFFFFFFu);
    EXPECT_EQ(dominantColor(Bitmap(40, 30)), 0u);
    EXPECT_EQ(dominantColor(Bitmap()), 0u);
}

TEST(DominantColorTest, PixelJoinsTheFirstClusterWithinReachNotTheClosest) {
    const Color a = rgb(100, 100, 100), b = rgb(105, 100, 100), between = rgb(104, 100, 100);
    // b is out of a's reach and opens its own cluster; `between` is 1 from b but joins a,
    // so the last b does not lead.
    const Bitmap picture = inScanOrder(1, 7, {a, b, b, between, between, b, 0});
    EXPECT_EQ(dominantColor(picture), between);
    EXPECT_EQ(dominantColorByScan(picture), between);
}

TEST(DominantColorTest, TieGoesToTheClusterThatReachedTheCountFirst) {
    const Color a = rgb(10, 200, 10), b = rgb(200, 10, 10);
    EXPECT_EQ(dominantColor(inScanOrder(2, 2, {a, b, a, b})), a);
    EXPECT_EQ(dominantColor(inScanOrder(2, 2, {a, b, b, a})), b);
}

// Colours 9 apart never share a cluster.
std::vector<Color> farApartColours(std::size_t count) {
    std::vector<Color> colours;
    for (int b = 0; b < 256 && colours.size() < count; b += 9)
        for (int g = 0; g < 256 && colours.size() < count; g += 9)
            for (int r = 9; r < 256 && colours.size() < count; r += 9)
                colours.push_back(rgb(r, g, b));
    return colours;
}

TEST(DominantColorTest, ColourAfterAFullTableIsNotCounted) {
    auto colours = farApartColours(6001);
    const Color late = colours.back();
    colours.insert(colours.end(), 5, late); // the most frequent colour, but it finds no room
    colours.push_back(colours[7]);          // the only cluster that reaches two
    const Bitmap picture = inScanOrder(int(colours.size()), 1, colours);
    EXPECT_EQ(dominantColor(picture), colours[7]);
}

// Pictures for comparing the fast result with the plain scan.
struct PictureCase {
    const char* name;
    std::function<Bitmap(std::mt19937&)> make;
};

Bitmap noise(std::mt19937& random, int width, int height, int lowest, int highest, int step, double black) {
    std::uniform_int_distribution<int> component(lowest / step, highest / step);
    std::bernoulli_distribution isBlack(black);
    Bitmap picture(width, height);
    for (Color& c : picture.pixels())
        c = isBlack(random)
                ? 0
                : rgb(component(random) * step, component(random) * step, component(random) * step);
    return picture;
}

Bitmap gradient(int width, int height, int dx, int dy) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int v = (x * dx + y * dy) % 256;
            picture.setPixel(x, y, rgb(v, 255 - v, (v * 3) % 256));
        }
    return picture;
}

// Far-apart colours in random order, each repeated a random number of times: the table fills
// and the counts are close, so ties and the full table both matter.
Bitmap shuffledPalette(std::mt19937& random, std::size_t colours, int width, int height) {
    const auto palette = farApartColours(colours);
    std::uniform_int_distribution<std::size_t> pick(0, palette.size() - 1);
    Bitmap picture(width, height);
    for (Color& c : picture.pixels())
        c = palette[pick(random)];
    return picture;
}

// Two colours, each alone on one side, whose counts tie: the tie-break decides.
Bitmap tiedHalves(std::mt19937& random) {
    Bitmap picture(31, 20);
    std::uniform_int_distribution<int> cut(0, 31 * 20);
    const int boundary = cut(random) / 2 * 2;
    for (int i = 0; i < 31 * 20; ++i)
        picture.setPixel(i % 31, i / 31, i < boundary ? rgb(50, 60, 70) : (i % 2 ? rgb(200, 60, 70) : 0));
    return picture;
}

// The most frequent colour only in the first columns, fewer of each other colour to its right:
// its last pixel lies far from the right edge.
Bitmap leaderOnTheLeft(std::mt19937& random) {
    Bitmap picture = shuffledPalette(random, 3000, 90, 30);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 30; ++y)
            picture.setPixel(x, y, rgb(3, 250, 3));
    return picture;
}

// Taller than any strip of columns the scan reads at once.
Bitmap tallerThanAStrip(std::mt19937& random) {
    return shuffledPalette(random, 12, 2, 2'200'000);
}

const PictureCase pictureCases[] = {
    {"FullRangeNoise", [](std::mt19937& r) { return noise(r, 120, 90, 0, 255, 1, 0.0); }},
    {"NoiseWithBlack", [](std::mt19937& r) { return noise(r, 97, 61, 0, 255, 1, 0.3); }},
    {"NearBlackAmongBlack", [](std::mt19937& r) { return noise(r, 60, 50, 0, 9, 1, 0.4); }},
    {"NearColours", [](std::mt19937& r) { return noise(r, 80, 70, 90, 130, 1, 0.05); }},
    {"NearColoursInSteps", [](std::mt19937& r) { return noise(r, 64, 64, 60, 110, 3, 0.0); }},
    {"EdgesOfTheCube", [](std::mt19937& r) { return noise(r, 50, 40, 0, 255, 85, 0.1); }},
    {"FewColours", [](std::mt19937& r) { return noise(r, 33, 17, 0, 255, 128, 0.2); }},
    {"HorizontalGradient", [](std::mt19937&) { return gradient(300, 20, 1, 0); }},
    {"DiagonalGradient", [](std::mt19937&) { return gradient(90, 70, 3, 2); }},
    {"FullTable", [](std::mt19937& r) { return shuffledPalette(r, 20000, 150, 100); }},
    {"NearlyFullTable", [](std::mt19937& r) { return shuffledPalette(r, 6000, 160, 100); }},
    {"TiedCounts", [](std::mt19937& r) { return shuffledPalette(r, 40, 20, 20); }},
    {"TiedHalves", tiedHalves},
    {"LeaderOnTheLeft", leaderOnTheLeft},
    {"TallerThanAStrip", tallerThanAStrip},
    {"OneColumn", [](std::mt19937& r) { return noise(r, 1, 500, 100, 120, 1, 0.1); }},
    {"OneRow", [](std::mt19937& r) { return noise(r, 500, 1, 100, 120, 1, 0.1); }},
};

class DominantColorMatchesScan : public testing::TestWithParam<PictureCase> {};

TEST_P(DominantColorMatchesScan, OnSeveralSeeds) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        const Bitmap picture = GetParam().make(random);
        EXPECT_EQ(dominantColor(picture), dominantColorByScan(picture)) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, DominantColorMatchesScan, testing::ValuesIn(pictureCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
