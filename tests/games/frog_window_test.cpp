// Frog crossing on the real main window, driven by real keys and clicks: a start by Enter, boat
// choices and ties, Esc, wrong letters, Enter, Backspace and Space, the jumps, a pause during a
// crossing, a fall-back, five crossings to every answer of the end box with the level and the
// list's position stored, the one-button box at the list's end, and missing and short lists.
#include "games_fixture.h"

#include "games/frog_page.h"
#include "games/game_rules.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/switch_picture.h"
#include "services/tutor_settings.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

const char kFrog[] = "Setting\\Game\\Frog";
const char kRemember[] = "Setting\\Game\\Frog\\Remember";

forms::Form& Main_Form() { return Main_Window(); }
forms::Image& Button(int i) { return Game_Button_Image(Frog_Frame(), i); }
forms::Rich_Text_Box& Word(int i) { return Main_Form().Get<forms::Rich_Text_Box>("RichText_Frog", i); }
forms::Picture_Box& Boat(int i) { return Main_Form().Get<forms::Picture_Box>("Picture_Boat", i); }
forms::Image& Frog_On(int i) { return Main_Form().Get<forms::Image>("Image_Frog", i); }
forms::Image& Arrived(int i) { return Main_Form().Get<forms::Image>("Image_LeftUp_Frog", i); }
forms::Image& Start_Point() { return Main_Form().Get<forms::Image>("Image_Game_Frog_Down"); }
forms::Timer& Move_Timer() { return Main_Form().Get_Timer("Timer_Move_Picture"); }

// The far-bank words of the frogs, one list of two games; every frog's boats carry the same.
const char* const kFarWords[2][kFrogs] = {{"zoo", "yak", "zip", "yes", "zen"},
                                          {"sun", "sea", "sky", "saw", "sip"}};
const char* const kBoatWords[kFrogBoats] = {"ant", "bee", "cat", "dog", "eel", "fig"};

std::string Game_List(int game) {
  std::string out;
  for (int f = 0; f < kFrogs; ++f) {
    out += kFarWords[game][f];
    for (const char* w : kBoatWords) out += std::string(",") + w;
    out += "\r\n";
  }
  return out;
}

struct Look {
  COLORREF color;
  bool bold;
  double size;
};
Look Look_At(forms::Rich_Text_Box& box, int at) {
  box.Select(at, 1);
  const Look l{box.Sel_Color(), box.Sel_Bold(), box.Sel_Font_Size()};
  box.Set_Sel_Start(0);
  return l;
}
constexpr COLORREF kBlue = RGB(0, 0, 255), kBlack = RGB(0, 0, 0);
constexpr double kPlain = 9, kLarge = 10;

class Frog_Game_Window : public Game_Window {
 protected:
  void SetUp() override {
    Game_Window::SetUp();
    CreateDirectoryA((folder + "\\QLGame\\Frog").c_str(), nullptr);
    Clear_Settings();
    Set(kFrog, "Lesson", "3");
    Set(kFrog, "Speed Num", "50");
  }
  void TearDown() override {
    Game_Window::TearDown();
    for (int i = 0; i < kFrogLessons; ++i)
      DeleteFileA(Frog_Lesson_File(folder, i).c_str());
    RemoveDirectoryA((folder + "\\QLGame\\Frog").c_str());
    RemoveDirectoryA((folder + "\\QLGame").c_str());
    RemoveDirectoryA(folder.c_str());
    Clear_Settings();
  }
  static void Clear_Settings() {
    for (const char* s : {kFrog, kRemember, kFrogBeginPositionSection})
      forms::Tutor_Settings::Delete_Section(s);
  }
  void Write_List(const std::string& bytes, int lesson = 3) {
    testkit::Write_File(Frog_Lesson_File(folder, lesson), bytes);
  }
  // Starts by Enter and waits until the first frog is on the start point.
  void Start_By_Enter() {
    Main_Form().Set_Focus();
    Press(VK_RETURN);
    ASSERT_TRUE(Pump_Until([] {
      return Exercise_Running && Frog_Play().Row() == kStartBank && Move_Timer().Enabled();
    }));
  }
  void Cross() { Type(std::string("ant") + "cat" + "eel"); }
  // A crossing whose last key is left to the event handling: the steps that follow can act
  // while the frog arrives.
  void Cross_To(const std::string& bank_word) {
    Cross();
    Type(bank_word.substr(0, bank_word.size() - 1));
    testkit::Key_Stroke({static_cast<WORD>(bank_word.back() - 'a' + 'A')});
  }
  // The steps of five crossings of game `game` of the list, then one that waits for box `box`.
  std::vector<Step> Five_Crossings(int game, std::size_t box) {
    std::vector<Step> steps;
    for (int f = 0; f < kFrogs; ++f)
      steps.push_back({"frog " + std::to_string(f),
                       [f] { return Exercise_Running && Frog_Play().Current_Frog() == f &&
                                    Frog_Play().Row() == kStartBank; },
                       [this, game, f] { Cross_To(kFarWords[game][f]); }});
    steps.push_back({"the box", [this, box] { return picture_boxes.size() == box; }, [] {}});
    return steps;
  }
};

TEST_F(Frog_Game_Window, KeysChooseTypeAndJumpAndPausingStopsEverything) {
  Write_List(Game_List(0) + Game_List(1));
  Enter(Game_Item::Frog);
  EXPECT_TRUE(Game_Cover(Frog_Frame()).Visible());
  EXPECT_EQ(Button(0).Tool_Tip_Text(), "开始");
  Start_By_Enter();
  EXPECT_FALSE(Game_Cover(Frog_Frame()).Visible());
  EXPECT_TRUE(Button(1).Enabled());
  EXPECT_TRUE(Button(2).Enabled());
  EXPECT_TRUE(Panel_Keys_Enabled);
  EXPECT_EQ(Move_Timer().Interval(), 200);
  for (int i = 0; i < kFrogWords; ++i) {
    EXPECT_TRUE(Boat(i).Visible());
    EXPECT_EQ(Word(i).Text(), i == 0 ? "zoo" : kBoatWords[i - 1]);
  }
  // Boats 1 and 2 within reach, one point larger.
  EXPECT_EQ(Look_At(Word(1), 0).size, kLarge);
  EXPECT_EQ(Look_At(Word(2), 2).size, kLarge);
  EXPECT_EQ(Look_At(Word(3), 0).size, kPlain);
  // The frog on the start point: frames 18 and 19 in turn.
  ASSERT_TRUE(Pump_Until([] { return Switch_Picture_Index(Start_Point().Get_Picture()) / 2 == 9; },
                         std::chrono::seconds(2)));

  const int beeps_before = beeps;
  Press('X');  // no boat's first letter
  EXPECT_EQ(beeps, beeps_before + 1);
  EXPECT_EQ(Frog_Play().Chosen_Boat(), kNoChoice);
  Press('B');
  EXPECT_EQ(Frog_Play().Chosen_Boat(), 2);
  const Look b = Look_At(Word(2), 0);
  EXPECT_EQ(b.color, kBlue);
  EXPECT_TRUE(b.bold);
  EXPECT_EQ(Look_At(Word(1), 0).size, kPlain);
  Press('Q');  // a wrong letter keeps what was typed
  EXPECT_EQ(beeps, beeps_before + 2);
  EXPECT_EQ(Frog_Play().Letters_Typed(), 1);
  for (WORD k : {VK_RETURN, VK_BACK, VK_SPACE}) Press(k);
  EXPECT_EQ(beeps, beeps_before + 5);
  EXPECT_TRUE(Exercise_Running);  // Enter of a running game is a wrong key, not a start
  Press(VK_ESCAPE);
  EXPECT_EQ(Frog_Play().Chosen_Boat(), kNoChoice);
  EXPECT_EQ(Look_At(Word(2), 0).color, kBlack);
  EXPECT_EQ(Look_At(Word(1), 0).size, kLarge);
  EXPECT_EQ(Look_At(Word(2), 0).size, kLarge);
  Type("bee");
  EXPECT_EQ(Frog_Play().Row(), 1);
  EXPECT_TRUE(Frog_On(2).Visible());
  EXPECT_EQ(Look_At(Word(3), 0).size, kLarge);
  EXPECT_EQ(Look_At(Word(4), 0).size, kLarge);
  Type("d");
  Shot("frog-running");

  // Paused: the water, the boats and the sprites stand still and keys are ignored.
  Click(Button(1));
  ASSERT_TRUE(Frog_Game_Paused);
  EXPECT_EQ(Button(1).Tool_Tip_Text(), "继续");
  EXPECT_FALSE(Move_Timer().Enabled());
  const int left = Boat(1).Left();
  Press('O');
  Pump_For(450);
  EXPECT_EQ(Boat(1).Left(), left);
  EXPECT_EQ(Frog_Play().Letters_Typed(), 1);
  Click(Button(1));
  EXPECT_FALSE(Frog_Game_Paused);
  EXPECT_EQ(Button(1).Tool_Tip_Text(), "暂停");
  ASSERT_TRUE(Pump_Until([&] { return Boat(1).Left() != left; }, std::chrono::seconds(2)));
  Type("og");
  EXPECT_EQ(Frog_Play().Row(), 2);

  // Stop: the scene stays, the timer stops, Enter starts again.
  Click(Button(2));
  EXPECT_FALSE(Exercise_Running);
  EXPECT_TRUE(Button(0).Enabled());
  EXPECT_FALSE(Move_Timer().Enabled());
  EXPECT_TRUE(Frog_On(4).Visible());
  EXPECT_TRUE(error_boxes.empty());
}

TEST_F(Frog_Game_Window, WordsWithTheSameFirstLetterChooseTheOddBoatEvenAfterEsc) {
  std::string list;
  for (int f = 0; f < 2 * kFrogs; ++f) list += "zoo,ant,ape,cat,cow,eel,elk\r\n";
  Write_List(list);
  Enter(Game_Item::Frog);
  Start_By_Enter();
  const int beeps_before = beeps;
  Press('A');
  EXPECT_EQ(Frog_Play().Chosen_Boat(), 1);
  Press(VK_ESCAPE);
  EXPECT_EQ(Frog_Play().Chosen_Boat(), kNoChoice);
  Press('A');
  EXPECT_EQ(Frog_Play().Chosen_Boat(), 1);
  Press('P');  // boat 2's next letter is wrong on boat 1
  EXPECT_EQ(beeps, beeps_before + 1);
  Type("nt");
  EXPECT_EQ(Frog_Play().Row(), 1);
  EXPECT_EQ(Frog_Play().Current_Boat(), 1);
  Type("cow");  // "c" chooses boat 3; "o" is wrong there
  EXPECT_EQ(Frog_Play().Row(), 1);
  EXPECT_EQ(Frog_Play().Chosen_Boat(), 3);
  EXPECT_EQ(beeps, beeps_before + 3);
}

TEST_F(Frog_Game_Window, FiveCrossingsWinAndTheNextLevelStoresTheLevelAndTheListsPosition) {
  const std::string list = Game_List(0) + Game_List(1) + Game_List(0);
  Write_List(list);
  Enter(Game_Item::Frog);
  Start_By_Enter();
  answers = {0};  // next level
  bool ended_before_box = false;
  on_box = [&] {
    ended_before_box = !Exercise_Running && Button(0).Enabled() && !Button(1).Enabled();
  };
  bool shot = false;
  std::vector<Step> steps = Five_Crossings(0, 1);
  steps.insert(steps.begin() + 2,
               {"the second frog on its way", [] { return Frog_Play().Current_Frog() == 1; }, [&] {
                  EXPECT_TRUE(Arrived(0).Visible());
                  EXPECT_EQ(Word(0).Text(), kFarWords[0][1]);
                  Shot("frog-one-across");
                  shot = true;
                }});
  steps.push_back({"the next game", [] { return Exercise_Running && Frog_Play().Row() == kStartBank; },
                   [&] { EXPECT_EQ(picture_boxes[0], Picture_Box_Kind::Game_YesRetryNo); }});
  Play_Steps(steps);
  EXPECT_TRUE(shot);
  EXPECT_TRUE(ended_before_box);
  EXPECT_EQ(Stored(kFrog, "Speed Num"), "51");
  const std::string position = Stored(kFrogBeginPositionSection, "3");
  EXPECT_EQ(position, std::to_string(Game_List(0).size() + 1));
  // The next game plays the list's second game at level 51.
  EXPECT_EQ(Word(0).Text(), kFarWords[1][0]);
  EXPECT_EQ(Frog_Play().Options().speed_num, 51);
  for (int i = 0; i < kFrogs; ++i) EXPECT_FALSE(Arrived(i).Visible());
  Click(Button(2));
}

TEST_F(Frog_Game_Window, TheSameLevelReplaysTheSameWordsAndEndStoresNothing) {
  Write_List(Game_List(0) + Game_List(1));
  Set(kFrog, "Speed Num", "20");
  Enter(Game_Item::Frog);
  Start_By_Enter();
  answers = {1, 2};  // same level, then end
  Play_Steps(Five_Crossings(0, 1));
  ASSERT_TRUE(Pump_Until([] { return Exercise_Running && Frog_Play().Row() == kStartBank; }));
  EXPECT_EQ(Word(0).Text(), kFarWords[0][0]);  // the same words again
  EXPECT_EQ(Stored(kFrog, "Speed Num"), "20");
  EXPECT_EQ(Stored(kFrogBeginPositionSection, "3"), "(none)");
  Play_Steps(Five_Crossings(0, 2));
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running && Button(0).Enabled(); }));
  EXPECT_EQ(Stored(kFrog, "Speed Num"), "20");
  EXPECT_EQ(Stored(kFrogBeginPositionSection, "3"), "(none)");
  // The river keeps flowing behind the ended game.
  EXPECT_TRUE(Move_Timer().Enabled());
  Shot("frog-won");
}

TEST_F(Frog_Game_Window, TheListsLastGameShowsTheOneButtonBoxAndStoresLevel50AndPosition1) {
  Write_List(Game_List(0) + Game_List(1));
  Set(kFrog, "Speed Num", "70");
  Set(kFrogBeginPositionSection, "3", std::to_string(Game_List(0).size() + 1));
  Enter(Game_Item::Frog);
  Start_By_Enter();
  EXPECT_EQ(Word(0).Text(), kFarWords[1][0]);
  Play_Steps(Five_Crossings(1, 1));
  EXPECT_EQ(picture_boxes[0], Picture_Box_Kind::Yes);
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running && Button(0).Enabled(); }));
  EXPECT_EQ(Stored(kFrog, "Speed Num"), "50");
  EXPECT_EQ(Stored(kFrogBeginPositionSection, "3"), "1");
}

TEST_F(Frog_Game_Window, AtTheEndKeysAndStartStayOffThroughTheWait) {
  Write_List(Game_List(0) + Game_List(1));
  Enter(Game_Item::Frog);
  Start_By_Enter();
  answers = {2};
  bool waited = false;
  std::vector<Step> steps = Five_Crossings(0, 1);
  steps.insert(steps.end() - 1,
               {"the end's wait",
                [] { return Frog_Play().Last_Arrived() == kFrogs - 1 && !Exercise_Running; },
                [&] {
                  waited = true;
                  EXPECT_FALSE(Panel_Keys_Enabled);
                  EXPECT_FALSE(Button(0).Enabled());
                  EXPECT_FALSE(Button(1).Enabled());
                  testkit::Key_Stroke({VK_RETURN});  // no start now
                }});
  Play_Steps(steps);
  EXPECT_TRUE(waited);
  ASSERT_TRUE(Pump_Until([] { return Button(0).Enabled(); }));
  Pump_For(200);
  EXPECT_FALSE(Exercise_Running);
  EXPECT_TRUE(Panel_Keys_Enabled);
  EXPECT_EQ(picture_boxes.size(), 1u);
}

TEST_F(Frog_Game_Window, APauseDuringACrossingKeepsTheKeysOffWhenTheNextFrogComes) {
  Write_List(Game_List(0) + Game_List(1));
  Enter(Game_Item::Frog);
  Start_By_Enter();
  Play_Steps({
      {"across", Always, [&] { Cross_To(kFarWords[0][0]); }},
      {"on the far-bank board", [] { return Frog_On(0).Visible(); },
       [&] { Click(Button(1)); }},
      {"the next frog", [] { return Frog_Play().Current_Frog() == 1 && Frog_Play().Row() == kStartBank; },
       [&] {
         EXPECT_TRUE(Frog_Game_Paused);
         EXPECT_FALSE(Panel_Keys_Enabled);
       }},
  });
  Press('A');
  EXPECT_EQ(Frog_Play().Chosen_Boat(), kNoChoice);
  Click(Button(1));
  EXPECT_TRUE(Panel_Keys_Enabled);
  Press('A');
  EXPECT_EQ(Frog_Play().Chosen_Boat(), 1);
}

TEST_F(Frog_Game_Window, ABoatEndingItsPassDropsTheFrogAndRepaintsTheWordsOutOfReach) {
  Write_List(Game_List(0) + Game_List(1));
  Set(kFrog, "Speed Num", "100");
  Enter(Game_Item::Frog);
  Start_By_Enter();
  Type("ant");
  ASSERT_EQ(Frog_Play().Row(), 1);
  Type("ca");
  EXPECT_EQ(Look_At(Word(3), 1).color, kBlue);
  // Boat 1 leaves the river within 13 ticks.
  ASSERT_TRUE(Pump_Until([] { return Frog_Play().Row() == kStartBank; }, std::chrono::seconds(5)));
  EXPECT_FALSE(Frog_On(1).Visible());
  EXPECT_EQ(Frog_Play().Chosen_Boat(), kNoChoice);
  const Look typed = Look_At(Word(3), 0);
  EXPECT_EQ(typed.color, kBlack);
  EXPECT_FALSE(typed.bold);
  EXPECT_EQ(typed.size, kPlain);
  EXPECT_EQ(Look_At(Word(4), 0).size, kPlain);
  EXPECT_EQ(Look_At(Word(1), 0).size, kLarge);
  EXPECT_EQ(Look_At(Word(2), 0).size, kLarge);
  Type("ant");
  EXPECT_EQ(Frog_Play().Row(), 1);
}

TEST_F(Frog_Game_Window, AMissingOrShortListGivesAClearMessageAndNothingIsStored) {
  struct Row {
    const char* name;
    bool present;
    std::string bytes;
    const char* message;
  };
  const Row rows[] = {
      {"missing", false, "", "找不到青蛙过河的单词表"},
      {"short", true, "ant,bee,cat\r\n", "不到一局的 35 个单词"},
      {"empty", true, "", "不到一局的 35 个单词"},
  };
  Enter(Game_Item::Frog);
  for (const Row& r : rows) {
    error_boxes.clear();
    if (r.present) Write_List(r.bytes);
    else DeleteFileA(Frog_Lesson_File(folder, 3).c_str());
    Start_By_Enter();
    ASSERT_EQ(error_boxes.size(), 1u) << r.name;
    EXPECT_NE(error_boxes[0].find(r.message), std::string::npos) << r.name << ": " << error_boxes[0];
    // The game runs on with the words it had; nothing is stored.
    EXPECT_TRUE(Exercise_Running);
    Click(Button(2));
  }
  EXPECT_EQ(Stored(kFrogBeginPositionSection, "3"), "(none)");
  EXPECT_EQ(Stored(kFrog, "Speed Num"), "50");
  // A list with quoted words, blank lines and capitals plays.
  std::string odd = "\"ZOO\",Ant,  bee ,\r\n\r\ncat,dog,eel,fig\r\n";
  for (int i = 0; i < 4; ++i) odd += "yak,ant,bee,cat,dog,eel,fig\r\n";
  Write_List(odd);
  error_boxes.clear();
  Start_By_Enter();
  EXPECT_TRUE(error_boxes.empty());
  EXPECT_EQ(Word(0).Text(), "zoo");
  EXPECT_EQ(Word(1).Text(), "ant");
  EXPECT_EQ(Word(2).Text(), "bee");
}

}  // namespace
}  // namespace quillon
