#include "computer_icon.h"

#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace {

// The drawing is designed on a 256-unit square. Small sizes put edges on whole pixels and
// get thicker lines, so the bezel and the stand stay sharp and visible.
struct IconGeometry {
    float k; // pixels per unit
    float minLine;
    bool snap;

    float u(float units) const { return units * k; }
    float edge(float units) const { return snap ? std::round(u(units)) : u(units); }
    float length(float pixels) const { return snap ? std::max(1.f, std::round(pixels)) : pixels; }
    Box box(float l, float t, float r, float b) const { return {edge(l), edge(t), edge(r), edge(b)}; }
};

void paintShadow(Raster& icon, const IconGeometry& g) {
    const float cx = g.u(128), cy = g.u(236), rx = g.u(96), ry = g.u(12);
    fillShape(
        icon, {cx - rx, cy - ry, cx + rx, cy + ry},
        [=](float x, float y) {
            const float dx = (x - cx) / rx, dy = (y - cy) / ry;
            return dx * dx + dy * dy <= 1;
        },
        [=](float x, float y) {
            const float dx = (x - cx) / rx, dy = (y - cy) / ry;
            return rgb(0x000000, 0.28f * std::max(0.f, 1 - (dx * dx + dy * dy)));
        });
}

void paintStand(Raster& icon, const IconGeometry& g) {
    const float neckTop = g.edge(184), neckBottom = g.edge(214);
    const float topHalf = g.u(20), bottomHalf = g.u(34), cx = g.u(128);
    const Box neck{cx - bottomHalf, neckTop, cx + bottomHalf, neckBottom};
    fillShape(
        icon, neck,
        [=](float x, float y) {
            const float t = (y - neckTop) / (neckBottom - neckTop);
            return y >= neckTop && y <= neckBottom &&
                   std::abs(x - cx) <= topHalf + (bottomHalf - topHalf) * t;
        },
        verticalGradient(neck, rgb(0x7D8794), rgb(0xAEB7C2)));
    const Box base = g.box(58, 208, 198, 232);
    fillRoundedBox(icon, base, g.u(10), verticalGradient(base, rgb(0xD5DBE2), rgb(0x8C96A3)));
    strokeRoundedBox(icon, base, g.u(10), std::max(g.u(3), g.minLine * 0.6f), solid(rgb(0x4E5763, 0.8f)));
}

void paintMonitor(Raster& icon, const IconGeometry& g) {
    const Box bezel = g.box(12, 24, 244, 192);
    const float bezelRadius = g.u(20);
    fillRoundedBox(icon, bezel, bezelRadius, verticalGradient(bezel, rgb(0x4A5361), rgb(0x1F242C)));
    strokeRoundedBox(icon, bezel, bezelRadius, std::max(g.u(4), g.minLine * 0.7f),
                     solid(rgb(0x0E1116, 0.9f)));

    const float frame = g.length(std::max(g.u(16), g.minLine * 1.4f));
    const Box screen = bezel.inset(frame, frame, frame, g.length(std::max(g.u(34), g.minLine * 2.4f)));
    fillRoundedBox(icon, screen, g.u(6), verticalGradient(screen, rgb(0x5DB4F5), rgb(0x1651B3)));
    // Light falling on the glass from the upper left.
    fillShape(
        icon, screen,
        [=](float x, float y) {
            return x > screen.left && x < screen.right && y > screen.top && y < screen.bottom &&
                   (x - screen.left) + 1.6f * (y - screen.top) < screen.width() * 0.62f;
        },
        verticalGradient(screen, rgb(0xFFFFFF, 0.32f), rgb(0xFFFFFF, 0.04f)));
    strokeRoundedBox(icon, screen, g.u(6), std::max(g.u(2.5f), 0.6f), solid(rgb(0x0B2A5E, 0.7f)));

    if (g.k * 256 <= 16) return; // no room for the power light
    const float ledR = std::max(g.u(5), 0.6f);
    const float ledX = bezel.right - frame - ledR, ledY = (screen.bottom + bezel.bottom) / 2;
    fillRoundedBox(icon, {ledX - ledR, ledY - ledR, ledX + ledR, ledY + ledR}, ledR, solid(rgb(0x5CF07A)));
}

} // namespace

Raster paintComputerIcon(int size) {
    Raster icon(size, size);
    const IconGeometry g{float(size) / 256, size <= 16 ? 1.f : size <= 32 ? 1.2f : 1.5f, size <= 48};
    if (size > 16) paintShadow(icon, g);
    paintStand(icon, g);
    paintMonitor(icon, g);
    return icon;
}
