#pragma once

#include "app/keyboard_application.h"
#include "forms/hook_component.h"
#include "forms/tray_icon.h"
#include "keyboard/clavant.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/label.h"
#include "platform/win32/menu_images.h"
#include "platform/win32/mouse_events.h"
#include "platform/win32/panel.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/popup_menu.h"
#include "platform/win32/progress_bar.h"
#include "platform/win32/speed_button.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/window.h"
#include "platform/win32/window_subclass.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The main window: the keyboard picture, the status panel with the progress bar under it and the
// tool bar at the bottom; the notification-area icon and the keyboard hook component.
class TForm1 : public win32::Window,
               public MainWindowControl,
               public SkinColorTarget,
               public AppletMenu,
               public KeyboardHost {
  public:
    static constexpr int clientWidth = 681;
    static constexpr int clientHeight = 254;
    static constexpr int toolBarHeight = 36;

    // The dialogs the window opens that are made elsewhere; each does nothing while unset.
    struct Dialogs {
        std::function<void()> settings;                     // Form2, modal
        std::function<void()> about;                        // AboutFrm, modal
        std::function<std::optional<std::string>()> folder; // dirDialog: the chosen folder
        std::function<void(int keyIndex)> keySettings;      // Form4, modal
    };

    TForm1(KeyboardApplication& application, Win32Shell& shell, HWND applicationWindow);
    // Creates the window and its controls, hidden, and builds the application on its picture.
    bool create();

    // MainWindowControl
    Point position() override;
    void moveTo(Point topLeft) override;
    Size windowSize() override;
    Size screenSize() override;
    void setToolBarVisible(bool visible) override;
    void setProgressRange(int maximum) override;
    // MainWindowControl and KeyboardHost
    void setProgressPosition(int position) override;
    // SkinColorTarget
    void applySkinColor(Color color, Color fontColor) override;
    // AppletMenu
    void addApplet(const std::string& title) override;
    // KeyboardHost
    void processPendingMessages() override;
    std::optional<std::string> chooseFile() override;
    std::optional<std::string> chooseFolder() override;
    void showKeySettings(int keyIndex) override;
    void dragWindow() override;

    // The status line's text, written only when it changes.
    void ShowStatus(const std::string& text);
    // Shell_NotifyIcon: 1 adds the icon, 2 deletes it, 3 modifies it.
    void Trayn(int kind, HICON icon);

    Dialogs dialogs;

    win32::PictureBox Image1{{681, 201}};
    win32::Panel ToolBar1;
    win32::SpeedButton SpeedButton4, SpeedButton5, SpeedButton6, SpeedButton7, SpeedButton8;
    win32::Label Label1;
    win32::Panel Panel1;
    win32::SpeedButton SpeedButton1, SpeedButton2, SpeedButton3;
    win32::Label Label2;
    win32::ProgressBar ProgressBar1;
    win32::OpenFileDialog OpenFile;
    win32::PopupMenu PopupMenu1;
    win32::PopupMenu PopupMenu2;
    // The two glyphs of SpeedButton5: hiding when inactive off and on.
    win32::UniqueBitmap Image2, Image3;
    // The eight menu icons.
    win32::MenuImages ImageList1;
    bool FormActive = false;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Creation (main_form.cpp)
    void createControls();
    void createToolBar();
    void createPanel();
    void paintPictures();
    void buildKeyMenu();
    void buildTrayMenu();
    void connectStatusAndDragging();
    void FormCreate();
    void loadHookComponent();
    void FormDestroy();
    void endSession(bool ending);

    // Input forwarded to the keyboard (main_form_input.cpp)
    Clavant* keyboard() const;
    void FormKeyDown(int code);
    void FormKeyUp(int code);
    void Image1MouseMove(Point at);
    void Image1MouseDown(UINT button, Point at);
    void Timer1Timer();
    void dropFiles(HDROP drop);
    void menuCommand(UINT id);
    Point menuPoint() const;

    // Buttons (main_form_buttons.cpp)
    void SpeedButton1Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void closeWindow();
    void refreshHideGlyph();
    void dragByControl(UINT button);

    // Hiding and the notification area (main_form_tray.cpp)
    void hideSequence();
    void minimizeToTray();
    void trayCallback(UINT mouseMessage);
    void restoreFromTray();
    void ApplicationEvents1Deactivate();
    void AppMinimize();

    KeyboardApplication& application_;
    Win32Shell& shell_;
    HWND applicationWindow_;
    TrayIcon tray_{nullptr};
    HookComponent hook_;
    win32::UniqueIcon applicationIcon_;
    win32::UniqueFont formFont_, toolBarFont_;
    // Glyphs of the other buttons.
    win32::UniqueBitmap settingsGlyph_, aboutGlyph_, helpGlyph_, closeGlyph_;
    win32::UniqueBitmap hideToolBarGlyph_, showToolBarGlyph_, closeSmallGlyph_, toTrayGlyph_;
    win32::MenuItems Setapplet1{nullptr};
    // The hint of each applet item: the title it applies.
    std::vector<std::string> appletHints_;
    // Where the key menu was opened, in screen coordinates: its commands act on the key there.
    POINT popupPoint_{};
    // Pointer events of the picture and the progress bar, which are not ours to derive from.
    win32::MouseEvents image1Mouse_, progressBar1Mouse_;
    win32::WindowSubclass image1Watch_, progressBar1Watch_, applicationWindowWatch_;
    UINT taskbarCreated_ = 0;
    bool toolBarShown_ = true;
};
