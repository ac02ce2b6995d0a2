#pragma once

#include <windows.h>

#include <cstddef>

namespace e2e {

// Memory of a running process, opened by id with query access as a task manager would; zeros
// when it cannot be asked.
struct ProcessMemory {
    std::size_t privateUsage = 0;     // PROCESS_MEMORY_COUNTERS_EX.PrivateUsage
    std::size_t workingSet = 0;       // WorkingSetSize
    std::size_t committedPrivate = 0; // committed MEM_PRIVATE regions, summed over VirtualQueryEx
};
ProcessMemory processMemory(DWORD processId);

} // namespace e2e
