#include "platform/text_encoding.h"

#include "platform/ansi_code_page.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;
constexpr char32_t byteOrderMark = 0xFEFF;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string utf16ToUtf8(std::span<const unsigned char> bytes, bool bigEndian) {
    std::string utf8;
    utf8.reserve(bytes.size());
    const auto unitAt = [&](std::size_t i) -> char32_t {
        return bigEndian ? char32_t(bytes[i] << 8 | bytes[i + 1]) : char32_t(bytes[i + 1] << 8 | bytes[i]);
    };
    // An odd last byte is half a unit: nothing can be made of it.
    const std::size_t end = bytes.size() & ~std::size_t(1);
    for (std::size_t i = 0; i < end; i += 2) {
        const char32_t unit = unitAt(i);
        if (isHighSurrogate(unit) && i + 2 < end && isLowSurrogate(unitAt(i + 2))) {
            appendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(utf8, replacementCharacter);
        } else {
            appendUtf8(utf8, unit);
        }
    }
    return utf8;
}

bool startsWith(std::span<const unsigned char> bytes, std::initializer_list<unsigned char> prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// A byte-order mark repeated after the first one (a file saved by two tools in turn) would
// otherwise hide the first section line.
std::string withoutLeadingByteOrderMarks(std::string text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t next = start;
        if (nextCodePoint(text, next) != byteOrderMark) break;
        start = next;
    }
    return text.erase(0, start);
}

std::string decodeWithoutMarks(std::span<const unsigned char> bytes) {
    if (startsWith(bytes, {0xFF, 0xFE})) return utf16ToUtf8(bytes.subspan(2), false);
    if (startsWith(bytes, {0xFE, 0xFF})) return utf16ToUtf8(bytes.subspan(2), true);
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) bytes = bytes.subspan(3);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (isValidUtf8(text)) return std::string(text);
    return ansiToUtf8(text);
}

} // namespace

std::optional<char32_t> nextCodePoint(std::string_view utf8, std::size_t& position) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byteAt(position);
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++position;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, smallest = 0x10000;
    }
    if (length == 0 || position + length > utf8.size()) {
        ++position;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byteAt(position + i))) {
            ++position;
            return std::nullopt;
        }
        codePoint = codePoint << 6 | (byteAt(position + i) & 0x3F);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        ++position;
        return std::nullopt;
    }
    position += length;
    return codePoint;
}

void appendUtf8(std::string& utf8, char32_t codePoint) {
    const auto put = [&](unsigned value) { utf8.push_back(static_cast<char>(value)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | codePoint >> 6);
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | codePoint >> 12);
        put(0x80 | (codePoint >> 6 & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | codePoint >> 18);
        put(0x80 | (codePoint >> 12 & 0x3F));
        put(0x80 | (codePoint >> 6 & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t position = 0; position < text.size();)
        if (!nextCodePoint(text, position)) return false;
    return true;
}

std::string validUtf8(std::string_view text) {
    if (isValidUtf8(text)) return std::string(text);
    std::string valid;
    for (std::size_t position = 0; position < text.size();)
        appendUtf8(valid, nextCodePoint(text, position).value_or(replacementCharacter));
    return valid;
}

std::string_view firstUtf16Units(std::string_view utf8, std::size_t count) {
    std::size_t units = 0;
    std::size_t position = 0;
    while (position < utf8.size()) {
        std::size_t next = position;
        const auto codePoint = nextCodePoint(utf8, next);
        units += codePoint && *codePoint >= 0x10000 ? 2 : 1;
        if (units > count) break;
        position = next;
    }
    return utf8.substr(0, position);
}

std::string decodeText(std::span<const unsigned char> bytes) {
    return withoutLeadingByteOrderMarks(decodeWithoutMarks(bytes));
}
