#pragma once

#include "platform/win32/unique_handle.h"

#include <string>

namespace win32 {

// The icon the Explorer shows for a file (UTF-8 path), taken from the smallest system image
// list whose images are at least pixels large, or the largest one. Null when there is none.
UniqueIcon loadShellIconImage(const std::string& path, int pixels);

} // namespace win32
