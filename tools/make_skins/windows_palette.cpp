#include "windows_palette.h"

int nearestPaletteIndex(Rgba c) {
    const int r = toByte(c.r), g = toByte(c.g), b = toByte(c.b);
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < int(windowsPalette.size()); ++i) {
        const std::uint32_t p = windowsPalette[std::size_t(i)];
        const int dr = r - int(p >> 16), dg = g - int((p >> 8) & 0xFF), db = b - int(p & 0xFF);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) best = i, bestDistance = distance;
    }
    return best;
}
