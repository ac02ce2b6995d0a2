#pragma once

#include "child_process.h"

#include "platform/geometry.h"

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// A desktop of its own for a test, with what the default desktop under Wine lacks: one window
// manager that keeps focus and activation, and a notification area. Wine's explorer draws it in
// one X window (explorer.exe /desktop=NAME,WxH). While the object lives, the calling thread is
// on that desktop: its window searches, input and screen captures see it, and the programs it
// starts inherit it. The thread must own no window or hook, as SetThreadDesktop requires.
// One such desktop per thread and life: Wine keeps X windows for the thread inside the desktop's
// X window, and once that has gone with its explorer, their next use ends the process.
class VirtualDesktop {
  public:
    VirtualDesktop(const std::string& name, Size size);
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

    Size size() const;

  private:
    struct DesktopDeleter {
        void operator()(HDESK desktop) const { CloseDesktop(desktop); }
    };
    using UniqueDesktop = win32::unique<HDESK, DesktopDeleter>;

    HDESK previous_ = nullptr;
    std::optional<ChildProcess> explorer_;
    UniqueDesktop desktop_;
};

} // namespace e2e
