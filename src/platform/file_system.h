#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Whole-file access by UTF-8 path.
std::optional<std::vector<unsigned char>> readWholeFile(const std::string& path);

// True when a file, not a folder, is at the path.
bool fileExists(const std::string& path);

// Gives the file the bytes as its whole content in one crash-safe step: they are written to
// temporaryPath(path) and reach the disk, and then that file takes the old one's place, so the
// path always holds either the old content or the new. False, with the file as it was and no
// temporary file left, when that cannot be done: a read-only file, a folder in the way, a full
// disk. Only a crash can leave the temporary file behind.
bool replaceFile(const std::string& path, std::span<const unsigned char> bytes);

inline std::string temporaryPath(const std::string& path) {
    return path + ".tmp";
}
