// Arbitrary bytes as an INI file: reading never fails, text() is what a save writes and reads
// back the same, and a write changes what it writes and nothing else.
#include "platform/ini_file.h"
#include "platform/text_case.h"
#include "platform/text_encoding.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Few names, as every check reads them all; two of them spell one section.
const char* const sections[] = {"Setting", "setting", "Position", "Key57", "main", "S"};
const char* const keys[] = {"x", "TimeExe", "Title", "Argument", "k"};
constexpr std::size_t sectionCount = std::size(sections);
constexpr std::size_t keyCount = std::size(keys);
const std::string missing = "\x01missing";

void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", property);
    std::abort();
}

struct Reading {
    std::string text;
    int integer;
    bool exists;
    bool operator==(const Reading&) const = default;
};

Reading readingOf(const IniFile& ini, std::size_t section, std::size_t key) {
    return {ini.readString(sections[section], keys[key], missing),
            ini.readInteger(sections[section], keys[key], -7), ini.valueExists(sections[section], keys[key])};
}

std::vector<Reading> readAll(const IniFile& ini) {
    std::vector<Reading> all;
    for (std::size_t s = 0; s < sectionCount; ++s)
        for (std::size_t k = 0; k < keyCount; ++k)
            all.push_back(readingOf(ini, s, k));
    return all;
}

std::vector<unsigned char> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A save writes UTF-8 without a byte-order mark, every line ended by CRLF and no other break.
void requireWritableText(const std::string& text) {
    require(isValidUtf8(text), "text() is UTF-8");
    require(!text.starts_with("\xEF\xBB\xBF"), "text() has no byte-order mark");
    require(text.empty() || text.ends_with("\r\n"), "text() ends with a line end");
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') require(i + 1 < text.size() && text[i + 1] == '\n', "CR only before LF");
        if (text[i] == '\n') require(i > 0 && text[i - 1] == '\r', "LF only after CR");
    }
}

// What a save writes reads back as it read before the save.
void requireSameAfterSaving(const IniFile& ini) {
    const std::string text = ini.text();
    requireWritableText(text);
    const IniFile reread = IniFile::fromBytes(bytesOf(text));
    require(reread.text() == text, "text() of the saved text is the same text");
    require(readAll(reread) == readAll(ini), "the saved text reads as the file did");
}

// Choices made from the input, so every input exercises other names and values.
class Choices {
  public:
    explicit Choices(const std::vector<unsigned char>& bytes) {
        for (const unsigned char byte : bytes)
            state_ = (state_ ^ byte) * 0x100000001B3u;
    }
    std::size_t below(std::size_t count) {
        state_ = state_ * 6364136223846793005u + 1442695040888963407u;
        return std::size_t(state_ >> 16) % count;
    }

  private:
    std::uint64_t state_ = 0xCBF29CE484222325u;
};

bool sameSection(std::size_t a, std::size_t b) {
    return caseBlindEqual(sections[a], sections[b]);
}

// A value that is written as it is and read back without its surrounding blanks.
std::string valueToWrite(const IniFile& ini, Choices& choose) {
    const std::vector<std::string> lines = linesOf(ini.text());
    switch (choose.below(3)) {
    case 0:
        if (!lines.empty()) {
            const std::string& line = lines[choose.below(lines.size())];
            if (line.size() <= 2047) return line;
        }
        return "\"C:\\My Files\\a.txt\"";
    case 1:
        return ini.readString(sections[choose.below(sectionCount)], keys[choose.below(keyCount)],
                              " Блокнот ");
    default:
        return std::string(choose.below(3), ' ') + "'quoted'\t";
    }
}

void requireWriteChangesOnlyItsValue(IniFile& ini, Choices& choose) {
    const std::size_t section = choose.below(sectionCount), key = choose.below(keyCount);
    const std::vector<Reading> before = readAll(ini);
    const std::string value = valueToWrite(ini, choose);
    const bool asInteger = choose.below(4) == 0;
    const int number = static_cast<int>(static_cast<std::uint32_t>(choose.below(std::size_t(1) << 32)));
    if (asInteger)
        ini.writeInteger(sections[section], keys[key], number);
    else
        ini.writeString(sections[section], keys[key], value);

    const Reading written = readingOf(ini, section, key);
    require(written.exists && ini.sectionExists(sections[section]), "a written value exists");
    if (asInteger)
        require(written.integer == number && written.text == std::to_string(number), "an integer reads back");
    else
        require(written.text == trimmed(value), "a string reads back without its surrounding blanks");
    const std::vector<Reading> after = readAll(ini);
    for (std::size_t s = 0; s < sectionCount; ++s)
        for (std::size_t k = 0; k < keyCount; ++k)
            if (!sameSection(s, section) || k != key)
                require(after[s * keyCount + k] == before[s * keyCount + k],
                        "a write leaves other values alone");
}

void requireEraseChangesOnlyItsSection(IniFile& ini, Choices& choose) {
    const std::size_t section = choose.below(sectionCount);
    const std::vector<Reading> before = readAll(ini);
    ini.eraseSection(sections[section]);
    const std::vector<Reading> after = readAll(ini);
    for (std::size_t s = 0; s < sectionCount; ++s)
        if (!sameSection(s, section))
            for (std::size_t k = 0; k < keyCount; ++k)
                require(after[s * keyCount + k] == before[s * keyCount + k],
                        "an erase leaves other sections alone");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    IniFile ini = IniFile::fromBytes(bytes);
    requireSameAfterSaving(ini);

    Choices choose(bytes);
    for (int round = 0; round < 4; ++round)
        requireWriteChangesOnlyItsValue(ini, choose);
    requireEraseChangesOnlyItsSection(ini, choose);
    requireSameAfterSaving(ini);
    return 0;
}
