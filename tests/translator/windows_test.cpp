// The application's own small windows on the desktop: splash, tray icon window, About box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about.h"
#include "appfw/app.h"
#include "resource.h"
#include "splash.h"
#include "testkit/testkit.h"
#include "trayicon.h"

namespace {

constexpr int kPictureWidth = 340;
constexpr int kPictureHeight = 240;

// A window that records the messages the tray icon window sends or posts it.
class Notify_Target : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  std::vector<std::string> got;
  LRESULT OnCommand(WPARAM wp, LPARAM) {
    got.push_back("command " + std::to_string(LOWORD(wp)));
    return 0;
  }
  LRESULT OnContextMenu(WPARAM wp, LPARAM) {
    source = reinterpret_cast<HWND>(wp);
    got.push_back("context menu");
    return 0;
  }
  LRESULT OnPing(WPARAM, LPARAM) {
    got.push_back("ping");
    return 0;
  }
  HWND source = nullptr;
};

BEGIN_MSG_MAP(Notify_Target, appfw::CWnd)
  ON_MSG(WM_COMMAND, OnCommand)
  ON_MSG(WM_CONTEXTMENU, OnContextMenu)
  ON_MSG(WM_APP, OnPing)
END_MSG_MAP()

bool Create_Target(Notify_Target& w) {
  return w.CreateEx(WS_EX_TOOLWINDOW, appfw::AfxRegisterWndClass(0), "target", WS_POPUP, 10, 10,
                    50, 20, nullptr, nullptr);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

TEST(TranslatorSplash, ShowsBitmap143CentredAndPaintedAtOnce) {
  CSplashWnd splash;
  ASSERT_TRUE(splash.Create(IDB_SPLASH));
  EXPECT_TRUE(IsWindowVisible(splash.m_hWnd));
  EXPECT_EQ(splash.Picture().Width(), kPictureWidth);
  EXPECT_EQ(splash.Picture().Height(), kPictureHeight);
  EXPECT_EQ(splash.Picture().Colour_Count(), 256);
  EXPECT_NE(splash.Picture().Palette(), nullptr);
  RECT r;
  GetWindowRect(splash.m_hWnd, &r);
  int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(r.left, (sw - kPictureWidth) / 2);
  EXPECT_EQ(r.top, (sh - kPictureHeight) / 2);
  EXPECT_EQ(r.right - r.left, kPictureWidth);
  EXPECT_EQ(r.bottom - r.top, kPictureHeight);
  LONG style = GetWindowLongA(splash.m_hWnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
  // Painted at once: the window shows the picture's top-left pixel.
  HDC dc = GetDC(splash.m_hWnd);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, splash.Picture().Bitmap());
  COLORREF want = GetPixel(mem, 5, 5);
  SelectObject(mem, old);
  DeleteDC(mem);
  EXPECT_EQ(GetPixel(dc, 5, 5), want);
  ReleaseDC(splash.m_hWnd, dc);

  // Destroying it first dispatches what waits in the queue.
  Notify_Target other;
  ASSERT_TRUE(Create_Target(other));
  PostMessageA(other.m_hWnd, WM_APP, 0, 0);
  EXPECT_TRUE(splash.DestroyWindow());
  EXPECT_EQ(other.got, std::vector<std::string>{"ping"});
  EXPECT_EQ(splash.m_hWnd, nullptr);
}

TEST(TranslatorTrayIcon, RegistersItsIconRecordAsAHiddenChild) {
  Notify_Target bar;
  ASSERT_TRUE(Create_Target(bar));
  CTrayIconWnd tray;
  HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                             MAKEINTRESOURCEA(IDI_LINGVANE), IMAGE_ICON, 16, 16, 0));
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(tray.Create(&bar, ID_TRAY_ICON, icon, "青岚墨译"));
  const NOTIFYICONDATAA& d = tray.Icon_Data();
  // The first shells' record: 88 bytes on x86, 104 on x64 (window and icon are 8 bytes there).
  EXPECT_EQ(d.cbSize, sizeof(void*) == 8 ? 104u : 88u);
  EXPECT_EQ(d.hWnd, tray.m_hWnd);
  EXPECT_EQ(d.uID, 131u);
  EXPECT_EQ(d.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(d.uCallbackMessage, 0x7E8u);
  EXPECT_EQ(d.hIcon, icon);
  EXPECT_STREQ(d.szTip, "青岚墨译");
  EXPECT_EQ(GetParent(tray.m_hWnd), bar.m_hWnd);
  EXPECT_EQ(GetDlgCtrlID(tray.m_hWnd), 9999);
  EXPECT_FALSE(IsWindowVisible(tray.m_hWnd));
  EXPECT_EQ(tray.Notify_Target(), bar.m_hWnd);
  EXPECT_TRUE(tray.ShowIcon(FALSE));
  EXPECT_TRUE(tray.ShowIcon(TRUE));

  // A tip longer than 63 characters is cut.
  CTrayIconWnd longTip;
  std::string tip(80, 'x');
  longTip.Create(&bar, 5, icon, tip.c_str());
  EXPECT_EQ(std::string(longTip.Icon_Data().szTip), std::string(63, 'x'));
}

TEST(TranslatorTrayIcon, ClicksOnTheIconReachTheBar) {
  Notify_Target bar;
  ASSERT_TRUE(Create_Target(bar));
  CTrayIconWnd tray;
  tray.Create(&bar, ID_TRAY_ICON, nullptr, "青岚墨译");
  struct Case {
    WPARAM id;
    UINT mouse;
    std::vector<std::string> want;
  } cases[] = {
      {131, WM_LBUTTONDOWN, {"command 32774"}},
      {131, WM_RBUTTONDOWN, {"context menu"}},
      {130, WM_RBUTTONDOWN, {}},  // another icon's id
      {131, WM_MOUSEMOVE, {}},
      {131, WM_LBUTTONDBLCLK, {}},
  };
  for (const Case& c : cases) {
    ShowWindow(bar.m_hWnd, SW_HIDE);
    bar.got.clear();
    SendMessageA(tray.m_hWnd, WM_TRAYICON_NOTIFY, c.id, c.mouse);
    Pump();
    EXPECT_EQ(bar.got, c.want) << c.mouse;
    if (c.mouse == WM_LBUTTONDOWN) {
      EXPECT_TRUE(IsWindowVisible(bar.m_hWnd));
    }
    if (c.mouse == WM_RBUTTONDOWN && !c.want.empty()) {
      EXPECT_EQ(bar.source, tray.m_hWnd);
    }
  }
}

TEST(TranslatorTrayIcon, WithoutATargetNothingHappens) {
  CTrayIconWnd tray;
  EXPECT_FALSE(tray.Create(nullptr, ID_TRAY_ICON, nullptr, "x"));  // no parent: no child window
  EXPECT_EQ(tray.Notify_Target(), nullptr);
}

// --- the About box, driven from a timer inside its modal loop ---

struct About_Run {
  CAboutDlg* dlg = nullptr;
  int step = 0;
  RECT window{}, client{}, credits{};
  bool scrollingAtOpen = false;
  UINT period = 0;
  int speedIndex = -1;
  RECT band{};
  std::vector<COLORREF> bandBefore, bandAfter, topBefore, topAfter;
  size_t secondScriptLines = 0;
  bool stillOpenAfterSecret = false;
  bool scrollingAfterSecret = false;
  std::size_t nextAfterSecret = 99;
};
About_Run g_about;

std::vector<COLORREF> Column(HWND hwnd, int x, int top, int bottom) {
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(hwnd);
  for (int y = top; y < bottom; ++y) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(hwnd, dc);
  return pixels;
}

void CALLBACK About_Step(HWND, UINT, UINT_PTR, DWORD) {
  About_Run& a = g_about;
  HWND dlg = a.dlg->m_hWnd;
  HWND credits = a.dlg->Credits().m_hWnd;
  if (!dlg) return;
  ++a.step;
  if (a.step == 1) {
    GetWindowRect(dlg, &a.window);
    GetClientRect(dlg, &a.client);
    GetWindowRect(credits, &a.credits);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&a.credits), 2);
    a.scrollingAtOpen = a.dlg->Credits().Scrolling();
    a.period = a.dlg->Credits().Tick_Period();
    a.speedIndex = a.dlg->Credits().Speed_Index();
  } else if (a.step == 10) {
    a.band = a.dlg->Credits().Band();
    a.bandBefore = Column(credits, kPictureWidth / 2, 55, 185);
    a.topBefore = Column(credits, kPictureWidth / 2, 0, 55);
  } else if (a.step == 14) {
    a.bandAfter = Column(credits, kPictureWidth / 2, 55, 185);
    a.topAfter = Column(credits, kPictureWidth / 2, 0, 55);
  } else if (a.step == 15) {
    SendMessageA(dlg, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL | MK_SHIFT, MAKELPARAM(20, 20));
    a.secondScriptLines = a.dlg->Credits().Script().size();
    a.stillOpenAfterSecret = IsWindow(dlg);
    a.scrollingAfterSecret = a.dlg->Credits().Scrolling();
    a.nextAfterSecret = a.dlg->Credits().Pacer().Next();
  } else if (a.step == 16) {
    SendMessageA(dlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));  // a plain click
  } else if (a.step > 40) {
    a.dlg->EndDialog(-5);  // guard: never hang
  }
}

TEST(TranslatorAboutBox, PictureSizedCentredScrollingAndClosedByAClick) {
  appfw::CWinApp app("AboutTest");
  CAboutDlg dlg;
  g_about = About_Run{};
  g_about.dlg = &dlg;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, About_Step);
  INT_PTR result = dlg.DoModal();
  KillTimer(nullptr, timer);
  const About_Run& a = g_about;

  EXPECT_EQ(result, IDCANCEL);  // the plain click closed it as a cancel does
  EXPECT_EQ(a.client.right, kPictureWidth);
  EXPECT_EQ(a.client.bottom, kPictureHeight);
  int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  int ww = a.window.right - a.window.left, wh = a.window.bottom - a.window.top;
  EXPECT_EQ(a.window.left, (sw - ww) / 2);
  EXPECT_EQ(a.window.top, (sh - wh) / 2);
  EXPECT_EQ(a.credits.left, 0);
  EXPECT_EQ(a.credits.top, 0);
  EXPECT_EQ(a.credits.right, kPictureWidth);
  EXPECT_EQ(a.credits.bottom, kPictureHeight);

  EXPECT_TRUE(a.scrollingAtOpen);
  EXPECT_EQ(a.speedIndex, 3);
  EXPECT_EQ(a.period, 30u);
  EXPECT_EQ(a.band.top, 55);
  EXPECT_EQ(a.band.bottom, 185);
  EXPECT_GT(a.band.right - a.band.left, 0);  // measured from the lines shown so far
  EXPECT_LE(a.band.right - a.band.left, kPictureWidth);
  EXPECT_EQ((a.band.left + a.band.right) / 2, kPictureWidth / 2);
  // The band moves; the picture above it stays.
  EXPECT_NE(a.bandBefore, a.bandAfter);
  EXPECT_EQ(a.topBefore, a.topAfter);

  // Ctrl+Shift+click: the second script from its first line, still open and scrolling.
  EXPECT_TRUE(a.stillOpenAfterSecret);
  EXPECT_TRUE(a.scrollingAfterSecret);
  EXPECT_EQ(a.nextAfterSecret, 0u);
  appfw::CString second;
  second.LoadString(IDS_CREDITS_SECOND);
  size_t pieces = 1;
  for (char c : second.str()) pieces += c == '|';
  EXPECT_EQ(a.secondScriptLines, pieces);
}

}  // namespace
