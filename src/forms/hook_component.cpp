#include "forms/hook_component.h"

#include "hook/set_hook.h"
#include "platform/win32/wide_text.h"

namespace {

constexpr const char* setHookName = "SetHook";

SetHookFunction setHookOf(HMODULE module) {
    return reinterpret_cast<SetHookFunction>(reinterpret_cast<void*>(GetProcAddress(module, setHookName)));
}

} // namespace

bool HookComponent::load(const std::string& file) {
    module_.reset(LoadLibraryW(win32::toWide(file).c_str()));
    // A library without the export is of no use and would be called in vain: it counts as missing.
    if (module_ && !setHookOf(module_.get())) module_.reset();
    return loaded();
}

void HookComponent::install(HWND window, HWND applicationWindow) {
    setHook(hook::kInstall, window, applicationWindow);
}

bool HookComponent::unload(HWND window, HWND applicationWindow) {
    if (!loaded()) return false;
    setHook(hook::kRemove, window, applicationWindow);
    module_.reset();
    return true;
}

void HookComponent::setHook(int on, HWND window, HWND applicationWindow) const {
    if (!module_) return;
    // Looked up again for each call; the result is not used.
    if (const SetHookFunction setHook = setHookOf(module_.get()))
        setHook(on, hook::kModeWindowsKeyCallsUp, window, applicationWindow);
}
