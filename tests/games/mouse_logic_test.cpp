// Mouse catching's rules as tables, tick by tick, with the random source and the clock given by
// the tests: options in range, launches, the countdown of a pass, catches, pauses, flowers.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "games/mouse_rules.h"

namespace quillon {
namespace {

const char kMouse[] = "Setting\\Game\\Mouse";

// A random source that answers from a list, then repeats its last answer; counts its draws.
struct Listed {
  std::shared_ptr<std::deque<int>> list;
  std::shared_ptr<int> draws = std::make_shared<int>(0);
  Random_Source Source() {
    auto l = list;
    auto d = draws;
    return [l, d](int low, int high) {
      ++*d;
      int v = l->front();
      if (l->size() > 1) l->pop_front();
      EXPECT_GE(v, low);
      EXPECT_LE(v, high);
      return v;
    };
  }
};
Listed Answers(std::deque<int> answers) {
  return Listed{std::make_shared<std::deque<int>>(std::move(answers))};
}

Mouse_Hole_Records Fresh(double stay = 6) {
  Mouse_Hole_Records holes;
  Reset_Mouse_Holes(holes, stay);
  return holes;
}

// A mouse up in `hole` with `letter`, its countdown started at `at_ms`.
void Up(Mouse_Hole_Records& holes, int hole, int letter, double at_ms) {
  Mouse_Came_Up(holes[hole], letter, at_ms);
}

TEST(MouseOptions, StoredValuesAreReadWithinTheirRanges) {
  struct Row {
    const char* mouse_num;
    const char* disappear;
    const char* speed;
    int want_num;
    double want_disappear;
    int want_speed;
  };
  const Row rows[] = {
      {"4", "6", "50", 4, 6, 50},
      {"15", "0", "0", 9, 1, 1},      // 15 mice would leave a launch nothing to draw
      {"0", "12", "150", 1, 9, 100},
      {"-3", "2.5", "100", 1, 2.5, 100},
      {"abc", "x", "", 4, 6, 50},     // no number: the defaults
      {"9", "9", "1", 9, 9, 1},
  };
  for (const Row& r : rows) {
    forms::Tutor_Settings::Save(kMouse, "Mouse Num", r.mouse_num);
    forms::Tutor_Settings::Save(kMouse, "Disappear Time", r.disappear);
    forms::Tutor_Settings::Save(kMouse, "Speed Num", r.speed);
    const Mouse_Options o = Read_Mouse_Options();
    EXPECT_EQ(o.mouse_num, r.want_num) << r.mouse_num;
    EXPECT_DOUBLE_EQ(o.disappear_time, r.want_disappear) << r.disappear;
    EXPECT_EQ(o.speed_num, r.want_speed) << r.speed;
    EXPECT_GT(Apple_Launch_Interval(o.speed_num), 0);
  }
  forms::Tutor_Settings::Delete_Section(kMouse);
}

TEST(MouseLaunch, DrawsAFreeHoleNotTheLastAShortStayOneInTenAndALetterNotUp) {
  struct Row {
    const char* name;
    std::vector<int> up_holes;     // holes with a mouse up, letters 0, 1, 2 ... in order
    int last_hole;
    int mouse_num;
    std::deque<int> answers;       // hole draws, the 1-10 draw, letter draws
    int want_hole;
    bool want_short;
    int want_letter;
  };
  const Row rows[] = {
      {"first launch", {}, -1, 4, {3, 1, 7}, 3, false, 7},
      {"the draw of 8 halves the stay", {}, -1, 4, {5, 8, 0}, 5, true, 0},
      {"an active hole and the last one drawn again", {2, 4}, 6, 4, {2, 6, 4, 9, 3, 20}, 9, false, 20},
      {"a letter up drawn again", {0, 1}, -1, 4, {7, 2, 0, 1, 0, 25}, 7, false, 25},
      {"as many up as allowed: no launch", {0, 1, 2, 3}, 3, 4, {9}, -1, false, 0},
  };
  for (const Row& r : rows) {
    Mouse_Hole_Records holes = Fresh(6);
    for (size_t k = 0; k < r.up_holes.size(); ++k) Up(holes, r.up_holes[k], static_cast<int>(k), 0);
    int last = r.last_hole;
    Listed random = Answers(r.answers);
    const Mouse_Launch launch = Choose_Mouse_Launch(holes, last, r.mouse_num, random.Source());
    EXPECT_EQ(launch.hole, r.want_hole) << r.name;
    if (r.want_hole < 0) {
      EXPECT_EQ(*random.draws, 0) << r.name;
      EXPECT_EQ(last, r.last_hole) << r.name;
      continue;
    }
    EXPECT_EQ(last, r.want_hole) << r.name;
    EXPECT_EQ(launch.letter, r.want_letter) << r.name;
    const Mouse_Hole_Record& h = holes[launch.hole];
    EXPECT_EQ(h.short_stay, r.want_short) << r.name;
    EXPECT_DOUBLE_EQ(h.stay_seconds, r.want_short ? 3 : 6) << r.name;
    // Neither up nor lettered until its come-up is over.
    EXPECT_FALSE(h.active) << r.name;
    Mouse_Came_Up(holes[launch.hole], launch.letter, 5000);
    EXPECT_TRUE(h.active);
    EXPECT_EQ(h.letter, r.want_letter);
    EXPECT_DOUBLE_EQ(h.shown_at, 5);
  }
}

TEST(MouseLaunch, WithEveryOtherHoleUpTheLastHoleAloneGivesNoLaunchInsteadOfDrawingForEver) {
  Mouse_Hole_Records holes = Fresh();
  for (int i = 0; i < kMouseHoles - 1; ++i) Up(holes, i, i, 0);
  int last = kMouseHoles - 1;
  Listed random = Answers({kMouseHoles - 1});
  EXPECT_EQ(Choose_Mouse_Launch(holes, last, 15, random.Source()).hole, -1);
  EXPECT_EQ(*random.draws, 0);
  // One hole freed: it is the one drawn.
  holes[6].active = false;
  Listed again = Answers({kMouseHoles - 1, 3, 6, 1, 22});
  EXPECT_EQ(Choose_Mouse_Launch(holes, last, 15, again.Source()).hole, 6);
}

TEST(MousePass, TheCountdownTurnsRedAtHalfTimeRoundsHalvesToEvenAndTheMouseGoesDownAtZero) {
  struct Tick {
    double at_ms;  // since the mouse came up
    const char* countdown;
    bool red, missed;
  };
  struct Row {
    const char* name;
    double stay;
    bool short_stay;
    std::vector<Tick> ticks;
  };
  const Row rows[] = {
      {"six seconds",
       6,
       false,
       {{0, "6", false, false},
        {1499, "5", false, false},
        {2500, "4", false, false},   // 3.5 to the even 4
        {2999, "3", false, false},
        {3000, "3", true, false},
        {4500, "2", true, false},    // 1.5 to the even 2
        {5500, "0", true, false},    // 0.5 to the even 0
        {5999, "0", true, false},
        {6000, "0", true, true}}},
      {"short stay of Disappear Time 1",
       1,
       true,
       {{0, "0", false, false}, {249, "0", false, false}, {250, "0", true, false},
        {500, "0", true, true}}},
      {"a late pass cuts at the stay", 3, false, {{100, "3", false, false}, {9000, "0", true, true}}},
  };
  const double came_up = 86'400'000;  // the clock well on, as after a day's running
  for (const Row& r : rows) {
    Mouse_Hole_Records holes = Fresh(r.stay);
    if (r.short_stay) {
      holes[2].short_stay = true;
      holes[2].stay_seconds /= 2;
    }
    Up(holes, 2, 11, came_up);
    for (const Tick& t : r.ticks) {
      const Hole_Pass p = Pass_Mouse_Hole(holes[2], came_up + t.at_ms);
      EXPECT_TRUE(p.counting) << r.name << " " << t.at_ms;
      EXPECT_EQ(p.countdown, t.countdown) << r.name << " " << t.at_ms;
      EXPECT_EQ(p.half_time, t.red) << r.name << " " << t.at_ms;
      EXPECT_EQ(p.missed, t.missed) << r.name << " " << t.at_ms;
      EXPECT_FALSE(p.caught_gone);
    }
    // Gone: inactive, unlettered, the stay doubled back.
    EXPECT_FALSE(holes[2].active) << r.name;
    EXPECT_FALSE(holes[2].short_stay) << r.name;
    EXPECT_DOUBLE_EQ(holes[2].stay_seconds, r.stay) << r.name;
    EXPECT_FALSE(Pass_Mouse_Hole(holes[2], came_up + 20000).counting) << r.name;
  }
}

TEST(MouseCatch, AKeyCatchesTheFirstMouseWithItsLetterAgainWithin300MsAndItGoesAfter300Ms) {
  Mouse_Hole_Records holes = Fresh(6);
  Up(holes, 3, 'K' - 'A', 0);
  Up(holes, 9, 'Q' - 'A', 0);
  Up(holes, 12, 'K' - 'A', 0);  // the same letter twice: the lower hole is caught first
  struct Step {
    const char* name;
    double at_ms;
    int key;         // 0: a pass only
    int want_hole;   // the key's catch
    bool gone_3;     // hole 3 removed in the pass at this time
  };
  const Step steps[] = {
      {"a letter no mouse carries", 1000, 'B', -1, false},
      {"a digit", 1010, '7', -1, false},
      {"K catches hole 3", 1100, 'K', 3, false},
      {"pass 299 ms later: still there", 1399, 0, -1, false},
      {"K again within 300 ms: caught again", 1390, 'K', 3, false},
      {"pass 299 ms after the second catch", 1689, 0, -1, false},
      {"pass 300 ms after it: gone", 1690, 0, -1, true},
      {"K now catches hole 12", 1700, 'K', 12, false},
      {"Q catches hole 9", 1710, 'Q', 9, false},
  };
  for (const Step& s : steps) {
    if (s.key) {
      EXPECT_EQ(Catch_Mouse(holes, s.key, s.at_ms), s.want_hole) << s.name;
    } else {
      const Hole_Pass p = Pass_Mouse_Hole(holes[3], s.at_ms);
      EXPECT_EQ(p.caught_gone, s.gone_3) << s.name;
      EXPECT_EQ(p.counting, !s.gone_3) << s.name;
    }
  }
  EXPECT_FALSE(holes[3].active);
  EXPECT_FALSE(holes[3].hit);
}

TEST(MouseCatch, AMouseCaughtInItsLast300MsStillGoesDownAsMissedThenIsRemoved) {
  Mouse_Hole_Records holes = Fresh(2);
  Up(holes, 0, 4, 10000);
  ASSERT_EQ(Catch_Mouse(holes, 'E', 11800), 0);
  Hole_Pass p = Pass_Mouse_Hole(holes[0], 12000);
  EXPECT_TRUE(p.missed);
  EXPECT_FALSE(p.caught_gone);
  p = Pass_Mouse_Hole(holes[0], 12100);
  EXPECT_TRUE(p.caught_gone);
  EXPECT_FALSE(p.missed);
  EXPECT_FALSE(p.counting);
  // A hole drawn again does not inherit a catch still pending from its last mouse.
  Mouse_Hole_Records other = Fresh(2);
  Up(other, 5, 1, 0);
  ASSERT_EQ(Catch_Mouse(other, 'B', 1900), 5);
  ASSERT_TRUE(Pass_Mouse_Hole(other[5], 2000).missed);
  int last = -1;
  Listed random = Answers({5, 1, 3});
  ASSERT_EQ(Choose_Mouse_Launch(other, last, 4, random.Source()).hole, 5);
  Mouse_Came_Up(other[5], 3, 2050);
  p = Pass_Mouse_Hole(other[5], 2300);
  EXPECT_FALSE(p.caught_gone);
  EXPECT_TRUE(p.counting);
}

TEST(MousePause, CountdownsStandStillThroughAPauseAndAMouseUpDuringItLosesOnlyItsPart) {
  Mouse_Hole_Records holes = Fresh(6);
  Up(holes, 1, 0, 0);
  Up(holes, 2, 1, 0);
  // Pause from 2 s to 12 s; hole 2's come-up ends at 5 s inside the pause.
  Up(holes, 2, 1, 5000);
  Take_Pause_Off_Holes(holes, 2000, 12000);
  struct Row {
    int hole;
    double at_ms;
    const char* countdown;
  };
  const Row rows[] = {{1, 12000, "4"}, {1, 13000, "3"}, {2, 12000, "6"}, {2, 13000, "5"},
                      {7, 12000, ""}};
  for (const Row& r : rows) {
    const Hole_Pass p = Pass_Mouse_Hole(holes[r.hole], r.at_ms);
    EXPECT_EQ(p.countdown, r.countdown) << r.hole << " " << r.at_ms;
  }
  EXPECT_DOUBLE_EQ(holes[7].paused_seconds, 0);
}

TEST(MouseFlowers, EachMissBringsTheNextFlowerAndTheEighthLoses) {
  struct Row {
    int missed, flower;
    bool lost;
  };
  const Row rows[] = {{0, -1, false}, {1, 0, false}, {2, 1, false}, {7, 6, false},
                      {8, 7, true},   {9, -1, true}};
  for (const Row& r : rows) {
    EXPECT_EQ(Flower_For_Miss(r.missed), r.flower) << r.missed;
    EXPECT_EQ(Mouse_Game_Lost(r.missed), r.lost) << r.missed;
  }
}

TEST(MouseMinutes, ZeroOrEmptyBecomesOneAtStartAndALoneZeroOnLeaving) {
  struct Row {
    const char* text;
    const char* at_start;
    const char* on_leave;
  };
  const Row rows[] = {{"", "1", ""},       {"0", "1", "1"},     {"00", "1", "00"},
                      {"000", "1", "000"}, {"5", "5", "5"},     {"10", "10", "10"},
                      {"999", "999", "999"}};
  for (const Row& r : rows) {
    EXPECT_EQ(Apple_Minutes_At_Start(r.text), r.at_start) << r.text;
    EXPECT_EQ(Mouse_Minutes_On_Leave(r.text), r.on_leave) << r.text;
  }
  EXPECT_EQ(Mouse_Stay_Text(6), "6");
  EXPECT_EQ(Mouse_Stay_Text(0.5), "0.5");
  EXPECT_EQ(Mouse_Stay_Text(1.25), "1.25");
}

}  // namespace
}  // namespace quillon
