// The floor for the start-up benchmark: a program that opens one borderless window of the
// launcher's size and paints a 681 x 201 picture into it from a DIB section in one BitBlt, as
// the launcher does, with nothing to load first.
#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <cstdint>

namespace {

constexpr int width = 681, height = 254, pictureHeight = 201;

void paintPicture(HWND window) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(window, &ps);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -pictureHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const win32::UniqueBitmap picture(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win32::UniqueDc memory(CreateCompatibleDC(dc));
    if (picture && memory) {
        auto* pixel = static_cast<std::uint32_t*>(bits);
        for (int y = 0; y < pictureHeight; ++y)
            for (int x = 0; x < width; ++x)
                *pixel++ = std::uint32_t((x * 255 / width) << 16 | (y * 255 / pictureHeight) << 8 | 0x60);
        const win32::Selection selected(memory.get(), picture.get());
        BitBlt(dc, 0, 0, width, pictureHeight, memory.get(), 0, 0, SRCCOPY);
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintPicture(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"MinimalWindow";
    if (!RegisterClassExW(&wc)) return 1;
    const HWND window = CreateWindowExW(0, wc.lpszClassName, L"Minimal", WS_POPUP, 0, 0, width, height,
                                        nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
