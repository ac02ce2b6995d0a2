#pragma once

#include "platform/canvas.h"
#include "platform/win32/unique_handle.h"

#include <cstdint>
#include <functional>
#include <optional>

// A canvas over a 32-bit top-down DIB section with its own memory DC: where every picture is
// composed before one BitBlt puts it on screen.
class DibCanvas final : public Canvas {
  public:
    // A black picture; throws std::runtime_error when GDI cannot make it.
    explicit DibCanvas(Size size);
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    Size size() const override { return size_; }
    std::unique_ptr<Canvas> createOffscreen(Size size) const override;
    void copyFrom(const Canvas& offscreen, Point at) override;

    void drawBitmap(const Bitmap& bitmap, Point at) override;
    void stretchBitmap(const Bitmap& bitmap, Rect dest) override;
    void drawIcon(const Icon& icon, Point at, Size size) override;
    void roundRect(Rect rect, Size corner, Color pen, Color brush) override;
    Size textExtent(const Font& font, std::string_view text) override;
    void textOut(const Font& font, Point at, std::string_view text, Color back) override;

    // What a window BitBlts from in WM_PAINT.
    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    Color pixel(int x, int y) const;
    Bitmap picture() const;

    // Called after every copyFrom, so the window that shows this canvas can invalidate itself.
    std::function<void()> onChanged;

  private:
    HFONT fontFor(const Font& font);

    Size size_;
    win32::UniqueDc dc_;
    win32::UniqueBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
    // Declared after what it selects: the DIB leaves the DC before either is deleted.
    std::optional<win32::Selection> bitmapSelection_;
    // The last font asked for; the title box asks for the same one twice per key.
    Font lastFont_;
    win32::UniqueFont font_;
};
