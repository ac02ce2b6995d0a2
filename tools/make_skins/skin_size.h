#pragma once

// The main window's keyboard picture; a skin is never narrower, so nothing of it stays bare.
inline constexpr int pictureAreaWidth = 681;
inline constexpr int pictureAreaHeight = 201;

// Width of a skin drawn for a given height: the layout's right-most key edge plus a margin
// as wide as the left one, but at least the window's picture width.
int skinWidthFor(int height);
