#pragma once

#include <array>

namespace pixel_font {

inline constexpr int glyphRows = 9;

struct Glyph {
    char ch;
    std::array<const char*, glyphRows> rows; // missing rows are blank

    int width() const;
    bool ink(int column, int row) const;
};

// Throws std::invalid_argument for a character the font lacks.
const Glyph& glyphFor(char ch);

} // namespace pixel_font
