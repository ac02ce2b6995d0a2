#pragma once

#include <cstdint>

// Flat-sawn grain running along x: 0 at the light early wood, 1 at the dark late wood of each
// ring, with fine fibres; `ringSpacing` in pixels.
float woodGrain(float x, float y, std::uint32_t seed, float ringSpacing);
