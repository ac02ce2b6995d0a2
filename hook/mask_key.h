#pragma once

#include <windows.h>

namespace hook {

// Sent down and up before the up of a lone Windows-key tap, so Windows sees a combination and
// keeps the Start menu closed. The key is unassigned: nothing acts on it. Ctrl or Alt would do
// the same but have side effects (menus, shortcuts of the foreground program).
inline constexpr WORD kMaskVirtualKey = 0xE8;
// Marks the hook's own input, so the hook lets it pass without looking at it.
inline constexpr ULONG_PTR kMaskExtraInfo = 0x4D48'4B31; // "MHK1"

} // namespace hook
