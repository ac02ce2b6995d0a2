#include "platform/image_decoder.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <new>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

// JPEG pictures through libjpeg, from memory. libjpeg reports errors by calling back, and would
// end the process: here its errors jump back to one frame that holds nothing with a destructor.

namespace {

static_assert(std::endian::native == std::endian::little, "RGBX bytes are read as 0x00BBGGRR");

constexpr std::uint64_t maxPixels = std::uint64_t(1) << 28;
constexpr int rowsPerRead = 4;

struct JumpingErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

struct Decoding {
    jpeg_decompress_struct info;
    JumpingErrors errors;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->jump, 1);
}

// Warnings pass, but at the end of the data libjpeg would paint the rest grey: a damaged skin
// must fail instead.
void failAtEndOfData(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) jumpBack(info);
}

void silent(j_common_ptr) {}

bool isInk(J_COLOR_SPACE space) {
    return space == JCS_CMYK || space == JCS_YCCK;
}

bool allocate(std::optional<Bitmap>& picture, JDIMENSION width, JDIMENSION height) noexcept {
    try {
        picture.emplace(int(width), int(height), Bitmap::Uninitialized());
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool allocate(std::vector<JSAMPLE>& row, JDIMENSION width) noexcept {
    try {
        row.resize(std::size_t(width) * 4);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void clearFourthBytes(Color* row, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x)
        row[x] &= 0x00FFFFFF;
}

unsigned scaled(unsigned a, unsigned b) {
    return (a * b + 127) / 255;
}

// Without a colour profile: light is what the inks leave. Adobe's files store the inks inverted.
void inkToRgb(const JSAMPLE* ink, Color* row, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, ink += 4) {
        const auto light = [&](unsigned i) {
            return inverted ? scaled(ink[i], ink[3]) : scaled(255 - ink[i], 255 - ink[3]);
        };
        row[x] = Color(light(2)) << 16 | light(1) << 8 | light(0);
    }
}

void readRgbRows(jpeg_decompress_struct& info, Bitmap& picture) {
    while (info.output_scanline < info.output_height) {
        const int first = int(info.output_scanline);
        const int count = std::min(rowsPerRead, int(info.output_height) - first);
        JSAMPROW rows[rowsPerRead];
        for (int i = 0; i < count; ++i)
            rows[i] = reinterpret_cast<JSAMPROW>(picture.row(first + i));
        const JDIMENSION read = jpeg_read_scanlines(&info, rows, JDIMENSION(count));
        for (JDIMENSION i = 0; i < read; ++i)
            clearFourthBytes(picture.row(first + int(i)), info.output_width);
    }
}

void readInkRows(jpeg_decompress_struct& info, Bitmap& picture, std::vector<JSAMPLE>& ink) {
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW row = ink.data();
        if (jpeg_read_scanlines(&info, &row, 1) == 1)
            inkToRgb(ink.data(), picture.row(y), info.output_width, info.saw_Adobe_marker);
    }
}

// libjpeg's errors land at the setjmp here; what survives the jump is owned by the caller.
bool decodeInto(Decoding& d, std::span<const unsigned char> data, std::optional<Bitmap>& picture,
                std::vector<JSAMPLE>& ink) {
    if (setjmp(d.errors.jump)) return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.info, TRUE);
    if (std::uint64_t(d.info.image_width) * d.info.image_height > maxPixels) return false;
    const bool inks = isInk(d.info.jpeg_color_space);
    d.info.out_color_space = inks ? JCS_CMYK : JCS_EXT_RGBX;
    jpeg_start_decompress(&d.info);
    if (!allocate(picture, d.info.output_width, d.info.output_height)) return false;
    if (inks) {
        if (!allocate(ink, d.info.output_width)) return false;
        readInkRows(d.info, *picture, ink);
    } else {
        readRgbRows(d.info, *picture);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

std::optional<Bitmap> decodeJpeg(std::span<const unsigned char> data) {
    // libjpeg takes the size as an unsigned long, 32 bits on Windows.
    if (data.empty() || data.size() > std::numeric_limits<unsigned long>::max()) return std::nullopt;
    Decoding d{};
    d.info.err = jpeg_std_error(&d.errors.manager);
    d.errors.manager.error_exit = jumpBack;
    d.errors.manager.emit_message = failAtEndOfData;
    d.errors.manager.output_message = silent;
    std::optional<Bitmap> picture;
    std::vector<JSAMPLE> ink;
    const bool decoded = decodeInto(d, data, picture, ink);
    jpeg_destroy_decompress(&d.info);
    if (!decoded) return std::nullopt;
    return picture;
}
