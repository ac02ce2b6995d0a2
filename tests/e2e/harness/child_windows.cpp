#include "child_windows.h"

#include "top_level_windows.h"

namespace e2e {

namespace {

BOOL CALLBACK collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> descendantsOfClass(HWND parent, const std::string& className) {
    std::vector<HWND> all;
    EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> found;
    for (HWND window : all)
        if (windowClass(window) == className) found.push_back(window);
    return found;
}

} // namespace e2e
