#include "platform/win32/popup_menu.h"

namespace win32 {

void MenuItems::appendItem(UINT id, const std::wstring& caption) {
    AppendMenuW(menu_, MF_STRING, id, caption.c_str());
}

void MenuItems::appendSeparator() {
    AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
}

MenuItems MenuItems::appendSubmenu(const std::wstring& caption) {
    UniqueMenu submenu(CreatePopupMenu());
    if (!AppendMenuW(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu.get()), caption.c_str()))
        return MenuItems(nullptr);
    return MenuItems(submenu.release());
}

void PopupMenu::show(HWND owner, POINT at) const {
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner,
                   nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}

} // namespace win32
