#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Every window below the parent, at any depth, whose class is the given one.
std::vector<HWND> descendantsOfClass(HWND parent, const std::string& className);

} // namespace e2e
