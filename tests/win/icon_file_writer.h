#pragma once

#include "platform/geometry.h"

#include <string>
#include <vector>

// One square image of an icon: one colour, optionally with a transparent left half.
struct IconImageSpec {
    int size = 0;
    Color color = 0;
    bool transparentLeftHalf = false;
};

// The bytes of an .ico file with 32-bit images (alpha and mask agree).
std::string iconFileBytes(const std::vector<IconImageSpec>& images);
