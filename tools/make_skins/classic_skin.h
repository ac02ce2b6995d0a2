#pragma once

#include "raster.h"

// The built-in skin: 681 x 201, painted only in colours of the standard 16-colour palette,
// grey keys on a darker grey ground.
Raster paintClassicSkin();
