#include "process_memory.h"

#include "platform/win32/unique_handle.h"

#include <psapi.h>

namespace e2e {

namespace {

// What PrivateUsage means on Windows, counted region by region: Wine's PrivateUsage is the
// process's swap use, which is zero on a machine that does not swap.
std::size_t committedPrivateBytes(HANDLE process) {
    std::size_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return total;
}

} // namespace

ProcessMemory processMemory(DWORD processId) {
    const win32::UniqueHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) return {};
    ProcessMemory memory;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters)) {
        memory.privateUsage = counters.PrivateUsage;
        memory.workingSet = counters.WorkingSetSize;
    }
    memory.committedPrivate = committedPrivateBytes(process.get());
    return memory;
}

} // namespace e2e
