#pragma once

#include "platform/geometry.h"

#include <cstddef>
#include <span>
#include <vector>

// A picture of 32-bit pixels, each a Color (0x00BBGGRR), rows top to bottom.
// The top byte of every pixel is always zero.
class Bitmap {
public:
    Bitmap() = default;
    // A black picture; throws std::bad_alloc for a size that cannot be had.
    Bitmap(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    Color* row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const Color* row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    Color pixel(int x, int y) const { return row(y)[x]; }
    void setPixel(int x, int y, Color c) { row(y)[x] = c; }
    std::span<Color> pixels() { return pixels_; }
    std::span<const Color> pixels() const { return pixels_; }

    // The width x height rectangle of this picture at (x, y); what lies outside it is black.
    Bitmap copyRect(int x, int y, int width, int height) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
};
