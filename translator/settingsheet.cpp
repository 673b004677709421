#include "settingsheet.h"

#include <commdlg.h>

#include <algorithm>

#include "app.h"
#include "options.h"
#include "resource.h"
#include "trhook32.h"

namespace {

const char kDictListFile[] = "\\lib\\wbseclib.lst";
const char kUserDictFile[] = "\\lib\\User.dct";
const char kLibFolder[] = "\\lib";
const char kDictFilter[] = "青岚墨译词库文件(*.dct)|*.dct||";
const char kUserDictCaption[] = "用户词库";
constexpr size_t kFileDialogBuffer = 65535;
constexpr COLORREF kDictListColour = 0x00DFFFFF;

// The translation page's hot keys: control, option, default.
struct Hot_Key_Row {
  int id;
  appfw::CHotKeyCtrl CTransSetting::*control;
  int TransOptions::*option;
  int defaultValue;
};
constexpr Hot_Key_Row kHotKeyRows[] = {
    {IDC_HOTKEY_TRANS, &CTransSetting::m_hotTrans, &TransOptions::TransHotkey,
     kDefaultTransHotkey},
    {IDC_HOTKEY_DICT, &CTransSetting::m_hotDict, &TransOptions::DictHotkey, kDefaultDictHotkey},
    {IDC_HOTKEY_INTERFACE, &CTransSetting::m_hotInterface, &TransOptions::InterfaceHotkey,
     kDefaultInterfaceHotkey},
    {IDC_HOTKEY_RESTORE, &CTransSetting::m_hotRestore, &TransOptions::RestoreEnglishHotkey,
     kDefaultRestoreEnglishHotkey},
};

void Show_Hot_Key(appfw::CHotKeyCtrl& control, int stored) {
  WORD value = Hot_Key_To_Control(stored);
  control.SetHotKey(LOBYTE(value), HIBYTE(value));
}

struct Column {
  const char* heading;
  int width;
};

void Add_Columns(appfw::CListCtrl& list, const Column* columns, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    list.InsertColumn(static_cast<int>(i), columns[i].heading, LVCFMT_LEFT, columns[i].width);
  }
}

// The width a column's heading needs: its text in the header's font and the margin of three
// edges the header keeps on each side of it.
int Heading_Width(HWND list, int column) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  char text[64] = "";
  HDITEMA item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (!header || !SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item)))
    return 0;
  HDC dc = GetDC(header);
  auto font = reinterpret_cast<HFONT>(SendMessageA(header, WM_GETFONT, 0, 0));
  HGDIOBJ kept = font ? SelectObject(dc, font) : nullptr;
  SIZE size{};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  if (kept) SelectObject(dc, kept);
  ReleaseDC(header, dc);
  return size.cx + 2 * 3 * GetSystemMetrics(SM_CXEDGE) + 2;
}

void Size_Columns_To_Contents(appfw::CListCtrl& list, int columns) {
  // As wide as the widest text, and never narrower than the heading (the list's own measure of
  // the heading leaves some systems' header a pixel short of its text).
  for (int i = 0; i < columns; ++i) {
    list.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
    const int heading = Heading_Width(list.m_hWnd, i);
    if (SendMessageA(list.m_hWnd, LVM_GETCOLUMNWIDTH, i, 0) < heading)
      list.SetColumnWidth(i, heading);
  }
}

// After a row was removed at `at`: the row now there, or the last one, is selected.
void Select_After_Removal(appfw::CListCtrl& list, int at) {
  int count = list.GetItemCount();
  if (count == 0) return;
  list.Select(std::min(std::max(at, 0), count - 1));
}

int Clicked_Row(LPARAM lParam) {
  return reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem;
}

}  // namespace

// --- translation page ---

BEGIN_MSG_MAP(CTransSetting, appfw::CPropertyPage)
  ON_CMD(IDC_DEFAULT_HOTKEYS, OnDefaultHotKeys)
END_MSG_MAP()

CTransSetting::CTransSetting() : appfw::CPropertyPage(IDD_TRANS_SETTING) {}

void CTransSetting::DoDataExchange() {
  for (const Hot_Key_Row& row : kHotKeyRows) appfw::DDX_Control(this, row.id, this->*row.control);
  appfw::DDX_Radio(this, IDC_MENU_CHINESE, m_menuStyle);
}

BOOL CTransSetting::OnInitDialog() {
  const TransOptions& o = g_TransOptions;
  m_menuStyle = o.UseChnEngMenu ? 1 : 0;
  m_usePacks = o.UseDFKC;
  m_packPath = o.DFKCPath.str();
  appfw::CPropertyPage::OnInitDialog();
  for (const Hot_Key_Row& row : kHotKeyRows) Show_Hot_Key(this->*row.control, o.*row.option);
  return TRUE;
}

void CTransSetting::OnDefaultHotKeys() {
  for (const Hot_Key_Row& row : kHotKeyRows) Show_Hot_Key(this->*row.control, row.defaultValue);
}

void CTransSetting::OnOK() {
  UpdateData(TRUE);
  TransOptions& o = g_TransOptions;
  for (const Hot_Key_Row& row : kHotKeyRows) {
    o.*row.option = Hot_Key_From_Control(LOWORD((this->*row.control).GetHotKey()));
  }
  o.UseChnEngMenu = m_menuStyle == 1 ? 1 : 0;
  o.UseDFKC = m_usePacks;
  if (o.UseDFKC && !m_packPath.empty()) {
    o.DFKCPath = m_packPath;
    SetCompatibleFlag32(m_packPath.c_str(), static_cast<int>(m_packPath.size()), 1);
  }
}

// --- dictionary page ---

BEGIN_MSG_MAP(CDictSetting, appfw::CPropertyPage)
  ON_CMD(IDC_DICT_ADD, OnAdd)
  ON_CMD(IDC_DICT_DELETE, OnDelete)
  ON_CMD(IDC_DICT_SELECT, OnSelect)
  ON_CMD(IDC_DICT_DESELECT, OnDeselect)
  ON_MSG(WM_NOTIFY, OnNotify)
END_MSG_MAP()

CDictSetting::CDictSetting() : appfw::CPropertyPage(IDD_DICT_SETTING) {}

void CDictSetting::DoDataExchange() {
  appfw::DDX_Control(this, IDC_DICT_LIST, m_list);
  appfw::DDX_Check(this, IDC_USE_USER_DICT, m_useUserDict);
}

BOOL CDictSetting::OnInitDialog() {
  m_useUserDict = g_TransOptions.UseUserDict;
  appfw::CPropertyPage::OnInitDialog();
  m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  m_list.SetBkColor(kDictListColour);
  m_list.SetTextBkColor(kDictListColour);
  m_images.Create(IDB_DICT_BOOKS, 16, 1, RGB(255, 255, 255));
  m_list.SetImageList(&m_images, LVSIL_SMALL);
  static const Column kColumns[] = {{"词库名称", 90}, {"词库描述", 180}, {"词库文件名", 120}};
  Add_Columns(m_list, kColumns, 3);

  for (const DictListRecord& r : Parse_Dict_List(Read_File_Bytes(App_Path(kDictListFile)))) {
    std::string fileName = Dict_Field(r.fileName);
    Dict_Header_Text header;
    std::string head = Read_File_Bytes(App_Path("\\lib\\") + fileName, nullptr, kDictHeaderSize);
    std::string description;
    if (Read_Dict_Header(head, false, &header)) description = header.description;
    Append_Row(Dict_Field(r.dictName), description, fileName, r.selected != 0);
  }
  if (m_list.GetItemCount() > 0) Size_Columns();
  return TRUE;
}

int CDictSetting::Append_Row(const std::string& name, const std::string& description,
                             const std::string& fileName, bool inUse) {
  int row = m_list.InsertItem(m_list.GetItemCount(), name.c_str(), inUse ? 1 : 0);
  m_list.SetItemData(row, inUse ? 1 : 0);
  m_list.SetItemText(row, 1, description.c_str());
  m_list.SetItemText(row, 2, fileName.c_str());
  return row;
}

void CDictSetting::Mark_Row(int row, bool inUse) {
  m_list.SetItemData(row, inUse ? 1 : 0);
  m_list.SetItemImage(row, inUse ? 1 : 0);
}

void CDictSetting::Size_Columns() { Size_Columns_To_Contents(m_list, 3); }

void CDictSetting::OnAdd() {
  appfw::CFileDialog dialog(kDictFilter,
                            OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, m_hWnd,
                            kFileDialogBuffer);
  dialog.m_initialDir = App_Path(kLibFolder);
  if (dialog.DoModal() != IDOK) return;
  for (const std::string& path : dialog.GetPathNames()) {
    Dict_Header_Text header;
    if (!Read_Dict_Header(Read_File_Bytes(path, nullptr, kDictHeaderSize), true, &header)) {
      continue;
    }
    // Only what the list can keep whole is listed.
    std::string fileName = Bare_File_Name(path);
    if (!Fits_Dict_List(fileName)) continue;
    bool listed = false;
    for (int i = 0; i < m_list.GetItemCount() && !listed; ++i) {
      listed = m_list.GetItemText(i, 0).str() == header.name;
    }
    if (!listed) Append_Row(header.name, header.description, fileName, false);
  }
  Size_Columns();
}

void CDictSetting::OnDelete() {
  int mark = m_list.GetSelectionMark();
  if (mark < 0 || mark >= m_list.GetItemCount()) return;
  m_list.DeleteItem(mark);
  Select_After_Removal(m_list, mark);
}

void CDictSetting::OnSelect() {
  int mark = m_list.GetSelectionMark();
  if (mark < 0 || mark >= m_list.GetItemCount()) return;
  for (int i = 0; i < m_list.GetItemCount(); ++i) Mark_Row(i, i == mark);
}

void CDictSetting::OnDeselect() {
  int mark = m_list.GetSelectionMark();
  if (mark < 0 || mark >= m_list.GetItemCount()) return;
  Mark_Row(mark, false);
}

LRESULT CDictSetting::OnNotify(WPARAM wParam, LPARAM lParam) {
  const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
  if (hdr->idFrom != IDC_DICT_LIST || hdr->code != NM_DBLCLK) {
    return appfw::CPropertyPage::OnNotify(wParam, lParam);
  }
  int row = Clicked_Row(lParam);
  if (row < 0 || row >= m_list.GetItemCount()) return 0;
  bool inUse = m_list.GetItemData(row) == 0;
  for (int i = 0; i < m_list.GetItemCount(); ++i) Mark_Row(i, i == row && inUse);
  return 0;
}

void CDictSetting::OnOK() {
  std::vector<DictListRecord> records;
  for (int i = 0; i < m_list.GetItemCount(); ++i) {
    records.push_back(Make_Dict_Record(m_list.GetItemText(i, 2).str(),
                                       m_list.GetItemText(i, 0).str(),
                                       m_list.GetItemData(i) != 0));
  }
  // The list and the dictionary in use change together: when the list cannot be written,
  // the choice stays as it was.
  CreateDirectoryA(App_Path(kLibFolder).c_str(), nullptr);
  if (Write_File_Bytes(App_Path(kDictListFile), Dict_List_Bytes(records))) {
    g_TransOptions.ProfDictID = Last_Selected(records);
  }
  UpdateData(TRUE);
  g_TransOptions.UseUserDict = m_useUserDict ? 1 : 0;
}

// --- user dictionary page ---

BEGIN_MSG_MAP(CUserPage, appfw::CPropertyPage)
  ON_CMD(IDC_USER_ADD, OnAddWord)
  ON_CMD(IDC_USER_MODIFY, OnModify)
  ON_CMD(IDC_USER_DELETE, OnDeleteWord)
  ON_MSG(WM_NOTIFY, OnNotify)
END_MSG_MAP()

CUserPage::CUserPage() : appfw::CPropertyPage(IDD_USER_PAGE) {}

void CUserPage::DoDataExchange() { appfw::DDX_Control(this, IDC_USER_LIST, m_list); }

BOOL CUserPage::OnInitDialog() {
  appfw::CPropertyPage::OnInitDialog();
  m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  static const Column kColumns[] = {{"单词", 60}, {"词性", 60}, {"解释", 60}};
  Add_Columns(m_list, kColumns, 3);
  LoadUserDict();
  if (m_list.GetItemCount() > 0) Size_Columns_To_Contents(m_list, 3);
  return TRUE;
}

void CUserPage::Set_Row(int row, const User_Word& word) {
  m_list.SetItemText(row, 0, word.word.c_str());
  m_list.SetItemText(row, 1, word.part.c_str());
  m_list.SetItemText(row, 2, word.meaning.c_str());
}

void CUserPage::LoadUserDict() {
  bool opened = false;
  std::string bytes = Read_File_Bytes(App_Path(kUserDictFile), &opened);
  if (!opened) return;
  m_list.SetRedraw(FALSE);
  for (const User_Word& w : Parse_User_Dict(bytes)) {
    // The list places the word in its sorted order.
    int row = m_list.InsertItem(m_list.GetItemCount(), w.word.c_str());
    Set_Row(row, w);
  }
  m_list.SetRedraw(TRUE);
}

std::vector<User_Word> CUserPage::Words() const {
  std::vector<User_Word> words;
  for (int i = 0; i < m_list.GetItemCount(); ++i) {
    words.push_back({m_list.GetItemText(i, 0).str(), m_list.GetItemText(i, 1).str(),
                     m_list.GetItemText(i, 2).str()});
  }
  return words;
}

void CUserPage::SaveUserDict() {
  Write_File_Bytes(App_Path(kUserDictFile), User_Dict_Bytes(Words()));
}

void CUserPage::OnAddWord() {
  CUserWordDlg dlg(this);
  dlg.m_part = kPartsOfSpeech[0];
  if (dlg.DoModal() != IDOK) return;
  int row = m_list.InsertItem(m_list.GetItemCount(), dlg.m_word.c_str());
  Set_Row(row, {dlg.m_word, dlg.m_part, dlg.m_meaning});
  m_modified = true;
}

void CUserPage::Edit_Row(int row) {
  if (row < 0 || row >= m_list.GetItemCount()) return;
  CUserWordDlg dlg(this);
  dlg.m_word = m_list.GetItemText(row, 0).str();
  dlg.m_part = m_list.GetItemText(row, 1).str();
  dlg.m_meaning = m_list.GetItemText(row, 2).str();
  if (dlg.DoModal() != IDOK) return;
  Set_Row(row, {dlg.m_word, dlg.m_part, dlg.m_meaning});
  m_modified = true;
}

void CUserPage::OnModify() { Edit_Row(m_list.GetNextItem(-1, LVNI_SELECTED)); }

void CUserPage::OnDeleteWord() {
  int mark = m_list.GetSelectionMark();
  if (mark >= 0 && mark < m_list.GetItemCount()) {
    m_list.DeleteItem(mark);
    Select_After_Removal(m_list, mark);
  }
  m_modified = true;
}

LRESULT CUserPage::OnNotify(WPARAM wParam, LPARAM lParam) {
  const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
  if (hdr->idFrom != IDC_USER_LIST || hdr->code != NM_DBLCLK) {
    return appfw::CPropertyPage::OnNotify(wParam, lParam);
  }
  Edit_Row(Clicked_Row(lParam));
  return 0;
}

void CUserPage::OnOK() {
  if (!m_modified) return;
  appfw::CString question;
  question.LoadString(IDS_SAVE_USER_DICT);
  if (MessageBoxA(m_hWnd, question, kUserDictCaption, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    SaveUserDict();
  }
}

// --- word dialog ---

CUserWordDlg::CUserWordDlg(appfw::CWnd* parent) : appfw::CDialog(IDD_USER_WORD, parent) {}

void CUserWordDlg::DoDataExchange() {
  appfw::DDX_Text(this, IDC_WORD_TEXT, m_word);
  appfw::DDX_Text(this, IDC_WORD_MEANING, m_meaning);
  if (m_bSaveAndValidate) appfw::DDX_Text(this, IDC_WORD_PART, m_part);
}

BOOL CUserWordDlg::OnInitDialog() {
  HWND parts = GetDlgItem(m_hWnd, IDC_WORD_PART);
  for (const char* part : kPartsOfSpeech) {
    SendMessageA(parts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(part));
  }
  appfw::CDialog::OnInitDialog();
  LRESULT at = SendMessageA(parts, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(m_part.c_str()));
  // A part of speech the list does not offer (from a file written elsewhere) is kept.
  if (at == CB_ERR && !m_part.empty()) {
    at = SendMessageA(parts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_part.c_str()));
  }
  SendMessageA(parts, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
  // The record of the three texts stays within what a reader takes in.
  SendDlgItemMessageA(m_hWnd, IDC_WORD_TEXT, EM_LIMITTEXT, kMaxWordChars, 0);
  SendDlgItemMessageA(m_hWnd, IDC_WORD_MEANING, EM_LIMITTEXT, kMaxMeaningChars, 0);
  return TRUE;
}

void CUserWordDlg::OnOK() {
  UpdateData(TRUE);
  // Texts given to the dialog longer than its limits are cut on character boundaries.
  m_word = Cut_Bytes(m_word, 2 * kMaxWordChars);
  m_meaning = Cut_Bytes(m_meaning, 2 * kMaxMeaningChars);
  EndDialog(IDOK);
}

// --- the sheet ---

CSettingSheet::CSettingSheet(appfw::CWnd* parent)
    : appfw::CPropertySheet(IDS_SETTINGS_CAPTION, parent) {
  AddPage(&m_transPage);
  AddPage(&m_dictPage);
  AddPage(&m_userPage);
}

BOOL CSettingSheet::OnInitDialog() {
  RECT r, desktop;
  GetWindowRect(m_hWnd, &r);
  GetWindowRect(GetDesktopWindow(), &desktop);
  int w = r.right - r.left, h = r.bottom - r.top;
  SetWindowPos(m_hWnd, nullptr, desktop.left + (desktop.right - desktop.left - w) / 2,
               desktop.top + (desktop.bottom - desktop.top - h) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}
