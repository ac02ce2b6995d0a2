#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Whole-file access by UTF-8 path.
std::optional<std::vector<unsigned char>> readWholeFile(const std::string& path);
