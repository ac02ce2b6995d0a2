#pragma once

#include <windows.h>

namespace hook {

// Times one call of the keyboard callback into the figures of GetHookTiming.
class CallbackTimer {
  public:
    CallbackTimer() { QueryPerformanceCounter(&start_); }
    ~CallbackTimer();
    CallbackTimer(const CallbackTimer&) = delete;
    CallbackTimer& operator=(const CallbackTimer&) = delete;

    enum class Path { Passed, KeyStateRead, CallUp };
    void mark(Path path) { path_ = path; }

  private:
    LARGE_INTEGER start_;
    Path path_ = Path::Passed;
};

} // namespace hook
