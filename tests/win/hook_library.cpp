#include "hook_library.h"

#include <algorithm>
#include <string>

namespace {
std::wstring hookDllPath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    std::wstring relative = L"" HOOK_DLL_FROM_TESTS; // given with '/', which LoadLibraryW does not take
    std::replace(relative.begin(), relative.end(), L'/', L'\\');
    return path.substr(0, path.find_last_of(L'\\') + 1) + relative;
}
} // namespace

HookLibrary::HookLibrary() : module_(LoadLibraryW(hookDllPath().c_str())) {
    if (!module_) return;
    setHook =
        reinterpret_cast<SetHookFunction>(reinterpret_cast<void*>(GetProcAddress(module_.get(), "SetHook")));
    timing = reinterpret_cast<GetHookTimingFunction>(
        reinterpret_cast<void*>(GetProcAddress(module_.get(), "GetHookTiming")));
}

bool hookDllLoaded() {
    return GetModuleHandleW(L"hook_dll.dll") != nullptr;
}
