#pragma once

#include <windows.h>

#include <chrono>

namespace e2e {

// Processor time the process has used so far, user and kernel together (GetProcessTimes).
std::chrono::microseconds processorTime(HANDLE process);

} // namespace e2e
