#pragma once

#include <string>
#include <string_view>

// Bytes in the system's ANSI code page, as UTF-8. A system without one (POSIX) reads Windows-1251,
// the code page of the files this program's users keep.
std::string ansiToUtf8(std::string_view bytes);
