#include "platform/text_case.h"

#include <cstdint>

namespace {

// Decodes one UTF-8 sequence at text[i]; an invalid byte is taken as a code point of its own
// value above the Unicode range, so it never folds and never matches a real letter.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return std::uint8_t(text[k]); };
    const std::uint8_t lead = byte(i);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + std::size_t(length) > text.size()) {
        ++i;
        return 0x110000 + lead;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + std::size_t(k)) & 0xC0) != 0x80) {
            ++i;
            return 0x110000 + lead;
        }
        cp = cp << 6 | (byte(i + std::size_t(k)) & 0x3F);
    }
    i += std::size_t(length);
    return cp;
}

char32_t lower(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;  // Latin-1
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32; // Greek
    if (c >= 0x410 && c <= 0x42F) return c + 32;               // Cyrillic А..Я
    if (c >= 0x400 && c <= 0x40F) return c + 80;               // Ѐ..Џ (Ё)
    return c;
}

void append(std::string& out, char32_t c) {
    if (c >= 0x110000) {
        out += char(c - 0x110000);
    } else if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string foldCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        append(out, lower(nextCodePoint(utf8, i)));
    return out;
}

bool caseBlindEqual(std::string_view a, std::string_view b) {
    return foldCase(a) == foldCase(b);
}

bool caseBlindLess(std::string_view a, std::string_view b) {
    return foldCase(a) < foldCase(b);
}
