#pragma once

#include "platform/dialogs.h"
#include "platform/ini_file.h"

#include <string>

// The settings file beside the program: settings, skin catalogue and key bindings.
inline std::string settingsPath(const std::string& programDir) {
    return programDir + "setting.ini";
}

// Writes the file; a refusal is shown to the user, and the file on disk stays as it was.
bool saveOrReport(IniFile& file, Dialogs* dialogs);
