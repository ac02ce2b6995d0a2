#pragma once

#include "raster.h"
#include "shapes.h"

#include <string>

// The look of a skin. Lengths are in key widths, so one style suits every skin height.
struct SkinStyle {
    // Both painted in pixels of a skin 201 high, so textures keep their grain at any height.
    Paint ground;      // the board behind the keys
    Paint faceTexture; // multiplies the key tops' gradient; white leaves it alone
    Rgba faceTop, faceBottom;
    Rgba sideTop, sideBottom;
    Rgba rim;     // light edge along the top of a key top
    Rgba outline; // thin line around each key
    Rgba shadow;  // cast onto the board
    Rgba label;
    float cornerRadius = 0.14f;
    // How far the key top lies inside the key's edges; the larger bottom shows the key's front.
    float faceInsetSide = 0.09f, faceInsetTop = 0.05f, faceInsetBottom = 0.15f;
};

// "wood", "graphite" or "snow"; throws std::invalid_argument for another name.
SkinStyle skinStyleNamed(const std::string& name);

// A skin of the given height whose keys lie where the layout puts them for that height.
Raster paintStyledSkin(const SkinStyle& style, int height);
