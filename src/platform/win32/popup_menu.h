#pragma once

#include "platform/win32/unique_handle.h"

#include <string>

namespace win32 {

// Items of a menu or submenu, identified by command ids that the owner window receives as
// WM_COMMAND. Does not own the menu.
class MenuItems {
  public:
    explicit MenuItems(HMENU menu) : menu_(menu) {}
    HMENU handle() const { return menu_; }
    void appendItem(UINT id, const std::wstring& caption);
    void appendSeparator();
    // A new submenu, owned by this menu from now on.
    MenuItems appendSubmenu(const std::wstring& caption);
    int count() const { return GetMenuItemCount(menu_); }

  private:
    HMENU menu_;
};

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = unique<HMENU, MenuDeleter>;

// A pop-up menu with its submenus.
class PopupMenu {
  public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    MenuItems items() const { return MenuItems(menu_.get()); }
    // Shows the menu at a screen point; the choice arrives as WM_COMMAND at the owner.
    void show(HWND owner, POINT at) const;

  private:
    UniqueMenu menu_;
};

} // namespace win32
