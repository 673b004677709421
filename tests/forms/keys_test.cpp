// Key preview: the form sees every key first (system keys too), may swallow it, and the same
// preview runs inside nested pumps.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "forms/forms.h"
#include "support.h"

namespace {

using forms_test::Post_Char;
using forms_test::Post_Key;
using forms_test::Pump_For;
using forms_test::Pump_Until;

class Key_Preview : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.Key_Preview = true;
    form_.Border = forms::Border_Style::Fixed_Single;
    form_.Move(0, 0, 6000, 4000);
    form_.On_Design = [&] {
      box_ = &form_.Add<forms::Rich_Text_Box>("RichText_Article_User");
      box_->Move(150, 150, 4500, 2000);
      box_->On_Key_Down = [&](int& key, int shift) {
        log_.push_back("box down " + std::to_string(key) + " " + std::to_string(shift));
      };
      box_->On_Key_Press = [&](int& ascii) { log_.push_back("box press " + std::to_string(ascii)); };
    };
    form_.On_Key_Down = [&](int& key, int shift) {
      log_.push_back("form down " + std::to_string(key) + " " + std::to_string(shift));
      if (key == swallow_) key = 0;
    };
    form_.On_Key_Press = [&](int& ascii) {
      log_.push_back("form press " + std::to_string(ascii));
      if (ascii == 'a') ascii = 'b';  // a handler may change the character
    };
    form_.Show();
  }
  void TearDown() override { form_.Unload(); }

  forms::Form form_;
  forms::Rich_Text_Box* box_ = nullptr;
  std::vector<std::string> log_;
  int swallow_ = -1;
};

TEST_F(Key_Preview, TheFormSeesEachKeyBeforeTheControlThatHasTheFocus) {
  HWND box = box_->Hwnd();
  Post_Key(box, 'A');  // its character comes from the key, as a real key's would
  ASSERT_TRUE(Pump_Until([&] { return box_->Text() == "b"; }));
  std::vector<std::string> expected{"form down 65 0", "box down 65 0", "form press 97",
                                    "box press 98"};
  EXPECT_EQ(log_, expected);
}

TEST_F(Key_Preview, ASwallowedKeyReachesNoControlAndMakesNoCharacter) {
  swallow_ = 'X';
  HWND box = box_->Hwnd();
  // Through the pump as a real key would come: the key-down first, its character from it.
  MSG down{};
  down.hwnd = box;
  down.message = WM_KEYDOWN;
  down.wParam = 'X';
  down.lParam = 1;
  forms::Process_Message(down);
  Pump_For(50);
  EXPECT_EQ(log_, (std::vector<std::string>{"form down 88 0"}));
  EXPECT_EQ(box_->Text(), "");
}

TEST_F(Key_Preview, AltF4AndAltF1ReachTheKeyDownHandlerWithTheAltMask) {
  swallow_ = VK_F4;
  Post_Key(form_.Hwnd(), VK_F1, true);
  Post_Key(box_->Hwnd(), VK_F4, true);  // from inside a control as well
  Post_Key(form_.Hwnd(), VK_F4, true);
  Pump_For(100);
  ASSERT_GE(log_.size(), 3u);
  EXPECT_EQ(log_[0], "form down 112 4");
  EXPECT_EQ(log_[1], "form down 115 4");
  EXPECT_EQ(log_[2], "form down 115 4");
  // Swallowed: the window was not closed.
  EXPECT_TRUE(form_.Loaded());

  // Not swallowed, Alt+F4 closes the form through its unload events.
  swallow_ = -1;
  int mode = -1;
  form_.On_Query_Unload = [&](int&, int m) { mode = m; };
  Post_Key(form_.Hwnd(), VK_F4, true);
  ASSERT_TRUE(Pump_Until([&] { return !form_.Loaded(); }, 5000));
  EXPECT_EQ(mode, forms::Unload_From_Close);
}

TEST_F(Key_Preview, ShiftMaskComesFromTheKeyboardStateAndNestedPumpsPreviewToo) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  int nested_seen = 0;
  form_.On_Key_Up = [&](int& key, int shift) {
    if (key == VK_F2) {
      Post_Key(form_.Hwnd(), VK_F3);
      forms::Wait_Milliseconds(50);  // the next key arrives inside this handler
    } else if (key == VK_F3) {
      nested_seen = shift;
    }
  };
  Post_Key(form_.Hwnd(), VK_F2);
  ASSERT_TRUE(Pump_Until([&] { return nested_seen != 0; }, 5000));
  EXPECT_EQ(nested_seen, 3);
  EXPECT_EQ(log_.front(), "form down 113 3");
  keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

TEST_F(Key_Preview, ADoubleByteCharacterIsOneKeyPressWithItsDoubleByteCode) {
  const std::string zhong = "中";  // D6 D0 in code page 936
  Post_Char(box_->Hwnd(), static_cast<BYTE>(zhong[0]));
  Post_Char(box_->Hwnd(), static_cast<BYTE>(zhong[1]));
  Pump_Until([&] { return box_->Text() == zhong; }, 3000);
  EXPECT_EQ(box_->Text(), zhong);
  EXPECT_EQ(log_, (std::vector<std::string>{"form press 54992", "box press 54992"}));
}

TEST(Key_Events, WithoutPreviewTheFormHearsOnlyKeysAddressedToItself) {
  forms::Form form;
  std::vector<std::string> log;
  forms::Rich_Text_Box* box = nullptr;
  form.On_Design = [&] { box = &form.Add<forms::Rich_Text_Box>("RichText_Free_Type"); };
  form.On_Key_Down = [&](int& key, int) { log.push_back("form " + std::to_string(key)); };
  form.Show();
  Post_Key(box->Hwnd(), 'Q');
  Post_Key(form.Hwnd(), 'W');
  Pump_For(100);
  EXPECT_EQ(log, (std::vector<std::string>{"form 87"}));
  form.Unload();
}

}  // namespace
