#pragma once

#include "raster.h"

// The default key icon: a desktop computer's monitor on its stand, on a transparent ground.
Raster paintComputerIcon(int size);
