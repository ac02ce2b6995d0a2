#include "timing_keyboard.h"

#include <string>

void layOutTimingKeyboard(Clavant& keyboard, DibCanvas& window) {
    keyboard.skin = Bitmap(681, 201);
    for (Color& pixel : keyboard.skin.pixels())
        pixel = 0x6090B0;
    keyboard.skinWidth = keyboard.skin.width();
    keyboard.skinHeight = keyboard.skin.height();
    keyboard.areaWidth = 681;
    keyboard.areaHeight = 201;
    keyboard.canvas = &window;
    keyboard.buildLayout(keyboard.skin);
}

void bindEveryKey(Clavant& keyboard, Shell& shell) {
    const std::string library = shell.expandEnvironment("%SystemRoot%\\system32\\shell32.dll");
    for (int i = 0; i < keyboard.keyCount; ++i) {
        HotKey& key = *keyboard.keys[std::size_t(i)];
        key.setTarget(library);
        key.setIcon(library + "?" + std::to_string(i));
        if (!key.icon) key.setIcon(library + "?" + std::to_string(i % 8));
    }
}
