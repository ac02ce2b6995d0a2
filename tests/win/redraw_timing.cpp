// Prints how long one redraw of the whole keyboard takes on a DIB canvas, with every key bound
// to an icon (each key its own icon, as after binding 104 different programs).
#include "timing_keyboard.h"

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

} // namespace

int main() {
    Win32Shell shell;
    Clavant keyboard;
    keyboard.services.shell = &shell;
    DibCanvas window({681, 201});
    layOutTimingKeyboard(keyboard, window);

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
