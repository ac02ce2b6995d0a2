// Prints how long one redraw of the whole keyboard takes on a DIB canvas, with every key bound
// to an icon (each key its own icon, as after binding 104 different programs).
#include "keyboard/clavant.h"
#include "keyboard/layout.h"
#include "platform/win32/dib_canvas.h"
#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsPerRedraw(Clavant& keyboard, int redraws) {
    const auto start = Clock::now();
    for (int i = 0; i < redraws; ++i)
        keyboard.redraw();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / redraws;
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

} // namespace

int main() {
    Win32Shell shell;
    Clavant keyboard;
    keyboard.services.shell = &shell;
    keyboard.skin = Bitmap(681, 201);
    for (Color& pixel : keyboard.skin.pixels())
        pixel = 0x6090B0;
    keyboard.skinWidth = keyboard.skin.width();
    keyboard.skinHeight = keyboard.skin.height();
    keyboard.areaWidth = 681;
    keyboard.areaHeight = 201;
    DibCanvas window({681, 201});
    keyboard.canvas = &window;
    keyboard.buildLayout(keyboard.skin);

    const double plain = millisecondsPerRedraw(keyboard, 200);
    bindEveryKey(keyboard, shell);
    int withIcon = 0;
    for (int i = 0; i < keyboard.keyCount; ++i)
        withIcon += keyboard.keys[std::size_t(i)]->icon != nullptr;
    const double first = millisecondsPerRedraw(keyboard, 1);
    const double bound = millisecondsPerRedraw(keyboard, 200);

    std::printf("keys: %d, with an icon: %d, icon %dx%d\n", keyboard.keyCount, withIcon, keyboard.iconWidth,
                keyboard.iconHeight);
    std::printf("redraw, no key bound:   %.3f ms\n", plain);
    std::printf("redraw, all keys bound: %.3f ms (first one, making each icon's image: %.3f ms)\n", bound,
                first);
    return withIcon == keyboard.keyCount ? 0 : 1;
}
