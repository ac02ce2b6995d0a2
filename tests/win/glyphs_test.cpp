#include "forms/glyphs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct Census {
    int transparent = 0, partial = 0, opaque = 0;
    std::string fault;
};

// Counts the kinds of pixel and notes the first that is not validly premultiplied.
Census censusOf(const GlyphPainter& painted) {
    Census c;
    for (const std::uint32_t p : painted.premultiplied()) {
        const std::uint32_t a = p >> 24;
        if ((p >> 16 & 0xFF) > a || (p >> 8 & 0xFF) > a || (p & 0xFF) > a)
            c.fault = "a colour above its alpha: " + std::to_string(p);
        (a == 0 ? c.transparent : a == 255 ? c.opaque : c.partial)++;
    }
    return c;
}

void expectSoftPicture(const GlyphPainter& painted, const std::string& name) {
    const Census c = censusOf(painted);
    EXPECT_EQ(c.fault, "") << name;
    EXPECT_GT(c.opaque, 0) << name;
    EXPECT_GT(c.transparent, 0) << name << ": nothing of the background would show";
    EXPECT_GT(c.partial, 0) << name << ": edges without anti-aliasing";
}

TEST(Glyphs, EveryPictureHasSoftEdgesAndValidPremultipliedPixels) {
    const struct {
        Glyph glyph;
        int width, height;
    } buttons[] = {
        {Glyph::settings, 33, 33},    {Glyph::stayShown, 32, 32},   {Glyph::hideWhenInactive, 32, 32},
        {Glyph::about, 32, 32},       {Glyph::help, 30, 29},        {Glyph::close, 32, 32},
        {Glyph::hideToolBar, 16, 16}, {Glyph::showToolBar, 16, 16}, {Glyph::closeSmall, 16, 16},
        {Glyph::toTray, 16, 16}};
    for (const auto& b : buttons) {
        const GlyphPainter painted = paintGlyph(b.glyph, b.width, b.height);
        EXPECT_EQ(painted.premultiplied().size(), std::size_t(b.width * b.height));
        expectSoftPicture(painted, "glyph " + std::to_string(int(b.glyph)));
    }
    for (int i = 0; i < menuIconCount; ++i)
        expectSoftPicture(paintMenuIcon(i), "menu icon " + std::to_string(i));
}

} // namespace
