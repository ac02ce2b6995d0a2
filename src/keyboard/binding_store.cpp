#include "keyboard/clavant.h"
#include "keyboard/path_text.h"
#include "keyboard/settings_file.h"

namespace {

std::string sectionOf(int index) {
    return "Key" + std::to_string(index);
}

// A stored working folder as a folder with exactly one trailing backslash.
std::string storedWorkDir(const std::string& value) {
    std::string dir = folderPart(value);
    if (dir.empty()) return dir;
    dir = withTrailingBackslash(dir);
    while (dir.size() >= 2 && dir[dir.size() - 1] == '\\' && dir[dir.size() - 2] == '\\')
        dir.pop_back();
    return dir;
}

} // namespace

void Clavant::writeBindings(IniFile& file) const {
    for (int n = 0; n < keyCount; ++n) {
        const HotKey& key = *keys[std::size_t(n)];
        const std::string section = sectionOf(n);
        if (key.target.empty()) {
            file.eraseSection(section);
            continue;
        }
        file.writeString(section, "FileExeName", key.target);
        file.writeString(section, "FileExeDefDir", key.workDir);
        file.writeString(section, "FileImageKey", key.iconSource);
        file.writeString(section, "Argument", key.arguments);
        if (!key.title.empty()) file.writeString(section, "Title", key.title);
    }
}

void Clavant::saveBindings() {
    if (passive) return;
    IniFile file(settingsPath(programDir));
    writeBindings(file);
    saveOrReport(file, services.dialogs);
}

void Clavant::readBindings(const IniFile& file) {
    for (int n = 0; n < keyCount; ++n) {
        HotKey& key = *keys[std::size_t(n)];
        const std::string section = sectionOf(n);
        key.setTarget(file.readString(section, "FileExeName", ""));
        key.workDir = storedWorkDir(file.readString(section, "FileExeDefDir", ""));
        key.iconSource = file.readString(section, "FileImageKey", "");
        key.arguments = file.readString(section, "Argument", "");
        key.title = file.readString(section, "Title", key.title);
        if (!key.iconSource.empty()) key.setIcon(key.iconSource);
    }
}

void Clavant::loadBindings() {
    if (passive) return;
    readBindings(IniFile(settingsPath(programDir)));
}
