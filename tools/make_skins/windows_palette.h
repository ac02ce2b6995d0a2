#pragma once

#include "raster.h"

#include <array>
#include <cstdint>

// The standard 16 colours of Windows, in their palette order, as 0xRRGGBB.
inline constexpr std::array<std::uint32_t, 16> windowsPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// Index of the palette colour closest to c (alpha ignored).
int nearestPaletteIndex(Rgba c);
