#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace e2e {

// The program folder the build made (Marlowin.exe, Skin\, icons\): MARLOWIN_PROGRAM_DIR when set,
// else the folder this harness was built against.
std::filesystem::path shippedProgramFolder();

// A private copy of the program folder in a fresh temporary folder, so each test starts the program
// with its own setting.ini. Removed with everything in it, read-only files included.
class ScratchProgramFolder {
  public:
    explicit ScratchProgramFolder(const std::filesystem::path& from = shippedProgramFolder());
    ~ScratchProgramFolder();
    ScratchProgramFolder(const ScratchProgramFolder&) = delete;
    ScratchProgramFolder& operator=(const ScratchProgramFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path program() const { return path_ / "Marlowin.exe"; }
    std::filesystem::path settingsFile() const { return path_ / "setting.ini"; }

    // A file at a UTF-8 path relative to the folder, with its folders made; gives its full path.
    std::filesystem::path write(std::string_view relative, std::string_view bytes) const;
    std::filesystem::path copy(const std::filesystem::path& from, std::string_view relative) const;

    void writeSettings(std::string_view bytes) const { write("setting.ini", bytes); }
    // The bytes of setting.ini, or nothing when there is no such file.
    std::optional<std::string> readSettings() const;
    void setSettingsReadOnly(bool readOnly) const;

  private:
    std::filesystem::path path_;
};

std::filesystem::path pathOf(std::string_view utf8);
std::string utf8Of(const std::filesystem::path& path);
std::optional<std::string> readFileBytes(const std::filesystem::path& file);

} // namespace e2e
