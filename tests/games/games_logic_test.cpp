// The games' rules as tables, with the random source and the clock set by the tests.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "games/game_rules.h"
#include "services/tutor_settings.h"

namespace quillon {
namespace {

// A random source that answers from a list, then repeats its last answer.
Random_Source Answers(std::deque<int> answers) {
  auto list = std::make_shared<std::deque<int>>(std::move(answers));
  return [list](int low, int high) {
    int v = list->front();
    if (list->size() > 1) list->pop_front();
    EXPECT_GE(v, low);
    EXPECT_LE(v, high);
    return v;
  };
}

std::vector<std::string> Chars(const std::string& text) {
  std::vector<std::string> out;
  for (char c : text) out.push_back(std::string(1, c));
  return out;
}
std::string Text(const std::vector<std::string>& chars) {
  std::string out;
  for (const auto& c : chars) out += c;
  return out;
}
std::string Letters(int n, char first = 'a') {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>(first + i % 26);
  return s;
}

// ---- Options and the level rule ----

TEST(GameOptions, StoredValuesOutOfRangeAreReadClampedAndNumbersOnly) {
  struct Row {
    const char* speed;
    const char* wait;
    const char* balk;
    const char* flag;
    const char* position;
    int want_speed;
    double want_wait, want_balk;
    int want_flag, want_position;
  };
  const Row rows[] = {
      {"50", "5", "3", "1", "120", 50, 5, 3, 1, 120},
      {"0", "0", "10", "1", "0", 1, 1, 9, 1, 1},
      {"150", "2.5", "-4", "7", "40000", 100, 2.5, 1, 1, 32767},
      {"-3", "x", "", "0", "500", 1, 5, 3, 0, 1},  // flag 0: always the text's start
      {"abc", "9", "9", "-1", "77", 50, 9, 9, 0, 1},
  };
  const char kPolice[] = "Setting\\Game\\Police";
  const char kRemember[] = "Setting\\Game\\Police\\Remember";
  for (const Row& r : rows) {
    forms::Tutor_Settings::Save(kPolice, "Speed Num", r.speed);
    forms::Tutor_Settings::Save(kPolice, "Police Wait Time", r.wait);
    forms::Tutor_Settings::Save(kPolice, "Balk Wait Time", r.balk);
    forms::Tutor_Settings::Save(kRemember, "Flag", r.flag);
    forms::Tutor_Settings::Save(kRemember, "Begin Position", r.position);
    const Police_Options o = Read_Police_Options();
    EXPECT_EQ(o.speed_num, r.want_speed) << r.speed;
    EXPECT_DOUBLE_EQ(o.police_wait, r.want_wait) << r.wait;
    EXPECT_DOUBLE_EQ(o.balk_wait, r.want_balk) << r.balk;
    EXPECT_EQ(o.remember_flag, r.want_flag) << r.flag;
    EXPECT_EQ(o.begin_position, r.want_position) << r.position;
    EXPECT_GE(Police_Step_Delay(o.speed_num), 10);
  }
  forms::Tutor_Settings::Delete_Section(kPolice);
  forms::Tutor_Settings::Delete_Section(kRemember);

  const char kApple[] = "Setting\\Game\\Apple";
  const std::vector<std::tuple<const char*, const char*, int, int>> apple = {
      {"6", "50", 6, 50}, {"0", "0", 1, 1}, {"10", "200", 9, 100}, {"99", "-7", 9, 1}};
  for (const auto& [balloons, speed, want_balloons, want_speed] : apple) {
    forms::Tutor_Settings::Save(kApple, "Balloon Num", balloons);
    forms::Tutor_Settings::Save(kApple, "Speed Num", speed);
    const Apple_Options o = Read_Apple_Options();
    EXPECT_EQ(o.balloon_num, want_balloons);
    EXPECT_EQ(o.speed_num, want_speed);
    EXPECT_GT(Apple_Launch_Interval(o.speed_num), 0);
  }
  forms::Tutor_Settings::Delete_Section(kApple);
}

TEST(GameLevels, TempoAndTheRuleAfterAWin) {
  EXPECT_EQ(Police_Step_Delay(1), 1000);
  EXPECT_EQ(Police_Step_Delay(50), 510);
  EXPECT_EQ(Police_Step_Delay(100), 10);
  EXPECT_EQ(Police_Step_Delay(500), 10);
  EXPECT_EQ(Apple_Launch_Interval(1), 1090);
  EXPECT_EQ(Apple_Launch_Interval(50), 600);
  EXPECT_EQ(Apple_Launch_Interval(100), 100);
  EXPECT_EQ(Apple_Launch_Interval(0), 1090);

  struct Row {
    int level;
    bool wrapped;
    bool top_box, reset, position_1;
  };
  const Row rows[] = {{50, false, false, false, false},
                      {99, false, false, false, false},
                      {100, false, true, true, false},
                      {7, true, true, true, true},
                      {100, true, true, true, true}};
  for (const Row& r : rows) {
    const Win_Outcome o = Judge_Win(r.level, r.wrapped);
    EXPECT_EQ(o.top_box, r.top_box) << r.level;
    EXPECT_EQ(o.store_level_reset, r.reset) << r.level;
    EXPECT_EQ(o.store_position_1, r.position_1) << r.level;
  }
  EXPECT_EQ(Next_Level(99), 100);
  EXPECT_EQ(Next_Level(100), 100);
}

// ---- Police and thief ----

TEST(PoliceText, OneLineCutIntoFourTypingLinesWithTheNextPosition) {
  const std::string first = Letters(230);
  const std::string second = Letters(100, 'A');
  const std::string file = first + "\r\n" + second + "\r\n";
  Police_Text t = Cut_Police_Text(file, 1);
  ASSERT_FALSE(t.empty);
  EXPECT_EQ(Text(t.lines[0]), first.substr(0, 54));
  EXPECT_EQ(Text(t.lines[1]), first.substr(54, 54));
  EXPECT_EQ(Text(t.lines[3]), first.substr(162, 54));  // characters after the 216th unused
  EXPECT_FALSE(t.wrapped);
  EXPECT_EQ(t.next_position, static_cast<int>(first.size()) + 3);
  EXPECT_EQ(Last_Police_Line(t), 3);

  // The last line wraps: the next game begins at 1; a short line leaves later lines empty.
  t = Cut_Police_Text(file, t.next_position);
  EXPECT_EQ(Text(t.lines[0]), second.substr(0, 54));
  EXPECT_EQ(Text(t.lines[1]), second.substr(54));
  EXPECT_TRUE(t.lines[2].empty());
  EXPECT_TRUE(t.lines[3].empty());
  EXPECT_TRUE(t.wrapped);
  EXPECT_EQ(t.next_position, 1);
  EXPECT_EQ(Last_Police_Line(t), 1);

  // One trailing space of line 3 goes; blank lines are passed over; a position beyond the file
  // reads from its start; a file without text is empty.
  const std::string spaced = Letters(215) + " ";
  t = Cut_Police_Text("\r\n  \r\n" + spaced + "\r\n\r\n", 1);
  EXPECT_EQ(Text(t.lines[3]), spaced.substr(162, 53));
  EXPECT_TRUE(t.wrapped);
  t = Cut_Police_Text(file, 99999);
  EXPECT_EQ(Text(t.lines[0]), first.substr(0, 54));
  EXPECT_TRUE(Cut_Police_Text("\r\n\r\n", 1).empty);
  EXPECT_TRUE(Cut_Police_Text("", 1).empty);
}

TEST(PoliceText, ANextLineBeyondByte32767CountsAsTheEndOfTheFile) {
  std::string file;
  const std::string line = Letters(230) + "\r\n";
  while (file.size() < 32800) file += line;
  // The line that starts last before byte 32767: the one after it begins beyond the limit.
  const int last_start = static_cast<int>((32767 - 1) / line.size() * line.size()) + 1;
  Police_Text t = Cut_Police_Text(file, last_start);
  EXPECT_FALSE(t.empty);
  EXPECT_TRUE(t.wrapped);
  EXPECT_EQ(t.next_position, 1);
  t = Cut_Police_Text(file, last_start - static_cast<int>(line.size()));
  EXPECT_FALSE(t.wrapped);
  EXPECT_EQ(t.next_position, last_start);
}

TEST(PoliceObstacles, DrawnOffSpacesLineZeroNotBeforeCharacter33AndNoneWithoutCandidates) {
  const auto line = Chars("abc def ghi jkl mno pqr stu vwx yza bcd efg hij klm no");  // 54
  ASSERT_EQ(line.size(), 54u);
  struct Row {
    int line_index;
    std::deque<int> draws;
    int want;
  };
  const Row rows[] = {
      {0, {5, 31, 35, 36}, 36},  // before 32, then a space at 35
      {0, {32}, 32},
      {1, {3, 0}, 0},            // a space at 3
      {2, {53}, 53},
      {3, {10}, -1},             // the last line has none
  };
  for (const Row& r : rows)
    EXPECT_EQ(Draw_Police_Obstacle(line, r.line_index, Answers(r.draws)), r.want) << r.line_index;

  // Only spaces where an obstacle may stand: no obstacle, and no endless draw.
  const auto spaces_late = Chars(Letters(32) + std::string(22, ' '));
  EXPECT_EQ(Draw_Police_Obstacle(spaces_late, 0, Answers({40})), -1);
  EXPECT_EQ(Draw_Police_Obstacle(Chars(std::string(54, ' ')), 1, Answers({7})), -1);
  EXPECT_EQ(Draw_Police_Obstacle({}, 1, Answers({7})), -1);
  // A draw beyond a short line's end is taken and marks nothing.
  EXPECT_EQ(Draw_Police_Obstacle(Chars("abcdef"), 1, Answers({40})), -1);
  EXPECT_EQ(Draw_Police_Obstacle(Chars("abcdef"), 1, Answers({4})), 4);
}

Police_Geometry Design_Geometry() {
  Police_Geometry g;
  g.marker_left = {1080, 990, 990, 990};
  g.marker_top = {210, 1500, 2820, 4140};
  g.line_width = {8235, 8235, 8235, 8235};
  g.figure_width = 780;
  return g;
}

TEST(PoliceFigures, ThiefFollowsTheTypingAndAnEmptyLineDividesNothing) {
  const Police_Geometry g = Design_Geometry();
  struct Row {
    int line, typed, length, want;
  };
  const Row rows[] = {{0, 0, 54, 1080},
                      {0, 54, 54, 1080 + 8235 - 780},
                      {1, 27, 54, 990 + (8235 - 780) / 2 + 1},  // 3727.5 rounds up
                      {3, 10, 0, 990},                          // an empty line: at its marker
                      {2, 5, 10, 990 + (8235 - 780) / 2 + 1}};
  for (const Row& r : rows) EXPECT_EQ(Thief_Left(g, r.line, r.typed, r.length), r.want) << r.line;
}

TEST(PoliceSteps, EighthStepsLineChangesAndTheCatch) {
  const Police_Geometry g = Design_Geometry();
  // Walking on line 0 while the player is on line 1.
  Police_Step s = Step_Police(g, 0, 0, 1, 5000);
  EXPECT_EQ(s.kind, Police_Step::Move);
  EXPECT_EQ(s.left, 1080);
  EXPECT_EQ(s.top, 210);
  EXPECT_EQ(s.step_count, 1);
  s = Step_Police(g, 0, 8, 1, 5000);
  EXPECT_EQ(s.left, 1080 + 780);
  // At the line's end it goes on to the next line's marker.
  const int steps_to_end = static_cast<int>((8235 - 97.5 - 780) / 97.5) + 1;
  s = Step_Police(g, 0, steps_to_end, 1, 5000);
  EXPECT_EQ(s.kind, Police_Step::Move);
  EXPECT_EQ(s.line, 1);
  EXPECT_EQ(s.left, 990);
  EXPECT_EQ(s.top, 1500);
  EXPECT_EQ(s.step_count, 1);
  // On the thief's line it catches once its front reaches the thief.
  s = Step_Police(g, 1, 0, 1, 990 + 780);
  EXPECT_EQ(s.kind, Police_Step::Caught);
  s = Step_Police(g, 1, 0, 1, 990 + 781);
  EXPECT_EQ(s.kind, Police_Step::Move);
  // A thief at its line's end is caught before the police could pass on.
  const int thief_end = Thief_Left(g, 1, 54, 54);
  bool caught = false;
  int line = 1, count = 0;
  for (int i = 0; i < 200 && !caught; ++i) {
    s = Step_Police(g, line, count, 1, thief_end);
    caught = s.kind == Police_Step::Caught;
    line = s.line;
    count = s.step_count;
    EXPECT_EQ(line, 1);
  }
  EXPECT_TRUE(caught);
  // Past the last line the police stays.
  s = Step_Police(g, 3, 200, 4, 0);
  EXPECT_EQ(s.kind, Police_Step::Stay);
  EXPECT_EQ(s.line, 4);
}

TEST(PoliceHalt, LastsTheBalkTimeLengthenedByTheLastPause) {
  EXPECT_FALSE(Police_Halt_Over(10000 + 2999, 10000, 0, 3));
  EXPECT_TRUE(Police_Halt_Over(10000 + 3000, 10000, 0, 3));
  EXPECT_FALSE(Police_Halt_Over(10000 + 4000, 10000, 1500, 3));
  EXPECT_TRUE(Police_Halt_Over(10000 + 4500, 10000, 1500, 3));
}

// ---- Balloons and wolves ----

Balloon_Records Fresh_Balloons() {
  Balloon_Records r{};
  for (int i = 0; i < kBalloonSlots; ++i) {
    r[i].start_left = 135 + 700 * i;
    r[i].start_top = 5400;
    r[i].rise_step = 28.5;
  }
  return r;
}

TEST(BalloonLaunch, FreeSlotNotTheLastOneDistinctLettersAndTheLimit) {
  Balloon_Records r = Fresh_Balloons();
  int last = -1;
  // slot 3, not fast (draw 2), letter 4.
  EXPECT_EQ(Launch_Balloon(r, last, 6, Answers({3, 2, 4})), 3);
  EXPECT_TRUE(r[3].active);
  EXPECT_EQ(r[3].letter, 4);
  EXPECT_FALSE(r[3].fast);
  // The last slot and active slots are drawn again; letter 4 is aloft, so drawn again; fast on 8.
  EXPECT_EQ(Launch_Balloon(r, last, 6, Answers({3, 3, 7, 8, 4, 9})), 7);
  EXPECT_TRUE(r[7].fast);
  EXPECT_EQ(r[7].letter, 9);
  EXPECT_EQ(last, 7);
  // A freed slot that is not the last can be used again.
  r[3].active = false;
  EXPECT_EQ(Launch_Balloon(r, last, 6, Answers({7, 3, 1, 0})), 3);
  // With "Balloon Num" balloons aloft a launch does nothing.
  int count = 0;
  for (const auto& b : r) count += b.active;
  EXPECT_EQ(count, 2);
  EXPECT_EQ(Launch_Balloon(r, last, 2, Answers({0})), -1);
  // Every slot but the last one aloft: no slot, and no endless draw (10 balloons stored).
  Balloon_Records full = Fresh_Balloons();
  for (int i = 0; i < kBalloonSlots; ++i) full[i].active = i != 5;
  int last_full = 5;
  EXPECT_EQ(Launch_Balloon(full, last_full, 9, Answers({5})), -1);
}

TEST(BalloonLaunch, ASlotFreedWithAHitPendingLaunchesAClearBalloon) {
  Balloon_Records r = Fresh_Balloons();
  int last = -1;
  ASSERT_EQ(Launch_Balloon(r, last, 6, Answers({2, 1, 0})), 2);
  // Hit in its last pass: it escapes with the hit pending.
  r[2].rise_count = 209;
  ASSERT_EQ(Hit_Balloon(r, 'A', 1000), 2);
  Slot_Pass p = Pass_Balloon(r[2], 1010, 570);
  EXPECT_TRUE(p.escaped);
  EXPECT_FALSE(r[2].active);
  EXPECT_TRUE(r[2].hit);  // its pop still sounds when the 100 ms are over
  last = 9;
  ASSERT_EQ(Launch_Balloon(r, last, 6, Answers({2, 1, 3})), 2);
  EXPECT_FALSE(r[2].hit);
  // The new balloon is not removed 100 ms after the old hit.
  p = Pass_Balloon(r[2], 1200, 570);
  EXPECT_FALSE(p.popped);
  EXPECT_TRUE(r[2].active);
}

TEST(BalloonPasses, RiseEscapeAndPopTimes) {
  Balloon_Records r = Fresh_Balloons();
  int last = -1;
  ASSERT_EQ(Launch_Balloon(r, last, 6, Answers({0, 1, 0})), 0);  // normal
  ASSERT_EQ(Launch_Balloon(r, last, 6, Answers({1, 8, 1})), 1);  // fast
  int normal_in = 0, normal_out = 0, fast_in = 0, fast_out = 0;
  for (int pass = 1; pass <= 220; ++pass) {
    if (r[0].active) {
      const Slot_Pass p = Pass_Balloon(r[0], 0, 570);
      if (!normal_in && p.top < 4545) normal_in = pass;
      if (p.escaped) normal_out = pass;
    }
    if (r[1].active) {
      const Slot_Pass p = Pass_Balloon(r[1], 0, 570);
      if (!fast_in && p.top < 4545) fast_in = pass;
      if (p.escaped) fast_out = pass;
    }
  }
  EXPECT_EQ(normal_in, 31);
  EXPECT_EQ(normal_out, 210);
  EXPECT_EQ(fast_in, 110);
  EXPECT_EQ(fast_out, 200);

  // A hit balloon rises on and disappears once 100 ms have passed; a second press restarts them.
  Balloon_Records h = Fresh_Balloons();
  last = -1;
  Launch_Balloon(h, last, 6, Answers({4, 1, 25}));
  EXPECT_EQ(Hit_Balloon(h, 'Z', 5000), 4);
  EXPECT_EQ(Hit_Balloon(h, 'Z', 5060), 4);
  EXPECT_TRUE(Pass_Balloon(h[4], 5100, 570).moved);
  EXPECT_TRUE(h[4].active);
  const Slot_Pass p = Pass_Balloon(h[4], 5160, 570);
  EXPECT_TRUE(p.popped);
  EXPECT_FALSE(p.moved);
  EXPECT_FALSE(h[4].active);
  // Keys without a balloon, and keys that are not letters.
  EXPECT_EQ(Hit_Balloon(h, 'Z', 6000), -1);
  EXPECT_EQ(Hit_Balloon(h, '5', 6000), -1);
  EXPECT_EQ(Hit_Balloon(h, VK_RETURN, 6000), -1);
}

TEST(BalloonWolves, WalkRightWithTheirDelaysAndTimeLeft) {
  EXPECT_TRUE(Wolf_Moves(1).empty());
  EXPECT_TRUE(Wolf_Moves(0).empty());
  EXPECT_TRUE(Wolf_Moves(8).empty());
  const auto two = Wolf_Moves(2);
  ASSERT_EQ(two.size(), 1u);
  EXPECT_EQ(two[0].hide, 6);
  EXPECT_EQ(two[0].show, 5);
  EXPECT_EQ(two[0].delay_ms, 30);
  EXPECT_EQ(Wolf_Moves(3).front().delay_ms, 20);
  const auto seven = Wolf_Moves(7);
  ASSERT_EQ(seven.size(), 6u);
  EXPECT_EQ(seven.front().hide, 1);
  EXPECT_EQ(seven.front().show, 0);
  EXPECT_EQ(seven.back().hide, 6);
  EXPECT_EQ(seven.back().delay_ms, 10);

  EXPECT_DOUBLE_EQ(Apple_Seconds_Left(1, 0), 60);
  EXPECT_DOUBLE_EQ(Apple_Seconds_Left(1, 15000), 45);
  EXPECT_DOUBLE_EQ(Apple_Seconds_Left(1, 70000), 0);
  EXPECT_FALSE(Apple_Time_Up(1, 59999));
  EXPECT_TRUE(Apple_Time_Up(1, 60000));
  EXPECT_TRUE(Apple_Time_Up(0, 0));

  struct Row {
    const char* text;
    const char* want;
  };
  const Row rows[] = {{"", "1"}, {"0", "1"}, {"00", "1"}, {"000", "1"}, {"5", "5"}, {"120", "120"}};
  for (const Row& r : rows) EXPECT_EQ(Apple_Minutes_At_Start(r.text), r.want) << r.text;
}

}  // namespace
}  // namespace quillon
