#pragma once

#include "platform/geometry.h"
#include "platform/win32/window.h"

#include <functional>
#include <string>

namespace win32 {

// A flat coloured area with an optional one-line caption; presses on it are reported so the
// form can let the user drag the window by it.
class Panel : public Window {
  public:
    bool create(HWND parent, Rect place, const std::wstring& caption = {}, Point captionAt = {});
    void setColors(COLORREF background, COLORREF text);
    void setCaption(const std::wstring& caption);

    // Button (WM_LBUTTONDOWN, WM_RBUTTONDOWN or WM_MBUTTONDOWN) pressed on the panel.
    std::function<void(UINT button)> onMouseDown;
    std::function<void()> onMouseMove;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void paint();

    COLORREF background_ = GetSysColor(COLOR_BTNFACE);
    COLORREF text_ = GetSysColor(COLOR_BTNTEXT);
    std::wstring caption_;
    Point captionAt_;
};

} // namespace win32
