// Loading a 4000 x 3000 JPEG skin as the keyboard does (the whole file read, then decoded into
// the skin picture) against libjpeg decoding the same bytes alone in its own way.
#include "bench_pictures.h"
#include "keyboard/dominant_color.h"
#include "picture_files.h"
#include "platform/file_system.h"
#include "platform/image_decoder.h"
#include "ratio_report.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include <jpeglib.h>

namespace {

const std::string& skinFile() {
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "marlowin_skin_bench.jpg";
        writeFile(file.string(), makeJpeg(photoPicture(4000, 3000, 5), JpegKind::baseline, 90));
        return file.string();
    }();
    return path;
}

const std::vector<unsigned char>& skinBytes() {
    static const std::vector<unsigned char> bytes = readWholeFile(skinFile()).value();
    return bytes;
}

// The floor: libjpeg's default output, one row buffer used over and over, the file already read.
void decoderAlone(benchmark::State& state) {
    const auto& bytes = skinBytes();
    std::vector<JSAMPLE> row;
    for (auto _ : state) {
        jpeg_decompress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&info, TRUE);
        jpeg_start_decompress(&info);
        row.resize(std::size_t(info.output_width) * std::size_t(info.output_components));
        JSAMPROW rows[] = {row.data()};
        while (info.output_scanline < info.output_height)
            jpeg_read_scanlines(&info, rows, 1);
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(row.data());
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

BENCHMARK(decoderAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(readAndDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(readDecodeAndColour)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const int result = runBenchmarksWithRatios(
        argc, argv,
        {{"read file + decodeJpeg / libjpeg alone", "readAndDecode", "decoderAlone"},
         {"read file + decodeJpeg + dominantColor / libjpeg alone", "readDecodeAndColour", "decoderAlone"}});
    std::remove(skinFile().c_str());
    return result;
}
