#include "appfw/controls.h"

#include "appfw/app.h"

#include <cstring>

namespace appfw {

// --- image lists ---

CImageList::~CImageList() {
  if (m_hImageList) ImageList_Destroy(m_hImageList);
}

BOOL CImageList::Create(UINT bitmapId, int width, int grow, COLORREF mask) {
  if (m_hImageList) ImageList_Destroy(m_hImageList);
  m_hImageList = ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(bitmapId), width,
                                      grow, mask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
  return m_hImageList != nullptr;
}

// --- list views ---

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
  return static_cast<DWORD>(SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
}

HIMAGELIST CListCtrl::SetImageList(CImageList* list, int which) {
  return reinterpret_cast<HIMAGELIST>(SendMessageA(
      m_hWnd, LVM_SETIMAGELIST, static_cast<WPARAM>(which),
      reinterpret_cast<LPARAM>(list ? list->m_hImageList : nullptr)));
}

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width) {
  LVCOLUMNA c{};
  c.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
  c.fmt = format;
  c.cx = width;
  c.pszText = const_cast<char*>(heading);
  c.iSubItem = column;
  return static_cast<int>(SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                                       reinterpret_cast<LPARAM>(&c)));
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
  return static_cast<BOOL>(
      SendMessageA(m_hWnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)));
}

int CListCtrl::InsertItem(int item, const char* text, int image) {
  LVITEMA it{};
  it.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
  it.iItem = item;
  it.pszText = const_cast<char*>(text);
  it.iImage = image;
  return static_cast<int>(SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it)));
}

BOOL CListCtrl::SetItemText(int item, int column, const char* text) {
  LVITEMA it{};
  it.iSubItem = column;
  it.pszText = const_cast<char*>(text);
  return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(item),
                                        reinterpret_cast<LPARAM>(&it)));
}

CString CListCtrl::GetItemText(int item, int column) const {
  // Grows the buffer until the text fits.
  for (size_t size = 256;; size *= 4) {
    std::string buffer(size, '\0');
    LVITEMA it{};
    it.iSubItem = column;
    it.pszText = buffer.data();
    it.cchTextMax = static_cast<int>(size);
    auto n = static_cast<size_t>(SendMessageA(m_hWnd, LVM_GETITEMTEXTA,
                                              static_cast<WPARAM>(item),
                                              reinterpret_cast<LPARAM>(&it)));
    if (n + 1 < size || size >= 65536) {
      buffer.resize(strnlen(buffer.c_str(), size));
      return CString(buffer);
    }
  }
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
  LVITEMA it{};
  it.mask = LVIF_PARAM;
  it.iItem = item;
  it.lParam = static_cast<LPARAM>(data);
  return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
  LVITEMA it{};
  it.mask = LVIF_PARAM;
  it.iItem = item;
  if (!SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return 0;
  return static_cast<DWORD_PTR>(it.lParam);
}

BOOL CListCtrl::SetItemImage(int item, int image) {
  LVITEMA it{};
  it.mask = LVIF_IMAGE;
  it.iItem = item;
  it.iImage = image;
  return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
}

int CListCtrl::GetItemImage(int item) const {
  LVITEMA it{};
  it.mask = LVIF_IMAGE;
  it.iItem = item;
  if (!SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return -1;
  return it.iImage;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  LVITEMA it{};
  it.state = state;
  it.stateMask = mask;
  return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                                        reinterpret_cast<LPARAM>(&it)));
}

BOOL CListCtrl::DeleteItem(int item) {
  return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(item), 0));
}

BOOL CListCtrl::DeleteAllItems() {
  return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_DELETEALLITEMS, 0, 0));
}

int CListCtrl::GetItemCount() const {
  return static_cast<int>(SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

int CListCtrl::GetSelectionMark() const {
  return static_cast<int>(SendMessageA(m_hWnd, LVM_GETSELECTIONMARK, 0, 0));
}

int CListCtrl::SetSelectionMark(int item) {
  return static_cast<int>(SendMessageA(m_hWnd, LVM_SETSELECTIONMARK, 0, item));
}

int CListCtrl::GetNextItem(int start, UINT flags) const {
  return static_cast<int>(SendMessageA(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(start),
                                       MAKELPARAM(flags, 0)));
}

BOOL CListCtrl::SetBkColor(COLORREF colour) {
  return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_SETBKCOLOR, 0, colour));
}

BOOL CListCtrl::SetTextBkColor(COLORREF colour) {
  return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_SETTEXTBKCOLOR, 0, colour));
}

void CListCtrl::Select(int item) {
  SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SetSelectionMark(item);
}

void CListCtrl::SetRedraw(BOOL redraw) {
  SendMessageA(m_hWnd, WM_SETREDRAW, redraw, 0);
  if (redraw) InvalidateRect(m_hWnd, nullptr, TRUE);
}

int CListCtrl::HitTest(POINT client) const {
  LVHITTESTINFO info{};
  info.pt = client;
  return static_cast<int>(SendMessageA(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

// --- hot-key controls ---

void CHotKeyCtrl::SetHotKey(WORD virtualKey, WORD modifiers) {
  const WORD wanted = MAKEWORD(virtualKey, modifiers);
  SendMessageA(m_hWnd, HKM_SETHOTKEY, wanted, 0);
  if (!(modifiers & HOTKEYF_EXT) || !virtualKey || !IsWindowEnabled(m_hWnd)) return;
  // Some systems' hot-key box takes the extended flag only from a key press and would name an
  // extended key (Insert, Home, an arrow ...) by its keypad twin: it is handed the presses it
  // would have seen. Where the box takes them otherwise, the key is set as before.
  struct Modifier {
    WORD flag;
    BYTE key;
  };
  constexpr Modifier kModifiers[] = {
      {HOTKEYF_CONTROL, VK_CONTROL}, {HOTKEYF_SHIFT, VK_SHIFT}, {HOTKEYF_ALT, VK_MENU}};
  auto press = [&](UINT message, BYTE key, bool extended) {
    const UINT scan = MapVirtualKeyA(key, 0);
    LPARAM l = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16) | (extended ? (1 << 24) : 0);
    if (message == WM_KEYUP) l |= (1 << 30) | (static_cast<LPARAM>(1) << 31);
    SendMessageA(m_hWnd, message, key, l);
  };
  for (const Modifier& m : kModifiers)
    if (modifiers & m.flag) press(WM_KEYDOWN, m.key, false);
  press(WM_KEYDOWN, static_cast<BYTE>(virtualKey), true);
  press(WM_KEYUP, static_cast<BYTE>(virtualKey), true);
  for (const Modifier& m : kModifiers)
    if (modifiers & m.flag) press(WM_KEYUP, m.key, false);
  const WORD taken = LOWORD(GetHotKey());
  constexpr WORD kKeyAndModifiers = 0xFF | ((HOTKEYF_CONTROL | HOTKEYF_SHIFT | HOTKEYF_ALT) << 8);
  if ((taken & kKeyAndModifiers) != (wanted & kKeyAndModifiers))
    SendMessageA(m_hWnd, HKM_SETHOTKEY, wanted, 0);
}

DWORD CHotKeyCtrl::GetHotKey() const {
  return static_cast<DWORD>(SendMessageA(m_hWnd, HKM_GETHOTKEY, 0, 0));
}

void CHotKeyCtrl::GetHotKey(WORD& virtualKey, WORD& modifiers) const {
  DWORD value = GetHotKey();
  virtualKey = LOBYTE(LOWORD(value));
  modifiers = HIBYTE(LOWORD(value));
}

// --- data exchange ---

void DDX_Control(CDialog* dlg, int id, CWnd& control) {
  if (!control.m_hWnd) control.SubclassDlgItem(static_cast<UINT>(id), dlg);
}

namespace {

bool Is_Radio(HWND button) {
  char cls[16] = "";
  GetClassNameA(button, cls, sizeof cls);
  if (lstrcmpiA(cls, "Button") != 0) return false;
  LONG type = GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

}  // namespace

void DDX_Radio(CDialog* dlg, int firstId, int& value) {
  HWND button = GetDlgItem(dlg->m_hWnd, firstId);
  if (!button) return;
  const bool save = dlg->m_bSaveAndValidate;
  if (save) value = -1;
  int index = 0;
  do {
    if (Is_Radio(button)) {
      if (save) {
        if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
      } else {
        SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      ++index;
    }
    button = GetWindow(button, GW_HWNDNEXT);
  } while (button && !(GetWindowLongA(button, GWL_STYLE) & WS_GROUP));
}

void DDX_Text(CDialog* dlg, int id, std::string& value) {
  HWND control = GetDlgItem(dlg->m_hWnd, id);
  if (!control) return;
  if (!dlg->m_bSaveAndValidate) {
    SetWindowTextA(control, value.c_str());
    return;
  }
  std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  int n = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  value = text;
}

void DDX_Check(CDialog* dlg, int id, int& value) {
  HWND box = GetDlgItem(dlg->m_hWnd, id);
  if (!box) return;
  if (dlg->m_bSaveAndValidate) {
    value = static_cast<int>(SendMessageA(box, BM_GETCHECK, 0, 0));
  } else {
    SendMessageA(box, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

// --- open-file dialog ---

std::vector<std::string> Split_Chosen_Files(const char* buffer, size_t size) {
  std::vector<std::string> parts;
  size_t at = 0;
  while (at < size && buffer[at]) {
    size_t n = strnlen(buffer + at, size - at);
    parts.emplace_back(buffer + at, n);
    at += n + 1;
  }
  if (parts.size() <= 1) return parts;
  std::string folder = parts.front();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  std::vector<std::string> paths;
  for (size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

CFileDialog::CFileDialog(const char* filter, DWORD flags, HWND owner, size_t bufferSize)
    : filter_(filter ? filter : ""), buffer_(bufferSize < 2 ? 2 : bufferSize, '\0') {
  for (char& c : filter_) {
    if (c == '|') c = '\0';
  }
  filter_.push_back('\0');
  m_ofn.lStructSize = sizeof m_ofn;
  m_ofn.hwndOwner = owner;
  m_ofn.hInstance = AfxGetResourceHandle();
  m_ofn.Flags = flags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal() {
  m_ofn.lpstrFilter = filter_.c_str();
  m_ofn.lpstrFile = buffer_.data();
  m_ofn.nMaxFile = static_cast<DWORD>(buffer_.size());
  m_ofn.lpstrInitialDir = m_initialDir.empty() ? nullptr : m_initialDir.c_str();
  return GetOpenFileNameA(&m_ofn) ? IDOK : IDCANCEL;
}

std::vector<std::string> CFileDialog::GetPathNames() const {
  return Split_Chosen_Files(buffer_.data(), buffer_.size());
}

}  // namespace appfw
