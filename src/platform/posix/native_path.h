#pragma once

#include <algorithm>
#include <string>

// The program speaks in Windows paths; natively (tests only) a backslash separates folders too.
inline std::string nativePath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
