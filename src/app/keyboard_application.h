#pragma once

#include "keyboard/clavant.h"
#include "platform/canvas.h"
#include "platform/desktop_session.h"
#include "platform/geometry.h"
#include "platform/ini_file.h"

#include <memory>
#include <string>
#include <vector>

// What the settings act on in the main window.
class MainWindowControl {
  public:
    virtual ~MainWindowControl() = default;
    virtual Point position() = 0;
    virtual void moveTo(Point topLeft) = 0;
    virtual Size windowSize() = 0;
    virtual Size screenSize() = 0;
    // Hiding a shown tool bar makes the window lower by the tool bar's height.
    virtual void setToolBarVisible(bool visible) = 0;
    virtual void setProgressRange(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
};

struct ApplicationServices {
    MainWindowControl* window = nullptr;
    DesktopSession* desktop = nullptr;
    KeyboardServices keyboard;
};

// The one application object: settings, skin catalogue and program folder; owns the keyboard.
class KeyboardApplication {
  public:
    static constexpr const char* autorunValueName = "ZOveVodiz";
    // A description file or the settings file listing more skins than this is not believed.
    static constexpr int maxSkinsPerSource = 4096;

    std::unique_ptr<Clavant> keyboard;
    bool hiddenFromTaskBar = false;
    bool hiddenWhereNotAct = false;
    std::string mask;
    std::string skinName;
    bool inAutoRun = false;
    bool showMenuPanel = false;
    std::vector<std::string> skinTitles;
    std::vector<std::string> skinFiles;
    bool visibleToolBar = false;
    std::string programDir;
    bool busy = false;

    ApplicationServices services;

    void initialise(Canvas* picture, int width, int height);
    void loadSettings();
    // False when the file could not be written (the user has been told).
    bool saveSettings();
    void applySettings();
    void shutdownSave();
    void addAutorun(const std::string& valueName, const std::string& command);
    void removeAutorun(const std::string& valueName);
    void showWindows(WindowHandle window);
    void hideWindows(WindowHandle window);

    void loadSkinCatalogue(const IniFile& settingsFile);
    void saveSkinCatalogue(IniFile& settingsFile) const;

  private:
    void writeSettings(IniFile& file) const;
    void readSkinDescriptions();
};

// A path made relative to the program folder when it lies on the same drive; unchanged otherwise.
std::string relativeToProgram(const std::string& path, const std::string& programDir);
