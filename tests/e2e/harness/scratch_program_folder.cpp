#include "scratch_program_folder.h"

#include "platform/win32/wide_text.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace e2e {

std::filesystem::path pathOf(std::string_view utf8) {
    return win32::toWide(utf8);
}

std::string utf8Of(const std::filesystem::path& path) {
    return win32::toUtf8(path.wstring());
}

std::optional<std::string> readFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::filesystem::path shippedProgramFolder() {
    wchar_t configured[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"MARLOWIN_PROGRAM_DIR", configured, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return std::filesystem::path(configured).make_preferred();
    return pathOf(MARLOWIN_E2E_PROGRAM_DIR).make_preferred();
}

ScratchProgramFolder::ScratchProgramFolder(const std::filesystem::path& from) {
    if (!std::filesystem::is_regular_file(from / "Marlowin.exe"))
        throw std::runtime_error("no Marlowin.exe in " + utf8Of(from));
    static int made = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("marlowin-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::copy(from, path_, std::filesystem::copy_options::recursive);
}

ScratchProgramFolder::~ScratchProgramFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ScratchProgramFolder::write(std::string_view relative, std::string_view bytes) const {
    const std::filesystem::path file = path_ / pathOf(relative);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + utf8Of(file));
    return file;
}

std::filesystem::path ScratchProgramFolder::copy(const std::filesystem::path& from,
                                                 std::string_view relative) const {
    const std::filesystem::path file = path_ / pathOf(relative);
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::copy_file(from, file, std::filesystem::copy_options::overwrite_existing);
    return file;
}

std::optional<std::string> ScratchProgramFolder::readSettings() const {
    return readFileBytes(settingsFile());
}

void ScratchProgramFolder::setSettingsReadOnly(bool readOnly) const {
    if (!SetFileAttributesW(settingsFile().c_str(),
                            readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL))
        throw std::runtime_error("cannot change the attributes of " + utf8Of(settingsFile()));
}

} // namespace e2e
