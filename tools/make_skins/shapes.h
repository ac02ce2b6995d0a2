#pragma once

#include "raster.h"

#include <functional>

// A rectangle in continuous pixel coordinates: pixel (x, y) covers [x, x + 1) x [y, y + 1).
struct Box {
    float left = 0, top = 0, right = 0, bottom = 0;
    float width() const { return right - left; }
    float height() const { return bottom - top; }
    Box inset(float dx, float dy) const { return {left + dx, top + dy, right - dx, bottom - dy}; }
    Box inset(float l, float t, float r, float b) const { return {left + l, top + t, right - r, bottom - b}; }
    Box moved(float dx, float dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

using Paint = std::function<Rgba(float x, float y)>;
inline Paint solid(Rgba c) {
    return [c](float, float) { return c; };
}
// Top to bottom across the box.
Paint verticalGradient(Box box, Rgba top, Rgba bottom);

// Signed distance to the outline of a rounded box: negative inside.
float roundedBoxDistance(Box box, float radius, float x, float y);

// Anti-aliased rounded box.
void fillRoundedBox(Raster& raster, Box box, float radius, const Paint& paint);
// Only the band between the outline and `width` inside it.
void strokeRoundedBox(Raster& raster, Box box, float radius, float width, const Paint& paint);
// A blurred rounded box, opaque deep inside and fading over `blur` pixels around the outline.
void softShadow(Raster& raster, Box box, float radius, float blur, Rgba colour);

// Any shape given by a point test, anti-aliased by samples x samples points per pixel.
void fillShape(Raster& raster, Box bounds, const std::function<bool(float x, float y)>& inside,
               const Paint& paint, int samples = 4);
