#pragma once

#include "platform/geometry.h"
#include "platform/win32/mouse_events.h"
#include "platform/win32/window.h"

#include <functional>

namespace win32 {

// A flat button that shows only its glyph and lights up under the pointer. It never takes the
// keyboard focus: keys stay with the window that has it.
class SpeedButton : public Window {
  public:
    bool create(HWND parent, Rect place);
    // A premultiplied 32-bit bitmap, centred; it stays the caller's and must outlive the button.
    void setGlyph(HBITMAP glyph);
    // The colour of what lies under the button, so it looks flat on it.
    void setBackground(COLORREF color);

    // The left button went up over the button after it went down there.
    std::function<void()> onClick;
    MouseEvents mouse;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void mouseMoved(LPARAM lParam);
    void setState(bool hot, bool pressed);
    bool contains(LPARAM lParam) const;
    void paint();
    void paintFace(HDC dc, RECT area) const;

    HBITMAP glyph_ = nullptr;
    COLORREF background_ = GetSysColor(COLOR_BTNFACE);
    bool hot_ = false;
    bool pressed_ = false;
    bool tracking_ = false;
};

} // namespace win32
