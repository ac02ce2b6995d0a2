#include "keyboard/builtin_skin.h"
#include "keyboard/clavant.h"
#include "keyboard/dominant_color.h"
#include "keyboard/path_text.h"
#include "platform/file_system.h"
#include "platform/image_decoder.h"

namespace {

std::optional<Bitmap> decodeSkinFile(const std::string& file) {
    const auto data = readWholeFile(file);
    if (!data) return std::nullopt;
    const std::string ext = upperExtension(file);
    return ext == ".JPG" || ext == ".JPEG" ? decodeJpeg(*data) : decodeBmp(*data);
}

const Bitmap& builtInSkin() {
    static const Bitmap picture = decodeBmp(builtInSkinBmp()).value_or(Bitmap());
    return picture;
}

}  // namespace

bool Clavant::loadSkin(const std::string& file) {
    skinFile = file;
    skin = Bitmap();
    // A file that cannot be read or decoded is treated as missing: the keyboard is always whole.
    if (auto picture = decodeSkinFile(file)) {
        skin = std::move(*picture);
    } else {
        if (services.dialogs) services.dialogs->showMessage("Ошибка загрузки скина");
        loadDefaultSkin();
    }
    const Color c = dominantColor();
    if (services.skinColorTarget) services.skinColorTarget->applySkinColor(c, c ^ 0xFFFFFF);
    return true;
}

bool Clavant::loadDefaultSkin() {
    skinFile.clear();
    skin = builtInSkin();
    if (services.dialogs) services.dialogs->showMessage("Загружен скин по умолчанию");
    return true;
}

Color Clavant::dominantColor() const { return ::dominantColor(skin); }

// Also the second half of init: everything from the skin on.
void Clavant::changeSkin(const std::string& file) {
    loadSkin(file);
    skinWidth = skin.width();
    skinHeight = skin.height();
    if (!passive) buildLayout(skin);
    loadBindings();
    redraw();
    linkKeysToColors();
}
