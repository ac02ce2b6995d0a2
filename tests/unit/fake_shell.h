#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/memory_canvas.h"
#include "platform/shell.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// An icon of one colour whose tag tells tests where it came from.
class TaggedIcon : public MemoryIcon {
public:
    TaggedIcon(std::string tag, Color color, int size = 32)
        : MemoryIcon(solid(size, color), solid(size, 1)), tag(std::move(tag)) {}
    std::string tag;

private:
    static Bitmap solid(int size, Color color) {
        Bitmap b(size, size);
        for (auto& p : b.pixels()) p = color;
        return b;
    }
};

// A Windows shell made of tables. Paths compare exactly as written.
class FakeShell : public Shell {
public:
    std::set<std::string> files;
    std::set<std::string> folders;
    std::map<std::string, std::string> displayNames;
    // "file|index" for icons inside programs and libraries, the path for the shell's file icons.
    std::set<std::string> icons;
    std::map<std::string, std::optional<std::string>> shortcuts;
    struct Start {
        std::string file, parameters, folder;
        int showMode;
        bool operator==(const Start&) const = default;
    };
    std::vector<Start> starts;

    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    bool folderExists(const std::string& path) override { return folders.count(path) != 0; }
    std::string displayName(const std::string& path) override {
        const auto it = displayNames.find(path);
        return it == displayNames.end() ? std::string() : it->second;
    }
    std::string expandEnvironment(const std::string& text) override {
        std::string out = text;
        const std::string var = "%SystemRoot%";
        if (const auto at = out.find(var); at != std::string::npos) out.replace(at, var.size(), "C:\\Windows");
        return out;
    }
    std::unique_ptr<Icon> extractIcon(const std::string& file, int index) override {
        return iconFor(file + "|" + std::to_string(index));
    }
    std::unique_ptr<Icon> fileIcon(const std::string& path) override { return iconFor(path); }
    std::optional<std::string> resolveShortcut(const std::string& link) override {
        const auto it = shortcuts.find(link);
        return it == shortcuts.end() ? std::nullopt : it->second;
    }
    void shellOpen(const std::string& file, const std::string& parameters, const std::string& folder,
                   int showMode) override {
        starts.push_back({file, parameters, folder, showMode});
    }

    static std::string tagOf(const Icon* icon) {
        const auto* tagged = dynamic_cast<const TaggedIcon*>(icon);
        return tagged ? tagged->tag : std::string();
    }

private:
    std::unique_ptr<Icon> iconFor(const std::string& key) {
        if (!icons.count(key)) return nullptr;
        return std::make_unique<TaggedIcon>(key, 0x00FF00);
    }
};

class FakeDialogs : public Dialogs {
public:
    std::vector<std::string> messages;
    void showMessage(const std::string& text) override { messages.push_back(text); }
};

class FakeClock : public Clock {
public:
    std::uint32_t now = 0;
    std::uint32_t tickCount() override { return now; }
};
