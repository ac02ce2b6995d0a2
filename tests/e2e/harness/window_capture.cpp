#include "window_capture.h"

#include "bounded_wait.h"

#include "platform/win32/unique_handle.h"

#include <algorithm>
#include <stdexcept>

namespace e2e {

namespace {

struct ScreenDc {
    ScreenDc() : dc(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC dc;
};

} // namespace

int Capture::count(Rect area, const std::function<bool(Color)>& test) const {
    int n = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, height); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, width); ++x)
            n += test(at(x, y));
    return n;
}

Capture captureClient(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client)) throw std::runtime_error("captureClient: not a window");
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    Capture capture;
    capture.width = client.right;
    capture.height = client.bottom;
    if (capture.width <= 0 || capture.height <= 0) return capture;

    const ScreenDc screen;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const win32::UniqueBitmap bitmap(CreateDIBSection(screen.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win32::UniqueDc memory(CreateCompatibleDC(screen.dc));
    if (!bitmap || !memory) throw std::runtime_error("captureClient: no memory for the picture");
    {
        const win32::Selection selected(memory.get(), bitmap.get());
        if (!BitBlt(memory.get(), 0, 0, capture.width, capture.height, screen.dc, origin.x, origin.y,
                    SRCCOPY))
            throw std::runtime_error("captureClient: BitBlt from the screen failed");
        GdiFlush();
    }
    // A DIB holds 0x00RRGGBB; the program's colours are 0x00BBGGRR.
    const auto* source = static_cast<const std::uint32_t*>(bits);
    capture.pixels.resize(std::size_t(capture.width) * std::size_t(capture.height));
    std::transform(source, source + capture.pixels.size(), capture.pixels.begin(),
                   [](std::uint32_t p) { return Color((p & 0xFF) << 16 | (p & 0xFF00) | (p >> 16 & 0xFF)); });
    return capture;
}

Capture waitForCapture(HWND window, const std::function<bool(const Capture&)>& test,
                       std::chrono::milliseconds limit) {
    Capture last;
    waitUntil(
        limit,
        [&] {
            last = captureClient(window);
            return test(last);
        },
        50ms);
    return last;
}

} // namespace e2e
