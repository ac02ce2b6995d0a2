#include "platform/win32/single_instance.h"

namespace {

constexpr const wchar_t* mutexName = L"Local\\MarlowinInstance";

bool markPresent() {
    return GlobalFindAtomW(SingleInstance::atomName) != 0;
}

void removeMark() {
    if (const ATOM atom = GlobalFindAtomW(SingleInstance::atomName)) GlobalDeleteAtom(atom);
}

} // namespace

SingleInstance::SingleInstance(HWND ownWindow, const std::vector<std::wstring>& arguments) {
    const HWND running = findRunningWindow(ownWindow);
    bool save = false;
    for (const auto& argument : arguments) {
        if (argument == L"save") {
            removeMark();
            save = true;
            break;
        }
    }
    mutex_.reset(CreateMutexW(nullptr, FALSE, mutexName));
    const bool anotherRuns = GetLastError() == ERROR_ALREADY_EXISTS;
    if (save || (!markPresent() && !anotherRuns)) {
        first_ = true;
        return;
    }
    HWND window = running;
    // An instance that has only just started may not have its window yet.
    for (int wait = 0; !window && anotherRuns && wait < 50; ++wait) {
        Sleep(100);
        window = findRunningWindow(ownWindow);
    }
    if (window) {
        activate(window);
    } else if (!anotherRuns) {
        removeMark(); // left behind by an instance that ended without removing it
    }
}

HWND SingleInstance::findRunningWindow(HWND ownWindow) const {
    HWND found = nullptr;
    wchar_t title[261];
    // Every match is looked at, so of several the last in Z order is taken.
    for (HWND w = GetWindow(ownWindow, GW_HWNDFIRST); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == ownWindow) continue;
        const int length = GetWindowTextW(w, title, 261);
        if (std::wstring_view(title, std::size_t(length)) == windowTitle) found = w;
    }
    return found;
}

void SingleInstance::activate(HWND window) {
    ShowWindow(window, SW_SHOW);
    // A key event makes this process the last to have had input, which lets it hand on the foreground.
    keybd_event(0, 0, 0, 0);
    SetForegroundWindow(GetLastActivePopup(window));
}

void SingleInstance::mark() {
    GlobalAddAtomW(atomName);
}

void SingleInstance::unmark() {
    removeMark();
}
