#pragma once

#include "platform/geometry.h"

#include <windows.h>

namespace win32 {

// The system's progress bar control; the window is its parent's to destroy.
class ProgressBar {
  public:
    bool create(HWND parent, Rect place);
    HWND handle() const { return hwnd_; }
    void setRange(int maximum);
    void setPosition(int position);
    int position() const;

  private:
    HWND hwnd_ = nullptr;
};

} // namespace win32
