#include "dictuiex.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "editor_ids.h"
#include "resource.h"

namespace {

constexpr COLORREF kLargeIconMask = RGB(128, 128, 128);
constexpr COLORREF kSmallIconMask = 0x808000;  // RGB(0, 128, 128)
constexpr COLORREF kMagentaMask = RGB(255, 0, 255);
constexpr DWORD kIndexBarFlags = 0x1FC;
constexpr int kRowImageLoaded = 2, kRowImageEdited = 1;
constexpr int kHeaderImageArrow = 0, kHeaderImageFlag = 1;
constexpr UINT_PTR kWaitTimer = 1998;
constexpr UINT kWaitPeriod = 200;
constexpr int kWaitFrames = 7;  // the animation turns through the strip's first seven frames
constexpr DWORD kWaitThreadEnd = 10000;

// Waits for a handle while answering the messages other threads send to this one.
void Wait_Answering_Sends(HANDLE handle, DWORD limit) {
  const DWORD start = GetTickCount();
  for (;;) {
    DWORD spent = GetTickCount() - start;
    if (spent >= limit) return;
    DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, limit - spent, QS_SENDMESSAGE);
    if (r != WAIT_OBJECT_0 + 1) return;
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

void Place(HWND control, const RECT& r) {
  SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL Load_Bitmap(appfw::CBitmap& bitmap, UINT id) {
  return bitmap.Attach(LoadImageA(appfw::AfxGetResourceHandle(), MAKEINTRESOURCEA(id),
                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

SIZE Bitmap_Size(const appfw::CBitmap& bitmap) {
  BITMAP info{};
  GetObjectA(bitmap.GetSafeHandle(), sizeof info, &info);
  return SIZE{info.bmWidth, info.bmHeight};
}

void Draw_Bitmap(HDC dc, const appfw::CBitmap& bitmap) {
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, bitmap.GetSafeHandle());
  SIZE size = Bitmap_Size(bitmap);
  BitBlt(dc, 0, 0, size.cx, size.cy, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
}

std::string Text_Of(HWND h) {
  int n = GetWindowTextLengthA(h);
  std::string text(static_cast<size_t>(n > 0 ? n : 0) + 1, '\0');
  n = GetWindowTextA(h, text.data(), static_cast<int>(text.size()));
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return text;
}

// What the update worker is handed; it owns the block and frees it.
struct Update_Block {
  char source[kMaxRecordText + 1];
  char translation[kMaxRecordText + 1];
  CDictListCtrl* list;
};

}  // namespace

// --- entry dialog ---

BEGIN_MSG_MAP(CEntryEditDlg, appfw::CDialog)
  ON_MSG(WM_ERASEBKGND, OnEraseBkgnd)
  ON_MSG(WM_COMMAND, OnCommandMsg)
END_MSG_MAP()

CEntryEditDlg::CEntryEditDlg() : appfw::CDialog(IDD_ENTRY_EDIT) {}

BOOL CEntryEditDlg::OnInitDialog() {
  appfw::CDialog::OnInitDialog();
  if (!m_background.GetSafeHandle()) Load_Bitmap(m_background, IDB_EDITOR_BACKGROUND);
  const int w = m_rcPlace.right - m_rcPlace.left, h = m_rcPlace.bottom - m_rcPlace.top;
  MoveWindow(m_hWnd, m_rcPlace.left, m_rcPlace.top, w, h, FALSE);
  const Entry_Layout l = Layout_Entry(w, h);
  Place(GetDlgItem(m_hWnd, IDC_ENTRY_SOURCE), l.source);
  Place(GetDlgItem(m_hWnd, IDC_ENTRY_TRANSLATION), l.translation);
  Place(GetDlgItem(m_hWnd, IDOK), l.save);
  Place(GetDlgItem(m_hWnd, IDCANCEL), l.cancel);
  SetDlgItemTextA(m_hWnd, IDC_ENTRY_SOURCE, m_strSource.c_str());
  SetDlgItemTextA(m_hWnd, IDC_ENTRY_TRANSLATION,
                  Cut_To_Bytes(m_strTranslation, kMaxTranslationBytes).c_str());
  HWND edit = GetDlgItem(m_hWnd, IDC_ENTRY_TRANSLATION);
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  return FALSE;  // the focus is set
}

void CEntryEditDlg::OnOK() {
  Limit_Translation();
  m_strSource = Text_Of(GetDlgItem(m_hWnd, IDC_ENTRY_SOURCE));
  m_strTranslation = Cut_To_Bytes(Text_Of(GetDlgItem(m_hWnd, IDC_ENTRY_TRANSLATION)),
                                  kMaxTranslationBytes);
  EndDialog(IDOK);
}

void CEntryEditDlg::Limit_Translation() {
  if (m_limiting) return;
  HWND edit = GetDlgItem(m_hWnd, IDC_ENTRY_TRANSLATION);
  const std::string text = Text_Of(edit);
  if (text.size() <= kMaxTranslationBytes) return;
  m_limiting = true;
  const std::string cut = Cut_To_Bytes(text, kMaxTranslationBytes);
  SetWindowTextA(edit, cut.c_str());
  SendMessageA(edit, EM_SETSEL, cut.size(), cut.size());
  MessageBeep(MB_OK);
  m_limiting = false;
}

LRESULT CEntryEditDlg::OnCommandMsg(WPARAM wParam, LPARAM) {
  if (LOWORD(wParam) == IDC_ENTRY_TRANSLATION && HIWORD(wParam) == EN_CHANGE) {
    Limit_Translation();
    return 0;
  }
  return Default();
}

LRESULT CEntryEditDlg::OnEraseBkgnd(WPARAM wParam, LPARAM) {
  Draw_Bitmap(reinterpret_cast<HDC>(wParam), m_background);
  return TRUE;
}

// --- wait window and its thread ---

int CWaitDlg::s_ticks = 0;

BEGIN_MSG_MAP(CWaitDlg, appfw::CDialog)
  ON_MSG(WM_TIMER, OnTimer)
  ON_MSG(WM_DESTROY, OnDestroy)
END_MSG_MAP()

CWaitDlg::CWaitDlg() : appfw::CDialog(IDD_WAIT) {}

BOOL CWaitDlg::OnInitDialog() {
  appfw::CDialog::OnInitDialog();
  m_frames.Create(IDB_CRANK, 32, 0, kMagentaMask);
  SetTimer(m_hWnd, kWaitTimer, kWaitPeriod, nullptr);
  auto* thread = static_cast<TShowApp*>(appfw::AfxGetThread());
  if (thread && !thread->Window_Up(m_hWnd)) PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
  return TRUE;
}

void CWaitDlg::Draw_Frame() {
  HDC dc = GetDC(m_hWnd);
  ImageList_Draw(m_frames.m_hImageList, s_ticks % kWaitFrames, dc, 0, 0, ILD_NORMAL);
  ReleaseDC(m_hWnd, dc);
}

LRESULT CWaitDlg::OnTimer(WPARAM wParam, LPARAM) {
  if (wParam != kWaitTimer) return Default();
  Draw_Frame();
  ++s_ticks;
  return 0;
}

LRESULT CWaitDlg::OnDestroy(WPARAM, LPARAM) {
  KillTimer(m_hWnd, kWaitTimer);
  return Default();
}

TShowApp::TShowApp() { m_bAutoDelete = false; }
TShowApp::~TShowApp() {
  if (m_hThread) CloseHandle(m_hThread);
}

BOOL TShowApp::InitInstance() {
  CWaitDlg wait;
  m_pMainWnd = &wait;
  wait.DoModal();
  m_pMainWnd = nullptr;
  std::lock_guard<std::mutex> hold(lock_);
  window_ = nullptr;
  return FALSE;
}

BOOL TShowApp::Window_Up(HWND window) {
  std::lock_guard<std::mutex> hold(lock_);
  window_ = window;
  return !ending_;
}

HWND TShowApp::Window() const {
  std::lock_guard<std::mutex> hold(lock_);
  return window_;
}

void TShowApp::End() {
  {
    std::lock_guard<std::mutex> hold(lock_);
    ending_ = true;
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
  }
  if (m_hThread) Wait_Answering_Sends(m_hThread, kWaitThreadEnd);
}

// --- search field ---

BEGIN_MSG_MAP(CHistoryComboBox, appfw::CComboBox)
  ON_MSG(WM_DESTROY, OnDestroy)
END_MSG_MAP()

void CHistoryComboBox::LoadHistory() {
  appfw::CWinApp* app = appfw::AfxGetApp();
  if (!app) return;
  for (int i = 0; i < kHistoryItems; ++i) {
    appfw::CString text = app->GetProfileString(kHistorySection, std::to_string(i).c_str(), "");
    if (!text.IsEmpty()) AddString(text);
  }
}

void CHistoryComboBox::SaveHistory() {
  appfw::CWinApp* app = appfw::AfxGetApp();
  if (!app || !m_hWnd) return;
  const int count = GetCount();
  for (int i = 0; i < count && i < kHistoryItems; ++i) {
    app->WriteProfileString(kHistorySection, std::to_string(i).c_str(), GetLBText(i));
  }
}

LRESULT CHistoryComboBox::OnDestroy(WPARAM, LPARAM) {
  SaveHistory();
  return Default();
}

void CHistoryComboBox::Find(const std::string& text) {
  if (m_pList && m_pList->m_hWnd) {
    SendMessageA(m_pList->m_hWnd, WM_DICTLIST_FIND, reinterpret_cast<WPARAM>(text.c_str()), 0);
  }
}

void CHistoryComboBox::OnEditChange() {
  std::string text = GetEditText().str();
  if (text.size() > kSearchTextChars) text.resize(kSearchTextChars);
  Find(text);
}

void CHistoryComboBox::OnSelChange() {
  const int chosen = GetCurSel();
  if (chosen >= 0) Find(GetLBText(chosen).str());
}

void CHistoryComboBox::Add_To_History() {
  if (GetCount() > kHistoryItems - 1) DeleteString(0);
  AddString(GetEditText());
}

namespace {

LRESULT CALLBACK Find_Edit_Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR, DWORD_PTR combo) {
  switch (message) {
    case WM_GETDLGCODE:
      if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
          reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
        return DLGC_WANTALLKEYS | DefSubclassProc(edit, message, wParam, lParam);
      }
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        reinterpret_cast<CHistoryComboBox*>(combo)->Add_To_History();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == '\r') return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, Find_Edit_Proc, 0);
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void CHistoryComboBox::Catch_Enter() {
  HWND edit = FindWindowExA(m_hWnd, nullptr, "Edit", nullptr);
  if (edit) SetWindowSubclass(edit, Find_Edit_Proc, 0, reinterpret_cast<DWORD_PTR>(this));
}

// --- entry list ---

BEGIN_MSG_MAP(CDictListCtrl, appfw::CListCtrl)
  ON_MSG(WM_DICTLIST_FILTER, OnFilter)
  ON_MSG(WM_DICTLIST_COMPILE, OnCompile)
  ON_MSG(WM_DICTLIST_FIND, OnFind)
END_MSG_MAP()

CDictListCtrl::CDictListCtrl() = default;
CDictListCtrl::~CDictListCtrl() { Finish_Updates(); }

void CDictListCtrl::Add_Row(int at, const InterfaceDictRecord& r) {
  const int row = InsertItem(at, "", kRowImageLoaded);
  SetItemText(row, 1, r.source);
  SetItemText(row, 2, r.translation);
}

void CDictListCtrl::Setup() {
  m_headerImages.Create(IDB_HEADER_IMAGES, 11, 0, kMagentaMask);
  HWND header = reinterpret_cast<HWND>(SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0));
  if (header) SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_headerImages.m_hImageList));
  InsertColumn(0, "", LVCFMT_LEFT, 16);
  InsertColumn(1, "英文原文", LVCFMT_LEFT, 200);
  InsertColumn(2, "中文译文", LVCFMT_LEFT, 200);
  if (header) {
    struct { int column, image; bool right; } pictures[] = {
        {0, kHeaderImageFlag, false}, {1, kHeaderImageArrow, true}, {2, kHeaderImageArrow, true}};
    for (const auto& p : pictures) {
      HDITEMA item{};
      item.mask = HDI_FORMAT | HDI_IMAGE;
      SendMessageA(header, HDM_GETITEMA, p.column, reinterpret_cast<LPARAM>(&item));
      item.mask = HDI_FORMAT | HDI_IMAGE;
      item.fmt |= HDF_IMAGE | (p.right ? HDF_BITMAP_ON_RIGHT : 0);
      item.iImage = p.image;
      SendMessageA(header, HDM_SETITEMA, p.column, reinterpret_cast<LPARAM>(&item));
    }
  }
  m_rowImages.Create(IDB_ROW_IMAGES, 16, 0, kMagentaMask);
  SetImageList(&m_rowImages, LVSIL_SMALL);
  SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  m_reader.Load(m_strPath.c_str());
  SetRedraw(FALSE);
  for (int i = 0; i < m_reader.m_nCount; ++i) Add_Row(i, m_reader.m_pRecords[i]);
  SetRedraw(TRUE);
}

DWORD WINAPI UpdateRecordsThread(LPVOID param) {
  std::unique_ptr<Update_Block> block(static_cast<Update_Block*>(param));
  CDictListCtrl* list = block->list;
  std::lock_guard<std::mutex> hold(list->m_recordsLock);
  Update_Records(list->m_reader.m_nCount, list->m_reader.m_pRecords, block->source,
                 block->translation);
  return 0;
}

LRESULT CDictListCtrl::Custom_Draw(NMLVCUSTOMDRAW* draw) {
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      break;
    default:
      return CDRF_DODEFAULT;
  }
  const int row = static_cast<int>(draw->nmcd.dwItemSpec), column = draw->iSubItem;
  if (column == 0) return CDRF_DODEFAULT;
  const Menu_Text text = Split_Menu_Text(GetItemText(row, column).str());
  if (!text.tabbed) return CDRF_DODEFAULT;
  RECT cell{};
  cell.top = column;
  cell.left = LVIR_LABEL;
  if (!SendMessageA(m_hWnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                    reinterpret_cast<LPARAM>(&cell)))
    return CDRF_DODEFAULT;
  // The row's colours as the list would give them: the selection's while it is selected.
  const bool selected =
      (SendMessageA(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
       LVIS_SELECTED) != 0;
  const bool focused = GetFocus() == m_hWnd;
  COLORREF back = draw->clrTextBk, ink = draw->clrText;
  if (back == CLR_DEFAULT || back == CLR_NONE) back = GetSysColor(COLOR_WINDOW);
  if (ink == CLR_DEFAULT) ink = GetSysColor(COLOR_WINDOWTEXT);
  if (selected) {
    back = GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    ink = GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
  }
  HDC dc = draw->nmcd.hdc;
  HBRUSH brush = CreateSolidBrush(back);
  FillRect(dc, &cell, brush);
  DeleteObject(brush);
  const COLORREF keptInk = SetTextColor(dc, ink);
  const int keptMode = SetBkMode(dc, TRANSPARENT);
  RECT inside = cell;
  const int margin = 2 * GetSystemMetrics(SM_CXEDGE) + 2;
  inside.left += margin;
  inside.right -= margin;
  constexpr UINT kLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  RECT keyBox = inside;
  DrawTextA(dc, text.key_name.c_str(), static_cast<int>(text.key_name.size()), &keyBox,
            kLine | DT_CALCRECT);
  const int keyWidth = keyBox.right - keyBox.left;
  RECT captionBox = inside;
  captionBox.right = std::max(inside.left, inside.right - keyWidth - 2 * margin);
  DrawTextA(dc, text.caption.c_str(), static_cast<int>(text.caption.size()), &captionBox,
            kLine | DT_LEFT | DT_END_ELLIPSIS);
  DrawTextA(dc, text.key_name.c_str(), static_cast<int>(text.key_name.size()), &inside,
            kLine | DT_RIGHT);
  SetBkMode(dc, keptMode);
  SetTextColor(dc, keptInk);
  return CDRF_SKIPDEFAULT;
}

void CDictListCtrl::Finish_Updates() {
  for (HANDLE h : m_updates) {
    WaitForSingleObject(h, INFINITE);
    CloseHandle(h);
  }
  m_updates.clear();
}

void CDictListCtrl::Edit_Selected() {
  const int row = GetNextItem(-1, LVNI_SELECTED);
  if (row < 0) return;
  Finish_Updates();
  m_entryDlg.m_strSource = GetItemText(row, 1).str();
  m_entryDlg.m_strTranslation = GetItemText(row, 2).str();
  GetWindowRect(m_hWnd, &m_entryDlg.m_rcPlace);
  m_entryDlg.m_pParent = this;
  if (m_entryDlg.DoModal() != IDOK) return;
  SetItemText(row, 2, m_entryDlg.m_strTranslation.c_str());
  SetItemImage(row, kRowImageEdited);
  auto* block = new Update_Block{};
  lstrcpynA(block->source, m_entryDlg.m_strSource.c_str(), sizeof block->source);
  lstrcpynA(block->translation, m_entryDlg.m_strTranslation.c_str(), sizeof block->translation);
  block->list = this;
  HANDLE worker = CreateThread(nullptr, 0, UpdateRecordsThread, block, 0, nullptr);
  if (!worker) {
    UpdateRecordsThread(block);  // no thread to be had: the edit is made here
    return;
  }
  m_updates.push_back(worker);
}

LRESULT CDictListCtrl::OnFilter(WPARAM wParam, LPARAM) {
  Finish_Updates();
  std::lock_guard<std::mutex> hold(m_recordsLock);
  SetRedraw(FALSE);
  DeleteAllItems();
  const std::vector<int> rows =
      Filter_Records(m_reader.m_nCount, m_reader.m_pRecords, static_cast<char>(wParam));
  for (int i = static_cast<int>(rows.size()) - 1; i >= 0; --i) {
    Add_Row(0, m_reader.m_pRecords[rows[static_cast<size_t>(i)]]);
  }
  SetRedraw(TRUE);
  return 0;
}

LRESULT CDictListCtrl::OnCompile(WPARAM, LPARAM) {
  Finish_Updates();
  {
    std::lock_guard<std::mutex> hold(m_recordsLock);
    m_writer.CollectEntries(m_reader.m_nCount, m_reader.m_pRecords, m_reader.Kept());
  }
  TShowApp show;
  const bool shown = show.CreateThread(THREAD_PRIORITY_NORMAL);
  m_lastWriteOk = m_writer.WritePackageFile(m_strPath.c_str());
  if (shown) show.End();
  HWND editor = GetParent(m_hWnd);
  if (editor) SetForegroundWindow(editor);
  return 0;
}

LRESULT CDictListCtrl::OnFind(WPARAM wParam, LPARAM) {
  const char* text = reinterpret_cast<const char*>(wParam);
  if (!text || !*text) return 0;
  const int count = GetItemCount();
  std::vector<std::string> texts;
  texts.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) texts.push_back(GetItemText(i, 1).str());
  const int row = Find_Row(texts, text);
  if (row < 0) return 0;
  const int top = static_cast<int>(SendMessageA(m_hWnd, LVM_GETTOPINDEX, 0, 0));
  const int steps = Scroll_Steps(row, top);
  for (int i = 0; i < (steps > 0 ? steps : -steps); ++i) {
    SendMessageA(m_hWnd, WM_VSCROLL, steps > 0 ? SB_LINEDOWN : SB_LINEUP, 0);
  }
  return 0;
}

// --- the editor ---

BEGIN_MSG_MAP(CDictUIExDlg, appfw::CDialog)
  ON_MSG(WM_ERASEBKGND, OnEraseBkgnd)
  ON_MSG(WM_PAINT, OnPaint)
  ON_MSG(WM_OUTBAR_EVENT, OnOutbarEvent)
  ON_MSG(WM_NOTIFY, OnNotify)
  ON_MSG(WM_COMMAND, OnCommandMsg)
  ON_MSG(WM_CTLCOLORSTATIC, OnCtlColorStatic)
  ON_MSG(WM_DESTROY, OnDestroy)
END_MSG_MAP()

CDictUIExDlg::CDictUIExDlg(appfw::CWnd* parent) : appfw::CDialog(IDD_DICTUIEX, parent) {}
CDictUIExDlg::~CDictUIExDlg() = default;

BOOL CDictUIExDlg::OnInitDialog() {
  appfw::CDialog::OnInitDialog();
  m_hIcon = LoadIconA(appfw::AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_LINGVANE));
  SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  Load_Bitmap(m_background, IDB_EDITOR_BACKGROUND);

  // The letter index over the place of control 1009.
  m_largeIcons.Create(IDB_INDEX_LARGE, 32, 0, kLargeIconMask);
  m_smallIcons.Create(IDB_INDEX_SMALL, 16, 0, kSmallIconMask);
  RECT place;
  GetWindowRect(GetDlgItem(m_hWnd, IDC_INDEX_PLACE), &place);
  MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
  m_indexBar.Create(WS_CHILD | WS_VISIBLE, place, this, IDC_INDEX_BAR, kIndexBarFlags);
  m_indexBar.SetIconList(m_largeIcons.m_hImageList, 2);
  m_indexBar.SetIconList(m_smallIcons.m_hImageList, 1);
  for (int f = 0; f < kIndexFolderCount; ++f) m_indexBar.AppendFolder(kIndexFolders[f], static_cast<DWORD_PTR>(f));
  for (int i = 0; i < kLetterRows; ++i) {
    const Letter_Row& row = kLetterTable[i];
    m_indexBar.InsertFolderItem(row.folder, -1, row.text, Letter_Image(i), 0);
  }
  m_indexBar.SelectFolder(0);
  m_indexBar.SetSmallIcons(TRUE);
  Layout();

  m_list.SubclassDlgItem(IDC_ENTRY_LIST, this);
  m_list.SetPath(m_strPath.c_str());
  m_list.Setup();
  m_combo.SubclassDlgItem(IDC_FIND_COMBO, this);
  m_combo.SetList(&m_list);
  m_combo.Catch_Enter();
  m_combo.LoadHistory();
  Layout();
  // Centred once it has its size.
  RECT r, work;
  GetWindowRect(m_hWnd, &r);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - (r.right - r.left)) / 2,
               work.top + (work.bottom - work.top - (r.bottom - r.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  return TRUE;
}

void CDictUIExDlg::Layout() {
  const SIZE size = Bitmap_Size(m_background);
  const int w = size.cx > 0 ? size.cx : 600, h = size.cy > 0 ? size.cy : 420;
  RECT frame{0, 0, w, h};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
  SetWindowPos(m_hWnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const Editor_Layout l = Layout_Editor(w, h);
  Place(GetDlgItem(m_hWnd, IDC_FIND_COMBO), l.combo);
  Place(GetDlgItem(m_hWnd, IDC_COMPILE), l.compile);
  Place(GetDlgItem(m_hWnd, IDCANCEL), l.exit);
  Place(GetDlgItem(m_hWnd, IDC_INDEX_PLACE), l.index);
  if (m_indexBar.m_hWnd) Place(m_indexBar.m_hWnd, l.index);
  Place(GetDlgItem(m_hWnd, IDC_ENTRY_LIST), l.list);
}

LRESULT CDictUIExDlg::OnEraseBkgnd(WPARAM wParam, LPARAM) {
  Draw_Bitmap(reinterpret_cast<HDC>(wParam), m_background);
  return TRUE;
}

LRESULT CDictUIExDlg::OnPaint(WPARAM, LPARAM) {
  if (!IsIconic(m_hWnd)) return Default();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  RECT r;
  GetClientRect(m_hWnd, &r);
  DrawIcon(dc, (r.right - GetSystemMetrics(SM_CXICON) + 1) / 2,
           (r.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2, m_hIcon);
  EndPaint(m_hWnd, &ps);
  return 0;
}

LRESULT CDictUIExDlg::OnOutbarEvent(WPARAM wParam, LPARAM lParam) {
  if (wParam == OUTBAR_ITEM_CLICKED) {
    const char letter = Letter_At(m_currentFolder, static_cast<int>(lParam));
    if (letter && m_list.m_hWnd) SendMessageA(m_list.m_hWnd, WM_DICTLIST_FILTER, static_cast<WPARAM>(letter), 0);
  } else if (wParam == OUTBAR_FOLDER_CHANGED) {
    m_currentFolder = static_cast<int>(lParam);
  }
  return 0;  // items are never moved
}

LRESULT CDictUIExDlg::OnNotify(WPARAM, LPARAM lParam) {
  const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
  if (hdr && hdr->idFrom == IDC_ENTRY_LIST && hdr->code == NM_DBLCLK) {
    m_list.Edit_Selected();
    return 0;
  }
  if (hdr && hdr->idFrom == IDC_ENTRY_LIST && hdr->code == NM_CUSTOMDRAW)
    return m_list.Custom_Draw(reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
  return Default();
}

LRESULT CDictUIExDlg::OnCommandMsg(WPARAM wParam, LPARAM) {
  const UINT id = LOWORD(wParam), code = HIWORD(wParam);
  if (id == IDC_COMPILE && code == BN_CLICKED) {
    SendMessageA(m_list.m_hWnd, WM_DICTLIST_COMPILE, 0, 0);
    return 0;
  }
  if (id == IDC_FIND_COMBO && code == CBN_EDITCHANGE) {
    m_combo.OnEditChange();
    return 0;
  }
  if (id == IDC_FIND_COMBO && code == CBN_SELCHANGE) {
    m_combo.OnSelChange();
    return 0;
  }
  return Default();
}

LRESULT CDictUIExDlg::OnCtlColorStatic(WPARAM wParam, LPARAM lParam) {
  // The search label stands on the picture's title band.
  if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_FIND_LABEL) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  return Default();
}

LRESULT CDictUIExDlg::OnDestroy(WPARAM, LPARAM) {
  m_combo.SaveHistory();
  m_list.Finish_Updates();
  m_background.DeleteObject();
  return Default();
}
