// The outlook bar in a small host window, pressed, dragged and scrolled with the real mouse
// from a second thread while this thread runs the bar's tracking loops.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "appfw/wnd.h"
#include "outbar.h"
#include "testkit/testkit.h"

namespace {

using namespace std::chrono_literals;

// The owner: records the bar's notifications and answers a move as told.
class Host : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  std::vector<std::string> events;
  LRESULT moveAnswer = 0;
  LRESULT OnOutbar(WPARAM code, LPARAM value) {
    if (code == OUTBAR_MOVE_ITEM) {
      auto* r = reinterpret_cast<const Outbar_Move_Record*>(value);
      events.push_back("move " + std::to_string(r->folder) + " " + std::to_string(r->item));
      return moveAnswer;
    }
    events.push_back(std::to_string(code) + " " + std::to_string(value));
    return 0;
  }
};

BEGIN_MSG_MAP(Host, appfw::CWnd)
  ON_MSG(WM_OUTBAR_EVENT, OnOutbar)
END_MSG_MAP()

HIMAGELIST Make_Icons(int size) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24, 4, 4);
  HDC screen = GetDC(nullptr);
  const COLORREF colours[] = {RGB(40, 120, 160), RGB(210, 120, 40), RGB(60, 160, 90),
                              RGB(170, 60, 140)};
  for (COLORREF c : colours) {
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT r{0, 0, size, size};
    HBRUSH paper = CreateSolidBrush(RGB(250, 250, 245));
    FillRect(dc, &r, paper);
    DeleteObject(paper);
    HBRUSH ink = CreateSolidBrush(c);
    RECT inner{2, 2, size - 2, size - 2};
    FillRect(dc, &inner, ink);
    DeleteObject(ink);
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_Add(list, bitmap, nullptr);
    DeleteObject(bitmap);
  }
  ReleaseDC(nullptr, screen);
  return list;
}

class OutlookBar : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host_.CreateEx(0, appfw::AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW),
                                                             GetSysColorBrush(COLOR_BTNFACE)),
                               "outlook bar host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 100, 80,
                               190, 360, nullptr, nullptr));
    large_ = Make_Icons(32);
    small_ = Make_Icons(16);
  }
  void TearDown() override {
    owned_.reset();
    host_.DestroyWindow();
    ImageList_Destroy(large_);
    ImageList_Destroy(small_);
  }

  void New_Bar() {
    owned_ = std::make_unique<CGfxOutBarCtrl>();
    bar_ = owned_.get();
  }

  // Folder 0: five links; folder 1: twelve; folder 2: a list box.
  void Build(DWORD flags) {
    New_Bar();
    RECT client;
    GetClientRect(host_.m_hWnd, &client);
    ASSERT_TRUE(bar_->Create(WS_VISIBLE, client, &host_, 1200, flags));
    bar_->SetIconList(small_, 1);
    bar_->SetIconList(large_, 2);
    bar_->AppendFolder("常用网址", 100);
    bar_->AppendFolder("更多网址", 101);
    list_ = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_BORDER | LBS_NOINTEGRALHEIGHT, 0, 0, 10, 10, bar_->m_hWnd,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("收藏夹"));
    bar_->AppendWindowFolder("收藏夹", list_, 102);
    const char* names[] = {"a", "b", "c", "d", "e"};
    for (int i = 0; i < 5; ++i) bar_->InsertFolderItem(0, -1, names[i], i % 4, 1000 + i);
    for (int i = 0; i < 12; ++i) {
      bar_->InsertFolderItem(1, -1, ("网址 " + std::to_string(i)).c_str(), i % 4, 2000 + i);
    }
    bar_->SelectFolder(0);
    Settle();
    host_.events.clear();
  }

  void Settle() {
    UpdateWindow(bar_->m_hWnd);
    testkit::Pump_For(150ms);
  }

  // A point of the bar's client area on the screen.
  POINT Screen(POINT client) const {
    ClientToScreen(bar_->m_hWnd, &client);
    return client;
  }
  POINT Item_Icon(int k) const {
    outbar::Item_Boxes b = outbar::Boxes(bar_->Items_Layout(), k);
    return POINT{(b.icon.left + b.icon.right) / 2, (b.icon.top + b.icon.bottom) / 2};
  }
  POINT Bar_Middle(int i) const {
    RECT r = bar_->Folder_Bar(i);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  // Presses at the first point, moves through the others and lets go at the last, from a
  // second thread, while this one runs the bar's loops.
  void Press_Path(std::vector<POINT> path, std::chrono::milliseconds hold = 0ms) {
    testkit::Mouse_To(Screen(path.front()));
    testkit::Pump_For(300ms);  // the desktop's late echoes of the move arrive first
    bool done = false;
    std::thread hand([&] {
      testkit::Mouse_Button(1, true);
      Sleep(150);
      for (size_t i = 1; i < path.size(); ++i) {
        // A late echo of an earlier move can put the pointer back: sent again until the bar
        // has seen it there for three looks in a row.
        POINT at = path[i];
        testkit::Send_Move(Screen(at));
        for (int still = 0, looks = 0; still < 3 && looks < 25; ++looks) {
          Sleep(120);
          POINT seen = bar_->Last_Mouse_Point();
          if (seen.x == at.x && seen.y == at.y) {
            ++still;
          } else {
            still = 0;
            testkit::Send_Move(Screen(at));
          }
        }
      }
      if (path.size() > 1) Sleep(200);
      Sleep(static_cast<DWORD>(hold.count()));
      testkit::Mouse_Button(1, false);
      Sleep(200);
      done = true;
    });
    testkit::Wait_Until([&] { return done; }, 30s);
    hand.join();
    Settle();
  }
  std::vector<std::string> Texts(int folder) const {
    std::vector<std::string> t;
    for (const COutBarItem& it : bar_->Folder(folder).items) t.push_back(it.text);
    return t;
  }

  Host host_;
  std::unique_ptr<CGfxOutBarCtrl> owned_;
  CGfxOutBarCtrl* bar_ = nullptr;
  HIMAGELIST large_ = nullptr, small_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(OutlookBar, FoldersChangeUnderTheReleasePointAndOnlyRealFoldersCount) {
  Build(OUTBAR_ANIMATE);
  EXPECT_EQ(bar_->Current_Folder(), 0);
  RECT r;
  GetWindowRect(bar_->m_hWnd, &r);
  testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\outbar-large.bmp", r);

  // Pressed on folder 1, let go on folder 2: folder 2 comes, with its window.
  Press_Path({Bar_Middle(1), Bar_Middle(2)});
  EXPECT_EQ(bar_->Current_Folder(), 2);
  EXPECT_TRUE(IsWindowVisible(list_));
  RECT area = bar_->Client_Item_Area(), lr;
  GetWindowRect(list_, &lr);
  MapWindowPoints(nullptr, bar_->m_hWnd, reinterpret_cast<POINT*>(&lr), 2);
  EXPECT_EQ(lr.top, area.top);
  EXPECT_EQ(lr.bottom, area.bottom);
  // The current folder's bar: nothing; folder 0 slides back.
  Press_Path({Bar_Middle(2)});
  Press_Path({Bar_Middle(0)});
  EXPECT_EQ(bar_->Current_Folder(), 0);
  EXPECT_FALSE(IsWindowVisible(list_));
  EXPECT_EQ(host_.events, (std::vector<std::string>{"5 2", "5 0"}));

  // The owner selecting the current folder: no slide, but the folder is entered afresh.
  host_.events.clear();
  bar_->SelectFolder(0);
  bar_->SelectFolder(3);   // names no folder
  bar_->SelectFolder(-1);  // nor does this
  EXPECT_EQ(host_.events, (std::vector<std::string>{"5 0"}));
  EXPECT_EQ(bar_->Current_Folder(), 0);
}

TEST_F(OutlookBar, ASingleFolderIsSelectedWithoutSlidingFromAFolderThatDoesNotExist) {
  New_Bar();
  RECT client;
  GetClientRect(host_.m_hWnd, &client);
  ASSERT_TRUE(bar_->Create(WS_VISIBLE, client, &host_, 1200, OUTBAR_ANIMATE));
  EXPECT_EQ(bar_->Current_Folder(), -1);
  EXPECT_EQ(bar_->GetItemValue(0), 0u);
  bar_->AppendFolder("唯一", 7);
  bar_->InsertFolderItem(0, 5, "x", 0, static_cast<DWORD_PTR>(-2));  // out of range: appended
  bar_->SelectFolder(0);
  EXPECT_EQ(bar_->Current_Folder(), 0);
  EXPECT_EQ(bar_->GetItemValue(0), static_cast<DWORD_PTR>(-2));  // a pointer-sized value
  EXPECT_EQ(bar_->GetItemValue(1), 0u);
  EXPECT_EQ(host_.events, (std::vector<std::string>{"5 0"}));
}

TEST_F(OutlookBar, ItemClicksAreReportedAndTheSelectionStaysWhenAsked) {
  struct Case {
    DWORD flags;
    int selectedAfter;
  } cases[] = {{OUTBAR_SHOW_SELECTION, 1}, {0, 1}};
  for (const Case& c : cases) {
    Build(c.flags);
    Press_Path({Item_Icon(1)});
    EXPECT_EQ(host_.events, (std::vector<std::string>{"1 1"})) << c.flags;
    EXPECT_EQ(bar_->Selected_Item(), c.selectedAfter);
    EXPECT_EQ(bar_->GetItemValue(1), 1001u);
    // Pressed on one item, let go on another: nothing.
    host_.events.clear();
    Press_Path({Item_Icon(0), Item_Icon(2)});
    EXPECT_EQ(host_.events, std::vector<std::string>{});
  }
}

TEST_F(OutlookBar, DraggedItemsMoveOnlyWhenTheOwnerAgrees) {
  struct Case {
    LRESULT answer;
    int target;  // an item, or 5: after the last
    std::vector<std::string> order;
  } cases[] = {
      {0, 3, {"a", "b", "c", "d", "e"}},
      {1, 3, {"a", "c", "b", "d", "e"}},
      {1, 5, {"a", "c", "d", "e", "b"}},
  };
  // Small icons: all five fit, with room below them for the after-last zone.
  Build(OUTBAR_DRAG_ITEMS | OUTBAR_SMALL_ICONS);
  for (const Case& c : cases) {
    host_.events.clear();
    host_.moveAnswer = c.answer;
    std::vector<std::string> before = Texts(0);
    int source = static_cast<int>(std::find(before.begin(), before.end(), "b") - before.begin());
    POINT start = Item_Icon(source);
    POINT beside{2, start.y};  // not an item: the drag starts
    outbar::Item_Layout l = bar_->Items_Layout();
    POINT end = c.target < 5 ? Item_Icon(c.target)
                             : POINT{40, outbar::Boxes(l, 4).item.bottom + 8};
    Press_Path({start, beside, end});
    EXPECT_EQ(Texts(0), c.order) << c.answer << " " << c.target;
    ASSERT_EQ(host_.events.size(), 1u);
    EXPECT_EQ(host_.events[0], "move 0 " + std::to_string(source));
  }
}

TEST_F(OutlookBar, ArrowsScrollAndHoldingStopsAtTheEnd) {
  Build(0);
  Press_Path({Bar_Middle(1)});
  ASSERT_EQ(bar_->Current_Folder(), 1);
  EXPECT_FALSE(bar_->Up_Arrow_Shown());
  EXPECT_TRUE(bar_->Down_Arrow_Shown());
  RECT down = bar_->Down_Arrow();
  POINT arrow{(down.left + down.right) / 2, (down.top + down.bottom) / 2};
  Press_Path({arrow});
  EXPECT_EQ(bar_->First_Visible(), 1);
  EXPECT_TRUE(bar_->Up_Arrow_Shown());
  EXPECT_TRUE(bar_->Down_Arrow_Shown());
  // Held: it scrolls until the last item shows, then stops by itself.
  Press_Path({arrow}, 5000ms);
  outbar::Item_Layout l = bar_->Items_Layout();
  int last = static_cast<int>(l.items.size()) - 1;
  EXPECT_LE(outbar::Boxes(l, last).item.bottom, l.area.bottom);
  EXPECT_GT(outbar::Boxes(l, last).item.bottom + 64, l.area.bottom);
  EXPECT_FALSE(bar_->Down_Arrow_Shown());
  EXPECT_TRUE(bar_->Up_Arrow_Shown());
  int first = bar_->First_Visible();
  EXPECT_GT(first, 1);

  // Small icons: back to the first item.
  bar_->SetSmallIcons(TRUE);
  Settle();
  EXPECT_EQ(bar_->First_Visible(), 0);
  EXPECT_TRUE(bar_->Flags() & OUTBAR_SMALL_ICONS);
  EXPECT_FALSE(bar_->Up_Arrow_Shown());
  RECT r;
  GetWindowRect(bar_->m_hWnd, &r);
  testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\outbar-small.bmp", r);
  // A window folder shows no arrows.
  Press_Path({Bar_Middle(2)});
  EXPECT_FALSE(bar_->Down_Arrow_Shown());
  EXPECT_FALSE(bar_->Up_Arrow_Shown());
}

}  // namespace
