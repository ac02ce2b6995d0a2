#include "keyboard/clavant.h"
#include "platform/ini_file.h"

#include <algorithm>

void Clavant::loadApplets() {
    const IniFile file(programDir + "Applets.ini");
    // The table has room for so many; a larger count in a hand-edited file is not an error.
    appletCount = std::clamp(file.readInteger("main", "countApplets", 0), 0, maxApplets);
    for (int n = 1; n <= appletCount; ++n) {
        const std::string section = "applet" + std::to_string(n);
        Applet& applet = applets[std::size_t(n - 1)];
        applet.title = file.readString(section, "title", "Unknow program");
        applet.iconSource = file.readString(section, "FileImageKey", programDir + "icons/computadora.ico");
        applet.target = file.readString(section, "FileExeName", "");
        applet.workDir = file.readString(section, "FileExeDefDir", "");
        applet.arguments = file.readString(section, "Argument", "");
    }
}

void Clavant::buildAppletMenu() {
    if (!services.appletMenu) return;
    for (int n = 0; n < appletCount; ++n)
        services.appletMenu->addApplet(applets[std::size_t(n)].title);
}

Applet Clavant::findApplet(const std::string& title) const {
    const auto end = applets.begin() + appletCount;
    const auto found = std::find_if(applets.begin(), end, [&](const Applet& a) { return a.title == title; });
    return found == end ? Applet() : *found;
}
