#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// Base of every window of ours: one window procedure binds the object passed at creation and
// hands each message to handleMessage. The object does not own the HWND's lifetime beyond its
// own: destroying the object destroys a window that still exists.
class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND handle() const { return hwnd_; }
    // Destroys the window while the object can still handle what that sends (WM_DESTROY).
    void destroy() {
        if (hwnd_) DestroyWindow(hwnd_);
    }

  protected:
    struct Creation {
        const wchar_t* className = nullptr;
        DWORD style = 0;
        DWORD exStyle = 0;
        std::wstring title;
        RECT place{}; // window rectangle, or the client rectangle with clientPlace
        bool clientPlace = false;
        HWND parent = nullptr;
        HBRUSH background = nullptr;
        HICON icon = nullptr;
    };
    // Registers the class on first use and creates the window; false when Windows refuses.
    bool create(const Creation& creation);
    // A visible child control at place (parent's client coordinates), with extra styles.
    bool createChild(const wchar_t* className, HWND parent, RECT place, DWORD extraStyle = 0);

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

} // namespace win32
