#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The text of a file as UTF-8: UTF-16 (little or big endian) when it starts with that byte-order
// mark, UTF-8 when the bytes are valid UTF-8 (with or without its byte-order mark), the system's
// ANSI code page otherwise. Byte-order marks at the start are dropped.
std::string decodeText(std::span<const unsigned char> bytes);

// The code point at position (below the size), which then moves past it; nullopt for a byte that starts no
// valid sequence (overlong forms and surrogates included), and position moves one byte on.
std::optional<char32_t> nextCodePoint(std::string_view utf8, std::size_t& position);
void appendUtf8(std::string& utf8, char32_t codePoint);

bool isValidUtf8(std::string_view text);
// Each byte that starts no valid sequence becomes U+FFFD.
std::string validUtf8(std::string_view text);

// The longest start of the text that is at most count UTF-16 code units long (what a buffer of
// count + 1 wide characters holds); a surrogate pair is never split.
std::string_view firstUtf16Units(std::string_view utf8, std::size_t count);
