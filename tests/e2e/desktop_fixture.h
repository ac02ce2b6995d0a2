#pragma once

#include "marlowin_fixture.h"

#include "launch_records.h"

#include "platform/geometry.h"

#include <windows.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

// Keys of the layout on a skin 201 pixels high: index in setting.ini, rectangle in the picture.
namespace keys {
struct Key {
    int index;
    Rect place;
};
inline constexpr Key a{45, {68, 102, 96, 130}};
inline constexpr Key leftCtrl{69, {8, 162, 52, 190}};
inline constexpr Key rightCtrl{76, {412, 162, 456, 190}};
} // namespace keys

// The launcher's notification icon and the message its clicks come back with.
namespace tray {
inline constexpr UINT iconId = 1;
inline constexpr UINT callbackMessage = WM_USER + 1;
} // namespace tray

Point centreOf(Rect rect);

// The launcher where focus, activation and the notification area are real: on a virtual desktop
// that every test of the process shares, at the top-left corner of the screen, its keys bound to
// launch_recorder.exe, which notes every start in a file of the scratch folder.
class DesktopTest : public MarlowinTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // setting.ini of a test: the window at the screen's corner, a hold time of 300 ms, no
    // autorun, hiding when inactive off unless switched on, and the keys bound to the recorder.
    class Settings {
      public:
        Settings& hideWhenInactive(bool on = true);
        // The tag is the argument the start passes on, to tell the keys' starts apart; the icon
        // file is relative to the scratch folder.
        Settings& bind(keys::Key key, std::string tag, std::string title = {}, std::string iconFile = {});

      private:
        friend class DesktopTest;
        struct Binding {
            keys::Key key;
            std::string tag, title, iconFile;
        };
        bool hideWhenInactive_ = false;
        std::vector<Binding> bindings_;
    };
    void writeSettings(const Settings& settings);

    struct Launcher {
        const e2e::ChildProcess& process;
        HWND window;
    };
    // Starts the launcher and waits until its main window is shown and in the foreground, where
    // the keys go. Throws when it does not get there in time.
    Launcher startInForeground();

    // Starts another program from beside the test program, on the same desktop; ended with the test.
    e2e::ChildProcess& startBesideTests(const std::string& program);

    std::vector<e2e::LaunchRecord> launches() const;
    // The tag of every start so far, once no start has come for a while.
    std::vector<std::string> tagsOfSettledLaunches(std::size_t expected) const;
    std::filesystem::path workFolder() const { return folder.path() / "work"; }

  private:
    std::deque<e2e::ChildProcess> others_;
};

// The main window's owner: the application window, which hides and shows with it.
HWND applicationWindowOf(HWND mainWindow);

// Waits until the window is hidden and its notification icon is there, or the reverse.
bool waitUntilInTray(HWND mainWindow);
bool waitUntilShownWithoutIcon(HWND mainWindow);
