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
#include <string>

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

// What the keyboard reaches the platform and the main window through; not owned.
struct KeyboardServices {
    Shell* shell = nullptr;
    Dialogs* dialogs = nullptr;
    Clock* clock = nullptr;
    SkinColorTarget* skinColorTarget = nullptr;
    AppletMenu* appletMenu = nullptr;
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

    void loadApplets();
    void buildAppletMenu();
    Applet findApplet(const std::string& title) const;

private:
    void linkKeysToColors();
};
