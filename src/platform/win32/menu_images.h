#pragma once

#include "platform/win32/unique_handle.h"

#include <vector>

namespace win32 {

// Pictures beside menu captions, drawn by the menu's owner window with their alpha (menus of
// some systems draw a bitmap without it, on black). The owner passes WM_MEASUREITEM and
// WM_DRAWITEM here.
class MenuImages {
  public:
    // Takes a premultiplied 32-bit bitmap; its index is the number of images before it.
    void add(UniqueBitmap image);
    int count() const { return int(images_.size()); }
    HBITMAP image(int index) const;

    // Shows image `index` beside a menu item, by command number or by position.
    void attach(HMENU menu, UINT item, bool byPosition, int index) const;
    // True when the message was about one of these images and has been answered.
    bool handle(UINT message, LPARAM lParam) const;

  private:
    std::vector<UniqueBitmap> images_;
};

} // namespace win32
