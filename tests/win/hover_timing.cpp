// Prints how long a hover that moves the highlight to another key group takes on the window's
// DIB canvas, every key bound to its own icon: the composition of the whole keyboard off screen
// and its copy to the window's picture, as the pointer goes back and forth between two keys.
#include "timing_keyboard.h"

#include "keyboard/clavant.h"
#include "platform/win32/dib_canvas.h"
#include "platform/win32/tick_clock.h"
#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Stopwatch = std::chrono::steady_clock;

Point centreOf(const HotKey& key) {
    return {key.x + key.width / 2, key.y + key.height / 2};
}

} // namespace

int main() {
    Win32Shell shell;
    Win32Clock clock;
    Clavant keyboard;
    keyboard.services.shell = &shell;
    keyboard.services.clock = &clock;
    keyboard.labelBackColor = 0xFFFFFF;
    DibCanvas window({681, 201});
    layOutTimingKeyboard(keyboard, window);
    bindEveryKey(keyboard, shell);

    // F and J: bindable keys of different groups in the middle of the keyboard.
    const Point keys[2] = {centreOf(*keyboard.keys[48]), centreOf(*keyboard.keys[51])};
    keyboard.dispatchEvent(0, keys[1].x, keys[1].y, std::uint8_t(EventKind::Hover));
    constexpr int hovers = 400;
    const auto start = Stopwatch::now();
    for (int i = 0; i < hovers; ++i)
        keyboard.dispatchEvent(0, keys[i % 2].x, keys[i % 2].y, std::uint8_t(EventKind::Hover));
    const double each = std::chrono::duration<double, std::milli>(Stopwatch::now() - start).count() / hovers;

    // The same pointer again draws nothing: what a mouse move inside one key costs.
    keyboard.dispatchEvent(0, keys[0].x, keys[0].y, std::uint8_t(EventKind::Hover));
    const auto still = Stopwatch::now();
    for (int i = 0; i < hovers; ++i)
        keyboard.dispatchEvent(0, keys[0].x + i % 3, keys[0].y, std::uint8_t(EventKind::Hover));
    const double same = std::chrono::duration<double, std::micro>(Stopwatch::now() - still).count() / hovers;

    std::printf("hover to another group, all keys bound: %.3f ms\n", each);
    std::printf("hover within the same key:              %.3f us\n", same);
    return 0;
}
