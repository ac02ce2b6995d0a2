#include "jpeg_writer.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct Compressor {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    Compressor() {
        info.err = jpeg_std_error(&errors); // a failure ends the tool with libjpeg's message
        jpeg_create_compress(&info);
        jpeg_mem_dest(&info, &buffer, &size);
    }
    ~Compressor() {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
};

} // namespace

Bytes encodeJpeg(const Raster& raster, int quality) {
    Compressor c;
    c.info.image_width = JDIMENSION(raster.width());
    c.info.image_height = JDIMENSION(raster.height());
    c.info.input_components = 3;
    c.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, quality, TRUE);
    c.info.comp_info[0].h_samp_factor = 1;
    c.info.comp_info[0].v_samp_factor = 1;
    c.info.optimize_coding = TRUE;
    jpeg_start_compress(&c.info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(raster.width()) * 3);
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            const Rgba p = raster.at(x, y);
            row[std::size_t(x) * 3] = toByte(p.r);
            row[std::size_t(x) * 3 + 1] = toByte(p.g);
            row[std::size_t(x) * 3 + 2] = toByte(p.b);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&c.info, rows, 1);
    }
    jpeg_finish_compress(&c.info);
    return Bytes(c.buffer, c.buffer + c.size);
}
