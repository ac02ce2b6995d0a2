#pragma once

#include "platform/geometry.h"
#include "platform/win32/dib_canvas.h"

// The smallest rectangle holding every pixel of a colour; all zero when there is none.
inline Rect boundsOf(const DibCanvas& canvas, Color color) {
    Rect bounds{canvas.size().width, canvas.size().height, 0, 0};
    for (int y = 0; y < canvas.size().height; ++y)
        for (int x = 0; x < canvas.size().width; ++x)
            if (canvas.pixel(x, y) == color) {
                bounds.left = std::min(bounds.left, x);
                bounds.top = std::min(bounds.top, y);
                bounds.right = std::max(bounds.right, x + 1);
                bounds.bottom = std::max(bounds.bottom, y + 1);
            }
    return bounds.right == 0 ? Rect{} : bounds;
}
