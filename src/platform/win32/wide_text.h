#pragma once

#include <string>
#include <string_view>

namespace win32 {

// UTF-8 inside the program, UTF-16 at the Win32 boundary. Invalid sequences become U+FFFD.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

} // namespace win32
