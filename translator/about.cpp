#include "about.h"

#include "appfw/app.h"
#include "resource.h"

BEGIN_MSG_MAP(CAboutDlg, appfw::CDialog)
  ON_MSG(WM_LBUTTONDOWN, OnLButtonDown)
END_MSG_MAP()

CAboutDlg::CAboutDlg(appfw::CWnd* parent) : appfw::CDialog(IDD_ABOUTBOX, parent) {}

void CAboutDlg::DoDataExchange() { credits_.SubclassDlgItem(IDC_CREDITS, this); }

BOOL CAboutDlg::OnInitDialog() {
  appfw::CDialog::OnInitDialog();

  // The picture sets the size: the credits cover it and the client area is exactly it.
  picture_.Load(appfw::AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_SPLASH));
  int w = picture_.Width(), h = picture_.Height();
  MoveWindow(credits_.m_hWnd, 0, 0, w, h, FALSE);
  RECT r{0, 0, w, h};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_EXSTYLE)));
  int ww = r.right - r.left, wh = r.bottom - r.top;
  SetWindowPos(m_hWnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - ww) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - wh) / 2, ww, wh, SWP_NOZORDER | SWP_NOACTIVATE);

  appfw::CString script;
  script.LoadString(IDS_CREDITS_FIRST);
  credits_.SetScript(script, '|');
  credits_.SetTickSpeed(3, 0);
  credits_.SetLineColour(0, RGB(0, 0, 255));
  credits_.SetTransparentText(TRUE);
  credits_.SetLineHeight(0, 30);
  credits_.SetLineHeight(3, 20);
  credits_.SetLineHeight(2, 25);
  credits_.SetBackgroundImage(IDB_SPLASH);
  credits_.SetTextBand(55, 185);
  credits_.StartScroll();
  return TRUE;
}

LRESULT CAboutDlg::OnLButtonDown(WPARAM wParam, LPARAM) {
  if (wParam == (MK_LBUTTON | MK_CONTROL | MK_SHIFT)) {
    credits_.StopScroll();
    appfw::CString script;
    script.LoadString(IDS_CREDITS_SECOND);
    credits_.SetScript(script, '|');
    credits_.SetBackgroundImage(IDB_SPLASH);
    credits_.StartScroll();
  } else {
    OnCancel();
  }
  return 0;
}
