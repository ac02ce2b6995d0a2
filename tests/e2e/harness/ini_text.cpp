#include "ini_text.h"

#include <algorithm>

namespace e2e {

bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

std::vector<IniSection> parseIni(std::string_view text) {
    std::vector<IniSection> sections;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.find(']') != std::string::npos) {
            sections.push_back({line.substr(1, line.find(']') - 1), {}, {}});
            continue;
        }
        if (sections.empty()) continue;
        sections.back().lines.push_back(line);
        if (const std::size_t equals = line.find('='); equals != std::string::npos)
            sections.back().keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    return sections;
}

const IniSection* findSection(const std::vector<IniSection>& sections, std::string_view name) {
    const auto found =
        std::ranges::find_if(sections, [&](const IniSection& s) { return sameName(s.header, name); });
    return found == sections.end() ? nullptr : &*found;
}

std::optional<std::string> valueOf(const IniSection& section, std::string_view key) {
    for (const auto& [name, value] : section.keys)
        if (sameName(name, key)) return value;
    return std::nullopt;
}

std::vector<std::string> keyNames(const IniSection& section) {
    std::vector<std::string> names;
    for (const auto& entry : section.keys)
        names.push_back(entry.first);
    return names;
}

} // namespace e2e
