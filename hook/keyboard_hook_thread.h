#pragma once

#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <optional>
#include <utility>

namespace hook {

// The low-level keyboard hook on a thread of its own with its own message loop. Windows calls a
// low-level hook on the thread that installed it, from that thread's message loop, and removes
// it silently when it answers slowly: so the thread does nothing else.
//
// The thread holds its own reference to this DLL and drops it as it ends, so a FreeLibrary by
// the program while the hook is still installed cannot unmap the code the hook runs.
class KeyboardHookThread {
  public:
    // Starts the thread and returns once the hook is installed; nothing when it cannot be.
    static std::optional<KeyboardHookThread> start(HWND mainWindow);

    KeyboardHookThread(KeyboardHookThread&& other) noexcept
        : thread_(std::move(other.thread_)), threadId_(std::exchange(other.threadId_, 0)) {}
    KeyboardHookThread& operator=(KeyboardHookThread&&) = delete;
    // Stops the thread, as stop() does.
    ~KeyboardHookThread();

    // Removes the hook and ends the thread, waiting for it a bounded time. False when the thread
    // did not end in that time; stop() may then be called again.
    bool stop();

  private:
    KeyboardHookThread(win32::UniqueHandle thread, DWORD threadId)
        : thread_(std::move(thread)), threadId_(threadId) {}

    win32::UniqueHandle thread_;
    DWORD threadId_ = 0;
};

} // namespace hook
