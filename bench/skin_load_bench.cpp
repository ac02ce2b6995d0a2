// Loading a 4000 x 3000 JPEG skin as the keyboard does (the whole file read, then decoded into
// the skin picture) against libjpeg decoding the same bytes alone in its own way: once into one
// row used over and over (the decoder's floor), once into a new picture of its own (what any
// decoder that hands out a picture pays for memory never touched before).
#include "bench_pictures.h"
#include "keyboard/dominant_color.h"
#include "picture_files.h"
#include "platform/file_system.h"
#include "platform/image_decoder.h"
#include "ratio_report.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int width = 4000, height = 3000;

const std::string& skinFile() {
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "marlowin_skin_bench.jpg";
        writeFile(file.string(), makeJpeg(photoPicture(width, height, 5), JpegKind::baseline, 90));
        return file.string();
    }();
    return path;
}

const std::vector<unsigned char>& skinBytes() {
    static const std::vector<unsigned char> bytes = readWholeFile(skinFile()).value();
    return bytes;
}

// libjpeg's default output, 3 bytes a pixel, from the bytes already read.
template <class RowOf> void decodeWithLibjpeg(const std::vector<unsigned char>& bytes, RowOf rowOf) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[] = {
            rowOf(info.output_scanline, std::size_t(info.output_width) * 3, info.output_height)};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

void decoderIntoOneRow(benchmark::State& state) {
    const auto& bytes = skinBytes();
    std::vector<JSAMPLE> row;
    for (auto _ : state) {
        decodeWithLibjpeg(bytes, [&](JDIMENSION, std::size_t size, JDIMENSION) {
            row.resize(size);
            return row.data();
        });
        benchmark::DoNotOptimize(row.data());
    }
}

void decoderIntoNewPicture(benchmark::State& state) {
    const auto& bytes = skinBytes();
    for (auto _ : state) {
        std::unique_ptr<JSAMPLE[]> picture;
        decodeWithLibjpeg(bytes, [&](JDIMENSION y, std::size_t size, JDIMENSION height) {
            if (!picture) picture = std::make_unique_for_overwrite<JSAMPLE[]>(size * height);
            return picture.get() + size * y;
        });
        benchmark::DoNotOptimize(picture.get());
    }
}

void readAndDecode(benchmark::State& state) {
    const std::string& file = skinFile();
    for (auto _ : state) {
        auto picture = decodeJpeg(readWholeFile(file).value());
        benchmark::DoNotOptimize(picture->pixels().data());
    }
}

void readDecodeAndColour(benchmark::State& state) {
    const std::string& file = skinFile();
    for (auto _ : state) {
        const auto picture = decodeJpeg(readWholeFile(file).value());
        benchmark::DoNotOptimize(dominantColor(*picture));
    }
}

BENCHMARK(decoderIntoOneRow)->Unit(benchmark::kMillisecond);
BENCHMARK(decoderIntoNewPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(readAndDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(readDecodeAndColour)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int result = runBenchmarksWithRatios(
        argc, argv,
        {{"read file + decodeJpeg / libjpeg into one row", "readAndDecode", "decoderIntoOneRow"},
         {"read file + decodeJpeg / libjpeg into a new picture", "readAndDecode", "decoderIntoNewPicture"},
         {"read file + decodeJpeg + dominantColor / libjpeg into one row", "readDecodeAndColour",
          "decoderIntoOneRow"}});
    std::remove(skinFile().c_str());
    return result;
}
