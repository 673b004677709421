// Mouse catching on the real main window, driven by real keys and clicks: the minutes box, a
// start by Enter, catches, a catch again within 300 ms, misses with the wrong-key sound, the
// countdowns turning red and standing still through a pause, stop, the eighth flower losing, the
// win when the time is up (the game clock set ahead) with every end-box answer and the level
// stored, a right press on a flower, and out-of-range options read clamped without a hang.
#include "games_fixture.h"

#include <algorithm>
#include <chrono>

#include "games/mouse_page.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "shell/commands.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

const char kMouse[] = "Setting\\Game\\Mouse";
constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

forms::Form& Main_Form() { return Main_Window(); }
forms::Image& Button(int i) { return Game_Button_Image(Mouse_Frame(), i); }
forms::Image& Hole(int i) { return Main_Form().Get<forms::Image>("Image_Mouse", i); }
forms::Label& Countdown(int i) { return Main_Form().Get<forms::Label>("Label_Mouse_Time_Info", i); }
forms::Image& Flower(int i) { return Main_Form().Get<forms::Image>("Image_Mouse_Miss", i); }
forms::Rich_Text_Box& Minutes() {
  return Main_Form().Get<forms::Rich_Text_Box>("RichText_Game_Mouse_Time");
}
std::string Caption(const char* name) { return Main_Form().Get<forms::Label>(name).Caption(); }

// Mice up and not caught.
int Up() {
  int n = 0;
  for (const Mouse_Hole_Record& h : Mouse_Game().holes) n += h.active && !h.hit;
  return n;
}
int Some_Mouse() {
  const auto& holes = Mouse_Game().holes;
  for (int i = 0; i < kMouseHoles; ++i)
    if (holes[i].active && !holes[i].hit) return i;
  return -1;
}
// A letter no mouse that is up carries.
char Free_Letter() {
  for (char c = 'A'; c <= 'Z'; ++c) {
    bool used = false;
    for (const Mouse_Hole_Record& h : Mouse_Game().holes) used |= h.active && h.letter == c - 'A';
    if (!used) return c;
  }
  return 'A';
}
int Flowers_Shown() {
  int n = 0;
  for (int i = 0; i < kMouseFlowers; ++i) n += Flower(i).Visible();
  return n;
}
std::vector<std::string> Countdowns() {
  std::vector<std::string> texts;
  for (int i = 0; i < kMouseHoles; ++i)
    texts.push_back(Mouse_Game().holes[i].active ? Countdown(i).Caption() : "-");
  return texts;
}
WORD Key_Of(int hole) { return static_cast<WORD>('A' + Mouse_Game().holes[hole].letter); }

class Mouse_Game_Window : public Game_Window {
 protected:
  void Options(int mice, int speed, const char* disappear) {
    Set(kMouse, "Mouse Num", std::to_string(mice));
    Set(kMouse, "Speed Num", std::to_string(speed));
    Set(kMouse, "Disappear Time", disappear);
  }
};

TEST_F(Mouse_Game_Window, MinutesBoxEnterStartsCatchesAgainWithin300MsMissesPauseFreezesAndStop) {
  Options(9, 100, "9");
  Set(kMouse, "Game Time", "3");
  Enter(Game_Item::Mouse);
  EXPECT_TRUE(Game_Cover(Mouse_Frame()).Visible());
  EXPECT_EQ(Minutes().Text(), "3");
  EXPECT_TRUE(Minutes().Has_Focus());
  EXPECT_EQ(Minutes().Tool_Tip_Text(), "游戏时间");
  EXPECT_EQ(Caption("Label_Game_Mouse_Click_Num"), "0");
  // Each countdown stands just left of its hole, bottoms level.
  for (int i = 0; i < kMouseHoles; ++i) {
    EXPECT_EQ(Countdown(i).Left() + Countdown(i).Width(), Hole(i).Left()) << i;
    EXPECT_EQ(Countdown(i).Top() + Countdown(i).Height(), Hole(i).Top() + Hole(i).Height()) << i;
  }
  // Only digits, three at most; Backspace does nothing; a lone 0 becomes 1 on leaving the box,
  // 000 stays until the start.
  Minutes().Select(0, 1);
  Type("x0");
  Press(VK_BACK);
  EXPECT_EQ(Minutes().Text(), "0");
  Main_Form().Set_Focus();
  Pump_For(100);
  EXPECT_EQ(Minutes().Text(), "1");
  Minutes().Set_Focus();
  Minutes().Select(0, 1);
  Type("0000");
  EXPECT_EQ(Minutes().Text(), "000");
  Main_Form().Set_Focus();
  Pump_For(100);
  EXPECT_EQ(Minutes().Text(), "000");

  int hole = -1;
  int beeps_before = 0;
  std::vector<std::string> paused_countdowns;
  Play_Steps({
      {"start by Enter", Always, [&] { testkit::Key_Stroke({VK_RETURN}); }},
      {"three mice up", [] { return Up() >= 3 && Mouse_Game().show_running; },
       [&] {
         EXPECT_EQ(Minutes().Text(), "1");
         EXPECT_FALSE(Minutes().Enabled());
         EXPECT_FALSE(Game_Cover(Mouse_Frame()).Visible());
         EXPECT_EQ(Main_Window().Get_Timer("Timer_Game_Mouse_Control").Interval(), 100);
         EXPECT_FALSE(Caption("Label_Game_Mouse_Info_4").empty());
         Shot("mouse-running");
         hole = Some_Mouse();
         ASSERT_GE(hole, 0);
         EXPECT_TRUE(Countdown(hole).Visible());
         EXPECT_EQ(Countdown(hole).Fore_Color(), kBlue);
         // The same letter twice at once: the second press is within the 300 ms.
         testkit::Key_Stroke({Key_Of(hole)});
         testkit::Key_Stroke({Key_Of(hole)});
       }},
      {"two catches counted", [] { return Mouse_Game().keys == 2; },
       [&] {
         EXPECT_EQ(Mouse_Game().caught, 2);
         EXPECT_EQ(Caption("Label_Game_Mouse_Click_Num"), "2");
         EXPECT_EQ(Caption("Label_Game_Mouse_Right"), "100.00%");
         EXPECT_TRUE(Mouse_Game().holes[hole].hit);
         EXPECT_FALSE(Countdown(hole).Visible());
         Shot("mouse-caught");
         beeps_before = beeps;
         testkit::Key_Stroke({static_cast<WORD>(Free_Letter())});
       }},
      {"the miss counted with the wrong-key sound", [] { return Mouse_Game().keys == 3; },
       [&] {
         EXPECT_EQ(beeps, beeps_before + 1);
         EXPECT_EQ(Caption("Label_Game_Mouse_Right"), "66.67%");
         EXPECT_EQ(Mouse_Game().caught, 2);
       }},
      {"the caught mouse gone", [&] { return !Mouse_Game().holes[hole].hit; },
       [&] {
         EXPECT_TRUE(Mouse_Game().holes[hole].active || Mouse_Game().coming_up == hole ||
                     !Hole(hole).Visible());
         EXPECT_EQ(Mouse_Game().caught, 2);
         // Half the stay passes at once: the countdowns of the mice up turn red.
         clock_ahead += 4600;
       }},
      {"a countdown red", [] {
         for (int i = 0; i < kMouseHoles; ++i)
           if (Mouse_Game().holes[i].active && Countdown(i).Fore_Color() == kRed) return true;
         return false;
       },
       [&] {
         Shot("mouse-half-time");
         Click(Button(1));
       }},
      {"paused", [] { return Mouse_Game_Paused; },
       [&] {
         EXPECT_EQ(Button(1).Tool_Tip_Text(), "继续");
         EXPECT_EQ(Button(1).Tag, "pps4");
       }},
  });
  // The loop has ended: keys, launches and countdowns stand still, however long the pause (a
  // come-up under way when the pause came finishes first).
  Pump_For(400);
  paused_countdowns = Countdowns();
  const int keys = Mouse_Game().keys;
  const int up = Up();
  clock_ahead += 5000;
  Press('Q');
  Press(VK_RETURN);
  Pump_For(300);
  EXPECT_EQ(Countdowns(), paused_countdowns);
  EXPECT_EQ(Mouse_Game().keys, keys);
  EXPECT_EQ(Up(), up);
  EXPECT_TRUE(Exercise_Running);
  const std::string time_left = Caption("Label_Game_Mouse_Info_4");
  Play_Steps({
      {"continue", Always, [&] { Click_Only(Button(1)); }},
      {"counting again",
       [&] { return !Mouse_Game_Paused && Caption("Label_Game_Mouse_Info_4") != time_left; },
       [&] {
         EXPECT_EQ(Button(1).Tool_Tip_Text(), "暂停");
         // The mice that were up go on from where they stood, not five seconds later.
         for (int i = 0; i < kMouseHoles; ++i) {
           if (paused_countdowns[i] == "-" || !Mouse_Game().holes[i].active) continue;
           EXPECT_GE(std::stoi(Countdown(i).Caption()), std::stoi(paused_countdowns[i]) - 2) << i;
         }
         Click(Button(2));
       }},
  });
  // Stop leaves the mice where they are and the minutes box ready.
  EXPECT_FALSE(Exercise_Running);
  EXPECT_TRUE(Mouse_Game_Stop);
  EXPECT_TRUE(Minutes().Enabled());
  EXPECT_TRUE(Button(0).Enabled());
  EXPECT_FALSE(Button(1).Enabled());
  const std::vector<std::string> stopped = Countdowns();
  Pump_For(300);
  EXPECT_EQ(Countdowns(), stopped);
}

TEST_F(Mouse_Game_Window, AQuickPauseAndContinueKeepsOneCountdownLoopGoing) {
  Options(9, 100, "2");
  Enter(Game_Item::Mouse);
  Play_Steps({
      {"start", Always, [&] { Click_Only(Button(0)); }},
      {"the countdowns running", [] { return Up() >= 2 && Mouse_Game().show_running; },
       [&] {
         Click(Button(1));
         Click(Button(1));
       }},
      // Countdowns still run: mice go down uncaught and their flowers come out.
      {"a flower", [] { return Flowers_Shown() >= 1; },
       [&] {
         EXPECT_FALSE(Mouse_Game_Paused);
         EXPECT_TRUE(Exercise_Running);
         Click(Button(1));
       }},
  });
  // A right press on a flower opens the context menu.
  ASSERT_TRUE(Flower(0).Visible());
  EXPECT_TRUE(Opens_Context_Menu([&] { Click(Flower(0), 2); }));
  EXPECT_TRUE(Mouse_Game_Paused);
  Click(Button(2));
  EXPECT_FALSE(Exercise_Running);
}

TEST_F(Mouse_Game_Window, TheEighthFlowerLosesAtOnceAndTheLossBoxReplaysOrEnds) {
  Options(9, 100, "1");
  Enter(Game_Item::Mouse);
  answers = {0, 1};  // again at the same level, then end
  bool ended_before_box = false;
  int flowers_at_box = 0;
  on_box = [&] {
    ended_before_box = !Exercise_Running && Button(0).Enabled() && !Button(1).Enabled();
    flowers_at_box = Flowers_Shown();
    if (picture_boxes.size() == 1) Shot("mouse-lost");
  };
  Play_Steps({
      {"start", Always, [&] { Click_Only(Button(0)); }},
      {"three flowers", [] { return Mouse_Game().missed >= 3 && Mouse_Game().missed < 8; },
       [&] { EXPECT_EQ(Flowers_Shown(), Mouse_Game().missed); }},
      {"the loss box", [this] { return picture_boxes.size() == 1; },
       [&] {
         EXPECT_EQ(picture_boxes[0], Picture_Box_Kind::Game_YesNo);
         EXPECT_EQ(flowers_at_box, kMouseFlowers);
       }},
      {"the replay at the same level", [] { return Exercise_Running && Mouse_Game().missed == 0; },
       [&] {
         EXPECT_EQ(Flowers_Shown(), 0);
         EXPECT_EQ(Stored(kMouse, "Speed Num"), "100");
       }},
      {"the second loss box", [this] { return picture_boxes.size() == 2; }, [] {}},
  }, std::chrono::seconds(30));
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  EXPECT_TRUE(ended_before_box);
  EXPECT_EQ(Mouse_Game().missed, kMouseFlowers);
  EXPECT_TRUE(Button(0).Enabled());
  EXPECT_FALSE(Button(1).Enabled());
  EXPECT_TRUE(Minutes().Enabled());
  // No further flower, no further launch once it is over.
  const std::vector<std::string> over = Countdowns();
  Pump_For(400);
  EXPECT_EQ(Countdowns(), over);
  EXPECT_EQ(Stored(kMouse, "Speed Num"), "100");
}

TEST_F(Mouse_Game_Window, TimeUpWinsTheNextLevelIsStoredAndLevel100EndsWithTheOneButtonBox) {
  Options(3, 99, "9");
  Enter(Game_Item::Mouse);
  answers = {0};  // next level
  std::vector<bool> running_at_box;
  on_box = [&] { running_at_box.push_back(Exercise_Running || Button(1).Enabled()); };
  Play_Steps({
      {"start", Always, [] { testkit::Key_Stroke({VK_RETURN}); }},
      {"a mouse up", [] { return Up() >= 1; }, [&] { clock_ahead = 61000; }},
      {"the win box", [this] { return picture_boxes.size() == 1; },
       [&] {
         EXPECT_EQ(picture_boxes[0], Picture_Box_Kind::Game_YesNo);
         EXPECT_EQ(Stored(kMouse, "Speed Num"), "100");
         EXPECT_EQ(running_at_box, std::vector<bool>{false});
       }},
      // The replay at level 100 counts its time from its own start.
      {"the replay", [] { return Exercise_Running && Mouse_Game().options.speed_num == 100; },
       [] {}},
      {"a mouse up again", [] { return Up() >= 1; }, [&] { clock_ahead = 130000; }},
      {"the top box", [this] { return picture_boxes.size() == 2; },
       [&] { EXPECT_EQ(picture_boxes[1], Picture_Box_Kind::Yes); }},
  });
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  EXPECT_EQ(Stored(kMouse, "Speed Num"), "50");
  EXPECT_TRUE(Button(0).Enabled());

  // Declining the win box keeps the level.
  picture_boxes.clear();
  clock_ahead = 0;
  Set(kMouse, "Speed Num", "20");
  answers = {1};
  Play_Steps({
      {"start", Always, [] {
         Main_Window().Set_Focus();
         testkit::Key_Stroke({VK_RETURN});
       }},
      {"a mouse up", [] { return Up() >= 1; }, [&] { clock_ahead = 61000; }},
      {"the win box", [this] { return picture_boxes.size() == 1; }, [] {}},
  });
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  EXPECT_EQ(Stored(kMouse, "Speed Num"), "20");
}

TEST_F(Mouse_Game_Window, OutOfRangeOptionsAreReadClampedAndFifteenMiceNeverHangTheLaunch) {
  struct Row {
    const char* mice;
    const char* disappear;
    int want_mice;
    double want_stay;
  };
  const Row rows[] = {{"15", "20", 9, 9}, {"40", "0", 9, 1}, {"0", "-2", 1, 1}};
  for (const Row& r : rows) {
    Set(kMouse, "Mouse Num", r.mice);
    Set(kMouse, "Disappear Time", r.disappear);
    Set(kMouse, "Speed Num", "100");
    Enter(Game_Item::Mouse);
    // Launch after launch at the fastest tempo for three seconds: never more mice than allowed,
    // up or in sight, and the window goes on answering (each step is played from its event
    // handling). The mice of the game before stay in sight until this one has started: the
    // count begins with the start, which the click brings whenever the machine gets to it.
    int most = 0, most_seen = 0;
    const int before = Mouse_Game().generation;
    auto since = std::chrono::steady_clock::now();
    Play_Steps({
        {"start", Always, [&] { Click_Only(Button(0)); }},
        {"started", [&] { return Exercise_Running && Mouse_Game().generation != before; },
         [&] { since = std::chrono::steady_clock::now(); }},
        {"three seconds of launches",
         [&] {
           int up = 0, seen = 0;
           for (const Mouse_Hole_Record& h : Mouse_Game().holes) up += h.active;
           for (int i = 0; i < kMouseHoles; ++i) seen += Hole(i).Visible();
           most = std::max(most, up);
           most_seen = std::max(most_seen, seen);
           return std::chrono::steady_clock::now() - since > std::chrono::milliseconds(3200);
         },
         [&] {
           EXPECT_EQ(Mouse_Game().options.mouse_num, r.want_mice) << r.mice;
           EXPECT_DOUBLE_EQ(Mouse_Game().options.disappear_time, r.want_stay) << r.disappear;
           EXPECT_LE(most, r.want_mice) << r.mice;
           EXPECT_LE(most_seen, r.want_mice) << r.mice;
           EXPECT_GE(most, 1) << r.mice;
           Click(Button(2));
         }},
    });
    EXPECT_FALSE(Exercise_Running) << r.mice;
  }
}

TEST_F(Mouse_Game_Window, LeavingForAnotherExerciseMidLoopEndsTheLoopAndTheTimers) {
  Options(9, 100, "9");
  Enter(Game_Item::Mouse);
  Play_Steps({
      {"start", Always, [] { testkit::Key_Stroke({VK_RETURN}); }},
      {"mice up", [] { return Up() >= 2; },
       [] { Do_Menu_Item(Main_Form(), Game_Item::Apple); }},
  });
  ASSERT_TRUE(Pump_Until([] { return Current_Panel == Number(Panel_Id::Apple) && !Panel_Moving; }));
  EXPECT_TRUE(Mouse_Game_Stop);
  EXPECT_FALSE(Main_Window().Get_Timer("Timer_Game_Mouse_Control").Enabled());
  EXPECT_FALSE(Main_Window().Get_Timer("Timer_Game_Mouse_Show").Enabled());
  const std::vector<std::string> left = Countdowns();
  Pump_For(300);
  EXPECT_EQ(Countdowns(), left);
  EXPECT_TRUE(picture_boxes.empty());
}

}  // namespace
}  // namespace quillon
