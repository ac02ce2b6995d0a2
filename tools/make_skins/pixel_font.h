#pragma once

#include "raster.h"

#include <string_view>

// A small proportional pixel font: capitals 7 cells high, descenders 2 cells below, glyphs
// one cell apart. Drawn at any scale; at scale 1 on whole pixels it stays crisp, larger it
// is smoothed so diagonals do not look like stairs.
namespace pixel_font {

inline constexpr int capHeight = 7;
inline constexpr int descent = 2;
// Arrow glyphs, since the arrow keys read better with arrows than with words.
inline constexpr char upArrow = '\x01', downArrow = '\x02', leftArrow = '\x03', rightArrow = '\x04';

// Width of a line in font cells; throws std::invalid_argument for a character it lacks.
int lineWidth(std::string_view line);

struct Placement {
    float left = 0, top = 0; // top of the capitals
    float scaleX = 1, scaleY = 1;
};
void drawLine(Raster& raster, std::string_view line, Placement where, Rgba colour);

} // namespace pixel_font
