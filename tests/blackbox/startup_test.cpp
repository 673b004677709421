// The real programs, started as a user would start them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "testkit/testkit.h"

namespace {

const char kTitle[] = "青岚键坊";
const char kSettings[] = "Software\\Larkmoor\\QL\\Setting";

void Set_Setting(const std::string& section, const char* name, const char* value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kSettings) + section).c_str(), 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                 static_cast<DWORD>(strlen(value) + 1));
  RegCloseKey(key);
}

bool Setting_Exists(const std::string& section, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kSettings) + section).c_str(), 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  bool found = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(key);
  return found;
}

void Delete_Setting(const std::string& section, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kSettings) + section).c_str(), 0,
                    KEY_SET_VALUE, &key) != ERROR_SUCCESS)
    return;
  RegDeleteValueA(key, name);
  RegCloseKey(key);
}

// Ends the help program the tutor started, if any (found by its window, ended by its id).
void End_Help_Program() {
  for (int i = 0; i < 10; ++i) {
    HWND help = FindWindowA("MS_WINHELP", nullptr);
    if (!help) return;
    DWORD pid = 0;
    GetWindowThreadProcessId(help, &pid);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

// The tutor plays its music when it starts; each test leaves the test desktop's sound device as
// it started, its file empty.
struct Tutor {
  explicit Tutor(const std::string& args = "", std::string folder = testkit::Tutor_Folder())
      : process(folder + "\\Quillon.exe", args, folder) {}
  ~Tutor() {
    process.Wait_Exit(std::chrono::seconds(5));
    testkit::Empty_Sound_Output();
  }
  HWND Main_Window() {
    HWND main = nullptr;
    testkit::Wait_Until([&] { return (main = testkit::Find_Window_Of(process.Id(), kTitle)); });
    return main;
  }
  testkit::Process process;
};

TEST(TutorProgram, StartsShowsItsWindowAndClosesCleanly) {
  Tutor tutor;
  ASSERT_TRUE(tutor.process.Started());
  HWND main = tutor.Main_Window();
  ASSERT_TRUE(main);
  // The splash is gone once the main window is up.
  EXPECT_TRUE(testkit::Wait_Until([&] { return !testkit::Find_Window_Of(tutor.process.Id(), "闪屏"); }));
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tutor.process.Wait_Exit(), 0u);
}

TEST(TutorProgram, ExitsOnItsCommandKeys) {
  for (WORD modifier : {WORD(VK_CONTROL), WORD(0)}) {
    Tutor tutor;
    HWND main = tutor.Main_Window();
    ASSERT_TRUE(main);
    SetForegroundWindow(main);
    ASSERT_TRUE(testkit::Wait_Until([&] { return GetForegroundWindow() == main; }));
    std::vector<INPUT> keys;
    auto key = [&](WORD vk, bool up) {
      INPUT i{};
      i.type = INPUT_KEYBOARD;
      i.ki.wVk = vk;
      i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      keys.push_back(i);
    };
    WORD vk = modifier ? WORD('Q') : WORD(VK_F12);  // Ctrl+Q, then the default close key F12
    if (modifier) key(modifier, false);
    key(vk, false);
    key(vk, true);
    if (modifier) key(modifier, true);
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    EXPECT_EQ(tutor.process.Wait_Exit(), 0u) << (modifier ? "Ctrl+Q" : "F12");
  }
}

TEST(TutorProgram, ASecondStartBringsTheFirstForwardAndEnds) {
  Tutor first;
  HWND main = first.Main_Window();
  ASSERT_TRUE(main);
  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(testkit::Wait_Until([&] { return IsIconic(main) != FALSE; }));

  Tutor second;
  ASSERT_TRUE(second.process.Started());
  EXPECT_EQ(second.process.Wait_Exit(), 0u);
  EXPECT_TRUE(testkit::Wait_Until([&] { return !IsIconic(main); }));
  EXPECT_TRUE(testkit::Wait_Until([&] { return GetForegroundWindow() == main; }))
      << "in front: " << GetForegroundWindow();

  // While the About box is open (About Flag "1") a second start raises nothing.
  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(testkit::Wait_Until([&] { return IsIconic(main) != FALSE; }));
  Set_Setting("\\System", "About Flag", "1");
  Tutor third;
  EXPECT_EQ(third.process.Wait_Exit(), 0u);
  Sleep(300);
  EXPECT_TRUE(IsIconic(main));
  Delete_Setting("\\System", "About Flag");

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(first.process.Wait_Exit(), 0u);
}

TEST(TutorProgram, ResetFlagFileDeletesTheStoredSettingsOnce) {
  std::string flag_file = testkit::Tutor_Folder() + "\\index.txt";
  std::string kept = testkit::Read_File(flag_file);
  Set_Setting("\\Game\\Frog\\Remember", "Lesson", "3");
  testkit::Write_File(flag_file, "1\r\n");
  {
    Tutor tutor;
    HWND main = tutor.Main_Window();
    ASSERT_TRUE(main);
    EXPECT_FALSE(Setting_Exists("\\Game\\Frog\\Remember", "Lesson"));
    EXPECT_EQ(testkit::Read_File(flag_file), "0\r\n");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(tutor.process.Wait_Exit(), 0u);
  }
  // "0" keeps everything.
  Set_Setting("\\Game\\Frog\\Remember", "Lesson", "3");
  {
    Tutor tutor;
    HWND main = tutor.Main_Window();
    ASSERT_TRUE(main);
    EXPECT_TRUE(Setting_Exists("\\Game\\Frog\\Remember", "Lesson"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(tutor.process.Wait_Exit(), 0u);
  }
  Delete_Setting("\\Game\\Frog\\Remember", "Lesson");
  testkit::Write_File(flag_file, kept);
}

TEST(TutorProgram, WithoutItsResourceLibraryItSaysSoAndEnds) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "quillon-without-lib";
  CreateDirectoryA(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA((testkit::Tutor_Folder() + "\\Quillon.exe").c_str(),
                        (folder + "\\Quillon.exe").c_str(), FALSE));
  Tutor tutor("", folder);
  ASSERT_TRUE(tutor.process.Started());
  HWND box = nullptr;
  ASSERT_TRUE(testkit::Wait_Until(
      [&] { return (box = testkit::Find_Window_Of(tutor.process.Id(), "严重错误")); }));
  char text[128] = {};
  HWND label = FindWindowExA(box, nullptr, "Static", nullptr);
  while (label && !GetWindowTextA(label, text, sizeof text))
    label = FindWindowExA(box, label, "Static", nullptr);
  EXPECT_STREQ(text, "Not Found artpack.dll !!!");
  EXPECT_FALSE(testkit::Find_Window_Of(tutor.process.Id(), kTitle));
  EXPECT_FALSE(testkit::Find_Window_Of(tutor.process.Id(), "闪屏"));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_NE(tutor.process.Wait_Exit(), STILL_ACTIVE);
  DeleteFileA((folder + "\\Quillon.exe").c_str());
  DeleteFileA((folder + "\\index.txt").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(TutorProgram, HelpSwitchOpensHelpAndOtherWordsDoNot) {
  End_Help_Program();
  {
    Tutor tutor("/help");
    HWND main = tutor.Main_Window();
    ASSERT_TRUE(main);
    Sleep(1000);
    EXPECT_FALSE(FindWindowA("MS_WINHELP", nullptr));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(tutor.process.Wait_Exit(), 0u);
  }
  for (const char* help : {"/h", "/?"}) {
    Tutor tutor(help);
    HWND main = tutor.Main_Window();
    ASSERT_TRUE(main) << help;
    // The help program starts and the tutor runs on.
    EXPECT_TRUE(testkit::Wait_Until([] { return FindWindowA("MS_WINHELP", nullptr) != nullptr; }))
        << help;
    End_Help_Program();
    EXPECT_TRUE(IsWindow(main)) << help;
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(tutor.process.Wait_Exit(), 0u) << help;
  }
}

TEST(TranslatorProgram, StartsFromItsFolderAndClosesCleanly) {
  std::string folder = testkit::Translator_Folder();
  testkit::Process translator(folder + "\\Lingvane.exe", "", folder);
  ASSERT_TRUE(translator.Started());
  HWND bar = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (bar = testkit::Find_Window_Of(translator.Id(), "青岚墨译")); }));
  PostMessageA(bar, WM_CLOSE, 0, 0);
  EXPECT_EQ(translator.Wait_Exit(), 0u);
}

}  // namespace
