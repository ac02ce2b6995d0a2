#include "platform/win32/tick_clock.h"

#include <windows.h>

std::uint32_t Win32Clock::tickCount() {
    return GetTickCount();
}
