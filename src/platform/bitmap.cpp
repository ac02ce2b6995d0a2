#include "platform/bitmap.h"

#include <algorithm>
#include <new>

Bitmap::Bitmap(int width, int height) {
    if (width < 0 || height < 0) throw std::bad_alloc();
    width_ = width;
    height_ = height;
    pixels_.assign(std::size_t(width) * std::size_t(height), 0);
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
