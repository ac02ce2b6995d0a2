#pragma once

#include "platform/shell.h"
#include "platform/win32/shell_icon.h"

#include <map>
#include <memory>

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
    void shellOpen(const std::string& file, const std::string& parameters, const std::string& folder,
                   int showMode) override;

  private:
    // Icons of one source (file and index, or a file's shell icon) are loaded once and shared
    // while any key shows them.
    std::unique_ptr<Icon> sharedIcon(const std::string& key, ShellIcon::ImageSource source);

    HWND owner_ = nullptr;
    std::map<std::string, std::weak_ptr<ShellIcon::Images>> icons_;
};
