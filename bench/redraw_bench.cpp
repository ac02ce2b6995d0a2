// Redraw of the whole keyboard with every key bound and showing its icon, on the portable
// memory canvas, against the floor of copying the same number of pixels once.
#include "fake_shell.h"
#include "keyboard/clavant.h"
#include "platform/memory_canvas.h"
#include "ratio_report.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

struct BoundKeyboard {
    FakeShell shell;
    MemoryCanvas canvas{{681, 201}};
    Clavant keyboard;

    BoundKeyboard() {
        canvas.logCalls = false;
        keyboard.services.shell = &shell;
        keyboard.programDir = "D:\\";
        keyboard.init(false, &canvas, 681, 201, "");
        shell.icons.insert("C:\\p.exe|0");
        for (int i = 0; i < keyboard.keyCount; ++i) {
            keyboard.keys[std::size_t(i)]->target = "C:\\p.exe";
            keyboard.keys[std::size_t(i)]->setIcon("C:\\p.exe");
            keyboard.keys[std::size_t(i)]->title = "Программа " + std::to_string(i);
        }
    }
};

void RedrawAllKeysBound(benchmark::State& state) {
    BoundKeyboard bound;
    for (auto _ : state) {
        bound.keyboard.redraw();
        benchmark::DoNotOptimize(bound.canvas.picture.pixels().data());
    }
}
BENCHMARK(RedrawAllKeysBound)->Unit(benchmark::kMicrosecond);

// The mouse moving from one key group to another: one composition with a raised key and its title.
void HoverChangingGroup(benchmark::State& state) {
    BoundKeyboard bound;
    const HotKey& a = *bound.keyboard.keys[45];
    const HotKey& q = *bound.keyboard.keys[31];
    bool onA = false;
    for (auto _ : state) {
        const HotKey& to = (onA = !onA) ? a : q;
        bound.keyboard.dispatchEvent(0, to.x + 2, to.y + 2, std::uint8_t(EventKind::Hover));
        benchmark::DoNotOptimize(bound.canvas.picture.pixels().data());
    }
}
BENCHMARK(HoverChangingGroup)->Unit(benchmark::kMicrosecond);

// The floor: one copy of a 681 x 201 picture.
void CopyPictureOnce(benchmark::State& state) {
    const Bitmap source(681, 201);
    Bitmap target(681, 201);
    for (auto _ : state) {
        std::copy(source.pixels().begin(), source.pixels().end(), target.pixels().begin());
        benchmark::DoNotOptimize(target.pixels().data());
    }
}
BENCHMARK(CopyPictureOnce)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarksWithRatios(
        argc, argv,
        {{"redraw / one picture copy", "RedrawAllKeysBound", "CopyPictureOnce"},
         {"hover to another group / one picture copy", "HoverChangingGroup", "CopyPictureOnce"}});
}
