#pragma once

#include "platform/win32/dib_canvas.h"
#include "platform/win32/window.h"

namespace win32 {

// A child window that shows a picture kept in a DIB: whatever is drawn on its canvas stays and
// is repainted from there.
class PictureBox : public Window {
  public:
    explicit PictureBox(Size size) : canvas(size) {}
    bool create(HWND parent, Point at);

    DibCanvas canvas;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void paint();
};

} // namespace win32
