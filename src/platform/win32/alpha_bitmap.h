#pragma once

#include "platform/geometry.h"
#include "platform/win32/unique_handle.h"

#include <cstdint>
#include <span>

namespace win32 {

// A 32-bit DIB section of premultiplied pixels 0xAARRGGBB (rows top to bottom): a picture with
// soft edges that AlphaBlend, menus and buttons draw over any background. Null on failure.
UniqueBitmap makeAlphaBitmap(Size size, std::span<const std::uint32_t> premultiplied);

// Draws such a bitmap with its alpha at (x, y).
void drawAlphaBitmap(HDC dc, HBITMAP bitmap, int x, int y);

} // namespace win32
