// Not a test: prints how long Marlowin.exe takes from the process start until its keyboard is
// painted, against a minimal window program measured the same way in the same run, and the
// launcher's memory once it has started. Every key is bound, all keys' icons from one file.
//   bash scripts/wine-env.sh build/windows/wine run build/windows/tests/win/bin/startup_timing.exe [runs]
// (7 runs by default; build the target startup_timing first).
// "Painted" is the first moment the window is visible and its 681 x 201 picture shows what it
// settles on (99.5 % of the pixels), learnt from one warm-up run of each program.
#include "bounded_wait.h"
#include "child_process.h"
#include "marlowin_program.h"
#include "process_memory.h"
#include "scratch_program_folder.h"
#include "top_level_windows.h"
#include "window_capture.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace e2e;

namespace {

using Clock = std::chrono::steady_clock;

struct Subject {
    std::string name;
    std::filesystem::path program;
    std::filesystem::path workDir;
    WindowQuery window;
    std::vector<Color> settled;
};

struct Run {
    double visibleMs = 0;
    double paintedMs = 0;
    ProcessMemory memory;
};

std::vector<Color> pictureOf(const Capture& capture) {
    std::vector<Color> pixels;
    for (int y = 0; y < std::min(capture.height, marlowin::picture.bottom); ++y)
        for (int x = 0; x < std::min(capture.width, marlowin::picture.right); ++x)
            pixels.push_back(capture.at(x, y));
    return pixels;
}

bool showsSettledPicture(const Subject& subject, const std::vector<Color>& picture) {
    if (picture.size() != subject.settled.size()) return false;
    std::size_t same = 0;
    for (std::size_t i = 0; i < picture.size(); ++i)
        same += picture[i] == subject.settled[i];
    return same * 1000 >= picture.size() * 995;
}

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void close(const ChildProcess& process, HWND window) {
    if (closeAndWaitForExit(process, window) != 0)
        throw std::runtime_error("a program ended with a non-zero code");
}

// One run that waits for the picture to stop changing and keeps it.
void learnSettledPicture(Subject& subject) {
    const ChildProcess process(subject.program, {}, subject.workDir);
    const HWND window = waitForWindow(process, subject.window);
    std::vector<Color> last = pictureOf(captureClient(window));
    auto stableSince = Clock::now();
    const bool settled = waitUntil(
        20s,
        [&] {
            std::vector<Color> now = pictureOf(captureClient(window));
            if (now != last) {
                last = std::move(now);
                stableSince = Clock::now();
            }
            return Clock::now() - stableSince >= 1s;
        },
        50ms);
    if (!settled) throw std::runtime_error(subject.name + ": the picture keeps changing");
    subject.settled = std::move(last);
    close(process, window);
}

Run timeOneStart(const Subject& subject) {
    const ChildProcess process(subject.program, {}, subject.workDir);
    WindowQuery query = subject.window;
    query.processId = process.id();
    Run run;
    HWND window = nullptr;
    const bool painted = waitUntil(
        20s,
        [&] {
            if (!window) {
                const auto found = topLevelWindows(query);
                if (found.empty()) return false;
                window = found.front();
                run.visibleMs = msSince(process.startedAt());
            }
            return showsSettledPicture(subject, pictureOf(captureClient(window)));
        },
        1ms);
    if (!painted) throw std::runtime_error(subject.name + ": not painted within 20 s");
    run.paintedMs = msSince(process.startedAt());
    std::this_thread::sleep_for(500ms);
    run.memory = processMemory(process.id());
    close(process, window);
    return run;
}

std::string everyKeyBound(const ScratchProgramFolder& folder) {
    const std::string target = utf8Of(folder.program());
    const std::string icon = utf8Of(folder.path() / "icons" / "computadora.ico");
    std::string text = "[Position]\r\nx=0\r\ny=0\r\n";
    for (int key = 0; key < 104; ++key)
        text += "[Key" + std::to_string(key) + "]\r\nFileExeName=" + target +
                "\r\nFileExeDefDir=" + utf8Of(folder.path()) + "\\\r\nFileImageKey=" + icon +
                "\r\nArgument=\r\nTitle=Key " + std::to_string(key) + "\r\n";
    return text;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::filesystem::path besideThisProgram(const wchar_t* name) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    return std::filesystem::path(path).parent_path() / name;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    try {
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        const ScratchProgramFolder folder;
        folder.writeSettings(everyKeyBound(folder));

        Subject minimal{"minimal window", besideThisProgram(L"minimal_window.exe"), folder.path(), {}, {}};
        minimal.window.title = "Minimal";
        minimal.window.visibleOnly = true;
        Subject launcher{"Marlowin.exe", folder.program(), folder.path(), {}, {}};
        launcher.window.title = marlowin::mainTitle;
        launcher.window.className = marlowin::mainClass;
        launcher.window.visibleOnly = true;

        learnSettledPicture(minimal);
        learnSettledPicture(launcher);

        std::vector<double> ratios, minimalMs, launcherMs;
        std::vector<Run> launcherRuns, minimalRuns;
        std::printf("run  minimal: visible  painted   Marlowin: visible  painted   ratio\n");
        for (int i = 0; i < runs; ++i) {
            const Run floor = timeOneStart(minimal);
            const Run measured = timeOneStart(launcher);
            ratios.push_back(measured.paintedMs / floor.paintedMs);
            minimalMs.push_back(floor.paintedMs);
            launcherMs.push_back(measured.paintedMs);
            minimalRuns.push_back(floor);
            launcherRuns.push_back(measured);
            std::printf("%3d  %14.0f ms %5.0f ms %15.0f ms %5.0f ms  %6.2f\n", i + 1, floor.visibleMs,
                        floor.paintedMs, measured.visibleMs, measured.paintedMs, ratios.back());
        }
        std::printf("median painted: minimal %.0f ms, Marlowin %.0f ms; median ratio %.2f\n",
                    median(minimalMs), median(launcherMs), median(ratios));

        const auto medianOf = [](const std::vector<Run>& all, std::size_t ProcessMemory::*field) {
            std::vector<double> values;
            for (const Run& run : all)
                values.push_back(double(run.memory.*field) / (1024 * 1024));
            return median(values);
        };
        std::printf("memory after start-up, MiB (median)      minimal  Marlowin\n");
        std::printf("  PrivateUsage (GetProcessMemoryInfo)   %7.1f  %8.1f\n",
                    medianOf(minimalRuns, &ProcessMemory::privateUsage),
                    medianOf(launcherRuns, &ProcessMemory::privateUsage));
        std::printf("  committed private (VirtualQueryEx)    %7.1f  %8.1f\n",
                    medianOf(minimalRuns, &ProcessMemory::committedPrivate),
                    medianOf(launcherRuns, &ProcessMemory::committedPrivate));
        std::printf("  working set                           %7.1f  %8.1f\n",
                    medianOf(minimalRuns, &ProcessMemory::workingSet),
                    medianOf(launcherRuns, &ProcessMemory::workingSet));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_timing: %s\n", error.what());
        return 1;
    }
}
