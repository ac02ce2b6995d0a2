#pragma once

#include "keyboard/applet.h"
#include "keyboard/hot_key.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/ini_file.h"
#include "platform/shell.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Whatever shows the skin's colour outside the keyboard picture (the status panel and tool bar).
class SkinColorTarget {
  public:
    virtual ~SkinColorTarget() = default;
    virtual void applySkinColor(Color color, Color fontColor) = 0;
};

// The "Set applet" submenu of the main window's key menu.
class AppletMenu {
  public:
    virtual ~AppletMenu() = default;
    virtual void addApplet(const std::string& title) = 0;
};

// The main window as the dispatcher needs it: its progress bar, its dialogs, its dragging.
class KeyboardHost {
  public:
    virtual ~KeyboardHost() = default;
    virtual void setProgressPosition(int position) = 0;
    // Lets the window handle what is waiting (the progress bar repaints); events may arrive meanwhile.
    virtual void processPendingMessages() = 0;
    // The open-file dialog; nullopt when the user cancels.
    virtual std::optional<std::string> chooseFile() = 0;
    // The folder chooser; nullopt unless the user chose an existing folder.
    virtual std::optional<std::string> chooseFolder() = 0;
    // The key settings dialog for the key at index, shown modally.
    virtual void showKeySettings(int keyIndex) = 0;
    // Moves the borderless window with the pointer until the button is released.
    virtual void dragWindow() = 0;
};

// Kinds of event the main window hands to the dispatcher.
enum class EventKind : std::uint8_t {
    KeyDown = 0,
    KeyUp = 1,
    Hover = 2,
    Click = 3,
    BindFile = 5,
    BindFolder = 6,
    ClearBinding = 7,
    ChangeIcon = 8,
    KeySettings = 9,
    SetApplet = 10,
};

// What the keyboard reaches the platform and the main window through; not owned.
struct KeyboardServices {
    Shell* shell = nullptr;
    Dialogs* dialogs = nullptr;
    Clock* clock = nullptr;
    SkinColorTarget* skinColorTarget = nullptr;
    AppletMenu* appletMenu = nullptr;
    KeyboardHost* host = nullptr;
};

// The keyboard: the skin picture, the keys cut from it and the state of the key being held.
class Clavant {
  public:
    static constexpr int maxKeys = 128;
    static constexpr int maxApplets = 256;

    bool passive = false;
    int areaWidth = 0;
    int areaHeight = 0;
    int keyWidth = 0;
    int keyHeight = 0;
    int iconWidth = 0;
    int iconHeight = 0;
    int skinWidth = 0;
    int skinHeight = 0;
    Canvas* canvas = nullptr;
    std::string skinFile;
    int hoverCode = 0;
    std::array<std::unique_ptr<HotKey>, maxKeys> keys;
    int keyCount = 0;
    Color labelColor = 0;
    Color labelBackColor = 0;
    int holdTime = 0;
    std::array<Applet, maxApplets> applets;
    std::string programDir;
    int appletCount = 0;
    std::string chosenApplet;
    std::uint32_t pressTick = 0;
    int heldKey = 0;
    Bitmap skin;

    KeyboardServices services;

    void init(bool passive, Canvas* canvas, int areaWidth, int areaHeight, const std::string& skinFile);
    void computeKeySize();
    void buildLayout(const Bitmap& skin);
    void redraw();

    bool loadSkin(const std::string& file);
    bool loadDefaultSkin();
    Color dominantColor() const;
    void changeSkin(const std::string& file);

    // The key bindings in the settings file, one section per bound key.
    void writeBindings(IniFile& file) const;
    void saveBindings();
    void readBindings(const IniFile& file);
    void loadBindings();

    // The one entry of user input: key, pointer and key-menu events (kind as in EventKind).
    void dispatchEvent(int code, int x, int y, std::uint8_t kind);
    void dropFile(Point point, const std::string& fileName);

    void loadApplets();
    void buildAppletMenu();
    Applet findApplet(const std::string& title) const;

  private:
    void linkKeysToColors();

    enum class Drawn { leftOut, normal, highlighted };
    template <typename Rule> std::unique_ptr<Canvas> compose(Rule drawnAs) const;
    int hitKey(int x, int y) const;
    int hitCode(int x, int y) const;
    std::vector<int> group(std::uint32_t code) const;
    std::uint32_t now() const;

    void keyDown(int code);
    void keyUp(int code);
    void hover(int x, int y);
    void click(int x, int y);
    void menuCommand(EventKind kind, int x, int y);
    void changeIcon(int x, int y);
    void keySettings(int x, int y);
    void setApplet(const std::vector<int>& keysOfGroup);
};
