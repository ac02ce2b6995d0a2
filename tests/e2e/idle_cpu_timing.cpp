// Not a test: prints the processor time Marlowin.exe uses while it sits idle, shown and active,
// for 10 s (or the seconds given), against the minimal window program measured the same way in
// the same run; and, to show the scale, what each used to start.
//   bash scripts/wine-env.sh build/windows/wine run build/windows/tests/win/bin/idle_cpu_timing.exe [seconds]
// (build the target idle_cpu_timing first). On a virtual desktop of its own, so that the window
// is really active, with the pointer off the window.
#include "bounded_wait.h"
#include "child_process.h"
#include "marlowin_program.h"
#include "process_times.h"
#include "scratch_program_folder.h"
#include "top_level_windows.h"
#include "virtual_desktop.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

using namespace e2e;

namespace {

std::filesystem::path besideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path() / name;
}

double ms(std::chrono::microseconds time) {
    return double(time.count()) / 1000.0;
}

struct Use {
    double startMs = 0; // from the process start until its window is in the foreground
    double idleMs = 0;  // over the period, after the window has settled there
};

Use processorUse(const ChildProcess& process, const WindowQuery& window, std::chrono::seconds period) {
    const HWND shown = waitForWindow(process, window);
    if (!waitUntil(5s, [&] { return GetForegroundWindow() == shown; }))
        throw std::runtime_error("the window does not come to the foreground");
    Use use;
    use.startMs = ms(processorTime(process.handle()));
    std::this_thread::sleep_for(2s);
    const auto before = processorTime(process.handle());
    std::this_thread::sleep_for(period);
    if (GetForegroundWindow() != shown) throw std::runtime_error("the window lost the foreground meanwhile");
    use.idleMs = ms(processorTime(process.handle()) - before);
    return use;
}

void print(const char* name, const Use& use, std::chrono::seconds period) {
    std::printf("  %-20s start %7.1f ms   idle %7.1f ms  (%.3f %% of one core)\n", name, use.startMs,
                use.idleMs, use.idleMs / double(period.count()) / 10.0);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::chrono::seconds period(argc > 1 ? std::atoi(argv[1]) : 10);
        const VirtualDesktop desktop("e2e-timing", {1024, 768});
        SetCursorPos(1023, 767);

        const ScratchProgramFolder folder;
        folder.writeSettings("[Setting]\r\nhiddenWhereNotAct=0\r\ninAutoRun=0\r\n");
        WindowQuery launcherWindow;
        launcherWindow.title = marlowin::mainTitle;
        launcherWindow.className = marlowin::mainClass;
        launcherWindow.visibleOnly = true;
        const ChildProcess launcher(folder.program(), {}, folder.path());
        const Use launcherUse = processorUse(launcher, launcherWindow, period);
        PostMessageW(waitForWindow(launcher, launcherWindow), WM_CLOSE, 0, 0);
        waitForExitOrThrow(launcher);

        WindowQuery minimalWindow;
        minimalWindow.className = "MinimalWindow";
        minimalWindow.visibleOnly = true;
        const ChildProcess minimal(besideThisProgram(L"minimal_window.exe"), {}, folder.path());
        const Use minimalUse = processorUse(minimal, minimalWindow, period);

        // Under Wine the times of another process come from Linux in clock ticks of 10 ms.
        std::printf("processor time, idle for %lld s shown and active:\n",
                    static_cast<long long>(period.count()));
        print("Marlowin.exe", launcherUse, period);
        print("minimal_window.exe", minimalUse, period);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "idle_cpu_timing: %s\n", e.what());
        return 1;
    }
}
