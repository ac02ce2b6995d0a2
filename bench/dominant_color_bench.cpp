// The dominant colour of a 4000 x 3000 picture: the fast version against the plain scan and
// against the floor of one pass that only sums the pixels.
#include "bench_pictures.h"
#include "keyboard/dominant_color.h"
#include "ratio_report.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int width = 4000, height = 3000;
// The plain scan would take minutes on the whole picture. Its scan order is column by column,
// so the first columns are exactly the start of its work on the whole picture; on noise the
// cluster table is full within the first few columns, from when on every pixel costs the same.
constexpr int scannedColumns = 100;

const Bitmap& noise() {
    static const Bitmap picture = noisePicture(width, height, 7);
    return picture;
}

const Bitmap& photo() {
    static const Bitmap picture = photoPicture(width, height, 11);
    return picture;
}

const Bitmap& firstColumnsOfNoise() {
    static const Bitmap picture = noise().copyRect(0, 0, scannedColumns, height);
    return picture;
}

void pixelSum(benchmark::State& state, const Bitmap& (*picture)()) {
    const Bitmap& p = picture();
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (const Color c : p.pixels())
            sum += c;
        benchmark::DoNotOptimize(sum);
    }
}

void fast(benchmark::State& state, const Bitmap& (*picture)()) {
    const Bitmap& p = picture();
    for (auto _ : state)
        benchmark::DoNotOptimize(dominantColor(p));
}

void plainScan(benchmark::State& state, const Bitmap& (*picture)()) {
    const Bitmap& p = picture();
    for (auto _ : state)
        benchmark::DoNotOptimize(dominantColorByScan(p));
}

BENCHMARK_CAPTURE(pixelSum, noise, noise)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fast, noise, noise)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plainScan, noiseFirstColumns, firstColumnsOfNoise)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(pixelSum, photo, photo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fast, photo, photo)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarksWithRatios(
        argc, argv,
        {{"noise: fast / pixel sum", "fast/noise", "pixelSum/noise"},
         {"noise: plain scan (first 100 columns x 40) / fast", "plainScan/noiseFirstColumns/iterations:1",
          "fast/noise", double(width) / scannedColumns},
         {"photo: fast / pixel sum", "fast/photo", "pixelSum/photo"}});
}
