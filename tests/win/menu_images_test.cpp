#include "platform/win32/alpha_bitmap.h"
#include "platform/win32/menu_images.h"
#include "platform/win32/popup_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

// A white 16 x 16 surface to draw a menu item's picture on, as a menu would.
class WhiteSurface {
  public:
    WhiteSurface() {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint32_t*>(bits);
        std::fill(bits_, bits_ + 256, 0x00FFFFFFu);
        selection_.emplace(dc_.get(), bitmap_.get());
    }
    HDC dc() const { return dc_.get(); }
    // 0xRRGGBB
    std::uint32_t pixel(int x, int y) const {
        GdiFlush();
        return bits_[y * 16 + x] & 0xFFFFFF;
    }

  private:
    win32::UniqueDc dc_{CreateCompatibleDC(nullptr)};
    win32::UniqueBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
    std::optional<win32::Selection> selection_;
};

ULONG_PTR itemDataOf(HMENU menu, UINT id) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_BITMAP;
    GetMenuItemInfoW(menu, id, FALSE, &info);
    EXPECT_EQ(info.hbmpItem, HBMMENU_CALLBACK) << "the menu asks its owner to draw the picture";
    return info.dwItemData;
}

TEST(MenuImages, AreDrawnByTheOwnerWithTheirAlphaOverTheMenu) {
    // A red square of 8 x 8 in the middle of 16 x 16; its left column half transparent.
    std::vector<std::uint32_t> pixels(256, 0);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            pixels[std::size_t(y * 16 + x)] = x == 4 ? 0x80800000u : 0xFFFF0000u;
    win32::MenuImages images;
    images.add(win32::makeAlphaBitmap({16, 16}, pixels));
    win32::PopupMenu menu;
    menu.items().appendItem(7, L"Открыть");
    menu.items().appendItem(8, L"Без картинки");
    images.attach(menu.items().handle(), 7, false, 0);
    const ULONG_PTR data = itemDataOf(menu.items().handle(), 7);

    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 7, 0, 0, data};
    ASSERT_TRUE(images.handle(WM_MEASUREITEM, reinterpret_cast<LPARAM>(&measure)));
    EXPECT_GE(measure.itemWidth, 16u);
    EXPECT_EQ(measure.itemHeight, 16u);

    WhiteSurface surface;
    DRAWITEMSTRUCT draw{ODT_MENU, 0, 7, ODA_DRAWENTIRE, 0, nullptr, surface.dc(), {0, 0, 16, 16}, data};
    ASSERT_TRUE(images.handle(WM_DRAWITEM, reinterpret_cast<LPARAM>(&draw)));
    EXPECT_EQ(surface.pixel(8, 8), 0xFF0000u);
    EXPECT_EQ(surface.pixel(1, 1), 0xFFFFFFu) << "transparent pixels leave the menu as it was";
    const std::uint32_t half = surface.pixel(4, 8);
    EXPECT_EQ(half >> 16, 0xFFu);
    EXPECT_NEAR(int(half >> 8 & 0xFF), 0x7F, 2) << "half transparent: half the menu shows through";

    // Items of others are not ours to answer.
    MEASUREITEMSTRUCT foreign{ODT_MENU, 0, 8, 0, 0, 0};
    EXPECT_FALSE(images.handle(WM_MEASUREITEM, reinterpret_cast<LPARAM>(&foreign)));
}

} // namespace
