#include "pixel_font.h"

#include "pixel_font_glyphs.h"

#include <cmath>

namespace pixel_font {

namespace {

constexpr int samplesPerAxis = 4;
// Below one half so that strokes meeting only at a corner stay joined when smoothed.
constexpr float smoothInkThreshold = 0.42f;

float inkAt(const Glyph& glyph, int column, int row) {
    return glyph.ink(column, row) ? 1.f : 0.f;
}

// The glyph's ink at a point in cell units, interpolated between cell centres.
float smoothInk(const Glyph& glyph, float u, float v) {
    const float fu = u - 0.5f, fv = v - 0.5f;
    const int c = int(std::floor(fu)), r = int(std::floor(fv));
    const float tu = fu - float(c), tv = fv - float(r);
    const float top = inkAt(glyph, c, r) * (1 - tu) + inkAt(glyph, c + 1, r) * tu;
    const float bottom = inkAt(glyph, c, r + 1) * (1 - tu) + inkAt(glyph, c + 1, r + 1) * tu;
    return top * (1 - tv) + bottom * tv;
}

bool isCrisp(const Placement& p) {
    return p.scaleX == 1 && p.scaleY == 1 && p.left == std::floor(p.left) && p.top == std::floor(p.top);
}

float smoothCoverage(const Glyph& glyph, float originX, const Placement& p, int x, int y) {
    int hits = 0;
    for (int j = 0; j < samplesPerAxis; ++j)
        for (int i = 0; i < samplesPerAxis; ++i) {
            const float sx = float(x) + (float(i) + 0.5f) / samplesPerAxis;
            const float sy = float(y) + (float(j) + 0.5f) / samplesPerAxis;
            hits +=
                smoothInk(glyph, (sx - originX) / p.scaleX, (sy - p.top) / p.scaleY) >= smoothInkThreshold;
        }
    return float(hits) / (samplesPerAxis * samplesPerAxis);
}

void drawGlyph(Raster& raster, const Glyph& glyph, float originX, const Placement& p, Rgba colour) {
    const int x0 = int(std::floor(originX)) - 1, y0 = int(std::floor(p.top)) - 1;
    const int x1 = int(std::ceil(originX + float(glyph.width()) * p.scaleX)) + 1;
    const int y1 = int(std::ceil(p.top + float(glyphRows) * p.scaleY)) + 1;
    const bool crisp = isCrisp(p);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const float coverage = crisp ? inkAt(glyph, x - int(originX), y - int(p.top))
                                         : smoothCoverage(glyph, originX, p, x, y);
            raster.blend(x, y, colour, coverage);
        }
}

} // namespace

int lineWidth(std::string_view line) {
    int width = 0;
    for (char ch : line)
        width += glyphFor(ch).width() + 1;
    return line.empty() ? 0 : width - 1;
}

void drawLine(Raster& raster, std::string_view line, Placement where, Rgba colour) {
    float x = where.left;
    for (char ch : line) {
        const Glyph& glyph = glyphFor(ch);
        drawGlyph(raster, glyph, x, where, colour);
        x += float(glyph.width() + 1) * where.scaleX;
    }
}

} // namespace pixel_font
