#include "app/keyboard_application.h"

#include "keyboard/hot_key.h"
#include "keyboard/settings_file.h"

namespace {

// The quotes keep a path with spaces from being taken for a program at its first space.
std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

std::string folderOfProgram(const std::string& programPath) {
    const auto slash = programPath.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : programPath.substr(0, slash);
}

} // namespace

void KeyboardApplication::initialise(Canvas* picture, int width, int height) {
    keyboard = std::make_unique<Clavant>();
    keyboard->services = services.keyboard;
    busy = true;
    programDir = folderOfProgram(services.desktop->programPath()) + "\\";
    loadSettings();
    applySettings();
    keyboard->programDir = programDir;
    keyboard->init(false, picture, width, height, mask);
    keyboard->loadApplets();
    keyboard->buildAppletMenu();
    busy = false;
}

void KeyboardApplication::loadSettings() {
    const IniFile file(settingsPath(programDir));
    MainWindowControl& window = *services.window;
    const Size screen = window.screenSize(), size = window.windowSize();
    const int x = file.readInteger("Position", "x", screen.width / 2 - size.width / 2);
    const int y = file.readInteger("Position", "y", screen.height / 2 - size.height / 2);
    window.moveTo({x, y});
    mask = file.readString("Position", "Mask", programDir + "Skin/WoodEN.jpg");
    skinName = file.readString("Position", "SkinName", "Default");
    keyboard->holdTime = file.readInteger("Setting", "TimeExe", 1000);
    hiddenFromTaskBar = file.readBool("Setting", "hiddenFromTaskBar", true);
    hiddenWhereNotAct = file.readBool("Setting", "hiddenWhereNotAct", true);
    inAutoRun = file.readBool("Setting", "inAutoRun", true);
    showMenuPanel = file.readBool("Setting", "ShowMenuPanel", true);
    visibleToolBar = file.readBool("Setting", "VisibleToolBar", true);
    keyboard->labelColor = Color(file.readInteger("setting", "ColorLabel", 0));
    keyboard->labelBackColor = Color(file.readInteger("setting", "BackgroundColorLabel", 0xFFFFFF));
    skinTitles.clear();
    skinFiles.clear();
    loadSkinCatalogue(file);
}

void KeyboardApplication::writeSettings(IniFile& file) const {
    const Point at = services.window->position();
    file.writeInteger("Position", "x", at.x);
    file.writeInteger("Position", "y", at.y);
    file.writeString("Position", "Mask", mask);
    file.writeString("Position", "SkinName", skinName);
    file.writeBool("Setting", "hiddenFromTaskBar", hiddenFromTaskBar);
    file.writeBool("Setting", "hiddenWhereNotAct", hiddenWhereNotAct);
    file.writeBool("Setting", "inAutoRun", inAutoRun);
    file.writeBool("Setting", "ShowMenuPanel", showMenuPanel);
    file.writeInteger("Setting", "TimeExe", keyboard->holdTime);
    file.writeInteger("Setting", "CountSkin", int(skinTitles.size()));
    file.writeBool("Setting", "VisibleToolBar", visibleToolBar);
    file.writeInteger("setting", "ColorLabel", int(keyboard->labelColor));
    file.writeInteger("setting", "BackgroundColorLabel", int(keyboard->labelBackColor));
    saveSkinCatalogue(file);
}

bool KeyboardApplication::saveSettings() {
    IniFile file(settingsPath(programDir));
    writeSettings(file);
    return saveOrReport(file, services.keyboard.dialogs);
}

void KeyboardApplication::applySettings() {
    if (hiddenFromTaskBar) services.desktop->setToolWindowStyle();
    if (inAutoRun)
        addAutorun(autorunValueName, quoted(services.desktop->programPath()));
    else
        removeAutorun(autorunValueName);
    services.window->setToolBarVisible(visibleToolBar);
    services.window->setProgressRange(keyboard->holdTime);
    services.window->setProgressPosition(0);
}

void KeyboardApplication::shutdownSave() {
    if (busy) return;
    busy = true;
    // Bindings and settings share the file: one replacement carries both.
    IniFile file(settingsPath(programDir));
    if (!keyboard->passive) keyboard->writeBindings(file);
    writeSettings(file);
    saveOrReport(file, services.keyboard.dialogs);
    keyboard.reset();
    skinTitles.clear();
    skinFiles.clear();
}

void KeyboardApplication::addAutorun(const std::string& valueName, const std::string& command) {
    if (services.desktop->writeAutorunValue(valueName, command) == DesktopSession::AutorunWrite::refused) {
        inAutoRun = false;
        if (services.keyboard.dialogs)
            services.keyboard.dialogs->showMessage("Program can not added to autorun");
    }
}

void KeyboardApplication::removeAutorun(const std::string& valueName) {
    services.desktop->deleteAutorunValue(valueName);
}

void KeyboardApplication::showWindows(WindowHandle window) {
    services.desktop->showWindows(window);
}

void KeyboardApplication::hideWindows(WindowHandle window) {
    services.desktop->hideWindows(window);
}
