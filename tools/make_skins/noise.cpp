#include "noise.h"

#include <cmath>

namespace {

float latticeValue(std::int32_t ix, std::int32_t iy, std::uint32_t seed) {
    std::uint32_t h = std::uint32_t(ix) * 0x8DA6B343u ^ std::uint32_t(iy) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return float(h & 0xFFFFFF) / float(0xFFFFFF);
}

float fade(float t) {
    return t * t * (3 - 2 * t);
}

} // namespace

float valueNoise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const auto ix = std::int32_t(fx), iy = std::int32_t(fy);
    const float tx = fade(x - fx), ty = fade(y - fy);
    const float top = latticeValue(ix, iy, seed) * (1 - tx) + latticeValue(ix + 1, iy, seed) * tx;
    const float bottom = latticeValue(ix, iy + 1, seed) * (1 - tx) + latticeValue(ix + 1, iy + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

float fractalNoise(float x, float y, std::uint32_t seed, int octaves) {
    float sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, seed + std::uint32_t(i) * 101u) * weight;
        total += weight;
        x *= 2;
        y *= 2;
        weight /= 2;
    }
    return sum / total;
}
