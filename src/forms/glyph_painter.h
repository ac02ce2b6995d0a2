#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// Small flat pictures (button glyphs, menu icons) drawn from shapes with anti-aliased edges.
// Shapes are given on a square design grid of pixels that is centred in the picture, so a
// picture a little larger or smaller than its grid keeps its sign at the same size.
class GlyphPainter {
  public:
    // A point of the design grid belongs to the shape.
    using Shape = std::function<bool(double x, double y)>;

    GlyphPainter(int width, int height, double design);

    // Covers the shape with an opaque colour 0xRRGGBB (opacity scales it).
    void fill(const Shape& shape, std::uint32_t rgb, double opacity = 1.0);
    // Makes the shape transparent again: holes through what was drawn.
    void erase(const Shape& shape);

    int width() const { return width_; }
    int height() const { return height_; }
    // Premultiplied pixels 0xAARRGGBB, rows top to bottom: what AlphaBlend takes.
    std::vector<std::uint32_t> premultiplied() const;

  private:
    struct Pixel {
        double r = 0, g = 0, b = 0, a = 0; // premultiplied
    };
    // The share of the pixel's area that lies inside the shape.
    double coverage(const Shape& shape, int x, int y) const;

    int width_;
    int height_;
    double left_;
    double top_;
    std::vector<Pixel> pixels_;
};

// The shapes the pictures are made of, in design units.
namespace glyph {

using Shape = GlyphPainter::Shape;
using Points = std::vector<std::pair<double, double>>;

Shape circle(double cx, double cy, double radius);
Shape ring(double cx, double cy, double radius, double thickness);
// Part of a ring between two angles in degrees, clockwise from the top.
Shape arc(double cx, double cy, double radius, double thickness, double fromDegrees, double toDegrees);
// A line with round ends.
Shape stroke(double x0, double y0, double x1, double y1, double thickness);
Shape roundRect(double left, double top, double right, double bottom, double radius);
Shape polygon(Points corners);
// A toothed wheel: teeth between the two radii.
Shape gear(double cx, double cy, double outer, double inner, int teeth);
Shape unite(Shape a, Shape b);
Shape subtract(Shape a, Shape b);
Shape intersect(Shape a, Shape b);

} // namespace glyph
