// Frog crossing's rules as tables: the word lists read as free-format fields, the boats' passes
// tick by tick, and the play driven key by key through a view that records what it is asked.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "games/frog_rules.h"
#include "services/tutor_settings.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

// ---- Word lists ----

std::vector<std::string> Fields(std::string_view file) {
  std::vector<std::string> out;
  size_t at = 0;
  std::string field;
  while (Read_Free_Field(file, at, field)) out.push_back(field);
  return out;
}

TEST(Frog_Word_List, FreeFormatFieldsAreSplitAtCommasAndLineEnds) {
  struct Row {
    const char* name;
    std::string file;
    std::vector<std::string> fields;
  };
  const Row rows[] = {
      {"commas", "apple,berry,cat", {"apple", "berry", "cat"}},
      {"line ends", "apple\r\nberry\ncat\r", {"apple", "berry", "cat"}},
      {"comma before the line end", "apple,berry,\r\ncat,\r\n", {"apple", "berry", "cat"}},
      {"spaces around", "  apple , berry\t,cat  \r\n", {"apple", "berry", "cat"}},
      {"quoted with a comma", "\"a,b\",cat", {"a,b", "cat"}},
      {"rest after the quote dropped", "\"ant\"xyz,bee", {"ant", "bee"}},
      {"quote without its end", "cat,\"dog", {"cat", "dog"}},
      {"blank lines passed over", "\r\n\r\napple\r\n\r\n  \r\nberry", {"apple", "berry"}},
      {"empty fields kept", "a,,b", {"a", "", "b"}},
      {"last field without a line end", "apple,berry", {"apple", "berry"}},
      {"nothing", "", {}},
      {"only line ends", "\r\n \r\n", {}},
  };
  for (const Row& r : rows) EXPECT_EQ(Fields(r.file), r.fields) << r.name;
}

// `count` words "w0".."w<count-1>", ten to a line, comma separated, CR LF line ends.
std::string Word_List(int count, const std::string& stem = "w") {
  std::string out;
  for (int i = 0; i < count; ++i) {
    out += stem + std::to_string(i);
    out += (i % 10 == 9 || i == count - 1) ? "\r\n" : ",";
  }
  return out;
}
// The 1-based byte position of field `n` of a list.
int Position_Of(const std::string& list, int n) {
  size_t at = 0;
  std::string field;
  int seen = 0;
  while (true) {
    const size_t here = at;
    if (!Read_Free_Field(list, at, field)) return -1;
    if (seen++ == n) return static_cast<int>(here) + 1;
  }
}

TEST(Frog_Word_List, AGameIsThirtyFiveWordsAndAShortRestCountsAsTheListsEnd) {
  const std::string seventy = Word_List(70);
  const std::string eighty = Word_List(80);
  struct Row {
    const char* name;
    const std::string& file;
    int begin;
    bool complete, wrapped, from_start;
    int first_word;   // the number of the game's first word
    int next_word;    // where the next game begins (-1: position 1)
  };
  const Row rows[] = {
      {"first game of two", seventy, 1, true, false, false, 0, 35},
      {"second game ends the list", seventy, Position_Of(seventy, 35), true, true, false, 35, -1},
      {"ten words left: read from 1", eighty, Position_Of(eighty, 70), true, false, true, 0, 35},
      {"second game leaves ten: wraps", eighty, Position_Of(eighty, 35), true, true, false, 35, -1},
      {"a begin inside a word", seventy, Position_Of(seventy, 35) + 1, true, true, false, -2, -1},
      {"begin beyond the list", seventy, 5000, true, false, false, 0, 35},
      {"begin 0", seventy, 0, true, false, false, 0, 35},
      {"begin negative", seventy, -7, true, false, false, 0, 35},
      {"begin beyond byte 32767", seventy, 40000, true, false, false, 0, 35},
  };
  for (const Row& r : rows) {
    const Frog_Word_Game g = Read_Frog_Game_Words(r.file, r.begin);
    EXPECT_EQ(g.complete, r.complete) << r.name;
    EXPECT_EQ(g.wrapped, r.wrapped) << r.name;
    EXPECT_EQ(g.from_start, r.from_start) << r.name;
    if (r.first_word >= 0) {
      EXPECT_EQ(g.words[0][0], "w" + std::to_string(r.first_word)) << r.name;
      EXPECT_EQ(g.words[4][6], "w" + std::to_string(r.first_word + 34)) << r.name;
    }
    EXPECT_EQ(g.next_position, r.next_word < 0 ? 1 : Position_Of(r.file, r.next_word)) << r.name;
  }
}

TEST(Frog_Word_List, WordsAreLowerCaseInFrogOrderAndAShortListIsNotAGame) {
  std::string list = "\"Zebra\",APPLE,  Berry\r\n,,\r\n";
  for (int i = 0; i < 32; ++i) list += "x" + std::to_string(i) + "\r\n";
  const Frog_Word_Game g = Read_Frog_Game_Words(list, 1);
  ASSERT_TRUE(g.complete);
  EXPECT_TRUE(g.wrapped);  // exactly one game: the list's end
  EXPECT_EQ(g.words[0][0], "zebra");
  EXPECT_EQ(g.words[0][1], "apple");
  EXPECT_EQ(g.words[0][2], "berry");
  EXPECT_EQ(g.words[1][0], "x4");  // frog 1's far-bank word is the eighth word
  EXPECT_EQ(g.words[4][6], "x31");

  for (const std::string& short_list : {std::string(), Word_List(34), std::string(",,,\r\n")}) {
    const Frog_Word_Game s = Read_Frog_Game_Words(short_list, 1);
    EXPECT_FALSE(s.complete) << short_list;
    EXPECT_EQ(s.next_position, 1);
  }
}

TEST(Frog_Word_List, APositionBeyondByte32767IsTheListsEnd) {
  // Words of about 400 bytes: a game takes some 14,000 bytes, so the third game of the list would
  // leave the next one beyond byte 32767 although words are left.
  std::string list;
  for (int i = 0; i < 140; ++i) list += std::string(400, 'a') + std::to_string(i) + "\r\n";
  std::vector<int> begins{1};
  Frog_Word_Game g;
  for (int game = 0; game < 5; ++game) {
    g = Read_Frog_Game_Words(list, begins.back());
    ASSERT_TRUE(g.complete);
    if (g.wrapped) break;
    begins.push_back(g.next_position);
  }
  EXPECT_EQ(begins.size(), 3u);
  EXPECT_TRUE(g.wrapped);
  EXPECT_EQ(g.next_position, 1);
  EXPECT_EQ(g.words[0][0], std::string(400, 'a') + "70");
  // A stored position beyond the list's 16-bit reach reads the list from its start.
  EXPECT_EQ(Read_Frog_Game_Words(list, 33000).words[0][0], std::string(400, 'a') + "0");
}

TEST(Frog_Word_List, EveryShippedListPlaysAsWholeGamesFromItsStartToItsEnd) {
  for (int lesson = 0; lesson < kFrogLessons; ++lesson) {
    SCOPED_TRACE(lesson);
    const std::string list = testkit::Read_File(Frog_Lesson_File(testkit::Tutor_Folder(), lesson));
    ASSERT_FALSE(list.empty());
    EXPECT_LE(list.size(), static_cast<size_t>(kFrogLastPosition));
    int fields = 0;
    size_t at = 0;
    std::string field;
    while (Read_Free_Field(list, at, field)) fields += !field.empty();
    // Game after game from position 1, as the remembered position walks the list.
    int games = 0, begin = 1;
    bool wrapped = false;
    while (!wrapped && games < 100) {
      const Frog_Word_Game g = Read_Frog_Game_Words(list, begin);
      ASSERT_TRUE(g.complete);
      EXPECT_FALSE(g.from_start);
      for (const auto& frog : g.words) {
        for (const std::string& w : frog)
          EXPECT_TRUE(!w.empty() && w.find_first_not_of("abcdefghijklmnopqrstuvwxyz") ==
                                        std::string::npos) << w;
        for (int boat : {1, 3, 5}) EXPECT_NE(frog[boat][0], frog[boat + 1][0]) << frog[boat];
      }
      ++games;
      wrapped = g.wrapped;
      begin = g.next_position;
    }
    EXPECT_EQ(games * kFrogGameWords, fields);
    EXPECT_GE(games, 1);
  }
}

// ---- Options ----

TEST(Frog_Options, ReadWithinTheirRanges) {
  const char kFrog[] = "Setting\\Game\\Frog";
  const char kRemember[] = "Setting\\Game\\Frog\\Remember";
  struct Row {
    const char *lesson, *speed, *flag, *position;
    Frog_Options expected;
  };
  const Row rows[] = {
      {nullptr, nullptr, nullptr, nullptr, {3, 50, 1, 1}},
      {"5", "100", "1", "700", {5, 100, 1, 700}},
      {"9", "0", "1", "40000", {7, 1, 1, 32767}},
      {"-1", "250", "0", "700", {0, 100, 0, 1}},
      {"2", "x", "7", "700", {2, 50, 0, 1}},
  };
  for (const Row& r : rows) {
    forms::Tutor_Settings::Delete_Section(kFrog);
    forms::Tutor_Settings::Delete_Section(kRemember);
    forms::Tutor_Settings::Delete_Section(kFrogBeginPositionSection);
    if (r.lesson) forms::Tutor_Settings::Save(kFrog, "Lesson", r.lesson);
    if (r.speed) forms::Tutor_Settings::Save(kFrog, "Speed Num", r.speed);
    if (r.flag) forms::Tutor_Settings::Save(kRemember, "Flag", r.flag);
    if (r.position)
      forms::Tutor_Settings::Save(kFrogBeginPositionSection,
                                  std::to_string(r.expected.lesson), r.position);
    const Frog_Options o = Read_Frog_Options();
    EXPECT_EQ(o.lesson, r.expected.lesson);
    EXPECT_EQ(o.speed_num, r.expected.speed_num);
    EXPECT_EQ(o.remember_flag, r.expected.remember_flag);
    EXPECT_EQ(o.begin_position, r.expected.begin_position);
  }
  forms::Tutor_Settings::Delete_Section(kFrog);
  forms::Tutor_Settings::Delete_Section(kRemember);
  forms::Tutor_Settings::Delete_Section(kFrogBeginPositionSection);
  EXPECT_EQ(Frog_Lesson_File("C:\\Q", 4), "C:\\Q\\QLGame\\Frog\\4.txt");
}

// ---- Boats ----

constexpr double kRiver = 8265, kBoat = 2040;

TEST(Frog_Boats, PassesLastAndPartnersSetOffAtTheMiddle) {
  struct Row {
    int speed, boat;
    int partner_tick;  // the tick that starts the partner
    int end_tick;      // the tick that ends the pass
  };
  const Row rows[] = {
      {50, 1, 31, 75}, {50, 3, 31, 75}, {50, 5, 31, 75},
      {100, 1, 6, 13}, {100, 3, 6, 13}, {1, 1, 55, 136}, {1, 4, 55, 136},
  };
  for (const Row& r : rows) {
    Frog_Boat_Records boats = Frog_Boat_Geometry(kRiver, kBoat);
    boats[r.boat].moving = true;
    const double step = Frog_Boat_Step(kRiver, r.speed);
    const int partner = Partner_Boat(r.boat);
    int partner_tick = 0, end_tick = 0;
    double last_x = boats[r.boat].x;
    for (int tick = 1; tick <= 200 && !end_tick; ++tick) {
      const Boat_Pass pass = Move_Frog_Boat(boats, r.boat, step);
      if (pass == Boat_Pass::Partner_Started) partner_tick = tick;
      if (pass == Boat_Pass::Ended) end_tick = tick;
      if (pass == Boat_Pass::Moved) {
        // Rows 1 and 3 to the right, row 2 to the left.
        EXPECT_EQ(boats[r.boat].x > last_x, Boat_Moves_Right(r.boat)) << r.boat;
        EXPECT_EQ(boats[partner].moving, partner_tick != 0);
      }
      last_x = boats[r.boat].x;
    }
    EXPECT_EQ(partner_tick, r.partner_tick) << r.speed << " " << r.boat;
    EXPECT_EQ(end_tick, r.end_tick) << r.speed << " " << r.boat;
    // Back at its side and moving again, since its partner moves.
    EXPECT_EQ(boats[r.boat].x, boats[r.boat].start_x);
    EXPECT_TRUE(boats[r.boat].moving);
    EXPECT_FALSE(boats[r.boat].partner_started);
  }
}

TEST(Frog_Boats, ARowCirculatesHalfARiverApartAndALoneBoatWaitsAtItsSide) {
  Frog_Boat_Records boats = Frog_Boat_Geometry(kRiver, kBoat);
  EXPECT_EQ(boats[1].start_x, -kBoat);
  EXPECT_EQ(boats[1].end_x, kRiver);
  EXPECT_EQ(boats[1].middle_x, kRiver / 2 - kBoat);
  EXPECT_EQ(boats[4].start_x, kRiver);
  EXPECT_EQ(boats[4].end_x, -kBoat);
  EXPECT_EQ(boats[4].middle_x, kRiver / 2);
  boats[1].moving = true;
  const double step = Frog_Boat_Step(kRiver, 50);
  for (int tick = 0; tick < 600; ++tick) {
    Move_Frog_Boat(boats, 1, step);
    Move_Frog_Boat(boats, 2, step);
    EXPECT_TRUE(Move_Frog_Boat(boats, 3, step) == Boat_Pass::Waiting);  // never started
    if (tick > 40) {
      // Boat 2 set off on boat 1's 31st tick: the two stay 30 ticks of a 75-tick round apart.
      EXPECT_TRUE(boats[1].moving && boats[2].moving);
      EXPECT_EQ(((boats[1].step_count - boats[2].step_count) % 75 + 75) % 75, 30) << tick;
    }
  }
  // A boat whose partner stands still waits at its side after its pass.
  Frog_Boat_Records lone = Frog_Boat_Geometry(kRiver, kBoat);
  lone[5].moving = true;
  lone[5].partner_started = true;  // its partner was started and stopped again
  for (int tick = 0; tick < 80; ++tick) Move_Frog_Boat(lone, 5, step);
  EXPECT_FALSE(lone[5].moving);
  EXPECT_EQ(lone[5].x, lone[5].start_x);
  Park_Frog_Boats(boats);
  for (int i = 1; i <= kFrogBoats; ++i) {
    EXPECT_FALSE(boats[i].moving);
    EXPECT_EQ(boats[i].x, boats[i].start_x);
    EXPECT_EQ(boats[i].step_count, 0);
  }
}

// ---- The play ----

struct Recording_View : Frog_View {
  std::vector<std::string> log;
  std::function<void(int)> on_wait;  // runs inside a wait
  int answer = 2;
  std::array<bool, kFrogWords> highlighted{};
  std::array<int, kFrogWords> marked{};
  std::array<bool, kFrogWords> frog_shown{};
  std::array<std::string, kFrogWords> words{};
  bool start_enabled = true, pause_enabled = false, stop_enabled = false;
  int stored_level = -1, stored_position = -1, stored_lesson = -1, starts = 0, top_boxes = 0,
      wrong = 0, keys = 0, frog_sounds = 0, wins = 0, pauses_ended = 0;

  void Clear_Word(int b) override {
    words[b].clear();
    highlighted[b] = false;
    marked[b] = 0;
  }
  void Set_Word(int b, const std::string& w) override {
    words[b] = w;
    highlighted[b] = false;
    marked[b] = 0;
  }
  void Paint_Word(int b, bool on) override {
    highlighted[b] = on;
    marked[b] = 0;
  }
  void Mark_Letter(int b, int p) override {
    EXPECT_EQ(p, marked[b]) << "letters are marked in order";
    marked[b] = p + 1;
  }
  void Put_Caret(int, int) override {}
  void Show_Frog(int b, bool shown) override {
    if (b >= 0) frog_shown[b] = shown;
  }
  void Show_Arrived(int i, bool shown) override {
    log.push_back("arrived " + std::to_string(i) + (shown ? " on" : " off"));
  }
  void Show_Waiting(int, bool) override {}
  void Scroll_River() override { log.push_back("scroll"); }
  void Move_Boats(const Frog_Boat_Records&) override {}
  void Animate(const Frog_Sprites&) override {}
  void Play_Key_Sound(int) override { ++keys; }
  void Play_Wrong_Sound() override { ++wrong; }
  void Play_Frog_Sound() override { ++frog_sounds; }
  void Play_Win_Sound() override { ++wins; log.push_back("win sound"); }
  bool Wait(int ms) override {
    log.push_back("wait " + std::to_string(ms));
    if (on_wait) on_wait(ms);
    return true;
  }
  void Enable_Buttons(bool start, bool pause, bool stop) override {
    start_enabled = start;
    pause_enabled = pause;
    stop_enabled = stop;
  }
  int Ask_Win_Box() override {
    log.push_back("win box");
    return answer;
  }
  void Show_Top_Box() override { ++top_boxes; }
  void End_Pause() override { ++pauses_ended; }
  void Store_Level(int level) override { stored_level = level; }
  void Store_Begin_Position(int lesson, int position) override {
    stored_lesson = lesson;
    stored_position = position;
  }
  void Start_Game() override { ++starts; }
  int Highlighted() const {
    int mask = 0;
    for (int i = 0; i < kFrogWords; ++i) mask |= highlighted[i] << i;
    return mask;
  }
};
int Mask(std::initializer_list<int> boats) {
  int m = 0;
  for (int b : boats) m |= 1 << b;
  return m;
}

// Every frog: far bank "zoo", boats "ant" "bee" / "cat" "dog" / "eel" "fig".
Frog_Word_Game Game_Words(const std::array<std::string, kFrogWords>& row = {
                              "zoo", "ant", "bee", "cat", "dog", "eel", "fig"}) {
  Frog_Word_Game g;
  for (auto& frog : g.words) frog = row;
  g.complete = true;
  g.next_position = 246;
  return g;
}

class Frog_Play_Test : public ::testing::Test {
 protected:
  bool running = true, keys = true, paused = false;
  Recording_View view;
  Frog_Game game{view, Frog_Flags{running, keys, paused}};
  void Start(int speed = 50, const Frog_Word_Game& words = Game_Words(), bool wrapped = false) {
    Frog_Options o;
    o.speed_num = speed;
    o.lesson = 6;
    game.Begin(o, kRiver, kBoat);
    Frog_Word_Game w = words;
    w.wrapped = wrapped;
    game.Set_Off(w);
  }
  void Type(const std::string& text) {
    for (char c : text) game.Key_Down(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  void Tick(int n) {
    for (int i = 0; i < n; ++i) game.Tick();
  }
};

TEST_F(Frog_Play_Test, TheFirstKeyChoosesABoatByItsFirstLetterAndTheWordIsTypedToTheJump) {
  Start();
  EXPECT_EQ(game.Row(), kStartBank);
  EXPECT_EQ(view.Highlighted(), Mask({1, 2}));
  EXPECT_TRUE(game.Sprites().on_start_bank);
  struct Row {
    std::string keys;
    int chosen, letters, row, current, highlighted, wrong;
  };
  const Row rows[] = {
      {"x", kNoChoice, 0, kStartBank, kNoBoat, Mask({1, 2}), 1},  // no boat's letter
      // Typed words keep their look; the other word of the row is plain.
      {"b", 2, 1, kStartBank, kNoBoat, Mask({2}), 1},
      {"q", 2, 1, kStartBank, kNoBoat, Mask({2}), 2},             // a wrong letter keeps "b"
      {"\r\b ", 2, 1, kStartBank, kNoBoat, Mask({2}), 5},         // Enter, Backspace, Space
      {"e", 2, 2, kStartBank, kNoBoat, Mask({2}), 5},
      {"e", kNoChoice, 0, 1, 2, Mask({2, 3, 4}), 5},              // the jump onto boat 2
      {"d", 4, 1, 1, 2, Mask({2, 4}), 5},
      {"og", kNoChoice, 0, 2, 4, Mask({2, 4, 5, 6}), 5},
      {"eel", kNoChoice, 0, 3, 5, Mask({0, 2, 4, 5}), 5},
  };
  for (const Row& r : rows) {
    Type(r.keys);
    EXPECT_EQ(game.Chosen_Boat(), r.chosen) << r.keys;
    EXPECT_EQ(game.Letters_Typed(), r.letters) << r.keys;
    EXPECT_EQ(game.Row(), r.row) << r.keys;
    EXPECT_EQ(game.Current_Boat(), r.current) << r.keys;
    EXPECT_EQ(view.Highlighted(), r.highlighted) << r.keys;
    EXPECT_EQ(view.wrong, r.wrong) << r.keys;
  }
  EXPECT_EQ(view.frog_sounds, 3);
  EXPECT_TRUE(view.frog_shown[5]);
  EXPECT_FALSE(view.frog_shown[4]);
  EXPECT_TRUE(game.Sprites().on_boat);
  // The far-bank word needs no choice; Esc cannot drop it.
  Type("z");
  EXPECT_EQ(game.Chosen_Boat(), kFarBank);
  game.Key_Down(VK_ESCAPE);
  EXPECT_EQ(view.wrong, 6);
  EXPECT_EQ(game.Chosen_Boat(), kFarBank);
  view.log.clear();
  Type("oo");
  // Across: on the board 500 ms, the crossed frog shown, 200 ms, the next frog blinks in.
  EXPECT_EQ(game.Last_Arrived(), 0);
  EXPECT_EQ(game.Waiting_Index(), 1);
  EXPECT_EQ(game.Current_Frog(), 1);
  EXPECT_EQ(game.Row(), kStartBank);
  EXPECT_EQ(game.Current_Boat(), kNoBoat);
  EXPECT_TRUE(game.Sprites().on_start_bank);
  EXPECT_TRUE(game.Sprites().arrivals_shown);
  EXPECT_EQ(view.Highlighted(), Mask({1, 2}));
  EXPECT_EQ(view.log, (std::vector<std::string>{"wait 500", "arrived 0 on", "wait 200", "wait 200",
                                                "wait 200", "wait 200", "wait 200"}));
}

TEST_F(Frog_Play_Test, TiesChooseTheOddBoatAndEscLeavesBothWordsWithinReach) {
  Start(50, Game_Words({"zoo", "ant", "ape", "cat", "cow", "eel", "elk"}));
  struct Row {
    std::string keys;
    int chosen, letters, highlighted, wrong;
  };
  const Row rows[] = {
      {"a", 1, 1, Mask({1}), 0},
      {"\x1b", kNoChoice, 0, Mask({1, 2}), 0},
      {"a", 1, 1, Mask({1}), 0},
      {"p", 1, 1, Mask({1}), 1},  // boat 2's second letter is wrong on boat 1
      {"\x1b", kNoChoice, 0, Mask({1, 2}), 1},
      {"\x1b", kNoChoice, 0, Mask({1, 2}), 2},  // nothing chosen
  };
  for (const Row& r : rows) {
    Type(r.keys);
    EXPECT_EQ(game.Chosen_Boat(), r.chosen) << r.keys;
    EXPECT_EQ(game.Letters_Typed(), r.letters) << r.keys;
    EXPECT_EQ(view.Highlighted(), r.highlighted) << r.keys;
    EXPECT_EQ(view.wrong, r.wrong) << r.keys;
  }
}

TEST_F(Frog_Play_Test, AOneLetterWordIsFinishedByChoosingIt) {
  Start(50, Game_Words({"zoo", "a", "bee", "c", "dog", "e", "fig"}));
  struct Row {
    char key;
    int row, current;
  };
  for (const Row& r : {Row{'a', 1, 1}, Row{'c', 2, 3}, Row{'e', 3, 5}}) {
    Type(std::string(1, r.key));
    EXPECT_EQ(game.Row(), r.row) << r.key;
    EXPECT_EQ(game.Current_Boat(), r.current) << r.key;
    EXPECT_EQ(game.Chosen_Boat(), kNoChoice) << r.key;
  }
  EXPECT_EQ(view.frog_sounds, 3);
}

TEST_F(Frog_Play_Test, ABoatEndingItsPassWithTheFrogDropsItOneRowAndRepaintsTheWordsOutOfReach) {
  struct Row {
    const char* name;
    std::string path;  // typed to get the frog onto its boat, then a word begun
    int row_before, boat_before;
    int row_after, boat_after;
  };
  // At level 100 boats 1, 3 and 5 end their first pass on tick 13, all in the same tick; the
  // frog lands on the boat of the row below with more of its pass ahead, by position only: the
  // one that has just gone back to its side.
  const Row rows[] = {
      {"row 1 to the start point", "ant" "c", 1, 1, kStartBank, kNoBoat},
      {"row 2 onto row 1", "ant" "cat" "e", 2, 3, 1, 1},
      {"row 3 onto row 2", "ant" "cat" "eel" "z", 3, 5, 2, 3},
  };
  for (const Row& r : rows) {
    Start(100);
    Type(r.path);
    ASSERT_EQ(game.Row(), r.row_before) << r.name;
    ASSERT_EQ(game.Current_Boat(), r.boat_before) << r.name;
    ASSERT_NE(game.Chosen_Boat(), kNoChoice) << r.name;
    int ticks = 0;
    while (game.Row() == r.row_before && ticks < 14) {
      game.Tick();
      ++ticks;
    }
    EXPECT_EQ(ticks, 13) << r.name;
    EXPECT_EQ(game.Row(), r.row_after) << r.name;
    EXPECT_EQ(game.Current_Boat(), r.boat_after) << r.name;
    EXPECT_EQ(game.Chosen_Boat(), kNoChoice) << r.name;
    EXPECT_EQ(game.Letters_Typed(), 0) << r.name;
    EXPECT_FALSE(view.frog_shown[r.boat_before]) << r.name;
    if (r.boat_after != kNoBoat) {
      EXPECT_TRUE(view.frog_shown[r.boat_after]) << r.name;
    }
    EXPECT_EQ(game.Sprites().on_start_bank, r.boat_after == kNoBoat) << r.name;
    EXPECT_EQ(game.Sprites().on_boat, r.boat_after != kNoBoat) << r.name;
    // The words out of reach now are plain again; the new row's are within reach.
    for (int t : Frog_Game::Targets_From(r.row_before)) {
      if (t < 0) continue;
      EXPECT_FALSE(view.highlighted[t]) << r.name << " " << t;
    }
    for (int t : Frog_Game::Targets_From(r.row_after)) {
      if (t < 0) continue;
      EXPECT_TRUE(view.highlighted[t]) << r.name << " " << t;
    }
  }
}

TEST_F(Frog_Play_Test, ABoatEndingItsPassWithoutTheFrogKeepsItsWordChosen) {
  Start(100);
  Type("an");  // boat 1 chosen, the frog still on the start point
  Tick(13);
  EXPECT_EQ(game.Row(), kStartBank);
  EXPECT_EQ(game.Chosen_Boat(), 1);
  EXPECT_EQ(game.Letters_Typed(), 2);
  EXPECT_EQ(game.Boats()[1].x, game.Boats()[1].start_x);
  EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "scroll"), 13);
}

// Five crossings: the win at the end of the fifth.
void Cross_Five(const std::function<void(const std::string&)>& type) {
  for (int frog = 0; frog < kFrogs; ++frog) type("ant" "cat" "eel" "zoo");
}

TEST_F(Frog_Play_Test, TheEndOfAGameTurnsInputOffBeforeItsWaitAndGivesTheStartBackLast) {
  Start();
  bool checked = false;
  view.on_wait = [&](int ms) {
    if (ms != kFrogEndWaitMs || game.Last_Arrived() != kFrogs - 1) return;
    checked = true;
    EXPECT_FALSE(running);
    EXPECT_FALSE(keys);
    EXPECT_FALSE(view.start_enabled || view.pause_enabled || view.stop_enabled);
    EXPECT_EQ(view.wins, 0);
  };
  view.answer = 2;
  Cross_Five([&](const std::string& s) { Type(s); });
  EXPECT_TRUE(checked);
  EXPECT_EQ(view.wins, 1);
  EXPECT_TRUE(view.start_enabled);
  EXPECT_TRUE(keys);
  EXPECT_FALSE(running);
  EXPECT_EQ(view.log.back(), "win box");
  EXPECT_EQ(view.stored_level, -1);
  EXPECT_EQ(view.starts, 0);
}

TEST_F(Frog_Play_Test, TheLevelRuleDecidesTheBoxWhatIsStoredAndWhetherAGameStarts) {
  struct Row {
    int level;
    bool wrapped;
    int answer;
    bool top_box;
    int stored_level, stored_position, starts;
  };
  const Row rows[] = {
      {50, false, 0, false, 51, 246, 1},   // next level: level and position stored
      {99, false, 0, false, 100, 246, 1},
      {50, false, 1, false, -1, -1, 1},    // same level: nothing stored
      {50, false, 2, false, -1, -1, 0},    // end
      {100, false, 0, true, 50, -1, 0},    // level 100: Form_Yes, level 50
      {30, true, 0, true, 50, 1, 0},       // the list's end: level 50, position 1
  };
  for (const Row& r : rows) {
    view = Recording_View{};
    view.answer = r.answer;
    running = keys = true;
    Start(r.level, Game_Words(), r.wrapped);
    Cross_Five([&](const std::string& s) { Type(s); });
    EXPECT_EQ(view.top_boxes, r.top_box ? 1 : 0) << r.level;
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "win box"), r.top_box ? 0 : 1);
    EXPECT_EQ(view.stored_level, r.stored_level) << r.level << " " << r.answer;
    EXPECT_EQ(view.stored_position, r.stored_position) << r.level << " " << r.answer;
    if (r.stored_position > 0) {
      EXPECT_EQ(view.stored_lesson, 6);
    }
    EXPECT_EQ(view.starts, r.starts) << r.level << " " << r.answer;
  }
}

TEST_F(Frog_Play_Test, APauseDuringACrossingKeepsTheKeysOffAfterTheNextFrog) {
  Start();
  view.on_wait = [&](int ms) {
    if (ms == kFrogArrivalMs) {
      paused = true;  // the pause button during the crossing
      keys = false;
    }
  };
  Type("ant" "cat" "eel" "zoo");
  EXPECT_EQ(game.Current_Frog(), 1);
  EXPECT_FALSE(keys);
  paused = false;
  view.on_wait = nullptr;
  Type("ant" "cat" "eel" "zoo");
  EXPECT_TRUE(keys);
  // Paused again during the last crossing: the game ends unpaused, the river flowing.
  for (int frog = 2; frog < kFrogs - 1; ++frog) Type("ant" "cat" "eel" "zoo");
  view.on_wait = [&](int ms) {
    if (ms == kFrogArrivalMs && game.Last_Arrived() == kFrogs - 2) paused = true;
  };
  Type("ant" "cat" "eel" "zoo");
  EXPECT_FALSE(paused);
  EXPECT_EQ(view.pauses_ended, 1);
  EXPECT_EQ(view.wins, 1);
}

TEST_F(Frog_Play_Test, AStopOrANewStartDuringAWaitEndsWhatWasWaiting) {
  Start();
  view.on_wait = [&](int ms) {
    if (ms == kFrogArrivalMs) game.Stop();
  };
  Type("ant" "cat" "eel" "zoo");
  // The crossing gave up: the frog stays on the board, no next frog.
  EXPECT_EQ(game.Last_Arrived(), -1);
  EXPECT_EQ(game.Current_Frog(), 0);
  EXPECT_TRUE(view.frog_shown[kFarBank]);
  // Keys while a frog is arriving find nothing to type; Esc is wrong.
  const int wrong = view.wrong;
  Type("a");
  game.Key_Down(VK_ESCAPE);
  EXPECT_EQ(view.wrong, wrong + 1);
  EXPECT_EQ(game.Row(), kFarBank);
}

TEST_F(Frog_Play_Test, NumbersAndOtherCharactersMatchOnlyTheirOwnKeyCode) {
  Start(50, Game_Words({"zoo", "a-b", "b2", "cat", "dog", "eel", "fig"}));
  Type("a");
  game.Key_Down(VK_OEM_MINUS);  // the key that types "-" has another code
  EXPECT_EQ(game.Letters_Typed(), 1);
  game.Key_Down('-');           // code 45
  EXPECT_EQ(game.Letters_Typed(), 2);
  game.Key_Down(VK_SHIFT);
  EXPECT_EQ(game.Letters_Typed(), 2);
  Type("b");
  EXPECT_EQ(game.Row(), 1);
}

}  // namespace
}  // namespace quillon
