#include "platform/ini_file.h"

#include "platform/file_system.h"
#include "platform/text_case.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

namespace {

// What the profile functions read of a value: a buffer of 2048 wide characters.
constexpr std::size_t longestValue = 2047;
constexpr std::string_view lineEnd = "\r\n";

enum class LineKind { other, section, key };

// One line of the file, kept as it stands so that rewriting changes only what was written.
struct Line {
    std::string text;
    LineKind kind = LineKind::other;
    std::string name;
    std::string foldedName; // what names are matched by
    std::string value;
};

bool isBlank(char c) {
    // 0x1A, the old end-of-file mark, is a blank to the profile functions too.
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

Line parseLine(std::string text) {
    Line line;
    line.text = std::move(text);
    const std::string_view content = trimmed(line.text);
    if (content.empty() || content.front() == ';') return line;
    if (content.front() == '[') {
        if (const auto close = content.find(']'); close != std::string_view::npos) {
            line.kind = LineKind::section;
            line.name = trimmed(content.substr(1, close - 1));
            line.foldedName = foldCase(line.name);
            return line;
        }
    }
    // A name without "=" is no key to the profile functions: it reads as missing.
    const auto equals = content.find('=');
    if (equals == std::string_view::npos) return line;
    line.kind = LineKind::key;
    line.name = trimmed(content.substr(0, equals));
    line.foldedName = foldCase(line.name);
    line.value = trimmed(content.substr(equals + 1));
    return line;
}

std::vector<Line> linesOf(std::string_view text) {
    std::vector<Line> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.push_back(parseLine(std::string(text.substr(start, end - start))));
        start = end + (text.substr(end, 2) == lineEnd ? 2 : 1);
    }
    return lines;
}

// Joined by appending: GCC 12 warns falsely (-Wrestrict) on "literal" + std::string.
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts)
        text += part;
    return text;
}

std::string storable(const std::string& value) {
    std::string valid = validUtf8(value);
    valid.resize(std::min(valid.find_first_of("\r\n"), valid.size()));
    return valid;
}

template <typename Number> std::optional<Number> wholeNumber(std::string_view text, int base) {
    Number number{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number, base);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return number;
}

std::optional<int> parseInteger(std::string_view text) {
    std::optional<std::uint32_t> hexadecimal;
    if (text.starts_with('$'))
        hexadecimal = wholeNumber<std::uint32_t>(text.substr(1), 16);
    else if (text.starts_with("0x") || text.starts_with("0X"))
        hexadecimal = wholeNumber<std::uint32_t>(text.substr(2), 16);
    else
        return wholeNumber<int>(text, 10);
    // Eight hexadecimal digits fill all 32 bits: $FFFFFFFF is -1.
    if (!hexadecimal) return std::nullopt;
    return static_cast<int>(*hexadecimal);
}

// Our own writes always end in a line end, so a temporary file cut short by a crash shows it
// (unless the cut falls just after a line end; then it holds whole lines of the new content).
bool isWholeSave(const std::vector<unsigned char>& bytes) {
    return bytes.size() >= 2 && bytes[bytes.size() - 2] == '\r' && bytes.back() == '\n';
}

} // namespace

struct IniFile::Content {
    std::vector<Line> lines;
    bool changed = false;
    // False when the file is there but could not be read: saving would replace what it holds.
    bool writable = true;

    explicit Content(std::span<const unsigned char> bytes) : lines(linesOf(decodeText(bytes))) {}

    std::optional<std::size_t> sectionStart(std::string_view name) const {
        const std::string wanted = foldCase(name);
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].kind == LineKind::section && lines[i].foldedName == wanted) return i;
        return std::nullopt;
    }

    std::size_t sectionEnd(std::size_t start) const {
        std::size_t end = start + 1;
        while (end < lines.size() && lines[end].kind != LineKind::section)
            ++end;
        return end;
    }

    std::optional<std::size_t> keyLine(std::size_t start, std::string_view key) const {
        const std::string wanted = foldCase(key);
        for (std::size_t i = start + 1, end = sectionEnd(start); i < end; ++i)
            if (lines[i].kind == LineKind::key && lines[i].foldedName == wanted) return i;
        return std::nullopt;
    }

    std::optional<std::size_t> keyLine(std::string_view section, std::string_view key) const {
        const auto start = sectionStart(trimmed(section));
        return start ? keyLine(*start, trimmed(key)) : std::nullopt;
    }

    // Where a new key goes: after the last line of the section that is not blank.
    std::size_t endOfKeys(std::size_t start) const {
        std::size_t last = start;
        for (std::size_t i = start + 1, end = sectionEnd(start); i < end; ++i)
            if (!trimmed(lines[i].text).empty()) last = i;
        return last + 1;
    }

    void insert(std::size_t at, std::string text) {
        lines.insert(lines.begin() + std::ptrdiff_t(at), parseLine(std::move(text)));
        changed = true;
    }
};

IniFile::IniFile(std::string path) : path_(std::move(path)), content_(nullptr) {
    if (auto bytes = readWholeFile(path_)) {
        content_ = std::make_unique<Content>(*bytes);
    } else if (fileExists(path_)) {
        content_ = std::make_unique<Content>(std::span<const unsigned char>());
        content_->writable = false;
    } else if (auto staged = readWholeFile(temporaryPath(path_)); staged && isWholeSave(*staged)) {
        // An interrupted save left the new content whole but not yet in place.
        content_ = std::make_unique<Content>(*staged);
        content_->changed = true;
    } else {
        content_ = std::make_unique<Content>(std::span<const unsigned char>());
    }
}

IniFile::IniFile(std::string path, std::unique_ptr<Content> content)
    : path_(std::move(path)), content_(std::move(content)) {}

IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

IniFile IniFile::fromBytes(const std::vector<unsigned char>& bytes) {
    return IniFile(std::string(), std::make_unique<Content>(bytes));
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
    const auto line = content_->keyLine(section, key);
    if (!line) return fallback;
    return std::string(firstUtf16Units(content_->lines[*line].value, longestValue));
}

int IniFile::readInteger(const std::string& section, const std::string& key, int fallback) const {
    const auto line = content_->keyLine(section, key);
    if (!line) return fallback;
    return parseInteger(firstUtf16Units(content_->lines[*line].value, longestValue)).value_or(fallback);
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::sectionExists(const std::string& section) const {
    return content_->sectionStart(trimmed(section)).has_value();
}

bool IniFile::valueExists(const std::string& section, const std::string& key) const {
    return content_->keyLine(section, key).has_value();
}

void IniFile::writeString(const std::string& section, const std::string& key, const std::string& value) {
    const std::string_view sectionName = trimmed(section);
    const std::string_view keyName = trimmed(key);
    const std::string entry = joined({"=", storable(value)});
    Content& content = *content_;
    const auto start = content.sectionStart(sectionName);
    if (!start) {
        content.insert(content.lines.size(), joined({"[", sectionName, "]"}));
        content.insert(content.lines.size(), joined({keyName, entry}));
    } else if (const auto line = content.keyLine(*start, keyName)) {
        // The name keeps the spelling it has in the file.
        std::string text = joined({content.lines[*line].name, entry});
        if (text == content.lines[*line].text) return;
        content.lines[*line] = parseLine(std::move(text));
        content.changed = true;
    } else {
        content.insert(content.endOfKeys(*start), joined({keyName, entry}));
    }
}

void IniFile::writeInteger(const std::string& section, const std::string& key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(const std::string& section) {
    Content& content = *content_;
    // Every section of the name goes: a later twin would otherwise be read in its place, and a
    // key the user cleared would come back bound at the next start.
    while (const auto start = content.sectionStart(trimmed(section))) {
        content.lines.erase(content.lines.begin() + std::ptrdiff_t(*start),
                            content.lines.begin() + std::ptrdiff_t(content.sectionEnd(*start)));
        content.changed = true;
    }
}

bool IniFile::save() {
    if (!content_->changed) return true;
    if (!content_->writable || path_.empty()) return false;
    const std::string bytes = text();
    if (!replaceFile(path_, std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())))
        return false;
    content_->changed = false;
    return true;
}

std::string IniFile::text() const {
    std::string text;
    for (const Line& line : content_->lines)
        (text += line.text) += lineEnd;
    return text;
}
