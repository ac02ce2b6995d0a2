#include "marlowin_program.h"

#include "top_level_windows.h"

#include <stdexcept>

namespace e2e {

HWND waitForMainWindow(const ChildProcess& process, std::chrono::milliseconds limit) {
    WindowQuery query;
    query.title = marlowin::mainTitle;
    query.className = marlowin::mainClass;
    query.visibleOnly = true;
    return waitForWindow(process, query, limit);
}

DWORD waitForExitOrThrow(const ChildProcess& process, std::chrono::milliseconds limit) {
    if (const auto code = process.waitForExit(limit)) return *code;
    throw std::runtime_error("process " + std::to_string(process.id()) + " still runs after " +
                             std::to_string(limit.count()) +
                             " ms; its windows:" + describeWindowsOf(process.id()));
}

DWORD closeAndWaitForExit(const ChildProcess& process, HWND window, std::chrono::milliseconds limit) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return waitForExitOrThrow(process, limit);
}

} // namespace e2e
