#pragma once

#include "platform/bitmap.h"

#include <span>
#include <string>
#include <vector>

// Picture files made in code, for tests that need BMP or JPEG bytes.

enum class BmpHeader { core, info, v5 };

struct BmpFormat {
    int bitsPerPixel = 24; // 1, 4, 8 (palette of the picture's colours), 16, 24, 32
    bool topDown = false;
    BmpHeader header = BmpHeader::info;
    // 16 bits: 565 masks instead of the default 555; 32 bits: explicit 888 masks.
    bool bitfields = false;
    // Run-length encoded, 4 or 8 bits.
    bool rle = false;
};

// Throws std::invalid_argument when the picture has more colours than the palette holds,
// or the format is one no BMP has.
std::vector<unsigned char> makeBmp(const Bitmap& picture, const BmpFormat& format);
std::vector<unsigned char> makeBmp(const Bitmap& picture, int bitsPerPixel, bool topDown);

// cmyk: Adobe-style inverted CMYK, as image editors write it.
enum class JpegKind { baseline, progressive, greyscale, cmyk };

std::vector<unsigned char> makeJpeg(const Bitmap& picture, JpegKind kind, int quality);

void writeFile(const std::string& path, std::span<const unsigned char> bytes);

// A picture from rows of colours, all rows of the same length.
Bitmap pictureOf(const std::vector<std::vector<Color>>& rows);
