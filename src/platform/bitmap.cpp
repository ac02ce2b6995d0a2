#include "platform/bitmap.h"

#include <algorithm>
#include <new>
#include <utility>

Bitmap::Bitmap(int width, int height) : Bitmap(width, height, Uninitialized()) {
    std::fill_n(pixels_.get(), count(), Color(0));
}

Bitmap::Bitmap(int width, int height, Uninitialized) {
    if (width < 0 || height < 0) throw std::bad_alloc();
    width_ = width;
    height_ = height;
    pixels_ = std::make_unique_for_overwrite<Color[]>(count());
}

Bitmap::Bitmap(const Bitmap& other) : Bitmap(other.width_, other.height_, Uninitialized()) {
    std::copy_n(other.pixels_.get(), count(), pixels_.get());
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) *this = Bitmap(other);
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)), height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    return *this;
}

Bitmap Bitmap::copyRect(int x, int y, int width, int height) const {
    Bitmap out(width, height);
    const int left = std::max(x, 0), right = std::min(x + width, width_);
    const int top = std::max(y, 0), bottom = std::min(y + height, height_);
    if (left >= right) return out;
    for (int sy = top; sy < bottom; ++sy)
        std::copy(row(sy) + left, row(sy) + right, out.row(sy - y) + (left - x));
    return out;
}
