// The package editor driven as a person drives it: a second thread clicks and types into the
// real editor while this thread runs it modally; the list it shows and the package file it
// writes are checked.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app.h"
#include "appfw/app.h"
#include "dictuiex.h"
#include "editor_ids.h"
#include "package.h"
#include "testkit/testkit.h"

namespace {

using namespace std::chrono_literals;

appfw::CWinApp g_app("LingvaneEditorTest");

void Idle() { Sleep(5); }

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void Click_Screen(POINT p, bool twice = false) {
  testkit::Mouse_To(p, Idle);
  for (int i = 0; i < (twice ? 2 : 1); ++i) {
    testkit::Mouse_Button(1, true);
    testkit::Mouse_Button(1, false);
  }
  testkit::Pump_For(200ms, Idle);
}

// Selects the whole text of the focused edit field.
void Select_All() {
  testkit::Key_Stroke({VK_CONTROL, VK_END});
  testkit::Key_Stroke({VK_CONTROL, VK_SHIFT, VK_HOME});
}

void Type(const std::string& text) {
  for (char c : text) {
    SHORT vk = VkKeyScanA(c);
    if (HIBYTE(vk) & 1) testkit::Key_Stroke({VK_SHIFT, static_cast<WORD>(LOBYTE(vk))});
    else testkit::Key_Stroke({static_cast<WORD>(LOBYTE(vk))});
  }
  testkit::Pump_For(150ms, Idle);
}

std::vector<std::string> Column(HWND list, int column) {
  std::vector<std::string> out;
  int n = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    char text[600] = {};
    LVITEMA it{};
    it.iSubItem = column;
    it.pszText = text;
    it.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&it));
    out.push_back(text);
  }
  return out;
}

class PackageEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "lingvane-editor-" + std::to_string(GetTickCount());
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "\\DIC").c_str(), nullptr);
    strcpy(g_szAppDir, folder_.c_str());
    path_ = folder_ + "\\DIC\\sample.lvd";
    g_app.SetRegistryKey("LarkmoorEditorTest");
    testkit::Delete_User_Key("Software\\LarkmoorEditorTest");
  }
  void TearDown() override { testkit::Delete_User_Key("Software\\LarkmoorEditorTest"); }

  void Write_Package(const std::vector<Package_Entry>& entries) {
    std::string bytes;
    ASSERT_TRUE(Package_Bytes(entries, &bytes));
    ASSERT_TRUE(testkit::Write_File(path_, bytes));
  }
  std::vector<Package_Entry> Read_Package() {
    Package_Contents contents;
    EXPECT_TRUE(Parse_Package(testkit::Read_File(path_), &contents));
    return Collect_Package_Entries(static_cast<int>(contents.records.size()),
                                   contents.records.data(), contents.kept);
  }

  // Runs the editor while `user` works it from another thread; it is closed when the user
  // leaves it open.
  void Run(const std::function<void(HWND editor)>& user) {
    editor_ = std::make_unique<CDictUIExDlg>();
    editor_->m_strPath = path_;
    std::thread person([&] {
      HWND e = nullptr;
      testkit::Wait_Until([&] {
        e = FindWindowA("#32770", "DictUIEx");
        return e && IsWindowVisible(e);
      }, 10s, Idle);
      testkit::Pump_For(300ms, Idle);
      if (!e) return;
      SetForegroundWindow(e);
      user(e);
      if (IsWindow(e)) {
        PostMessageA(e, WM_COMMAND, IDCANCEL, 0);
        testkit::Wait_Until([&] { return !IsWindow(e); }, 8s, Idle);
      }
    });
    editor_->DoModal();
    person.join();
  }

  // The screen point of a letter in the index bar (its folder opened first).
  void Click_Letter(HWND editor, int folder, int item) {
    CGfxOutBarCtrl& bar = editor_->m_indexBar;
    if (bar.Current_Folder() != folder) {
      RECT f = bar.Folder_Bar(folder);
      MapWindowPoints(bar.m_hWnd, nullptr, reinterpret_cast<POINT*>(&f), 2);
      Click_Screen(Centre(f));
      testkit::Wait_Until([&] { return bar.Current_Folder() == folder; }, 5s, Idle);
    }
    RECT r = outbar::Boxes(bar.Items_Layout(), item).item;
    MapWindowPoints(bar.m_hWnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    Click_Screen(Centre(r));
    (void)editor;
  }

  void Double_Click_Row(HWND list, int row) {
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    POINT p{r.left + 40, (r.top + r.bottom) / 2};
    Click_Screen(p);
    Click_Screen(p, true);
  }

  std::string folder_, path_;
  std::unique_ptr<CDictUIExDlg> editor_;
};

std::vector<Package_Entry> Sample() {
  std::vector<Package_Entry> e = {{"About", "关于"}, {"apple", "苹果"}, {"Beta", "贝塔"},
                                  {"123", "一二三"}, {"中文", "汉语"}, {"Alpha", "阿尔法"},
                                  {"...more", "更多"}, {"Open", "打开"}};
  for (int i = 0; i < 60; ++i) e.push_back({"Item " + std::to_string(100 + i), "项目"});
  e.push_back({"Open", "打开"});
  e.push_back({"Options", "选项"});
  e.push_back({"Open", "打开"});
  return e;
}

TEST_F(PackageEditor, ShowsFiltersSearchesAndRemembersSixSearches) {
  Write_Package(Sample());
  std::vector<std::string> all, lettersA, others, history;
  RECT client{};
  int topAfterOp = -1, topAfterLowerOp = -1, openRow = -1;
  Run([&](HWND editor) {
    HWND list = GetDlgItem(editor, IDC_ENTRY_LIST);
    GetClientRect(editor, &client);
    all = Column(list, 1);
    RECT w;
    GetWindowRect(editor, &w);
    testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\screenshot-dictuiex.bmp", w);

    Click_Letter(editor, 0, 0);  // "A"
    testkit::Wait_Until([&] { return Column(list, 1).size() == 3; }, 5s, Idle);
    lettersA = Column(list, 1);
    Click_Letter(editor, 3, 6);  // "其它"
    testkit::Wait_Until([&] { return Column(list, 1).size() == 3 && Column(list, 1)[0] != lettersA[0]; }, 5s, Idle);
    others = Column(list, 1);

    // The long "I" list, searched.
    Click_Letter(editor, 1, 2);  // "I"
    testkit::Wait_Until([&] { return Column(list, 1).size() == 60; }, 5s, Idle);
    HWND edit = FindWindowExA(GetDlgItem(editor, IDC_FIND_COMBO), nullptr, "Edit", nullptr);
    RECT er;
    GetWindowRect(edit, &er);
    Click_Screen(Centre(er));
    const std::vector<std::string> rows = Column(list, 1);
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i] == "Item 140") openRow = static_cast<int>(i);
    }
    Type("Item 140");
    testkit::Wait_Until([&] { return SendMessageA(list, LVM_GETTOPINDEX, 0, 0) == openRow; }, 5s, Idle);
    topAfterOp = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    // The same letters in the other case find nothing: the list stays where it is.
    Select_All();
    Type("iTEM 1");
    topAfterLowerOp = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));

    // Seven searches confirmed with Enter leave the six last in the list's order.
    for (const char* s : {"g", "b", "f", "a", "e", "c", "d"}) {
      Select_All();
      Type(s);
      testkit::Key_Stroke({VK_RETURN});
      testkit::Pump_For(100ms, Idle);
    }
    HWND combo = GetDlgItem(editor, IDC_FIND_COMBO);
    int n = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      char text[300] = {};
      SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      history.push_back(text);
    }
    // Still open after Enter.
    EXPECT_TRUE(IsWindowVisible(editor));
  });
  EXPECT_EQ(client.right, 600);
  EXPECT_EQ(client.bottom, 420);
  ASSERT_EQ(all.size(), Sample().size());
  EXPECT_EQ(all[0], "About");
  EXPECT_EQ(lettersA, (std::vector<std::string>{"Alpha", "apple", "About"}));
  EXPECT_EQ(others, (std::vector<std::string>{"...more", "中文", "123"}));
  EXPECT_EQ(topAfterOp, openRow);
  EXPECT_EQ(topAfterLowerOp, openRow);
  EXPECT_EQ(history, (std::vector<std::string>{"b", "c", "d", "e", "f", "g"}));
  // Kept in the registry when the editor closed.
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(g_app.GetProfileString("Larkmoor", std::to_string(i).c_str(), "").str(), history[static_cast<size_t>(i)]);
  }
  // The next editor starts with them.
  size_t loaded = 0;
  Run([&](HWND editor) {
    loaded = static_cast<size_t>(SendMessageA(GetDlgItem(editor, IDC_FIND_COMBO), CB_GETCOUNT, 0, 0));
  });
  EXPECT_EQ(loaded, 6u);
}

TEST_F(PackageEditor, AnEditReachesEveryRecordOfItsSourceAndCompilesIntoThePackage) {
  Write_Package(Sample());
  const std::string before = testkit::Read_File(path_);
  std::string cut;
  bool waitSeen = false;
  Run([&](HWND editor) {
    HWND list = GetDlgItem(editor, IDC_ENTRY_LIST);
    Click_Letter(editor, 2, 1);  // "O": Open three times, and Options
    testkit::Wait_Until([&] { return Column(list, 1).size() == 4; }, 5s, Idle);
    Double_Click_Row(list, 0);  // the last "Open"
    HWND entry = nullptr;
    testkit::Wait_Until([&] {
      entry = GetLastActivePopup(editor);
      return entry && entry != editor && IsWindowVisible(entry);
    }, 5s, Idle);
    ASSERT_NE(entry, editor);
    HWND field = GetDlgItem(entry, IDC_ENTRY_TRANSLATION);
    char source[100] = {};
    GetDlgItemTextA(entry, IDC_ENTRY_SOURCE, source, sizeof source);
    EXPECT_STREQ(source, "Open");
    // A pasted translation too long for an entry is cut to whole characters.
    std::string longText = "a";
    for (int i = 0; i < 300; ++i) longText += "中";
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, longText.size() + 1);
      memcpy(GlobalLock(memory), longText.c_str(), longText.size() + 1);
      GlobalUnlock(memory);
      SetClipboardData(CF_TEXT, memory);
      CloseClipboard();
    }
    Select_All();
    testkit::Key_Stroke({VK_CONTROL, 'V'});
    testkit::Pump_For(300ms, Idle);
    char text[1200] = {};
    GetWindowTextA(field, text, sizeof text);
    cut = text;
    // Typed over with the new translation, then saved.
    Select_All();
    Type("Kai");
    RECT save;
    GetWindowRect(GetDlgItem(entry, IDOK), &save);
    Click_Screen(Centre(save));
    testkit::Wait_Until([&] { return !IsWindow(entry); }, 5s, Idle);
    RECT compile;
    GetWindowRect(GetDlgItem(editor, IDC_COMPILE), &compile);
    const int ticks = CWaitDlg::s_ticks;
    Click_Screen(Centre(compile));
    testkit::Pump_For(300ms, Idle);
    waitSeen = CWaitDlg::s_ticks >= ticks;
    // After another filter every "Open" row shows the edit.
    Click_Letter(editor, 2, 0);  // "N"
    Click_Letter(editor, 2, 1);  // "O"
    testkit::Wait_Until([&] { return Column(list, 2)[0] == "Kai"; }, 5s, Idle);
    EXPECT_EQ(Column(list, 2), (std::vector<std::string>{"Kai", "选项", "Kai", "Kai"}));
  });
  ASSERT_EQ(cut.size(), 511u);
  EXPECT_EQ(cut.substr(0, 3), "a中");
  EXPECT_TRUE(waitSeen);
  EXPECT_TRUE(editor_->m_list.m_lastWriteOk);
  std::vector<Package_Entry> expected = Sample();
  for (Package_Entry& e : expected) {
    if (e.source == "Open") e.translation = "Kai";
  }
  EXPECT_EQ(Read_Package(), expected);
  EXPECT_NE(testkit::Read_File(path_), before);

  // Compiling twice without changes writes the same file.
  const std::string once = testkit::Read_File(path_);
  Run([&](HWND editor) {
    RECT compile;
    GetWindowRect(GetDlgItem(editor, IDC_COMPILE), &compile);
    Click_Screen(Centre(compile));
    Click_Screen(Centre(compile));
  });
  EXPECT_EQ(testkit::Read_File(path_), once);
}

// Chinese typed into the search box and the entry dialog (as keyboard characters and from the
// input method) finds its row, is remembered, and is compiled into the package as typed.
TEST_F(PackageEditor, ChineseSearchesAndTranslationsAreTakenAsTyped) {
  std::vector<Package_Entry> entries = Sample();
  for (int i = 0; i < 40; ++i) entries.push_back({"项目" + std::to_string(100 + i), "条目"});
  Write_Package(entries);
  std::string searched, typed;
  int top = -1, wanted = -1;
  std::vector<std::string> history;
  Run([&](HWND editor) {
    HWND list = GetDlgItem(editor, IDC_ENTRY_LIST);
    Click_Letter(editor, 3, 6);  // "其它"
    testkit::Wait_Until([&] { return Column(list, 1).size() == 43; }, 5s, Idle);
    const std::vector<std::string> rows = Column(list, 1);
    for (size_t i = 0; i < rows.size(); ++i)
      if (rows[i] == "项目130") wanted = static_cast<int>(i);
    HWND edit = FindWindowExA(GetDlgItem(editor, IDC_FIND_COMBO), nullptr, "Edit", nullptr);
    RECT er;
    GetWindowRect(edit, &er);
    Click_Screen(Centre(er));
    auto text_of = [](HWND box) {
      char text[64] = {};
      GetWindowTextA(box, text, sizeof text);
      return std::string(text);
    };
    testkit::Type_Characters("项目");
    testkit::Wait_Until([&] { return text_of(edit) == "项目"; }, 5s, Idle);
    for (WPARAM code : testkit::Double_Byte_Codes("130")) PostMessageA(edit, WM_IME_CHAR, code, 1);
    testkit::Wait_Until([&] { return SendMessageA(list, LVM_GETTOPINDEX, 0, 0) == wanted; }, 5s, Idle);
    top = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    searched = text_of(edit);
    testkit::Key_Stroke({VK_RETURN});
    testkit::Pump_For(200ms, Idle);
    testkit::Shot_Window(editor, "lingvane-editor-chinese-search");

    // The row of "中文" edited: typed over in Chinese, saved and compiled.
    Click_Letter(editor, 0, 0);  // "A"
    Click_Letter(editor, 3, 6);  // "其它"
    testkit::Wait_Until([&] { return Column(list, 1).size() == 43; }, 5s, Idle);
    const std::vector<std::string> again = Column(list, 1);
    const int row = static_cast<int>(std::find(again.begin(), again.end(), "中文") - again.begin());
    SendMessageA(list, LVM_ENSUREVISIBLE, row, FALSE);
    testkit::Pump_For(200ms, Idle);
    Double_Click_Row(list, row);
    HWND entry = nullptr;
    testkit::Wait_Until([&] {
      entry = GetLastActivePopup(editor);
      return entry && entry != editor && IsWindowVisible(entry);
    }, 5s, Idle);
    ASSERT_NE(entry, editor);
    HWND field = GetDlgItem(entry, IDC_ENTRY_TRANSLATION);
    Select_All();
    testkit::Type_Characters("国语");  // over the translation "汉语"
    testkit::Wait_Until([&] { return text_of(field) == "国语"; }, 5s, Idle);
    for (WPARAM code : testkit::Double_Byte_Codes("言文字")) PostMessageA(field, WM_IME_CHAR, code, 1);
    testkit::Wait_Until([&] { return text_of(field) == "国语言文字"; }, 5s, Idle);
    typed = text_of(field);
    testkit::Shot_Window(entry, "lingvane-entry-chinese");
    RECT save;
    GetWindowRect(GetDlgItem(entry, IDOK), &save);
    Click_Screen(Centre(save));
    testkit::Wait_Until([&] { return !IsWindow(entry); }, 5s, Idle);
    const std::string uncompiled = testkit::Read_File(path_);
    RECT compile;
    GetWindowRect(GetDlgItem(editor, IDC_COMPILE), &compile);
    Click_Screen(Centre(compile));
    testkit::Wait_Until([&] { return testkit::Read_File(path_) != uncompiled; }, 10s, Idle);
  });
  EXPECT_EQ(searched, "项目130");
  EXPECT_EQ(top, wanted);
  EXPECT_EQ(g_app.GetProfileString("Larkmoor", "0", "").str(), "项目130");
  EXPECT_EQ(typed, "国语言文字");
  for (Package_Entry& e : entries)
    if (e.source == "中文") e.translation = "国语言文字";
  EXPECT_EQ(Read_Package(), entries);
}

// The screen pixels of a rectangle (screen coordinates), row by row.
std::vector<DWORD> Screen_Pixels(const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ kept = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + w * h);
  SelectObject(dc, kept);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// How far right the text of a list cell reaches: the last column (from the cell's left edge)
// holding a pixel other than the cell's background; -1 for a cell without text.
int Text_Reach(HWND list, int row, int column) {
  RECT cell{};
  cell.top = column;
  cell.left = LVIR_LABEL;
  SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&cell), 2);
  cell.bottom -= 1;  // the grid line
  cell.right -= 1;
  const int w = cell.right - cell.left;
  const std::vector<DWORD> pixels = Screen_Pixels(cell);
  const DWORD back = pixels[static_cast<size_t>(w + 1)];
  int reach = -1;
  for (size_t i = 0; i < pixels.size(); ++i)
    if (pixels[i] != back) reach = std::max(reach, static_cast<int>(i % static_cast<size_t>(w)));
  return reach;
}

// A menu item's key name (after its tab) stands at the right edge of its cell, apart from the
// caption, as a menu shows it; a text without a tab stays at the left.
TEST_F(PackageEditor, MenuItemsShowTheirKeyNamesAtTheRight) {
  Write_Package({{"&New\tCtrl+N", "新建(&N)\tCtrl+N"}, {"Open", "打开"}, {"E&xit", "退出(&X)"}});
  int width1 = 0, width2 = 0;
  std::vector<int> reach;
  Run([&](HWND editor) {
    HWND list = GetDlgItem(editor, IDC_ENTRY_LIST);
    testkit::Wait_Until([&] { return Column(list, 1).size() == 3; }, 5s, Idle);
    SetFocus(nullptr);
    const std::vector<std::string> rows = Column(list, 1);
    const int tabbed = static_cast<int>(std::find(rows.begin(), rows.end(), "&New\tCtrl+N") - rows.begin());
    const int plain = static_cast<int>(std::find(rows.begin(), rows.end(), "Open") - rows.begin());
    width1 = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0));
    width2 = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 2, 0));
    testkit::Pump_For(300ms, Idle);
    reach = {Text_Reach(list, tabbed, 1), Text_Reach(list, tabbed, 2), Text_Reach(list, plain, 1),
             Text_Reach(list, plain, 2)};
    testkit::Shot_Window(editor, "lingvane-editor-menu-items");
  });
  ASSERT_EQ(reach.size(), 4u);
  EXPECT_GE(reach[0], width1 - 14);
  EXPECT_GE(reach[1], width2 - 14);
  EXPECT_GT(reach[2], 0);
  EXPECT_LT(reach[2], width1 / 2);
  EXPECT_LT(reach[3], width2 / 2);
}

TEST_F(PackageEditor, ExitDropsUncompiledEditsAndABadPackageOpensEmpty) {
  Write_Package(Sample());
  const std::string before = testkit::Read_File(path_);
  Run([&](HWND editor) {
    HWND list = GetDlgItem(editor, IDC_ENTRY_LIST);
    Double_Click_Row(list, 1);
    HWND entry = nullptr;
    testkit::Wait_Until([&] {
      entry = GetLastActivePopup(editor);
      return entry && entry != editor && IsWindowVisible(entry);
    }, 5s, Idle);
    Select_All();
    Type("Changed");
    testkit::Key_Stroke({VK_RETURN});  // Enter saves the entry
    testkit::Wait_Until([&] { return !IsWindow(entry); }, 5s, Idle);
    EXPECT_EQ(Column(list, 2)[1], "Changed");
    RECT exit;
    GetWindowRect(GetDlgItem(editor, IDCANCEL), &exit);
    Click_Screen(Centre(exit));
    testkit::Wait_Until([&] { return !IsWindow(editor); }, 5s, Idle);
  });
  EXPECT_EQ(testkit::Read_File(path_), before);

  ASSERT_TRUE(testkit::Write_File(path_, "damaged"));
  int rows = -1;
  Run([&](HWND editor) {
    rows = static_cast<int>(SendMessageA(GetDlgItem(editor, IDC_ENTRY_LIST), LVM_GETITEMCOUNT, 0, 0));
    RECT compile;
    GetWindowRect(GetDlgItem(editor, IDC_COMPILE), &compile);
    Click_Screen(Centre(compile));
  });
  EXPECT_EQ(rows, 0);
  EXPECT_EQ(Read_Package().size(), 0u);  // a package with no entries
}

}  // namespace
