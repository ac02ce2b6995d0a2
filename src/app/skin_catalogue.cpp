#include "app/keyboard_application.h"
#include "platform/file_listing.h"
#include "platform/text_case.h"

#include <algorithm>

namespace {

int boundedCount(const IniFile& file, const std::string& section) {
    return std::clamp(file.readInteger(section, "CountSkin", 0), 0, KeyboardApplication::maxSkinsPerSource);
}

std::string skinSection(int n) {
    return "Skin_" + std::to_string(n);
}

bool listed(const std::vector<std::string>& list, const std::string& entry) {
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& e) { return caseBlindEqual(e, entry); });
}

// "C:" or "\\server\share" at the start of a path; empty when it has none.
std::string drivePart(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    if (path.rfind("\\\\", 0) != 0) return {};
    const auto shareStart = path.find('\\', 2);
    if (shareStart == std::string::npos) return path;
    return path.substr(0, path.find('\\', shareStart + 1));
}

std::vector<std::string> folders(const std::string& path) {
    std::vector<std::string> parts;
    for (std::size_t start = 0, end; (end = path.find('\\', start)) != std::string::npos; start = end + 1)
        if (end > start) parts.push_back(path.substr(start, end - start));
    return parts;
}

} // namespace

std::string relativeToProgram(const std::string& path, const std::string& programDir) {
    const std::string drive = drivePart(path);
    if (drive.empty() || !caseBlindEqual(drive, drivePart(programDir))) return path;
    const std::string rest = path.substr(drive.size());
    const auto pathFolders = folders(rest), baseFolders = folders(programDir.substr(drive.size()));
    std::size_t shared = 0;
    while (shared < pathFolders.size() && shared < baseFolders.size() &&
           caseBlindEqual(pathFolders[shared], baseFolders[shared]))
        ++shared;
    std::string relative;
    for (std::size_t i = shared; i < baseFolders.size(); ++i)
        relative += "..\\";
    for (std::size_t i = shared; i < pathFolders.size(); ++i)
        relative += pathFolders[i] + "\\";
    return relative + rest.substr(rest.find_last_of('\\') + 1);
}

void KeyboardApplication::loadSkinCatalogue(const IniFile& settingsFile) {
    const int stored = boundedCount(settingsFile, "Setting");
    for (int n = 1; n <= stored; ++n) {
        skinTitles.push_back(settingsFile.readString(skinSection(n), "Title", "NoName"));
        skinFiles.push_back(
            relativeToProgram(settingsFile.readString(skinSection(n), "FileName", ""), programDir));
    }
    readSkinDescriptions();
}

void KeyboardApplication::readSkinDescriptions() {
    const std::string folder = programDir + "Skin\\";
    for (const std::string& name : listFiles(folder, "Skins*.ini")) {
        const IniFile description(folder + name);
        const int count = boundedCount(description, "Main");
        for (int n = 1; n <= count; ++n) {
            std::string title = description.readString(skinSection(n), "Title", "NoName");
            std::string file = description.readString(skinSection(n), "FileName", "");
            if (listed(skinTitles, title) || listed(skinFiles, file)) continue;
            skinTitles.push_back(std::move(title));
            skinFiles.push_back(std::move(file));
        }
    }
}

void KeyboardApplication::saveSkinCatalogue(IniFile& settingsFile) const {
    for (std::size_t i = 0; i < skinTitles.size(); ++i) {
        const std::string section = skinSection(int(i) + 1);
        settingsFile.writeString(section, "Title", skinTitles[i]);
        settingsFile.writeString(section, "FileName", skinFiles[i]);
    }
}
