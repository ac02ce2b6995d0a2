#include "call_up_receiver.h"

#include "hook/set_hook.h"

#include <utility>

namespace {
constexpr UINT kFlush = WM_APP;
constexpr wchar_t kClassName[] = L"CallUpReceiver";
} // namespace

CallUpReceiver::CallUpReceiver() : flushed_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    thread_.emplace(
        [this] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = windowProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = kClassName;
            RegisterClassW(&windowClass); // fails harmlessly when an earlier receiver registered it
            window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleW(nullptr), this);
        },
        [this] { DestroyWindow(window_); });
}

std::vector<CallUpReceiver::Message> CallUpReceiver::take() {
    // Posted messages come in the order they were posted, whoever posted them.
    if (PostMessageW(window_, kFlush, 0, 0)) WaitForSingleObject(flushed_.get(), 5000);
    const std::lock_guard guard(lock_);
    return std::exchange(received_, {});
}

LRESULT CALLBACK CallUpReceiver::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<CallUpReceiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == hook::kTrayCallbackMessage) {
        const std::lock_guard guard(self->lock_);
        self->received_.push_back({wParam, lParam});
        return 0;
    }
    if (self && message == kFlush) {
        SetEvent(self->flushed_.get());
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
