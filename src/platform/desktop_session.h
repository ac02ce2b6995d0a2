#pragma once

#include <string>

// Opaque handle of a top-level window, as the platform gives it.
using WindowHandle = void*;

// The process's place in the desktop: its windows, its autorun entry, its own file.
class DesktopSession {
  public:
    enum class AutorunWrite { keyUnavailable, written, refused };

    virtual ~DesktopSession() = default;
    virtual std::string programPath() = 0;
    // Keeps the window that would carry the process's task-bar button off the task bar.
    virtual void setToolWindowStyle() = 0;
    virtual AutorunWrite writeAutorunValue(const std::string& valueName, const std::string& command) = 0;
    virtual void deleteAutorunValue(const std::string& valueName) = 0;
    // The window, then the application window.
    virtual void showWindows(WindowHandle window) = 0;
    virtual void hideWindows(WindowHandle window) = 0;
};
