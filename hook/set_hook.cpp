#include "set_hook.h"

#include "keyboard_hook_thread.h"

#include <mutex>
#include <optional>
#include <type_traits>
#include <utility>

namespace {

std::mutex installLock;
std::optional<hook::KeyboardHookThread> installed;

bool remove() {
    if (installed && !installed->stop()) return false;
    installed.reset();
    return true;
}

} // namespace

// The application window is not needed: the main window's restore shows it too.
extern "C" int WINAPI SetHook(int install, int mode, HWND mainWindow, HWND /*applicationWindow*/) {
    const std::lock_guard lock(installLock);
    if (install == hook::kRemove) return remove() ? 1 : 0;
    if (install != hook::kInstall || mode != hook::kModeWindowsKeyCallsUp || !IsWindow(mainWindow)) return 0;
    // A second install replaces the first, so the windows of the latest call are the ones called.
    if (!remove()) return 0;
    auto started = hook::KeyboardHookThread::start(mainWindow);
    if (!started) return 0;
    installed.emplace(std::move(*started));
    return 1;
}
static_assert(std::is_same_v<decltype(&SetHook), SetHookFunction>);
