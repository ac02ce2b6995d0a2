#pragma once

#include "platform/desktop_session.h"
#include "platform/win32/window.h"

// The process's hidden application window (the one a task-bar button would belong to: every
// form is owned by it), the autorun value under the current user's Run key, and the program file.
class Win32Desktop final : public DesktopSession {
  public:
    Win32Desktop();

    HWND applicationWindow() const { return applicationWindow_.handle(); }

    std::string programPath() override;
    void setToolWindowStyle() override;
    AutorunWrite writeAutorunValue(const std::string& valueName, const std::string& command) override;
    void deleteAutorunValue(const std::string& valueName) override;
    void showWindows(WindowHandle window) override;
    void hideWindows(WindowHandle window) override;

  private:
    class ApplicationWindow : public win32::Window {
      public:
        bool create(const std::wstring& title);

      protected:
        LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    };
    ApplicationWindow applicationWindow_;
};
