#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace e2e {

// A plain reading of an INI file's text, independent of the program's own INI engine, so a
// fault there cannot hide itself in what a test checks.
struct IniSection {
    std::string header;                                    // the name as written between the brackets
    std::vector<std::string> lines;                        // every line after the header, as written
    std::vector<std::pair<std::string, std::string>> keys; // name=value lines, split at the first '='
};

std::vector<IniSection> parseIni(std::string_view text);

// Names compare without regard to ASCII letter case, as the profile functions compare them.
const IniSection* findSection(const std::vector<IniSection>& sections, std::string_view name);
std::optional<std::string> valueOf(const IniSection& section, std::string_view key);
std::vector<std::string> keyNames(const IniSection& section);
bool sameName(std::string_view a, std::string_view b);

} // namespace e2e
