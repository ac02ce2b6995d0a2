#include "forms/glyph_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Samples per pixel along each axis: 64 per pixel give smooth edges at 16 pixels.
constexpr int samples = 8;

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

} // namespace

GlyphPainter::GlyphPainter(int width, int height, double design)
    : width_(width), height_(height), left_((width - design) / 2), top_((height - design) / 2),
      pixels_(std::size_t(width) * std::size_t(height)) {}

double GlyphPainter::coverage(const Shape& shape, int x, int y) const {
    int inside = 0;
    for (int sy = 0; sy < samples; ++sy)
        for (int sx = 0; sx < samples; ++sx) {
            const double px = x + (sx + 0.5) / samples, py = y + (sy + 0.5) / samples;
            inside += shape(px - left_, py - top_);
        }
    return double(inside) / (samples * samples);
}

void GlyphPainter::fill(const Shape& shape, std::uint32_t rgb, double opacity) {
    const double r = (rgb >> 16 & 0xFF) / 255.0, g = (rgb >> 8 & 0xFF) / 255.0, b = (rgb & 0xFF) / 255.0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const double a = coverage(shape, x, y) * clamp01(opacity);
            if (a == 0) continue;
            Pixel& p = pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
            p = {r * a + p.r * (1 - a), g * a + p.g * (1 - a), b * a + p.b * (1 - a), a + p.a * (1 - a)};
        }
}

void GlyphPainter::erase(const Shape& shape) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const double keep = 1 - coverage(shape, x, y);
            Pixel& p = pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
            p = {p.r * keep, p.g * keep, p.b * keep, p.a * keep};
        }
}

std::vector<std::uint32_t> GlyphPainter::premultiplied() const {
    std::vector<std::uint32_t> result;
    result.reserve(pixels_.size());
    const auto byte = [](double v) { return std::uint32_t(std::lround(clamp01(v) * 255)); };
    for (const Pixel& p : pixels_) {
        const std::uint32_t a = byte(p.a);
        // Rounded separately, a colour channel could exceed its alpha by one.
        const auto channel = [&](double v) { return std::min(byte(v), a); };
        result.push_back(a << 24 | channel(p.r) << 16 | channel(p.g) << 8 | channel(p.b));
    }
    return result;
}

namespace glyph {

Shape circle(double cx, double cy, double radius) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; };
}

Shape ring(double cx, double cy, double radius, double thickness) {
    return [=](double x, double y) { return std::abs(std::hypot(x - cx, y - cy) - radius) <= thickness / 2; };
}

Shape arc(double cx, double cy, double radius, double thickness, double fromDegrees, double toDegrees) {
    const Shape band = ring(cx, cy, radius, thickness);
    return [=](double x, double y) {
        if (!band(x, y)) return false;
        double degrees = std::atan2(x - cx, cy - y) * 180 / std::numbers::pi;
        if (degrees < fromDegrees) degrees += 360;
        return degrees <= toDegrees;
    };
}

Shape stroke(double x0, double y0, double x1, double y1, double thickness) {
    return [=](double x, double y) {
        const double dx = x1 - x0, dy = y1 - y0, length = dx * dx + dy * dy;
        const double t = length == 0 ? 0 : clamp01(((x - x0) * dx + (y - y0) * dy) / length);
        return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= thickness / 2;
    };
}

Shape roundRect(double left, double top, double right, double bottom, double radius) {
    return [=](double x, double y) {
        const double qx = std::max({left + radius - x, x - (right - radius), 0.0});
        const double qy = std::max({top + radius - y, y - (bottom - radius), 0.0});
        return x >= left && x <= right && y >= top && y <= bottom && std::hypot(qx, qy) <= radius;
    };
}

Shape polygon(Points corners) {
    return [corners = std::move(corners)](double x, double y) {
        // Even-odd rule.
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const auto [xi, yi] = corners[i];
            const auto [xj, yj] = corners[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    };
}

Shape gear(double cx, double cy, double outer, double inner, int teeth) {
    return [=](double x, double y) {
        const double r = std::hypot(x - cx, y - cy);
        if (r <= inner) return true;
        if (r > outer) return false;
        // Each tooth takes the middle of its sector, a little narrower at the tip.
        const double turn = std::atan2(y - cy, x - cx) / (2 * std::numbers::pi) * teeth;
        const double phase = std::abs(turn - std::round(turn));
        const double halfWidth = 0.29 - 0.09 * (r - inner) / (outer - inner);
        return phase <= halfWidth;
    };
}

Shape unite(Shape a, Shape b) {
    return [=](double x, double y) { return a(x, y) || b(x, y); };
}

Shape subtract(Shape a, Shape b) {
    return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

Shape intersect(Shape a, Shape b) {
    return [=](double x, double y) { return a(x, y) && b(x, y); };
}

} // namespace glyph
