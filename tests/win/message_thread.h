#pragma once

#include <windows.h>

#include <functional>
#include <thread>

// A thread of its own with a message loop, for windows and hooks that must not depend on the
// test's thread. setUp runs on it before the loop (the constructor waits for it), tearDown after.
class MessageThread {
  public:
    explicit MessageThread(std::function<void()> setUp, std::function<void()> tearDown = {});
    ~MessageThread();
    MessageThread(const MessageThread&) = delete;
    MessageThread& operator=(const MessageThread&) = delete;

  private:
    std::thread thread_;
    DWORD id_ = 0;
};
