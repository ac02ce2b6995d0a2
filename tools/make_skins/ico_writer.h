#pragma once

#include "byte_writer.h"
#include "raster.h"

#include <vector>

// A Windows icon file with one 32-bit image per raster (square, 1 to 256 pixels). Images of
// 256 pixels are stored as PNG, as Windows expects; smaller ones as bitmaps with alpha.
Bytes encodeIco(const std::vector<Raster>& images);
