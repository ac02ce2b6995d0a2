#include "hook_timing.h"

#include "callback_timer.h"

#include <atomic>
#include <type_traits>

namespace {

// Written by the hook thread only, read from any thread.
struct Bucket {
    std::atomic<long long> events{0};
    std::atomic<long long> totalTicks{0};
    std::atomic<long long> maxTicks{0};

    void add(long long ticks) {
        events.fetch_add(1, std::memory_order_relaxed);
        totalTicks.fetch_add(ticks, std::memory_order_relaxed);
        if (ticks > maxTicks.load(std::memory_order_relaxed))
            maxTicks.store(ticks, std::memory_order_relaxed);
    }
    HookTimingBucket read() const {
        return {events.load(std::memory_order_relaxed), totalTicks.load(std::memory_order_relaxed),
                maxTicks.load(std::memory_order_relaxed)};
    }
};

Bucket passed;
Bucket keyStateRead;
Bucket callUp;

} // namespace

hook::CallbackTimer::~CallbackTimer() {
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    Bucket& bucket = path_ == Path::CallUp ? callUp : path_ == Path::KeyStateRead ? keyStateRead : passed;
    bucket.add(end.QuadPart - start_.QuadPart);
}

extern "C" void WINAPI GetHookTiming(HookTiming* timing) {
    if (!timing) return;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    *timing = {frequency.QuadPart, passed.read(), keyStateRead.read(), callUp.read()};
}
static_assert(std::is_same_v<decltype(&GetHookTiming), GetHookTimingFunction>);
