#include "keyboard_hook_thread.h"

#include "callback_timer.h"
#include "mask_key.h"
#include "set_hook.h"
#include "windows_key_tap.h"

namespace hook {

namespace {

constexpr DWORD kStopTimeoutMs = 2000;

struct HookDeleter {
    void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
using UniqueHook = win32::unique<HHOOK, HookDeleter>;

struct HookState {
    HWND mainWindow;
    DWORD mainProcessId;
    WindowsKeyTap tap;
};

// Read and written only on the hook thread, and only one hook thread runs at a time: a new one
// starts only after the previous one has ended.
HookState* state = nullptr;

// Inside a low-level hook the system's key state does not include the event in hand yet.
bool wasDown(unsigned virtualKey) {
    return (GetAsyncKeyState(int(virtualKey)) & 0x8000) != 0;
}

void sendMaskKey() {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = kMaskVirtualKey;
        input.ki.dwExtraInfo = kMaskExtraInfo;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void callWindowUp(const HookState& target) {
    // The main window's thread will make itself the foreground window; Windows lets it only when
    // its process may take the foreground. This thread may, while it handles the user's input and
    // right after sending input of its own, so it passes that on.
    AllowSetForegroundWindow(target.mainProcessId);
    // A click on the notification-area icon: the main window restores both windows and brings
    // them to the front, whether the icon is there or not.
    PostMessageW(target.mainWindow, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
}

LRESULT CALLBACK keyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && state) {
        CallbackTimer timer;
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (key.dwExtraInfo != kMaskExtraInfo) {
            const bool up = (key.flags & LLKHF_UP) != 0;
            if (!up && (key.vkCode == VK_LWIN || key.vkCode == VK_RWIN))
                timer.mark(CallbackTimer::Path::KeyStateRead);
            if (state->tap.onKey(key.vkCode, up)) {
                timer.mark(CallbackTimer::Path::CallUp);
                // Before this up goes on: Windows opens the Start menu on a Windows-key up that
                // follows its down with no other key between.
                sendMaskKey();
                callWindowUp(*state);
            }
        }
    }
    // Never swallows a key: every event goes on, the Windows key's too.
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct StartRequest {
    HWND mainWindow;
    HMODULE module; // the thread's own reference to this DLL
    HANDLE installed;
};

void runHook(HWND mainWindow, HMODULE module, HANDLE installed) {
    // A message queue before anything else, so that the WM_QUIT of stop() cannot be lost.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);

    HookState hookState{mainWindow, 0, WindowsKeyTap(wasDown)};
    GetWindowThreadProcessId(mainWindow, &hookState.mainProcessId);
    state = &hookState;
    UniqueHook hook(SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, module, 0));
    if (!hook) {
        state = nullptr;
        return;
    }
    SetEvent(installed);
    // The hook is called from inside GetMessageW; the thread has no windows to dispatch to.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    }
    hook.reset();
    state = nullptr;
}

DWORD WINAPI hookThreadMain(void* parameter) {
    // The request lives on the starter's stack only until `installed` is set or this thread ends.
    const StartRequest request = *static_cast<const StartRequest*>(parameter);
    runHook(request.mainWindow, request.module, request.installed);
    FreeLibraryAndExitThread(request.module, 0);
}

} // namespace

std::optional<KeyboardHookThread> KeyboardHookThread::start(HWND mainWindow) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCWSTR>(&hookThreadMain), &module))
        return std::nullopt;
    win32::UniqueHandle installed(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    StartRequest request{mainWindow, module, installed.get()};
    DWORD threadId = 0;
    win32::UniqueHandle thread(installed ? CreateThread(nullptr, 0, hookThreadMain, &request, 0, &threadId)
                                         : nullptr);
    if (!thread) {
        FreeLibrary(module);
        return std::nullopt;
    }
    // No time limit: the thread makes no call that can block before it answers. A thread that
    // ends first could not install the hook.
    const HANDLE waitFor[] = {installed.get(), thread.get()};
    if (WaitForMultipleObjects(2, waitFor, FALSE, INFINITE) != WAIT_OBJECT_0) return std::nullopt;
    return KeyboardHookThread(std::move(thread), threadId);
}

KeyboardHookThread::~KeyboardHookThread() {
    stop();
}

bool KeyboardHookThread::stop() {
    if (!thread_) return true;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    if (WaitForSingleObject(thread_.get(), kStopTimeoutMs) != WAIT_OBJECT_0) return false;
    thread_.reset();
    threadId_ = 0;
    return true;
}

} // namespace hook
