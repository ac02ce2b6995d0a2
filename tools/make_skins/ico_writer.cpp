#include "ico_writer.h"

#include "png_writer.h"

#include <stdexcept>

namespace {

constexpr int pngFromSize = 256;

// BITMAPINFOHEADER with the doubled height of icons, bottom-up BGRA pixels, then an all-clear
// AND mask (the alpha channel does the masking).
Bytes iconBitmap(const Raster& image) {
    const int size = image.width();
    const std::uint32_t maskStride = (std::uint32_t(size) + 31) / 32 * 4;
    Bytes out;
    putU32(out, 40);
    putU32(out, std::uint32_t(size));
    putU32(out, std::uint32_t(size) * 2);
    putU16(out, 1);
    putU16(out, 32);
    putU32(out, 0);
    putU32(out, std::uint32_t(size * size * 4) + maskStride * std::uint32_t(size));
    for (int i = 0; i < 4; ++i)
        putU32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            const Rgba p = image.at(x, y);
            for (float channel : {p.b, p.g, p.r, p.a})
                putU8(out, toByte(channel));
        }
    out.resize(out.size() + maskStride * std::uint32_t(size), 0);
    return out;
}

Bytes imageData(const Raster& image) {
    if (image.width() != image.height() || image.width() < 1 || image.width() > 256)
        throw std::invalid_argument("icon images must be square, 1 to 256 pixels");
    return image.width() >= pngFromSize ? encodePng(image) : iconBitmap(image);
}

} // namespace

Bytes encodeIco(const std::vector<Raster>& images) {
    std::vector<Bytes> data;
    for (const Raster& image : images)
        data.push_back(imageData(image));
    Bytes out;
    putU16(out, 0);
    putU16(out, 1); // icon
    putU16(out, unsigned(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const unsigned size = unsigned(images[i].width());
        putU8(out, size & 0xFF); // 256 is written as 0
        putU8(out, size & 0xFF);
        putU8(out, 0); // no palette
        putU8(out, 0);
        putU16(out, 1);
        putU16(out, 32);
        putU32(out, std::uint32_t(data[i].size()));
        putU32(out, offset);
        offset += std::uint32_t(data[i].size());
    }
    for (const Bytes& d : data)
        out.insert(out.end(), d.begin(), d.end());
    return out;
}
