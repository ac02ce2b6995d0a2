#pragma once

#include "platform/geometry.h"

#include <cstddef>
#include <memory>
#include <span>

// A picture of 32-bit pixels, each a Color (0x00BBGGRR), rows top to bottom.
// The top byte of every pixel is always zero.
class Bitmap {
  public:
    Bitmap() = default;
    // A black picture; throws std::bad_alloc for a size that cannot be had.
    Bitmap(int width, int height);
    // For a decoder that writes every pixel: the memory is not cleared first.
    struct Uninitialized {};
    Bitmap(int width, int height, Uninitialized);

    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    Color* row(int y) { return pixels_.get() + std::size_t(y) * std::size_t(width_); }
    const Color* row(int y) const { return pixels_.get() + std::size_t(y) * std::size_t(width_); }
    Color pixel(int x, int y) const { return row(y)[x]; }
    void setPixel(int x, int y, Color c) { row(y)[x] = c; }
    std::span<Color> pixels() { return {pixels_.get(), count()}; }
    std::span<const Color> pixels() const { return {pixels_.get(), count()}; }

    // The width x height rectangle of this picture at (x, y); what lies outside it is black.
    Bitmap copyRect(int x, int y, int width, int height) const;

  private:
    std::size_t count() const { return std::size_t(width_) * std::size_t(height_); }

    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<Color[]> pixels_;
};
