#include "platform/win32/menu_images.h"

#include "platform/win32/alpha_bitmap.h"

namespace win32 {

namespace {

// The item data of an item with an image of ours: the image's index, tagged.
constexpr ULONG_PTR tag = 0x4D490000;
constexpr ULONG_PTR tagMask = 0xFFFF0000;

} // namespace

void MenuImages::add(UniqueBitmap image) {
    images_.push_back(std::move(image));
}

HBITMAP MenuImages::image(int index) const {
    return index >= 0 && index < count() ? images_[std::size_t(index)].get() : nullptr;
}

void MenuImages::attach(HMENU menu, UINT item, bool byPosition, int index) const {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP | MIIM_DATA;
    info.hbmpItem = HBMMENU_CALLBACK;
    info.dwItemData = tag | ULONG_PTR(index);
    SetMenuItemInfoW(menu, item, byPosition, &info);
}

bool MenuImages::handle(UINT message, LPARAM lParam) const {
    if (message == WM_MEASUREITEM) {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU || (item.itemData & tagMask) != tag) return false;
        BITMAP info{};
        if (GetObjectW(image(int(item.itemData & ~tagMask)), sizeof info, &info)) {
            // A little room between the picture and the caption.
            item.itemWidth = UINT(info.bmWidth) + 4;
            item.itemHeight = UINT(info.bmHeight);
        }
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU || (item.itemData & tagMask) != tag) return false;
        const HBITMAP picture = image(int(item.itemData & ~tagMask));
        BITMAP info{};
        if (!GetObjectW(picture, sizeof info, &info)) return true;
        const RECT& r = item.rcItem;
        drawAlphaBitmap(item.hDC, picture, r.left + (r.right - r.left - info.bmWidth) / 2,
                        r.top + (r.bottom - r.top - info.bmHeight) / 2);
        return true;
    }
    return false;
}

} // namespace win32
