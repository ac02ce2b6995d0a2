#include "virtual_desktop.h"

#include "bounded_wait.h"

#include "platform/win32/wide_text.h"

#include <stdexcept>

namespace e2e {

namespace {

std::filesystem::path windowsFolder() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) throw std::runtime_error("no Windows folder");
    return std::filesystem::path(folder);
}

} // namespace

VirtualDesktop::VirtualDesktop(const std::string& name, Size size)
    : previous_(GetThreadDesktop(GetCurrentThreadId())) {
    const std::filesystem::path folder = windowsFolder();
    explorer_.emplace(folder / "explorer.exe",
                      std::vector<std::string>{"/desktop=" + name + "," + std::to_string(size.width) + "x" +
                                               std::to_string(size.height)},
                      folder);
    const std::wstring wideName = win32::toWide(name);
    // The desktop exists once explorer has made it; it is ready when its window has the size.
    waitUntil(10s, [&] {
        desktop_.reset(OpenDesktopW(wideName.c_str(), 0, FALSE, GENERIC_ALL));
        return desktop_ || !explorer_->running();
    });
    if (!desktop_) throw std::runtime_error("explorer made no desktop \"" + name + "\"");
    if (!SetThreadDesktop(desktop_.get()))
        throw std::runtime_error("cannot move the test thread to the desktop \"" + name + "\": error " +
                                 std::to_string(GetLastError()));
    if (!waitUntil(10s, [&] { return this->size() == size; }))
        throw std::runtime_error("the desktop \"" + name + "\" does not take the size " +
                                 std::to_string(size.width) + "x" + std::to_string(size.height));
}

VirtualDesktop::~VirtualDesktop() {
    SetThreadDesktop(previous_);
}

Size VirtualDesktop::size() const {
    RECT r{};
    GetWindowRect(GetDesktopWindow(), &r);
    return {r.right - r.left, r.bottom - r.top};
}

} // namespace e2e
