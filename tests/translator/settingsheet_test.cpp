// The settings sheet driven as a person drives it: a second thread clicks and types into the
// real sheet while this thread runs it modally; the options and files it leaves are checked.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app.h"
#include "barlogic.h"
#include "dct_format.h"
#include "dictfiles.h"
#include "options.h"
#include "settingsheet.h"
#include "testkit/testkit.h"

namespace {

using namespace std::chrono_literals;

const char kSheetTitle[] = "青岚墨译设置";

// The driver thread has no windows of its own: its waits only sleep.
void Idle() { Sleep(5); }

HWND Wait_For(const std::function<HWND()>& find) {
  HWND found = nullptr;
  testkit::Wait_Until([&] { return (found = find()) != nullptr; }, 10s, Idle);
  return found;
}

POINT Centre(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Click_Screen(POINT p, bool twice = false) {
  testkit::Mouse_To(p, Idle);
  for (int i = 0; i < (twice ? 2 : 1); ++i) {
    testkit::Mouse_Button(1, true);
    testkit::Mouse_Button(1, false);
  }
  testkit::Pump_For(150ms, Idle);
}

void Click(HWND control) { Click_Screen(Centre(control)); }

HWND Page(HWND sheet) {
  return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND Built_Page(HWND sheet, int index) {
  return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_INDEXTOHWND, index, 0));
}

void Open_Tab(HWND sheet, int index) {
  HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  RECT r{};
  SendMessageA(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(tab, &p);
  Click_Screen(p);
  testkit::Wait_Until([&] { return Page(sheet) == Built_Page(sheet, index); }, 5s, Idle);
}

// A list row's middle on the screen.
POINT Row_Point(HWND list, int row) {
  RECT r{};
  r.left = LVIR_LABEL;
  SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
  POINT p{r.left + 10, (r.top + r.bottom) / 2};
  ClientToScreen(list, &p);
  return p;
}

// Lower-case letters and digits as keys.
void Type(const char* text) {
  for (const char* c = text; *c; ++c) {
    testkit::Key_Stroke({static_cast<WORD>(toupper(static_cast<unsigned char>(*c)))});
  }
  testkit::Pump_For(100ms, Idle);
}

// Presses keys with the extended flag on the last one (Insert, arrows, ...).
void Key_Stroke_Extended(WORD modifier, WORD key) {
  INPUT in[4] = {};
  for (INPUT& i : in) i.type = INPUT_KEYBOARD;
  in[0].ki.wVk = modifier;
  in[1].ki.wVk = key;
  in[1].ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
  in[2].ki.wVk = key;
  in[2].ki.dwFlags = KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP;
  in[3].ki.wVk = modifier;
  in[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, in, sizeof(INPUT));
  testkit::Pump_For(150ms, Idle);
}

// A dialog of this process owned by `owner` (the word dialog, the file dialog, a message box).
struct Owned_Search {
  HWND owner;
  HWND found;
};
BOOL CALLBACK Find_Owned(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<Owned_Search*>(param);
  char cls[16] = "";
  GetClassNameA(window, cls, sizeof cls);
  if (strcmp(cls, "#32770") == 0 && IsWindowVisible(window) &&
      GetWindow(window, GW_OWNER) == s->owner) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}
HWND Wait_Owned(HWND owner) {
  return Wait_For([&] {
    Owned_Search s{owner, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(owner, nullptr), Find_Owned,
                      reinterpret_cast<LPARAM>(&s));
    return s.found;
  });
}

std::string Text_Of(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The name the system gives a key (with the extended flag for Insert, the arrows ...).
std::string Key_Name(BYTE vk, bool extended) {
  char name[64] = "";
  GetKeyNameTextA(static_cast<LONG>((MapVirtualKeyA(vk, 0) << 16) | (extended ? 1 << 24 : 0)),
                  name, sizeof name);
  return name;
}

// The pixels of a window's client area as `draw` paints them on the window colour.
std::vector<DWORD> Client_Pixels(HWND window, const std::function<void(HDC)>& draw) {
  RECT r;
  GetClientRect(window, &r);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = r.right;
  info.bmiHeader.biHeight = -r.bottom;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ kept = SelectObject(dc, bitmap);
  FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
  draw(dc);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits),
                            static_cast<const DWORD*>(bits) + r.right * r.bottom);
  SelectObject(dc, kept);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

// Whether a hot-key box shows `text`: what it paints against the text drawn as it draws it (its
// font, one border in from the corner).
bool Hot_Key_Box_Shows(HWND box, const std::string& text) {
  const std::vector<DWORD> painted = Client_Pixels(box, [&](HDC dc) {
    SendMessageA(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
  const std::vector<DWORD> wanted = Client_Pixels(box, [&](HDC dc) {
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    TextOutA(dc, GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER), text.c_str(),
             static_cast<int>(text.size()));
  });
  return painted == wanted;
}

// The headings of a list that its columns cut: a heading fits when its text in the header's font
// and the header's margin of three edges on each side fit the column.
std::vector<std::string> Cut_Headings(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  std::vector<std::string> cut;
  const int n = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  HDC dc = GetDC(header);
  HGDIOBJ kept = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(header, WM_GETFONT, 0, 0)));
  for (int i = 0; i < n; ++i) {
    char text[64] = "";
    HDITEMA item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    RECT r{};
    SendMessageA(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    if (size.cx + 6 * GetSystemMetrics(SM_CXEDGE) > r.right - r.left) cut.push_back(text);
  }
  SelectObject(dc, kept);
  ReleaseDC(header, dc);
  return cut;
}

std::string Dict_File(const std::string& text, uint32_t magic = DCT_MAGIC) {
  DctHeader h{};
  h.magic = static_cast<int32_t>(magic);
  h.pairTable = DCT_HEADER_SIZE;
  h.version = DCT_VERSION;
  memcpy(h.text, text.data(), std::min(text.size(), sizeof h.text));
  return std::string(reinterpret_cast<const char*>(&h), sizeof h);
}

class SettingsSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "lingvane-sheet-" + std::to_string(GetTickCount());
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "\\lib").c_str(), nullptr);
    strcpy(g_szAppDir, folder_.c_str());
    SetEnvironmentVariableA("TRHOOK32_LOG_DIR", folder_.c_str());
    TransOptions o;
    o.ProfDictID = -1;
    o.TransHotkey = kDefaultTransHotkey;
    o.RestoreEnglishHotkey = kDefaultRestoreEnglishHotkey;
    o.InterfaceHotkey = kDefaultInterfaceHotkey;
    o.DictHotkey = kDefaultDictHotkey;
    o.PackageHotkey = kDefaultPackageHotkey;
    g_TransOptions = o;
  }
  void TearDown() override { SetEnvironmentVariableA("TRHOOK32_LOG_DIR", nullptr); }

  std::string Lib(const char* name) const { return folder_ + "\\lib\\" + name; }
  std::vector<std::string> Log() const { return testkit::Read_Lines(folder_ + "\\trhook32.log"); }

  // Runs the sheet while `user` works it from another thread; the sheet is cancelled when the
  // user leaves it open, so that a failing test never hangs.
  INT_PTR Run(const std::function<void(HWND sheet)>& user) {
    CSettingSheet sheet(nullptr);
    std::thread person([&] {
      // Once it shows, the sheet is built and placed.
      HWND s = Wait_For([] {
        HWND found = FindWindowA("#32770", kSheetTitle);
        return found && IsWindowVisible(found) ? found : nullptr;
      });
      testkit::Pump_For(100ms, Idle);
      if (!s) return;
      user(s);
      if (!testkit::Wait_Until([&] { return !IsWindow(s); }, 8s, Idle)) {
        ADD_FAILURE() << "the sheet stayed open";
        for (HWND box; (box = GetLastActivePopup(s)) && box != s;) {
          PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
          Sleep(300);
        }
        PostMessageA(s, WM_COMMAND, IDCANCEL, 0);
      }
    });
    INT_PTR result = sheet.DoModal();
    person.join();
    return result;
  }

  std::string folder_;
};

void Press(HWND sheet, int button) { Click(GetDlgItem(sheet, button)); }

TEST_F(SettingsSheet, OpensCentredOnItsFirstPageAndBuildsTheOthersWhenOpened) {
  testkit::Write_File(Lib("wbseclib.lst"), "not a list of records");
  testkit::Write_File(Lib("User.dct"), User_Dict_Bytes({{"kept", "名词", "原样"}}));
  std::vector<std::string> titles;
  bool centred = false, applyOrHelp = true;
  HWND laterPagesBefore = reinterpret_cast<HWND>(1);
  INT_PTR result = Run([&](HWND sheet) {
    RECT r;
    GetWindowRect(sheet, &r);
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    centred = std::abs((r.left + r.right) / 2 - sw / 2) <= 1 &&
              std::abs((r.top + r.bottom) / 2 - sh / 2) <= 1;
    HWND apply = GetDlgItem(sheet, 0x3021), help = GetDlgItem(sheet, 9);
    applyOrHelp = (apply && IsWindowVisible(apply)) || (help && IsWindowVisible(help));
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    for (int i = 0; i < 3; ++i) {
      char text[64] = "";
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = sizeof text;
      SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
      titles.push_back(text);
    }
    laterPagesBefore = Built_Page(sheet, 1) ? Built_Page(sheet, 1) : Built_Page(sheet, 2);
    // Each page as a person sees it.
    for (int i = 0; i < 3; ++i) {
      Open_Tab(sheet, i);
      testkit::Pump_For(300ms, Idle);
      GetWindowRect(sheet, &r);
      testkit::Save_Screen_Bitmap(
          testkit::Build_Folder() + "\\sheet-page-" + std::to_string(i) + ".bmp", r);
    }
    Press(sheet, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(centred);
  EXPECT_FALSE(applyOrHelp);
  EXPECT_EQ(titles, (std::vector<std::string>{"翻译设置", "词库设置", "用户词库"}));
  EXPECT_EQ(laterPagesBefore, nullptr);
  // Cancel wrote nothing.
  EXPECT_EQ(testkit::Read_File(Lib("wbseclib.lst")), "not a list of records");
  EXPECT_EQ(testkit::Read_File(Lib("User.dct")), User_Dict_Bytes({{"kept", "名词", "原样"}}));
}

TEST_F(SettingsSheet, HotKeysShowAndStoreThroughTheConversion) {
  TransOptions& o = g_TransOptions;
  o.TransHotkey = 0x60070;            // Ctrl+Shift+F1
  o.InterfaceHotkey = 0x2002D;        // Ctrl+Insert
  o.UseDFKC = 1;
  o.DFKCPath = "C:\\东方快车";
  WORD shownTrans = 0, shownInterface = 0;
  bool interfaceNamed = false, keypadNamed = true;
  const std::string insert = Key_Name(VK_CONTROL, false) + " + " + Key_Name(VK_INSERT, true);
  INT_PTR result = Run([&](HWND sheet) {
    HWND page = Page(sheet);
    shownTrans = LOWORD(SendDlgItemMessageA(page, 1001, HKM_GETHOTKEY, 0, 0));
    shownInterface = LOWORD(SendDlgItemMessageA(page, 1002, HKM_GETHOTKEY, 0, 0));
    // Ctrl+Insert is named with Insert, not with the keypad key of the same place.
    interfaceNamed = Hot_Key_Box_Shows(GetDlgItem(page, 1002), insert);
    keypadNamed = Hot_Key_Box_Shows(GetDlgItem(page, 1002),
                                    Key_Name(VK_CONTROL, false) + " + " + Key_Name(VK_INSERT, false));
    testkit::Shot_Window(page, "lingvane-sheet-hot-keys");
    Click(GetDlgItem(page, 1001));
    testkit::Key_Stroke({VK_MENU, VK_F2});
    Click(GetDlgItem(page, 1002));
    Key_Stroke_Extended(VK_CONTROL, VK_INSERT);
    Click(GetDlgItem(page, 1000));
    testkit::Key_Stroke({VK_SHIFT, VK_F2});
    SendDlgItemMessageA(page, 1005, HKM_SETHOTKEY, 0, 0);  // emptied
    Click(GetDlgItem(page, 1003));
    testkit::Pump_For(150ms, Idle);
    Press(sheet, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(shownTrans, MAKEWORD(VK_F1, HOTKEYF_CONTROL | HOTKEYF_SHIFT));
  EXPECT_EQ(shownInterface & 0x7FF, MAKEWORD(VK_INSERT, HOTKEYF_CONTROL));
  EXPECT_NE(Key_Name(VK_INSERT, true), Key_Name(VK_INSERT, false));
  EXPECT_TRUE(interfaceNamed) << insert;
  EXPECT_FALSE(keypadNamed);
  EXPECT_EQ(o.TransHotkey, 0x10071);
  EXPECT_EQ(o.InterfaceHotkey, 0x2002D);  // no Windows-key bit from the extended flag
  EXPECT_EQ(o.DictHotkey, 0x40071);
  EXPECT_EQ(o.RestoreEnglishHotkey, 0);
  EXPECT_EQ(o.PackageHotkey, kDefaultPackageHotkey);
  EXPECT_EQ(o.UseChnEngMenu, 1);
  EXPECT_EQ(o.DFKCPath.str(), "C:\\东方快车");
  EXPECT_EQ(Log(), (std::vector<std::string>{"SetCompatibleFlag32 \"C:\\东方快车\" 11 1"}));
}

TEST_F(SettingsSheet, DefaultHotKeysAreStoredOnlyByOk) {
  struct Case {
    int button;
    int trans, restore, interface, dict, menu;
  } cases[] = {
      {IDCANCEL, 0x10041, 0x10042, 0x10043, 0x10044, 1},
      {IDOK, 0x20078, 0x20079, 0x2007A, 0x60070, 1},
  };
  for (const Case& c : cases) {
    TransOptions& o = g_TransOptions;
    o.TransHotkey = 0x10041;
    o.RestoreEnglishHotkey = 0x10042;
    o.InterfaceHotkey = 0x10043;
    o.DictHotkey = 0x10044;
    o.UseChnEngMenu = 1;
    o.UseDFKC = 0;
    Run([&](HWND sheet) {
      Click(GetDlgItem(Page(sheet), 1037));
      Press(sheet, c.button);
    });
    EXPECT_EQ(o.TransHotkey, c.trans) << c.button;
    EXPECT_EQ(o.RestoreEnglishHotkey, c.restore) << c.button;
    EXPECT_EQ(o.InterfaceHotkey, c.interface) << c.button;
    EXPECT_EQ(o.DictHotkey, c.dict) << c.button;
    EXPECT_EQ(o.UseChnEngMenu, c.menu) << c.button;
  }
  EXPECT_TRUE(Log().empty());  // no packs in use: trhook32 is not called
}

TEST_F(SettingsSheet, OkWithoutOpeningTheOtherPagesLeavesTheirFilesAndOptions) {
  std::vector<DictListRecord> records = {Make_Dict_Record("a.dct", "甲", true)};
  testkit::Write_File(Lib("wbseclib.lst"), Dict_List_Bytes(records));
  testkit::Write_File(Lib("User.dct"), User_Dict_Bytes({{"w", "名词", "m"}}));
  g_TransOptions.ProfDictID = 0;
  g_TransOptions.UseUserDict = 1;
  EXPECT_EQ(Run([](HWND sheet) { Press(sheet, IDOK); }), IDOK);
  EXPECT_EQ(testkit::Read_File(Lib("wbseclib.lst")), Dict_List_Bytes(records));
  EXPECT_EQ(testkit::Read_File(Lib("User.dct")), User_Dict_Bytes({{"w", "名词", "m"}}));
  EXPECT_EQ(g_TransOptions.ProfDictID, 0);
  EXPECT_EQ(g_TransOptions.UseUserDict, 1);
}

// The dictionary page's rows: name, description, file, in-use flag and book.
struct Row {
  std::string name, description, file;
  int data, image;
  bool operator==(const Row& o) const {
    return name == o.name && description == o.description && file == o.file && data == o.data &&
           image == o.image;
  }
};
std::ostream& operator<<(std::ostream& out, const Row& r) {
  return out << r.name << "|" << r.description << "|" << r.file << "|" << r.data << r.image;
}

std::vector<Row> Rows_Of(HWND list) {
  std::vector<Row> rows;
  int n = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    Row r;
    std::string* texts[] = {&r.name, &r.description, &r.file};
    for (int c = 0; c < 3; ++c) {
      char text[256] = "";
      LVITEMA it{};
      it.iSubItem = c;
      it.pszText = text;
      it.cchTextMax = sizeof text;
      SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&it));
      *texts[c] = text;
    }
    LVITEMA it{};
    it.mask = LVIF_PARAM | LVIF_IMAGE;
    it.iItem = i;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it));
    r.data = static_cast<int>(it.lParam);
    r.image = it.iImage;
    rows.push_back(r);
  }
  return rows;
}

TEST_F(SettingsSheet, DictionaryPageChoosesDeletesAndRewritesTheList) {
  testkit::Write_File(Lib("a.dct"), Dict_File("计算机界面;软件界面用语"));
  testkit::Write_File(Lib("b.dct"), Dict_File("国家与语言;国名、语言名和货币名"));
  testkit::Write_File(Lib("c.dct"), Dict_File("Third"));
  auto list_of = [](std::vector<int> selected) {
    std::vector<DictListRecord> r = {Make_Dict_Record("a.dct", "计算机界面", selected[0]),
                                     Make_Dict_Record("b.dct", "国家与语言", selected[1]),
                                     Make_Dict_Record("c.dct", "Third", selected[2])};
    return Dict_List_Bytes(r);
  };
  testkit::Write_File(Lib("wbseclib.lst"), list_of({0, 0, 0}));

  std::vector<Row> shown;
  std::vector<std::string> cut = {"(not looked at)"};
  Run([&](HWND sheet) {
    Open_Tab(sheet, 1);
    HWND page = Page(sheet), list = GetDlgItem(page, 1008);
    shown = Rows_Of(list);
    cut = Cut_Headings(list);
    testkit::Shot_Window(sheet, "lingvane-sheet-dictionaries");
    Click_Screen(Row_Point(list, 1));
    Click(GetDlgItem(page, 1011));  // 选用
    Click(GetDlgItem(page, 1030));  // 使用用户词库
    Press(sheet, IDOK);
  });
  EXPECT_EQ(shown, (std::vector<Row>{{"计算机界面", "软件界面用语", "a.dct", 0, 0},
                                     {"国家与语言", "国名、语言名和货币名", "b.dct", 0, 0},
                                     {"Third", "", "c.dct", 0, 0}}));
  EXPECT_EQ(cut, std::vector<std::string>{});
  EXPECT_EQ(testkit::Read_File(Lib("wbseclib.lst")), list_of({0, 1, 0}));
  EXPECT_EQ(g_TransOptions.ProfDictID, 1);
  EXPECT_EQ(g_TransOptions.UseUserDict, 1);

  // Double-clicking the row in use leaves none in use; deleting the first row selects the next.
  std::vector<Row> afterDelete;
  Run([&](HWND sheet) {
    Open_Tab(sheet, 1);
    HWND page = Page(sheet), list = GetDlgItem(page, 1008);
    Click_Screen(Row_Point(list, 1), true);
    Click_Screen(Row_Point(list, 0));
    Click(GetDlgItem(page, 1010));  // 删除
    afterDelete = Rows_Of(list);
    Press(sheet, IDOK);
  });
  ASSERT_EQ(afterDelete.size(), 2u);
  EXPECT_EQ(afterDelete[0].name, "国家与语言");
  std::vector<DictListRecord> written = Parse_Dict_List(testkit::Read_File(Lib("wbseclib.lst")));
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(Dict_Field(written[0].fileName), "b.dct");
  EXPECT_EQ(written[0].selected + written[1].selected, 0);
  EXPECT_EQ(g_TransOptions.ProfDictID, -1);
}

TEST_F(SettingsSheet, AddingDictionariesTakesSeveralFilesAndKeepsOnlyWhatTheListCanHold) {
  std::string other = folder_ + "\\elsewhere";
  CreateDirectoryA(other.c_str(), nullptr);
  testkit::Write_File(other + "\\x1.dct", Dict_File("甲名;第一"));
  testkit::Write_File(other + "\\x2.dct", Dict_File("甲名;同名的第二个"));
  testkit::Write_File(other + "\\bad.dct", Dict_File("坏;魔数不对", 0x11111111));
  testkit::Write_File(other + "\\averyverylongname.dct", Dict_File("乙;文件名太长"));
  testkit::Write_File(other + "\\y.dct", Dict_File("丙"));
  std::string startFolder;
  std::vector<Row> rows;
  Run([&](HWND sheet) {
    Open_Tab(sheet, 1);
    HWND page = Page(sheet);
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(1009, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, 1009)));
    HWND dialog = Wait_Owned(sheet);
    if (!dialog) return;
    testkit::Pump_For(500ms, Idle);
    char path[MAX_PATH] = "";
    SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof path, reinterpret_cast<LPARAM>(path));
    startFolder = path;
    // Into the other folder, then five names at once.
    std::string names = "\"x1.dct\" \"x2.dct\" \"bad.dct\" \"averyverylongname.dct\" \"y.dct\"";
    for (const std::string& text : {other, names}) {
      SendMessageA(dialog, CDM_SETCONTROLTEXT, 0x47c, reinterpret_cast<LPARAM>(text.c_str()));
      SendMessageA(dialog, CDM_SETCONTROLTEXT, 0x480, reinterpret_cast<LPARAM>(text.c_str()));
      Click(GetDlgItem(dialog, IDOK));
      testkit::Pump_For(500ms, Idle);
    }
    testkit::Wait_Until([&] { return !IsWindow(dialog); }, 5s, Idle);
    rows = Rows_Of(GetDlgItem(page, 1008));
    Press(sheet, IDOK);
  });
  EXPECT_EQ(startFolder, folder_ + "\\lib");
  EXPECT_EQ(rows, (std::vector<Row>{{"甲名", "第一", "x1.dct", 0, 0}, {"丙", "", "y.dct", 0, 0}}));
  std::vector<DictListRecord> written = Parse_Dict_List(testkit::Read_File(Lib("wbseclib.lst")));
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(Dict_Field(written[1].dictName), "丙");
  EXPECT_EQ(g_TransOptions.ProfDictID, -1);
}

// Fills the word dialog: the word typed, the meaning set; OK.
void Fill_Word(HWND dialog, const char* word, const char* meaning, std::string* partShown) {
  if (partShown) *partShown = Text_Of(GetDlgItem(dialog, 1035));
  Click(GetDlgItem(dialog, 1034));
  SendDlgItemMessageA(dialog, 1034, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  Type(word);
  SendDlgItemMessageA(dialog, 1036, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(meaning));
  Click(GetDlgItem(dialog, IDOK));
}

TEST_F(SettingsSheet, UserDictionaryIsEditedSortedAndSavedWhenTheUserAgrees) {
  std::string defaultPart, question, caption;
  Run([&](HWND sheet) {
    Open_Tab(sheet, 2);
    HWND page = Page(sheet);
    for (const char* word : {"pear", "apple"}) {
      Click(GetDlgItem(page, 1034));
      HWND dialog = Wait_Owned(sheet);
      if (!dialog) return;
      Fill_Word(dialog, word, word[0] == 'p' ? "梨" : "苹果",
                word[0] == 'p' ? &defaultPart : nullptr);
      testkit::Wait_Until([&] { return !IsWindow(dialog); }, 5s, Idle);
    }
    Press(sheet, IDOK);
    HWND box = Wait_Owned(sheet);  // the page's top-level window
    if (!box) return;
    question = Text_Of(GetDlgItem(box, 0xFFFF));
    caption = Text_Of(box);
    PostMessageA(box, WM_COMMAND, IDYES, 0);
  });
  EXPECT_EQ(defaultPart, "名词");
  EXPECT_EQ(question, "用户词库已经修改，是否保存？");
  EXPECT_EQ(caption, "用户词库");
  std::vector<User_Word> sorted = {{"apple", "名词", "苹果"}, {"pear", "名词", "梨"}};
  std::string saved = testkit::Read_File(Lib("User.dct"));
  EXPECT_EQ(saved, User_Dict_Bytes(sorted));

  // Loaded back in order; a double-click edits a word, and "no" keeps the file as it was.
  std::vector<Row> loaded;
  std::string shownWord;
  std::vector<std::string> cut = {"(not looked at)"};
  Run([&](HWND sheet) {
    Open_Tab(sheet, 2);
    HWND page = Page(sheet), list = GetDlgItem(page, 1031);
    loaded = Rows_Of(list);
    cut = Cut_Headings(list);
    testkit::Shot_Window(sheet, "lingvane-sheet-user-words");
    Click_Screen(Row_Point(list, 1), true);
    HWND dialog = Wait_Owned(sheet);
    if (!dialog) return;
    shownWord = Text_Of(GetDlgItem(dialog, 1034));
    Fill_Word(dialog, "peach", "桃", nullptr);
    testkit::Wait_Until([&] { return !IsWindow(dialog); }, 5s, Idle);
    Press(sheet, IDOK);
    HWND box = Wait_Owned(sheet);  // the page's top-level window
    if (box) PostMessageA(box, WM_COMMAND, IDNO, 0);
  });
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(cut, std::vector<std::string>{});
  EXPECT_EQ(loaded[0].name, "apple");
  EXPECT_EQ(loaded[1].description, "名词");
  EXPECT_EQ(loaded[1].file, "梨");
  EXPECT_EQ(shownWord, "pear");
  EXPECT_EQ(testkit::Read_File(Lib("User.dct")), saved);

  // Unchanged: OK asks nothing and writes nothing.
  EXPECT_EQ(Run([&](HWND sheet) {
              Open_Tab(sheet, 2);
              Press(sheet, IDOK);
            }),
            IDOK);
  EXPECT_EQ(testkit::Read_File(Lib("User.dct")), saved);
}

// Chinese in the word dialog, typed as keyboard characters, from the input method and pasted,
// shows in its boxes and is saved into the user dictionary in code page 936.
TEST_F(SettingsSheet, WordDialogTakesChineseTypedFromTheInputMethodAndPasted) {
  std::string shownWord, shownMeaning;
  Run([&](HWND sheet) {
    Open_Tab(sheet, 2);
    Click(GetDlgItem(Page(sheet), 1034));
    HWND dialog = Wait_Owned(sheet);
    if (!dialog) return;
    HWND word = GetDlgItem(dialog, 1034), meaning = GetDlgItem(dialog, 1036);
    Click(word);
    testkit::Type_Characters("青岚");
    testkit::Wait_Until([&] { return Text_Of(word) == "青岚"; }, 5s, Idle);
    Click(meaning);
    for (WPARAM code : testkit::Double_Byte_Codes("墨译")) PostMessageA(meaning, WM_IME_CHAR, code, 1);
    testkit::Wait_Until([&] { return Text_Of(meaning) == "墨译"; }, 5s, Idle);
    testkit::Put_Clipboard_Text("工具");
    testkit::Key_Stroke({VK_CONTROL, 'V'});
    testkit::Wait_Until([&] { return Text_Of(meaning) == "墨译工具"; }, 5s, Idle);
    shownWord = Text_Of(word);
    shownMeaning = Text_Of(meaning);
    testkit::Shot_Window(dialog, "lingvane-user-word-chinese");
    Click(GetDlgItem(dialog, IDOK));
    testkit::Wait_Until([&] { return !IsWindow(dialog); }, 5s, Idle);
    Press(sheet, IDOK);
    HWND box = Wait_Owned(sheet);  // the question whether to save
    if (box) PostMessageA(box, WM_COMMAND, IDYES, 0);
  });
  EXPECT_EQ(shownWord, "青岚");
  EXPECT_EQ(shownMeaning, "墨译工具");
  EXPECT_EQ(testkit::Read_File(Lib("User.dct")), User_Dict_Bytes({{"青岚", "名词", "墨译工具"}}));
}

TEST_F(SettingsSheet, DamagedFilesOpenWithWhatIsSoundAndCancelKeepsThem) {
  std::vector<DictListRecord> records = {Make_Dict_Record("gone.dct", "不见了", false),
                                         Make_Dict_Record("a.dct", "甲", true)};
  std::string list = Dict_List_Bytes(records) + "short tail";
  testkit::Write_File(Lib("wbseclib.lst"), list);
  // A header whose text has no terminator.
  std::string head = Dict_File("甲;" + std::string(130, 'd'));
  testkit::Write_File(Lib("a.dct"), head);
  std::string user = User_Dict_Bytes({{"one", "名词", "一"}, {"two", "名词", "二"}});
  int32_t pastEnd = 1 << 30;
  memcpy(&user[152], &pastEnd, 4);  // the second offset points past the file
  testkit::Write_File(Lib("User.dct"), user);
  std::vector<Row> dicts, words;
  EXPECT_EQ(Run([&](HWND sheet) {
              Open_Tab(sheet, 1);
              dicts = Rows_Of(GetDlgItem(Page(sheet), 1008));
              Open_Tab(sheet, 2);
              words = Rows_Of(GetDlgItem(Page(sheet), 1031));
              Press(sheet, IDCANCEL);
            }),
            IDCANCEL);
  ASSERT_EQ(dicts.size(), 2u);
  EXPECT_EQ(dicts[0], (Row{"不见了", "", "gone.dct", 0, 0}));
  EXPECT_EQ(dicts[1].description, std::string(125, 'd'));  // to the header's last byte
  EXPECT_EQ(dicts[1].data, 1);
  ASSERT_EQ(words.size(), 1u);
  EXPECT_EQ(words[0].name, "one");
  EXPECT_EQ(testkit::Read_File(Lib("wbseclib.lst")), list);
  EXPECT_EQ(testkit::Read_File(Lib("User.dct")), user);
}

}  // namespace
