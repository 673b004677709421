// trhook32 translating a program with two user-interface threads (twinui.exe): the command
// runs in the main thread and changes the second thread's window too, while the second thread
// keeps changing its own label. Nothing may hang, and restoring gives every text back.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "menu_probe.h"
#include "package.h"
#include "testkit/testkit.h"
#include "twin_package.h"
#include "translate_logic.h"
#include "trhook32.h"

namespace {

using namespace std::chrono_literals;

std::string Text_Of(HWND h) {
  wchar_t text[256] = {};
  GetWindowTextW(h, text, 256);
  char ansi[600] = {};
  WideCharToMultiByte(936, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
  return ansi;
}

// Both threads answer within the wait.
bool Answers(HWND h) {
  DWORD_PTR result;
  return SendMessageTimeoutA(h, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
}

std::string Exe_Folder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\'));
}

class Trhook32Threads : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    base_ = std::string(temp) + "trhook32-threads-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(base_.c_str(), nullptr);
    CreateDirectoryA((base_ + "\\DIC").c_str(), nullptr);
    std::string bytes;
    ASSERT_TRUE(Twin_Package_Bytes(&bytes));
    ASSERT_TRUE(testkit::Write_File(base_ + "\\DIC\\twinui.lvd", bytes));
    GetCurrentDirectoryA(MAX_PATH, savedDir_);
    SetCurrentDirectoryA(base_.c_str());
    compare_ = CreateWindowExA(0, "STATIC", "compare", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
    ASSERT_TRUE(InitHooks32(compare_));
    SetChnEngMenu32(0);
    SetUserDict32(0);
    SetProfDictID32(-1);
    twin_ = std::make_unique<testkit::Process>(Exe_Folder() + "\\twinui.exe", "", base_);
    ASSERT_TRUE(testkit::Wait_Until([&] {
      main_ = testkit::Find_Window_Of(twin_->Id(), "Twin Main");
      second_ = testkit::Find_Window_Of(twin_->Id(), "Twin Second");
      return main_ && second_;
    }));
    button_ = FindWindowExA(main_, nullptr, "Button", nullptr);
    label_ = FindWindowExA(main_, nullptr, "Static", nullptr);
    secondLabel_ = FindWindowExA(second_, nullptr, "Static", nullptr);
    ASSERT_TRUE(button_ && label_ && secondLabel_);
  }
  void TearDown() override {
    twin_.reset();  // ends it, hung or not
    ClearHooks32();
    DestroyWindow(compare_);
    SetCurrentDirectoryA(savedDir_);
    DeleteFileA((base_ + "\\DIC\\twinui.lvd").c_str());
    RemoveDirectoryA((base_ + "\\DIC").c_str());
    RemoveDirectoryA(base_.c_str());
  }
  std::vector<std::string> Menus() { return menu_probe::Menu_Texts(main_, twin_->Id()); }
  // The second thread's label shows one of its two texts, in the language wanted.
  bool Second_Label_In(const char* a, const char* b) {
    return testkit::Wait_Until([&] {
      std::string t = Text_Of(secondLabel_);
      return t == a || t == b;
    }, 5s);
  }

  std::string base_;
  char savedDir_[MAX_PATH] = {};
  HWND compare_ = nullptr;
  std::unique_ptr<testkit::Process> twin_;
  HWND main_ = nullptr, second_ = nullptr, button_ = nullptr, label_ = nullptr,
       secondLabel_ = nullptr;
};

TEST_F(Trhook32Threads, BothThreadsAreLocalisedAndRestoredWithoutAHang) {
  const std::vector<std::string> english = Menus();
  ASSERT_EQ(english, (std::vector<std::string>{"0 &File", "1 E&xit"}));
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    ASSERT_TRUE(SetTransFlag32(main_, TRANS_MODE_LOCALISE));
    ASSERT_TRUE(Answers(main_));
    ASSERT_TRUE(Answers(second_));
    EXPECT_EQ(Text_Of(main_), "双线主窗");
    EXPECT_EQ(Text_Of(second_), "双线副窗");
    EXPECT_EQ(Text_Of(button_), "打开(&O)");
    EXPECT_EQ(Text_Of(label_), "就绪");
    EXPECT_TRUE(Second_Label_In("等待中", "工作中")) << Text_Of(secondLabel_);
    EXPECT_EQ(Menus(), (std::vector<std::string>{"0 文件(&F)", "1 退出(&X)"}));
    if (round == 0) {
      testkit::Save_Screen_Bitmap(testkit::Build_Folder() + "\\trhook32-two-threads.bmp",
                                  RECT{40, 100, 740, 300});
    }

    ASSERT_TRUE(SetTransFlag32(main_, TRANS_MODE_RESTORE));
    ASSERT_TRUE(Answers(main_));
    ASSERT_TRUE(Answers(second_));
    EXPECT_EQ(Text_Of(main_), "Twin Main");
    EXPECT_EQ(Text_Of(second_), "Twin Second");
    EXPECT_EQ(Text_Of(button_), "&Open");
    EXPECT_EQ(Text_Of(label_), "Ready");
    EXPECT_TRUE(Second_Label_In("Waiting", "Working")) << Text_Of(secondLabel_);
    EXPECT_EQ(Menus(), english);
  }
}

TEST_F(Trhook32Threads, TheBilingualSwitchRedrawsALocalisedProgramsMenusAtOnce) {
  ASSERT_TRUE(SetTransFlag32(main_, TRANS_MODE_LOCALISE));
  ASSERT_EQ(Menus(), (std::vector<std::string>{"0 文件(&F)", "1 退出(&X)"}));
  SetChnEngMenu32(1);
  const std::vector<std::string> both = {"0 " + trhook32::Bilingual_Text("&File", "文件(&F)"),
                                         "1 " + trhook32::Bilingual_Text("E&xit", "退出(&X)")};
  ASSERT_EQ(both[0], "0 文件 | File(&F)");
  EXPECT_TRUE(testkit::Wait_Until([&] { return Menus() == both; }, 10s));
  SetChnEngMenu32(0);
  EXPECT_TRUE(testkit::Wait_Until(
      [&] { return Menus() == std::vector<std::string>{"0 文件(&F)", "1 退出(&X)"}; }, 10s));
  // A program that is not localised keeps its menus.
  ASSERT_TRUE(SetTransFlag32(main_, TRANS_MODE_RESTORE));
  SetChnEngMenu32(1);
  testkit::Pump_For(500ms);
  EXPECT_EQ(Menus(), (std::vector<std::string>{"0 &File", "1 E&xit"}));
  SetChnEngMenu32(0);
  EXPECT_TRUE(Answers(main_));
  EXPECT_TRUE(Answers(second_));
}

}  // namespace
