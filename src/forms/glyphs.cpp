#include "forms/glyphs.h"

#include "platform/win32/alpha_bitmap.h"

#include <cmath>
#include <numbers>

using namespace glyph;

namespace {

constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t slate = 0x56677A;
constexpr std::uint32_t grey = 0x8A949C;
constexpr std::uint32_t amber = 0xE67E22;
constexpr std::uint32_t blue = 0x2E86DE;
constexpr std::uint32_t green = 0x27AE60;
constexpr std::uint32_t red = 0xE0463A;

// Tool-bar glyphs are drawn on a 32-unit grid, panel buttons and menu icons on a 16-unit one.
constexpr double large = 32, small = 16;

GlyphPainter onDisc(int width, int height, double design, std::uint32_t color) {
    GlyphPainter p(width, height, design);
    p.fill(circle(design / 2, design / 2, design * 0.43), color);
    return p;
}

Shape cross(double c, double half, double thickness) {
    return unite(stroke(c - half, c - half, c + half, c + half, thickness),
                 stroke(c + half, c - half, c - half, c + half, thickness));
}

// The almond of an eye: where two circles above and below the centre overlap.
Shape eyeLens() {
    return intersect(circle(16, 23, 11), circle(16, 9, 11));
}

GlyphPainter settings(int w, int h) {
    GlyphPainter p = onDisc(w, h, large, slate);
    p.fill(gear(16, 16, 9.6, 6.8, 8), white);
    p.fill(circle(16, 16, 3.2), slate);
    return p;
}

GlyphPainter stayShown(int w, int h) {
    GlyphPainter p = onDisc(w, h, large, grey);
    p.fill(eyeLens(), white);
    p.fill(circle(16, 16, 3.6), grey);
    return p;
}

GlyphPainter hideWhenInactive(int w, int h) {
    GlyphPainter p = onDisc(w, h, large, amber);
    // A closed eye: the lower lid with its lashes, pointing away from the lid's centre.
    const double cx = 16, cy = 9, lid = 11;
    p.fill(arc(cx, cy, lid, 2.4, 130, 230), white);
    for (const double degrees : {148.0, 180.0, 212.0}) {
        const double sx = std::sin(degrees * std::numbers::pi / 180),
                     sy = -std::cos(degrees * std::numbers::pi / 180);
        p.fill(stroke(cx + sx * (lid + 0.8), cy + sy * (lid + 0.8), cx + sx * (lid + 3.8),
                      cy + sy * (lid + 3.8), 2.0),
               white);
    }
    return p;
}

GlyphPainter about(int w, int h) {
    GlyphPainter p = onDisc(w, h, large, blue);
    p.fill(circle(16, 9.8, 2.1), white);
    p.fill(roundRect(14.2, 13.4, 17.8, 23.4, 1.2), white);
    return p;
}

GlyphPainter help(int w, int h) {
    GlyphPainter p = onDisc(w, h, large, green);
    p.fill(arc(16, 12.4, 4.6, 3.2, -100, 150), white);
    p.fill(stroke(18.3, 16.4, 16, 18.6, 3.2), white);
    p.fill(stroke(16, 18.6, 16, 19.4, 3.2), white);
    p.fill(circle(16, 23.6, 2.0), white);
    return p;
}

GlyphPainter close(int w, int h) {
    GlyphPainter p = onDisc(w, h, large, red);
    p.fill(cross(16, 5.2, 3.2), white);
    return p;
}

GlyphPainter chevron(int w, int h, bool down) {
    GlyphPainter p = onDisc(w, h, small, slate);
    const double tip = down ? 10 : 6, ends = down ? 6.6 : 9.4;
    p.fill(unite(stroke(4.9, ends, 8, tip, 1.8), stroke(8, tip, 11.1, ends, 1.8)), white);
    return p;
}

GlyphPainter closeSmall(int w, int h) {
    GlyphPainter p = onDisc(w, h, small, red);
    p.fill(cross(8, 2.7, 1.8), white);
    return p;
}

GlyphPainter toTray(int w, int h) {
    GlyphPainter p = onDisc(w, h, small, blue);
    p.fill(unite(stroke(5.4, 5.6, 8, 8.2, 1.7), stroke(8, 8.2, 10.6, 5.6, 1.7)), white);
    p.fill(stroke(5.2, 11, 10.8, 11, 1.7), white);
    return p;
}

GlyphPainter openWindow() {
    GlyphPainter p(16, 16, small);
    // A dark frame: the icon must stand out on a highlighted (blue) item as well.
    p.fill(roundRect(1.5, 2.5, 14.5, 13.5, 1.6), 0x2C3E50);
    p.fill(roundRect(2.7, 3.6, 13.3, 5.6, 0.4), 0x5DADE2);
    p.fill(roundRect(2.7, 6.6, 13.3, 12.3, 0.4), white);
    return p;
}

GlyphPainter picture() {
    GlyphPainter p(16, 16, small);
    p.fill(roundRect(1.5, 2.5, 14.5, 13.5, 1.6), 0x3A8FCF);
    p.fill(roundRect(2.8, 3.8, 13.2, 12.2, 0.5), 0xDCEEFB);
    p.fill(polygon({{2.8, 12.2}, {6.4, 7.2}, {8.8, 10.2}, {10.4, 8.6}, {13.2, 12.2}}), green);
    p.fill(circle(10.8, 6.1, 1.5), 0xF2C40F);
    return p;
}

GlyphPainter cancel() {
    GlyphPainter p(16, 16, small);
    p.fill(ring(8, 8, 5.6, 2.0), grey);
    p.fill(intersect(stroke(4, 4, 12, 12, 2.0), circle(8, 8, 5.6)), grey);
    return p;
}

GlyphPainter smallGear() {
    GlyphPainter p(16, 16, small);
    p.fill(gear(8, 8, 7.2, 5.0, 8), slate);
    p.erase(circle(8, 8, 2.2));
    return p;
}

GlyphPainter bin() {
    GlyphPainter p(16, 16, small);
    p.fill(roundRect(6, 1.6, 10, 4.2, 0.8), red);
    p.fill(stroke(2.8, 4, 13.2, 4, 1.7), red);
    p.fill(polygon({{3.9, 5.6}, {12.1, 5.6}, {11.2, 14.6}, {4.8, 14.6}}), red);
    for (const double x : {6.2, 8.0, 9.8})
        p.fill(stroke(x, 7.6, x, 12.6, 0.9), white);
    return p;
}

GlyphPainter file() {
    GlyphPainter p(16, 16, small);
    p.fill(polygon({{2.8, 1.2}, {10.2, 1.2}, {13.2, 4.2}, {13.2, 14.8}, {2.8, 14.8}}), 0x5D6D7E);
    p.fill(polygon({{4, 2.4}, {9.6, 2.4}, {12, 4.8}, {12, 13.6}, {4, 13.6}}), white);
    p.fill(polygon({{9.4, 1.2}, {13.2, 5}, {9.4, 5}}), 0x5D6D7E);
    for (const double y : {7.4, 9.6, 11.8})
        p.fill(stroke(5.6, y, 10.4, y, 1.0), blue);
    return p;
}

GlyphPainter folder() {
    GlyphPainter p(16, 16, small);
    p.fill(roundRect(1.2, 2.6, 7.4, 6.5, 1.0), 0xD89A06);
    p.fill(roundRect(1.2, 4.2, 14.8, 13.6, 1.2), 0xE9AC10);
    p.fill(roundRect(1.2, 6.4, 14.8, 13.6, 1.2), 0xFFCB3D);
    return p;
}

} // namespace

GlyphPainter paintGlyph(Glyph glyph, int width, int height) {
    switch (glyph) {
    case Glyph::settings:
        return settings(width, height);
    case Glyph::stayShown:
        return stayShown(width, height);
    case Glyph::hideWhenInactive:
        return hideWhenInactive(width, height);
    case Glyph::about:
        return about(width, height);
    case Glyph::help:
        return help(width, height);
    case Glyph::close:
        return close(width, height);
    case Glyph::hideToolBar:
        return chevron(width, height, true);
    case Glyph::showToolBar:
        return chevron(width, height, false);
    case Glyph::closeSmall:
        return closeSmall(width, height);
    case Glyph::toTray:
        return toTray(width, height);
    }
    return GlyphPainter(width, height, large);
}

GlyphPainter paintMenuIcon(int index) {
    switch (index) {
    case 0:
        return closeSmall(16, 16);
    case 1:
        return openWindow();
    case 2:
        return picture();
    case 3:
        return cancel();
    case 4:
        return smallGear();
    case 5:
        return bin();
    case 6:
        return file();
    case 7:
        return folder();
    default:
        return GlyphPainter(16, 16, small);
    }
}

namespace {

win32::UniqueBitmap toBitmap(const GlyphPainter& painted) {
    return win32::makeAlphaBitmap({painted.width(), painted.height()}, painted.premultiplied());
}

} // namespace

win32::UniqueBitmap glyphBitmap(Glyph glyph, Size size) {
    return toBitmap(paintGlyph(glyph, size.width, size.height));
}

win32::UniqueBitmap menuIconBitmap(int index) {
    return toBitmap(paintMenuIcon(index));
}
