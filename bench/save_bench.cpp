// The save at exit of 104 bound keys and every setting, against writing the same bytes with one
// plain file write (with and without flushing them to the disk).
#include "app/keyboard_application.h"
#include "app_fakes.h"
#include "fake_shell.h"
#include "ratio_report.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Scratch {
    fs::path folder = fs::temp_directory_path() / ("marlowin-save-bench-" + std::to_string(::getpid()));
    Scratch() { fs::create_directories(folder); }
    ~Scratch() { fs::remove_all(folder); }
};

struct Application {
    FakeShell shell;
    FakeDialogs dialogs;
    FakeMainWindow window;
    FakeDesktop desktop;
    MemoryCanvas picture{{681, 201}};
    KeyboardApplication app;

    explicit Application(const fs::path& folder) {
        desktop.program = (folder / "Marlowin.exe").string();
        app.services = {&window, &desktop, {&shell, &dialogs, nullptr, nullptr, nullptr}};
        shell.files.insert("C:\\Program Files\\Tool\\tool.exe");
        shell.icons.insert("C:\\Program Files\\Tool\\tool.exe|0");
        app.initialise(&picture, 681, 201);
        for (int i = 0; i < app.keyboard->keyCount; ++i) {
            HotKey& key = *app.keyboard->keys[std::size_t(i)];
            key.bind("C:\\Program Files\\Tool\\tool.exe", "C:\\Program Files\\Tool\\tool.exe");
            key.arguments = "--key " + std::to_string(i);
            key.title = "Инструмент " + std::to_string(i);
        }
    }
};

void ShutdownSave(benchmark::State& state) {
    Scratch scratch;
    for (auto _ : state) {
        Application application(scratch.folder);
        const auto start = std::chrono::steady_clock::now();
        application.app.shutdownSave();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(ShutdownSave)->UseManualTime()->Unit(benchmark::kMicrosecond);

std::string savedBytes(const fs::path& folder) {
    Application(folder).app.shutdownSave();
    std::ifstream in(folder / "setting.ini", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void PlainWrite(benchmark::State& state, bool flush) {
    Scratch scratch;
    const std::string bytes = savedBytes(scratch.folder);
    const std::string path = (scratch.folder / "plain.ini").string();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) {
            state.SkipWithError("cannot write the scratch file");
            break;
        }
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        if (flush) std::fflush(file), ::fsync(::fileno(file));
        std::fclose(file);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK_CAPTURE(PlainWrite, unflushed, false)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PlainWrite, flushed, true)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarksWithRatios(
        argc, argv,
        {{"save at exit / one plain write", "ShutdownSave/manual_time", "PlainWrite/unflushed/manual_time"},
         {"save at exit / one plain write flushed to disk", "ShutdownSave/manual_time",
          "PlainWrite/flushed/manual_time"}});
}
