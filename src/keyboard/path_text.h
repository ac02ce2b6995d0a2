#pragma once

#include <optional>
#include <string>

// Text rules for Windows paths that the keyboard applies itself.

// The extension (from the last dot of the file name), upper-cased in ASCII; empty when none.
std::string upperExtension(const std::string& path);
// path followed by one backslash, unless it already ends with one (or is empty).
std::string withTrailingBackslash(const std::string& path);
// The icon number after "?" of an icon source: all its leading decimal digits; nullopt when
// there is no digit or the number does not fit.
std::optional<int> parseIconIndex(const std::string& text);
