#pragma once

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/geometry.h"
#include "platform/icon.h"
#include "platform/shell.h"

#include <cstdint>
#include <memory>
#include <string>

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

Rgb splitColor(Color color);

// The folder of a path: "C:\Prog\app.exe" gives "C:\Prog", "C:\app.exe" gives "C:\", "app.exe" "".
std::string folderPart(const std::string& path);

// Where keys take their icon from when their own cannot be loaded; stored as written here,
// found in the program folder.
inline constexpr const char* defaultIconSource = "icons/computadora.ico";
// The shell's folder icon.
inline constexpr const char* folderIconSource = "%SystemRoot%\\system32\\SHELL32.dll?3";

// One key of the on-screen keyboard.
class HotKey {
public:
    int x = 0;
    int y = 0;
    bool bindable = false;
    std::uint32_t code = 0;
    std::string iconSource;
    std::string target;
    std::string workDir;
    std::string arguments;
    std::string title;
    int width = 0;
    int height = 0;
    int iconWidth = 0;
    int iconHeight = 0;
    Bitmap patch;
    std::unique_ptr<Icon> icon;
    const Color* labelColor = nullptr;
    const Color* labelBackColor = nullptr;
    // Services the key reaches the platform through; set by whoever creates the key.
    Shell* shell = nullptr;
    const std::string* programDir = nullptr;

    void place(int x, int y, int width, int height, int iconWidth, int iconHeight, std::uint32_t code,
               bool bindable, const Bitmap& skin);

    void drawNormal(Canvas& canvas) const;
    void drawHighlighted(Canvas& canvas) const;
    void drawIconOnly(Canvas& canvas) const;

    void setTarget(const std::string& file);
    void bind(const std::string& file, const std::string& dirSource);
    bool loadIcon(const std::string& source);
    void setIcon(std::string source);
    void launch() const;
    void clear();

private:
    bool hasIcon() const { return !iconSource.empty() && icon; }
    void drawTitleBox(Canvas& canvas) const;
};

// Paths of .lnk files: what they point to, or empty (also for a shortcut to a shell item).
std::string resolveShortcut(Shell& shell, const std::string& linkFile);
void shellOpen(Shell& shell, const std::string& file, const std::string& parameters, const std::string& folder,
               int showMode);
