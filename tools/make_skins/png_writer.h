#pragma once

#include "byte_writer.h"
#include "raster.h"

// 8-bit RGBA PNG. The image data goes in stored (uncompressed) deflate blocks: no zlib needed,
// and the only user, a 256-pixel icon image, stays a few hundred kilobytes.
Bytes encodePng(const Raster& raster);
