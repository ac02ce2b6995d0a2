#include "key_label.h"
#include "keyboard/layout.h"
#include "skin_size.h"
#include "styled_skins.h"

#include <algorithm>
#include <string>

namespace {

Rgba multiplied(Rgba c, Rgba by) {
    return {c.r * by.r, c.g * by.g, c.b * by.b, c.a};
}

// Textures are designed for a skin 201 pixels high.
Paint atReferenceScale(const Paint& paint, float scale) {
    return [paint, scale](float x, float y) { return paint(x * scale, y * scale); };
}

Box boxOf(const Rect& r) {
    return {float(r.left), float(r.top), float(r.right), float(r.bottom)};
}

struct KeyPainter {
    const SkinStyle& style;
    float unit; // an ordinary key's width
    Paint texture;

    void paintShadow(Raster& raster, Box key) const {
        softShadow(raster, key.moved(0, unit * 0.05f).inset(unit * 0.02f, 0), radius(), unit * 0.07f,
                   style.shadow);
    }

    void paintCap(Raster& raster, Box key) const {
        fillRoundedBox(raster, key, radius(), verticalGradient(key, style.sideTop, style.sideBottom));
        strokeRoundedBox(raster, key, radius(), 1, solid(style.outline));
        const Box top = face(key);
        const Paint faceGradient = verticalGradient(top, style.faceTop, style.faceBottom);
        fillRoundedBox(raster, top, radius() * 0.8f,
                       [&](float x, float y) { return multiplied(faceGradient(x, y), texture(x, y)); });
        const Rgba rimFaded = {style.rim.r, style.rim.g, style.rim.b, 0};
        strokeRoundedBox(raster, top, radius() * 0.8f, std::max(1.f, unit * 0.03f),
                         verticalGradient(top.inset(0, 0, 0, top.height() * 0.4f), style.rim, rimFaded));
    }

    void paintLabel(Raster& raster, Box key, int index) const {
        const float pad = std::max(0.5f, unit * 0.03f);
        const std::string label = printedLabel(index);
        drawLabel(raster, fitLabel(label, face(key).inset(pad, pad), labelScale(label)), style.label);
    }

    // Crisp 1:1 text on the smallest keys; on larger ones letters grow with the key and
    // words stay a little smaller, as keyboards print them.
    float labelScale(const std::string& label) const {
        if (unit <= 28) return 1;
        const float letters = unit / 21;
        return label.size() == 1 ? letters : std::max(1.f, letters * 0.8f);
    }

    float radius() const { return unit * style.cornerRadius; }
    Box face(Box key) const {
        return key.inset(unit * style.faceInsetSide, unit * style.faceInsetTop, unit * style.faceInsetSide,
                         unit * style.faceInsetBottom);
    }
};

void paintGround(Raster& raster, const Paint& ground) {
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            raster.set(x, y, ground(float(x) + 0.5f, float(y) + 0.5f));
}

} // namespace

Raster paintStyledSkin(const SkinStyle& style, int height) {
    const float toReference = float(pictureAreaHeight) / float(height);
    Raster raster(skinWidthFor(height), height);
    paintGround(raster, atReferenceScale(style.ground, toReference));
    const auto keys = layoutKeys(height);
    const KeyPainter painter{style, float(keySizeFor(height).key),
                             atReferenceScale(style.faceTexture, toReference)};
    for (const Rect& key : keys)
        painter.paintShadow(raster, boxOf(key));
    for (int i = 0; i < layoutKeyCount; ++i) {
        const Box key = boxOf(keys[std::size_t(i)]);
        painter.paintCap(raster, key);
        painter.paintLabel(raster, key, i);
    }
    return raster;
}
