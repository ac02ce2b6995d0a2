#pragma once

#include "platform/bitmap.h"

// Pictures the benchmarks work on.

// Every pixel an independent random colour: most pixels a colour never seen before.
Bitmap noisePicture(int width, int height, unsigned seed);

// Smooth shapes with sensor-like grain: what a photographed skin looks like.
Bitmap photoPicture(int width, int height, unsigned seed);
