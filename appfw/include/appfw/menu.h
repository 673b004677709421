#pragma once

#include <windows.h>

namespace appfw {

// A menu loaded from the resource module, destroyed with the object.
class CMenu {
 public:
  CMenu() = default;
  ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  BOOL LoadMenu(UINT id);
  // The popup at a position of the menu bar, or null.
  HMENU GetSubMenu(int position) const;

  HMENU m_hMenu = nullptr;
};

// The popup item of `menu` captioned exactly `caption`, or null.
HMENU Find_Sub_Menu(HMENU menu, const char* caption);
// Sets an item's check and enable marks, wherever in the menu's submenus it is.
void Set_Menu_Item_Marks(HMENU menu, UINT id, bool checked, bool enabled);
// Removes every item of a popup after the first `keep`.
void Trim_Menu(HMENU popup, int keep);
// Shows a popup menu at a screen point for the window (which receives its commands); the
// window is brought in front first, as popup menus need.
BOOL Track_Popup_Menu(HMENU popup, UINT flags, POINT at, HWND owner);

}  // namespace appfw
