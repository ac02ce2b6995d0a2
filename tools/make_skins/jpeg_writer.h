#pragma once

#include "byte_writer.h"
#include "raster.h"

// Baseline JPEG without chroma subsampling, so small key labels keep clean edges; alpha is ignored.
Bytes encodeJpeg(const Raster& raster, int quality = 92);
