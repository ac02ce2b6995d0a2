#include "platform/win32/alpha_bitmap.h"

#include <algorithm>

namespace win32 {

UniqueBitmap makeAlphaBitmap(Size size, std::span<const std::uint32_t> premultiplied) {
    if (size.width <= 0 || size.height <= 0 ||
        premultiplied.size() != std::size_t(size.width) * std::size_t(size.height))
        return UniqueBitmap();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap) std::copy(premultiplied.begin(), premultiplied.end(), static_cast<std::uint32_t*>(bits));
    return bitmap;
}

void drawAlphaBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return;
    const UniqueDc source(CreateCompatibleDC(dc));
    const Selection selected(source.get(), bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, x, y, info.bmWidth, info.bmHeight, source.get(), 0, 0, info.bmWidth, info.bmHeight,
                  blend);
}

} // namespace win32
