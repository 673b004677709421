// Each help command of the real programs opens its file in Wine's help viewers: the WinHelp
// viewer (winhlp32) on the file's contents topic, the HTML Help viewer (hh.exe) with the
// tutorial's contents tree. Every viewer a test opened is closed when it ends.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "testkit/testkit.h"

namespace {

const char kWinHelpClass[] = "MS_WINHELP";
const char kHtmlHelpClass[] = "HH Parent";

// A window's text (of another process: the message carries it across), at most 64 KB.
std::string Window_Text(HWND window) {
  std::string text(65536, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 5000, &copied))
    return "";
  text.resize(strnlen(text.data(), text.size()));
  return text;
}

// The visible top-level window of that class and caption, or null.
HWND Find_Visible(const char* window_class, const std::string& caption) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, window_class, nullptr)))
    if (IsWindowVisible(window) && Window_Text(window) == caption) return window;
  return nullptr;
}

struct Child_Search {
  const std::string* part;
  HWND found;
};

BOOL CALLBACK Match_Child_Class(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<Child_Search*>(data);
  char name[64] = {};
  GetClassNameA(child, name, sizeof name);
  if (std::string(name).find(*search->part) == std::string::npos) return TRUE;
  search->found = child;
  return FALSE;
}

// The first descendant window whose class name contains `part`.
HWND Find_Child(HWND parent, const std::string& part) {
  Child_Search search{&part, nullptr};
  EnumChildWindows(parent, Match_Child_Class, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// What the WinHelp viewer shows of its topic: the text of its rich-text pane.
std::string Topic_Text(HWND viewer) {
  HWND pane = Find_Child(viewer, "RichEdit");
  return pane ? Window_Text(pane) : "";
}

// The texts of the top-level items of a tree view of another process.
std::vector<std::string> Tree_Top_Items(HWND tree) {
  std::vector<std::string> items;
  DWORD pid = 0;
  GetWindowThreadProcessId(tree, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return items;
  const size_t text_size = 256;
  char* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(TVITEMA) + text_size, MEM_COMMIT, PAGE_READWRITE));
  DWORD_PTR item = 0;
  SendMessageTimeoutA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0, SMTO_ABORTIFHUNG, 5000, &item);
  while (remote && item) {
    TVITEMA request{};
    request.mask = TVIF_TEXT;
    request.hItem = reinterpret_cast<HTREEITEM>(item);
    request.pszText = remote + sizeof(TVITEMA);
    request.cchTextMax = text_size;
    char text[text_size] = {};
    DWORD_PTR ok = 0;
    if (!WriteProcessMemory(process, remote, &request, sizeof request, nullptr) ||
        !SendMessageTimeoutA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote),
                             SMTO_ABORTIFHUNG, 5000, &ok) ||
        !ok || !ReadProcessMemory(process, remote + sizeof(TVITEMA), text, text_size - 1, nullptr))
      break;
    items.emplace_back(text);
    SendMessageTimeoutA(tree, TVM_GETNEXTITEM, TVGN_NEXT, item, SMTO_ABORTIFHUNG, 5000, &item);
  }
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return items;
}

// Ends every viewer with a window of that class: asked to close, then ended by its id.
void Close_Viewers(const char* window_class) {
  for (int i = 0; i < 10; ++i) {
    HWND window = FindWindowA(window_class, nullptr);
    if (!window) return;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (process) {
      if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
      }
      CloseHandle(process);
    } else {
      Sleep(200);
    }
  }
}

class Help_Viewers : public ::testing::Test {
 protected:
  void SetUp() override {
    Close_Viewers(kWinHelpClass);
    Close_Viewers(kHtmlHelpClass);
  }
  void TearDown() override {
    Close_Viewers(kWinHelpClass);
    Close_Viewers(kHtmlHelpClass);
    EXPECT_FALSE(FindWindowA(kWinHelpClass, nullptr));
    EXPECT_FALSE(FindWindowA(kHtmlHelpClass, nullptr));
  }
  // Waits for the WinHelp viewer showing that file (its title as the caption) on the topic
  // holding `text`.
  static ::testing::AssertionResult Shows_Help(const std::string& title, const std::string& text) {
    if (testkit::Wait_Until([&] {
          HWND viewer = Find_Visible(kWinHelpClass, title);
          return viewer && Topic_Text(viewer).find(text) != std::string::npos;
        }))
      return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << "help windows:";
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, kWinHelpClass, nullptr)))
      failure << " [" << (IsWindowVisible(window) ? "shown" : "hidden") << " \""
              << Window_Text(window) << "\" topic \"" << Topic_Text(window).substr(0, 80) << "\"]";
    return failure;
  }
};

struct Tutor {
  explicit Tutor(const std::string& args = "")
      : process(testkit::Tutor_Folder() + "\\Quillon.exe", args, testkit::Tutor_Folder()) {}
  ~Tutor() {
    if (main) PostMessageA(main, WM_CLOSE, 0, 0);
    process.Wait_Exit(std::chrono::seconds(10));
    testkit::Empty_Sound_Output();
  }
  bool Wait_Main_Window() {
    return testkit::Wait_Until([&] { return (main = testkit::Find_Window_Of(process.Id(), "青岚键坊")); });
  }
  void To_Front() {
    testkit::Wait_Until([&] {
      SetForegroundWindow(main);
      return GetForegroundWindow() == main;
    });
  }
  testkit::Process process;
  HWND main = nullptr;
};

const char kTutorHelpTitle[] = "青岚键坊帮助";
const char kTutorContents[] = "欢迎使用青岚键坊！";

TEST_F(Help_Viewers, TutorCommandLineSwitchOpensTheHelpFileOnItsContents) {
  Tutor tutor("/?");
  ASSERT_TRUE(tutor.Wait_Main_Window());
  EXPECT_TRUE(Shows_Help(kTutorHelpTitle, kTutorContents));
}

TEST_F(Help_Viewers, TutorHelpButtonAndF1OpenTheHelpFileOnItsContents) {
  Tutor tutor;
  ASSERT_TRUE(tutor.Wait_Main_Window());
  // The "?" button of the title bar: 6525, 60 twips, 420 x 525.
  POINT button{(6525 + 210) / 15, (60 + 262) / 15};
  ClientToScreen(tutor.main, &button);
  tutor.To_Front();
  testkit::Click_At(button);
  EXPECT_TRUE(Shows_Help(kTutorHelpTitle, kTutorContents)) << "help button";
  Close_Viewers(kWinHelpClass);

  tutor.To_Front();
  testkit::Key_Stroke({VK_F1});
  EXPECT_TRUE(Shows_Help(kTutorHelpTitle, kTutorContents)) << "F1";
}

TEST_F(Help_Viewers, TutorTutorialCommandOpensTheTutorialWithItsContentsTree) {
  Tutor tutor;
  ASSERT_TRUE(tutor.Wait_Main_Window());
  tutor.To_Front();
  testkit::Key_Stroke({VK_CONTROL, VK_F1});
  HWND viewer = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (viewer = Find_Visible(kHtmlHelpClass, "青岚键坊打字教程")); }));
  HWND tree = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (tree = Find_Child(viewer, "SysTreeView32")); }));
  std::vector<std::string> items;
  EXPECT_TRUE(testkit::Wait_Until([&] { return (items = Tree_Top_Items(tree)).size() >= 4; }));
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items[0], "欢迎使用青岚键坊打字教程");
  EXPECT_EQ(items[2], "课程");
  EXPECT_EQ(items.back(), "设置与帮助");
}

TEST_F(Help_Viewers, TranslatorUsingHelpOpensTheHelpFileOnItsContents) {
  std::string folder = testkit::Translator_Folder();
  testkit::Process translator(folder + "\\Lingvane.exe", "", folder);
  HWND bar = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (bar = testkit::Find_Window_Of(translator.Id(), "青岚墨译")); }));
  // "使用帮助(&H)" of the settings popup: the help file at the bar's context number.
  PostMessageA(bar, WM_COMMAND, 57666, 0);
  EXPECT_TRUE(Shows_Help("青岚墨译帮助", "青岚墨译把英文软件的菜单"));
  PostMessageA(bar, WM_CLOSE, 0, 0);
  EXPECT_EQ(translator.Wait_Exit(), 0u);
}

}  // namespace
