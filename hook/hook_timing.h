#pragma once

#include <windows.h>

// Export "GetHookTiming" of hook_dll.dll, for tests and measurements only: the time the keyboard
// callback spends on its own work (the rest of the hook chain excluded), since the DLL was loaded.
struct HookTimingBucket {
    long long events;
    long long totalTicks;
    long long maxTicks;
};

struct HookTiming {
    long long ticksPerSecond;
    HookTimingBucket passed;       // events the hook only looked at
    HookTimingBucket keyStateRead; // downs of a Windows key: the system's key state read
    HookTimingBucket callUp;       // the up events of lone taps: mask key sent, window called
};

using GetHookTimingFunction = void(WINAPI*)(HookTiming* timing);
