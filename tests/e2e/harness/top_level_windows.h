#pragma once

#include "child_process.h"

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

// Which top-level windows a search takes; an empty field matches every window.
struct WindowQuery {
    DWORD processId = 0;
    std::string title;
    std::string className;
    bool visibleOnly = false;
};

std::vector<HWND> topLevelWindows(const WindowQuery& query = {});

std::string windowTitle(HWND window);
std::string windowClass(HWND window);

// The first top-level window of the process that answers the query (its process id is filled in).
// Throws when none appears in time or when the process ends first, listing what the process showed.
HWND waitForWindow(const ChildProcess& process, WindowQuery query, std::chrono::milliseconds limit = 20s);

// For failure messages: every top-level window of the process with its class, title and visibility.
std::string describeWindowsOf(DWORD processId);

} // namespace e2e
