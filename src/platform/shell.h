#pragma once

#include "platform/icon.h"

#include <memory>
#include <optional>
#include <string>

// The Windows shell as the keyboard needs it. Paths are UTF-8.
class Shell {
public:
    virtual ~Shell() = default;

    virtual bool fileExists(const std::string& path) = 0;
    virtual bool folderExists(const std::string& path) = 0;
    // The shell's display name of a file or folder; empty when the shell gives none.
    virtual std::string displayName(const std::string& path) = 0;
    // %NAME% references replaced by the environment's values.
    virtual std::string expandEnvironment(const std::string& text) = 0;
    // Icon number index of a program, library or icon file; null when there is none.
    virtual std::unique_ptr<Icon> extractIcon(const std::string& file, int index) = 0;
    // The shell's (large) icon for a file, as the Explorer shows it; null when there is none.
    virtual std::unique_ptr<Icon> fileIcon(const std::string& path) = 0;
    // The path a .lnk file points to. nullopt: not a readable shortcut; empty: the
    // shortcut points to something that has no file-system path (a shell item).
    virtual std::optional<std::string> resolveShortcut(const std::string& linkFile) = 0;
    // Starts a file with its default action; the result is not examined.
    virtual void shellOpen(const std::string& file, const std::string& parameters, const std::string& folder,
                           int showMode) = 0;
};
