#include "temp_folder.h"

#include "platform/win32/wide_text.h"

#include <windows.h>

#include <fstream>

std::string utf8Path(const std::filesystem::path& path) {
    return win32::toUtf8(path.wstring());
}
std::filesystem::path pathOf(std::string_view utf8) {
    return win32::toWide(utf8);
}

TempFolder::TempFolder() {
    static int made = 0;
    path_ = std::filesystem::temp_directory_path() /
            pathOf("марлоуин-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::file(std::string_view name) const {
    return utf8Path(path_ / pathOf(name));
}

std::string TempFolder::write(std::string_view name, std::string_view content) const {
    std::ofstream(path_ / pathOf(name), std::ios::binary) << content;
    return file(name);
}
