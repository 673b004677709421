// Police and thief on the real main window: started by Enter and by its button, typed with real
// keys (right, wrong, obstacle, Backspace, Delete, Enter), paused twice, won and lost through the
// end boxes, with the level and the text position in the settings store.
#include "games_fixture.h"

#include <atomic>
#include <iostream>
#include <thread>

#include "games/game_rules.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/utilities.h"

namespace quillon {
namespace {

const char kPolice[] = "Setting\\Game\\Police";
const char kRemember[] = "Setting\\Game\\Police\\Remember";

forms::Form& Main_Form() { return Main_Window(); }
forms::Rich_Text_Box& Line(int i) {
  return Main_Form().Get<forms::Rich_Text_Box>("RichText_Game_Police", i);
}
forms::Image& Button(int i) { return Game_Button_Image(Police_Frame(), i); }
forms::Image& Thief() { return Main_Form().Get<forms::Image>("Image_Chief"); }
forms::Image& Police() { return Main_Form().Get<forms::Image>("Image_Police"); }
forms::Image& Halt_Sign() { return Main_Form().Get<forms::Image>("Image_Game_Police_Stop"); }
forms::Timer& Step_Timer() { return Main_Window().Get_Timer("Timer_Game_Police"); }

std::string Letters(int n, int from = 0) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>('a' + (from + i) % 26);
  return s;
}

// Two lines: the first of 60 characters (typing lines 0 and 1), the second of 230.
const std::string kFirst = Letters(60);
const std::string kSecond = Letters(230, 3);
const std::string kText = kFirst + "\r\n" + kSecond + "\r\n";

COLORREF Color_At(forms::Rich_Text_Box& box, int at) {
  box.Select(at, 1);
  const COLORREF c = box.Sel_Color();
  return c;
}
bool Bold_At(forms::Rich_Text_Box& box, int at) {
  box.Select(at, 1);
  return box.Sel_Format().bold;
}

std::vector<int> Enabled_Lines() {
  std::vector<int> lines;
  for (int i = 0; i < 4; ++i)
    if (Line(i).Enabled() && IsWindowEnabled(Line(i).Hwnd())) lines.push_back(i);
  return lines;
}

class Police_Game_Window : public Game_Window {
 protected:
  void SetUp() override {
    Game_Window::SetUp();
    Write_Police_Text(kText);
    // Obstacles at 40 on every line that reaches it.
    Set_Game_Random([](int low, int high) { return 40 >= low && 40 <= high ? 40 : low; });
  }
  void Options(int speed, int wait, int balk) {
    Set(kPolice, "Speed Num", std::to_string(speed));
    Set(kPolice, "Police Wait Time", std::to_string(wait));
    Set(kPolice, "Balk Wait Time", std::to_string(balk));
  }
};

TEST_F(Police_Game_Window, EnterStartsKeysAreJudgedObstacleHaltsPauseTwiceAndTheWinStoresTheLevel) {
  Options(50, 9, 1);
  Enter(Game_Item::Police);
  EXPECT_TRUE(Game_Cover(Police_Frame()).Visible());
  EXPECT_TRUE(Button(0).Enabled());
  EXPECT_FALSE(Button(1).Enabled());
  EXPECT_FALSE(Button(2).Enabled());
  EXPECT_EQ(Button(0).Tool_Tip_Text(), "开始");
  EXPECT_EQ(Button(1).Tool_Tip_Text(), "暂停");
  EXPECT_EQ(Button(2).Tool_Tip_Text(), "结束");
  Shot("police-cover");

  Press(VK_RETURN);
  ASSERT_TRUE(Exercise_Running);
  EXPECT_FALSE(Panel_Keys_Enabled);
  EXPECT_FALSE(Game_Cover(Police_Frame()).Visible());
  EXPECT_FALSE(Button(0).Enabled());
  EXPECT_TRUE(Button(1).Enabled());
  EXPECT_TRUE(Line(0).Has_Focus());
  // Only the player's line takes keys.
  EXPECT_EQ(Enabled_Lines(), std::vector<int>{0});
  EXPECT_EQ(Line(0).Text(), kFirst.substr(0, 54));
  EXPECT_EQ(Line(1).Text(), kFirst.substr(54));
  EXPECT_EQ(Line(2).Text(), "");
  EXPECT_EQ(Color_At(Line(0), 0), RGB(255, 255, 255));
  EXPECT_EQ(Color_At(Line(0), 40), RGB(255, 0, 0));
  EXPECT_TRUE(Bold_At(Line(0), 40));
  EXPECT_EQ(Police_Game().obstacles[1], -1);  // line 1 is 6 characters long
  Line(0).Set_Sel_Start(0);
  EXPECT_FALSE(Step_Timer().Enabled());  // the police waits for the first key

  // Wrong keys, Backspace, Delete and Enter change nothing.
  const int beeps_before = beeps;
  Type("z");
  Press(VK_BACK);
  Press(VK_DELETE);
  Press(VK_RETURN);
  EXPECT_EQ(beeps - beeps_before, 2);  // the wrong letter and Enter
  EXPECT_EQ(Police_Game().typed_position, 0);
  EXPECT_EQ(Line(0).Text(), kFirst.substr(0, 54));
  EXPECT_TRUE(Step_Timer().Enabled());  // the first key started the police's wait

  const int thief_start = Thief().Left();
  Type(kFirst.substr(0, 10));
  EXPECT_EQ(Police_Game().typed_position, 10);
  EXPECT_EQ(Color_At(Line(0), 9), RGB(0, 255, 0));
  EXPECT_GT(Thief().Left(), thief_start);
  Line(0).Set_Sel_Start(10);

  // A click elsewhere in the line: the caret comes back to the typed position.
  Click(Line(0));
  EXPECT_TRUE(Pump_Until([] { return Line(0).Sel_Start() == 10; }, std::chrono::milliseconds(500)));

  // Pausing twice continues; keys typed while paused do nothing.
  Click(Button(1));
  ASSERT_TRUE(Police_Game_Paused);
  EXPECT_EQ(Button(1).Tool_Tip_Text(), "继续");
  EXPECT_FALSE(Step_Timer().Enabled());
  EXPECT_TRUE(Enabled_Lines().empty());
  Type("k");  // ignored while paused
  EXPECT_EQ(Police_Game().typed_position, 10);
  Shot("police-paused");
  Click(Button(1));
  ASSERT_FALSE(Police_Game_Paused);
  EXPECT_EQ(Button(1).Tool_Tip_Text(), "暂停");
  EXPECT_TRUE(Line(0).Has_Focus());
  EXPECT_TRUE(Step_Timer().Enabled());

  // The obstacle halts the police for the balk time.
  Type(kFirst.substr(10, 31));
  ASSERT_EQ(Police_Game().typed_position, 41);
  EXPECT_TRUE(Police_Game().halted);
  EXPECT_TRUE(Halt_Sign().Visible());
  EXPECT_FALSE(Step_Timer().Enabled());
  Shot("police-halted");
  ASSERT_TRUE(Pump_Until([] { return !Police_Game().halted; }, std::chrono::seconds(3)));
  EXPECT_FALSE(Halt_Sign().Visible());
  EXPECT_TRUE(Step_Timer().Enabled());

  // The rest of line 0 and the short line 1 win: the text leaves lines 2 and 3 empty.
  Type(kFirst.substr(41, 13));
  ASSERT_EQ(Police_Game().player_line, 1);
  EXPECT_EQ(Enabled_Lines(), std::vector<int>{1});
  EXPECT_TRUE(Line(1).Has_Focus());
  answers = {0};  // next level
  on_box = [] { EXPECT_TRUE(Enabled_Lines().empty()); };
  Type(kFirst.substr(54));
  ASSERT_TRUE(Pump_Until([this] { return !picture_boxes.empty(); }, std::chrono::seconds(5)));
  EXPECT_EQ(picture_boxes.back(), Picture_Box_Kind::Game_YesRetryNo);
  on_box = nullptr;
  EXPECT_EQ(Stored(kPolice, "Speed Num"), "51");
  EXPECT_EQ(Stored(kRemember, "Begin Position"), std::to_string(kFirst.size() + 3));
  // The next level plays the next line at once.
  ASSERT_TRUE(Exercise_Running);
  EXPECT_EQ(Police_Game().options.speed_num, 51);
  EXPECT_EQ(Line(0).Text(), kSecond.substr(0, 54));
  EXPECT_EQ(Line(3).Text(), kSecond.substr(162, 54));
  EXPECT_TRUE(Police_Game().text.wrapped);

  // Stop: nothing runs, start enabled, keys do nothing.
  Click(Button(2));
  EXPECT_FALSE(Exercise_Running);
  EXPECT_TRUE(Panel_Keys_Enabled);
  EXPECT_TRUE(Button(0).Enabled());
  EXPECT_FALSE(Button(1).Enabled());
  EXPECT_FALSE(Button(2).Enabled());
  EXPECT_FALSE(Step_Timer().Enabled());
  EXPECT_FALSE(Main_Window().Get_Timer("Timer_Check").Enabled());
}

TEST_F(Police_Game_Window, CaughtThiefShowsTheLossBoxWhoseReplayKeepsLevelAndText) {
  Options(100, 1, 3);
  Set(kRemember, "Begin Position", std::to_string(kFirst.size() + 3));
  Enter(Game_Item::Police);
  Click(Button(0));
  ASSERT_TRUE(Exercise_Running);
  EXPECT_EQ(Line(0).Text(), kSecond.substr(0, 54));
  answers = {0};  // play again
  Type("d");
  ASSERT_TRUE(Pump_Until([this] { return picture_boxes.size() == 1; }, std::chrono::seconds(10)));
  EXPECT_EQ(picture_boxes[0], Picture_Box_Kind::Game_YesNo);
  ASSERT_TRUE(Exercise_Running);  // the replay waits for the first key again
  EXPECT_FALSE(Step_Timer().Enabled());
  EXPECT_EQ(Police().Left(), Main_Window().Get<forms::Image>("Image_Game_Police_Ini_Position", 0).Left());
  answers = {1};  // end
  Type("d");
  ASSERT_TRUE(Pump_Until([this] { return picture_boxes.size() == 2; }, std::chrono::seconds(10)));
  EXPECT_EQ(picture_boxes[1], Picture_Box_Kind::Game_YesNo);
  // Nothing stored: the same level and text.
  EXPECT_EQ(Stored(kPolice, "Speed Num"), "100");
  EXPECT_EQ(Stored(kRemember, "Begin Position"), std::to_string(kFirst.size() + 3));
  EXPECT_EQ(Line(0).Text(), kSecond.substr(0, 54));
  EXPECT_TRUE(Button(0).Enabled());
  EXPECT_FALSE(Button(1).Enabled());
  EXPECT_TRUE(Panel_Keys_Enabled);
  EXPECT_FALSE(Step_Timer().Enabled());
  // After the catch no line takes keys or holds the focus.
  EXPECT_TRUE(Enabled_Lines().empty());
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(Line(i).Has_Focus()) << i;
  Shot("police-caught");
}

TEST_F(Police_Game_Window, ABurstOfSixtyKeysASecondIsJudgedAsItArrives) {
  Options(50, 9, 9);  // the police stays at its start throughout
  Set(kRemember, "Begin Position", std::to_string(kFirst.size() + 3));
  Enter(Game_Item::Police);
  Press(VK_RETURN);
  ASSERT_TRUE(Exercise_Running);
  ASSERT_TRUE(Line(0).Has_Focus());
  // Sixty right keys at a fast typist's pace, one every 16 ms, across the line change; the
  // figures go on running meanwhile.
  const std::string keys = kSecond.substr(0, 60);
  std::atomic<bool> sent{false};
  std::thread typist([&] {
    for (char c : keys) {
      testkit::Key_Stroke({static_cast<WORD>(VkKeyScanA(c) & 0xFF)});
      Sleep(16);
    }
    sent = true;
  });
  auto judged = [] {
    const Police_Game_State& s = Police_Game();
    return s.player_line == 0 ? s.typed_position : 54 * s.player_line + s.typed_position;
  };
  Pump_Until([&] { return sent.load(); }, std::chrono::seconds(30));
  const auto burst_end = std::chrono::steady_clock::now();
  const int at_end = judged();
  ASSERT_TRUE(Pump_Until([&] { return judged() == 60; }, std::chrono::seconds(30))) << judged();
  const auto lag = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - burst_end);
  typist.join();
  std::cout << "judged when the burst ended: " << at_end << " of 60; the rest after " << lag.count()
            << " ms" << std::endl;
  EXPECT_EQ(Police_Game().player_line, 1);
  // Judged as they came: by the end of the burst at most a few keys were still waiting.
  EXPECT_GE(at_end, 45);
  EXPECT_EQ(Police_Game().typed_position, 6);
  EXPECT_EQ(beeps, 0);
}

TEST_F(Police_Game_Window, WinAtLevel100OrWithTheLastLineResetsTheLevelAndShowsTheOneButtonBox) {
  struct Row {
    int level;
    int position;
    const char* want_position;
  };
  // Level 100 on the first line: level 50, the position as it was; level 50 on the last line:
  // level 50 and position 1.
  const Row rows[] = {{100, 1, "1"}, {50, static_cast<int>(kFirst.size()) + 3, "1"}};
  Options(100, 9, 1);
  Enter(Game_Item::Police);
  for (const Row& r : rows) {
    picture_boxes.clear();
    Set(kPolice, "Speed Num", std::to_string(r.level));
    Set(kRemember, "Begin Position", std::to_string(r.position));
    Press(VK_RETURN);
    ASSERT_TRUE(Exercise_Running);
    const int lines = Police_Game().last_line;
    for (int i = 0; i <= lines; ++i) {
      std::string text = Line(i).Text();
      Type(text);
    }
    ASSERT_TRUE(Pump_Until([this] { return !picture_boxes.empty(); }, std::chrono::seconds(5)));
    EXPECT_EQ(picture_boxes.back(), Picture_Box_Kind::Yes) << r.level;
    EXPECT_EQ(Stored(kPolice, "Speed Num"), "50");
    EXPECT_EQ(Stored(kRemember, "Begin Position"), r.want_position);
    EXPECT_FALSE(Exercise_Running);
    SetForegroundWindow(Main_Window().Hwnd());
    Main_Window().Set_Focus();
    Pump_For(100);
  }
}

TEST_F(Police_Game_Window, AMissingOrEmptyTextIsReportedAndNothingStarts) {
  Enter(Game_Item::Police);
  for (int kind = 0; kind < 2; ++kind) {
    error_boxes.clear();
    Write_Police_Text(kind == 0 ? "" : "\r\n \r\n", kind == 1);
    Click(Button(0));
    ASSERT_EQ(error_boxes.size(), 1u);
    EXPECT_NE(error_boxes[0].find("1.txt"), std::string::npos);
    EXPECT_FALSE(Exercise_Running);
    EXPECT_TRUE(Button(0).Enabled());
    EXPECT_FALSE(Button(1).Enabled());
    EXPECT_FALSE(Main_Window().Get_Timer("Timer_Check").Enabled());
  }
}

}  // namespace
}  // namespace quillon
