#pragma once

#include "platform/shell.h"
#include "platform/win32/shell_icon.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>

#include <windows.h>

// The Windows shell behind the keyboard.
class Win32Shell final : public Shell {
  public:
    // The window that owns whatever the shell shows when it starts a file.
    void setOwner(HWND owner) { owner_ = owner; }

    bool fileExists(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    std::string displayName(const std::string& path) override;
    std::string expandEnvironment(const std::string& text) override;
    std::unique_ptr<Icon> extractIcon(const std::string& file, int index) override;
    std::unique_ptr<Icon> fileIcon(const std::string& path) override;
    std::optional<std::string> resolveShortcut(const std::string& linkFile) override;
    // Returns at once; the start happens on a worker thread, owned by the window setOwner gave.
    void shellOpen(const std::string& file, const std::string& parameters, const std::string& folder,
                   int showMode) override;
    // The same, with an owner of the caller's choice.
    void shellOpen(HWND owner, const std::string& file, const std::string& parameters,
                   const std::string& folder, int showMode);

    Win32Shell() = default;
    Win32Shell(const Win32Shell&) = delete;
    Win32Shell& operator=(const Win32Shell&) = delete;
    ~Win32Shell() override;

  private:
    // Icons of one source (file and index, or a file's shell icon) are loaded once and shared
    // while any key shows them.
    std::unique_ptr<Icon> sharedIcon(const std::string& key, ShellIcon::ImageSource source);

    // Starts under way on their threads; shared with them, so a thread may outlive the shell.
    class Launches {
      public:
        void begin();
        void end();
        void waitForAll(std::chrono::milliseconds limit);

      private:
        std::mutex mutex_;
        std::condition_variable finished_;
        int running_ = 0;
    };

    HWND owner_ = nullptr;
    std::shared_ptr<Launches> launches_ = std::make_shared<Launches>();
    std::map<std::string, std::weak_ptr<ShellIcon::Images>> icons_;
};
