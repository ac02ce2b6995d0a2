#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace win32 {

// Sees the messages of a window that is not ours (a system control, another part's window)
// before its own procedure does, for as long as this object lives.
class WindowSubclass {
  public:
    // A result to give Windows, or nullopt to let the window handle the message as before.
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)>;

    WindowSubclass() = default;
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;
    ~WindowSubclass();

    bool attach(HWND window, Handler handler);
    void detach();

  private:
    // Each object its own subclass, so two may watch one window.
    UINT_PTR id() const { return reinterpret_cast<UINT_PTR>(this); }
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);

    HWND window_ = nullptr;
    Handler handler_;
};

} // namespace win32
