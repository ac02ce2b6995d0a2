#include "noise.h"
#include "styled_skins.h"
#include "wood_grain.h"

#include <cmath>
#include <stdexcept>

namespace {

constexpr Rgba white = rgb(0xFFFFFF);

// Darker towards the picture's edges, as a board under a lamp.
float lampLight(float x, float y) {
    const float dx = (x - 340) / 420, dy = (y - 100) / 190;
    return 1.06f - 0.14f * (dx * dx + dy * dy);
}

SkinStyle wood() {
    SkinStyle s;
    s.ground = [](float x, float y) {
        const float grain = woodGrain(x, y, 11, 13);
        return scaled(mix(rgb(0x8A5A33), rgb(0x4A2A15), grain), lampLight(x, y));
    };
    s.faceTexture = [](float x, float y) {
        const float grain = woodGrain(x * 1.7f + 500, y * 1.7f, 29, 7);
        const float f = 1.04f - 0.13f * grain;
        return Rgba{f, f, f, 1};
    };
    s.faceTop = rgb(0xF1DCB4);
    s.faceBottom = rgb(0xDDBD8C);
    s.sideTop = rgb(0xC49462);
    s.sideBottom = rgb(0x8E6339);
    s.rim = rgb(0xFFF6E2, 0.85f);
    s.outline = rgb(0x2B160A, 0.7f);
    s.shadow = rgb(0x1A0C04, 0.6f);
    s.label = rgb(0x3B200E);
    return s;
}

SkinStyle graphite() {
    SkinStyle s;
    s.ground = [](float x, float y) {
        const float brushed = fractalNoise(x * 0.015f, y * 1.6f, 5, 3) - 0.5f;
        const Rgba base = mix(rgb(0x3A3D42), rgb(0x222428), std::clamp(y / 201, 0.f, 1.f));
        return scaled(base, 1 + 0.09f * brushed);
    };
    s.faceTexture = solid(white);
    s.faceTop = rgb(0x52565E);
    s.faceBottom = rgb(0x3E4147);
    s.sideTop = rgb(0x2A2C30);
    s.sideBottom = rgb(0x16171A);
    s.rim = rgb(0x9AA1AB, 0.75f);
    s.outline = rgb(0x08090A, 0.85f);
    s.shadow = rgb(0x000000, 0.65f);
    s.label = rgb(0xEDF0F4);
    s.cornerRadius = 0.12f;
    return s;
}

SkinStyle snow() {
    SkinStyle s;
    s.ground = [](float x, float y) {
        const float grain = fractalNoise(x * 0.05f, y * 0.05f, 17, 3) - 0.5f;
        const Rgba base = mix(rgb(0xF0F3F7), rgb(0xD9E0E8), std::clamp(y / 201, 0.f, 1.f));
        return scaled(base, 1 + 0.025f * grain);
    };
    s.faceTexture = solid(white);
    s.faceTop = rgb(0xFFFFFF);
    s.faceBottom = rgb(0xF0F3F7);
    s.sideTop = rgb(0xDCE2E9);
    s.sideBottom = rgb(0xB9C2CE);
    s.rim = rgb(0xFFFFFF, 0.9f);
    s.outline = rgb(0x8794A5, 0.65f);
    s.shadow = rgb(0x3C4C63, 0.3f);
    s.label = rgb(0x27405F);
    s.cornerRadius = 0.18f;
    return s;
}

} // namespace

SkinStyle skinStyleNamed(const std::string& name) {
    if (name == "wood") return wood();
    if (name == "graphite") return graphite();
    if (name == "snow") return snow();
    throw std::invalid_argument("no skin style named " + name);
}
