#pragma once

#include "platform/geometry.h"
#include "platform/win32/mouse_events.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window.h"

#include <string>

namespace win32 {

// One line of text on a plain background, clipped to its place.
class Label : public Window {
  public:
    enum class Alignment { left, centre };

    bool create(HWND parent, Rect place, const std::wstring& caption, Alignment alignment);
    // The font stays the caller's; it must outlive the label.
    void setFont(HFONT font);
    // A caption wider than the label is drawn in a smaller size of the font, not cut off.
    void setShrinkToFit(bool shrink) { shrinkToFit_ = shrink; }
    void setColors(COLORREF background, COLORREF text);
    const std::wstring& caption() const { return caption_; }
    void setCaption(const std::wstring& caption);

    MouseEvents mouse;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void paint();
    // The font that fits the caption into the label's width; null: the label's own font fits.
    UniqueFont fittingFont(HDC dc, int width) const;

    std::wstring caption_;
    Alignment alignment_ = Alignment::left;
    bool shrinkToFit_ = false;
    HFONT font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    COLORREF background_ = GetSysColor(COLOR_BTNFACE);
    COLORREF text_ = GetSysColor(COLOR_BTNTEXT);
};

} // namespace win32
