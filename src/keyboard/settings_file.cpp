#include "keyboard/settings_file.h"

bool saveOrReport(IniFile& file, Dialogs* dialogs) {
    if (file.save()) return true;
    if (dialogs) dialogs->showMessage("Unable to write to " + file.path());
    return false;
}
