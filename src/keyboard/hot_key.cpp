#include "keyboard/hot_key.h"

#include "keyboard/path_text.h"

#include <algorithm>

Rgb splitColor(Color color) { return {int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)}; }

std::string folderPart(const std::string& path) {
    const auto last = path.find_last_of("\\:");
    if (last == std::string::npos) return {};
    const bool innerBackslash = path[last] == '\\' && last > 1 && path[last - 1] != '\\' && path[last - 1] != ':';
    return innerBackslash ? path.substr(0, last) : path.substr(0, last + 1);
}

void HotKey::place(int x_, int y_, int width_, int height_, int iconWidth_, int iconHeight_, std::uint32_t code_,
                   bool bindable_, const Bitmap& skin) {
    x = x_;
    y = y_;
    bindable = bindable_;
    code = code_;
    width = width_;
    height = height_;
    iconWidth = iconWidth_;
    iconHeight = iconHeight_;
    patch = skin.copyRect(x, y, width, height);
}

void HotKey::drawNormal(Canvas& canvas) const {
    canvas.drawBitmap(patch, {x, y});
    if (hasIcon())
        canvas.drawIcon(*icon, {x + width / 2 - iconWidth / 2, y + height / 2 - iconHeight / 2},
                        {iconWidth, iconHeight});
}

void HotKey::drawHighlighted(Canvas& canvas) const {
    canvas.stretchBitmap(patch, {x - 8, y - 8, x + width + 8, y + height + 8});
    if (hasIcon()) {
        const int w = iconWidth + 16, h = iconHeight + 16;
        canvas.drawIcon(*icon, {x + width / 2 - w / 2, y + height / 2 - h / 2}, {w, h});
    }
    if (!title.empty()) drawTitleBox(canvas);
}

void HotKey::drawTitleBox(Canvas& canvas) const {
    const Color ink = labelColor ? *labelColor : 0;
    const Color back = labelBackColor ? *labelBackColor : 0xFFFFFF;
    const Font font{"Arial", 14, true, ink};
    const Size text = canvas.textExtent(font, title);
    const Size area = canvas.size();
    // Centred under the key, at least 8 pixels from the left edge and 32 from the right;
    // the right-hand limit wins when both cannot hold.
    const int left = std::min(area.width - 32 - text.width, std::max(x + width / 2 - text.width / 2, 8));
    // 16 pixels under the key, pushed up so that one text height stays free below it.
    const int top = std::min(y + height + 16, area.height - 2 * text.height);
    canvas.roundRect({left - 4, top, left + text.width + 4, top + text.height}, {8, 8}, ink, back);
    canvas.textOut(font, {left, top}, title, back);
}

void HotKey::drawIconOnly(Canvas& canvas) const {
    if (hasIcon()) canvas.drawIcon(*icon, {0, 0}, {iconWidth, iconHeight});
}

void HotKey::setTarget(const std::string& file) {
    target = file;
    if (target.empty()) return;
    const std::string name = shell->displayName(target);
    title = name.empty() ? target : name;
}

void HotKey::bind(const std::string& file, const std::string& dirSource) {
    setTarget(file);
    workDir = dirSource.empty() ? std::string() : withTrailingBackslash(folderPart(dirSource));
    arguments.clear();
    if (shell->fileExists(file)) {
        if (upperExtension(file) == ".LNK") {
            workDir.clear();
            arguments.clear();
            const auto pointsTo = shell->resolveShortcut(file);
            // A shortcut to a shell item has no path to take an icon from: show the shortcut's own.
            iconSource = !pointsTo ? std::string() : pointsTo->empty() ? file : *pointsTo;
        } else {
            iconSource = file;
        }
    } else if (shell->folderExists(file)) {
        iconSource = folderIconSource;
    }
    setIcon(iconSource);
}

bool HotKey::loadIcon(const std::string& source) {
    icon.reset();
    std::string path = shell->expandEnvironment(source);
    if (shell->folderExists(path)) return false;
    int index = 0;
    if (const auto mark = path.find('?'); mark != std::string::npos) {
        const auto parsed = parseIconIndex(path.substr(mark + 1));
        if (!parsed) return false;
        index = *parsed;
        path.resize(mark);
    }
    const std::string ext = upperExtension(path);
    if (ext == ".EXE" || ext == ".ICO" || ext == ".DLL" || ext == ".CPL") icon = shell->extractIcon(path, index);
    if (!icon) icon = shell->fileIcon(path);
    return icon != nullptr;
}

void HotKey::setIcon(std::string source) {
    icon.reset();
    iconSource.clear();
    if (loadIcon(source)) {
        iconSource = std::move(source);
    } else if (programDir && loadIcon(*programDir + "icons\\computadora.ico")) {
        iconSource = defaultIconSource;
    }
}

void HotKey::launch() const {
    if (!target.empty()) shell->shellOpen(target, arguments, workDir, 1);
}

void HotKey::clear() {
    target.clear();
    workDir.clear();
    iconSource.clear();
    title.clear();
    icon.reset();
}

std::string resolveShortcut(Shell& shell, const std::string& linkFile) {
    return shell.resolveShortcut(linkFile).value_or(std::string());
}

void shellOpen(Shell& shell, const std::string& file, const std::string& parameters, const std::string& folder,
               int showMode) {
    shell.shellOpen(file, parameters, folder, showMode);
}
