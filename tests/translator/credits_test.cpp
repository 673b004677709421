// The credits' script, line kinds, pacing and speeds.
#include <gtest/gtest.h>

#include "credits.h"
#include "credits_script.h"

namespace {

const char kMarkers[4] = {'\t', '\n', '\r', '^'};

TEST(CreditsScript, SplitsAtEverySeparatorKeepingEmptyLines) {
  EXPECT_EQ(Split_Credits("a||b|", '|'), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(Split_Credits("one", '|'), std::vector<std::string>{"one"});
  EXPECT_TRUE(Split_Credits("", '|').empty());
}

TEST(CreditsScript, LastCharacterDecidesTheKind) {
  struct Case {
    const char* line;
    Credit_Kind kind;
    const char* text;
  } cases[] = {
      {"标题\t", kCreditKind1, "标题"}, {"Two\n", kCreditKind2, "Two"},
      {"Three\r", kCreditKind3, "Three"}, {"LOGO^", kCreditBitmap, "LOGO"},
      {"plain", kCreditPlain, "plain"},   {"", kCreditPlain, ""},
      {"tab\tinside", kCreditPlain, "tab\tinside"},
  };
  for (const Case& c : cases) {
    Credit_Line line = Classify_Credit_Line(c.line, kMarkers);
    EXPECT_EQ(line.kind, c.kind) << c.line;
    EXPECT_EQ(line.text, c.text) << c.line;
  }
}

TEST(CreditsPacing, EachLineTakesItsHeightInTicksAndTheScriptRepeats) {
  Credits_Pacer pacer;
  std::vector<int> fetchTicks;
  std::vector<std::size_t> fetched;
  std::vector<bool> firstPass;
  for (int tick = 1; tick <= 60; ++tick) {
    if (pacer.Tick(3, 10)) {
      fetchTicks.push_back(tick);
      fetched.push_back(pacer.Current());
      firstPass.push_back(pacer.Fetched_In_First_Pass());
    }
  }
  EXPECT_EQ(fetchTicks, (std::vector<int>{10, 20, 30, 40, 50, 60}));
  EXPECT_EQ(fetched, (std::vector<std::size_t>{0, 1, 2, 0, 1, 2}));
  // The fetch that ends the first pass still counts as one of it.
  EXPECT_EQ(firstPass, (std::vector<bool>{true, true, true, false, false, false}));
  EXPECT_FALSE(pacer.First_Pass());

  pacer.Rewind();  // a new script starts from its first line, the pass already ended
  int ticks = 0;
  while (!pacer.Tick(3, 4)) ++ticks;
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(pacer.Current(), 0u);
  EXPECT_FALSE(pacer.Fetched_In_First_Pass());
}

TEST(CreditsPacing, AfterAPictureTheNextLineComesALineHeightLater) {
  Credits_Pacer pacer;
  for (int i = 0; i < 5; ++i) pacer.Tick(2, 5);  // fetched line 0 on the fifth tick
  pacer.Tick(2, 5);
  pacer.Tick(2, 5);
  pacer.Bitmap_Done();
  int ticks = 1;
  while (!pacer.Tick(2, 5)) ++ticks;
  EXPECT_EQ(ticks, 5);
  EXPECT_EQ(pacer.Current(), 1u);
}

TEST(CreditsSpeed, EveryIndexSelectsADefinedPeriod) {
  CCreditsStatic credits;
  EXPECT_EQ(credits.Speed_Index(), 1);
  EXPECT_EQ(credits.Tick_Period(), 40u);
  struct Case {
    int index;
    UINT period;
    int wantIndex;
    UINT wantPeriod;
  } cases[] = {
      {0, 0, 0, 70}, {2, 0, 2, 10}, {3, 0, 3, 30},  // the About box's speed
      {9, 0, 3, 30}, {-4, 0, 0, 70}, {1, 55, 1, 55},
  };
  for (const Case& c : cases) {
    credits.SetTickSpeed(c.index, c.period);
    EXPECT_EQ(credits.Speed_Index(), c.wantIndex) << c.index;
    EXPECT_EQ(credits.Tick_Period(), c.wantPeriod) << c.index;
  }
}

TEST(CreditsSpeed, StartingWithoutAScriptOrWindowFails) {
  CCreditsStatic credits;
  EXPECT_FALSE(credits.StartScroll());
  credits.SetScript("a|b", '|');
  EXPECT_EQ(credits.Script().size(), 2u);
  EXPECT_FALSE(credits.StartScroll());  // no window yet
  EXPECT_FALSE(credits.Scrolling());
}

}  // namespace
