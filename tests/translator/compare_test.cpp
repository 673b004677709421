// The comparison window: it takes the compared window, tiles both in either layout, asks the
// compared window for a fresh view and asks the bar to cancel when the compared window goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "appfw/app.h"
#include "comparewnd.h"
#include "testkit/testkit.h"
#include "trhook32.h"
#include "trhook95.h"

namespace {

using std::chrono::milliseconds;

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(TranslatorCompareTiling, LayoutsSplitTheScreenInIntegerHalves) {
  struct Row {
    int layout, w, h;
    bool tiles;
    RECT compared, comparison;
  };
  const Row rows[] = {
      {COMPARE_LEFTRIGHT, 1024, 768, true, {0, 0, 512, 768}, {512, 0, 1024, 768}},
      {COMPARE_UPDOWN, 1024, 768, true, {0, 0, 1024, 384}, {0, 384, 1024, 768}},
      {COMPARE_LEFTRIGHT, 1023, 767, true, {0, 0, 511, 767}, {511, 0, 1022, 767}},
      {COMPARE_UPDOWN, 1023, 767, true, {0, 0, 1023, 383}, {0, 383, 1023, 766}},
      {0, 1024, 768, false, {}, {}},
      {3, 1024, 768, false, {}, {}},
  };
  for (const Row& r : rows) {
    Compare_Tiling t{};
    ASSERT_EQ(Tile_For_Layout(r.layout, r.w, r.h, &t), r.tiles) << r.layout;
    if (!r.tiles) continue;
    EXPECT_TRUE(Same(t.compared, r.compared)) << r.layout << " " << r.w;
    EXPECT_TRUE(Same(t.comparison, r.comparison)) << r.layout << " " << r.w;
  }
}

// A stand-in for the bar (the program's main window, which gets the cancel command) and for
// the compared program's window (which gets the update requests).
class Recorder : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  std::vector<std::string> got;
  LRESULT OnCommand(WPARAM wp, LPARAM) {
    got.push_back("command " + std::to_string(LOWORD(wp)));
    return 0;
  }
  LRESULT OnUpdate(WPARAM wp, LPARAM lp) {
    got.push_back("update " + std::to_string(wp) + " " + std::to_string(lp));
    return 0;
  }
  bool Make(const char* title, DWORD exStyle, const RECT& r) {
    return CreateEx(exStyle, appfw::AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW),
                                                        GetSysColorBrush(COLOR_WINDOW)),
                    title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, r.left, r.top, r.right - r.left,
                    r.bottom - r.top, nullptr, nullptr);
  }
};

BEGIN_MSG_MAP(Recorder, appfw::CWnd)
  ON_MSG(WM_COMMAND, OnCommand)
  ON_MSG(WM_COMPTRANS_UPDATE, OnUpdate)
END_MSG_MAP()

class TranslatorCompareWnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bar_.Make("bar", WS_EX_TOOLWINDOW, RECT{900, 0, 1000, 30}));
    app_.m_pMainWnd = &bar_;
    ASSERT_TRUE(compared_.Make("compared", 0, RECT{100, 100, 500, 400}));
    ASSERT_TRUE(wnd_.Create());
  }
  void TearDown() override {
    SetCompWnd(nullptr);
    app_.m_pMainWnd = nullptr;
  }
  RECT Window_Rect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
  }
  // Hands the compared window over as trhook32 does and lets the posted tiling run.
  void Set_Target(int layout, HWND target) {
    SendMessageA(wnd_.m_hWnd, WM_COMPWND_SETTARGET, layout, reinterpret_cast<LPARAM>(target));
    testkit::Pump_For(milliseconds(150));
  }
  appfw::CWinApp app_{"compare test"};
  Recorder bar_, compared_;
  CCompareWnd wnd_;
};

TEST_F(TranslatorCompareWnd, IsCreatedAsAHiddenToolWindowWithItsTitleAndId) {
  HWND h = wnd_.m_hWnd;
  EXPECT_FALSE(IsWindowVisible(h));
  char title[64] = {};
  GetWindowTextA(h, title, sizeof title);
  EXPECT_STREQ(title, "CS_对照窗口II");
  EXPECT_EQ(GetDlgCtrlID(h), 1998);
  LONG style = GetWindowLongA(h, GWL_STYLE), ex = GetWindowLongA(h, GWL_EXSTYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  RECT r = Window_Rect(h);
  EXPECT_EQ(r.right - r.left, 0);
  EXPECT_EQ(r.bottom - r.top, 0);
  WNDCLASSA wc{};
  char cls[96] = {};
  GetClassNameA(h, cls, sizeof cls);
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), cls, &wc));
  EXPECT_EQ(wc.hbrBackground, nullptr);  // it erases nothing itself
}

TEST_F(TranslatorCompareWnd, TilesBothLayoutsLeavesTheTopmostBandAndAsksForAnUpdate) {
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  struct Row {
    int layout;
    RECT compared, comparison;
  } rows[] = {{COMPARE_LEFTRIGHT, {0, 0, w / 2, h}, {w / 2, 0, w / 2 * 2, h}},
              {COMPARE_UPDOWN, {0, 0, w, h / 2}, {0, h / 2, w, h / 2 * 2}}};
  if (w == 1024 && h == 768) {
    EXPECT_TRUE(Same(rows[0].comparison, RECT{512, 0, 1024, 768}));
    EXPECT_TRUE(Same(rows[1].compared, RECT{0, 0, 1024, 384}));
  }
  for (const Row& row : rows) {
    compared_.got.clear();
    Set_Target(row.layout, compared_.m_hWnd);
    EXPECT_EQ(wnd_.Compared_Window(), compared_.m_hWnd);
    EXPECT_EQ(wnd_.Layout(), row.layout);
    EXPECT_TRUE(Same(Window_Rect(compared_.m_hWnd), row.compared)) << row.layout;
    EXPECT_TRUE(Same(Window_Rect(wnd_.m_hWnd), row.comparison)) << row.layout;
    EXPECT_TRUE(IsWindowVisible(wnd_.m_hWnd));
    EXPECT_FALSE(GetWindowLongA(wnd_.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(compared_.got, std::vector<std::string>{"update 6517 1058"});
    // It did not take the activation.
    EXPECT_NE(GetForegroundWindow(), wnd_.m_hWnd);
  }
  testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\compare_updown.bmp",
                              RECT{0, 0, w, h});
}

TEST_F(TranslatorCompareWnd, EachReleasedClickOnItAsksForOneMoreUpdate) {
  Set_Target(COMPARE_LEFTRIGHT, compared_.m_hWnd);
  compared_.got.clear();
  RECT r = Window_Rect(wnd_.m_hWnd);
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  testkit::Click_At(centre);
  testkit::Pump_For(milliseconds(200));
  testkit::Click_At(centre);
  testkit::Pump_For(milliseconds(200));
  EXPECT_EQ(compared_.got,
            (std::vector<std::string>{"update 6517 1058", "update 6517 1058"}));
}

TEST_F(TranslatorCompareWnd, NoWindowOrAVanishedOneTilesNothing) {
  RECT before = Window_Rect(compared_.m_hWnd);
  Set_Target(COMPARE_LEFTRIGHT, nullptr);
  Recorder gone;
  ASSERT_TRUE(gone.Make("gone", 0, RECT{10, 10, 200, 200}));
  HWND stale = gone.m_hWnd;
  gone.DestroyWindow();
  Set_Target(COMPARE_LEFTRIGHT, stale);
  EXPECT_EQ(wnd_.Compared_Window(), nullptr);
  EXPECT_FALSE(IsWindowVisible(wnd_.m_hWnd));
  EXPECT_TRUE(Same(Window_Rect(compared_.m_hWnd), before));

  // A layout it does not know stores the window but moves and shows nothing.
  Set_Target(7, compared_.m_hWnd);
  EXPECT_FALSE(IsWindowVisible(wnd_.m_hWnd));
  EXPECT_TRUE(Same(Window_Rect(compared_.m_hWnd), before));

  // The compared window vanishes between the hand-over and the tiling.
  SendMessageA(wnd_.m_hWnd, WM_COMPWND_SETTARGET, COMPARE_UPDOWN,
               reinterpret_cast<LPARAM>(compared_.m_hWnd));
  compared_.DestroyWindow();
  testkit::Pump_For(milliseconds(150));
  EXPECT_FALSE(IsWindowVisible(wnd_.m_hWnd));
}

TEST_F(TranslatorCompareWnd, TheComparedWindowGoneAsksTheBarToCancel) {
  PostMessageA(wnd_.m_hWnd, WM_COMPWND_TARGETGONE, 0, 0);
  testkit::Pump_For(milliseconds(100));
  EXPECT_EQ(bar_.got, std::vector<std::string>{"command 32792"});
}

}  // namespace
