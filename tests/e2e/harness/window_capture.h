#pragma once

#include "platform/geometry.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <vector>

namespace e2e {

// Pixels of a window as the screen shows them, 0x00BBGGRR like every colour in the program.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    Color at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    // How many pixels of the rectangle (clipped to the capture) pass the test.
    int count(Rect area, const std::function<bool(Color)>& test) const;
};

// The client area of a shown, uncovered window, read from the screen DC. PrintWindow does not
// serve for a window of another process: under Wine it reports success and draws nothing.
Capture captureClient(HWND window);

// Captures until one passes the test (a window shows before it has painted) or the time is up;
// gives the last capture either way, for the caller to check and report.
Capture waitForCapture(HWND window, const std::function<bool(const Capture&)>& test,
                       std::chrono::milliseconds limit = std::chrono::seconds(10));

} // namespace e2e
