#pragma once

#include "platform/win32/unique_handle.h"

#include <string>

namespace win32 {

// Icon number index of an .ico file (UTF-8 path) (index 0 only), or of a program or library (the index-th
// icon group in resource order; a negative index names the resource number), made at
// pixels x pixels from its nearest image that is not smaller. Null when there is no such icon.
UniqueIcon loadFileIconImage(const std::string& file, int index, int pixels);

} // namespace win32
