// The look's plain decisions: animation steps by colour depth and the picture boxes' keys.
#include <gtest/gtest.h>

#include "shell/command_tables.h"

namespace quillon {
namespace {

TEST(LookLogic, StepsFollowTheColourDepth) {
  const std::pair<int, int> cases[] = {{8, 15}, {16, 15}, {24, 15}, {32, 5}};
  for (auto [bits, steps] : cases) EXPECT_EQ(Move_Step_Num_For_Depth(bits), steps) << bits;
}

TEST(LookLogic, SlidesAndUnrollingPassTheirPositions) {
  struct Case {
    float steps;
    size_t out, in, unroll;
  } const cases[] = {{15, 16, 23, 16}, {5, 6, 8, 6}};
  const int width = 9600, height = 1980;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps);
    auto out = Slide_Out_Positions(width, c.steps);
    ASSERT_EQ(out.size(), c.out);
    EXPECT_EQ(out.front(), 0);
    EXPECT_EQ(out.back(), width);
    auto in = Slide_In_Positions(width, c.steps);
    ASSERT_EQ(in.size(), c.in);
    EXPECT_EQ(in.front(), width);
    EXPECT_GT(in.back(), 0);  // the final move to 0 follows the loop
    for (size_t i = 1; i < in.size(); ++i) EXPECT_LT(in[i], in[i - 1]);
    auto heights = Unroll_Heights(height, c.steps);
    ASSERT_EQ(heights.size(), c.unroll);
    EXPECT_EQ(heights.front(), 0);
    EXPECT_EQ(heights.back(), height);
  }
  // A size that does not divide evenly still reaches its end.
  EXPECT_EQ(Unroll_Heights(1515, 15).size(), 16u);
  EXPECT_EQ(Unroll_Heights(1515, 15).back(), 1515);
}

TEST(LookLogic, PictureBoxKeys) {
  struct Case {
    int key, shift;
    int yes, yes_no, yes_retry_no;  // -1: nothing
  } const cases[] = {
      {13, 0, 0, 0, 0},     {13, 1, 0, 0, 0},     {13, 6, 0, 0, 0},     // Enter, any modifiers
      {27, 0, 0, 1, 2},     {27, 2, 0, 1, 2},                           // Esc, any modifiers
      {'Y', 2, 0, 0, 0},    {'Y', 3, -1, -1, -1}, {'Y', 0, -1, -1, -1}, // Ctrl+Y only
      {'R', 2, -1, -1, 1},  {'R', 6, -1, -1, -1},                       // Ctrl+R: retry
      {'N', 2, -1, 1, 2},   {'N', 6, -1, -1, -1}, {'N', 4, -1, -1, -1}, // Ctrl+N
      {115, 4, 0, 1, 2},    {115, 1, -1, -1, -1}, {115, 0, -1, -1, -1}, // Alt+F4 only
      {' ', 0, -1, -1, -1}, {'A', 2, -1, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.key) + " shift " + std::to_string(c.shift));
    EXPECT_EQ(Picture_Box_Key_Button(1, c.key, c.shift), c.yes);
    EXPECT_EQ(Picture_Box_Key_Button(2, c.key, c.shift), c.yes_no);
    EXPECT_EQ(Picture_Box_Key_Button(3, c.key, c.shift), c.yes_retry_no);
  }
}

}  // namespace
}  // namespace quillon
