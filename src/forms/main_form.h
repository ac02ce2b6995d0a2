#pragma once

#include "keyboard/clavant.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window.h"

// The main window: the keyboard picture with the status panel and the tool bar under it.
class TForm1 : public win32::Window, public SkinColorTarget {
  public:
    static constexpr int clientWidth = 681;
    static constexpr int clientHeight = 254;

    TForm1();
    bool create(Point at);

    void applySkinColor(Color color, Color fontColor) override;

    win32::PictureBox Image1{{681, 201}};

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void paintFrame();

    Color panelColor_;
    win32::UniqueBrush background_;
};
