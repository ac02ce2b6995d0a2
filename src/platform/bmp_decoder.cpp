#include "platform/image_decoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <new>
#include <vector>

// Windows bitmap files as the system's own loader reads them. Every offset and count in the
// file is checked against the data before it is used.

namespace {

constexpr std::uint64_t maxPixels = std::uint64_t(1) << 28;

enum Compression : std::uint32_t { rgb = 0, rle8 = 1, rle4 = 2, bitfields = 3 };

class Bytes {
  public:
    explicit Bytes(std::span<const unsigned char> data) : data_(data) {}
    bool has(std::uint64_t offset, std::uint64_t count) const {
        return offset <= data_.size() && count <= data_.size() - offset;
    }
    std::size_t size() const { return data_.size(); }
    const unsigned char* at(std::size_t offset) const { return data_.data() + offset; }
    unsigned u8(std::size_t offset) const { return data_[offset]; }
    unsigned u16(std::size_t offset) const { return u8(offset) | u8(offset + 1) << 8; }
    std::uint32_t u32(std::size_t offset) const { return u16(offset) | std::uint32_t(u16(offset + 2)) << 16; }
    std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }

  private:
    std::span<const unsigned char> data_;
};

Color rgbColor(unsigned red, unsigned green, unsigned blue) {
    return Color(blue) << 16 | green << 8 | red;
}

// One colour component under a bit mask, widened to 8 bits by repeating its top bits,
// so that a full mask gives 255.
class Channel {
  public:
    static std::optional<Channel> of(std::uint32_t mask) {
        if (mask == 0) return std::nullopt;
        const int shift = std::countr_zero(mask);
        const int bits = std::popcount(mask);
        if (shift + bits < 32 && (mask >> (shift + bits)) != 0) return std::nullopt; // not contiguous
        return Channel(mask, shift, bits);
    }
    unsigned operator()(std::uint32_t pixel) const { return widened_[(pixel & mask_) >> shift_ >> drop_]; }

  private:
    Channel(std::uint32_t mask, int shift, int bits)
        : mask_(mask), shift_(shift), drop_(std::max(bits - 8, 0)) {
        const int kept = std::min(bits, 8);
        for (unsigned v = 0; v < (1u << kept); ++v) {
            unsigned wide = 0;
            for (int filled = 0; filled < 8; filled += kept) {
                const int shiftUp = 8 - kept - filled;
                wide |= shiftUp >= 0 ? v << shiftUp : v >> -shiftUp;
            }
            widened_[v] = static_cast<std::uint8_t>(wide);
        }
    }
    std::uint32_t mask_;
    int shift_;
    int drop_;
    std::array<std::uint8_t, 256> widened_{};
};

struct Header {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = rgb;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t paletteCount = 0;
    std::size_t pixelOffset = 0;
};

constexpr std::size_t fileHeaderSize = 14;
constexpr std::uint32_t coreHeaderSize = 12;

bool knownInfoHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool validDepth(const Header& h) {
    switch (h.compression) {
    case rgb:
        return h.bitsPerPixel == 1 || h.bitsPerPixel == 4 || h.bitsPerPixel == 8 || h.bitsPerPixel == 16 ||
               h.bitsPerPixel == 24 || h.bitsPerPixel == 32;
    case rle8:
        return h.bitsPerPixel == 8 && !h.topDown;
    case rle4:
        return h.bitsPerPixel == 4 && !h.topDown;
    case bitfields:
        return h.bitsPerPixel == 16 || h.bitsPerPixel == 32;
    default:
        return false;
    }
}

std::array<std::uint32_t, 3> defaultMasks(int bitsPerPixel) {
    if (bitsPerPixel == 16) return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

std::optional<Header> readCoreHeader(const Bytes& bytes) {
    if (!bytes.has(fileHeaderSize, coreHeaderSize)) return std::nullopt;
    Header h;
    h.width = int(bytes.u16(18));
    h.height = int(bytes.u16(20));
    if (bytes.u16(22) != 1) return std::nullopt;
    h.bitsPerPixel = int(bytes.u16(24));
    if (h.bitsPerPixel != 1 && h.bitsPerPixel != 4 && h.bitsPerPixel != 8 && h.bitsPerPixel != 24)
        return std::nullopt;
    h.paletteOffset = fileHeaderSize + coreHeaderSize;
    h.paletteEntrySize = 3;
    h.paletteCount = h.bitsPerPixel <= 8 ? std::size_t(1) << h.bitsPerPixel : 0;
    return h;
}

std::optional<Header> readInfoHeader(const Bytes& bytes, std::uint32_t headerSize) {
    if (!bytes.has(fileHeaderSize, headerSize)) return std::nullopt;
    Header h;
    const std::int32_t width = bytes.i32(18);
    const std::int64_t height = bytes.i32(22);
    if (width <= 0 || height == 0 || height < -std::int64_t(INT32_MAX)) return std::nullopt;
    h.width = width;
    h.height = int(height < 0 ? -height : height);
    h.topDown = height < 0;
    if (bytes.u16(26) != 1) return std::nullopt;
    h.bitsPerPixel = int(bytes.u16(28));
    h.compression = bytes.u32(30);
    if (!validDepth(h)) return std::nullopt;
    const std::uint32_t coloursUsed = bytes.u32(46);

    std::size_t afterHeader = fileHeaderSize + headerSize;
    h.masks = defaultMasks(h.bitsPerPixel);
    if (h.compression == bitfields) {
        // A plain info header has the masks after it; the later headers carry them inside.
        const std::size_t masksAt = headerSize == 40 ? afterHeader : fileHeaderSize + 40;
        if (!bytes.has(masksAt, 12)) return std::nullopt;
        for (std::size_t i = 0; i < 3; ++i)
            h.masks[i] = bytes.u32(masksAt + 4 * i);
        if (headerSize == 40) afterHeader += 12;
    }
    h.paletteOffset = afterHeader;
    if (h.bitsPerPixel <= 8) {
        const std::size_t full = std::size_t(1) << h.bitsPerPixel;
        h.paletteCount = coloursUsed == 0 ? full : std::min<std::size_t>(coloursUsed, full);
    }
    return h;
}

std::optional<Header> readHeader(const Bytes& bytes) {
    if (!bytes.has(0, fileHeaderSize + 4) || bytes.u8(0) != 'B' || bytes.u8(1) != 'M') return std::nullopt;
    const std::uint32_t headerSize = bytes.u32(fileHeaderSize);
    std::optional<Header> h;
    if (headerSize == coreHeaderSize)
        h = readCoreHeader(bytes);
    else if (knownInfoHeaderSize(headerSize))
        h = readInfoHeader(bytes, headerSize);
    if (!h || h->width <= 0 || h->height <= 0) return std::nullopt;
    if (std::uint64_t(h->width) * std::uint64_t(h->height) > maxPixels) return std::nullopt;

    const std::uint32_t offBits = bytes.u32(10);
    const std::size_t paletteEnd = h->paletteOffset + h->paletteCount * h->paletteEntrySize;
    h->pixelOffset = offBits == 0 ? paletteEnd : offBits;
    if (h->pixelOffset < fileHeaderSize + headerSize || !bytes.has(h->pixelOffset, 0)) return std::nullopt;
    return h;
}

std::optional<std::vector<Color>> readPalette(const Bytes& bytes, const Header& h) {
    if (!bytes.has(h.paletteOffset, std::uint64_t(h.paletteCount) * h.paletteEntrySize)) return std::nullopt;
    std::vector<Color> palette(h.paletteCount);
    for (std::size_t i = 0; i < h.paletteCount; ++i) {
        const std::size_t at = h.paletteOffset + i * h.paletteEntrySize;
        palette[i] = rgbColor(bytes.u8(at + 2), bytes.u8(at + 1), bytes.u8(at));
    }
    return palette;
}

std::optional<Bitmap> blankPicture(int width, int height) {
    try {
        return Bitmap(width, height);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

// Uncompressed rows, each padded to 4 bytes; the last row may lack its padding.
class RowLayout {
  public:
    explicit RowLayout(const Header& h)
        : h_(h), stride_((std::uint64_t(h.width) * std::uint64_t(h.bitsPerPixel) + 31) / 32 * 4) {}

    bool fits(const Bytes& bytes) const {
        const std::uint64_t lastRow = (std::uint64_t(h_.width) * std::uint64_t(h_.bitsPerPixel) + 7) / 8;
        return bytes.has(h_.pixelOffset, stride_ * std::uint64_t(h_.height - 1) + lastRow);
    }
    // The file row that holds picture row y.
    std::size_t offsetOf(int y) const {
        const int fileRow = h_.topDown ? y : h_.height - 1 - y;
        return h_.pixelOffset + std::size_t(stride_) * std::size_t(fileRow);
    }

  private:
    const Header& h_;
    std::uint64_t stride_;
};

bool decodeIndexedRow(const unsigned char* src, Color* out, int width, int bitsPerPixel,
                      const std::vector<Color>& palette) {
    const unsigned mask = (1u << bitsPerPixel) - 1;
    const int perByte = 8 / bitsPerPixel;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bitsPerPixel * (x % perByte + 1);
        const unsigned index = src[x / perByte] >> shift & mask;
        if (index >= palette.size()) return false;
        out[x] = palette[index];
    }
    return true;
}

void decodeMaskedRow(const unsigned char* src, Color* out, int width, int bytesPerPixel,
                     const std::array<Channel, 3>& channels) {
    for (int x = 0; x < width; ++x, src += bytesPerPixel) {
        std::uint32_t pixel = src[0] | std::uint32_t(src[1]) << 8;
        if (bytesPerPixel == 4) pixel |= std::uint32_t(src[2]) << 16 | std::uint32_t(src[3]) << 24;
        out[x] = rgbColor(channels[0](pixel), channels[1](pixel), channels[2](pixel));
    }
}

void decodeBgrRow(const unsigned char* src, Color* out, int width) {
    for (int x = 0; x < width; ++x, src += 3)
        out[x] = rgbColor(src[2], src[1], src[0]);
}

std::optional<std::array<Channel, 3>> channelsOf(const Header& h) {
    const auto red = Channel::of(h.masks[0]), green = Channel::of(h.masks[1]), blue = Channel::of(h.masks[2]);
    if (!red || !green || !blue) return std::nullopt;
    if (h.bitsPerPixel == 16 && (h.masks[0] | h.masks[1] | h.masks[2]) > 0xFFFF) return std::nullopt;
    return std::array<Channel, 3>{*red, *green, *blue};
}

std::optional<Bitmap> decodeUncompressed(const Bytes& bytes, const Header& h,
                                         const std::vector<Color>& palette) {
    const RowLayout layout(h);
    if (!layout.fits(bytes)) return std::nullopt;
    std::optional<std::array<Channel, 3>> channels;
    if (h.bitsPerPixel == 16 || h.bitsPerPixel == 32) {
        channels = channelsOf(h);
        if (!channels) return std::nullopt;
    }
    auto picture = blankPicture(h.width, h.height);
    if (!picture) return std::nullopt;
    for (int y = 0; y < h.height; ++y) {
        const unsigned char* src = bytes.at(layout.offsetOf(y));
        Color* out = picture->row(y);
        if (h.bitsPerPixel <= 8) {
            if (!decodeIndexedRow(src, out, h.width, h.bitsPerPixel, palette)) return std::nullopt;
        } else if (h.bitsPerPixel == 24) {
            decodeBgrRow(src, out, h.width);
        } else {
            decodeMaskedRow(src, out, h.width, h.bitsPerPixel / 8, *channels);
        }
    }
    return picture;
}

// Run-length encoded pictures, always stored bottom-up. Pixels the runs skip stay black.
class RleDecoder {
  public:
    RleDecoder(const Bytes& bytes, const Header& h, const std::vector<Color>& palette, Bitmap& picture)
        : bytes_(bytes), h_(h), palette_(palette), picture_(picture), at_(h.pixelOffset) {}

    bool run() {
        while (row_ < h_.height) {
            if (!bytes_.has(at_, 2)) return false;
            const unsigned count = bytes_.u8(at_), value = bytes_.u8(at_ + 1);
            at_ += 2;
            if (count > 0) {
                if (!repeat(count, value)) return false;
            } else if (value == 0) {
                nextRow();
            } else if (value == 1) {
                return true;
            } else if (value == 2) {
                if (!skip()) return false;
            } else if (!literal(value)) {
                return false;
            }
        }
        return true;
    }

  private:
    bool put(unsigned index) {
        if (index >= palette_.size()) return false;
        if (column_ < h_.width) picture_.setPixel(column_, h_.height - 1 - row_, palette_[index]);
        column_ = std::min(column_ + 1, h_.width);
        return true;
    }
    unsigned nibble(unsigned byte, unsigned i) const { return i % 2 == 0 ? byte >> 4 : byte & 0x0F; }

    bool repeat(unsigned count, unsigned value) {
        for (unsigned i = 0; i < count; ++i)
            if (!put(h_.bitsPerPixel == 8 ? value : nibble(value, i))) return false;
        return true;
    }
    bool literal(unsigned count) {
        const std::size_t size = h_.bitsPerPixel == 8 ? count : (count + 1) / 2;
        if (!bytes_.has(at_, size)) return false;
        for (unsigned i = 0; i < count; ++i) {
            const unsigned index =
                h_.bitsPerPixel == 8 ? bytes_.u8(at_ + i) : nibble(bytes_.u8(at_ + i / 2), i);
            if (!put(index)) return false;
        }
        at_ += size + size % 2;
        return true;
    }
    bool skip() {
        if (!bytes_.has(at_, 2)) return false;
        column_ = std::min(column_ + int(bytes_.u8(at_)), h_.width);
        row_ += int(bytes_.u8(at_ + 1));
        at_ += 2;
        return true;
    }
    void nextRow() {
        ++row_;
        column_ = 0;
    }

    const Bytes& bytes_;
    const Header& h_;
    const std::vector<Color>& palette_;
    Bitmap& picture_;
    std::size_t at_;
    int row_ = 0;
    int column_ = 0;
};

std::optional<Bitmap> decodeRle(const Bytes& bytes, const Header& h, const std::vector<Color>& palette) {
    auto picture = blankPicture(h.width, h.height);
    if (!picture) return std::nullopt;
    if (!RleDecoder(bytes, h, palette, *picture).run()) return std::nullopt;
    return picture;
}

} // namespace

std::optional<Bitmap> decodeBmp(std::span<const unsigned char> data) {
    const Bytes bytes(data);
    const auto header = readHeader(bytes);
    if (!header) return std::nullopt;
    const auto palette = readPalette(bytes, *header);
    if (!palette) return std::nullopt;
    if (header->compression == rle8 || header->compression == rle4)
        return decodeRle(bytes, *header, *palette);
    return decodeUncompressed(bytes, *header, *palette);
}
