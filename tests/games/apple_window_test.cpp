// Balloons and wolves on the real main window: the minutes box, a start by Enter, letters that
// hit and miss, pausing twice, stop, the loss by seven escapes and the win when the time is up
// (the game clock set ahead), with every end-box answer and the level stored.
#include "games_fixture.h"

#include "games/game_rules.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "shell/commands.h"

namespace quillon {
namespace {

const char kApple[] = "Setting\\Game\\Apple";

forms::Form& Main_Form() { return Main_Window(); }
forms::Image& Button(int i) { return Game_Button_Image(Apple_Frame(), i); }
forms::Image& Balloon(int i) { return Main_Form().Get<forms::Image>("Image_Char", i); }
forms::Image& Wolf(int i) { return Main_Form().Get<forms::Image>("Image_Wolf", i); }
forms::Rich_Text_Box& Minutes() {
  return Main_Form().Get<forms::Rich_Text_Box>("RichText_Game_Pig_Time");
}
std::string Caption(const char* name) { return Main_Form().Get<forms::Label>(name).Caption(); }

int Aloft() {
  int n = 0;
  for (const Balloon_Record& b : Apple_Game().balloons) n += b.active && !b.hit;
  return n;
}
// The first balloon aloft that is not hit, or -1.
int Some_Balloon() {
  const auto& r = Apple_Game().balloons;
  for (int i = 0; i < kBalloonSlots; ++i)
    if (r[i].active && !r[i].hit) return i;
  return -1;
}
// A letter no balloon in the air carries.
char Free_Letter() {
  for (char c = 'A'; c <= 'Z'; ++c) {
    bool used = false;
    for (const Balloon_Record& b : Apple_Game().balloons) used |= b.active && b.letter == c - 'A';
    if (!used) return c;
  }
  return 'A';
}

class Apple_Game_Window : public Game_Window {
 protected:
  void Options(int balloons, int speed) {
    Set(kApple, "Balloon Num", std::to_string(balloons));
    Set(kApple, "Speed Num", std::to_string(speed));
  }
};

TEST_F(Apple_Game_Window, MinutesBoxEnterStartsLettersHitAndMissPauseTwiceAndStop) {
  Options(9, 100);
  Set(kApple, "Game Time", "3");
  Enter(Game_Item::Apple);
  EXPECT_TRUE(Game_Cover(Apple_Frame()).Visible());
  EXPECT_EQ(Minutes().Text(), "3");
  EXPECT_TRUE(Minutes().Has_Focus());
  EXPECT_EQ(Minutes().Tool_Tip_Text(), "游戏时间");
  // Only digits, three at most; Backspace does nothing; an empty box becomes 1 at start.
  Minutes().Select(0, 1);
  Type("x0");
  Press(VK_BACK);
  Type("0000");
  EXPECT_EQ(Minutes().Text(), "000");
  Shot("balloons-cover");

  Press(VK_RETURN);
  ASSERT_TRUE(Exercise_Running);
  EXPECT_EQ(Minutes().Text(), "1");
  EXPECT_FALSE(Minutes().Enabled());
  EXPECT_FALSE(Game_Cover(Apple_Frame()).Visible());
  EXPECT_EQ(Caption("Label_Game_Apple_Right"), "0");
  EXPECT_EQ(Caption("Label_Shoot_Down_Num_Info"), "0");
  EXPECT_EQ(Main_Window().Get_Timer("Timer_Game_Pig_Control").Interval(), 100);
  ASSERT_TRUE(Pump_Until([] { return Aloft() >= 3; }));
  EXPECT_FALSE(Caption("Label_Game_Pig_Info_4").empty());  // the loop shows the time left
  Shot("balloons-running");

  // A hit: the first balloon with the letter, gone 100 ms later; a miss lowers the accuracy.
  const int slot = Some_Balloon();
  ASSERT_GE(slot, 0);
  const char letter = static_cast<char>('A' + Apple_Game().balloons[slot].letter);
  Press(static_cast<WORD>(letter));
  EXPECT_EQ(Caption("Label_Shoot_Down_Num_Info"), "1");
  EXPECT_EQ(Caption("Label_Game_Apple_Right"), "100.00%");
  Press(static_cast<WORD>(Free_Letter()));
  EXPECT_EQ(Caption("Label_Game_Apple_Right"), "50.00%");
  ASSERT_TRUE(Pump_Until([slot] { return !Balloon(slot).Visible() || !Apple_Game().balloons[slot].hit; },
                         std::chrono::seconds(2)));

  // Pausing stops the balloons and the keys; pausing again continues.
  Click(Button(1));
  ASSERT_TRUE(Apple_Game_Paused);
  EXPECT_EQ(Button(1).Tool_Tip_Text(), "继续");
  EXPECT_EQ(Button(1).Tag, "pps4");
  Pump_For(100);
  const auto tops = [] {
    std::vector<int> t;
    for (int i = 0; i < kBalloonSlots; ++i) t.push_back(Balloon(i).Top());
    return t;
  };
  const std::vector<int> paused_tops = tops();
  const int keys = Apple_Game().keys;
  Press('Q');
  Press(VK_RETURN);
  Pump_For(300);
  EXPECT_EQ(tops(), paused_tops);
  EXPECT_EQ(Apple_Game().keys, keys);
  EXPECT_TRUE(Exercise_Running);
  Click(Button(1));
  ASSERT_FALSE(Apple_Game_Paused);
  EXPECT_EQ(Button(1).Tool_Tip_Text(), "暂停");
  ASSERT_TRUE(Pump_Until([&] { return tops() != paused_tops; }, std::chrono::seconds(2)));

  // Stop leaves the balloons where they are and the minutes box ready.
  Click(Button(2));
  EXPECT_FALSE(Exercise_Running);
  EXPECT_TRUE(Apple_Game_Stop);
  EXPECT_TRUE(Minutes().Enabled());
  EXPECT_TRUE(Button(0).Enabled());
  EXPECT_FALSE(Button(1).Enabled());
  const std::vector<int> stopped = tops();
  Pump_For(200);
  EXPECT_EQ(tops(), stopped);
}

TEST_F(Apple_Game_Window, SevenEscapesBringSevenWolvesAndTheStoneAndTheLossBoxReplaysOrEnds) {
  Options(9, 100);
  Enter(Game_Item::Apple);
  answers = {0, 1};  // again at the same level, then end
  Click(Button(0));
  ASSERT_TRUE(Exercise_Running);
  ASSERT_TRUE(Pump_Until([] { return Apple_Game().escaped >= 3; }, std::chrono::seconds(15)));
  int shown = 0;
  for (int i = 0; i < kWolfSlots; ++i) shown += Wolf(i).Visible();
  EXPECT_EQ(shown, Apple_Game().escaped);
  EXPECT_TRUE(Wolf(6).Visible());
  Shot("balloons-wolves");
  ASSERT_TRUE(Pump_Until([this] { return picture_boxes.size() == 1; }, std::chrono::seconds(20)));
  EXPECT_EQ(picture_boxes[0], Picture_Box_Kind::Game_YesNo);
  // The replay runs at the same level.
  ASSERT_TRUE(Pump_Until([] { return Exercise_Running && Apple_Game().escaped == 0; }));
  EXPECT_EQ(Stored(kApple, "Speed Num"), "100");
  ASSERT_TRUE(Pump_Until([this] { return picture_boxes.size() == 2; }, std::chrono::seconds(25)));
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  EXPECT_TRUE(Button(0).Enabled());
  EXPECT_FALSE(Button(1).Enabled());
  EXPECT_TRUE(Minutes().Enabled());
  EXPECT_FALSE(Main_Window().Get<forms::Image>("Image_Stone").Visible());
  Shot("balloons-lost");
}

TEST_F(Apple_Game_Window, TimeUpWinsTheNextLevelIsStoredAndLevel100EndsWithTheOneButtonBox) {
  Options(3, 99);
  Enter(Game_Item::Apple);
  answers = {0};  // next level
  Press(VK_RETURN);
  ASSERT_TRUE(Exercise_Running);
  ASSERT_TRUE(Pump_Until([] { return Aloft() >= 1; }));
  clock_ahead = 61000;
  ASSERT_TRUE(Pump_Until([this] { return picture_boxes.size() == 1; }));
  EXPECT_EQ(picture_boxes[0], Picture_Box_Kind::Game_YesNo);
  EXPECT_EQ(Stored(kApple, "Speed Num"), "100");
  // The replay at level 100 counts its time from its own start.
  ASSERT_TRUE(Pump_Until([] { return Exercise_Running && Apple_Game().options.speed_num == 100; }));
  ASSERT_TRUE(Pump_Until([] { return Aloft() >= 1; }));
  clock_ahead = 130000;
  ASSERT_TRUE(Pump_Until([this] { return picture_boxes.size() == 2; }));
  EXPECT_EQ(picture_boxes[1], Picture_Box_Kind::Yes);
  EXPECT_EQ(Stored(kApple, "Speed Num"), "50");
  EXPECT_FALSE(Exercise_Running);
  EXPECT_TRUE(Button(0).Enabled());

  // Declining the win box keeps the level.
  picture_boxes.clear();
  clock_ahead = 0;
  Set(kApple, "Speed Num", "20");
  answers = {1};
  Main_Window().Set_Focus();
  Press(VK_RETURN);
  ASSERT_TRUE(Exercise_Running);
  ASSERT_TRUE(Pump_Until([] { return Aloft() >= 1; }));
  clock_ahead = 61000;
  ASSERT_TRUE(Pump_Until([this] { return picture_boxes.size() == 1; }));
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  EXPECT_EQ(Stored(kApple, "Speed Num"), "20");
}

TEST_F(Apple_Game_Window, LeavingForAnotherExerciseMidLoopEndsTheLoopAndTheTimers) {
  Options(9, 100);
  Enter(Game_Item::Apple);
  Press(VK_RETURN);
  ASSERT_TRUE(Pump_Until([] { return Aloft() >= 2; }));
  Do_Menu_Item(Main_Form(), Game_Item::Police);
  ASSERT_TRUE(Pump_Until([] { return Current_Panel == Number(Panel_Id::Police) && !Panel_Moving; }));
  EXPECT_TRUE(Apple_Game_Stop);
  EXPECT_FALSE(Main_Window().Get_Timer("Timer_Game_Pig_Control").Enabled());
  EXPECT_FALSE(Main_Window().Get_Timer("Timer_Game_Pig_Move").Enabled());
  const int top = Balloon(Some_Balloon() < 0 ? 0 : Some_Balloon()).Top();
  Pump_For(300);
  EXPECT_EQ(Balloon(Some_Balloon() < 0 ? 0 : Some_Balloon()).Top(), top);
  EXPECT_TRUE(picture_boxes.empty());
}

}  // namespace
}  // namespace quillon
