// A stand-in for the keyboard hook component: SetHook records its calls, which the test reads
// through a second export.
#include "hook/set_hook.h"

#include <array>

namespace {

struct Call {
    int install, mode;
    HWND window, applicationWindow;
};
std::array<Call, 8> calls;
int count = 0;

} // namespace

extern "C" __declspec(dllexport) int WINAPI
    SetHook(int install, int mode, HWND window, HWND applicationWindow) {
    if (count < int(calls.size())) calls[std::size_t(count++)] = {install, mode, window, applicationWindow};
    return 1;
}

// Call number `index` (from 0); false when there were not that many.
extern "C" __declspec(dllexport) bool RecordedCall(int index, int* install, int* mode, HWND* window,
                                                   HWND* applicationWindow) {
    if (index < 0 || index >= count) return false;
    const Call& c = calls[std::size_t(index)];
    *install = c.install;
    *mode = c.mode;
    *window = c.window;
    *applicationWindow = c.applicationWindow;
    return true;
}
