#pragma once

#include <span>

// The skin shown when the chosen one cannot be loaded: a 16-colour Windows bitmap file of
// 681 x 201 pixels whose keys lie where the layout puts them. Generated at build time.
std::span<const unsigned char> builtInSkinBmp();
