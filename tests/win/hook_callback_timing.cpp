// Prints the time the keyboard hook's callback spends per key event, as the DLL itself measures
// it, and the time of one SendInput through the whole hook chain for comparison.
#include "call_up_receiver.h"
#include "hook_library.h"

#include <windows.h>

#include <cstdio>

namespace {

void send(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(INPUT));
}

double microseconds(long long ticks, long long ticksPerSecond) {
    return 1e6 * double(ticks) / double(ticksPerSecond);
}

void print(const char* what, const HookTimingBucket& bucket, long long ticksPerSecond) {
    if (bucket.events == 0) return;
    std::printf("%-30s %6lld events, mean %7.2f us, max %8.2f us\n", what, bucket.events,
                microseconds(bucket.totalTicks, ticksPerSecond) / double(bucket.events),
                microseconds(bucket.maxTicks, ticksPerSecond));
}

} // namespace

int main() {
    CallUpReceiver receiver;
    HookLibrary library;
    if (!library || !library.timing) {
        std::fprintf(stderr, "hook_dll.dll or its exports did not load\n");
        return 1;
    }
    if (library.setHook(hook::kInstall, hook::kModeWindowsKeyCallsUp, receiver.window(), receiver.window()) !=
        1) {
        std::fprintf(stderr, "SetHook(1, ...) failed\n");
        return 1;
    }
    constexpr int kRounds = 500;
    std::size_t calls = 0;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kRounds; ++i) {
        // A combination (Win+R), then a lone tap: every path of the callback.
        send(VK_LWIN, false);
        send('R', false);
        send('R', true);
        send(VK_LWIN, true);
        send(VK_LWIN, false);
        send(VK_LWIN, true);
        if (i % 50 == 49) calls += receiver.take().size(); // keeps the window's queue short
    }
    QueryPerformanceCounter(&end);
    HookTiming timing{};
    library.timing(&timing);
    library.setHook(hook::kRemove, hook::kModeWindowsKeyCallsUp, receiver.window(), receiver.window());
    calls += receiver.take().size();

    print("looked at and passed on", timing.passed, timing.ticksPerSecond);
    print("Windows key down (key state)", timing.keyStateRead, timing.ticksPerSecond);
    print("lone-tap up (mask + call)", timing.callUp, timing.ticksPerSecond);
    std::printf("SendInput of one event, whole chain: %.2f us (%d events)\n",
                microseconds(end.QuadPart - start.QuadPart, timing.ticksPerSecond) / (kRounds * 6.0),
                kRounds * 6);
    std::printf("windows called up: %zu of %d taps\n", calls, kRounds);
    return 0;
}
