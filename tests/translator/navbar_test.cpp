// The navigation bar on the desktop: its folders, trees, links, tips, docking, sliding out of
// sight and its context menu, driven with the real mouse and keys. Its list files and
// Favorites come from a folder of the test's own; opening a link is recorded, not shown.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app.h"
#include "navbar.h"
#include "resource.h"
#include "testkit/testkit.h"

namespace {

using namespace std::chrono_literals;

std::vector<std::string> g_opened;
void Record_Open(const std::string& address) { g_opened.push_back(address); }

CNavBar* g_bar = nullptr;

// The test's message loop: the bar sees its messages before they are dispatched, as the
// program's thread shows them to it.
void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (g_bar && g_bar->m_hWnd && (msg.hwnd == g_bar->m_hWnd || IsChild(g_bar->m_hWnd, msg.hwnd))) {
      if (g_bar->PreTranslateMessage(&msg)) continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

const std::string kUrls =
    "[词典]\r\n"
    "A;http://a.example/\r\n"
    "B;http://b.example/;B 的说明\r\n"
    "[百科]\r\n"
    "维基;https://zh.wikipedia.org/;自由的百科全书\r\n";
const std::string kOthers =
    "孤儿;http://orphan.example/\r\n"  // before any header: belongs to no group
    "[翻译]\r\n"
    "谷歌;https://translate.google.com/;在线翻译\r\n"
    "必应;https://www.bing.com/translator\r\n"
    "[写作]\r\n"
    "OWL;https://owl.purdue.edu/;普渡大学写作实验室\r\n";

std::string Temp_Folder(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

void Remove_Tree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        Remove_Tree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(h, &found));
    FindClose(h);
  }
  RemoveDirectoryA(folder.c_str());
}

std::string Shortcut(const std::string& url) {
  return "[DEFAULT]\r\nBASEURL=" + url + "\r\n[InternetShortcut]\r\nURL=" + url + "\r\n";
}

RECT Rect_Of(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

class NavBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    screenW_ = GetSystemMetrics(SM_CXSCREEN);
    screenH_ = GetSystemMetrics(SM_CYSCREEN);
    appDir_ = Temp_Folder("navbar-app");
    favorites_ = Temp_Folder("navbar-fav");
    strcpy(g_szAppDir, appDir_.c_str());
    testkit::Write_File(appDir_ + "\\urls.lst", kUrls);
    testkit::Write_File(appDir_ + "\\others.lst", kOthers);
    CreateDirectoryA((favorites_ + "\\语言学习").c_str(), nullptr);
    CreateDirectoryA((favorites_ + "\\空文件夹").c_str(), nullptr);
    testkit::Write_File(favorites_ + "\\语言学习\\BBC.url", Shortcut("https://www.bbc.co.uk/learningenglish/"));
    testkit::Write_File(favorites_ + "\\维基百科.url", Shortcut("https://zh.wikipedia.org/"));
    testkit::Write_File(favorites_ + "\\坏的.url", "[InternetShortcut]\r\nIconIndex=1\r\nURL=http://x/\r\n");
    testkit::Write_File(favorites_ + "\\说明.txt", "not a link");
    CFavoritesTreeCtrl::Set_Folder_For_Tests(favorites_);
    g_opened.clear();
    Set_Link_Opener(Record_Open);
    // The pointer waits away from the left edge.
    testkit::Mouse_To(POINT{screenW_ / 2, screenH_ / 2}, Pump);
  }
  void TearDown() override {
    if (bar_) bar_->DestroyWindow();
    Pump();
    g_bar = nullptr;
    bar_.reset();
    Set_Link_Opener(nullptr);
    CFavoritesTreeCtrl::Set_Folder_For_Tests("");
    Remove_Tree(appDir_);
    Remove_Tree(favorites_);
  }

  // Opens the bar as the floating bar does; auto-hide off unless asked for.
  void Open(bool autoHide = false) {
    if (!bar_) bar_ = std::make_unique<CNavBar>();
    g_bar = bar_.get();
    ASSERT_TRUE(bar_->Create("导航条", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                             RECT{0, 0, 100, 400}));
    ShowWindow(bar_->m_hWnd, SW_SHOW);
    if (bar_->Auto_Hide() != autoHide) Command(ID_BAR_AUTOHIDE);
    Settle();
  }
  void Command(UINT id) { SendMessageA(bar_->m_hWnd, WM_COMMAND, id, 0); }
  void Settle() {
    UpdateWindow(bar_->m_hWnd);
    testkit::Pump_For(200ms, Pump);
  }
  CNavOutBarCtrl& Out() { return *bar_->Out_Bar(); }
  std::vector<std::string> Folder_Names() {
    std::vector<std::string> names;
    for (int i = 0; i < Out().Folder_Count(); ++i) names.push_back(Out().Folder(i).name);
    return names;
  }
  std::vector<std::string> Item_Texts(int folder) {
    std::vector<std::string> texts;
    for (const COutBarItem& it : Out().Folder(folder).items) texts.push_back(it.text);
    return texts;
  }
  POINT Item_Point(int k) {
    outbar::Item_Boxes b = outbar::Boxes(Out().Items_Layout(), k);
    POINT p{(b.label.left + b.label.right) / 2, (b.label.top + b.label.bottom) / 2};
    ClientToScreen(Out().m_hWnd, &p);
    return p;
  }
  POINT Folder_Point(int i) {
    RECT r = Out().Folder_Bar(i);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(Out().m_hWnd, &p);
    return p;
  }
  POINT Tree_Item_Point(appfw::CTreeCtrl& tree, HTREEITEM item) {
    RECT r{};
    tree.GetItemRect(item, &r, TRUE);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(tree.m_hWnd, &p);
    return p;
  }
  HTREEITEM Find_Child(appfw::CTreeCtrl& tree, HTREEITEM parent, const std::string& prefix) {
    HTREEITEM it = parent ? tree.GetChildItem(parent) : tree.GetRootItem();
    for (; it; it = tree.GetNextSiblingItem(it)) {
      if (tree.GetItemText(it).str().rfind(prefix, 0) == 0) return it;
    }
    return nullptr;
  }
  std::vector<std::string> Child_Texts(appfw::CTreeCtrl& tree, HTREEITEM parent) {
    std::vector<std::string> texts;
    HTREEITEM it = parent ? tree.GetChildItem(parent) : tree.GetRootItem();
    for (; it; it = tree.GetNextSiblingItem(it)) texts.push_back(tree.GetItemText(it).str());
    return texts;
  }
  // Asks the bar for the outlook bar's tip as the tool tip does, the pointer where it is.
  std::string Requested_Tip() {
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = bar_->Tool_Tip().m_hWnd;
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(Out().m_hWnd);
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(bar_->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText ? std::string(info.lpszText) : std::string();
  }
  std::string Info_Tip(appfw::CTreeCtrl& tree, HTREEITEM item, int buffer) {
    std::vector<char> text(static_cast<size_t>(buffer) + 8, '#');
    text[0] = 0;
    NMTVGETINFOTIPA info{};
    info.hdr.hwndFrom = tree.m_hWnd;
    info.hdr.idFrom = kNavTreeId;
    info.hdr.code = TVN_GETINFOTIPA;
    info.pszText = text.data();
    info.cchTextMax = buffer;
    info.hItem = item;
    SendMessageA(GetParent(tree.m_hWnd), WM_NOTIFY, kNavTreeId, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(text[static_cast<size_t>(buffer)], '#') << "written past the buffer";
    return std::string(text.data());
  }
  // Drags with the left button from `from` through `to`, from a second thread while this one
  // runs the system's move or size loop.
  void Drag(POINT from, POINT to) {
    testkit::Mouse_To(from, Pump);
    testkit::Pump_For(200ms, Pump);
    std::atomic<bool> done{false};
    std::thread hand([&] {
      testkit::Mouse_Button(1, true);
      Sleep(200);
      for (int k = 1; k <= 4; ++k) {
        testkit::Send_Move(POINT{from.x + (to.x - from.x) * k / 4, from.y + (to.y - from.y) * k / 4});
        Sleep(150);
      }
      testkit::Send_Move(to);
      Sleep(300);
      testkit::Mouse_Button(1, false);
      Sleep(300);
      done = true;
    });
    testkit::Wait_Until([&] { return done.load(); }, 30s, Pump);
    hand.join();
    Settle();
  }
  void Save(const std::string& name) {
    testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\" + name + ".bmp",
                                RECT{0, 0, screenW_, screenH_});
  }

  int screenW_ = 0, screenH_ = 0;
  std::string appDir_, favorites_;
  std::unique_ptr<CNavBar> bar_;
};

TEST_F(NavBarTest, FillsItsWindowWithLinkFoldersOtherLinksAndFavorites) {
  Open();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(Folder_Names(), (std::vector<std::string>{"词典", "百科", "其他网址", "收藏夹"}));
  EXPECT_EQ(Out().Current_Folder(), 0);
  EXPECT_TRUE(Out().Flags() & OUTBAR_SMALL_ICONS);
  // Each folder lists its links in the reverse of the file; values index the link lists.
  EXPECT_EQ(Item_Texts(0), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(bar_->Link_Addresses(),
            (std::vector<std::string>{"http://a.example/", "http://b.example/",
                                      "https://zh.wikipedia.org/"}));
  EXPECT_EQ(Out().Folder(0).items[0].value, 1u);
  EXPECT_EQ(Out().Folder(0).items[0].image, 0);
  EXPECT_EQ(bar_->Link_Tips()[1], "B 的说明");

  // The outlook bar fills the client area above the information bar.
  RECT client, out, status;
  GetClientRect(bar_->m_hWnd, &client);
  GetWindowRect(Out().m_hWnd, &out);
  GetWindowRect(bar_->Status_Bar().m_hWnd, &status);
  MapWindowPoints(nullptr, bar_->m_hWnd, reinterpret_cast<POINT*>(&out), 2);
  MapWindowPoints(nullptr, bar_->m_hWnd, reinterpret_cast<POINT*>(&status), 2);
  EXPECT_EQ(out.left, 0);
  EXPECT_EQ(out.top, 0);
  EXPECT_EQ(out.right, client.right);
  EXPECT_EQ(out.bottom, status.top);
  EXPECT_EQ(status.bottom, client.bottom);
  EXPECT_GT(status.bottom - status.top, 10);
  EXPECT_EQ(GetDlgCtrlID(Out().m_hWnd), AFX_IDW_PANE_FIRST);
  EXPECT_TRUE(GetWindowLongA(Out().m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_FALSE(GetWindowLongA(Out().m_hWnd, GWL_STYLE) & WS_BORDER);
  EXPECT_TRUE(GetWindowLongA(bar_->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(bar_->Tool_Tip().Owner(), bar_->m_hWnd);
  char title[32] = {};
  GetWindowTextA(bar_->m_hWnd, title, sizeof title);
  EXPECT_STREQ(title, "导航条");

  // The other links: groups and links in the file's order; the item before the first
  // header is left out.
  COtherUrlTreeCtrl& other = bar_->Other_Tree();
  EXPECT_EQ(Child_Texts(other, nullptr), (std::vector<std::string>{"翻译", "写作"}));
  HTREEITEM translate = other.GetRootItem();
  EXPECT_EQ(Child_Texts(other, translate), (std::vector<std::string>{"谷歌", "必应"}));
  EXPECT_EQ(other.GetItemData(translate), kNoLink);
  HTREEITEM bing = Find_Child(other, translate, "必应");
  EXPECT_EQ(other.Link_Of(bing), "https://www.bing.com/translator");
  EXPECT_EQ(GetParent(other.m_hWnd), Out().m_hWnd);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(other.m_hWnd, TVM_GETBKCOLOR, 0, 0)), RGB(180, 180, 220));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(other.m_hWnd, GWL_STYLE)) & kNavTreeStyle,
            kNavTreeStyle);

  // The favourites: folders (named without extension) and shortcut files; only good
  // shortcuts carry links, empty folders and other files stay.
  CFavoritesTreeCtrl& fav = bar_->Favorites_Tree();
  HTREEITEM learning = Find_Child(fav, nullptr, "语言学习");
  ASSERT_NE(learning, nullptr);
  EXPECT_EQ(fav.GetItemData(learning), kNoLink);
  HTREEITEM bbc = Find_Child(fav, learning, "BBC");
  ASSERT_NE(bbc, nullptr);
  EXPECT_EQ(fav.Link_Of(bbc), "https://www.bbc.co.uk/learningenglish/");
  HTREEITEM wiki = Find_Child(fav, nullptr, "维基百科");
  ASSERT_NE(wiki, nullptr);
  EXPECT_EQ(fav.Link_Of(wiki), "https://zh.wikipedia.org/");
  HTREEITEM broken = Find_Child(fav, nullptr, "坏的");
  ASSERT_NE(broken, nullptr);
  EXPECT_EQ(fav.GetItemData(broken), kNoLink);
  EXPECT_NE(Find_Child(fav, nullptr, "空文件夹"), nullptr);
  EXPECT_NE(Find_Child(fav, nullptr, "说明"), nullptr);
  EXPECT_EQ(fav.Links().size(), 2u);
}

TEST_F(NavBarTest, OpensLinksFromItemsAndTreesByMouseAndKeys) {
  Open();
  ASSERT_FALSE(HasFatalFailure());
  // A click on B opens B's address.
  testkit::Click_At(Item_Point(0), 1, Pump);
  ASSERT_TRUE(testkit::Wait_Until([] { return !g_opened.empty(); }, 10s, Pump));
  EXPECT_EQ(g_opened, (std::vector<std::string>{"http://b.example/"}));

  // The other links: a group opens nothing, a link opens, the arrow key opens the next one.
  g_opened.clear();
  testkit::Click_At(Folder_Point(2), 1, Pump);
  ASSERT_TRUE(testkit::Wait_Until([&] { return Out().Current_Folder() == 2; }, 10s, Pump));
  COtherUrlTreeCtrl& other = bar_->Other_Tree();
  ASSERT_TRUE(testkit::Wait_Until([&] { return IsWindowVisible(other.m_hWnd) != FALSE; }, 10s, Pump));
  HTREEITEM translate = other.GetRootItem();
  other.Expand(translate);
  Settle();
  testkit::Click_At(Tree_Item_Point(other, translate), 1, Pump);
  testkit::Pump_For(300ms, Pump);
  EXPECT_TRUE(g_opened.empty());
  testkit::Click_At(Tree_Item_Point(other, Find_Child(other, translate, "谷歌")), 1, Pump);
  ASSERT_TRUE(testkit::Wait_Until([] { return g_opened.size() == 1; }, 10s, Pump));
  EXPECT_EQ(g_opened[0], "https://translate.google.com/");
  testkit::Key_Stroke({VK_DOWN});
  ASSERT_TRUE(testkit::Wait_Until([] { return g_opened.size() == 2; }, 10s, Pump));
  EXPECT_EQ(g_opened[1], "https://www.bing.com/translator");

  // The favourites: a shortcut opens its address; a broken one opens nothing.
  g_opened.clear();
  testkit::Click_At(Folder_Point(3), 1, Pump);
  ASSERT_TRUE(testkit::Wait_Until([&] { return Out().Current_Folder() == 3; }, 10s, Pump));
  CFavoritesTreeCtrl& fav = bar_->Favorites_Tree();
  ASSERT_TRUE(testkit::Wait_Until([&] { return IsWindowVisible(fav.m_hWnd) != FALSE; }, 10s, Pump));
  testkit::Click_At(Tree_Item_Point(fav, Find_Child(fav, nullptr, "坏的")), 1, Pump);
  testkit::Pump_For(300ms, Pump);
  EXPECT_TRUE(g_opened.empty());
  testkit::Click_At(Tree_Item_Point(fav, Find_Child(fav, nullptr, "维基百科")), 1, Pump);
  ASSERT_TRUE(testkit::Wait_Until([] { return g_opened.size() == 1; }, 10s, Pump));
  EXPECT_EQ(g_opened[0], "https://zh.wikipedia.org/");
}

TEST_F(NavBarTest, TipsGiveDescriptionAndAddressWithinTheirBuffers) {
  // One link whose tip is far longer than the tool tip's own buffer.
  std::string longTip;
  for (int i = 0; i < 30; ++i) longTip += "很长的说明";
  testkit::Write_File(appDir_ + "\\urls.lst",
                      kUrls + "[长]\r\nLong;http://long.example/;" + longTip + "\r\n");
  Open();
  ASSERT_FALSE(HasFatalFailure());
  testkit::Mouse_To(Item_Point(0), Pump);
  EXPECT_EQ(Requested_Tip(), "B 的说明\nhttp://b.example/");
  testkit::Mouse_To(Item_Point(1), Pump);
  EXPECT_EQ(Requested_Tip(), "http://a.example/");
  // The real tip follows the pointer from item to item.
  ASSERT_TRUE(testkit::Wait_Until([&] {
    return IsWindowVisible(bar_->Tool_Tip().m_hWnd) && bar_->Tool_Tip().Current_Text() == "http://a.example/";
  }, 10s, Pump));
  testkit::Mouse_To(Item_Point(0), Pump);
  ASSERT_TRUE(testkit::Wait_Until([&] {
    return IsWindowVisible(bar_->Tool_Tip().m_hWnd) &&
           bar_->Tool_Tip().Current_Text() == "B 的说明\nhttp://b.example/";
  }, 10s, Pump));
  Save("navbar-tip");
  // Off the items: no tip.
  RECT area = Out().Client_Item_Area();
  POINT empty{(area.left + area.right) / 2, area.bottom - 5};
  ClientToScreen(Out().m_hWnd, &empty);
  testkit::Mouse_To(empty, Pump);
  EXPECT_EQ(Requested_Tip(), "");

  // A tip longer than the request's buffer is handed over whole, by pointer.
  testkit::Click_At(Folder_Point(2), 1, Pump);
  ASSERT_TRUE(testkit::Wait_Until([&] { return Out().Current_Folder() == 2; }, 10s, Pump));
  testkit::Mouse_To(Item_Point(0), Pump);
  std::string tip = Requested_Tip();
  EXPECT_EQ(tip, longTip + "\nhttp://long.example/");

  // Info tips of the trees are cut within the buffer they come with, on whole characters.
  COtherUrlTreeCtrl& other = bar_->Other_Tree();
  HTREEITEM translate = other.GetRootItem();
  HTREEITEM google = Find_Child(other, translate, "谷歌");
  HTREEITEM bing = Find_Child(other, translate, "必应");
  EXPECT_EQ(Info_Tip(other, google, 200), "在线翻译\nhttps://translate.google.com/");
  EXPECT_EQ(Info_Tip(other, bing, 200), "必应\nhttps://www.bing.com/translator");
  EXPECT_EQ(Info_Tip(other, translate, 200), "");
  EXPECT_EQ(Info_Tip(other, google, 6), "在线");  // five bytes of text: no half character
  EXPECT_EQ(Info_Tip(other, google, 5), "在线");
  EXPECT_EQ(Info_Tip(other, google, 4), "在");
  CFavoritesTreeCtrl& fav = bar_->Favorites_Tree();
  HTREEITEM wiki = Find_Child(fav, nullptr, "维基百科");
  std::string wikiTip = Info_Tip(fav, wiki, 200);
  EXPECT_EQ(wikiTip.substr(wikiTip.find('\n')), "\nhttps://zh.wikipedia.org/");
  EXPECT_EQ(Info_Tip(fav, Find_Child(fav, nullptr, "坏的"), 200), "");
  EXPECT_EQ(Info_Tip(fav, Find_Child(fav, nullptr, "语言学习"), 200), "");
}

TEST_F(NavBarTest, DocksLeftAtFullHeightAndMovesToTheRightEdge) {
  Open();
  ASSERT_FALSE(HasFatalFailure());
  RECT r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.left, 0) << Describe(r);
  EXPECT_EQ(r.right - r.left, 100) << Describe(r);
  EXPECT_EQ(r.top, 0) << Describe(r);
  EXPECT_GE(r.bottom, screenH_ * 3 / 4) << Describe(r);  // as far down as the shell allows
  EXPECT_TRUE(bar_->Docked());
  EXPECT_EQ(bar_->App_Bar().Edge(), Dock_Edge::Left);
  Save("navbar-docked-left");

  // Docked, the frame's outer border is client area; the inner one sizes.
  RECT w = Rect_Of(bar_->m_hWnd);
  LRESULT outer = SendMessageA(bar_->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(w.left + 1, (w.top + w.bottom) / 2));
  LRESULT inner = SendMessageA(bar_->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(w.right - 2, (w.top + w.bottom) / 2));
  LRESULT bottom = SendMessageA(bar_->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(w.left + 50, w.bottom - 2));
  EXPECT_EQ(outer, HTCLIENT);
  EXPECT_EQ(inner, HTRIGHT);
  EXPECT_EQ(bottom, HTCLIENT);

  // Dragged by the caption to the right half: docked at the right edge at full height.
  POINT caption{w.left + 30, w.top + GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2};
  Drag(caption, POINT{screenW_ * 3 / 4, screenH_ / 3});
  r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.right, screenW_) << Describe(r);
  EXPECT_EQ(r.right - r.left, 100) << Describe(r);
  EXPECT_EQ(r.top, 0) << Describe(r);
  EXPECT_GE(r.bottom, screenH_ * 3 / 4) << Describe(r);
  EXPECT_EQ(bar_->App_Bar().Edge(), Dock_Edge::Right);
  EXPECT_TRUE(bar_->Docked());
  LRESULT innerRight = SendMessageA(bar_->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + 1, (r.top + r.bottom) / 2));
  EXPECT_EQ(innerRight, HTLEFT);
  Save("navbar-docked-right");

  // Its inner border widens it; the outer one does nothing.
  RECT before = Rect_Of(bar_->m_hWnd);
  Drag(POINT{before.left + 1, screenH_ / 2}, POINT{before.left - 60, screenH_ / 2});
  r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.right, screenW_) << Describe(r);
  EXPECT_GT(r.right - r.left, 130) << Describe(r);
  EXPECT_LE(r.right - r.left, screenW_ / 3) << Describe(r);
  before = r;
  Drag(POINT{before.right - 1, screenH_ / 2}, POINT{before.right - 40, screenH_ / 2});
  r = Rect_Of(bar_->m_hWnd);
  EXPECT_TRUE(EqualRect(&r, &before)) << Describe(r) << " was " << Describe(before);

  // Back to the left half: docked left again, its width kept.
  int width = r.right - r.left;
  Drag(POINT{r.left + 30, caption.y}, POINT{screenW_ / 4, screenH_ / 2});
  r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.left, 0) << Describe(r);
  EXPECT_EQ(r.right - r.left, width) << Describe(r);
  EXPECT_EQ(bar_->App_Bar().Edge(), Dock_Edge::Left);
}

TEST_F(NavBarTest, LeftAwayFromTheEdgesItFloatsAndKeepsItsFrame) {
  Open();
  ASSERT_FALSE(HasFatalFailure());
  // A move that ends away from both edges leaves the bar floating.
  SetWindowPos(bar_->m_hWnd, nullptr, screenW_ / 3, 80, 160, 420, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(bar_->m_hWnd, WM_EXITSIZEMOVE, 0, 0);
  Settle();
  EXPECT_FALSE(bar_->Docked());
  EXPECT_EQ(bar_->App_Bar().Edge(), Dock_Edge::None);
  RECT r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.left, screenW_ / 3) << Describe(r);
  EXPECT_EQ(r.top, 80) << Describe(r);
  // Not docked, the frame's own hit test stands.
  LRESULT outer = SendMessageA(bar_->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + 1, (r.top + r.bottom) / 2));
  EXPECT_EQ(outer, HTLEFT);
  RedrawWindow(bar_->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle();
  Save("navbar-floating");
  // Tracking sizes: at least 100 x 240, at most a third of the screen wide.
  MINMAXINFO info{};
  SendMessageA(bar_->m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 100);
  EXPECT_EQ(info.ptMinTrackSize.y, 240);
  EXPECT_EQ(info.ptMaxTrackSize.x, screenW_ / 3);
}

TEST_F(NavBarTest, AutoHideSlidesOutToTwoPixelsAndComesBackAtATouch) {
  Open(true);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_TRUE(bar_->Auto_Hide());
  // The pointer is away: the bar slides out leaving two pixels at the left edge.
  ASSERT_TRUE(testkit::Wait_Until([&] { return bar_->Slid_Out(); }, 10s, Pump));
  RECT r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.right, 2) << Describe(r);
  EXPECT_EQ(r.top, 0) << Describe(r);
  Save("navbar-slid-out");
  // Touching the strip brings it back at once.
  testkit::Mouse_To(POINT{1, screenH_ / 2}, Pump);
  ASSERT_TRUE(testkit::Wait_Until([&] { return !bar_->Slid_Out(); }, 10s, Pump));
  r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.left, 0) << Describe(r);
  EXPECT_EQ(r.right - r.left, 100) << Describe(r);

  // At the right edge it hides to the right.
  Command(ID_BAR_AUTOHIDE);
  RECT caption = Rect_Of(bar_->m_hWnd);
  Drag(POINT{caption.left + 30, caption.top + GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2},
       POINT{screenW_ * 3 / 4, screenH_ / 3});
  ASSERT_EQ(bar_->App_Bar().Edge(), Dock_Edge::Right);
  Command(ID_BAR_AUTOHIDE);
  testkit::Mouse_To(POINT{screenW_ / 2, screenH_ / 2}, Pump);
  ASSERT_TRUE(testkit::Wait_Until([&] { return bar_->Slid_Out(); }, 10s, Pump));
  r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.left, screenW_ - 2) << Describe(r);
  testkit::Mouse_To(POINT{screenW_ - 1, screenH_ / 2}, Pump);
  ASSERT_TRUE(testkit::Wait_Until([&] { return !bar_->Slid_Out(); }, 10s, Pump));
  r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.right, screenW_) << Describe(r);

  // Turned off, the bar stays in view with the pointer away, registered as a bar again;
  // the state outlives the window.
  Command(ID_BAR_AUTOHIDE);
  EXPECT_FALSE(bar_->Auto_Hide());
  testkit::Mouse_To(POINT{screenW_ / 2, screenH_ / 2}, Pump);
  testkit::Pump_For(1200ms, Pump);
  EXPECT_FALSE(bar_->Slid_Out());
  bar_->DestroyWindow();
  Pump();
  EXPECT_EQ(bar_->m_hWnd, nullptr);
  EXPECT_FALSE(bar_->App_Bar().Registered());
  Open(false);
  ASSERT_FALSE(HasFatalFailure());
  testkit::Pump_For(1200ms, Pump);
  EXPECT_FALSE(bar_->Slid_Out());
  EXPECT_EQ(Rect_Of(bar_->m_hWnd).left, 0);
}

TEST_F(NavBarTest, ContextMenuTogglesAutoHideAndTheInformationBarAndCloses) {
  Open();
  ASSERT_FALSE(HasFatalFailure());
  // The menu shows the second popup of the bar menu with its marks; Escape closes it.
  std::atomic<bool> seen{false};
  std::vector<std::string> items;
  UINT autoHideState = 0, statusState = 0;
  std::thread eye([&] {
    HWND menu = nullptr;
    for (int i = 0; i < 100 && !menu; ++i) {
      Sleep(50);
      menu = FindWindowA("#32768", nullptr);
    }
    if (menu) {
      auto popup = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
      for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        char text[64] = {};
        GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        items.push_back(text);
      }
      autoHideState = GetMenuState(popup, ID_BAR_AUTOHIDE, MF_BYCOMMAND);
      statusState = GetMenuState(popup, ID_NAV_STATUS_BAR, MF_BYCOMMAND);
      seen = true;
    }
    Sleep(200);
    testkit::Key_Stroke({VK_ESCAPE});
  });
  RECT r = Rect_Of(Out().m_hWnd);
  testkit::Click_At(POINT{(r.left + r.right) / 2, r.bottom - 10}, 2, Pump);
  testkit::Wait_Until([&] { return seen.load(); }, 10s, Pump);
  eye.join();
  Settle();
  ASSERT_TRUE(seen);
  EXPECT_EQ(items, (std::vector<std::string>{"自动隐藏(&H)", "显示信息条(&S)", "", "关闭导航条(&C)"}));
  EXPECT_FALSE(autoHideState & MF_CHECKED);
  EXPECT_TRUE(statusState & MF_CHECKED);

  // "显示信息条(&S)" hides the information bar and the links take its room; again shows it.
  RECT outBefore = Rect_Of(Out().m_hWnd);
  Command(ID_NAV_STATUS_BAR);
  EXPECT_FALSE(IsWindowVisible(bar_->Status_Bar().m_hWnd));
  RECT client;
  GetClientRect(bar_->m_hWnd, &client);
  RECT outAfter = Rect_Of(Out().m_hWnd);
  EXPECT_EQ(outAfter.bottom - outAfter.top, client.bottom) << Describe(outAfter);
  Command(ID_NAV_STATUS_BAR);
  EXPECT_TRUE(IsWindowVisible(bar_->Status_Bar().m_hWnd));
  RECT outAgain = Rect_Of(Out().m_hWnd);
  EXPECT_TRUE(EqualRect(&outAgain, &outBefore)) << Describe(outAgain);

  // Auto-hide on releases the screen strip; off reserves it again.
  Command(ID_BAR_AUTOHIDE);
  EXPECT_TRUE(bar_->Auto_Hide());
  EXPECT_FALSE(bar_->App_Bar().Registered());
  Command(ID_BAR_AUTOHIDE);
  EXPECT_FALSE(bar_->Auto_Hide());

  // "关闭导航条(&C)" closes the window; the object stays for the next time.
  Command(ID_NAV_CLOSE);
  ASSERT_TRUE(testkit::Wait_Until([&] { return bar_->m_hWnd == nullptr; }, 10s, Pump));
  EXPECT_EQ(bar_->Out_Bar(), nullptr);
  Open();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(Out().Folder_Count(), 4);
  EXPECT_EQ(bar_->Link_Addresses().size(), 3u);
}

TEST_F(NavBarTest, DisplayChangeDocksAgainWithinAThird) {
  Open();
  ASSERT_FALSE(HasFatalFailure());
  SetWindowPos(bar_->m_hWnd, nullptr, 0, 0, 300, screenH_, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(bar_->m_hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(600, 500));
  RECT r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.left, 0) << Describe(r);
  EXPECT_EQ(r.right, 200) << Describe(r);
  EXPECT_EQ(r.top, 0) << Describe(r);
  SendMessageA(bar_->m_hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(screenW_, screenH_));
  r = Rect_Of(bar_->m_hWnd);
  EXPECT_EQ(r.left, 0) << Describe(r);
  EXPECT_EQ(r.right, 200) << Describe(r);
}

TEST_F(NavBarTest, MissingOrDamagedFilesGiveAnEmptyBarWithoutHarm) {
  DeleteFileA((appDir_ + "\\urls.lst").c_str());
  DeleteFileA((appDir_ + "\\others.lst").c_str());
  CFavoritesTreeCtrl::Set_Folder_For_Tests(appDir_ + "\\no such folder");
  Open();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(Folder_Names(), (std::vector<std::string>{"其他网址"}));
  EXPECT_EQ(bar_->Other_Tree().GetCount(), 0u);
  EXPECT_EQ(Requested_Tip(), "");
  bar_->DestroyWindow();
  Pump();

  // Damaged: binary junk, a header-less list, a shortcut of junk and an unreadable one.
  std::string junk;
  for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 37) & 0xFF);
  testkit::Write_File(appDir_ + "\\urls.lst", junk);
  testkit::Write_File(appDir_ + "\\others.lst", "no header;http://x\r\n" + junk);
  CFavoritesTreeCtrl::Set_Folder_For_Tests(favorites_);
  testkit::Write_File(favorites_ + "\\junk.url", junk);
  HANDLE locked = CreateFileA((favorites_ + "\\locked.url").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  Open();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(Out().Folder(Out().Folder_Count() - 1).name, "收藏夹");
  EXPECT_EQ(bar_->Favorites_Tree().Links().size(), 2u);
  for (int i = 0; i < Out().Folder_Count(); ++i) {
    testkit::Click_At(Folder_Point(i), 1, Pump);
    testkit::Wait_Until([&] { return Out().Current_Folder() == i; }, 10s, Pump);
  }
  CloseHandle(locked);
  EXPECT_TRUE(IsWindow(bar_->m_hWnd));
}

}  // namespace

namespace {

TEST_F(NavBarTest, ShipsReferenceAndLanguageLinksWithTips) {
  // The lists that ship in the translator's folder.
  for (const char* name : {"\\urls.lst", "\\others.lst"}) {
    std::string bytes = testkit::Read_File(testkit::Translator_Folder() + name);
    ASSERT_FALSE(bytes.empty()) << name;
    // CR LF throughout, no stray LF.
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\n') {
        ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " at " << i;
      }
    }
    std::vector<Link_Group> groups = Parse_Link_List(bytes);
    EXPECT_GE(groups.size(), 3u) << name;
    for (const Link_Group& g : groups) {
      EXPECT_GE(g.items.size(), 3u) << name << " " << g.name;
      for (const Link_Item& link : g.items) {
        EXPECT_EQ(link.address.rfind("https://", 0), 0u) << link.address;
        EXPECT_GE(link.tip.size(), 12u) << link.caption;
        EXPECT_FALSE(link.caption.empty());
      }
    }
    testkit::Write_File(appDir_ + name, bytes);
  }
  Open();
  ASSERT_FALSE(HasFatalFailure());
  // Every link folder of the shipped list, then the other links.
  EXPECT_EQ(Folder_Names().size(), 5u);
  EXPECT_EQ(Out().Folder(3).name, "其他网址");
  RECT r = Rect_Of(bar_->m_hWnd);
  SetWindowPos(bar_->m_hWnd, nullptr, 0, 0, 180, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(bar_->m_hWnd, WM_EXITSIZEMOVE, 0, 0);
  Settle();
  testkit::Mouse_To(Item_Point(1), Pump);
  testkit::Wait_Until([&] { return IsWindowVisible(bar_->Tool_Tip().m_hWnd) != FALSE; }, 10s, Pump);
  testkit::Pump_For(300ms, Pump);
  Save("navbar-shipped-links");
  testkit::Click_At(Folder_Point(3), 1, Pump);
  ASSERT_TRUE(testkit::Wait_Until([&] { return Out().Current_Folder() == 3; }, 10s, Pump));
  COtherUrlTreeCtrl& other = bar_->Other_Tree();
  for (HTREEITEM g = other.GetRootItem(); g; g = other.GetNextSiblingItem(g)) other.Expand(g);
  HTREEITEM first = other.GetChildItem(other.GetRootItem());
  testkit::Mouse_To(Tree_Item_Point(other, first), Pump);
  testkit::Pump_For(1500ms, Pump);
  Save("navbar-shipped-others");
}

}  // namespace
