#pragma once

#include <string>
#include <vector>

// Names (not paths) of the files in folder that match a wildcard pattern such as "Skins*.ini",
// compared without regard to case, sorted by name without regard to case so the order is the
// same on every file system. Folder ends with a separator; a missing folder lists nothing.
std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern);
