#pragma once

#include "message_thread.h"

#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <mutex>
#include <optional>
#include <vector>

// Stands in for the launcher's main window: a message-only window on a thread of its own that
// records the tray callback messages it receives.
class CallUpReceiver {
  public:
    struct Message {
        WPARAM wParam;
        LPARAM lParam;
        bool operator==(const Message&) const = default;
    };

    CallUpReceiver();
    CallUpReceiver(const CallUpReceiver&) = delete;
    CallUpReceiver& operator=(const CallUpReceiver&) = delete;

    HWND window() const { return window_; }
    // What has come so far, once every message posted to the window before this call is handled;
    // then forgets it.
    std::vector<Message> take();

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::mutex lock_;
    std::vector<Message> received_;
    win32::UniqueHandle flushed_;
    HWND window_ = nullptr;
    std::optional<MessageThread> thread_; // last: ends before the rest goes
};
