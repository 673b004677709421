#pragma once

// Tree views, and the reflection of a child control's notifications back to the control, so
// that a control class handles its own WM_NOTIFY whatever window it is a child of.

#include <windows.h>
#include <commctrl.h>

#include "appfw/cstring.h"
#include "appfw/wnd.h"

namespace appfw {

// A notification reflected to the control that sent it: wParam and lParam as WM_NOTIFY had
// them. A control class lists it in its message map to handle its own notifications.
#define WM_REFLECT_NOTIFY (0x2000 + WM_NOTIFY)

// For a parent's WM_NOTIFY: hands the notification to the framework control that sent it;
// TRUE (with its answer) when that control handled it.
BOOL Reflect_Notify(WPARAM wParam, LPARAM lParam, LRESULT* result);

// A tree view made by the framework: its messages go through the message map, its own
// notifications come back to it as WM_REFLECT_NOTIFY when its parent reflects them.
class CTreeCtrl : public CWnd {
 public:
  // style: WS_CHILD, TVS_ flags and the like.
  BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);

  HTREEITEM InsertItem(const char* text, HTREEITEM parent = TVI_ROOT,
                       HTREEITEM after = TVI_LAST);
  BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
  DWORD_PTR GetItemData(HTREEITEM item) const;
  CString GetItemText(HTREEITEM item) const;
  BOOL DeleteAllItems();
  BOOL DeleteItem(HTREEITEM item);
  HTREEITEM GetRootItem() const;
  HTREEITEM GetChildItem(HTREEITEM item) const;
  HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
  HTREEITEM GetParentItem(HTREEITEM item) const;
  HTREEITEM GetSelectedItem() const;
  BOOL SelectItem(HTREEITEM item);
  // TRUE when the item has child items.
  BOOL ItemHasChildren(HTREEITEM item) const;
  BOOL Expand(HTREEITEM item, UINT code = TVE_EXPAND);
  BOOL EnsureVisible(HTREEITEM item);
  // The item's rectangle in client coordinates (text only, or the whole line).
  BOOL GetItemRect(HTREEITEM item, RECT* r, BOOL textOnly) const;
  HTREEITEM HitTest(POINT client, UINT* flags = nullptr) const;
  UINT GetCount() const;
  COLORREF SetBkColor(COLORREF colour);
};

}  // namespace appfw
