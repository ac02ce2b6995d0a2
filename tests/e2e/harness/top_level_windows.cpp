#include "top_level_windows.h"

#include "bounded_wait.h"

#include "platform/win32/wide_text.h"

#include <stdexcept>

namespace e2e {

namespace {

BOOL CALLBACK collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

bool matches(HWND window, const WindowQuery& query) {
    if (query.processId) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != query.processId) return false;
    }
    if (query.visibleOnly && !IsWindowVisible(window)) return false;
    if (!query.className.empty() && windowClass(window) != query.className) return false;
    return query.title.empty() || windowTitle(window) == query.title;
}

std::string describeQuery(const WindowQuery& query) {
    std::string text = query.visibleOnly ? "a visible top-level window" : "a top-level window";
    if (!query.className.empty()) text += " of class \"" + query.className + "\"";
    if (!query.title.empty()) text += " titled \"" + query.title + "\"";
    return text;
}

} // namespace

std::vector<HWND> topLevelWindows(const WindowQuery& query) {
    std::vector<HWND> all;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> found;
    for (HWND window : all)
        if (matches(window, query)) found.push_back(window);
    return found;
}

std::string windowTitle(HWND window) {
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return win32::toUtf8(text);
}

std::string windowClass(HWND window) {
    wchar_t name[256];
    return win32::toUtf8({name, std::size_t(GetClassNameW(window, name, 256))});
}

HWND waitForWindow(const ChildProcess& process, WindowQuery query, std::chrono::milliseconds limit) {
    query.processId = process.id();
    HWND found = nullptr;
    bool ended = false;
    waitUntil(limit, [&] {
        // Looked at before the search, so windows shown just before the end still count.
        ended = !process.running();
        const auto windows = topLevelWindows(query);
        if (!windows.empty()) found = windows.front();
        return found || ended;
    });
    if (found) return found;
    if (ended) {
        const auto code = process.waitForExit(0ms);
        throw std::runtime_error("process " + std::to_string(process.id()) + " ended with exit code " +
                                 std::to_string(code.value_or(0)) + " without showing " +
                                 describeQuery(query));
    }
    throw std::runtime_error("process " + std::to_string(process.id()) + " showed no " +
                             describeQuery(query) + " within " + std::to_string(limit.count()) +
                             " ms; its windows:" + describeWindowsOf(process.id()));
}

std::string describeWindowsOf(DWORD processId) {
    std::string text;
    WindowQuery ofProcess;
    ofProcess.processId = processId;
    for (HWND window : topLevelWindows(ofProcess))
        text += "\n  class \"" + windowClass(window) + "\" title \"" + windowTitle(window) + "\"" +
                (IsWindowVisible(window) ? " visible" : " hidden");
    return text.empty() ? " none" : text;
}

} // namespace e2e
