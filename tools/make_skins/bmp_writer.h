#pragma once

#include "byte_writer.h"
#include "raster.h"

// Windows bitmap files, bottom-up as Windows writes them; alpha is ignored.
// 4 bits per pixel with the standard 16-colour palette, each pixel its nearest palette colour.
Bytes encodeBmp16Colours(const Raster& raster);
Bytes encodeBmp24(const Raster& raster);
