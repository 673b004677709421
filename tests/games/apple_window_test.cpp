// Balloons and wolves on the real main window: the minutes box, a start by Enter, letters that
// hit and miss, pausing twice, stop, the loss by seven escapes and the win when the time is up
// (the game clock set ahead), with every end-box answer and the level stored.
#include "games_fixture.h"

#include "games/game_rules.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "shell/commands.h"
#include "testkit/testkit.h"

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

std::vector<int> Tops() {
  std::vector<int> t;
  for (int i = 0; i < kBalloonSlots; ++i) t.push_back(Balloon(i).Top());
  return t;
}

TEST_F(Apple_Game_Window, MinutesBoxEnterStartsLettersHitAndMissPauseTwiceAndStop) {
  Options(9, 100);
  Set(kApple, "Game Time", "3");
  Enter(Game_Item::Apple);
  EXPECT_TRUE(Game_Cover(Apple_Frame()).Visible());
  EXPECT_EQ(Minutes().Text(), "3");
  EXPECT_TRUE(Minutes().Has_Focus());
  EXPECT_EQ(Minutes().Tool_Tip_Text(), "游戏时间");
  // Only digits, three at most; Backspace does nothing; a box of zeros becomes 1 at start.
  Minutes().Select(0, 1);
  Type("x0");
  Press(VK_BACK);
  Type("0000");
  EXPECT_EQ(Minutes().Text(), "000");
  Shot("balloons-cover");

  int slot = -1;
  std::vector<int> paused_tops, stopped_tops;
  int keys = 0;
  Play_Steps({
      {"start by Enter", Always, [&] { testkit::Key_Stroke({VK_RETURN}); }},
      {"three balloons aloft", [] { return Aloft() >= 3; },
       [&] {
         EXPECT_EQ(Minutes().Text(), "1");
         EXPECT_FALSE(Minutes().Enabled());
         EXPECT_FALSE(Game_Cover(Apple_Frame()).Visible());
         EXPECT_EQ(Caption("Label_Game_Apple_Right"), "0");
         EXPECT_EQ(Caption("Label_Shoot_Down_Num_Info"), "0");
         EXPECT_EQ(Main_Window().Get_Timer("Timer_Game_Pig_Control").Interval(), 100);
         EXPECT_FALSE(Caption("Label_Game_Pig_Info_4").empty());
         Shot("balloons-running");
         slot = Some_Balloon();
         ASSERT_GE(slot, 0);
         testkit::Key_Stroke({static_cast<WORD>('A' + Apple_Game().balloons[slot].letter)});
       }},
      {"the hit counted", [] { return Apple_Game().keys == 1; },
       [&] {
         EXPECT_EQ(Caption("Label_Shoot_Down_Num_Info"), "1");
         EXPECT_EQ(Caption("Label_Game_Apple_Right"), "100.00%");
         EXPECT_TRUE(Apple_Game().balloons[slot].hit);
         testkit::Key_Stroke({static_cast<WORD>(Free_Letter())});
       }},
      {"the miss counted", [] { return Apple_Game().keys == 2; },
       [&] { EXPECT_EQ(Caption("Label_Game_Apple_Right"), "50.00%"); }},
      {"the hit balloon gone", [&] { return !Apple_Game().balloons[slot].hit; },
       [&] {
         EXPECT_FALSE(Balloon(slot).Visible() && !Apple_Game().balloons[slot].active);
         Click(Button(1));
       }},
      {"paused", [] { return Apple_Game_Paused; },
       [&] {
         EXPECT_EQ(Button(1).Tool_Tip_Text(), "继续");
         EXPECT_EQ(Button(1).Tag, "pps4");
         keys = Apple_Game().keys;
       }},
  });
  // The loop has ended: keys and time stand still.
  paused_tops = Tops();
  Press('Q');
  Press(VK_RETURN);
  Pump_For(300);
  EXPECT_EQ(Tops(), paused_tops);
  EXPECT_EQ(Apple_Game().keys, keys);
  EXPECT_TRUE(Exercise_Running);
  Play_Steps({
      {"continue", Always, [&] { Click(Button(1)); }},
      {"moving again", [&] { return Tops() != paused_tops; },
       [&] {
         EXPECT_FALSE(Apple_Game_Paused);
         EXPECT_EQ(Button(1).Tool_Tip_Text(), "暂停");
         Click(Button(2));
       }},
  });
  // Stop leaves the balloons where they are and the minutes box ready.
  EXPECT_FALSE(Exercise_Running);
  EXPECT_TRUE(Apple_Game_Stop);
  EXPECT_TRUE(Minutes().Enabled());
  EXPECT_TRUE(Button(0).Enabled());
  EXPECT_FALSE(Button(1).Enabled());
  stopped_tops = Tops();
  Pump_For(200);
  EXPECT_EQ(Tops(), stopped_tops);
}

TEST_F(Apple_Game_Window, SevenEscapesBringSevenWolvesAndTheStoneAndTheLossBoxReplaysOrEnds) {
  Options(9, 100);
  Enter(Game_Item::Apple);
  answers = {0, 1};  // again at the same level, then end
  bool ended_before_box = false;
  on_box = [&] {
    ended_before_box = !Exercise_Running && Apple_Game().escaped == kWolfSlots &&
                       !Main_Window().Get<forms::Image>("Image_Stone").Visible();
  };
  Play_Steps({
      {"start", Always, [&] { Click(Button(0)); }},
      // After each escape the wolves stand in slots 7 - escapes to 6.
      {"three escapes, three wolves",
       [] {
         int shown = 0;
         for (int i = 0; i < kWolfSlots; ++i) shown += Wolf(i).Visible();
         const int escaped = Apple_Game().escaped;
         return escaped >= 3 && escaped < kWolfSlots && shown == escaped &&
                Wolf(kWolfSlots - escaped).Visible();
       },
       [&] { Shot("balloons-wolves"); }},
      {"the loss box", [this] { return picture_boxes.size() == 1; },
       [&] { EXPECT_EQ(picture_boxes[0], Picture_Box_Kind::Game_YesNo); }},
      {"the replay at the same level", [] { return Exercise_Running && Apple_Game().escaped == 0; },
       [&] { EXPECT_EQ(Stored(kApple, "Speed Num"), "100"); }},
      {"the second loss box", [this] { return picture_boxes.size() == 2; }, [] {}},
  }, std::chrono::seconds(30));
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  EXPECT_TRUE(ended_before_box);
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
  Play_Steps({
      {"start", Always, [] { testkit::Key_Stroke({VK_RETURN}); }},
      {"a balloon aloft", [] { return Aloft() >= 1; }, [&] { clock_ahead = 61000; }},
      {"the win box", [this] { return picture_boxes.size() == 1; },
       [&] {
         EXPECT_EQ(picture_boxes[0], Picture_Box_Kind::Game_YesNo);
         EXPECT_EQ(Stored(kApple, "Speed Num"), "100");
       }},
      // The replay at level 100 counts its time from its own start.
      {"the replay", [] { return Exercise_Running && Apple_Game().options.speed_num == 100; },
       [] {}},
      {"a balloon aloft again", [] { return Aloft() >= 1; }, [&] { clock_ahead = 130000; }},
      {"the top box", [this] { return picture_boxes.size() == 2; },
       [&] { EXPECT_EQ(picture_boxes[1], Picture_Box_Kind::Yes); }},
  });
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  EXPECT_EQ(Stored(kApple, "Speed Num"), "50");
  EXPECT_TRUE(Button(0).Enabled());

  // Declining the win box keeps the level.
  picture_boxes.clear();
  clock_ahead = 0;
  Set(kApple, "Speed Num", "20");
  answers = {1};
  Play_Steps({
      {"start", Always, [] {
         Main_Window().Set_Focus();
         testkit::Key_Stroke({VK_RETURN});
       }},
      {"a balloon aloft", [] { return Aloft() >= 1; }, [&] { clock_ahead = 61000; }},
      {"the win box", [this] { return picture_boxes.size() == 1; }, [] {}},
  });
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  EXPECT_EQ(Stored(kApple, "Speed Num"), "20");
}

TEST_F(Apple_Game_Window, LeavingForAnotherExerciseMidLoopEndsTheLoopAndTheTimers) {
  Options(9, 100);
  Enter(Game_Item::Apple);
  Play_Steps({
      {"start", Always, [] { testkit::Key_Stroke({VK_RETURN}); }},
      {"balloons aloft", [] { return Aloft() >= 2; },
       [] { Do_Menu_Item(Main_Form(), Game_Item::Police); }},
  });
  ASSERT_TRUE(Pump_Until([] { return Current_Panel == Number(Panel_Id::Police) && !Panel_Moving; }));
  EXPECT_TRUE(Apple_Game_Stop);
  EXPECT_FALSE(Main_Window().Get_Timer("Timer_Game_Pig_Control").Enabled());
  EXPECT_FALSE(Main_Window().Get_Timer("Timer_Game_Pig_Move").Enabled());
  const std::vector<int> tops = Tops();
  Pump_For(300);
  EXPECT_EQ(Tops(), tops);
  EXPECT_TRUE(picture_boxes.empty());
}

}  // namespace
}  // namespace quillon
