#include "process_times.h"

#include <stdexcept>

namespace e2e {

namespace {

std::chrono::microseconds fromFileTime(FILETIME time) {
    const ULONGLONG hundredNs = ULONGLONG(time.dwHighDateTime) << 32 | time.dwLowDateTime;
    return std::chrono::microseconds(hundredNs / 10);
}

} // namespace

std::chrono::microseconds processorTime(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        throw std::runtime_error("GetProcessTimes failed: error " + std::to_string(GetLastError()));
    return fromFileTime(kernel) + fromFileTime(user);
}

} // namespace e2e
