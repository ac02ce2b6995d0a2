#include "raster.h"

#include <algorithm>
#include <cmath>

Rgba mix(Rgba a, Rgba b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Rgba scaled(Rgba c, float factor) {
    return {std::clamp(c.r * factor, 0.f, 1.f), std::clamp(c.g * factor, 0.f, 1.f),
            std::clamp(c.b * factor, 0.f, 1.f), c.a};
}

std::uint8_t toByte(float channel) {
    return std::uint8_t(std::lround(std::clamp(channel, 0.f, 1.f) * 255));
}

Raster::Raster(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height), fill) {}

void Raster::blend(int x, int y, Rgba c, float coverage) {
    if (!contains(x, y) || coverage <= 0) return;
    Rgba& d = pixels_[index(x, y)];
    const float a = c.a * std::min(coverage, 1.f);
    const float outA = a + d.a * (1 - a);
    if (outA <= 0) return;
    auto over = [&](float s, float t) { return (s * a + t * d.a * (1 - a)) / outA; };
    d = {over(c.r, d.r), over(c.g, d.g), over(c.b, d.b), outA};
}
