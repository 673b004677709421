// trhook32 translating a real program: Wine's notepad, started with an English interface
// language (code page still 936), localised, translated quickly and restored through its own
// system-wide hooks; menus read from inside notepad by the menu probe.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "dictfiles.h"
#include "menu_probe.h"
#include "package.h"
#include "testkit/testkit.h"
#include "translate_logic.h"
#include "trhook32.h"

namespace {

using namespace std::chrono_literals;

std::string Ansi(const std::wstring& w) {
  int n = WideCharToMultiByte(936, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string a(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(936, 0, w.data(), static_cast<int>(w.size()), a.data(), n, nullptr, nullptr);
  return a;
}

std::string Text_Of(HWND h) {
  wchar_t text[1024] = {};
  GetWindowTextW(h, text, 1024);
  return Ansi(text);
}

// Wine's notepad in the English interface language: started through the Wine loader as a
// Unix program, so that it gets a locale of its own: the messages category English
// (en_US.UTF-8, which set-up generates), the character type still Chinese (code page 936),
// no LC_ALL overriding either.
class English_Notepad {
 public:
  English_Notepad() {
    std::vector<DWORD> before = Notepads();
    char saved[256] = {};
    const bool hadAll = GetEnvironmentVariableA("LC_ALL", saved, sizeof saved) > 0;
    SetEnvironmentVariableA("LC_ALL", nullptr);
    SetEnvironmentVariableA("LC_CTYPE", "zh_CN.UTF-8");
    SetEnvironmentVariableA("LC_MESSAGES", "en_US.UTF-8");
    const char* loader = sizeof(void*) == 8 ? "Z:\\usr\\lib\\wine\\wine64" : "Z:\\usr\\lib\\wine\\wine";
    std::string command = std::string(sizeof(void*) == 8 ? "wine64" : "wine") + " notepad.exe";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessA(loader, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      if (pi.hThread) CloseHandle(pi.hThread);
      if (pi.hProcess) CloseHandle(pi.hProcess);
    }
    SetEnvironmentVariableA("LC_ALL", hadAll ? saved : nullptr);
    SetEnvironmentVariableA("LC_CTYPE", nullptr);
    SetEnvironmentVariableA("LC_MESSAGES", nullptr);
    testkit::Wait_Until([&] {
      for (DWORD pid : Notepads()) {
        if (std::find(before.begin(), before.end(), pid) == before.end()) pid_ = pid;
      }
      return pid_ != 0;
    }, std::chrono::seconds(20));
    if (pid_) process_ = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid_);
  }
  ~English_Notepad() {
    if (!process_) return;
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
  }
  DWORD Id() const { return pid_; }
  // The process's visible top-level window of that class, or null.
  HWND Window(const char* cls) const { return Window_Of(pid_, cls); }

 private:
  struct Find {
    DWORD pid;
    const char* cls;
    HWND found;
  };
  static BOOL CALLBACK Find_Window(HWND h, LPARAM p) {
    auto* f = reinterpret_cast<Find*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    char c[64];
    if ((f->pid == 0 || owner == f->pid) && IsWindowVisible(h) && GetClassNameA(h, c, 64) &&
        !lstrcmpiA(c, f->cls)) {
      f->found = h;
      f->pid = owner;
      return FALSE;
    }
    return TRUE;
  }
  static HWND Window_Of(DWORD pid, const char* cls) {
    Find f{pid, cls, nullptr};
    EnumWindows(Find_Window, reinterpret_cast<LPARAM>(&f));
    return f.found;
  }
  static BOOL CALLBACK Note_Notepad(HWND h, LPARAM p) {
    char c[64];
    if (IsWindowVisible(h) && GetClassNameA(h, c, 64) && !lstrcmpiA(c, "Notepad")) {
      DWORD pid = 0;
      GetWindowThreadProcessId(h, &pid);
      reinterpret_cast<std::vector<DWORD>*>(p)->push_back(pid);
    }
    return TRUE;
  }
  // The processes that show a notepad window now.
  static std::vector<DWORD> Notepads() {
    std::vector<DWORD> pids;
    EnumWindows(Note_Notepad, reinterpret_cast<LPARAM>(&pids));
    return pids;
  }

  DWORD pid_ = 0;
  HANDLE process_ = nullptr;
};

using menu_probe::Menu_Texts;

// The depth-and-text line with the text replaced.
std::string With_Text(const std::string& line, const std::string& text) {
  return line.substr(0, line.find(' ') + 1) + text;
}

class Trhook32Notepad : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    base_ = std::string(temp) + "trhook32-notepad-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(base_.c_str(), nullptr);
    CreateDirectoryA((base_ + "\\DIC").c_str(), nullptr);
    CreateDirectoryA((base_ + "\\lib").c_str(), nullptr);
    // The shipped package.
    const std::string shipped = testkit::Read_File(testkit::Translator_Folder() + "\\DIC\\notepad.lvd");
    ASSERT_FALSE(shipped.empty());
    ASSERT_TRUE(testkit::Write_File(base_ + "\\DIC\\notepad.lvd", shipped));
    ASSERT_TRUE(package_.Load(shipped));
    GetCurrentDirectoryA(MAX_PATH, savedDir_);
    SetCurrentDirectoryA(base_.c_str());
    compare_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "compare", WS_POPUP | WS_VISIBLE, 600, 300, 400, 300,
                               nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(InitHooks32(compare_));
    SetChnEngMenu32(0);
    SetUserDict32(0);
    SetProfDictID32(-1);
    ASSERT_TRUE(testkit::Wait_Until([&] { return (window_ = notepad_.Window("Notepad")) != nullptr; }));
    ASSERT_EQ(Text_Of(window_), "Untitled - Notepad") << "notepad did not start in English";
    english_ = Menu_Texts(window_, notepad_.Id());
    ASSERT_GT(english_.size(), 20u);
    ASSERT_EQ(english_[0], "0 &File");
  }
  void TearDown() override {
    ClearHooks32();
    DestroyWindow(compare_);
    SetCurrentDirectoryA(savedDir_);
  }
  std::vector<std::string> Expected_Menus(bool bilingual) {
    std::vector<std::string> out;
    for (const std::string& line : english_) {
      const std::string text = line.substr(line.find(' ') + 1);
      std::string zh;
      if (text.empty() || !package_.Translate(text, &zh)) {
        out.push_back(line);
      } else {
        out.push_back(With_Text(line, bilingual ? trhook32::Bilingual_Text(text, zh) : zh));
      }
    }
    return out;
  }

  std::string base_;
  char savedDir_[MAX_PATH];
  HWND compare_ = nullptr;
  English_Notepad notepad_;
  HWND window_ = nullptr;
  trhook32::Package_Table package_;
  std::vector<std::string> english_;
};

TEST_F(Trhook32Notepad, LocalisesMenusTitleAndLaterDialogsAndRestoresThemExactly) {
  ASSERT_TRUE(SetTransFlag32(window_, TRANS_MODE_LOCALISE));
  EXPECT_EQ(Text_Of(window_), "无标题 - 记事本");
  const std::vector<std::string> chinese = Menu_Texts(window_, notepad_.Id());
  EXPECT_EQ(chinese, Expected_Menus(false));
  EXPECT_EQ(chinese[0], "0 文件(&F)");

  // A dialog opened later comes up translated: Search (Ctrl+F) opens the find dialog.
  SetForegroundWindow(window_);
  ASSERT_TRUE(testkit::Wait_Until([&] { return GetForegroundWindow() == window_; }, 5s));
  testkit::Key_Stroke({VK_CONTROL, 'F'});
  HWND find = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (find = notepad_.Window("#32770")) != nullptr; }));
  EXPECT_TRUE(testkit::Wait_Until([&] { return Text_Of(find) == "查找"; }, 5s)) << Text_Of(find);
  std::vector<std::string> labels;
  for (HWND c = GetWindow(find, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) labels.push_back(Text_Of(c));
  std::string shown;
  for (const std::string& l : labels) shown += "[" + l + "]";
  EXPECT_NE(std::find(labels.begin(), labels.end(), "查找(&N):"), labels.end()) << shown;
  EXPECT_NE(std::find(labels.begin(), labels.end(), "查找下一个(&F)"), labels.end());
  EXPECT_NE(std::find(labels.begin(), labels.end(), "区分大小写(&C)"), labels.end());
  PostMessageA(find, WM_CLOSE, 0, 0);
  ASSERT_TRUE(testkit::Wait_Until([&] { return !IsWindow(find); }));

  ASSERT_TRUE(SetTransFlag32(window_, TRANS_MODE_RESTORE));
  EXPECT_EQ(Text_Of(window_), "Untitled - Notepad");
  EXPECT_EQ(Menu_Texts(window_, notepad_.Id()), english_);

  // Bilingual menus.
  SetChnEngMenu32(1);
  ASSERT_TRUE(SetTransFlag32(window_, TRANS_MODE_LOCALISE));
  const std::vector<std::string> both = Menu_Texts(window_, notepad_.Id());
  EXPECT_EQ(both, Expected_Menus(true));
  EXPECT_EQ(both[0], "0 文件 | File(&F)");
  ASSERT_TRUE(SetTransFlag32(window_, TRANS_MODE_RESTORE));
  EXPECT_EQ(Menu_Texts(window_, notepad_.Id()), english_);
}

TEST_F(Trhook32Notepad, QuickTranslationReadsPackageAndDictionariesAnewAtEachCommand) {
  // A package that knows only "&File", a user dictionary and a professional one.
  std::string bytes;
  ASSERT_TRUE(Package_Bytes({{"&File", "文件(&F)"}}, &bytes));
  ASSERT_TRUE(testkit::Write_File(base_ + "\\DIC\\notepad.lvd", bytes));
  ASSERT_TRUE(testkit::Write_File(base_ + "\\lib\\User.dct",
                                  User_Dict_Bytes({{"Edit", "v.", "编修"}, {"File", "n.", "卷宗"}})));
  DictListRecord rec = Make_Dict_Record("Words.dct", "词", false);
  ASSERT_TRUE(testkit::Write_File(base_ + "\\lib\\wbseclib.lst",
                                  std::string(reinterpret_cast<const char*>(&rec), sizeof rec)));
  {
    std::string d(148, '\0');
    auto put = [&](size_t at, int32_t v) { memcpy(&d[at], &v, 4); };
    put(0, 0x04935343); put(4, 2); put(8, 148); put(16, 1);
    d += std::string(16, '\0');
    const char* words[][2] = {{"Edit", "校订"}, {"Help", "帮助"}};
    for (int i = 0; i < 2; ++i) {
      put(148 + 8 * i, static_cast<int32_t>(d.size()));
      d += std::string(words[i][0]) + '\0';
      put(152 + 8 * i, static_cast<int32_t>(d.size()));
      d += std::string(words[i][1]) + '\0';
    }
    ASSERT_TRUE(testkit::Write_File(base_ + "\\lib\\Words.dct", d));
  }
  SetUserDict32(1);
  SetProfDictID32(0);
  ASSERT_TRUE(SetTransFlag32(window_, TRANS_MODE_QUICK));
  std::vector<std::string> menus = Menu_Texts(window_, notepad_.Id());
  std::map<std::string, std::string> bar;
  for (size_t i = 0; i < english_.size(); ++i) {
    if (english_[i][0] == '0') bar[english_[i]] = menus[i];
  }
  EXPECT_EQ(bar["0 &File"], "0 文件(&F)");   // the package
  EXPECT_EQ(bar["0 &Edit"], "0 编修(&E)");   // the user dictionary
  EXPECT_EQ(bar["0 &Help"], "0 帮助(&H)");   // the professional dictionary
  EXPECT_EQ(bar["0 &View"], "0 &View");      // nobody knows it

  // Without the user dictionary the professional one answers; a new package is read.
  SetUserDict32(0);
  ASSERT_TRUE(Package_Bytes({{"&File", "档案(&F)"}}, &bytes));
  ASSERT_TRUE(testkit::Write_File(base_ + "\\DIC\\notepad.lvd", bytes));
  ASSERT_TRUE(SetTransFlag32(window_, TRANS_MODE_QUICK));
  menus = Menu_Texts(window_, notepad_.Id());
  EXPECT_EQ(menus[0], "0 档案(&F)");
  for (size_t i = 0; i < english_.size(); ++i) {
    if (english_[i] == "0 &Edit") {
      EXPECT_EQ(menus[i], "0 校订(&E)");
    }
  }
  // A damaged package: nothing from it, nothing broken.
  ASSERT_TRUE(testkit::Write_File(base_ + "\\DIC\\notepad.lvd", "damaged"));
  ASSERT_TRUE(SetTransFlag32(window_, TRANS_MODE_LOCALISE));
  EXPECT_EQ(Menu_Texts(window_, notepad_.Id()), english_);
  ASSERT_TRUE(SetTransFlag32(window_, TRANS_MODE_RESTORE));
  EXPECT_EQ(Menu_Texts(window_, notepad_.Id()), english_);
  EXPECT_EQ(Text_Of(window_), "Untitled - Notepad");
}

// The shipped interface dictionary chosen, with a package that knows only "&File": quick
// translation takes the rest of the menus and the buttons of a dialog opened later from it.
TEST_F(Trhook32Notepad, QuickTranslationWithTheShippedInterfaceDictionaryTranslatesButtons) {
  std::string bytes;
  ASSERT_TRUE(Package_Bytes({{"&File", "文件(&F)"}}, &bytes));
  ASSERT_TRUE(testkit::Write_File(base_ + "\\DIC\\notepad.lvd", bytes));
  const std::string shipped = testkit::Translator_Folder() + "\\lib\\";
  const std::string list = testkit::Read_File(shipped + "wbseclib.lst");
  int chosen = -1;
  const std::vector<DictListRecord> records = Parse_Dict_List(list);
  for (size_t i = 0; i < records.size(); ++i) {
    const std::string file(records[i].fileName, strnlen(records[i].fileName, 16));
    ASSERT_TRUE(testkit::Write_File(base_ + "\\lib\\" + file, testkit::Read_File(shipped + file)));
    if (std::string(records[i].dictName, strnlen(records[i].dictName, 16)) == "计算机界面")
      chosen = static_cast<int>(i);
  }
  ASSERT_GE(chosen, 0);
  ASSERT_TRUE(testkit::Write_File(base_ + "\\lib\\wbseclib.lst", list));
  SetProfDictID32(chosen);
  ASSERT_TRUE(SetTransFlag32(window_, TRANS_MODE_QUICK));
  const std::vector<std::string> menus = Menu_Texts(window_, notepad_.Id());
  ASSERT_EQ(menus.size(), english_.size());
  EXPECT_EQ(menus[0], "0 文件(&F)");  // the package
  for (size_t i = 0; i < english_.size(); ++i) {
    if (english_[i] == "0 &Edit") {
      EXPECT_EQ(menus[i], "0 编辑(&E)");  // the dictionary
    }
  }

  // The find dialog, opened now: its buttons from the dictionary.
  SetForegroundWindow(window_);
  ASSERT_TRUE(testkit::Wait_Until([&] { return GetForegroundWindow() == window_; }, 5s));
  testkit::Key_Stroke({VK_CONTROL, 'F'});
  HWND find = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (find = notepad_.Window("#32770")) != nullptr; }));
  auto labels = [&] {
    std::vector<std::string> out;
    for (HWND c = GetWindow(find, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(Text_Of(c));
    return out;
  };
  auto has = [&](const char* text) {
    const std::vector<std::string> l = labels();
    return std::find(l.begin(), l.end(), text) != l.end();
  };
  EXPECT_TRUE(testkit::Wait_Until([&] { return has("取消"); }, 5s));
  std::string shown;
  for (const std::string& l : labels()) shown += "[" + l + "]";
  EXPECT_TRUE(has("区分大小写(&C)")) << shown;
  EXPECT_FALSE(has("Cancel")) << shown;
  PostMessageA(find, WM_CLOSE, 0, 0);
  ASSERT_TRUE(testkit::Wait_Until([&] { return !IsWindow(find); }));
  ASSERT_TRUE(SetTransFlag32(window_, TRANS_MODE_RESTORE));
  EXPECT_EQ(Menu_Texts(window_, notepad_.Id()), english_);
}

TEST_F(Trhook32Notepad, ComparisonDrawsTheTranslatedTextsAndAVanishedTargetIsIgnored) {
  // The comparison window blank, then an update request to the compared window.
  RECT r;
  GetClientRect(compare_, &r);
  auto ink = [&] {
    // Read from the screen: the drawing comes from notepad's process.
    HDC dc = GetDC(nullptr);
    POINT origin{0, 0};
    ClientToScreen(compare_, &origin);
    int dark = 0;
    for (int y = 0; y < 60; y += 1) {
      for (int x = 0; x < r.right; x += 2) {
        COLORREF c = GetPixel(dc, origin.x + x, origin.y + y);
        if (c != CLR_INVALID && GetRValue(c) < 100 && GetBValue(c) > 90) ++dark;
      }
    }
    ReleaseDC(nullptr, dc);
    return dark;
  };
  PostMessageA(window_, 0x531, 6517, 1058);
  EXPECT_TRUE(testkit::Wait_Until([&] { return ink() > 20; }, 10s));
  testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\screenshot-comparison.bmp",
                              RECT{600, 300, 1000, 600});

  // A target that is gone: the call returns, notepad still answers.
  HWND gone = CreateWindowExA(0, "STATIC", "gone", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  EXPECT_FALSE(SetTransFlag32(gone, TRANS_MODE_LOCALISE));
  EXPECT_FALSE(SetTransFlag32(nullptr, TRANS_MODE_LOCALISE));
  DWORD_PTR result;
  EXPECT_TRUE(SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
}

}  // namespace
