#include "picture_files.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include <jpeglib.h>

namespace {

class ByteWriter {
  public:
    void u8(unsigned v) { bytes.push_back(static_cast<unsigned char>(v)); }
    void u16(unsigned v) {
        u8(v & 0xFF);
        u8(v >> 8 & 0xFF);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void padTo(std::size_t multiple) {
        while (bytes.size() % multiple)
            u8(0);
    }
    std::vector<unsigned char> bytes;
};

unsigned red(Color c) {
    return c & 0xFF;
}
unsigned green(Color c) {
    return c >> 8 & 0xFF;
}
unsigned blue(Color c) {
    return c >> 16 & 0xFF;
}

std::vector<Color> paletteOf(const Bitmap& picture, int bitsPerPixel) {
    std::vector<Color> palette;
    for (const Color c : picture.pixels())
        if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
    if (palette.size() > (std::size_t(1) << bitsPerPixel))
        throw std::invalid_argument("more colours than the palette holds");
    return palette;
}

std::vector<unsigned> indexesOf(const Color* row, int width, const std::vector<Color>& palette) {
    std::vector<unsigned> indexes(width);
    for (int x = 0; x < width; ++x)
        indexes[x] = unsigned(std::find(palette.begin(), palette.end(), row[x]) - palette.begin());
    return indexes;
}

void writePackedIndexes(ByteWriter& out, const std::vector<unsigned>& indexes, int bitsPerPixel) {
    const int perByte = 8 / bitsPerPixel;
    for (std::size_t i = 0; i < indexes.size(); i += perByte) {
        unsigned byte = 0;
        for (int k = 0; k < perByte; ++k) {
            const unsigned index = i + k < indexes.size() ? indexes[i + k] : 0;
            byte |= index << (8 - bitsPerPixel * (k + 1));
        }
        out.u8(byte);
    }
}

void writeDirectRow(ByteWriter& out, const Color* row, int width, const BmpFormat& format) {
    for (int x = 0; x < width; ++x) {
        const Color c = row[x];
        switch (format.bitsPerPixel) {
        case 16:
            if (format.bitfields)
                out.u16((red(c) >> 3) << 11 | (green(c) >> 2) << 5 | blue(c) >> 3);
            else
                out.u16((red(c) >> 3) << 10 | (green(c) >> 3) << 5 | blue(c) >> 3);
            break;
        case 24:
            out.u8(blue(c));
            out.u8(green(c));
            out.u8(red(c));
            break;
        case 32:
            out.u8(blue(c));
            out.u8(green(c));
            out.u8(red(c));
            out.u8(format.bitfields ? 0x80 : 0xFF); // the fourth byte must not matter
            break;
        }
    }
}

unsigned rleValue(unsigned index, int bitsPerPixel) {
    return bitsPerPixel == 4 ? index << 4 | index : index;
}

void writeRleRow(ByteWriter& out, const std::vector<unsigned>& indexes, int bitsPerPixel) {
    const std::size_t n = indexes.size();
    std::size_t i = 0;
    while (i < n) {
        std::size_t run = 1;
        while (i + run < n && run < 255 && indexes[i + run] == indexes[i])
            ++run;
        std::size_t literal = 1;
        while (i + literal < n && literal < 255 &&
               !(i + literal + 1 < n && indexes[i + literal] == indexes[i + literal + 1]))
            ++literal;
        if (run >= 2 || literal < 3) {
            out.u8(unsigned(run));
            out.u8(rleValue(indexes[i], bitsPerPixel));
            i += run;
            continue;
        }
        out.u8(0);
        out.u8(unsigned(literal));
        const std::size_t start = out.bytes.size();
        writePackedIndexes(out, {indexes.begin() + i, indexes.begin() + i + literal}, bitsPerPixel);
        if ((out.bytes.size() - start) % 2) out.u8(0);
        i += literal;
    }
    out.u8(0);
    out.u8(0);
}

void checkFormat(const BmpFormat& f) {
    const int b = f.bitsPerPixel;
    const bool known = b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32;
    const bool coreOk = f.header != BmpHeader::core || ((b <= 8 || b == 24) && !f.topDown && !f.rle);
    const bool rleOk = !f.rle || ((b == 4 || b == 8) && !f.topDown);
    const bool bitfieldsOk = !f.bitfields || b == 16 || b == 32;
    if (!known || !coreOk || !rleOk || !bitfieldsOk) throw std::invalid_argument("no such BMP format");
}

std::uint32_t compressionOf(const BmpFormat& f) {
    if (f.rle) return f.bitsPerPixel == 8 ? 1 : 2;
    return f.bitfields ? 3 : 0;
}

std::vector<std::uint32_t> masksOf(const BmpFormat& f) {
    if (f.bitsPerPixel == 16) return {0xF800, 0x07E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

void writeInfoHeader(ByteWriter& out, const Bitmap& picture, const BmpFormat& f, std::uint32_t imageSize,
                     std::uint32_t colours) {
    const bool v5 = f.header == BmpHeader::v5;
    out.u32(v5 ? 124 : 40);
    out.u32(std::uint32_t(picture.width()));
    out.u32(std::uint32_t(f.topDown ? -picture.height() : picture.height()));
    out.u16(1);
    out.u16(unsigned(f.bitsPerPixel));
    out.u32(compressionOf(f));
    out.u32(imageSize);
    out.u32(2835); // 72 dpi
    out.u32(2835);
    out.u32(colours);
    out.u32(0);
    if (!v5) {
        if (f.bitfields)
            for (const auto mask : masksOf(f))
                out.u32(mask);
        return;
    }
    for (const auto mask : f.bitfields ? masksOf(f) : std::vector<std::uint32_t>{0, 0, 0})
        out.u32(mask);
    out.u32(0);          // alpha mask
    out.u32(0x73524742); // sRGB
    for (int i = 0; i < 9 + 3; ++i)
        out.u32(0); // endpoints and gamma
    out.u32(4);     // intent
    out.u32(0);     // profile data and size
    out.u32(0);
    out.u32(0);
}

} // namespace

std::vector<unsigned char> makeBmp(const Bitmap& picture, const BmpFormat& format) {
    checkFormat(format);
    const int width = picture.width(), height = picture.height();
    const bool indexed = format.bitsPerPixel <= 8;
    const auto palette = indexed ? paletteOf(picture, format.bitsPerPixel) : std::vector<Color>{};

    ByteWriter pixels;
    for (int i = 0; i < height; ++i) {
        const Color* row = picture.row(format.topDown ? i : height - 1 - i);
        if (format.rle) {
            writeRleRow(pixels, indexesOf(row, width, palette), format.bitsPerPixel);
            continue;
        }
        if (indexed)
            writePackedIndexes(pixels, indexesOf(row, width, palette), format.bitsPerPixel);
        else
            writeDirectRow(pixels, row, width, format);
        pixels.padTo(4);
    }
    if (format.rle) {
        pixels.u8(0);
        pixels.u8(1);
    }

    ByteWriter header;
    if (format.header == BmpHeader::core) {
        header.u32(12);
        header.u16(unsigned(width));
        header.u16(unsigned(height));
        header.u16(1);
        header.u16(unsigned(format.bitsPerPixel));
    } else {
        writeInfoHeader(header, picture, format, std::uint32_t(pixels.bytes.size()),
                        std::uint32_t(palette.size()));
    }
    const std::size_t paletteEntries =
        format.header == BmpHeader::core && indexed ? std::size_t(1) << format.bitsPerPixel : palette.size();
    for (std::size_t i = 0; i < paletteEntries; ++i) {
        const Color c = i < palette.size() ? palette[i] : 0;
        header.u8(blue(c));
        header.u8(green(c));
        header.u8(red(c));
        if (format.header != BmpHeader::core) header.u8(0);
    }

    ByteWriter file;
    const std::size_t offBits = 14 + header.bytes.size();
    file.u8('B');
    file.u8('M');
    file.u32(std::uint32_t(offBits + pixels.bytes.size()));
    file.u32(0);
    file.u32(std::uint32_t(offBits));
    file.bytes.insert(file.bytes.end(), header.bytes.begin(), header.bytes.end());
    file.bytes.insert(file.bytes.end(), pixels.bytes.begin(), pixels.bytes.end());
    return file.bytes;
}

std::vector<unsigned char> makeBmp(const Bitmap& picture, int bitsPerPixel, bool topDown) {
    return makeBmp(picture, BmpFormat{.bitsPerPixel = bitsPerPixel, .topDown = topDown});
}

namespace {

// Inverted CMYK as Adobe writes it: 255 means no ink.
std::vector<JSAMPLE> invertedCmykRow(const Color* row, int width) {
    std::vector<JSAMPLE> out;
    out.reserve(std::size_t(width) * 4);
    for (int x = 0; x < width; ++x) {
        const unsigned r = red(row[x]), g = green(row[x]), b = blue(row[x]);
        const unsigned light = std::max({r, g, b});
        const auto ink = [light](unsigned v) { return JSAMPLE(light ? (v * 255 + light / 2) / light : 0); };
        out.insert(out.end(), {ink(r), ink(g), ink(b), JSAMPLE(light)});
    }
    return out;
}

} // namespace

std::vector<unsigned char> makeJpeg(const Bitmap& picture, JpegKind kind, int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = JDIMENSION(picture.width());
    cinfo.image_height = JDIMENSION(picture.height());
    cinfo.input_components = 4;
    cinfo.in_color_space = kind == JpegKind::cmyk ? JCS_CMYK : JCS_EXT_RGBX;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (kind == JpegKind::greyscale) jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    if (kind == JpegKind::cmyk) jpeg_set_colorspace(&cinfo, JCS_YCCK);
    if (kind == JpegKind::progressive) jpeg_simple_progression(&cinfo);

    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> cmyk;
    while (cinfo.next_scanline < cinfo.image_height) {
        const Color* row = picture.row(int(cinfo.next_scanline));
        JSAMPROW samples;
        if (kind == JpegKind::cmyk) {
            cmyk = invertedCmykRow(row, picture.width());
            samples = cmyk.data();
        } else {
            // libjpeg only reads the row.
            samples = reinterpret_cast<JSAMPROW>(const_cast<Color*>(row));
        }
        jpeg_write_scanlines(&cinfo, &samples, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

void writeFile(const std::string& path, std::span<const unsigned char> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    if (!file) throw std::runtime_error("cannot write " + path);
}

Bitmap pictureOf(const std::vector<std::vector<Color>>& rows) {
    Bitmap picture(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < picture.height(); ++y)
        std::copy(rows[y].begin(), rows[y].end(), picture.row(y));
    return picture;
}
