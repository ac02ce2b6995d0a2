#pragma once

#include "hook/hook_timing.h"
#include "hook/set_hook.h"
#include "platform/win32/unique_handle.h"

#include <windows.h>

// hook_dll\hook_dll.dll of the program folder this build makes, loaded by path as the launcher
// loads it. The library stays loaded until release() or the end of the object.
class HookLibrary {
  public:
    HookLibrary();
    HookLibrary(const HookLibrary&) = delete;
    HookLibrary& operator=(const HookLibrary&) = delete;

    explicit operator bool() const { return setHook != nullptr; }
    void release() { module_.reset(); }

    SetHookFunction setHook = nullptr;
    GetHookTimingFunction timing = nullptr;

  private:
    win32::UniqueModule module_;
};

// Whether the hook DLL is mapped in this process at all.
bool hookDllLoaded();
