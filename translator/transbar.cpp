#include "transbar.h"

#include <shellapi.h>
#include <tlhelp32.h>
#include <windowsx.h>

#include <cstdio>
#include <cstring>

#include "about.h"
#include "dictuiex.h"
#include "app.h"
#include "appfw/app.h"
#include "options.h"
#include "settingsheet.h"
#include "resource.h"
#include "trhook32.h"
#include "trhook95.h"

HWND g_hTargetWnd = nullptr;

namespace {

constexpr UINT_PTR kSlideTimer = 6000;
constexpr UINT_PTR kDictPollTimer = 7000;
constexpr int kHelpContext = 0x20080;
constexpr DWORD kForegroundWait = 1000;  // ms

const char kDictClass[] = "VORDEXWND";
const char kDictTitle[] = "青岚墨典";
const char kDictTitlePaused[] = "青岚墨典(暂停)";
constexpr WPARAM kDictShow = 40008;
constexpr WPARAM kDictTogglePause = 40012;

struct Hot_Key_Row {
  int id;
  int TransOptions::*option;
};
constexpr Hot_Key_Row kHotKeys[] = {{HOTKEY_DICT, &TransOptions::DictHotkey},
                                    {HOTKEY_TRANS, &TransOptions::TransHotkey},
                                    {HOTKEY_INTERFACE, &TransOptions::InterfaceHotkey},
                                    {HOTKEY_RESTORE, &TransOptions::RestoreEnglishHotkey},
                                    {HOTKEY_PACKAGE, &TransOptions::PackageHotkey}};

bool Of_Other_Process(HWND window) {
  DWORD pid = 0;
  if (!window || !GetWindowThreadProcessId(window, &pid)) return false;
  return pid != GetCurrentProcessId();
}

std::string Dict_List_Path() { return App_Path("\\lib\\wbseclib.lst"); }

bool File_Exists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Gives every complete record of the list the selected flag of `index` alone, each record
// rewritten in place; a short tail stays as it is.
void Mark_Dict_List(int index) {
  HANDLE f = CreateFileA(Dict_List_Path().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  std::vector<DictListRecord> records;
  DictListRecord r;
  DWORD got = 0;
  while (ReadFile(f, &r, sizeof r, &got, nullptr) && got == sizeof r) records.push_back(r);
  Select_Dict(records, index);
  SetFilePointer(f, 0, nullptr, FILE_BEGIN);
  for (const DictListRecord& rec : records) {
    DWORD written = 0;
    WriteFile(f, &rec, sizeof rec, &written, nullptr);
  }
  CloseHandle(f);
}

// Asks the shell to open a program or page; true when it accepted.
bool Shell_Open(const char* verb, const std::string& file, const char* params, int show) {
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, verb, file.c_str(), params, "", show));
  return result > 32;
}

HWND Find_Dictionary(const char* title) { return FindWindowA(kDictClass, title); }

BOOL CALLBACK Redraw_Menu_Bar(HWND window, LPARAM) {
  if (GetMenu(window)) DrawMenuBar(window);
  return TRUE;
}

// Watches for the cursor leaving the bar: the sixth poll in a row outside it, about 2.5 s
// after it left, posts WM_MOUSELEAVE to the bar and ends. It only reads the bar's rectangle.
UINT MouseLeaveWatcher(LPVOID param) {
  HWND bar = static_cast<HWND>(param);
  int outside = 0;
  while (IsWindow(bar)) {
    POINT cursor;
    RECT r;
    GetCursorPos(&cursor);
    GetWindowRect(bar, &r);
    if (PtInRect(&r, cursor)) {
      outside = 0;
    } else if (++outside >= 6) {
      PostMessageA(bar, WM_MOUSELEAVE, 0, 0);
      return 0;
    }
    Sleep(500);
  }
  return 0;
}

}  // namespace

bool GetWindowExePath(HWND window, char* buffer, size_t size) {
  if (!buffer || size == 0 || IsBadWritePtr(buffer, size)) return false;
  memset(buffer, 0, size);
  DWORD pid = 0;
  if (!window || !IsWindow(window)) return false;
  GetWindowThreadProcessId(window, &pid);
  if (pid == 0) return false;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  std::vector<Process_Entry> entries;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more;
       more = Process32Next(snapshot, &entry)) {
    entries.push_back({entry.th32ProcessID, entry.szExeFile});
  }
  CloseHandle(snapshot);
  const Process_Entry* chosen = Choose_Exe_Entry(entries, pid, size);
  if (!chosen) return false;
  memcpy(buffer, chosen->exeFile.data(), chosen->exeFile.size());
  return true;
}

BEGIN_MSG_MAP(CTransBar, appfw::CWnd)
  ON_MSG(WM_CREATE, OnCreate)
  ON_MSG(WM_CLOSE, OnClose)
  ON_MSG(WM_HOTKEY, OnHotKey)
  ON_MSG(WM_TIMER, OnTimer)
  ON_MSG(WM_CONTEXTMENU, OnContextMenu)
  ON_MSG(WM_INITMENUPOPUP, OnInitMenuPopup)
  ON_MSG(WM_ACTIVATE, OnActivate)
  ON_MSG(WM_ACTIVATEAPP, OnActivateApp)
  ON_MSG(WM_PALETTECHANGED, OnPaletteChanged)
  ON_MSG(WM_ERASEBKGND, OnEraseBkgnd)
  ON_MSG(WM_NOTIFY, OnNotify)
  ON_CMD(ID_BAR_MINIMIZE, OnMinimize)
  ON_CMD(ID_BAR_CLOSE, OnBarClose)
  ON_CMD(ID_BAR_AUTOHIDE, OnAutoHide)
  ON_CMD(ID_BAR_RESTORE, OnRestore)
  ON_CMD(ID_APP_ABOUT, OnAppAbout)
  ON_CMD(ID_QUICK_TRANSLATE, OnQuickTranslate)
  ON_CMD(ID_RESTORE_ENGLISH, OnRestoreEnglish)
  ON_CMD(ID_LOCALISE, OnLocalise)
  ON_CMD(ID_DICT_CAPTURE, OnDictCapture)
  ON_CMD(ID_SETTINGS_POPUP, OnSettingsPopup)
  ON_CMD(ID_TOOLS_POPUP, OnToolsPopup)
  ON_CMD(ID_COMPARE_OFF, OnCompareOff)
  ON_CMD(ID_COMPARE_LEFTRIGHT, OnCompareLeftRight)
  ON_CMD(ID_COMPARE_UPDOWN, OnCompareUpDown)
  ON_CMD(ID_NO_PROF_DICT, OnNoProfDict)
  ON_CMD(ID_SETTINGS_SHEET, OnSettingsSheet)
  ON_CMD(ID_FULLTEXT, OnFullText)
  ON_CMD(ID_PERMANENT, OnPermanent)
  ON_CMD(ID_DICTIONARY_SHOW, OnDictionaryShow)
  ON_CMD(ID_NAV_BAR, OnNavBar)
  ON_CMD(ID_BILINGUAL_MENU, OnBilingualMenu)
  ON_CMD(ID_BIG5_INTERFACE, OnBig5Interface)
  ON_CMD(ID_GAME_TRANS, OnGameTrans)
  ON_CMD(ID_SIMPLE_INTERFACE, OnSimpleInterface)
  ON_CMD(ID_HELP_USING, OnHelpUsing)
  ON_MSG(WM_MOUSELEAVE, OnMouseLeave)
  ON_MSG(WM_NCHITTEST, OnNcHitTest)
  ON_MSG(WM_SETCURSOR, OnSetCursor)
  ON_MSG(WM_LBUTTONDOWN, OnLButtonDown)
  ON_MSG(WM_DISPLAYCHANGE, OnDisplayChange)
  ON_MSG(WM_COMMAND, OnCommand)  // the code, dictionary and web commands
END_MSG_MAP()

// The compact bar is moved by the system over its gripper and snaps at the end of the move;
// its activation changes nothing of its look.
BEGIN_MSG_MAP(CSimpleTransBar, CTransBar)
  ON_MSG(WM_NCHITTEST, OnNcHitTest)
  ON_MSG(WM_SETCURSOR, OnSetCursor)
  ON_MSG(WM_LBUTTONDOWN, OnLButtonDown)
  ON_MSG(WM_ACTIVATEAPP, OnActivateApp)
  ON_MSG(WM_EXITSIZEMOVE, OnExitSizeMove)
END_MSG_MAP()

CTransBar::CTransBar() = default;
CTransBar::~CTransBar() = default;

BOOL CTransBar::Create() {
  const char* cls = appfw::AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                                               LoadCursor(nullptr, IDC_ARROW));
  appfw::CString title;
  title.LoadString(IDS_PROGRAM_NAME);
  return CreateEx(WS_EX_TOOLWINDOW, cls, title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr) ? 1 : 0;
}

void CTransBar::Give_Shape() {
  HRGN strip = CreateRoundRectRgn(0, 0, 250, 30, 15, 25);
  HRGN ring = CreateEllipticRgn(105, 0, 145, 40);
  HRGN grip = CreateEllipticRgn(108, 3, 142, 37);
  CombineRgn(strip, strip, ring, RGN_DIFF);
  CombineRgn(strip, strip, grip, RGN_OR);
  DeleteObject(ring);
  DeleteObject(grip);
  SetWindowRgn(m_hWnd, strip, FALSE);  // the window owns the region from here on
}

void CTransBar::Make_Toolbars() {
  const DWORD style = TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_WRAPABLE | TBSTYLE_TOOLTIPS;
  m_toolbarA.Create(m_hWnd, style, IDW_BAR_TOOLBAR, IDR_SHAPED_TOOLBAR_A);
  MoveWindow(m_toolbarA.m_hWnd, 4, 3, 96, 24, TRUE);
  m_toolbarA.SetTipsAlways();
  m_toolbarB.Create(m_hWnd, style, IDW_BAR_TOOLBAR, IDR_SHAPED_TOOLBAR_B);
  MoveWindow(m_toolbarB.m_hWnd, 151, 3, 96, 24, TRUE);
  m_toolbarB.SetCheckStyle(ID_DICT_CAPTURE);
  m_toolbarB.SetTipsAlways();
}

void CSimpleTransBar::Make_Toolbars() {
  m_toolbarA.Create(m_hWnd, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS,
                    IDW_BAR_TOOLBAR, IDR_COMPACT_TOOLBAR_A, IDB_COMPACT_BUTTONS);
  SendMessageA(m_toolbarA.m_hWnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(19, 22));
  MoveWindow(m_toolbarA.m_hWnd, 11, 2, 173, 24, TRUE);
  m_toolbarA.SetTipsAlways();
  m_toolbarA.SetCheckStyle(ID_DICT_CAPTURE);
  m_toolbarB.Create(m_hWnd, TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_WRAPABLE |
                                TBSTYLE_TOOLTIPS,
                    IDW_BAR_TOOLBAR, IDR_COMPACT_TOOLBAR_B);
  SendMessageA(m_toolbarB.m_hWnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(13, 12));
  MoveWindow(m_toolbarB.m_hWnd, 184, 2, 13, 24, TRUE);
  m_toolbarB.SetTipsAlways();
}

LRESULT CTransBar::OnCreate(WPARAM, LPARAM) {
  TransOptions& o = g_TransOptions;
  m_cursorMove = LoadCursor(nullptr, IDC_SIZEALL);
  m_cursorArrow = LoadCursor(nullptr, IDC_ARROW);
  m_cursorButton = LoadCursorA(appfw::AfxGetResourceHandle(),
                               MAKEINTRESOURCEA(IDC_BUTTON_POINTER));

  int captionButton = GetSystemMetrics(SM_CXSIZE);
  m_screenWidth = GetSystemMetrics(SM_CXSCREEN);
  m_screenHeight = GetSystemMetrics(SM_CYSCREEN);
  SIZE size = Bar_Size();
  SetWindowPos(m_hWnd, HWND_TOPMOST, m_screenWidth - 3 * captionButton - 250, 0, size.cx,
               size.cy, SWP_NOACTIVATE);
  Give_Shape();
  LoadBackground(static_cast<UINT>(o.BackgroundImageID));

  appfw::CString tip;
  tip.LoadString(IDS_PROGRAM_NAME);
  HICON icon = static_cast<HICON>(LoadImageA(appfw::AfxGetResourceHandle(),
                                             MAKEINTRESOURCEA(IDI_LINGVANE), IMAGE_ICON, 16, 16,
                                             0));
  m_trayIcon.Create(this, ID_TRAY_ICON, icon, tip);
  Make_Toolbars();
  Register_Hot_Keys();

  if (!m_compareWnd.Create()) return -1;
  m_hCompareWnd = m_compareWnd.m_hWnd;

  // Both hook libraries, in this order.
  if (!InitWinHooks(GetCurrentProcessId(), &m_hCompareWnd)) {
    m_startFailureMessage = IDS_HOOKS_REFUSED;
    return -1;
  }
  SetGameActiveFlag(o.UseGameTrans);
  if (!InitHooks32(m_hCompareWnd)) {
    // Leave no hooks behind: trhook95 would refuse to start again while they are recorded.
    ClearWinHooks();
    return -1;
  }
  SetLexomarHotKey(static_cast<DWORD>(o.DictHotkey));
  SetDictCapture(o.UseDictionary);
  m_autoHideArmed = o.AutoHideBar != 0;
  SetForegroundWindow(m_hWnd);
  SnapToEdges();
  if (!ValidateDictList()) o.ProfDictID = -1;
  SetProfDictID32(o.ProfDictID);
  SetUserDict32(o.UseUserDict);
  SetChnEngMenu32(o.UseChnEngMenu);
  UINT codePage = GetACP();
  if (codePage == 936) o.InterfaceType = 0;
  else if (codePage == 950) o.InterfaceType = 1;
  SetInterfaceType32(o.InterfaceType);
  SetCode32(o.CurrentCode);

  ShowWindow(m_hWnd, SW_SHOW);
  InvalidateRect(nullptr, nullptr, TRUE);
  SetTimer(m_hWnd, kDictPollTimer, 1000, nullptr);
  if (o.ShowNavBar) OnNavBar();
  return 0;
}

void CTransBar::Register_Hot_Keys() {
  for (const Hot_Key_Row& r : kHotKeys) {
    int value = g_TransOptions.*r.option;
    RegisterHotKey(m_hWnd, r.id, HIWORD(value), LOWORD(value));
  }
}

void CTransBar::Unregister_Hot_Keys() {
  for (const Hot_Key_Row& r : kHotKeys) UnregisterHotKey(m_hWnd, r.id);
}

LRESULT CTransBar::OnClose(WPARAM, LPARAM) {
  if (m_comparing) {
    appfw::AfxMessageBox(IDS_CLOSE_COMPARISON_FIRST);
    return 0;
  }
  ClearHooks32();
  KillTimer(m_hWnd, kSlideTimer);
  KillTimer(m_hWnd, kDictPollTimer);
  Unregister_Hot_Keys();
  m_trayIcon.ShowIcon(FALSE);
  if (m_navBar.m_hWnd) {
    g_TransOptions.ShowNavBar = 1;
    m_navBar.DestroyWindow();
  } else {
    g_TransOptions.ShowNavBar = 0;
  }
  if (m_compareWnd.m_hWnd) m_compareWnd.DestroyWindow();
  ClearWinHooks();
  RedrawAllMenuBars();
  InvalidateRect(nullptr, nullptr, FALSE);
  DestroyWindow();
  return 0;
}

BOOL CTransBar::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_MOUSEMOVE) {
    HWND front = GetForegroundWindow();
    if (Of_Other_Process(front)) g_hTargetWnd = front;
    if (m_autoHideArmed) {
      if (InterlockedCompareExchange(&m_watcherRunning, 1, 0) == 0) {
        if (!appfw::AfxBeginThread(MouseLeaveWatcher, m_hWnd)) m_watcherRunning = 0;
      }
      if (m_slidUp) SlideDown();
    }
  }
  return FALSE;
}

LRESULT CTransBar::OnHotKey(WPARAM id, LPARAM) {
  g_hTargetWnd = GetForegroundWindow();
  switch (id) {
    case HOTKEY_DICT: OnDictCapture(); break;
    case HOTKEY_TRANS: OnQuickTranslate(); break;
    case HOTKEY_INTERFACE: OnLocalise(); break;
    case HOTKEY_RESTORE: OnRestoreEnglish(); break;
    case HOTKEY_PACKAGE: Open_Package_Editor(); break;
    default: break;
  }
  return 0;
}

LRESULT CTransBar::OnTimer(WPARAM id, LPARAM) {
  if (id == kSlideTimer && m_slidUp) Draw_Slid_Edge();
  if (id == kDictPollTimer) {
    // The dictionary program's own pause wins: the button follows it.
    if (Find_Dictionary(kDictTitlePaused)) {
      SetDictButton(FALSE);
      g_TransOptions.UseDictionary = 0;
    } else if (Find_Dictionary(kDictTitle)) {
      SetDictButton(TRUE);
      g_TransOptions.UseDictionary = 1;
    } else {
      SetDictButton(FALSE);
      g_TransOptions.UseDictionary = 0;
    }
  }
  return 0;
}

LRESULT CTransBar::OnActivate(WPARAM wp, LPARAM lp) {
  HWND previous = reinterpret_cast<HWND>(lp);
  if (LOWORD(wp) == WA_ACTIVE && Of_Other_Process(previous)) g_hTargetWnd = previous;
  return Default();
}

LRESULT CTransBar::OnContextMenu(WPARAM wp, LPARAM lp) {
  m_autoHideArmed = false;
  appfw::CMenu menu;
  HMENU popup = nullptr;
  if (reinterpret_cast<HWND>(wp) == m_trayIcon.m_hWnd && m_trayIcon.m_hWnd) {
    menu.LoadMenu(IDR_TRAY_MENU);
    popup = menu.GetSubMenu(0);
    SetForegroundWindow(m_hWnd);
    appfw::Set_Menu_Item_Marks(popup, ID_BAR_RESTORE, false, m_minimised);
  } else {
    menu.LoadMenu(IDR_BAR_MENU);
    popup = menu.GetSubMenu(0);
  }
  appfw::Set_Menu_Item_Marks(popup, ID_BAR_AUTOHIDE, g_TransOptions.AutoHideBar != 0, true);
  appfw::Track_Popup_Menu(popup, TPM_RIGHTBUTTON, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)},
                          m_hWnd);
  m_autoHideArmed = g_TransOptions.AutoHideBar != 0;
  return 0;
}

LRESULT CTransBar::OnInitMenuPopup(WPARAM wp, LPARAM) {
  HMENU popup = reinterpret_cast<HMENU>(wp);
  const TransOptions& o = g_TransOptions;
  Menu_State state{GetCode32(),      o.UseChnEngMenu, o.InterfaceType,
                   o.UseGameTrans,   o.InterfaceStyle, m_comparing,
                   m_navBar.m_hWnd != nullptr};
  for (const Menu_Mark& m : Menu_Marks(state)) {
    appfw::Set_Menu_Item_Marks(popup, m.id, m.checked, m.enabled);
  }
  return Default();
}

LRESULT CTransBar::OnActivateApp(WPARAM, LPARAM) {
  LoadBackground(static_cast<UINT>(g_TransOptions.BackgroundImageID));
  Repaint();
  return Default();
}

LRESULT CTransBar::OnPaletteChanged(WPARAM wp, LPARAM) {
  if (reinterpret_cast<HWND>(wp) != m_hWnd) {
    LoadBackground(static_cast<UINT>(g_TransOptions.BackgroundImageID));
    Repaint();
  }
  return 0;
}

LRESULT CTransBar::OnEraseBkgnd(WPARAM wp, LPARAM) {
  Draw_Background(reinterpret_cast<HDC>(wp));
  return TRUE;
}

void CTransBar::Draw_Background(HDC dc) {
  bool active = GetActiveWindow() == m_hWnd;
  m_background.Draw(dc, 0, active ? 0 : -36);
}

void CSimpleTransBar::Draw_Background(HDC dc) {
  m_background.Draw(dc, 0, 0);
  for (int left : {3, 7}) {
    RECT r{left, 2, left + 3, 25};
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  }
}

BOOL CTransBar::LoadBackground(UINT bitmapId) {
  return m_background.Load(appfw::AfxGetResourceHandle(), MAKEINTRESOURCEA(bitmapId));
}

void CTransBar::Repaint() {
  InvalidateRect(m_hWnd, nullptr, TRUE);
  UpdateWindow(m_hWnd);
}

LRESULT CTransBar::OnNotify(WPARAM, LPARAM lp) {
  auto* header = reinterpret_cast<NMHDR*>(lp);
  if (header->code != TTN_GETDISPINFOA && header->code != TTN_GETDISPINFOW) return Default();
  UINT id = static_cast<UINT>(header->idFrom);
  appfw::CString text;
  text.LoadString(id);
  std::string tip(static_cast<const char*>(text));
  if (id == ID_QUICK_TRANSLATE || id == ID_RESTORE_ENGLISH || id == ID_LOCALISE) {
    char title[256] = {};
    if (g_hTargetWnd) GetWindowTextA(g_hTargetWnd, title, 255);
    tip = Compose_Target_Tip(tip, GetWindowExeName(g_hTargetWnd), title);
  } else if (id == ID_DICT_CAPTURE) {
    size_t half = tip.find('\n');
    if (half != std::string::npos) {
      tip = g_TransOptions.UseDictionary ? tip.substr(half + 1) : tip.substr(0, half);
    }
  }
  tip = Cut_Bytes(tip, kTipBuffer - 1);
  if (header->code == TTN_GETDISPINFOA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(lp);
    memcpy(info->szText, tip.c_str(), tip.size() + 1);
    info->lpszText = info->szText;
    info->hinst = nullptr;
  } else {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(lp);
    MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, info->szText,
                        static_cast<int>(sizeof info->szText / sizeof info->szText[0]));
    info->lpszText = info->szText;
    info->hinst = nullptr;
  }
  return 0;
}

std::string CTransBar::GetWindowExeName(HWND window) {
  char path[256];
  if (!GetWindowExePath(window, path, 255)) return std::string();
  return Exe_Base_Name(path);
}

LRESULT CTransBar::OnCommand(WPARAM wp, LPARAM) {
  UINT id = LOWORD(wp);
  if (id >= ID_CODE_GB && id <= ID_CODE_NONE) {
    Choose_Code(Code_Of_Command(id));
  } else if (id >= ID_PROF_DICT_FIRST && id <= ID_PROF_DICT_LAST) {
    Choose_Prof_Dict(static_cast<int>(id - ID_PROF_DICT_FIRST));
  } else if (const char* page = Web_Page_Of(id)) {
    Shell_Open("open", page, "", SW_SHOWMAXIMIZED);
  } else {
    return Default();
  }
  return 0;
}

// --- commands ---

void CTransBar::OnMinimize() {
  ShowWindow(m_hWnd, SW_HIDE);
  m_minimised = true;
}

void CTransBar::OnBarClose() { PostMessageA(m_hWnd, WM_CLOSE, 0, 0); }

void CTransBar::OnAutoHide() {
  g_TransOptions.AutoHideBar = !g_TransOptions.AutoHideBar;
  m_autoHideArmed = g_TransOptions.AutoHideBar != 0;
}

void CTransBar::OnRestore() {
  if (!m_minimised) return;
  ShowWindow(m_hWnd, SW_SHOW);
  m_minimised = false;
}

void CTransBar::OnAppAbout() {
  CAboutDlg about(this);
  about.DoModal();
}

void CTransBar::Translate_Target(int mode) {
  SetTransFlag32(g_hTargetWnd, mode);
  InvalidateRect(nullptr, nullptr, TRUE);
  RedrawThreadMenus(g_hTargetWnd);
}

void CTransBar::OnQuickTranslate() { Translate_Target(TRANS_MODE_QUICK); }
void CTransBar::OnRestoreEnglish() { Translate_Target(TRANS_MODE_RESTORE); }
void CTransBar::OnLocalise() { Translate_Target(TRANS_MODE_LOCALISE); }

void CTransBar::RedrawThreadMenus(HWND window) {
  DWORD thread = window ? GetWindowThreadProcessId(window, nullptr) : 0;
  if (thread) EnumThreadWindows(thread, Redraw_Menu_Bar, 0);
}

void CTransBar::RedrawAllMenuBars() { EnumWindows(Redraw_Menu_Bar, 0); }

void CTransBar::Choose_Code(int code) {
  if (GetCode32() == code) return;
  SetCode32(code);
  g_TransOptions.CurrentCode = GetCode32();
  InvalidateRect(nullptr, nullptr, TRUE);
}

void CTransBar::OnBilingualMenu() {
  int& v = g_TransOptions.UseChnEngMenu;
  v = !v;
  SetChnEngMenu32(v);
  RedrawAllMenuBars();
}

void CTransBar::OnBig5Interface() {
  int& v = g_TransOptions.InterfaceType;
  v = !v;
  SetInterfaceType32(v);
  Repaint();
}

void CTransBar::OnGameTrans() {
  int& v = g_TransOptions.UseGameTrans;
  v = !v;
  SetGameActiveFlag(v);
}

// --- dictionary capture ---

void CTransBar::SetDictButton(BOOL pressed) { Dict_Toolbar().SetCheck(ID_DICT_CAPTURE, pressed); }

void CTransBar::SetDictCapture(BOOL on) {
  SetDictButton(on);
  if (on) {
    if (HWND paused = Find_Dictionary(kDictTitlePaused)) {
      PostMessageA(paused, WM_COMMAND, kDictTogglePause, 0);
    } else if (!Find_Dictionary(nullptr)) {
      LaunchDictionary();
    }
  } else if (HWND capturing = Find_Dictionary(kDictTitle)) {
    PostMessageA(capturing, WM_COMMAND, kDictTogglePause, 0);
  }
}

BOOL CTransBar::LaunchDictionary() {
  if (Shell_Open(nullptr, "vordex.exe", "-s", SW_SHOWNORMAL)) return TRUE;
  if (Shell_Open(nullptr, App_Path("\\lexomarmini\\vordex.exe"), "-s", SW_SHOWNORMAL)) {
    return TRUE;
  }
  appfw::AfxMessageBox(IDS_NO_DICTIONARY);
  return FALSE;
}

void CTransBar::OnDictCapture() {
  int& v = g_TransOptions.UseDictionary;
  v = !v;
  SetDictCapture(v);
}

void CTransBar::OnDictionaryShow() {
  HWND dictionary = Find_Dictionary(kDictTitlePaused);
  if (!dictionary) dictionary = Find_Dictionary(kDictTitle);
  if (dictionary) {
    PostMessageA(dictionary, WM_COMMAND, kDictShow, 0);
  } else {
    LaunchDictionary();
  }
}

// --- professional dictionaries ---

void CTransBar::Set_Tips_On(bool on) {
  m_toolbarA.SetTipsOn(on);
  m_toolbarB.SetTipsOn(on);
}

void CTransBar::Track_Button_Popup(int position, POINT at) {
  m_autoHideArmed = false;
  Set_Tips_On(false);
  appfw::CMenu menu;
  menu.LoadMenu(IDR_BUTTON_MENUS);
  appfw::Track_Popup_Menu(menu.GetSubMenu(position), TPM_RIGHTBUTTON, at, m_hWnd);
  Set_Tips_On(true);
  m_autoHideArmed = g_TransOptions.AutoHideBar != 0;
}

void CTransBar::OnSettingsPopup() {
  m_autoHideArmed = false;
  Set_Tips_On(false);
  appfw::CMenu menu;
  menu.LoadMenu(IDR_BUTTON_MENUS);
  HMENU popup = menu.GetSubMenu(3);
  HMENU dicts = appfw::Find_Sub_Menu(popup, "专业词库");
  if (dicts) {
    int chosen = g_TransOptions.ProfDictID;
    if (chosen == -1) CheckMenuItem(dicts, ID_NO_PROF_DICT, MF_BYCOMMAND | MF_CHECKED);
    std::string bytes = Read_File_Bytes(Dict_List_Path());
    for (const Dict_Menu_Item& item : Dict_Menu_Items(Parse_Dict_List(bytes), chosen)) {
      AppendMenuA(dicts, MF_STRING | (item.checked ? MF_CHECKED : 0), item.id,
                  item.name.c_str());
    }
  }
  RECT bar;
  GetWindowRect(m_hWnd, &bar);
  appfw::Track_Popup_Menu(popup, TPM_RIGHTBUTTON, POINT{bar.left + 130, bar.top + 28}, m_hWnd);
  Set_Tips_On(true);
  m_autoHideArmed = g_TransOptions.AutoHideBar != 0;
}

void CTransBar::OnToolsPopup() {
  RECT bar;
  GetWindowRect(m_hWnd, &bar);
  Track_Button_Popup(4, POINT{bar.left + 130, bar.top + 28});
}

void CTransBar::OnNoProfDict() {
  g_TransOptions.ProfDictID = -1;
  Mark_Dict_List(-1);
  SetProfDictID32(-1);
}

void CTransBar::Choose_Prof_Dict(int index) {
  g_TransOptions.ProfDictID = index;
  Mark_Dict_List(index);
  SetProfDictID32(index);
}

BOOL CTransBar::ValidateDictList() {
  std::vector<DictListRecord> records = Parse_Dict_List(Read_File_Bytes(Dict_List_Path()));
  bool kept = Keep_Existing_Dicts(records, [](const std::string& name) {
    return File_Exists(App_Path("\\lib\\") + name);
  });
  Write_File_Bytes(Dict_List_Path(), Dict_List_Bytes(records));
  return kept ? TRUE : FALSE;
}

// --- settings sheet and package editor ---

void CTransBar::OnSettingsSheet() {
  m_autoHideArmed = false;
  CSettingSheet sheet(this);
  if (sheet.DoModal() == IDOK) {
    const TransOptions& o = g_TransOptions;
    Unregister_Hot_Keys();
    Register_Hot_Keys();
    SetLexomarHotKey(static_cast<DWORD>(o.DictHotkey));
    SetProfDictID32(o.ProfDictID);
    LoadBackground(static_cast<UINT>(o.BackgroundImageID));
    Repaint();
    SetUserDict32(o.UseUserDict);
    SetChnEngMenu32(o.UseChnEngMenu);
    RedrawAllMenuBars();
  }
  m_autoHideArmed = g_TransOptions.AutoHideBar != 0;
}

BOOL CTransBar::FindPackageFile(char* path, size_t size) {
  if (!path || !path[0] || !g_szAppDir[0]) return FALSE;
  std::string package = App_Path("\\DIC\\") + Exe_Base_Name(path) + ".lvd";
  bool opened = false;
  Read_File_Bytes(package, &opened);
  if (!opened || package.size() >= size) return FALSE;
  memcpy(path, package.c_str(), package.size() + 1);
  return TRUE;
}

void CTransBar::Open_Package_Editor() {
  char path[1024];
  GetWindowExePath(g_hTargetWnd, path, 1023);
  path[1023] = 0;
  if (!FindPackageFile(path, sizeof path)) return;
  CDictUIExDlg editor;
  editor.m_strPath = path;
  editor.DoModal();
}

// --- outside programs ---

void CTransBar::OnFullText() {
  if (Shell_Open(nullptr, "pagerunnerec.exe", "-s", SW_SHOWNORMAL)) return;
  if (Shell_Open(nullptr, App_Path("\\stella\\bin\\pagerunnerec.exe"), "-s", SW_SHOWNORMAL)) {
    return;
  }
  appfw::AfxMessageBox(IDS_NO_FULLTEXT);
}

void CTransBar::OnPermanent() { Shell_Open("open", "hanpatch.exe", "", SW_RESTORE); }

void CTransBar::OnHelpUsing() {
  appfw::CWinApp* app = appfw::AfxGetApp();
  if (app) WinHelpA(m_hWnd, app->m_helpFilePath.c_str(), HELP_CONTEXT, kHelpContext);
}

void CTransBar::OnNavBar() {
  if (m_navBar.m_hWnd) {
    m_navBar.DestroyWindow();
    g_TransOptions.ShowNavBar = 0;
    return;
  }
  m_navBar.Create("导航条", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                  RECT{0, 0, 100, 400});
  ShowWindow(m_navBar.m_hWnd, SW_SHOW);
  g_TransOptions.ShowNavBar = 1;
}

// --- comparison ---

// The comparison commands live on the bar's own popups, which bring the bar to the front;
// the companion library compares the window in front, so the target goes in front again
// first (the other program takes the activation in its own time: up to a second). Without a
// target of another program, or one that does not come forward, there is nothing to compare.
void CTransBar::Start_Comparison(int(__cdecl* start)()) {
  if (m_comparing) return;
  HWND target = g_hTargetWnd;
  if (!target || !IsWindow(target) || !Of_Other_Process(target)) return;
  SetForegroundWindow(target);
  const DWORD began = GetTickCount();
  while (GetForegroundWindow() != target && GetTickCount() - began < kForegroundWait) Sleep(10);
  if (GetForegroundWindow() != target) return;
  start();
  m_comparing = true;
}

void CTransBar::OnCompareLeftRight() { Start_Comparison(LeftrightComptrans32); }
void CTransBar::OnCompareUpDown() { Start_Comparison(UpdownComptrans32); }

void CTransBar::OnCompareOff() {
  if (!m_comparing) return;
  SetCompWnd(nullptr);
  if (IsWindowVisible(m_compareWnd.m_hWnd)) ShowWindow(m_compareWnd.m_hWnd, SW_HIDE);
  CancelComptrans32();
  m_comparing = false;
}

void CTransBar::OnSimpleInterface() {
  int& style = g_TransOptions.InterfaceStyle;
  if (style == 0 || style == 1) style = !style;
  appfw::CString question, caption;
  question.LoadString(IDS_RESTART_QUESTION);
  caption.LoadString(IDS_PROGRAM_NAME);
  if (MessageBoxA(m_hWnd, question, caption, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    g_bRestart = TRUE;
    PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
  } else {
    appfw::AfxMessageBox(IDS_RESTART_LATER);
  }
}

// --- placement, auto-hide and moving ---

void CTransBar::SnapToEdges() {
  m_slidUp = false;
  RECT r;
  GetWindowRect(m_hWnd, &r);
  POINT to = Snap_Position(r, m_screenWidth, m_screenHeight);
  if (to.x != r.left || to.y != r.top) {
    SetWindowPos(m_hWnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void CTransBar::SlideUp() { Slide_Up_From_Top(); }

void CTransBar::Slide_Up_From_Top() {
  RECT r;
  GetWindowRect(m_hWnd, &r);
  if (r.top != 0) return;
  SIZE steps = Slide_Steps();
  for (int i = 1; i <= steps.cx; ++i) {
    SetWindowPos(m_hWnd, nullptr, r.left, -i * steps.cy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(m_hWnd);
    Sleep(50);
  }
  m_slidUp = true;
  SetTimer(m_hWnd, kSlideTimer, 50, nullptr);
}

LRESULT CTransBar::OnMouseLeave(WPARAM, LPARAM) {
  m_watcherRunning = 0;
  if (m_autoHideArmed) SlideUp();
  return 0;
}

void CTransBar::Draw_Slid_Edge() {
  static Edge_Sweep sweep;  // keeps its place from one slide to the next
  RECT client;
  GetClientRect(m_hWnd, &client);
  int width = client.right, split = width * sweep.Next() / 100;
  HDC dc = GetDC(m_hWnd);
  const COLORREF blue = RGB(0, 0, 255), white = RGB(255, 255, 255);
  for (const Stripe& s : Gradient_Stripes(0, split, blue, white)) {
    RECT band{s.left, 25, s.right, client.bottom};
    HBRUSH brush = CreateSolidBrush(s.colour);
    FillRect(dc, &band, brush);
    DeleteObject(brush);
  }
  for (const Stripe& s : Gradient_Stripes(split, width - split, white, blue)) {
    RECT band{s.left, 25, s.right, client.bottom};
    HBRUSH brush = CreateSolidBrush(s.colour);
    FillRect(dc, &band, brush);
    DeleteObject(brush);
  }
  ReleaseDC(m_hWnd, dc);
}

LRESULT CTransBar::OnNcHitTest(WPARAM, LPARAM) { return HTCLIENT; }

LRESULT CSimpleTransBar::OnNcHitTest(WPARAM, LPARAM lp) {
  POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  ScreenToClient(m_hWnd, &p);
  RECT gripper{0, 0, 10, 27};
  if (!m_slidUp && PtInRect(&gripper, p)) return HTCAPTION;
  return Default();
}

bool CTransBar::Is_Toolbar(HWND window) const {
  return window && (window == m_toolbarA.m_hWnd || window == m_toolbarB.m_hWnd);
}

LRESULT CTransBar::OnSetCursor(WPARAM wp, LPARAM lp) {
  HWND over = reinterpret_cast<HWND>(wp);
  if (Is_Toolbar(over)) {
    SetCursor(m_cursorButton);
  } else if (over == m_hWnd && LOWORD(lp) == HTCLIENT) {
    SetCursor(m_cursorMove);
  } else {
    SetCursor(m_cursorArrow);
  }
  return TRUE;
}

LRESULT CSimpleTransBar::OnSetCursor(WPARAM wp, LPARAM lp) {
  HWND over = reinterpret_cast<HWND>(wp);
  if (over && over == m_toolbarA.m_hWnd) {
    SetCursor(m_cursorButton);
    return TRUE;
  }
  if (over == m_hWnd && LOWORD(lp) == HTCAPTION) {
    SetCursor(m_cursorMove);
    return TRUE;
  }
  return Default();
}

LRESULT CTransBar::OnLButtonDown(WPARAM, LPARAM lp) {
  POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  RECT grip{100, 0, 150, 30};
  if (!PtInRect(&grip, at)) return Default();
  // Dragged by the round grip: the bar keeps its offset to the cursor until the button is up.
  SetCapture(m_hWnd);
  MSG msg;
  auto follow = [&](POINT cursor) {
    SetWindowPos(m_hWnd, nullptr, cursor.x - at.x, cursor.y - at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_LBUTTONUP) {
      follow(msg.pt);  // it ends where the button was let go
      DispatchMessageA(&msg);
      break;
    }
    if (msg.message == WM_MOUSEMOVE && msg.hwnd == m_hWnd) {
      if (!(msg.wParam & MK_LBUTTON)) {
        DispatchMessageA(&msg);
        break;
      }
      follow(msg.pt);
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  SnapToEdges();
  ReleaseCapture();
  return 0;
}

LRESULT CSimpleTransBar::OnLButtonDown(WPARAM, LPARAM) { return Default(); }

LRESULT CSimpleTransBar::OnActivateApp(WPARAM, LPARAM) { return Default(); }

LRESULT CSimpleTransBar::OnExitSizeMove(WPARAM, LPARAM) {
  RECT r;
  GetWindowRect(m_hWnd, &r);
  POINT to = Snap_Position(r, m_screenWidth, m_screenHeight);
  SetWindowPos(m_hWnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return Default();
}

LRESULT CTransBar::OnDisplayChange(WPARAM bitsPerPixel, LPARAM size) {
  RECT r;
  GetWindowRect(m_hWnd, &r);
  SIZE newScreen{LOWORD(size), HIWORD(size)};
  POINT to = Display_Change_Position(POINT{r.left, r.top}, SIZE{m_screenWidth, m_screenHeight},
                                     newScreen);
  SetWindowPos(m_hWnd, HWND_TOPMOST, to.x, to.y, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  // Snapped to the edges of the screen as it is now.
  m_screenWidth = newScreen.cx;
  m_screenHeight = newScreen.cy;
  SnapToEdges();
  if (bitsPerPixel == 8) {
    LoadBackground(static_cast<UINT>(g_TransOptions.BackgroundImageID));
    Repaint();
  }
  return 0;
}

void CTransBar::SlideDown() {
  RECT r;
  GetWindowRect(m_hWnd, &r);
  SetWindowPos(m_hWnd, nullptr, r.left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_slidUp = false;
  KillTimer(m_hWnd, kSlideTimer);
  Repaint();
}
