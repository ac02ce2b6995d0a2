#include "wood_grain.h"

#include "noise.h"

#include <algorithm>
#include <cmath>

namespace {

float smoothstep(float edge0, float edge1, float v) {
    const float t = std::clamp((v - edge0) / (edge1 - edge0), 0.f, 1.f);
    return t * t * (3 - 2 * t);
}

} // namespace

float woodGrain(float x, float y, std::uint32_t seed, float ringSpacing) {
    const float warp = (fractalNoise(x * 0.0035f, y * 0.02f, seed, 4) - 0.5f) * 5 * ringSpacing;
    const float wobble = fractalNoise(x * 0.012f, y * 0.05f, seed + 7, 2) * 0.35f;
    const float t = (y + warp) / ringSpacing + wobble;
    const float ring = t - std::floor(t);
    // Late wood darkens slowly through the ring and ends quickly at the next one.
    const float lateWood = smoothstep(0.45f, 0.9f, ring) * (1 - smoothstep(0.93f, 1.f, ring));
    const float fibres = valueNoise(x * 0.16f, y * 2.1f, seed + 13) - 0.5f;
    const float patches = fractalNoise(x * 0.008f, y * 0.03f, seed + 21, 3) - 0.5f;
    return std::clamp(0.2f + 0.6f * lateWood + 0.22f * fibres + 0.45f * patches, 0.f, 1.f);
}
