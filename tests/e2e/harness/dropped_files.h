#pragma once

#include "platform/geometry.h"

#include <windows.h>

#include <filesystem>
#include <vector>

namespace e2e {

// Files dropped on a window of another process, as the shell drops them: WM_DROPFILES with a
// DROPFILES block of wide paths and the drop point in client coordinates. The block is written
// into the receiving process, where DragQueryFile reads it: a handle of this process means
// nothing there (under Wine the receiver reads garbage from it). DragFinish cannot free a block
// that its heap did not make, so the block stays until the process ends.
void dropFiles(HWND window, Point client, const std::vector<std::filesystem::path>& files);

} // namespace e2e
