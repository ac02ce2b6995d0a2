#include "platform/image_decoder.h"

// Temporary until the decoder lands.
std::optional<Bitmap> decodeJpeg(std::span<const unsigned char>) { return std::nullopt; }
