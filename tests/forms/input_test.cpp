// Real input: the foreground form, keys from SendInput and the key-sending call, the pointer.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "support.h"
#include "testkit/testkit.h"

namespace {

using forms_test::Post_Click;
using forms_test::Post_Move;
using forms_test::Pump_For;
using forms_test::Pump_Until;

void Send(std::vector<std::pair<WORD, bool>> keys) {
  std::vector<INPUT> in;
  for (auto [vk, up] : keys) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    in.push_back(i);
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

class Foreground_Form : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.Key_Preview = true;
    form_.Border = forms::Border_Style::Fixed_Single;
    form_.Move(1500, 1500, 6000, 4000);
    form_.On_Design = [&] {
      box_ = &form_.Add<forms::Rich_Text_Box>("RichText_Overwrite");
      box_->Move(150, 150, 4500, 2000);
      box_->On_Key_Down = [&](int& key, int shift) {
        log_.push_back("box down " + std::to_string(key) + " " + std::to_string(shift));
      };
      edit_ = &form_.Add<forms::Native_Control>("Text_Name");
      edit_->Set_Class("EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP);
      edit_->Move(150, 2300, 2000, 330);
      edit_->Set_Font("宋体", 10.5);
      combo_ = &form_.Add<forms::Native_Control>("Combo_Name");
      combo_->Set_Class("COMBOBOX", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP);
      combo_->Move(2400, 2300, 2000, 1500);
      combo_->Set_Font("宋体", 10.5);
    };
    form_.On_Key_Down = [&](int& key, int shift) {
      log_.push_back("form down " + std::to_string(key) + " " + std::to_string(shift));
      if (key == VK_F4 && shift == 4) key = 0;  // the tutor's command key acts instead
    };
    form_.Show();
    SetForegroundWindow(form_.Hwnd());
    ASSERT_TRUE(Pump_Until([&] { return GetForegroundWindow() == form_.Hwnd(); }, 5000));
    box_->Set_Focus();
    Pump_For(50);
    log_.clear();
  }
  void TearDown() override { form_.Unload(); }
  bool Logged(const std::string& line) {
    return std::find(log_.begin(), log_.end(), line) != log_.end();
  }
  forms::Form form_;
  forms::Rich_Text_Box* box_ = nullptr;
  forms::Native_Control* edit_ = nullptr;
  forms::Native_Control* combo_ = nullptr;
  std::vector<std::string> log_;
};

TEST_F(Foreground_Form, RealAltF4AndAltF1ReachTheFormFirstAndCanBeSwallowed) {
  Send({{VK_MENU, false}, {VK_F4, false}, {VK_F4, true}, {VK_MENU, true}});
  ASSERT_TRUE(Pump_Until([&] { return Logged("form down 115 4"); }, 5000));
  Send({{VK_MENU, false}, {VK_F1, false}, {VK_F1, true}, {VK_MENU, true}});
  ASSERT_TRUE(Pump_Until([&] { return Logged("box down 112 4"); }, 5000));
  EXPECT_TRUE(Logged("form down 112 4"));
  EXPECT_FALSE(Logged("box down 115 4"));  // swallowed by the form
  Pump_For(100);
  EXPECT_TRUE(form_.Loaded());
}

TEST_F(Foreground_Form, SendKeysTypesIntoTheFocusedBoxAndALonePlusIsAShiftKeystroke) {
  forms::Send_Keys("ab{BS}c");
  ASSERT_TRUE(Pump_Until([&] { return box_->Text() == "ac"; }, 5000));
  log_.clear();
  forms::Send_Keys("+", true);
  ASSERT_TRUE(Pump_Until([&] { return Logged("box down 16 1"); }, 5000));
  EXPECT_EQ(log_.front(), "form down 16 1");
  EXPECT_EQ(box_->Text(), "ac");
  // A Chinese character goes as one character.
  int press = 0;
  form_.On_Key_Press = [&](int& ascii) { press = ascii; };
  forms::Send_Keys("中");
  Pump_Until([&] { return box_->Text() == "ac中"; }, 3000);
  EXPECT_EQ(box_->Text(), "ac中");
  EXPECT_EQ(press, 0xD6D0);
}

// Chinese reaches every kind of text box whole: typed as keyboard characters, handed over by
// the input method (WM_IME_CHAR) and pasted from Unicode text; each box reads it back in code
// page 936, and the key events see one double-byte code a character.
TEST_F(Foreground_Form, ChineseIsTypedPastedAndReadBackInEveryKindOfTextBox) {
  struct Box {
    const char* kind;
    forms::Control* control;
    std::function<std::string()> text;
    std::function<void()> empty;
  };
  const Box boxes[] = {
      {"edit", edit_, [&] { return edit_->Text(); }, [&] { edit_->Set_Text(""); }},
      {"combo", combo_, [&] { return combo_->Text(); }, [&] { combo_->Set_Text(""); }},
      {"rich", box_, [&] { return box_->Text(); }, [&] { box_->Set_Text(""); }},
  };
  std::vector<int> presses;
  form_.On_Key_Press = [&](int& ascii) { presses.push_back(ascii); };
  for (const Box& b : boxes) {
    SCOPED_TRACE(b.kind);
    b.empty();
    SetFocus(b.control->Hwnd());
    ASSERT_TRUE(Pump_Until([&] { return IsChild(b.control->Hwnd(), GetFocus()) ||
                                        GetFocus() == b.control->Hwnd(); }, 5000));
    const HWND typing = GetFocus();
    presses.clear();
    testkit::Type_Characters("张三");
    Pump_Until([&] { return b.text() == "张三"; }, 5000);
    EXPECT_EQ(b.text(), "张三");
    EXPECT_EQ(presses, (std::vector<int>{0xD5C5, 0xC8FD}));
    for (WPARAM code : testkit::Double_Byte_Codes("李四")) PostMessageA(typing, WM_IME_CHAR, code, 1);
    Pump_Until([&] { return b.text() == "张三李四"; }, 5000);
    EXPECT_EQ(b.text(), "张三李四");
    ASSERT_TRUE(testkit::Put_Clipboard_Text("王五"));
    testkit::Key_Stroke({VK_CONTROL, 'V'});
    Pump_Until([&] { return b.text() == "张三李四王五"; }, 5000);
    EXPECT_EQ(b.text(), "张三李四王五");
    testkit::Shot_Window(form_.Hwnd(), std::string("chinese-") + b.kind);
  }
}

// Three images overlap; the pointer goes to the topmost visible one, leaving fires on the way.
TEST_F(Foreground_Form, ReactivatedFormGivesTheFocusBackToItsControl) {
  int got = 0, lost = 0;
  box_->On_Got_Focus = [&] { ++got; };
  box_->On_Lost_Focus = [&] { ++lost; };
  forms::Form other;
  other.Show();
  SetForegroundWindow(other.Hwnd());
  ASSERT_TRUE(Pump_Until([&] { return lost == 1; }, 5000));
  EXPECT_NE(GetFocus(), box_->Hwnd());
  SetForegroundWindow(form_.Hwnd());
  ASSERT_TRUE(Pump_Until([&] { return got == 1; }, 5000));
  EXPECT_EQ(GetFocus(), box_->Hwnd());
  other.Unload();
}

TEST(Windowless, MouseGoesToTheTopmostVisibleImageAndLeaveFiresWhenItMovesOn) {
  forms::Form form;
  form.Border = forms::Border_Style::None;
  form.Move(0, 0, 6000, 3000);
  std::vector<std::string> log;
  form.On_Design = [&] {
    for (int i = 0; i < 3; ++i) {
      auto& image = form.Add<forms::Image>("Image_Function_Module", i);
      image.Set_Stretch(true);
      image.Move(i * 750, 0, 1500, 1500);  // 0-100, 50-150, 100-200 pixels
      image.On_Mouse_Move = [&, i](int, int, int x, int) {
        log.push_back("move " + std::to_string(i) + " " + std::to_string(x));
      };
      image.On_Mouse_Leave = [&, i] { log.push_back("leave " + std::to_string(i)); };
      image.On_Click = [&, i] { log.push_back("click " + std::to_string(i)); };
    }
  };
  // The real pointer rests low on the form (on no image); the posted messages all come along
  // the top row. Real moves of the resting pointer may come late (the pointer's own events
  // reach the window asynchronously, after posted messages), so they are told apart by their
  // height and never logged.
  bool rested = false;
  form.On_Mouse_Move = [&](int, int, int, int y) {
    if (y >= 1500) rested = true;
    else log.push_back("form move");
  };
  form.On_Click = [&] { log.push_back("form click"); };
  form.Topmost = true;
  form.Show();
  HWND h = form.Hwnd();
  // The real pointer rests on the form, so that the form is not left meanwhile.
  SetForegroundWindow(h);
  SetCursorPos(340, 150);
  SetCursorPos(350, 150);
  ASSERT_TRUE(forms_test::Pump_Until([&] { return rested; }, 30000));
  log.clear();
  Post_Move(h, 10, 10);    // image 0 only
  Post_Move(h, 60, 10);    // 0 and 1 overlap: 1 is on top
  Post_Click(h, 120, 10);  // 1 and 2 overlap: 2
  Post_Move(h, 300, 10);   // nothing: the form itself
  ASSERT_TRUE(forms_test::Pump_Until([&] { return log.size() >= 8; }, 30000));
  form.Get<forms::Image>("Image_Function_Module", 2).Set_Visible(false);
  Post_Click(h, 120, 10);  // image 2 hidden: image 1 gets it
  Post_Move(h, 300, 10);   // back onto the form, where the real pointer is
  ASSERT_TRUE(forms_test::Pump_Until([&] { return log.size() >= 12; }, 30000));
  forms_test::Pump_For(100);  // nothing more comes
  std::vector<std::string> expected{
      "move 0 150", "leave 0", "move 1 150", "leave 1",     "move 2 300", "click 2",
      "leave 2",    "form move", "move 1 1050", "click 1", "leave 1",     "form move"};
  EXPECT_EQ(log, expected);
  form.Unload();
}

}  // namespace
