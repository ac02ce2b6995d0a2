#pragma once

#include "platform/canvas.h"

#include <string>
#include <vector>

// An icon held as plain pixels: where mask is non-zero the image shows.
class MemoryIcon : public Icon {
  public:
    MemoryIcon(Bitmap image, Bitmap mask) : image(std::move(image)), mask(std::move(mask)) {}
    Size naturalSize() const override { return {image.width(), image.height()}; }
    Bitmap image;
    Bitmap mask;
};

// A portable canvas over a Bitmap that draws bitmaps, icons and boxes for real and keeps a log
// of every call, so tests can check what was drawn and in which order; a copy brings the log of
// the off-screen picture along. Text uses fixed metrics
// (a cell of half the font height per character) and only fills its cells.
class MemoryCanvas : public Canvas {
  public:
    enum class Op { Bitmap, Stretch, Icon, RoundRect, Text, Copy };
    struct Call {
        Call(Op op, Rect rect, std::string text = {}, const void* source = nullptr, Color ink = 0,
             Color back = 0, Font font = {})
            : op(op), rect(rect), text(std::move(text)), source(source), ink(ink), back(back),
              font(std::move(font)) {}
        Op op;
        Rect rect;
        std::string text;             // Text: the text; Icon: empty
        const void* source = nullptr; // the bitmap or icon drawn
        Color ink = 0;
        Color back = 0;
        Font font;
    };

    explicit MemoryCanvas(Size size) : picture(size.width, size.height) {}

    Size size() const override { return {picture.width(), picture.height()}; }
    std::unique_ptr<Canvas> createOffscreen(Size size) const override;
    void copyFrom(const Canvas& offscreen, Point at) override;
    void drawBitmap(const Bitmap& bitmap, Point at) override;
    void stretchBitmap(const Bitmap& bitmap, Rect dest) override;
    void drawIcon(const Icon& icon, Point at, Size size) override;
    void roundRect(Rect rect, Size corner, Color pen, Color brush) override;
    Size textExtent(const Font& font, std::string_view text) override;
    void textOut(const Font& font, Point at, std::string_view text, Color back) override;

    Bitmap picture;
    std::vector<Call> calls;
    bool logCalls = true;

  private:
    void fill(Rect rect, Color color);
    void scaleInto(const Bitmap& source, const Bitmap* mask, Rect dest);
    void log(Call call);
};
