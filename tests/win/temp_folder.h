#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder under the temp folder, with a Cyrillic name so every path a test makes from it
// needs the UTF-16 boundary to work; removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The UTF-8 path of a name inside the folder.
    std::string file(std::string_view name) const;
    // Writes a file inside the folder and gives its UTF-8 path.
    std::string write(std::string_view name, std::string_view content) const;

  private:
    std::filesystem::path path_;
};

std::string utf8Path(const std::filesystem::path& path);
std::filesystem::path pathOf(std::string_view utf8);
