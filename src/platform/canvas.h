#pragma once

#include "platform/bitmap.h"
#include "platform/geometry.h"
#include "platform/icon.h"

#include <memory>
#include <string>
#include <string_view>

struct Font {
    std::string name;
    int points = 0;
    bool bold = false;
    Color color = 0;
    bool operator==(const Font&) const = default;
};

// A surface the keyboard draws on. Texts are UTF-8.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual Size size() const = 0;
    // A black off-screen surface of the same kind, for composing a picture before copying it here.
    virtual std::unique_ptr<Canvas> createOffscreen(Size size) const = 0;
    // Copies a finished off-screen picture of this kind at (x, y) in one step.
    virtual void copyFrom(const Canvas& offscreen, Point at) = 0;

    virtual void drawBitmap(const Bitmap& bitmap, Point at) = 0;
    virtual void stretchBitmap(const Bitmap& bitmap, Rect dest) = 0;
    // Scaled to size with the icon's own mask or alpha; a size of 0 x 0 draws it at its own size.
    virtual void drawIcon(const Icon& icon, Point at, Size size) = 0;
    // 1-pixel solid outline in pen, filled with brush; corner ellipse of the given size.
    virtual void roundRect(Rect rect, Size corner, Color pen, Color brush) = 0;
    virtual Size textExtent(const Font& font, std::string_view text) = 0;
    // Text with its character cells filled with back.
    virtual void textOut(const Font& font, Point at, std::string_view text, Color back) = 0;
};
