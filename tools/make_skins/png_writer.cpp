#include "png_writer.h"

#include <algorithm>
#include <array>

namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i)
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const Bytes& data) {
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

void putChunk(Bytes& out, const char* type, const Bytes& data) {
    putU32BigEndian(out, std::uint32_t(data.size()));
    const std::size_t typeStart = out.size();
    putText(out, type);
    out.insert(out.end(), data.begin(), data.end());
    putU32BigEndian(out, crc32(out.data() + typeStart, out.size() - typeStart));
}

// Every row starts with filter type 0 (none).
Bytes scanlines(const Raster& raster) {
    Bytes rows;
    for (int y = 0; y < raster.height(); ++y) {
        putU8(rows, 0);
        for (int x = 0; x < raster.width(); ++x) {
            const Rgba p = raster.at(x, y);
            for (float channel : {p.r, p.g, p.b, p.a})
                putU8(rows, toByte(channel));
        }
    }
    return rows;
}

Bytes zlibStored(const Bytes& data) {
    constexpr std::size_t maxBlock = 65535;
    Bytes out{0x78, 0x01};
    std::size_t done = 0;
    do {
        const std::size_t size = std::min(maxBlock, data.size() - done);
        putU8(out, done + size == data.size() ? 1 : 0); // final-block flag, block type 0 (stored)
        putU16(out, unsigned(size));
        putU16(out, unsigned(~size & 0xFFFF));
        out.insert(out.end(), data.begin() + std::ptrdiff_t(done),
                   data.begin() + std::ptrdiff_t(done + size));
        done += size;
    } while (done < data.size());
    putU32BigEndian(out, adler32(data));
    return out;
}

} // namespace

Bytes encodePng(const Raster& raster) {
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    putU32BigEndian(header, std::uint32_t(raster.width()));
    putU32BigEndian(header, std::uint32_t(raster.height()));
    for (unsigned v : {8u, 6u, 0u, 0u, 0u})
        putU8(header, v); // 8 bits, RGBA, deflate, filtered, no interlace
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", zlibStored(scanlines(raster)));
    putChunk(out, "IEND", {});
    return out;
}
