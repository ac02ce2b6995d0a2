#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace {

struct PixelSpan {
    int left, top, right, bottom;
};

PixelSpan pixelsTouching(const Raster& raster, Box box, float margin) {
    return {std::max(0, int(std::floor(box.left - margin))), std::max(0, int(std::floor(box.top - margin))),
            std::min(raster.width(), int(std::ceil(box.right + margin))),
            std::min(raster.height(), int(std::ceil(box.bottom + margin)))};
}

float smoothstep(float edge0, float edge1, float v) {
    const float t = std::clamp((v - edge0) / (edge1 - edge0), 0.f, 1.f);
    return t * t * (3 - 2 * t);
}

template <class CoverageAt>
void paintSpan(Raster& raster, PixelSpan span, const Paint& paint, CoverageAt coverageAt) {
    for (int y = span.top; y < span.bottom; ++y)
        for (int x = span.left; x < span.right; ++x) {
            const float coverage = coverageAt(float(x) + 0.5f, float(y) + 0.5f);
            if (coverage > 0) raster.blend(x, y, paint(float(x) + 0.5f, float(y) + 0.5f), coverage);
        }
}

} // namespace

Paint verticalGradient(Box box, Rgba top, Rgba bottom) {
    return
        [=](float, float y) { return mix(top, bottom, std::clamp((y - box.top) / box.height(), 0.f, 1.f)); };
}

float roundedBoxDistance(Box box, float radius, float x, float y) {
    const float cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    const float qx = std::abs(x - cx) - (box.width() / 2 - radius);
    const float qy = std::abs(y - cy) - (box.height() / 2 - radius);
    const float outside = std::hypot(std::max(qx, 0.f), std::max(qy, 0.f));
    return outside + std::min(std::max(qx, qy), 0.f) - radius;
}

void fillRoundedBox(Raster& raster, Box box, float radius, const Paint& paint) {
    paintSpan(raster, pixelsTouching(raster, box, 1), paint, [&](float x, float y) {
        return std::clamp(0.5f - roundedBoxDistance(box, radius, x, y), 0.f, 1.f);
    });
}

void strokeRoundedBox(Raster& raster, Box box, float radius, float width, const Paint& paint) {
    paintSpan(raster, pixelsTouching(raster, box, 1), paint, [&](float x, float y) {
        const float d = roundedBoxDistance(box, radius, x, y);
        return std::clamp(0.5f - d, 0.f, 1.f) * std::clamp(0.5f + d + width, 0.f, 1.f);
    });
}

void softShadow(Raster& raster, Box box, float radius, float blur, Rgba colour) {
    paintSpan(raster, pixelsTouching(raster, box, blur + 1), solid(colour), [&](float x, float y) {
        return 1 - smoothstep(-blur, blur, roundedBoxDistance(box, radius, x, y));
    });
}

void fillShape(Raster& raster, Box bounds, const std::function<bool(float x, float y)>& inside,
               const Paint& paint, int samples) {
    const float step = 1.f / float(samples);
    paintSpan(raster, pixelsTouching(raster, bounds, 1), paint, [&](float cx, float cy) {
        int hits = 0;
        for (int j = 0; j < samples; ++j)
            for (int i = 0; i < samples; ++i)
                hits += inside(cx - 0.5f + (float(i) + 0.5f) * step, cy - 0.5f + (float(j) + 0.5f) * step);
        return float(hits) / float(samples * samples);
    });
}
