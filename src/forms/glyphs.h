#pragma once

#include "forms/glyph_painter.h"
#include "platform/geometry.h"
#include "platform/win32/unique_handle.h"

// The pictures of the main window's buttons and menus: flat white signs on coloured discs for
// the buttons, small coloured signs for the menus.
enum class Glyph {
    settings,
    stayShown,        // hiding when inactive is off
    hideWhenInactive, // and on
    about,
    help,
    close,
    hideToolBar,
    showToolBar,
    closeSmall,
    toTray,
};

GlyphPainter paintGlyph(Glyph glyph, int width, int height);

// The menu icons of ImageList1, 16 x 16, by index: 0 close, 1 open, 2 change icon, 3 cancel,
// 4 settings, 5 delete, 6 file, 7 folder.
constexpr int menuIconCount = 8;
GlyphPainter paintMenuIcon(int index);

// The same pictures as bitmaps that buttons and menus draw with their alpha.
win32::UniqueBitmap glyphBitmap(Glyph glyph, Size size);
win32::UniqueBitmap menuIconBitmap(int index);
