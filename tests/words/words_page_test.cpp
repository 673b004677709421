// The English words page on the real main window: opened from the English menu, words and review
// lines typed with real keys (SendInput to the tutor in front), the round's end box answered,
// the progress in the settings store, and a broken list.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "courses/word_page.h"
#include "forms/forms.h"
#include "screen_table.h"
#include "services/key_table.h"
#include "services/tutor_settings.h"
#include "shell/commands.h"
#include "services/globals.h"
#include "shell/main_form.h"
#include "services/picture_boxes.h"
#include "services/sounds.h"
#include "shell/standins.h"
#include "shell/startup.h"
#include "testkit/course_seams.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

int Preset_Retry_Answer = 0;


INPUT Key(WORD vk, bool up) {
  INPUT i{};
  i.type = INPUT_KEYBOARD;
  i.ki.wVk = vk;
  i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return i;
}
// Presses the keys in order and lets them go in reverse order (a chord such as Shift+A).
void Chord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> in;
  for (WORD k : keys) in.push_back(Key(k, false));
  for (auto it = keys.end(); it != keys.begin();) in.push_back(Key(*--it, true));
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}
WORD Vk(char c) { return c == ' ' ? WORD(VK_SPACE) : WORD(VkKeyScanA(c) & 0xFF); }

forms::Form& Main() { return Form_Quillon(); }
forms::Label& Label_Of(const char* name) { return Main().Get<forms::Label>(name); }
forms::Rich_Text_Box& Box(const char* name) { return Main().Get<forms::Rich_Text_Box>(name); }
forms::Picture_Box& Review_Panel() { return Main().Get<forms::Picture_Box>("Picture_Input_Word"); }
std::vector<int> Pictured_Keys() {
  std::vector<int> slots;
  for (forms::Control* c : Main().Array("Image_Word_Character"))
    if (static_cast<forms::Image*>(c)->Get_Picture()) slots.push_back(c->Index());
  return slots;
}
std::string Stored(const char* section, const char* name) {
  return forms::Tutor_Settings::Get(section, name, "(none)");
}

void Shot(const std::string& name) { Save_Window_Shot(Main().Hwnd(), name); }

const char* const kSections[] = {"Setting\\English\\Word\\Remember\\Studyed Num",
                                 "Setting\\English\\Word\\Remember\\Begin Pos",
                                 "Setting\\English\\Word\\Remember", "Setting\\English\\Word"};

class Words_Page : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "quillon-words-" + std::to_string(GetCurrentProcessId());
    for (const char* f : {"", "\\English", "\\English\\Word"})
      CreateDirectoryA((folder_ + f).c_str(), nullptr);
    List(3, "borrow#v. 借；借用\r\nbrave#adj. 勇敢的\r\ncat#n. 猫\r\n");
    Install_Course_Seams(folder_, boxes, beeps);
    Preset_Retry_Answer = 0;
    Set_Picture_Box_Function([this](Picture_Box_Kind kind) {
      asked.push_back(kind);
      if (kind == Picture_Box_Kind::YesRetryNo) {
        Retry_Dialog_Answer = Preset_Retry_Answer;
        Shot("words-round-end");
      }
    });
    for (const char* s : kSections) forms::Tutor_Settings::Delete_Section(s);
    Register_All_Screens();
    Main().Show();
    SetForegroundWindow(Main().Hwnd());
    ASSERT_TRUE(Pump_Until([] { return GetForegroundWindow() == Main().Hwnd(); }));
  }
  void TearDown() override {
    Stop_Current_Exercise(Main());
    Remove_Course_Seams();
    for (const char* s : kSections) forms::Tutor_Settings::Delete_Section(s);
    for (int i = 0; i < 8; ++i)
      DeleteFileA((folder_ + "\\English\\Word\\" + std::to_string(i) + ".txt").c_str());
    for (const char* f : {"\\English\\Word", "\\English", ""})
      RemoveDirectoryA((folder_ + f).c_str());
  }
  void List(int lesson, const std::string& bytes) {
    ASSERT_TRUE(testkit::Write_File(
        folder_ + "\\English\\Word\\" + std::to_string(lesson) + ".txt", bytes));
  }
  void Open_Words_Page() {
    Do_Menu_Item(Main(), English_Type_Item::Words);
    ASSERT_TRUE(Pump_Until([] { return Current_Panel == 9 && !Panel_Moving; }));
    SetForegroundWindow(Main().Hwnd());
    Pump_For(50);
  }
  // One chord into the box that has the focus; waits until the page has handled it.
  void Press(std::initializer_list<WORD> chord, const std::function<bool()>& done) {
    Chord(chord);
    ASSERT_TRUE(Pump_Until(done, std::chrono::seconds(5)));
    Pump_For(40);  // the key's release
  }
  // A key that changes nothing visible: given time to arrive and be handled.
  void Press_And_Wait(std::initializer_list<WORD> chord) {
    Chord(chord);
    Pump_For(250);
  }
  void Learn_Letters(const std::string& letters) {
    for (char c : letters) {
      const int length = Box("RichText_Input_Word").Text_Length();
      Press({Vk(c)}, [&] { return Box("RichText_Input_Word").Text_Length() == length + 1; });
    }
  }
  void Review_Letters(const std::string& letters) {
    for (char c : letters) {
      const int length = Box("RichText_Input_User").Text_Length();
      Press({Vk(c)}, [&] { return Box("RichText_Input_User").Text_Length() == length + 1; });
    }
  }

  std::string folder_;
  std::vector<std::string> boxes;
  std::vector<Picture_Box_Kind> asked;
  int beeps = 0;
};

TEST_F(Words_Page, TheLearnPhaseJudgesRealKeys) {
  Open_Words_Page();
  EXPECT_EQ(Box("RichText_Source_Word").Text(), "borrow");
  EXPECT_EQ(Box("RichText_Source_Word_Explain").Text(), "v. 借；借用");
  EXPECT_EQ(Label_Of("Label_Word_Course_Name").Caption(), "大学英语1~4级常用词汇  课程1");
  EXPECT_EQ(Label_Of("Label_Word_Num").Caption(), "0");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{1});  // b
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_FALSE(Review_Panel().Visible());

  Learn_Letters("b");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{14});  // o
  // A wrong letter leaves the box at once with the error sound; its key is flashed.
  Press({'K'}, [&] { return beeps == 1; });
  EXPECT_EQ(Box("RichText_Input_Word").Text(), "b");
  EXPECT_EQ(Pictured_Keys(), (std::vector<int>{10, 14}));
  Shot("words-learn");
  // The right key in the wrong case: out again, no key marked; the flash stays until a judged
  // change clears it.
  Press({VK_SHIFT, 'O'}, [&] { return beeps == 2; });
  EXPECT_EQ(Box("RichText_Input_Word").Text(), "b");
  // Ctrl with a letter locks the box: nothing arrives, nothing is flashed or counted.
  Press_And_Wait({VK_CONTROL, 'Q'});
  EXPECT_EQ(Box("RichText_Input_Word").Text(), "b");
  EXPECT_EQ(beeps, 2);
  // Enter before the last letter: the error sound, nothing else.
  Press({VK_RETURN}, [&] { return beeps == 3; });
  EXPECT_EQ(Box("RichText_Source_Word").Text(), "borrow");
  // Backspace: the first letter again.
  Press({VK_BACK}, [&] { return Box("RichText_Input_Word").Text_Length() == 0; });
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{1});
  EXPECT_EQ(Words().Position(), 1);
  Learn_Letters("borrow");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{31});  // Enter
  // Enter ends the word on its key-down and never reaches the next word's box.
  Press({VK_RETURN}, [&] { return Box("RichText_Source_Word").Text() == "brave"; });
  EXPECT_EQ(Box("RichText_Input_Word").Text(), "");
  EXPECT_EQ(Label_Of("Label_Word_Num").Caption(), "1");
  EXPECT_EQ(Stored(kWordStudyedNumSection, "3"), "1");
  EXPECT_EQ(Stored(kWordBeginPosSection, "3"), "21");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Words_Page, ReviewLinesMakeRoundsClosedByTheRoundBox) {
  forms::Tutor_Settings::Save("Setting\\English\\Word", "Words Num", "2");
  forms::Tutor_Settings::Save("Setting\\English\\Word", "Lines Num", "1");
  Open_Words_Page();
  Learn_Letters("borrow");
  Press({VK_RETURN}, [&] { return Box("RichText_Source_Word").Text() == "brave"; });
  Learn_Letters("brave");
  Press({VK_RETURN}, [&] { return Review_Panel().Visible(); });
  EXPECT_EQ(Box("RichText_Input_Source").Text(), "borrow brave");
  EXPECT_FALSE(Box("RichText_Input_Word").Enabled());
  EXPECT_EQ(Box("RichText_Input_User").Text(), "");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{1});
  // A wrong character stays, red; the next one is black.
  Review_Letters("bp");
  Review_Letters("rrow ");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{1});
  Review_Letters("brave");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{31});
  forms::Rich_Text_Box& user = Box("RichText_Input_User");
  EXPECT_EQ(user.Text(), "bprrow brave");
  const auto color_at = [&](int at) {
    user.Select(at, 1);
    const COLORREF color = user.Sel_Color();
    user.Select(user.Text_Length(), 0);
    return color;
  };
  EXPECT_EQ(color_at(0), RGB(0, 0, 0));
  EXPECT_EQ(color_at(1), RGB(255, 0, 0));
  EXPECT_EQ(color_at(2), RGB(0, 0, 0));
  EXPECT_EQ(color_at(11), RGB(0, 0, 0));
  Shot("words-review");
  // Enter ends the line on its release; "Lines Num" 1 closes the round: the next round.
  Preset_Retry_Answer = 0;
  Press({VK_RETURN}, [&] { return !Review_Panel().Visible(); });
  EXPECT_EQ(asked, std::vector<Picture_Box_Kind>{Picture_Box_Kind::YesRetryNo});
  EXPECT_EQ(Box("RichText_Source_Word").Text(), "cat");
  EXPECT_EQ(Box("RichText_Input_Word").Text(), "");
  EXPECT_EQ(Label_Of("Label_Word_Course_Name").Caption(), "大学英语1~4级常用词汇  课程2");
  EXPECT_EQ(Stored(kWordBeginPosSection, "3"), "40");
  EXPECT_EQ(Stored(kWordStudyedNumSection, "3"), "2");
  // The list's last entry ends its group and, after its review line, the lesson.
  Learn_Letters("cat");
  Press({VK_RETURN}, [&] { return Review_Panel().Visible(); });
  Review_Letters("cat");
  Press({VK_RETURN}, [&] { return asked.size() == 2; });
  EXPECT_EQ(asked.back(), Picture_Box_Kind::Yes);
  EXPECT_FALSE(Box("RichText_Input_User").Enabled());
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(Stored(kWordBeginPosSection, "3"), "1");
  EXPECT_EQ(Stored(kWordStudyedNumSection, "3"), "0");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Words_Page, KeyImagesAndTheReviewPanelAreBareSurfacesOfTheWindow) {
  Open_Words_Page();
  forms::Picture_Box& page = Main().Get<forms::Picture_Box>("Picture_BG", 9);
  auto centre = [](forms::Control& c) {
    return POINT{c.Left() + c.Width() / 2, c.Top() + c.Height() / 2};
  };
  // A right press opens the context menu; a left press does not.
  for (int slot : {0, 20, 40}) {
    const POINT at = centre(Main().Get<forms::Image>("Image_Word_Character", slot));
    EXPECT_TRUE(Opens_Context_Menu([&] { Post_Press(page.Hwnd(), at.x, at.y, 2); })) << slot;
    EXPECT_FALSE(Opens_Context_Menu([&] { Post_Press(page.Hwnd(), at.x, at.y, 1); })) << slot;
  }
  Review_Panel().Set_Visible(true);
  Review_Panel().Z_Order(0);
  EXPECT_TRUE(Opens_Context_Menu([&] { Post_Press(Review_Panel().Hwnd(), 150, 150, 2); }));

  // A pointer move over them closes a drop-down menu whose items the pointer has been on.
  const POINT key = centre(Main().Get<forms::Image>("Image_Word_Character", 20));
  const std::pair<HWND, POINT> moves[] = {{page.Hwnd(), key}, {Review_Panel().Hwnd(), {150, 150}}};
  for (const auto& [window, at] : moves) {
    Open_Menu(Main(), Menu::English_Type);
    forms::Picture_Box& menu = Main().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 0);
    ASSERT_TRUE(Pump_Until([&] { return menu.Visible() && !PopMenu_Opening; }));
    Mouse_In_PopMenu = true;
    PostMessageA(window, WM_MOUSEMOVE, 0,
                 MAKELPARAM(forms::Twips_To_Pixels_X(at.x), forms::Twips_To_Pixels_Y(at.y)));
    EXPECT_TRUE(Pump_Until([&] { return !menu.Visible(); }, std::chrono::seconds(3)));
  }
  Review_Panel().Set_Visible(false);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Words_Page, ABadLineFurtherDownStopsTheStartAndAChangeUnderThePracticeEndsIt) {
  // "apple" without its "#" as line 5: nothing starts, nothing is learnt or stored.
  List(3, "borrow#v. 借\r\nbrave#adj. 勇敢的\r\ncat#n. 猫\r\ndog#n. 狗\r\napple\r\n");
  Open_Words_Page();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("3.txt"), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[0].find("第 5 行"), std::string::npos) << boxes[0];
  EXPECT_FALSE(Exercise_Running);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(Box("RichText_Source_Word").Text(), "");
  EXPECT_FALSE(Box("RichText_Input_Word").Enabled());
  EXPECT_EQ(Stored(kWordStudyedNumSection, "3"), "(none)");
  EXPECT_EQ(Stored(kWordBeginPosSection, "3"), "(none)");

  // A good list starts; changed under the practice, the next word says so and the page is idle.
  boxes.clear();
  List(3, "borrow#v. 借\r\nbrave#adj. 勇敢的\r\n");
  Open_Words_Page();
  ASSERT_TRUE(boxes.empty()) << boxes[0];
  ASSERT_EQ(Box("RichText_Source_Word").Text(), "borrow");
  List(3, "borrow#v. 借\r\nbrave adj. 勇敢的\r\n");
  Learn_Letters("borrow");
  Press({VK_RETURN}, [&] { return !boxes.empty(); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("被改动"), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[0].find("第 2 行"), std::string::npos) << boxes[0];
  EXPECT_FALSE(Exercise_Running);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(Box("RichText_Source_Word").Text(), "");
  EXPECT_EQ(Box("RichText_Input_Word").Text(), "");
  EXPECT_FALSE(Box("RichText_Input_Word").Enabled());
  EXPECT_TRUE(Pictured_Keys().empty());
  EXPECT_EQ(Label_Of("Label_Word_Num").Caption(), "");
  EXPECT_EQ(Stored(kWordBeginPosSection, "3"), "(none)");
  Shot("words-list-changed");
  // Opening the page again starts the list (good again) from its start.
  boxes.clear();
  List(3, "borrow#v. 借\r\nbrave#adj. 勇敢的\r\n");
  Open_Words_Page();
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(Exercise_Running);
  EXPECT_EQ(Box("RichText_Source_Word").Text(), "borrow");
}

TEST_F(Words_Page, ABrokenListIsNamedAndNothingStarts) {
  List(3, "borrow v. 借\r\n");
  forms::Tutor_Settings::Save(kWordStudyedNumSection, "3", "4");
  Open_Words_Page();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("3.txt"), std::string::npos);
  EXPECT_NE(boxes[0].find("第 1 行"), std::string::npos);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(Box("RichText_Source_Word").Text(), "");
  EXPECT_EQ(Stored(kWordStudyedNumSection, "3"), "4");
  EXPECT_EQ(Stored(kWordBeginPosSection, "3"), "(none)");
}

// The shipped entries with the longest explanations, each shown as the first word of a lesson:
// the explanation box shows the whole explanation without scrolling.
TEST_F(Words_Page, TheLongestShippedExplanationsShowWhole) {
  std::vector<std::string> lines;
  for (int lesson = 0; lesson < 8; ++lesson) {
    for (const std::string& line : testkit::Read_Lines(
             testkit::Tutor_Folder() + "\\English\\Word\\" + std::to_string(lesson) + ".txt")) {
      lines.push_back(line);
    }
  }
  ASSERT_GE(lines.size(), 20000u);
  auto explanation_bytes = [](const std::string& line) { return line.size() - line.find('#'); };
  std::stable_sort(lines.begin(), lines.end(), [&](const std::string& a, const std::string& b) {
    return explanation_bytes(a) > explanation_bytes(b);
  });
  for (size_t i = 0; i < 6; ++i) {
    const std::string& line = lines[i];
    List(3, line + "\r\n");
    Open_Words_Page();
    forms::Rich_Text_Box& explain = Box("RichText_Source_Word_Explain");
    ASSERT_EQ(explain.Text(), line.substr(line.find('#') + 1)) << line;
    const HWND box = explain.Hwnd();
    RECT client;
    GetClientRect(box, &client);
    const int last_line = static_cast<int>(SendMessageA(box, EM_GETLINECOUNT, 0, 0)) - 1;
    auto line_top = [&](int n) {
      POINTL at{};
      SendMessageA(box, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at),
                   SendMessageA(box, EM_LINEINDEX, n, 0));
      return static_cast<int>(at.y);
    };
    EXPECT_EQ(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << line;
    if (last_line > 0) {
      const int height = line_top(1) - line_top(0);
      EXPECT_LE(line_top(last_line) + height, client.bottom) << line << ": " << last_line + 1 << " lines";
    }
    if (i == 0) Shot("words-longest-explanation");
    Stop_Current_Exercise(Main());
  }
}

}  // namespace
}  // namespace quillon
