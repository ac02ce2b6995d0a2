#pragma once

#include "child_process.h"

#include "platform/geometry.h"

#include <windows.h>

#include <chrono>

namespace e2e {

using namespace std::chrono_literals;

// What a user of Marlowin.exe, or a second start of it, sees from outside.
namespace marlowin {
inline constexpr const char* mainTitle = "Clavant";
inline constexpr const char* mainClass = "TForm1";
inline constexpr const char* programName = "Marlowin";
inline constexpr const char* instanceAtom = "MarlowinMutex";
inline constexpr const char* autorunValue = "ZOveVodiz";
inline constexpr Size clientSize{681, 254};
inline constexpr Rect picture{0, 0, 681, 201};
// Left Shift (key 57) on a skin 201 pixels high.
inline constexpr Rect leftShift{8, 132, 80, 160};
} // namespace marlowin

// The visible main window of the process; throws when it does not show in time.
HWND waitForMainWindow(const ChildProcess& process, std::chrono::milliseconds limit = 20s);

// Asks the window to close as its close button would and waits for the process to end; throws
// when it does not end in time, naming the windows it still shows (a message box, say).
DWORD closeAndWaitForExit(const ChildProcess& process, HWND window, std::chrono::milliseconds limit = 20s);

// Waits for a process that should end on its own; throws with its windows when it does not.
DWORD waitForExitOrThrow(const ChildProcess& process, std::chrono::milliseconds limit = 20s);

} // namespace e2e
