#pragma once

#include <cstdint>

// Smooth value noise in 0..1, the same for the same point and seed on every machine.
float valueNoise(float x, float y, std::uint32_t seed);
// Several octaves of value noise, each twice as fine and half as strong; 0..1.
float fractalNoise(float x, float y, std::uint32_t seed, int octaves);
