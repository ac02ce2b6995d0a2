#pragma once

#include "child_process.h"

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

// Shown message boxes (dialog class "#32770") of a process.
std::vector<HWND> messageBoxesOf(DWORD processId);

// Throws when none shows in time, or when the process ends first.
HWND waitForMessageBox(const ChildProcess& process, std::chrono::milliseconds limit = 20s);

// The message, from the box's static text control.
std::string messageBoxText(HWND box);

// Presses a button (IDOK, IDCANCEL, IDYES...) as a click would.
void pressButton(HWND box, int buttonId);

} // namespace e2e
