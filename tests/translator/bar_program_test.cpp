// The floating bar of the real Lingvane.exe: both styles, the commands and hot keys with the
// calls they make to trhook32 in order, comparison of a Wine notepad and of a program with two
// user-interface threads chosen from the bar's own popups, the dictionary capture
// kept in step with the dictionary stand-in, the professional-dictionary list, the package hot
// key, the navigation bar and the close.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "lingvane_fixture.h"
#include "menu_probe.h"
#include "package.h"
#include "shared_data.h"
#include "testkit/testkit.h"
#include "twin_package.h"

namespace {

using namespace lingvane_fixture;
using std::chrono::milliseconds;

constexpr int kToolbarId = 59392;

std::string Hwnd_Text(HWND h) { return std::to_string(reinterpret_cast<ULONG_PTR>(h)); }

struct Child_Search {
  int id;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect_Child(HWND h, LPARAM lp) {
  auto* s = reinterpret_cast<Child_Search*>(lp);
  if (GetDlgCtrlID(h) == s->id) s->found.push_back(h);
  return TRUE;
}

std::vector<HWND> Toolbars_Of(HWND bar) {
  Child_Search s{kToolbarId, {}};
  EnumChildWindows(bar, Collect_Child, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// The text of the first static control of a message box.
std::string Box_Text(HWND box) {
  HWND text = FindWindowExA(box, nullptr, "Static", nullptr);
  char buffer[256] = {};
  // The icon is a static without text; the message is the next one.
  while (text && !GetWindowTextA(text, buffer, sizeof buffer)) {
    text = FindWindowExA(box, text, "Static", nullptr);
  }
  return buffer;
}

RECT Rect_Of(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

std::string Temp_Folder(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + name + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string Record(const char* file, const char* name, int selected) {
  std::string r(36, '\0');
  memcpy(&r[0], file, strlen(file));
  memcpy(&r[16], name, strlen(name));
  memcpy(&r[32], &selected, 4);
  return r;
}

// The trhook95.dll of Lingvane's folder loaded into the test: its shared record is the one
// Lingvane's copy uses, read and set here around a run of the bar.
class Trhook95_View {
 public:
  explicit Trhook95_View(const std::string& folder)
      : module_(LoadLibraryA((folder + "\\trhook95.dll").c_str())) {
    const IMAGE_SECTION_HEADER* section = testkit::Module_Section(module_, ".gdata");
    if (!section) return;
    shared_ = reinterpret_cast<trhook95::SharedHookData*>(reinterpret_cast<BYTE*>(module_) +
                                                          section->VirtualAddress);
    SetGameActiveFlag = reinterpret_cast<BOOL(WINAPI*)(BOOL)>(
        reinterpret_cast<void*>(GetProcAddress(module_, "SetGameActiveFlag")));
    SetLexomarHotKey = reinterpret_cast<BOOL(WINAPI*)(DWORD)>(
        reinterpret_cast<void*>(GetProcAddress(module_, "SetLexomarHotKey")));
    SetCompWnd = reinterpret_cast<BOOL(WINAPI*)(HWND)>(
        reinterpret_cast<void*>(GetProcAddress(module_, "SetCompWnd")));
  }
  ~Trhook95_View() {
    if (module_) FreeLibrary(module_);
  }
  Trhook95_View(const Trhook95_View&) = delete;
  Trhook95_View& operator=(const Trhook95_View&) = delete;
  bool Ready() const { return shared_ && SetGameActiveFlag && SetLexomarHotKey && SetCompWnd; }
  bool Hooks_Installed() const {
    return shared_->hKeyboardHook || shared_->hGetMsgHook || shared_->hCbtHook;
  }
  HWND Compared() const { return shared_->hCompTarget; }
  BOOL(WINAPI* SetGameActiveFlag)(BOOL) = nullptr;
  BOOL(WINAPI* SetLexomarHotKey)(DWORD) = nullptr;
  BOOL(WINAPI* SetCompWnd)(HWND) = nullptr;

 private:
  HMODULE module_;
  volatile trhook95::SharedHookData* shared_ = nullptr;
};

class TranslatorBar : public TranslatorProgramTest {
 protected:
  void TearDown() override {
    if (notepad_ && IsWindow(notepad_)) PostMessageA(notepad_, WM_CLOSE, 0, 0);
    if (HWND dictionary = FindWindowA("VORDEXWND", nullptr)) {
      PostMessageA(dictionary, WM_CLOSE, 0, 0);
    }
    TranslatorProgramTest::TearDown();
  }
  // Starts Lingvane in `folder` (its program folder) and waits for the bar.
  HWND Start(const std::string& folder = std::string()) {
    lingvane_ = std::make_unique<testkit::Process>(Exe(), "", folder.empty() ? folder_ : folder);
    return Wait_Bar(*lingvane_);
  }
  void Close(HWND bar) {
    PostMessageA(bar, WM_CLOSE, 0, 0);
    EXPECT_EQ(lingvane_->Wait_Exit(), 0u);
  }
  HWND Start_Notepad() {
    notepadProcess_ = std::make_unique<testkit::Process>("C:\\windows\\system32\\notepad.exe", "",
                                                         folder_);
    testkit::Wait_Until(
        [&] { return (notepad_ = Find(notepadProcess_->Id(), "Notepad", nullptr)) != nullptr; });
    return notepad_;
  }
  void Bring_Forward(HWND window) {
    SetForegroundWindow(window);
    testkit::Wait_Until([&] { return GetForegroundWindow() == window; }, milliseconds(3000));
  }
  HWND Wait_Box(const char* title) {
    HWND box = nullptr;
    testkit::Wait_Until([&] { return (box = Find(lingvane_->Id(), "#32770", title)) != nullptr; },
                        milliseconds(5000));
    return box;
  }
  // Waits for the comparison window and checks the notepad and it tiled in the layout
  // (1 top and bottom, 2 left and right); returns the comparison window.
  HWND Expect_Tiled(HWND notepad, int layout) {
    HWND compare = nullptr;
    testkit::Wait_Until(
        [&] { return (compare = Find(lingvane_->Id(), nullptr, "CS_对照窗口II")) != nullptr; });
    EXPECT_NE(compare, nullptr);
    testkit::Pump_For(milliseconds(300));
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    RECT n = Rect_Of(notepad), c = Rect_Of(compare);
    RECT wantN = layout == 2 ? RECT{0, 0, w / 2, h} : RECT{0, 0, w, h / 2};
    RECT wantC = layout == 2 ? RECT{w / 2, 0, w / 2 * 2, h} : RECT{0, h / 2, w, h / 2 * 2};
    EXPECT_TRUE(EqualRect(&n, &wantN)) << layout;
    EXPECT_TRUE(EqualRect(&c, &wantC)) << layout;
    return compare;
  }
  // Waits for a popup menu of Lingvane, saves its picture under the name and returns it.
  HWND Shot_Menu(const std::string& name) {
    HWND menu = nullptr;
    testkit::Wait_Until(
        [&] { return (menu = Find(lingvane_->Id(), "#32768", nullptr)) != nullptr; },
        milliseconds(5000));
    if (!menu) return nullptr;
    testkit::Pump_For(milliseconds(400));
    RECT m = Rect_Of(menu);
    testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\" + name + ".bmp",
                                RECT{m.left - 10, m.top - 10, m.right + 10, m.bottom + 10});
    return menu;
  }
  void Dismiss_Menu(HWND menu) {
    testkit::Key_Stroke({VK_ESCAPE});
    EXPECT_TRUE(testkit::Wait_Until([&] { return !IsWindowVisible(menu); }, milliseconds(3000)));
  }
  // Opens a popup of the compact bar by its button (x from the bar's left edge) and chooses
  // with the keys given.
  void Choose(HWND bar, int x, std::initializer_list<WORD> keys) {
    RECT r = Rect_Of(bar);
    testkit::Click_At(POINT{r.left + x, r.top + 12});
    HWND menu = Shot_Menu("bar-chosen-popup");
    ASSERT_NE(menu, nullptr);
    for (WORD key : keys) {
      testkit::Key_Stroke({key});
      testkit::Pump_For(milliseconds(200));
    }
    EXPECT_TRUE(testkit::Wait_Until([&] { return !IsWindow(menu) || !IsWindowVisible(menu); },
                                    milliseconds(5000)));
  }
  void From_Tools(HWND bar, std::initializer_list<WORD> keys) { Choose(bar, 123, keys); }
  void From_Settings(HWND bar, std::initializer_list<WORD> keys) { Choose(bar, 142, keys); }
  std::unique_ptr<testkit::Process> lingvane_, notepadProcess_;
  HWND notepad_ = nullptr;
};

std::string Exe_Folder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\'));
}

std::string Text_Of(HWND h) {
  char text[256] = {};
  GetWindowTextA(h, text, sizeof text);
  return text;
}

TEST_F(TranslatorBar, BothStylesSitAtTheTopRightWithTheirButtonStrips) {
  struct Row {
    int style, width, height;
    std::vector<int> buttons;  // of toolbar A and B
  } rows[] = {{0, 198, 27, {10, 2}}, {1, 250, 45, {4, 4}}};
  for (const Row& row : rows) {
    Write_Number("InterfaceStyle", row.style);
    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    RECT r = Rect_Of(bar);
    EXPECT_EQ(r.right - r.left, row.width);
    EXPECT_EQ(r.bottom - r.top, row.height);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.left, GetSystemMetrics(SM_CXSCREEN) - 3 * GetSystemMetrics(SM_CXSIZE) - 250);
    EXPECT_TRUE(GetWindowLongA(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongA(bar, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    std::vector<HWND> strips = Toolbars_Of(bar);
    ASSERT_EQ(strips.size(), 2u);
    EXPECT_EQ(SendMessageA(strips[0], TB_BUTTONCOUNT, 0, 0), row.buttons[0]);
    EXPECT_EQ(SendMessageA(strips[1], TB_BUTTONCOUNT, 0, 0), row.buttons[1]);
    testkit::Pump_For(milliseconds(300));
    testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\bar-style-" +
                                    std::to_string(row.style) + ".bmp",
                                RECT{r.left - 10, 0, r.right + 10, r.bottom + 10});
    Close(bar);
  }
}

TEST_F(TranslatorBar, CommandsAndHotKeysReachTheLibrariesInOrderAndCloseIsRefusedWhileComparing) {
  HWND bar = Start();
  ASSERT_NE(bar, nullptr);
  // Before any target the commands pass no window.
  PostMessageA(bar, WM_COMMAND, 32790, 0);
  // The hot key takes the window in front: a Wine notepad.
  HWND notepad = Start_Notepad();
  ASSERT_NE(notepad, nullptr);
  Bring_Forward(notepad);
  testkit::Key_Stroke({VK_CONTROL, VK_F9});   // quick translation
  testkit::Key_Stroke({VK_CONTROL, VK_F10});  // restore English
  testkit::Pump_For(milliseconds(500));
  PostMessageA(bar, WM_COMMAND, 32841, 0);  // GB
  PostMessageA(bar, WM_COMMAND, 32841, 0);  // already in force: nothing more
  PostMessageA(bar, WM_COMMAND, 32846, 0);  // bilingual menus
  PostMessageA(bar, WM_COMMAND, 32848, 0);  // Big5 interface
  PostMessageA(bar, WM_COMMAND, 32855, 0);  // game translation off
  PostMessageA(bar, WM_COMMAND, 32792, 0);  // not comparing: nothing
  PostMessageA(bar, WM_COMMAND, 32793, 0);  // left and right
  PostMessageA(bar, WM_COMMAND, 32794, 0);  // already comparing: nothing

  HWND compare = Expect_Tiled(notepad, 2);
  ASSERT_NE(compare, nullptr);
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\bar-compare.bmp", RECT{0, 0, w, h});

  // Closing is refused while comparing.
  PostMessageA(bar, WM_CLOSE, 0, 0);
  HWND refusal = Wait_Box("Lingvane");
  ASSERT_NE(refusal, nullptr);
  EXPECT_EQ(Box_Text(refusal), "退出青岚墨译前请先关闭对照翻译。");
  PostMessageA(refusal, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(testkit::Wait_Until([&] { return !IsWindow(refusal); }));
  EXPECT_TRUE(IsWindow(bar));

  // The compared program ends: the bar cancels by itself and hides the comparison window.
  PostMessageA(notepad, WM_CLOSE, 0, 0);
  EXPECT_TRUE(testkit::Wait_Until([&] { return !IsWindowVisible(compare); }));
  testkit::Pump_For(milliseconds(300));
  Close(bar);

  std::string np = Hwnd_Text(notepad);
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "InitHooks32", "SetProfDictID32 -1", "SetUserDict32 0",
                       "SetChnEngMenu32 0", "SetInterfaceType32 0", "SetCode32 -1",
                       "SetTransFlag32 0 4", "SetTransFlag32 " + np + " 2",
                       "SetTransFlag32 " + np + " 1", "GetCode32", "SetCode32 1", "GetCode32",
                       "GetCode32", "SetChnEngMenu32 1", "SetInterfaceType32 1",
                       "LeftrightComptrans32", "CancelComptrans32", "ClearHooks32"}));
  Values after = Read_Options();
  EXPECT_EQ(after["CurrentCode"], "n:1");
  EXPECT_EQ(after["UseChnEngMenu"], "n:1");
  EXPECT_EQ(after["InterfaceType"], "n:1");
  EXPECT_EQ(after["UseGameTrans"], "n:0");
}

TEST_F(TranslatorBar, BothHookLibrariesStartAndEndAroundTheCompanionLibrary) {
  Trhook95_View trhook95(folder_);
  ASSERT_TRUE(trhook95.Ready());
  ASSERT_FALSE(trhook95.Hooks_Installed());
  // What trhook95 holds before the bar starts differs from what the bar gives it.
  trhook95.SetGameActiveFlag(TRUE);
  trhook95.SetLexomarHotKey(0);
  trhook95.SetCompWnd(nullptr);
  Write_Number("UseGameTrans", 0);
  HWND bar = Start();
  ASSERT_NE(bar, nullptr);
  HWND notepad = Start_Notepad();
  ASSERT_NE(notepad, nullptr);
  Bring_Forward(notepad);
  testkit::Key_Stroke({VK_CONTROL, VK_F11});  // localise: the target for the comparison
  ASSERT_TRUE(testkit::Wait_Until([&] { return Log().back().rfind("SetTransFlag32", 0) == 0; },
                                  milliseconds(3000)));
  PostMessageA(bar, WM_COMMAND, 32794, 0);  // top and bottom
  ASSERT_NE(Expect_Tiled(notepad, 1), nullptr);
  EXPECT_EQ(trhook95.Compared(), notepad);
  PostMessageA(bar, WM_COMMAND, 32792, 0);  // cancel
  ASSERT_TRUE(testkit::Wait_Until([&] { return Log().back() == "CancelComptrans32"; }));
  EXPECT_TRUE(trhook95.Hooks_Installed());
  Close(bar);
  // Gone with the bar, after the companion library's end.
  EXPECT_FALSE(trhook95.Hooks_Installed());
  trhook95.SetGameActiveFlag(TRUE);

  std::string np = Hwnd_Text(notepad);
  // At start-up trhook95's hooks are in and its game flag set before the companion library
  // starts, and the dictionary hot key follows it; at comparison's end trhook95 lets go of the
  // compared window before the companion library is told; at the close the companion library
  // ends while trhook95's hooks are still in.
  EXPECT_EQ(Trhook95_Notes(),
            (std::vector<std::string>{
                "InitHooks32 hooks=1 game=0 hotkey=0 target=0",
                "SetProfDictID32 hooks=1 game=0 hotkey=393328 target=0",
                "SetUserDict32 hooks=1 game=0 hotkey=393328 target=0",
                "SetChnEngMenu32 hooks=1 game=0 hotkey=393328 target=0",
                "SetInterfaceType32 hooks=1 game=0 hotkey=393328 target=0",
                "SetCode32 hooks=1 game=0 hotkey=393328 target=0",
                "SetTransFlag32 hooks=1 game=0 hotkey=393328 target=0",
                "UpdownComptrans32 hooks=1 game=0 hotkey=393328 target=0",
                "CancelComptrans32 hooks=1 game=0 hotkey=393328 target=0",
                "ClearHooks32 hooks=1 game=0 hotkey=393328 target=0"}));
  EXPECT_EQ(Log()[6], "SetTransFlag32 " + np + " 4");
}

TEST_F(TranslatorBar, CaptureFollowsTheDictionaryProgramWithinASecond) {
  Write_Number("UseDictionary", 1);
  HWND bar = Start();
  ASSERT_NE(bar, nullptr);
  // Not found by the shell: started from lexomarmini\, capturing.
  HWND dictionary = nullptr;
  ASSERT_TRUE(testkit::Wait_Until(
      [&] { return (dictionary = FindWindowA("VORDEXWND", "青岚墨典")) != nullptr; }));
  HWND strip = Toolbars_Of(bar).at(0);
  auto pressed = [&] { return SendMessageA(strip, TB_ISBUTTONCHECKED, 32780, 0) != 0; };
  EXPECT_TRUE(testkit::Wait_Until(pressed, milliseconds(2000)));

  // Paused in the dictionary program itself: the button follows within a second.
  PostMessageA(dictionary, WM_COMMAND, 40012, 0);
  EXPECT_TRUE(testkit::Wait_Until([&] { return !pressed(); }, milliseconds(1600)));

  // The capture button resumes and pauses the dictionary program.
  PostMessageA(bar, WM_COMMAND, 32780, 0);
  EXPECT_TRUE(testkit::Wait_Until(
      [&] { return FindWindowA("VORDEXWND", "青岚墨典") != nullptr; }, milliseconds(2000)));
  EXPECT_TRUE(pressed());
  PostMessageA(bar, WM_COMMAND, 32780, 0);
  EXPECT_TRUE(testkit::Wait_Until(
      [&] { return FindWindowA("VORDEXWND", "青岚墨典(暂停)") != nullptr; }, milliseconds(2000)));
  testkit::Pump_For(milliseconds(1200));
  EXPECT_FALSE(pressed());
  Close(bar);
  EXPECT_EQ(Read_Options()["UseDictionary"], "n:0");
}

TEST_F(TranslatorBar, WithoutTheDictionaryProgramAnywhereTheUserIsTold) {
  Write_Number("UseDictionary", 1);
  std::string folder = Temp_Folder("lingvane-nodict-");
  lingvane_ = std::make_unique<testkit::Process>(Exe(), "", folder);
  HWND box = Wait_Box("Lingvane");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Box_Text(box), "找不到青岚墨典！");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  HWND bar = Wait_Bar(*lingvane_);
  ASSERT_NE(bar, nullptr);
  Close(bar);
  DeleteFileA((folder + "\\lib\\wbseclib.lst").c_str());
  RemoveDirectoryA((folder + "\\lib").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(TranslatorBar, DictionaryListDropsMissingFilesAndTheMenuCommandsMarkItInPlace) {
  std::string folder = Temp_Folder("lingvane-dicts-");
  std::string lib = folder + "\\lib", list = lib + "\\wbseclib.lst";
  CreateDirectoryA(lib.c_str(), nullptr);
  testkit::Write_File(lib + "\\law.dct", "x");
  testkit::Write_File(lib + "\\med.dct", "x");
  testkit::Write_File(list, Record("law.dct", "法律", 0) + Record("gone.dct", "已删", 0) +
                                Record("med.dct", "医学", 1) + std::string(10, 'z'));
  Write_Number("ProfDictID", 2);
  HWND bar = Start(folder);
  ASSERT_NE(bar, nullptr);
  // The record whose file is missing is gone, the short tail too; no dictionary is chosen.
  EXPECT_EQ(testkit::Read_File(list), Record("law.dct", "法律", 0) + Record("med.dct", "医学", 1));

  struct Step {
    UINT command;
    std::string file;
    const char* call;
  } steps[] = {{32801, Record("law.dct", "法律", 0) + Record("med.dct", "医学", 1),
                "SetProfDictID32 1"},
               {32800, Record("law.dct", "法律", 1) + Record("med.dct", "医学", 0),
                "SetProfDictID32 0"},
               {32796, Record("law.dct", "法律", 0) + Record("med.dct", "医学", 0),
                "SetProfDictID32 -1"},
               {32805, Record("law.dct", "法律", 0) + Record("med.dct", "医学", 0),
                "SetProfDictID32 5"}};
  for (const Step& s : steps) {
    PostMessageA(bar, WM_COMMAND, s.command, 0);
    ASSERT_TRUE(testkit::Wait_Until([&] { return Log().back() == s.call; }, milliseconds(3000)))
        << s.command;
    EXPECT_EQ(testkit::Read_File(list), s.file) << s.command;
  }
  Close(bar);
  EXPECT_EQ(Read_Options()["ProfDictID"], "n:5");
  std::vector<std::string> log = Log();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[1], "SetProfDictID32 -1");  // at start-up, after the dropped record
  for (const char* f : {"\\law.dct", "\\med.dct", "\\wbseclib.lst"}) DeleteFileA((lib + f).c_str());
  RemoveDirectoryA(lib.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(TranslatorBar, PackageHotKeyOpensTheTargetProgramsPackageOnlyWhenThereIsOne) {
  std::string folder = Temp_Folder("lingvane-package-");
  std::string dic = folder + "\\DIC", package = dic + "\\notepad.lvd";
  CreateDirectoryA(dic.c_str(), nullptr);
  HWND bar = Start(folder);
  ASSERT_NE(bar, nullptr);
  HWND notepad = Start_Notepad();
  ASSERT_NE(notepad, nullptr);

  // No package: nothing is shown.
  Bring_Forward(notepad);
  testkit::Key_Stroke({VK_CONTROL, VK_F8});
  EXPECT_FALSE(testkit::Wait_Until([&] { return Find(lingvane_->Id(), "#32770", "DictUIEx"); },
                                   milliseconds(1500)));

  // A damaged package: the editor opens on an empty list, and leaving it changes nothing.
  testkit::Write_File(package, "package");
  Bring_Forward(notepad);
  testkit::Key_Stroke({VK_CONTROL, VK_F8});
  HWND editor = Wait_Box("DictUIEx");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(SendMessageA(GetDlgItem(editor, 1001), LVM_GETITEMCOUNT, 0, 0), 0);
  PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(testkit::Wait_Until([&] { return !IsWindow(editor); }));
  EXPECT_EQ(testkit::Read_File(package), "package");
  Close(bar);
  DeleteFileA(package.c_str());
  RemoveDirectoryA(dic.c_str());
  DeleteFileA((folder + "\\lib\\wbseclib.lst").c_str());
  RemoveDirectoryA((folder + "\\lib").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(TranslatorBar, NavigationBarOpenAtCloseOpensAgainAndMinimiseHidesTheBar) {
  HWND bar = Start();
  ASSERT_NE(bar, nullptr);
  PostMessageA(bar, WM_COMMAND, 32840, 0);
  HWND nav = nullptr;
  ASSERT_TRUE(testkit::Wait_Until(
      [&] { return (nav = Find(lingvane_->Id(), nullptr, "导航条")) != nullptr; }));
  // Docked at the left edge, 100 pixels wide and as high as the screen allows, it hides
  // there with the pointer away, leaving two pixels in view.
  testkit::Mouse_To(POINT{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2});
  EXPECT_TRUE(testkit::Wait_Until([&] {
    RECT n = Rect_Of(nav);
    return n.left == 2 - 100 && n.right == 2;
  }));
  RECT r = Rect_Of(nav);
  EXPECT_EQ(r.top, 0);
  EXPECT_GE(r.bottom, GetSystemMetrics(SM_CYSCREEN) * 3 / 4);
  EXPECT_TRUE(GetWindowLongA(nav, GWL_STYLE) & WS_THICKFRAME);

  PostMessageA(bar, WM_COMMAND, 32771, 0);
  EXPECT_TRUE(testkit::Wait_Until([&] { return !IsWindowVisible(bar); }));
  PostMessageA(bar, WM_COMMAND, 32774, 0);
  EXPECT_TRUE(testkit::Wait_Until([&] { return IsWindowVisible(bar) != FALSE; }));
  Close(bar);
  EXPECT_EQ(Read_Options()["ShowNavBar"], "n:1");

  bar = Start();
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(testkit::Wait_Until(
      [&] { return (nav = Find(lingvane_->Id(), nullptr, "导航条")) != nullptr; }));
  PostMessageA(bar, WM_COMMAND, 32840, 0);
  EXPECT_TRUE(testkit::Wait_Until([&] { return !IsWindow(nav); }));
  Close(bar);
  EXPECT_EQ(Read_Options()["ShowNavBar"], "n:0");
}

TEST_F(TranslatorBar, ContextMenusOpenOnTheBarAndFromTheTrayIcon) {
  HWND bar = Start();
  ASSERT_NE(bar, nullptr);
  RECT r = Rect_Of(bar);
  // A right click on the bar: the bar menu.
  testkit::Click_At(POINT{r.left + 20, r.top + 12}, 2);
  HWND menu = Shot_Menu("bar-menu");
  ASSERT_NE(menu, nullptr);
  RECT m = Rect_Of(menu);
  int barMenuHeight = m.bottom - m.top;
  Dismiss_Menu(menu);

  // The tray icon's right button: the longer tray menu.
  HWND tray = GetDlgItem(bar, 9999);
  ASSERT_NE(tray, nullptr);
  PostMessageA(tray, 0x7E8, 131, WM_RBUTTONDOWN);
  menu = Shot_Menu("bar-tray-menu");
  ASSERT_NE(menu, nullptr);
  m = Rect_Of(menu);
  EXPECT_GT(m.bottom - m.top, barMenuHeight * 3 / 2);
  Dismiss_Menu(menu);
  Close(bar);
}

// Both bars, by style: their size, how far they slide up, where a person points to bring
// them back and where their grip or gripper is.
struct Bar_Style {
  int style, width, height, slidTop;
  POINT visibleWhenSlid, grip;  // from the bar's left edge and the screen's top
};
const Bar_Style kStyles[] = {{1, 250, 45, -28, {125, 4}, {125, 15}},
                             {0, 198, 27, -24, {60, 1}, {5, 12}}};

TEST_F(TranslatorBar, AutoHideSlidesUpAfterTheCursorLeftAndDownWhenItComesBack) {
  Write_Number("AutoHideBar", 1);
  for (const Bar_Style& s : kStyles) {
    Write_Number("InterfaceStyle", s.style);
    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    RECT r = Rect_Of(bar);
    testkit::Mouse_To(POINT{r.left + 40, r.top + 12});
    testkit::Pump_For(milliseconds(300));
    testkit::Mouse_To(POINT{500, 500});
    // The cursor is back within the time: the watcher starts counting again.
    testkit::Pump_For(milliseconds(1200));
    testkit::Mouse_To(POINT{r.left + 40, r.top + 12});
    testkit::Pump_For(milliseconds(800));
    testkit::Mouse_To(POINT{500, 500});
    testkit::Pump_For(milliseconds(1500));
    EXPECT_EQ(Rect_Of(bar).top, 0) << s.style;
    ASSERT_TRUE(testkit::Wait_Until([&] { return Rect_Of(bar).top == s.slidTop; },
                                    milliseconds(5000)))
        << s.style << " top " << Rect_Of(bar).top;
    EXPECT_EQ(Rect_Of(bar).left, r.left);
    testkit::Pump_For(milliseconds(400));
    testkit::Save_Screen_Bitmap(
        testkit::Build_Folder() + "\\bar-slid-" + std::to_string(s.style) + ".bmp",
        RECT{r.left - 10, 0, r.right + 10, 30});
    // Pointing at what is left on the screen brings it down.
    testkit::Mouse_To(POINT{r.left + s.visibleWhenSlid.x, s.visibleWhenSlid.y});
    EXPECT_TRUE(testkit::Wait_Until([&] { return Rect_Of(bar).top == 0; }, milliseconds(3000)))
        << s.style;
    testkit::Mouse_To(POINT{500, 500});
    Close(bar);
  }
}

TEST_F(TranslatorBar, DraggedByItsGripTheBarSnapsToTheEdgesNearby) {
  for (const Bar_Style& s : kStyles) {
    Write_Number("InterfaceStyle", s.style);
    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    auto drag = [&](POINT to) {  // the bar's new top-left
      RECT r = Rect_Of(bar);
      POINT from{r.left + s.grip.x, r.top + s.grip.y};
      testkit::Mouse_To(from);
      testkit::Mouse_Button(1, true);
      testkit::Pump_For(milliseconds(150));
      for (int k = 1; k <= 2; ++k) {
        testkit::Mouse_To(POINT{from.x + (to.x - r.left) * k / 2, from.y + (to.y - r.top) * k / 2});
      }
      testkit::Mouse_Button(1, false);
      testkit::Pump_For(milliseconds(400));
    };
    drag(POINT{300, 300});  // far from every edge: stays
    RECT r = Rect_Of(bar);
    EXPECT_EQ(r.left, 300) << s.style;
    EXPECT_EQ(r.top, 300) << s.style;
    EXPECT_EQ(r.right - r.left, s.width);
    drag(POINT{15, 250});  // near the left edge
    r = Rect_Of(bar);
    EXPECT_EQ(r.left, 0) << s.style;
    EXPECT_EQ(r.top, 250) << s.style;
    drag(POINT{300, GetSystemMetrics(SM_CYSCREEN) - s.height - 10});  // near the bottom
    r = Rect_Of(bar);
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN)) << s.style;
    testkit::Mouse_To(POINT{500, 500});
    Close(bar);
  }
}

TEST_F(TranslatorBar, DisplayChangeKeepsTheBarsRelativePlace) {
  HWND bar = Start();
  ASSERT_NE(bar, nullptr);
  RECT r = Rect_Of(bar);
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  SendMessageA(bar, WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
  EXPECT_EQ(Rect_Of(bar).left, r.left * 800 / w);
  EXPECT_EQ(Rect_Of(bar).top, 0);
  SendMessageA(bar, WM_DISPLAYCHANGE, 32, MAKELPARAM(w, h));
  EXPECT_EQ(Rect_Of(bar).left, r.left * 800 / w * w / 800);
  EXPECT_TRUE(GetWindowLongA(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
  Close(bar);
}

TEST_F(TranslatorBar, SettingsSheetOkPassesTheSettingsOnCancelDoesNotAndMissingProgramsAreTold) {
  HWND bar = Start();
  ASSERT_NE(bar, nullptr);
  size_t startUp = Log().size();
  PostMessageA(bar, WM_COMMAND, 32797, 0);
  HWND sheet = Wait_Box("青岚墨译设置");
  ASSERT_NE(sheet, nullptr);
  PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(testkit::Wait_Until([&] { return !IsWindow(sheet); }));
  EXPECT_EQ(Log().size(), startUp);

  PostMessageA(bar, WM_COMMAND, 32797, 0);
  sheet = Wait_Box("青岚墨译设置");
  ASSERT_NE(sheet, nullptr);
  PostMessageA(sheet, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(testkit::Wait_Until([&] { return Log().size() == startUp + 3; }));
  std::vector<std::string> log = Log();
  EXPECT_EQ(std::vector<std::string>(log.begin() + startUp, log.end()),
            (std::vector<std::string>{"SetProfDictID32 -1", "SetUserDict32 0",
                                      "SetChnEngMenu32 0"}));

  // No full-text program anywhere: the user is told.
  PostMessageA(bar, WM_COMMAND, 32834, 0);
  HWND box = Wait_Box("Lingvane");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Box_Text(box), "您没有安装青岚全文翻译模块！");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(testkit::Wait_Until([&] { return !IsWindow(box); }));
  // No permanent-localisation program: nothing is said, the bar goes on.
  PostMessageA(bar, WM_COMMAND, 32835, 0);
  testkit::Pump_For(milliseconds(800));
  EXPECT_EQ(Find(lingvane_->Id(), "#32770", nullptr), nullptr);
  Close(bar);
}

// The stand-ins of the maker's programs, as the build made them (never in Lingvane's folder).
std::string Maker_Tool(const char* name) {
  return testkit::Build_Folder() + "\\outside\\makertools\\" + name;
}

TEST_F(TranslatorBar, FullTextAndPermanentLocalisationProgramsStartWhereTheShellOrTheBarFinds) {
  std::string folder = Temp_Folder("lingvane-tools-");
  std::string bin = folder + "\\stella\\bin", starts = folder + "\\starts.log";
  CreateDirectoryA((folder + "\\stella").c_str(), nullptr);
  CreateDirectoryA(bin.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(Maker_Tool("pagerunnerec.exe").c_str(),
                        (bin + "\\pagerunnerec.exe").c_str(), FALSE));
  SetEnvironmentVariableA("MAKERTOOL_START_LOG", starts.c_str());
  HWND bar = Start(folder);
  ASSERT_NE(bar, nullptr);
  RECT r = Rect_Of(bar);
  auto started = [&](size_t n) {
    return testkit::Wait_Until(
        [&] {
          std::string log = testkit::Read_File(starts);
          return static_cast<size_t>(std::count(log.begin(), log.end(), '\n')) >= n;
        },
        milliseconds(5000));
  };
  // The full-text button, the compact bar's fourth: the shell finds no such program, the bar's
  // own folder has it under stella\bin.
  testkit::Click_At(POINT{r.left + 77, r.top + 12});
  EXPECT_TRUE(started(1));
  // Once the shell finds it (here: in the current folder) that one starts.
  ASSERT_TRUE(CopyFileA(Maker_Tool("pagerunnerec.exe").c_str(),
                        (folder + "\\pagerunnerec.exe").c_str(), FALSE));
  PostMessageA(bar, WM_COMMAND, 32834, 0);
  EXPECT_TRUE(started(2));
  // The permanent-localisation program from the tools popup, found by the shell.
  ASSERT_TRUE(CopyFileA(Maker_Tool("hanpatch.exe").c_str(), (folder + "\\hanpatch.exe").c_str(),
                        FALSE));
  testkit::Click_At(POINT{r.left + 123, r.top + 12});
  HWND menu = Shot_Menu("bar-tools-popup");
  ASSERT_NE(menu, nullptr);
  testkit::Key_Stroke({'F'});  // "永久汉化(&F)"
  EXPECT_TRUE(started(3));
  EXPECT_EQ(Find(lingvane_->Id(), "#32770", nullptr), nullptr);  // nothing said
  SetEnvironmentVariableA("MAKERTOOL_START_LOG", nullptr);
  Close(bar);

  // Program, arguments, the folder it runs in (Lingvane's own current folder) and how its
  // window is to be shown.
  std::string want = bin + "\\pagerunnerec.exe|-s|" + folder + "|" +
                     std::to_string(SW_SHOWNORMAL) + "\r\n" + folder + "\\pagerunnerec.exe|-s|" +
                     folder + "|" + std::to_string(SW_SHOWNORMAL) + "\r\n" + folder +
                     "\\hanpatch.exe||" + folder + "|" + std::to_string(SW_RESTORE) + "\r\n";
  EXPECT_EQ(testkit::Read_File(starts), want);
  for (const std::string& f : {bin + "\\pagerunnerec.exe", folder + "\\pagerunnerec.exe",
                               folder + "\\hanpatch.exe", starts,
                               folder + "\\lib\\wbseclib.lst"}) {
    DeleteFileA(f.c_str());
  }
  for (const std::string& d : {bin, folder + "\\stella", folder + "\\lib", folder}) {
    RemoveDirectoryA(d.c_str());
  }
}

TEST_F(TranslatorBar, DictionarySubmenuListsTheFirst32RecordsAndItsLastItemChoosesTheLast) {
  std::string folder = Temp_Folder("lingvane-menu-dicts-");
  std::string lib = folder + "\\lib", list = lib + "\\wbseclib.lst";
  CreateDirectoryA(lib.c_str(), nullptr);
  std::string records;
  std::vector<std::string> files;
  for (int i = 0; i < 34; ++i) {
    char file[16], name[16];
    snprintf(file, sizeof file, "d%02d.dct", i);
    snprintf(name, sizeof name, "词库%02d", i);
    files.push_back(lib + "\\" + file);
    testkit::Write_File(files.back(), "x");
    records += Record(file, name, 0);
  }
  testkit::Write_File(list, records);
  HWND bar = Start(folder);
  ASSERT_NE(bar, nullptr);
  RECT r = Rect_Of(bar);
  // The settings button's popup; its first item opens the dictionary submenu.
  testkit::Click_At(POINT{r.left + 142, r.top + 12});
  HWND popup = Shot_Menu("bar-settings-popup");
  ASSERT_NE(popup, nullptr);
  testkit::Key_Stroke({VK_DOWN});
  testkit::Key_Stroke({VK_RIGHT});
  HWND dicts = nullptr;
  ASSERT_TRUE(testkit::Wait_Until(
      [&] {
        dicts = Find(lingvane_->Id(), "#32768", nullptr);
        HWND next = dicts ? FindWindowExA(nullptr, dicts, "#32768", nullptr) : nullptr;
        // the submenu is the one that is not the popup
        if (dicts == popup) dicts = next && IsWindowVisible(next) ? next : nullptr;
        return dicts != nullptr;
      },
      milliseconds(5000)));
  testkit::Pump_For(milliseconds(400));
  RECT m = Rect_Of(dicts);
  testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\bar-dictionary-submenu.bmp",
                              RECT{m.left - 10, m.top - 10, m.right + 10, m.bottom + 10});
  // "不使用专业词库", a separator and 32 dictionaries: never more than 34 items high (menu items
  // are no taller than SM_CYMENU, so the height bounds the count from above only).
  int items = (m.bottom - m.top) / GetSystemMetrics(SM_CYMENU);
  EXPECT_LT(items, 35);
  // Up from the first item wraps to the last one listed: the 32nd record (so all 32 are there).
  testkit::Key_Stroke({VK_UP});
  testkit::Key_Stroke({VK_RETURN});
  ASSERT_TRUE(testkit::Wait_Until([&] { return Log().back() == "SetProfDictID32 31"; },
                                  milliseconds(3000)))
      << Log().back();
  std::string want;
  for (int i = 0; i < 34; ++i) {
    char file[16], name[16];
    snprintf(file, sizeof file, "d%02d.dct", i);
    snprintf(name, sizeof name, "词库%02d", i);
    want += Record(file, name, i == 31);
  }
  EXPECT_EQ(testkit::Read_File(list), want);
  Close(bar);
  EXPECT_EQ(Read_Options()["ProfDictID"], "n:31");
  files.push_back(list);
  for (const std::string& f : files) DeleteFileA(f.c_str());
  RemoveDirectoryA(lib.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(TranslatorBar, ButtonTipNamesTheProgramInFront) {
  HWND bar = Start();
  ASSERT_NE(bar, nullptr);
  HWND notepad = Start_Notepad();
  ASSERT_NE(notepad, nullptr);
  Bring_Forward(notepad);
  RECT r = Rect_Of(bar);
  // Over the quick-translation button, while the notepad stays in front.
  testkit::Mouse_To(POINT{r.left + 18, r.top + 10});
  testkit::Mouse_To(POINT{r.left + 21, r.top + 12});
  HWND tip = nullptr;
  ASSERT_TRUE(testkit::Wait_Until(
      [&] { return (tip = Find(lingvane_->Id(), "tooltips_class32", nullptr)) != nullptr; },
      milliseconds(5000)));
  testkit::Pump_For(milliseconds(300));
  RECT t = Rect_Of(tip);
  testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\bar-tip.bmp",
                              RECT{t.left - 4, t.top - 4, t.right + 4, t.bottom + 4});
  // Two lines: the command with the program's name, then the window's title.
  EXPECT_GT(t.bottom - t.top, 2 * GetSystemMetrics(SM_CYMENU) - 10);

  // A click on the button translates the notepad; then it is compared top and bottom.
  testkit::Mouse_Button(1, true);
  testkit::Mouse_Button(1, false);
  std::string want = "SetTransFlag32 " + Hwnd_Text(notepad) + " 2";
  EXPECT_TRUE(testkit::Wait_Until([&] { return Log().back() == want; }, milliseconds(3000)));
  PostMessageA(bar, WM_COMMAND, 32794, 0);
  HWND compare = Expect_Tiled(notepad, 1);
  ASSERT_NE(compare, nullptr);
  PostMessageA(bar, WM_COMMAND, 32792, 0);
  EXPECT_TRUE(testkit::Wait_Until([&] { return !IsWindowVisible(compare); }));
  // The window is hidden before the companion library is told.
  EXPECT_TRUE(testkit::Wait_Until([&] { return Log().back() == "CancelComptrans32"; },
                                  milliseconds(3000)))
      << Log().back();
  testkit::Mouse_To(POINT{500, 500});
  Close(bar);
}

TEST_F(TranslatorBar, SettingsAndToolsButtonsOpenTheirPopups) {
  HWND bar = Start();
  ASSERT_NE(bar, nullptr);
  RECT r = Rect_Of(bar);
  // The compact bar's buttons: settings is the seventh, tools the sixth. The pointer rests on
  // the button until its tip shows; the tip is gone while the menu is open (it would cover the
  // first item) and stays away.
  for (int x : {142, 123}) {
    testkit::Mouse_To(POINT{r.left + x - 3, r.top + 10});
    testkit::Mouse_To(POINT{r.left + x, r.top + 12});
    EXPECT_TRUE(testkit::Wait_Until(
        [&] { return Find(lingvane_->Id(), TOOLTIPS_CLASSA, nullptr) != nullptr; },
        milliseconds(5000)))
        << x;
    testkit::Mouse_Button(1, true);
    testkit::Mouse_Button(1, false);
    HWND menu = Shot_Menu("bar-popup-" + std::to_string(x));
    ASSERT_NE(menu, nullptr) << x;
    bool tip_seen = false;
    testkit::Wait_Until([&] {
      tip_seen = tip_seen || Find(lingvane_->Id(), TOOLTIPS_CLASSA, nullptr) != nullptr;
      return false;
    }, milliseconds(1500));
    EXPECT_FALSE(tip_seen) << x;
    Dismiss_Menu(menu);
    testkit::Pump_For(milliseconds(300));
  }
  Close(bar);
}

// The comparison commands chosen where they live, on the bar's own popups (which bring the bar
// to the front): before and after a translation the program that was in front is compared,
// never the bar, nor the program translated last. The bilingual switch from the settings popup
// shows a localised program's menus in their new form at once. The program compared and
// localised has two user-interface threads.
TEST_F(TranslatorBar, PopupsCompareTheProgramInFrontAndTheBilingualSwitchRedrawsAtOnce) {
  std::string folder = Temp_Folder("lingvane-twin-");
  CreateDirectoryA((folder + "\\DIC").c_str(), nullptr);
  std::string package;
  ASSERT_TRUE(Twin_Package_Bytes(&package));
  ASSERT_TRUE(testkit::Write_File(folder + "\\DIC\\twinui.lvd", package));
  HWND bar = Start(folder);
  ASSERT_NE(bar, nullptr);
  const RECT barRect = Rect_Of(bar);
  HWND notepad = Start_Notepad();
  ASSERT_NE(notepad, nullptr);
  testkit::Process twin(Exe_Folder() + "\\twinui.exe", "", folder);
  HWND twinMain = nullptr;
  ASSERT_TRUE(testkit::Wait_Until(
      [&] { return (twinMain = testkit::Find_Window_Of(twin.Id(), "Twin Main")) != nullptr; }));
  auto menus = [&] { return menu_probe::Menu_Texts(twinMain, twin.Id()); };
  ASSERT_EQ(menus(), (std::vector<std::string>{"0 &File", "1 E&xit"}));

  // Before any translation: the program in front, not the bar.
  Bring_Forward(twinMain);
  From_Tools(bar, {'T', 'H'});  // 对照翻译, 左右对照翻译
  HWND compare = Expect_Tiled(twinMain, 2);
  ASSERT_NE(compare, nullptr);
  RECT now = Rect_Of(bar);
  EXPECT_TRUE(EqualRect(&now, &barRect));
  From_Tools(bar, {'T', 'C'});  // 取消对照翻译
  EXPECT_TRUE(testkit::Wait_Until([&] { return !IsWindowVisible(compare); }));

  // The localising hot key on the program in front.
  Bring_Forward(twinMain);
  testkit::Key_Stroke({VK_CONTROL, VK_F11});
  ASSERT_TRUE(testkit::Wait_Until([&] { return Text_Of(twinMain) == "双线主窗"; }));

  // After it: the program now in front, not the one translated.
  Bring_Forward(notepad);
  From_Tools(bar, {'T', 'V'});  // 上下对照翻译
  Expect_Tiled(notepad, 1);
  if (HasFailure()) {
    for (const std::string& line : Log()) std::printf("trhook32: %s\n", line.c_str());
  }
  From_Tools(bar, {'T', 'C'});
  EXPECT_TRUE(testkit::Wait_Until([&] { return !IsWindowVisible(compare); }));

  // The bilingual switch, on and off, from the settings popup.
  From_Settings(bar, {'D'});
  EXPECT_TRUE(testkit::Wait_Until([&] {
    return menus() == std::vector<std::string>{"0 文件 | File(&F)", "1 退出 | Exit(&X)"};
  }));
  Bring_Forward(twinMain);
  testkit::Pump_For(milliseconds(300));
  RECT t = Rect_Of(twinMain);
  testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\bar-bilingual-menus.bmp",
                              RECT{t.left, t.top, t.left + 360, t.top + 140});
  From_Settings(bar, {'D'});
  EXPECT_TRUE(testkit::Wait_Until(
      [&] { return menus() == std::vector<std::string>{"0 文件(&F)", "1 退出(&X)"}; }));

  // The restoring hot key gives the English back.
  Bring_Forward(twinMain);
  testkit::Key_Stroke({VK_CONTROL, VK_F10});
  EXPECT_TRUE(testkit::Wait_Until([&] { return Text_Of(twinMain) == "Twin Main"; }));
  EXPECT_EQ(menus(), (std::vector<std::string>{"0 &File", "1 E&xit"}));
  testkit::Mouse_To(POINT{500, 500});
  Close(bar);

  std::vector<std::string> log = Log();
  auto has = [&](const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
  };
  EXPECT_TRUE(has("LeftrightComptrans32"));
  EXPECT_TRUE(has("UpdownComptrans32"));
  EXPECT_TRUE(has("SetTransFlag32 " + Hwnd_Text(twinMain) + " 4"));
  EXPECT_TRUE(has("SetChnEngMenu32 1"));
  DeleteFileA((folder + "\\DIC\\twinui.lvd").c_str());
  DeleteFileA((folder + "\\lib\\wbseclib.lst").c_str());
  for (const std::string& d : {folder + "\\DIC", folder + "\\lib", folder}) {
    RemoveDirectoryA(d.c_str());
  }
}

}  // namespace
