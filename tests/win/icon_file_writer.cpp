#include "icon_file_writer.h"

#include <cstdint>

namespace {

void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(char(value >> (8 * i) & 0xFF));
}

std::string imageBytes(const IconImageSpec& spec) {
    const int n = spec.size;
    const int maskRow = (n + 31) / 32 * 4;
    std::string out;
    // BITMAPINFOHEADER: the height counts image and mask.
    put(out, 40, 4);
    put(out, std::uint32_t(n), 4);
    put(out, std::uint32_t(2 * n), 4);
    put(out, 1, 2);
    put(out, 32, 2);
    put(out, 0, 4);
    put(out, std::uint32_t(n * n * 4 + maskRow * n), 4);
    put(out, 0, 4);
    put(out, 0, 4);
    put(out, 0, 4);
    put(out, 0, 4);
    const auto transparent = [&](int x) { return spec.transparentLeftHalf && x < n / 2; };
    const std::uint32_t r = spec.color & 0xFF, g = spec.color >> 8 & 0xFF, b = spec.color >> 16 & 0xFF;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            out.push_back(char(b));
            out.push_back(char(g));
            out.push_back(char(r));
            out.push_back(transparent(x) ? char(0) : char(0xFF));
        }
    for (int y = 0; y < n; ++y)
        for (int byte = 0; byte < maskRow; ++byte) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (const int x = byte * 8 + bit; x < n && transparent(x)) bits |= 0x80u >> bit;
            out.push_back(char(bits));
        }
    return out;
}

} // namespace

std::string iconFileBytes(const std::vector<IconImageSpec>& images) {
    std::string header, data;
    put(header, 0, 2);
    put(header, 1, 2);
    put(header, std::uint32_t(images.size()), 2);
    const std::size_t dataStart = 6 + 16 * images.size();
    for (const IconImageSpec& spec : images) {
        const std::string image = imageBytes(spec);
        header.push_back(char(spec.size >= 256 ? 0 : spec.size));
        header.push_back(char(spec.size >= 256 ? 0 : spec.size));
        put(header, 0, 2);
        put(header, 1, 2);
        put(header, 32, 2);
        put(header, std::uint32_t(image.size()), 4);
        put(header, std::uint32_t(dataStart + data.size()), 4);
        data += image;
    }
    return header + data;
}
