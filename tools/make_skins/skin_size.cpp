#include "skin_size.h"

#include "keyboard/layout.h"

#include <algorithm>

int skinWidthFor(int height) {
    const auto keys = layoutKeys(height);
    int rightmost = 0;
    for (const Rect& key : keys)
        rightmost = std::max(rightmost, key.right);
    return std::max(rightmost + keys[0].left, pictureAreaWidth);
}
