#include "keyboard/dominant_color.h"

// Temporary until the fast version lands.
Color dominantColor(const Bitmap& picture) { return dominantColorByScan(picture); }
