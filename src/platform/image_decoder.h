#pragma once

#include "platform/bitmap.h"

#include <cstddef>
#include <optional>
#include <span>

// Decoders for skin pictures. Each returns nullopt for data it cannot decode
// (damaged, truncated, unsupported, or too large to allocate); none ever exits or throws.
std::optional<Bitmap> decodeJpeg(std::span<const unsigned char> data);
std::optional<Bitmap> decodeBmp(std::span<const unsigned char> data);
