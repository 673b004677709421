#include "transbar.h"

#include "about.h"
#include "app.h"
#include "appfw/app.h"
#include "options.h"
#include "resource.h"
#include "trhook32.h"
#include "trhook95.h"

BEGIN_MSG_MAP(CTransBar, appfw::CWnd)
  ON_MSG(WM_CREATE, OnCreate)
  ON_MSG(WM_CLOSE, OnClose)
  ON_MSG(WM_PAINT, OnPaint)
  ON_CMD(ID_BAR_CLOSE, OnBarClose)
  ON_CMD(ID_BAR_RESTORE, OnRestore)
  ON_CMD(ID_APP_ABOUT, OnAppAbout)
  ON_CMD(ID_SIMPLE_INTERFACE, OnSimpleInterface)
END_MSG_MAP()

BOOL CTransBar::Create() {
  const char* cls = appfw::AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                                               LoadCursor(nullptr, IDC_ARROW));
  appfw::CString title;
  title.LoadString(IDS_PROGRAM_NAME);
  return CreateEx(WS_EX_TOOLWINDOW, cls, title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr) ? 1 : 0;
}

LRESULT CTransBar::OnCreate(WPARAM, LPARAM) { return OnCreateBar(); }

int CTransBar::OnCreateBar() {
  TransOptions& o = g_TransOptions;

  SIZE size = Bar_Size();
  int x = GetSystemMetrics(SM_CXSCREEN) - 3 * GetSystemMetrics(SM_CXSIZE) - 250;
  SetWindowPos(m_hWnd, HWND_TOPMOST, x, 0, size.cx, size.cy, SWP_NOACTIVATE);

  appfw::CString tip;
  tip.LoadString(IDS_PROGRAM_NAME);
  HICON icon = static_cast<HICON>(LoadImageA(appfw::AfxGetResourceHandle(),
                                             MAKEINTRESOURCEA(IDI_LINGVANE), IMAGE_ICON, 16, 16,
                                             0));
  m_trayIcon.Create(this, ID_TRAY_ICON, icon, tip);

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
  SetProfDictID32(o.ProfDictID);
  SetUserDict32(o.UseUserDict);
  SetChnEngMenu32(o.UseChnEngMenu);
  UINT codePage = GetACP();
  if (codePage == 936) o.InterfaceType = 0;
  else if (codePage == 950) o.InterfaceType = 1;
  SetInterfaceType32(o.InterfaceType);
  SetCode32(o.CurrentCode);

  ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
  return 0;
}

LRESULT CTransBar::OnClose(WPARAM, LPARAM) {
  ClearHooks32();
  m_trayIcon.ShowIcon(FALSE);
  if (m_compareWnd.m_hWnd) m_compareWnd.DestroyWindow();
  ClearWinHooks();
  DestroyWindow();
  return 0;
}

LRESULT CTransBar::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  RECT r;
  GetClientRect(m_hWnd, &r);
  HBRUSH face = CreateSolidBrush(RGB(28, 128, 132));
  FillRect(dc, &r, face);
  DeleteObject(face);
  char title[64];
  GetWindowTextA(m_hWnd, title, sizeof title);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(250, 252, 248));
  DrawTextA(dc, title, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  EndPaint(m_hWnd, &ps);
  return 0;
}

void CTransBar::OnBarClose() { PostMessageA(m_hWnd, WM_CLOSE, 0, 0); }

void CTransBar::OnRestore() {
  if (!m_minimised) return;
  ShowWindow(m_hWnd, SW_SHOW);
  m_minimised = false;
}

void CTransBar::OnAppAbout() {
  CAboutDlg about(this);
  about.DoModal();
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
