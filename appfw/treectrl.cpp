#include "appfw/treectrl.h"

#include <cstring>
#include <string>

#include "appfw/app.h"

namespace appfw {

BOOL Reflect_Notify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (!header || !CWnd::FromHandle(header->hwndFrom)) return FALSE;
  LRESULT answer = SendMessageA(header->hwndFrom, WM_REFLECT_NOTIFY, wParam, lParam);
  if (result) *result = answer;
  return TRUE;
}

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  HWND hwnd = CreateWindowExA(0, WC_TREEVIEWA, "", style, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              AfxGetResourceHandle(), nullptr);
  if (!hwnd) return FALSE;
  if (SubclassWindow(hwnd)) return TRUE;
  ::DestroyWindow(hwnd);
  return FALSE;
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, HTREEITEM parent, HTREEITEM after) {
  TVINSERTSTRUCTA in{};
  in.hParent = parent;
  in.hInsertAfter = after;
  in.item.mask = TVIF_TEXT | TVIF_PARAM;
  in.item.pszText = const_cast<char*>(text ? text : "");
  in.item.lParam = 0;
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(m_hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&in)));
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data) {
  TVITEMA it{};
  it.mask = TVIF_PARAM;
  it.hItem = item;
  it.lParam = static_cast<LPARAM>(data);
  return static_cast<BOOL>(SendMessageA(m_hWnd, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const {
  TVITEMA it{};
  it.mask = TVIF_PARAM;
  it.hItem = item;
  if (!item || !SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return 0;
  return static_cast<DWORD_PTR>(it.lParam);
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
  // Grows the buffer until the text fits.
  for (size_t size = 256;; size *= 4) {
    std::string buffer(size, '\0');
    TVITEMA it{};
    it.mask = TVIF_TEXT;
    it.hItem = item;
    it.pszText = buffer.data();
    it.cchTextMax = static_cast<int>(size);
    if (!item || !SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) {
      return CString();
    }
    size_t n = strnlen(buffer.c_str(), size);
    if (n + 1 < size || size >= 65536) {
      buffer.resize(n);
      return CString(buffer);
    }
  }
}

BOOL CTreeCtrl::DeleteAllItems() {
  return static_cast<BOOL>(
      SendMessageA(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item) {
  return static_cast<BOOL>(SendMessageA(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)));
}

namespace {

HTREEITEM Next_Item(HWND tree, UINT code, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

}  // namespace

HTREEITEM CTreeCtrl::GetRootItem() const { return Next_Item(m_hWnd, TVGN_ROOT, nullptr); }
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const {
  return Next_Item(m_hWnd, TVGN_CHILD, item);
}
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
  return item ? Next_Item(m_hWnd, TVGN_NEXT, item) : nullptr;
}
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const {
  return item ? Next_Item(m_hWnd, TVGN_PARENT, item) : nullptr;
}
HTREEITEM CTreeCtrl::GetSelectedItem() const { return Next_Item(m_hWnd, TVGN_CARET, nullptr); }

BOOL CTreeCtrl::SelectItem(HTREEITEM item) {
  return static_cast<BOOL>(
      SendMessageA(m_hWnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const {
  return item && GetChildItem(item) ? TRUE : FALSE;
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) {
  return static_cast<BOOL>(SendMessageA(m_hWnd, TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM item) {
  return static_cast<BOOL>(SendMessageA(m_hWnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, RECT* r, BOOL textOnly) const {
  if (!r || !item) return FALSE;
  // The message takes the item in the rectangle's place.
  *reinterpret_cast<HTREEITEM*>(r) = item;
  return static_cast<BOOL>(
      SendMessageA(m_hWnd, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(r)));
}

HTREEITEM CTreeCtrl::HitTest(POINT client, UINT* flags) const {
  TVHITTESTINFO info{};
  info.pt = client;
  auto item = reinterpret_cast<HTREEITEM>(
      SendMessageA(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  if (flags) *flags = info.flags;
  return item;
}

UINT CTreeCtrl::GetCount() const {
  return static_cast<UINT>(SendMessageA(m_hWnd, TVM_GETCOUNT, 0, 0));
}

COLORREF CTreeCtrl::SetBkColor(COLORREF colour) {
  return static_cast<COLORREF>(SendMessageA(m_hWnd, TVM_SETBKCOLOR, 0, colour));
}

}  // namespace appfw
