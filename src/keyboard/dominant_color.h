#pragma once

#include "platform/bitmap.h"

// The most frequent colour of a picture, colours within 4 per component counted as one
// (at most 6000 such clusters, opened in scan order: column by column, top to bottom).
// Pure black is never counted; a picture with no counted pixel gives 0.
Color dominantColor(const Bitmap& picture);

// The same result by the plain scan that compares each pixel with every open cluster.
// Slow on large pictures; the reference for tests and benchmarks.
Color dominantColorByScan(const Bitmap& picture);
