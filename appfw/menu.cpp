#include "appfw/menu.h"

#include <cstring>

#include "appfw/app.h"

namespace appfw {

CMenu::~CMenu() {
  if (m_hMenu) DestroyMenu(m_hMenu);
}

BOOL CMenu::LoadMenu(UINT id) {
  if (m_hMenu) DestroyMenu(m_hMenu);
  m_hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
  return m_hMenu != nullptr;
}

HMENU CMenu::GetSubMenu(int position) const {
  return m_hMenu ? ::GetSubMenu(m_hMenu, position) : nullptr;
}

HMENU Find_Sub_Menu(HMENU menu, const char* caption) {
  int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    char text[128] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    HMENU sub = ::GetSubMenu(menu, i);
    if (sub && strcmp(text, caption) == 0) return sub;
  }
  return nullptr;
}

void Set_Menu_Item_Marks(HMENU menu, UINT id, bool checked, bool enabled) {
  CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
}

void Trim_Menu(HMENU popup, int keep) {
  while (GetMenuItemCount(popup) > keep) DeleteMenu(popup, static_cast<UINT>(keep), MF_BYPOSITION);
}

BOOL Track_Popup_Menu(HMENU popup, UINT flags, POINT at, HWND owner) {
  if (!popup) return FALSE;
  SetForegroundWindow(owner);
  BOOL shown = TrackPopupMenu(popup, flags, at.x, at.y, 0, owner, nullptr);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageA(owner, WM_NULL, 0, 0);
  return shown;
}

}  // namespace appfw
