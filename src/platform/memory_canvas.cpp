#include "platform/memory_canvas.h"

#include <algorithm>
#include <cstdint>

namespace {

int fontPixels(const Font& font) {
    return (font.points * 96 + 36) / 72;
}

std::size_t codePoints(std::string_view text) {
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

} // namespace

std::unique_ptr<Canvas> MemoryCanvas::createOffscreen(Size size) const {
    auto canvas = std::make_unique<MemoryCanvas>(size);
    canvas->logCalls = logCalls;
    return canvas;
}

void MemoryCanvas::copyFrom(const Canvas& offscreen, Point at) {
    const auto& source = dynamic_cast<const MemoryCanvas&>(offscreen);
    // The log shows what was composed, then the copy that put it on screen.
    calls.insert(calls.end(), source.calls.begin(), source.calls.end());
    drawBitmap(source.picture, at);
    if (logCalls) calls.back().op = Op::Copy;
}

void MemoryCanvas::log(Call call) {
    if (logCalls) calls.push_back(std::move(call));
}

void MemoryCanvas::drawBitmap(const Bitmap& bitmap, Point at) {
    const int left = std::max(at.x, 0), right = std::min(at.x + bitmap.width(), picture.width());
    const int top = std::max(at.y, 0), bottom = std::min(at.y + bitmap.height(), picture.height());
    for (int y = top; y < bottom && left < right; ++y)
        std::copy(bitmap.row(y - at.y) + (left - at.x), bitmap.row(y - at.y) + (right - at.x),
                  picture.row(y) + left);
    log({Op::Bitmap, {at.x, at.y, at.x + bitmap.width(), at.y + bitmap.height()}, {}, &bitmap});
}

void MemoryCanvas::stretchBitmap(const Bitmap& bitmap, Rect dest) {
    if (!bitmap.empty() && dest.width() > 0 && dest.height() > 0) scaleInto(bitmap, nullptr, dest);
    log({Op::Stretch, dest, {}, &bitmap});
}

void MemoryCanvas::drawIcon(const Icon& icon, Point at, Size size) {
    const auto* image = dynamic_cast<const MemoryIcon*>(&icon);
    if (size.width == 0 && size.height == 0) size = icon.naturalSize();
    const Rect dest{at.x, at.y, at.x + size.width, at.y + size.height};
    if (image && !image->image.empty() && size.width > 0 && size.height > 0)
        scaleInto(image->image, &image->mask, dest);
    log({Op::Icon, dest, {}, &icon});
}

// Nearest-neighbour scaling of source onto dest; where a mask is given, only its non-zero pixels.
void MemoryCanvas::scaleInto(const Bitmap& source, const Bitmap* mask, Rect dest) {
    const int left = std::max(dest.left, 0), right = std::min(dest.right, picture.width());
    if (left >= right) return;
    std::vector<int> columns(std::size_t(right - left));
    for (int x = left; x < right; ++x)
        columns[std::size_t(x - left)] = int(std::int64_t(x - dest.left) * source.width() / dest.width());
    for (int y = std::max(dest.top, 0); y < std::min(dest.bottom, picture.height()); ++y) {
        const int sy = int(std::int64_t(y - dest.top) * source.height() / dest.height());
        const Color* from = source.row(sy);
        const Color* opaque = mask ? mask->row(sy) : nullptr;
        Color* to = picture.row(y) + left;
        for (int i = 0; i < right - left; ++i)
            if (!opaque || opaque[columns[std::size_t(i)]] != 0) to[i] = from[columns[std::size_t(i)]];
    }
}

void MemoryCanvas::fill(Rect rect, Color color) {
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, picture.height()); ++y)
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, picture.width()); ++x)
            picture.setPixel(x, y, color);
}

void MemoryCanvas::roundRect(Rect rect, Size corner, Color pen, Color brush) {
    // Square corners are close enough for a canvas that only tests and benchmarks look at.
    fill(rect, pen);
    fill({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, brush);
    log({Op::RoundRect, rect, std::to_string(corner.width) + "x" + std::to_string(corner.height), nullptr,
         pen, brush});
}

Size MemoryCanvas::textExtent(const Font& font, std::string_view text) {
    const int height = fontPixels(font);
    return {int(codePoints(text)) * (height / 2), height};
}

void MemoryCanvas::textOut(const Font& font, Point at, std::string_view text, Color back) {
    const Size extent = textExtent(font, text);
    const Rect cells{at.x, at.y, at.x + extent.width, at.y + extent.height};
    fill(cells, back);
    log({Op::Text, cells, std::string(text), nullptr, font.color, back, font});
}
