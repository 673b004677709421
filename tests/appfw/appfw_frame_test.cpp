// The framework's mini frame layout with its status bar, tree views with reflected
// notifications, tool tips that ask their owner for text, and user-interface threads.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>
#include <vector>

#include "appfw/miniframe.h"
#include "appfw/statusbar.h"
#include "appfw/tooltip.h"
#include "appfw/treectrl.h"
#include "appfw/uithread.h"
#include "testkit/testkit.h"

namespace {

using namespace std::chrono_literals;

RECT Child_Rect(HWND parent, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(FrameworkMiniFrame, MainPaneFillsWhatTheVisibleStatusBarLeaves) {
  appfw::CMiniFrameWnd frame;
  ASSERT_TRUE(frame.Create("frame", WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE,
                           RECT{50, 50, 250, 450}));
  HWND pane = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, frame.m_hWnd,
                              reinterpret_cast<HMENU>(AFX_IDW_PANE_FIRST), nullptr, nullptr);
  appfw::CStatusBar status;
  ASSERT_TRUE(status.Create(&frame));
  EXPECT_EQ(GetDlgCtrlID(status.m_hWnd), AFX_IDW_STATUS_BAR);
  status.SetText("就绪");
  EXPECT_EQ(status.GetText().str(), "就绪");
  frame.RecalcLayout();

  RECT client;
  GetClientRect(frame.m_hWnd, &client);
  RECT p = Child_Rect(frame.m_hWnd, pane), s = Child_Rect(frame.m_hWnd, status.m_hWnd);
  EXPECT_EQ(s.bottom, client.bottom);
  EXPECT_EQ(s.left, 0);
  EXPECT_EQ(s.right, client.right);
  EXPECT_EQ(s.bottom - s.top, status.Height());
  EXPECT_EQ(p.top, 0);
  EXPECT_EQ(p.bottom, s.top);
  EXPECT_EQ(p.right, client.right);
  EXPECT_TRUE(frame.IsControlBarVisible(AFX_IDW_STATUS_BAR));

  // Hidden, the status bar leaves the whole client area to the pane; a new size lays out too.
  EXPECT_TRUE(frame.ShowControlBar(AFX_IDW_STATUS_BAR, FALSE));
  EXPECT_FALSE(frame.IsControlBarVisible(AFX_IDW_STATUS_BAR));
  p = Child_Rect(frame.m_hWnd, pane);
  EXPECT_EQ(p.bottom, client.bottom);
  EXPECT_TRUE(frame.ShowControlBar(AFX_IDW_STATUS_BAR, TRUE));
  SetWindowPos(frame.m_hWnd, nullptr, 0, 0, 300, 300, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(frame.m_hWnd, &client);
  p = Child_Rect(frame.m_hWnd, pane);
  s = Child_Rect(frame.m_hWnd, status.m_hWnd);
  EXPECT_EQ(p.right, client.right);
  EXPECT_EQ(s.bottom, client.bottom);
  EXPECT_EQ(p.bottom, s.top);
  // Only control bars are shown and hidden.
  EXPECT_FALSE(frame.ShowControlBar(AFX_IDW_PANE_FIRST, FALSE));
  EXPECT_FALSE(frame.ShowControlBar(0xE8F0, FALSE));
  frame.DestroyWindow();
}

// A parent that reflects its children's notifications.
class Reflecting_Parent : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  LRESULT OnNotify(WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (appfw::Reflect_Notify(wp, lp, &result)) return result;
    unreflected++;
    return Default();
  }
  int unreflected = 0;
};

BEGIN_MSG_MAP(Reflecting_Parent, appfw::CWnd)
  ON_MSG(WM_NOTIFY, OnNotify)
END_MSG_MAP()

class Recording_Tree : public appfw::CTreeCtrl {
  DECLARE_MSG_MAP()

 public:
  LRESULT OnReflect(WPARAM, LPARAM lp) {
    auto* nm = reinterpret_cast<NMTREEVIEWA*>(lp);
    if (nm->hdr.code == TVN_SELCHANGEDA || nm->hdr.code == TVN_SELCHANGEDW) {
      selected.push_back(GetItemText(nm->itemNew.hItem).str());
    }
    return 0;
  }
  std::vector<std::string> selected;
};

BEGIN_MSG_MAP(Recording_Tree, appfw::CTreeCtrl)
  ON_MSG(WM_REFLECT_NOTIFY, OnReflect)
END_MSG_MAP()

TEST(FrameworkTree, ItemsDataAndOwnNotificationsReflectedToTheTree) {
  Reflecting_Parent parent;
  ASSERT_TRUE(parent.CreateEx(0, appfw::AfxRegisterWndClass(0), "tree host",
                              WS_POPUP | WS_VISIBLE | WS_CAPTION, 300, 100, 220, 260, nullptr,
                              nullptr));
  Recording_Tree tree;
  ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                          RECT{0, 0, 200, 220}, parent.m_hWnd, 1010));
  HTREEITEM group = tree.InsertItem("词典");
  HTREEITEM a = tree.InsertItem("剑桥", group);
  HTREEITEM b = tree.InsertItem("牛津", group);
  tree.SetItemData(group, static_cast<DWORD_PTR>(-1));
  tree.SetItemData(a, 0);
  // Item values are pointer-sized.
  const DWORD_PTR big = sizeof(DWORD_PTR) == 8 ? static_cast<DWORD_PTR>(0x123456789ULL) : 0x89ABCDEF;
  tree.SetItemData(b, big);
  EXPECT_EQ(tree.GetItemData(group), static_cast<DWORD_PTR>(-1));
  EXPECT_EQ(tree.GetItemData(b), big);
  EXPECT_EQ(tree.GetItemText(b).str(), "牛津");
  EXPECT_EQ(tree.GetRootItem(), group);
  EXPECT_EQ(tree.GetChildItem(group), a);
  EXPECT_EQ(tree.GetNextSiblingItem(a), b);
  EXPECT_EQ(tree.GetParentItem(b), group);
  EXPECT_TRUE(tree.ItemHasChildren(group));
  EXPECT_FALSE(tree.ItemHasChildren(a));
  EXPECT_EQ(tree.GetCount(), 3u);
  tree.SetBkColor(RGB(180, 180, 220));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tree.m_hWnd, TVM_GETBKCOLOR, 0, 0)), RGB(180, 180, 220));

  // A real click selects; the tree hears of it through its parent.
  tree.Expand(group);
  UpdateWindow(tree.m_hWnd);
  RECT r{};
  ASSERT_TRUE(tree.GetItemRect(b, &r, TRUE));
  POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  EXPECT_EQ(tree.HitTest(at), b);
  ClientToScreen(tree.m_hWnd, &at);
  testkit::Click_At(at);
  ASSERT_TRUE(testkit::Wait_Until([&] { return !tree.selected.empty(); }, 10s));
  EXPECT_EQ(tree.selected.back(), "牛津");
  EXPECT_EQ(tree.GetSelectedItem(), b);
  EXPECT_TRUE(tree.SelectItem(a));
  testkit::Pump_For(100ms);
  EXPECT_EQ(tree.selected.back(), "剑桥");
  EXPECT_EQ(parent.unreflected, 0);

  EXPECT_TRUE(tree.DeleteAllItems());
  EXPECT_EQ(tree.GetCount(), 0u);
  EXPECT_EQ(tree.GetItemData(nullptr), 0u);
  EXPECT_EQ(tree.GetItemText(nullptr).str(), "");
  parent.DestroyWindow();
  EXPECT_EQ(tree.m_hWnd, nullptr);
}

TEST(FrameworkToolTip, ShortTextsGoInTheBufferLongOnesByPointer) {
  std::string keep;
  std::wstring wideKeep;
  NMTTDISPINFOA a{};
  a.hdr.code = TTN_GETDISPINFOA;
  ASSERT_TRUE(appfw::Answer_Tip_Request(&a.hdr, "剑桥词典\nhttp://c/", keep, wideKeep));
  EXPECT_EQ(a.lpszText, a.szText);
  EXPECT_STREQ(a.szText, "剑桥词典\nhttp://c/");

  std::string longText(79, 'x');
  ASSERT_TRUE(appfw::Answer_Tip_Request(&a.hdr, longText, keep, wideKeep));
  EXPECT_EQ(a.lpszText, a.szText);  // 79 bytes and the zero fit
  longText += "汉字";
  ASSERT_TRUE(appfw::Answer_Tip_Request(&a.hdr, longText, keep, wideKeep));
  EXPECT_NE(a.lpszText, a.szText);
  EXPECT_EQ(std::string(a.lpszText), longText);

  NMTTDISPINFOW w{};
  w.hdr.code = TTN_GETDISPINFOW;
  ASSERT_TRUE(appfw::Answer_Tip_Request(&w.hdr, "剑桥", keep, wideKeep));
  EXPECT_EQ(w.lpszText, w.szText);
  EXPECT_EQ(std::wstring(w.szText), L"\u5251\u6865");
  std::string many;
  for (int i = 0; i < 90; ++i) many += "字";
  ASSERT_TRUE(appfw::Answer_Tip_Request(&w.hdr, many, keep, wideKeep));
  EXPECT_NE(w.lpszText, w.szText);
  EXPECT_EQ(std::wstring(w.lpszText).size(), 90u);

  NMHDR other{};
  other.code = NM_CLICK;
  EXPECT_FALSE(appfw::Answer_Tip_Request(&other, "x", keep, wideKeep));
  EXPECT_FALSE(appfw::Answer_Tip_Request(nullptr, "x", keep, wideKeep));
}

// The owner of a tool tip: answers its text requests.
class Tip_Owner : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  LRESULT OnNotify(WPARAM, LPARAM lp) {
    auto* h = reinterpret_cast<NMHDR*>(lp);
    if (appfw::Answer_Tip_Request(h, text, keep, wideKeep)) {
      ++requests;
      return 0;
    }
    return Default();
  }
  std::string text, keep;
  std::wstring wideKeep;
  int requests = 0;
};

BEGIN_MSG_MAP(Tip_Owner, appfw::CWnd)
  ON_MSG(WM_NOTIFY, OnNotify)
END_MSG_MAP()

TEST(FrameworkToolTip, AWindowToolShowsTheOwnersTextOnRelayedMoves) {
  Tip_Owner owner;
  ASSERT_TRUE(owner.CreateEx(0, appfw::AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW),
                                                           GetSysColorBrush(COLOR_WINDOW)),
                             "tip owner", WS_POPUP | WS_VISIBLE | WS_BORDER, 400, 300, 200, 120,
                             nullptr, nullptr));
  owner.text = std::string(100, 'y') + "\n第二行";
  appfw::CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&owner, TTS_ALWAYSTIP | TTS_NOPREFIX));
  ASSERT_TRUE(tip.AddWindowTool(owner.m_hWnd));
  tip.SetMaxTipWidth(500);
  auto pump = [&] {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.hwnd == owner.m_hWnd) tip.RelayEvent(&msg);
      DispatchMessageA(&msg);
    }
  };
  testkit::Mouse_To(POINT{480, 350}, pump);
  testkit::Mouse_To(POINT{490, 355}, pump);
  ASSERT_TRUE(testkit::Wait_Until([&] { return IsWindowVisible(tip.m_hWnd) != FALSE; }, 10s, pump));
  EXPECT_GE(owner.requests, 1);
  EXPECT_EQ(tip.Current_Text(), owner.text);
  tip.Pop();
  pump();
  EXPECT_FALSE(IsWindowVisible(tip.m_hWnd));
  owner.DestroyWindow();
}

// A user-interface thread with a window of its own.
class Window_Thread : public appfw::CUiThread {
 public:
  BOOL InitInstance() override {
    window_ = new appfw::CWnd;
    if (!window_->CreateEx(0, appfw::AfxRegisterWndClass(0), "ui thread", WS_POPUP, 0, 0, 20, 20,
                           nullptr, nullptr)) {
      return FALSE;
    }
    m_pMainWnd = window_;
    return TRUE;
  }
  int ExitInstance() override {
    delete window_;
    window_ = nullptr;
    ended = true;
    return appfw::CUiThread::ExitInstance();
  }
  std::atomic<bool> ended{false};

 private:
  appfw::CWnd* window_ = nullptr;
};

class Failing_Thread : public appfw::CUiThread {
 public:
  BOOL InitInstance() override { return FALSE; }
};

TEST(FrameworkUiThread, StartsWithItsWindowAndEndsWhenTheWindowCloses) {
  Window_Thread* thread = appfw::AfxBeginUiThread<Window_Thread>();
  ASSERT_NE(thread, nullptr);
  ASSERT_TRUE(thread->Wait_Ready(10000));
  HWND window = thread->Main_Window();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetWindowThreadProcessId(window, nullptr), thread->m_nThreadID);
  EXPECT_NE(thread->m_nThreadID, GetCurrentThreadId());
  EXPECT_TRUE(thread->Close(10000));
  EXPECT_TRUE(thread->ended);
  EXPECT_FALSE(IsWindow(window));
  delete thread;

  Failing_Thread* failing = appfw::AfxBeginUiThread<Failing_Thread>();
  ASSERT_NE(failing, nullptr);
  EXPECT_FALSE(failing->Wait_Ready(10000));
  EXPECT_TRUE(failing->Close(10000));
  delete failing;
}

}  // namespace
