// The judging shared by the courses' line-typing modes: rates, speed bar, line judge.
#include <gtest/gtest.h>

#include "services/course_typing.h"

namespace quillon {
namespace {

TEST(FormatRate, ShowsPercentWithTwoDecimals) {
  struct Case {
    double fraction;
    const char* text;
  } cases[] = {
      {0, "0.00%"},       {0.1234, "12.34%"}, {1, "100.00%"},  {0.5, "50.00%"},
      {0.00125, "0.13%"}, {0.99999, "100.00%"}, {0.98765, "98.77%"}, {2.5, "250.00%"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format_Rate(c.fraction), c.text) << c.fraction;
  EXPECT_EQ(Format_Rate(int64_t{1}, int64_t{3}), "33.33%");
  EXPECT_EQ(Format_Rate(int64_t{2}, int64_t{3}), "66.67%");
  EXPECT_EQ(Format_Rate(int64_t{0}, int64_t{0}), "0.00%");
  EXPECT_EQ(Format_Rate(int64_t{5}, int64_t{0}), "0.00%");
}

TEST(CourseSpeed, LeavesTheBarAloneUntilThereIsAChangeAndTimeHasPassed) {
  Course_Speed speed;
  speed.Begin(100);
  EXPECT_FALSE(speed.Tick(100, 3585));
  EXPECT_FALSE(speed.Tick(105, 3585));  // no change yet
  speed.Count();
  EXPECT_FALSE(speed.Tick(100, 3585));  // an interval of no length
  EXPECT_FALSE(speed.Tick(99, 3585));   // nor one that runs backwards
  EXPECT_EQ(speed.Current_Speed(), 0);
}

TEST(CourseSpeed, AFirstKeyRightAfterTheStartDoesNotSetAnUnreachableBest) {
  Course_Speed speed;
  speed.Begin(100);
  speed.Count();
  EXPECT_FALSE(speed.Tick(100.01, 3585));  // 360000 an hour over 10 ms: not measured
  EXPECT_EQ(speed.Best_Speed(), 0);
  for (int i = 0; i < 3; ++i) speed.Count();
  auto width = speed.Tick(102, 3585);  // 4 changes in 2 s
  ASSERT_TRUE(width);
  EXPECT_DOUBLE_EQ(speed.Current_Speed(), 7200);
  EXPECT_DOUBLE_EQ(*width, 3585);
}

TEST(CourseSpeed, MeasuresChangesPerHourAgainstTheBestOfTheInterval) {
  Course_Speed speed;
  speed.Begin(1000);
  for (int i = 0; i < 10; ++i) speed.Count();
  auto width = speed.Tick(1010, 3585);  // 10 changes in 10 s: 3600 an hour
  ASSERT_TRUE(width);
  EXPECT_DOUBLE_EQ(speed.Current_Speed(), 3600);
  EXPECT_DOUBLE_EQ(*width, 3585);  // at the best of the interval: full width
  width = speed.Tick(1020, 3585);  // same count, twice the time: half speed
  ASSERT_TRUE(width);
  EXPECT_DOUBLE_EQ(speed.Current_Speed(), 1800);
  EXPECT_DOUBLE_EQ(speed.Best_Speed(), 3600);
  EXPECT_DOUBLE_EQ(*width, 3585.0 / 2);

  // A pause does not count as typing time.
  speed.Add_Paused(10);
  width = speed.Tick(1030, 3585);
  ASSERT_TRUE(width);
  EXPECT_DOUBLE_EQ(speed.Current_Speed(), 1800);

  // A new interval forgets the best speed.
  speed.Begin(2000);
  EXPECT_EQ(speed.Best_Speed(), 0);
  EXPECT_EQ(speed.Change_Count(), 0);
  speed.Count();
  width = speed.Tick(2001, 100);
  ASSERT_TRUE(width);
  EXPECT_DOUBLE_EQ(*width, 100);
}

class LineJudge : public ::testing::Test {
 protected:
  void Open(std::vector<std::string> line) {
    judge_.Open(std::move(line));
    judge_.Key_Down('A');  // the first key in the box: the program is done filling it
  }
  bool ignore_ = false;
  bool line_end_ = false;
  Course_Line_Judge judge_{ignore_, line_end_};
};

TEST_F(LineJudge, IgnoresChangesWhileTheBoxIsFilledUntilTheFirstKeyGoesDown) {
  judge_.Open({"a", "s"});
  EXPECT_TRUE(ignore_);
  EXPECT_EQ(judge_.Change("as").kind, Line_Change_Kind::Ignored);
  EXPECT_EQ(judge_.Position(), 1);
  EXPECT_EQ(judge_.Key_Down('A'), Line_Enter_Kind::Other_Key);
  EXPECT_FALSE(ignore_);
  EXPECT_EQ(judge_.Change("a").kind, Line_Change_Kind::Right);
}

TEST_F(LineJudge, JudgesEachAddedCharacterAndFollowsDeletions) {
  Open({"a", "s", "d", "f"});
  struct Step {
    const char* box;
    Line_Change_Kind kind;
    int judged;
    int position;
  } steps[] = {
      {"a", Line_Change_Kind::Right, 1, 2},
      {"ax", Line_Change_Kind::Wrong, 2, 3},   // the wrong character stays, the user goes on
      {"a", Line_Change_Kind::Undo, 2, 2},     // Backspace puts the position back on it
      {"as", Line_Change_Kind::Right, 2, 3},
      {"asdf", Line_Change_Kind::Undo, 5, 5},  // two at once are not judged
      {"", Line_Change_Kind::Undo, 1, 1},
      {"A", Line_Change_Kind::Wrong, 1, 2},    // case counts in the line typing
  };
  for (const auto& s : steps) {
    Line_Judgement change = judge_.Change(s.box);
    EXPECT_EQ(change.kind, s.kind) << s.box;
    EXPECT_EQ(change.judged_position, s.judged) << s.box;
    EXPECT_EQ(change.position, s.position) << s.box;
    EXPECT_EQ(judge_.Position(), change.user_length + 1) << s.box;
  }
}

TEST_F(LineJudge, CountsAChineseCharacterAsOneCharacter) {
  Open({"\xB0\xA1", "b"});  // 啊 b
  EXPECT_EQ(judge_.Line_Length(), 2);
  EXPECT_EQ(judge_.Line_Text(), "\xB0\xA1" "b");
  EXPECT_EQ(judge_.Change("\xB0\xA1").kind, Line_Change_Kind::Right);
  auto change = judge_.Change("\xB0\xA1" "b");
  EXPECT_EQ(change.kind, Line_Change_Kind::Right);
  EXPECT_EQ(change.user_length, 2);
  EXPECT_TRUE(judge_.At_Line_End());
  EXPECT_EQ(judge_.Expected(), "\r");
}

TEST_F(LineJudge, EndsTheLineOnlyOnEnterAfterTheLastCharacterAndItsRelease) {
  Open({"a", "s"});
  judge_.Change("a");
  EXPECT_EQ(judge_.Key_Down(13), Line_Enter_Kind::Too_Early);
  EXPECT_FALSE(judge_.Key_Up());
  judge_.Change("ax");  // wrong, but every character has been typed
  EXPECT_EQ(judge_.Key_Down(13), Line_Enter_Kind::Line_End);
  EXPECT_TRUE(line_end_);
  EXPECT_EQ(judge_.Key_Down(13), Line_Enter_Kind::Repeated);  // key repeat before the release
  EXPECT_TRUE(judge_.Key_Up());
  EXPECT_FALSE(line_end_);
  EXPECT_FALSE(judge_.Key_Up());
}

TEST_F(LineJudge, AWithdrawnWrongCharacterLeavesThePositionOnIt) {
  Open({"w", "o"});
  judge_.Change("w");
  EXPECT_EQ(judge_.Change("wx").kind, Line_Change_Kind::Wrong);
  judge_.Withdraw_Wrong();  // the program took the "x" out again
  EXPECT_EQ(judge_.Position(), 2);
  EXPECT_EQ(judge_.User_Length(), 1);
  ignore_ = true;  // its own removal is not judged
  EXPECT_EQ(judge_.Change("w").kind, Line_Change_Kind::Ignored);
  judge_.Key_Down('O');
  EXPECT_EQ(judge_.Change("wo").kind, Line_Change_Kind::Right);
}

TEST_F(LineJudge, NeverMovesPastTheLineEnd) {
  Open({"a"});
  judge_.Change("a");
  auto change = judge_.Change("ab");  // more than the box should take
  EXPECT_EQ(change.kind, Line_Change_Kind::Undo);
  EXPECT_EQ(judge_.Position(), 2);
  EXPECT_EQ(judge_.Expected(), "\r");
}

}  // namespace
}  // namespace quillon
