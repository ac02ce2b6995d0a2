#pragma once

#include "app/keyboard_application.h"
#include "keyboard/clavant.h"
#include "platform/win32/panel.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/popup_menu.h"
#include "platform/win32/progress_bar.h"
#include "platform/win32/window.h"

#include <string>
#include <vector>

// The main window: the keyboard picture, the status panel with the progress bar under it and the
// tool bar at the bottom.
class TForm1 : public win32::Window, public MainWindowControl, public SkinColorTarget, public AppletMenu {
  public:
    static constexpr int clientWidth = 681;
    static constexpr int clientHeight = 254;
    static constexpr int toolBarHeight = 36;

    explicit TForm1(KeyboardApplication& application);
    // Creates the window and its controls, hidden, and builds the application on its picture.
    bool create();

    // MainWindowControl
    Point position() override;
    void moveTo(Point topLeft) override;
    Size windowSize() override;
    Size screenSize() override;
    void setToolBarVisible(bool visible) override;
    void setProgressRange(int maximum) override;
    void setProgressPosition(int position) override;
    // SkinColorTarget
    void applySkinColor(Color color, Color fontColor) override;
    // AppletMenu
    void addApplet(const std::string& title) override;

    win32::PictureBox Image1{{681, 201}};
    win32::Panel Panel1;
    win32::ProgressBar ProgressBar1;
    win32::Panel ToolBar1;
    win32::PopupMenu PopupMenu1;
    bool FormActive = false;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void createControls();
    void buildKeyMenu();
    void FormCreate();
    void FormDestroy();

    KeyboardApplication& application_;
    win32::MenuItems Setapplet1{nullptr};
    // The hint of each applet item: the title it applies.
    std::vector<std::string> appletHints_;
    bool toolBarShown_ = true;
};
