#include "keyboard/path_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

std::string upperExtension(const std::string& path) {
    const auto dot = path.find_last_of(".\\/:");
    if (dot == std::string::npos || path[dot] != '.') return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return ext;
}

std::string withTrailingBackslash(const std::string& path) {
    if (path.empty() || path.back() == '\\') return path;
    return path + '\\';
}

std::optional<int> parseIconIndex(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || text[0] == '-') return std::nullopt;
    return value;
}
