// Start-up and exit of the application object: the single-instance guard, which options are
// written back, the program folder.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <thread>

#include "app.h"
#include "options.h"
#include "testkit/testkit.h"
#include "trhook95.h"

namespace {

using Values = std::map<std::string, std::string>;

// Every value of a key as "type:data" text.
Values Read_Values(const std::string& path) {
  Values values;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return values;
  }
  for (DWORD i = 0;; ++i) {
    char name[128];
    BYTE data[512];
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      break;
    std::string text = type == REG_DWORD ? std::to_string(static_cast<int>(*reinterpret_cast<DWORD*>(data)))
                                         : std::string(reinterpret_cast<char*>(data));
    values[name] = (type == REG_DWORD ? "n:" : "s:") + text;
  }
  RegCloseKey(key);
  return values;
}

void Write_Number(const std::string& path, const char* name, int value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  DWORD v = static_cast<DWORD>(value);
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<BYTE*>(&v), sizeof v);
  RegCloseKey(key);
}

// Each case has its own application name (its own options key) and its own guard name.
class TranslatorStartup : public ::testing::Test {
 protected:
  void SetUp() override {
    name_ = std::string("LingvaneStartupTest") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    guard_ = "Larkmoor Wordbridge " + name_;
    keyPath_ = "Software\\Larkmoor\\" + name_;
    optionPath_ = keyPath_ + "\\Option";
    testkit::Delete_User_Key(keyPath_);
    g_TransOptions = TransOptions{};
    g_bRestart = FALSE;
    GetCurrentDirectoryA(MAX_PATH, startDir_);
  }
  void TearDown() override {
    SetCurrentDirectoryA(startDir_);
    SetEnvironmentVariableA("TRHOOK32_FAIL_INIT", nullptr);
    testkit::Delete_User_Key(keyPath_);
  }
  // The guard is free when a new creation does not find it.
  bool Guard_Free() {
    HANDLE h = CreateMutexA(nullptr, FALSE, guard_.c_str());
    bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    CloseHandle(h);
    return !existed;
  }
  std::string name_, guard_, keyPath_, optionPath_;
  char startDir_[MAX_PATH] = {};
};

TEST_F(TranslatorStartup, SecondInstanceEndsAtOnceWritesNothingAndLeavesTheGuardToItsOwner) {
  Write_Number(optionPath_, "ProfDictID", 3);
  Write_Number(optionPath_, "InterfaceStyle", 1);
  Values before = Read_Values(optionPath_);

  HANDLE held = CreateMutexA(nullptr, TRUE, guard_.c_str());  // the first instance
  ASSERT_TRUE(held);
  {
    CLingvaneApp second(name_.c_str(), guard_.c_str());
    second.Main(GetModuleHandleA(nullptr));
    EXPECT_FALSE(second.Settings_Loaded());
    EXPECT_EQ(second.Bar(), nullptr);
    EXPECT_EQ(second.m_pMainWnd, nullptr);
  }
  EXPECT_EQ(Read_Values(optionPath_), before);  // no zeros written over the stored options

  // The guard is still held by this thread: another thread cannot take it.
  DWORD waited = 0;
  std::thread other([&] {
    HANDLE h = OpenMutexA(SYNCHRONIZE, FALSE, guard_.c_str());
    waited = WaitForSingleObject(h, 0);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) ReleaseMutex(h);
    CloseHandle(h);
  });
  other.join();
  EXPECT_EQ(waited, static_cast<DWORD>(WAIT_TIMEOUT));
  ReleaseMutex(held);
  CloseHandle(held);
}

TEST_F(TranslatorStartup, FailedBarStartWritesTheLoadedOptionsBackAndReleasesTheGuard) {
  Write_Number(optionPath_, "ProfDictID", 4);
  Write_Number(optionPath_, "BackgroundImageID", 777);
  SetEnvironmentVariableA("TRHOOK32_FAIL_INIT", "1");
  {
    CLingvaneApp app(name_.c_str(), guard_.c_str());
    app.Main(GetModuleHandleA(nullptr));
    EXPECT_TRUE(app.Settings_Loaded());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
  }
  Values after = Read_Values(optionPath_);
  EXPECT_EQ(after.size(), 19u);
  EXPECT_EQ(after["ProfDictID"], "n:4");
  EXPECT_EQ(after["BackgroundImageID"], "n:129");  // the compact bar's background
  EXPECT_EQ(after["DictHotkey"], "n:393328");
  EXPECT_EQ(after["CurrentCode"], "n:-1");
  EXPECT_EQ(after["DFKCPath"], "s:");
  EXPECT_TRUE(Guard_Free());
}

TEST_F(TranslatorStartup, UnknownInterfaceStyleMakesTheCompactBarAndIsReplacedAtExit) {
  SetEnvironmentVariableA("TRHOOK32_FAIL_INIT", "1");  // ends once the bar has been chosen
  for (int style : {2, -1}) {
    SCOPED_TRACE("InterfaceStyle " + std::to_string(style));
    Write_Number(optionPath_, "InterfaceStyle", style);
    Write_Number(optionPath_, "BackgroundImageID", 205);  // the compact bar's choice replaces it
    {
      CLingvaneApp app(name_.c_str(), guard_.c_str());
      app.Main(GetModuleHandleA(nullptr));
      EXPECT_TRUE(app.Settings_Loaded());
    }
    Values after = Read_Values(optionPath_);
    EXPECT_EQ(after["InterfaceStyle"], "n:0");
    EXPECT_EQ(after["BackgroundImageID"], "n:129");
    EXPECT_EQ(after.size(), 19u);
    EXPECT_TRUE(Guard_Free());
  }
}

// Waits (up to 20 s) for a message box of this process with that caption, closes it with OK
// and gives its text ("" when none came).
std::string Close_Message_Box(const std::string& caption) {
  HWND box = nullptr;
  testkit::Wait_Until([&] { return (box = FindWindowA("#32770", caption.c_str())) != nullptr; });
  if (!box) return "";
  char text[512] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return text;
}

TEST_F(TranslatorStartup, RefusedHookStartTellsTheUserWhyAndEndsCleanly) {
  Write_Number(optionPath_, "ProfDictID", 6);
  // The hook library's hooks are held by a running translator (as far as it can tell, this
  // process).
  HWND holder = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(InitWinHooks(GetCurrentProcessId(), &holder));
  std::string told;
  std::thread user([&] { told = Close_Message_Box(name_); });
  {
    CLingvaneApp app(name_.c_str(), guard_.c_str());
    app.Main(GetModuleHandleA(nullptr));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
  }
  user.join();
  ClearWinHooks();
  DestroyWindow(holder);
  EXPECT_NE(told.find("系统钩子"), std::string::npos) << told;
  Values after = Read_Values(optionPath_);
  EXPECT_EQ(after.size(), 19u);
  EXPECT_EQ(after["ProfDictID"], "n:6");
  EXPECT_TRUE(Guard_Free());
}

TEST_F(TranslatorStartup, ProgramFolderIsTheCurrentDirectoryWithoutTrailingBackslash) {
  SetEnvironmentVariableA("TRHOOK32_FAIL_INIT", "1");  // ends right after the folder is fixed
  struct Case {
    const char* dir;
    const char* appDir;
  };
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string tempDir(temp);
  if (tempDir.back() == '\\') tempDir.pop_back();
  for (const Case& c : {Case{"C:\\", "C:"}, Case{tempDir.c_str(), tempDir.c_str()}}) {
    ASSERT_TRUE(SetCurrentDirectoryA(c.dir));
    CLingvaneApp app(name_.c_str(), guard_.c_str());
    app.Main(GetModuleHandleA(nullptr));
    EXPECT_STREQ(g_szAppDir, c.appDir);
    EXPECT_EQ(app.m_helpFilePath, std::string(c.appDir) + "\\Lingvane.hlp");
  }
}

TEST_F(TranslatorStartup, ApplicationIsNamedAfterItsExecutable) {
  CLingvaneApp app(nullptr, guard_.c_str());
  EXPECT_EQ(app.m_appName, "translator_tests");
}

}  // namespace
