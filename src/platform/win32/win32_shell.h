#pragma once

#include "platform/shell.h"

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
    HWND owner_ = nullptr;
};
