#include "bmp_writer.h"

#include "windows_palette.h"

namespace {

constexpr std::uint32_t fileHeaderSize = 14, infoHeaderSize = 40;

std::uint32_t rowStride(int width, int bitsPerPixel) {
    return (std::uint32_t(width) * std::uint32_t(bitsPerPixel) + 31) / 32 * 4;
}

void putHeaders(Bytes& out, const Raster& raster, int bitsPerPixel, std::uint32_t paletteSize) {
    const std::uint32_t pixelOffset = fileHeaderSize + infoHeaderSize + paletteSize * 4;
    const std::uint32_t imageSize = rowStride(raster.width(), bitsPerPixel) * std::uint32_t(raster.height());
    putText(out, "BM");
    putU32(out, pixelOffset + imageSize);
    putU32(out, 0);
    putU32(out, pixelOffset);
    putU32(out, infoHeaderSize);
    putU32(out, std::uint32_t(raster.width()));
    putU32(out, std::uint32_t(raster.height())); // positive: bottom-up
    putU16(out, 1);
    putU16(out, unsigned(bitsPerPixel));
    putU32(out, 0); // uncompressed
    putU32(out, imageSize);
    putU32(out, 3780); // 96 dots per inch
    putU32(out, 3780);
    putU32(out, paletteSize);
    putU32(out, 0);
}

void padRow(Bytes& out, std::size_t rowStart, std::uint32_t stride) {
    while (out.size() - rowStart < stride)
        putU8(out, 0);
}

} // namespace

Bytes encodeBmp16Colours(const Raster& raster) {
    Bytes out;
    putHeaders(out, raster, 4, windowsPalette.size());
    for (std::uint32_t c : windowsPalette)
        putU32(out, c); // stored as blue, green, red, 0
    const std::uint32_t stride = rowStride(raster.width(), 4);
    for (int y = raster.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < raster.width(); x += 2) {
            const int high = nearestPaletteIndex(raster.at(x, y));
            const int low = x + 1 < raster.width() ? nearestPaletteIndex(raster.at(x + 1, y)) : 0;
            putU8(out, unsigned(high << 4 | low));
        }
        padRow(out, rowStart, stride);
    }
    return out;
}

Bytes encodeBmp24(const Raster& raster) {
    Bytes out;
    putHeaders(out, raster, 24, 0);
    const std::uint32_t stride = rowStride(raster.width(), 24);
    for (int y = raster.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < raster.width(); ++x) {
            const Rgba c = raster.at(x, y);
            putU8(out, toByte(c.b));
            putU8(out, toByte(c.g));
            putU8(out, toByte(c.r));
        }
        padRow(out, rowStart, stride);
    }
    return out;
}
