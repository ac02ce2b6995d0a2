#include "classic_skin.h"

#include "key_label.h"
#include "keyboard/layout.h"
#include "skin_size.h"

namespace {

constexpr Rgba black = rgb(0x000000), grey = rgb(0x808080), lightGrey = rgb(0xC0C0C0), white = rgb(0xFFFFFF);

void fill(Raster& raster, int left, int top, int right, int bottom, Rgba c) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (raster.contains(x, y)) raster.set(x, y, c);
}

// A keycap seen slightly from above: black outline with clipped corners, the grey sides
// showing more at the bottom, and a light top face lit from the upper left.
void paintKeycap(Raster& raster, const Rect& key) {
    const int l = key.left, t = key.top, r = key.right, b = key.bottom;
    fill(raster, l + 1, t, r - 1, b, black);
    fill(raster, l, t + 1, r, b - 1, black);
    fill(raster, l + 1, t + 1, r - 1, b - 1, grey);
    const int faceL = l + 2, faceT = t + 2, faceR = r - 3, faceB = b - 5;
    fill(raster, faceL, faceT, faceR, faceB, lightGrey);
    fill(raster, faceL, faceT, faceR - 1, faceT + 1, white);
    fill(raster, faceL, faceT, faceL + 1, faceB - 1, white);
}

Box labelArea(const Rect& key) {
    return {float(key.left + 3), float(key.top + 3), float(key.right - 4), float(key.bottom - 6)};
}

} // namespace

Raster paintClassicSkin() {
    Raster raster(pictureAreaWidth, pictureAreaHeight, grey);
    const auto keys = layoutKeys(pictureAreaHeight);
    for (int i = 0; i < layoutKeyCount; ++i) {
        const Rect& key = keys[std::size_t(i)];
        paintKeycap(raster, key);
        drawLabel(raster, fitLabel(printedLabel(i), labelArea(key), 1), black);
    }
    return raster;
}
