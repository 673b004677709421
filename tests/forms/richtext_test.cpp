// The rich-text box of the typing boxes: positions, selection, colour, change event, locking,
// maximum length, file load and search.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "forms/forms.h"
#include "support.h"

namespace {

using forms_test::Post_Char;
using forms_test::Pump_For;
using forms_test::Pump_Until;

class Rich_Text : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.Move(0, 0, 7000, 5000);
    form_.On_Design = [&] {
      box_ = &form_.Add<forms::Rich_Text_Box>("RichText_Overwrite");
      box_->Move(150, 150, 6000, 3000);
      box_->On_Change = [&] { ++changes_; };
    };
    form_.Show();
  }
  void TearDown() override { form_.Unload(); }
  forms::Form form_;
  forms::Rich_Text_Box* box_ = nullptr;
  int changes_ = 0;
};

TEST_F(Rich_Text, ALineBreakCountsTwoPositionsAndAChineseCharacterOne) {
  box_->Set_Text("ab\r\ncd\r\n中文x");
  EXPECT_EQ(box_->Text(), "ab\r\ncd\r\n中文x");
  EXPECT_EQ(box_->Text_Length(), 11);
  EXPECT_EQ(box_->Find("cd"), 4);
  EXPECT_EQ(box_->Sel_Start(), 4);
  EXPECT_EQ(box_->Sel_Length(), 2);
  EXPECT_EQ(box_->Sel_Text(), "cd");
  box_->Select(2, 1);  // a line break selected alone reads back empty
  EXPECT_EQ(box_->Sel_Text(), "");
  box_->Select(2, 2);
  EXPECT_EQ(box_->Sel_Text(), "\r\n");
  box_->Select(9, 1);
  EXPECT_EQ(box_->Sel_Text(), "文");
  EXPECT_EQ(box_->Find("X"), 10);  // case not regarded
  EXPECT_EQ(box_->Find("X", 0, true), -1);
  EXPECT_EQ(box_->Find("nothing"), -1);
  EXPECT_EQ(box_->Find("c", 5), -1);  // from position 5 on
}

TEST_F(Rich_Text, ChangeFiresOnlyWhenTheTextReallyChanged) {
  box_->Set_Text("hello");
  EXPECT_EQ(changes_, 1);
  box_->Set_Text("hello");  // same text
  box_->Select(1, 2);
  box_->Set_Sel_Color(RGB(255, 0, 0));  // colour only
  box_->Set_Font("Courier New", 12);
  box_->Set_Locked(true);
  box_->Set_Locked(false);
  Pump_For(50);
  EXPECT_EQ(changes_, 1);
  box_->Set_Sel_Text("EL");
  EXPECT_EQ(box_->Text(), "hELlo");
  EXPECT_EQ(changes_, 2);
  // Typed by the user.
  box_->Set_Sel_Start(5);
  Post_Char(box_->Hwnd(), '!');
  ASSERT_TRUE(Pump_Until([&] { return changes_ == 3; }, 5000));
  EXPECT_EQ(box_->Text(), "hELlo!");
  Pump_For(50);
  EXPECT_EQ(changes_, 3);
}

TEST_F(Rich_Text, SelectionColourReadsBackAndCollapsingKeepsTheCaret) {
  box_->Set_Text("abcdef");
  box_->Select(2, 1);
  box_->Set_Sel_Color(RGB(255, 0, 0));
  box_->Select(3, 1);
  box_->Set_Sel_Color(RGB(0, 0, 255));
  box_->Select(2, 1);
  EXPECT_EQ(box_->Sel_Color(), RGB(255, 0, 0));
  box_->Select(3, 1);
  EXPECT_EQ(box_->Sel_Color(), RGB(0, 0, 255));
  box_->Set_Sel_Length(0);
  EXPECT_EQ(box_->Sel_Start(), 3);
  EXPECT_EQ(box_->Sel_Length(), 0);
}

TEST_F(Rich_Text, LockedRefusesTypingAndMaximumLengthLimitsIt) {
  box_->Set_Text("ab");
  box_->Set_Sel_Start(2);
  box_->Set_Locked(true);
  Post_Char(box_->Hwnd(), 'x');
  Pump_For(100);
  EXPECT_EQ(box_->Text(), "ab");
  EXPECT_EQ(changes_, 1);
  box_->Set_Text("abc");  // the program still writes
  EXPECT_EQ(box_->Text(), "abc");
  box_->Set_Locked(false);
  box_->Set_Max_Length(4);
  box_->Set_Sel_Start(3);
  for (char c : std::string("xyz")) Post_Char(box_->Hwnd(), c);
  Pump_For(150);
  EXPECT_EQ(box_->Text(), "abcx");
}

TEST_F(Rich_Text, LoadsAPlainTextFileAndReportsAMissingOne) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  std::string path = std::string(dir) + "forms_rt_" + std::to_string(GetCurrentProcessId()) + ".txt";
  {
    std::ofstream out(path, std::ios::binary);
    out << "第一行\r\nline two\r\n";
  }
  box_->Load_File(path);
  EXPECT_EQ(box_->Text(), "第一行\r\nline two\r\n");
  EXPECT_EQ(box_->Find("two"), 10);
  EXPECT_EQ(changes_, 1);
  DeleteFileA(path.c_str());
  try {
    box_->Load_File(path);
    ADD_FAILURE();
  } catch (const forms::Runtime_Error& e) {
    EXPECT_EQ(e.Number(), 53);
  }
}

TEST_F(Rich_Text, DisabledOrHiddenBoxCannotTakeTheFocus) {
  box_->Set_Enabled(false);
  EXPECT_FALSE(IsWindowEnabled(box_->Hwnd()));
  EXPECT_THROW(box_->Set_Focus(), forms::Runtime_Error);
  box_->Set_Enabled(true);
  box_->Set_Visible(false);
  EXPECT_THROW(box_->Set_Focus(), forms::Runtime_Error);
  box_->Set_Visible(true);
}

}  // namespace
