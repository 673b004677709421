// The speed tests' plain logic: number formats, the speed text, the compare-text file's lines,
// the judging of the user lines (deletions, pastes, line ends, page turns, the back-step), the
// result window's keys and the flex grid's sorts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/forms.h"
#include "freetype/speed_test_compare.h"
#include "freetype/speed_test_result.h"

namespace quillon {
namespace {

TEST(Speed_Test_Formats, TwoDecimalsAndPerCentRoundHalvesAwayFromZero) {
  struct Row {
    double value;
    const char* pattern;
    const char* text;
  } rows[] = {{75, "0.00", "75.00"},     {0, "0.00", "0.00"},       {2.005, "0.00", "2.01"},
              {-0.001, "0.00", "0.00"},  {0.955, "0.00%", "95.50%"}, {1, "0.00%", "100.00%"},
              {0, "0.00%", "0.00%"},     {2.0 / 3, "0.00%", "66.67%"}, {0.12345, "0.00%", "12.35%"}};
  for (const Row& r : rows) EXPECT_EQ(forms::Format(r.value, r.pattern), r.text) << r.value;
  EXPECT_THROW(forms::Format(1, "0.0"), forms::Runtime_Error);
}

TEST(Speed_Test_Formats, SpeedIsCharactersPerMinuteAndZeroWithoutTime) {
  struct Row {
    double chars, seconds;
    const char* text;
  } rows[] = {{300, 240, "75.00字/分"}, {180, 120, "90.00字/分"}, {0, 30, "0.00字/分"},
              {50, 0, "0.00字/分"},     {7, -1, "0.00字/分"},   {1, 7, "8.57字/分"}};
  for (const Row& r : rows) EXPECT_EQ(Speed_Text(r.chars, r.seconds), r.text) << r.chars;
}

TEST(Compare_Text_File, LinesEndAtAnyBreakSkipEmptiesTurnTabsToBlanksAndStopAt499) {
  const std::string long_line(600, 'x');
  struct Row {
    std::string bytes;
    std::vector<std::wstring> lines;
  } rows[] = {
      {"ab\r\ncd\r\n", {L"ab", L"cd"}},
      {"ab\rcd", {L"ab", L"cd"}},
      {"ab\ncd\n\n", {L"ab", L"cd"}},                     // a lone LF ends a line
      {"\r\n\r\nab\r\n\r\n   \r\n", {L"ab", L"   "}},   // empty lines dropped, blanks kept
      {"a\tb", {L"a b"}},
      {"\xD6\xD0\xCE\xC4 ok", {L"\x4E2D\x6587 ok"}},      // a Chinese character is one
      {long_line, {std::wstring(499, L'x')}},
      {"", {}},
  };
  for (const Row& r : rows) EXPECT_EQ(Compare_Text_Lines(r.bytes), r.lines) << r.bytes;
}

TEST(Compare_Text_File, MoreLinesThanTheNumbersHoldIsAnError) {
  std::string many;
  for (int i = 0; i < kCompareMaxLines; ++i) many += "a\n";
  EXPECT_EQ(Compare_Text_Lines(many).size(), static_cast<size_t>(kCompareMaxLines));
  EXPECT_THROW(Compare_Text_Lines(many + "b\n"), forms::Runtime_Error);
}

// The page as a record of what the test asked for.
class Fake_View : public Compare_Test_View {
 public:
  void Fill_Pair(int pair, const std::wstring& line) override {
    source[pair] = line;
    user[pair].clear();
    max[pair] = static_cast<int>(line.size());
    locked[pair] = true;
  }
  void Clear_Pair(int pair) override {
    source[pair].clear();
    user[pair].clear();
  }
  void Colour_Typed(int, int, bool wrong) override { (wrong ? reds : blacks)++; }
  void Set_Typing_Black(int) override {}
  void Show_Source_Prompt(int pair, int offset, bool select) override {
    prompt_pair = pair;
    prompt = offset;
    selected = select;
  }
  void Lock_User(int pair, bool l) override { locked[pair] = l; }
  void Open_User(int pair, int) override {
    locked[pair] = false;
    focused = pair;
  }
  void Show_Counts(int32_t t, double r) override {
    typed = t;
    rate = r;
  }
  void Play_Key_Sound(wchar_t) override { ++keys; }
  void Play_Wrong_Sound() override { ++wrongs; }
  void Hold(bool h) override { held += h ? 1 : -1; }
  void Send_Backspace() override { backspace = true; }
  void Finished() override { ++finished; }

  std::wstring source[kComparePairs], user[kComparePairs];
  int max[kComparePairs] = {};
  bool locked[kComparePairs] = {};
  int reds = 0, blacks = 0, keys = 0, wrongs = 0, held = 0, finished = 0;
  int prompt_pair = -1, prompt = -1, focused = -1;
  bool selected = false, backspace = false;
  int32_t typed = 0;
  double rate = 0;
};

class Compare_Judging : public ::testing::Test {
 protected:
  // Types the characters one change at a time into the current pair.
  void Type(const std::wstring& chars) {
    for (wchar_t c : chars) {
      const int pair = test.Current_Pair();
      view.user[pair] += c;
      test.Change(pair, view.user[pair]);
    }
  }
  void Delete(int count) {
    const int pair = test.Current_Pair();
    view.user[pair].resize(view.user[pair].size() - static_cast<size_t>(count));
    test.Change(pair, view.user[pair]);
  }
  Fake_View view;
  Compare_Test test{view};
};

TEST_F(Compare_Judging, EachCharacterIsJudgedExactlyAndTheRateFollows) {
  test.Start({L"aB\x4E2D!", L"x"}, true);
  EXPECT_EQ(view.source[0], L"aB\x4E2D!");
  EXPECT_EQ(view.source[1], L"x");
  EXPECT_EQ(view.source[2], L"");
  EXPECT_EQ(test.Total_Chars(), 5);
  Type(L"ab\x4E2D");  // "b" for "B" is wrong; the Chinese character is one, and right
  EXPECT_EQ(test.Right_Chars(), 2);
  EXPECT_EQ(view.wrongs, 1);
  EXPECT_EQ(view.keys, 2);
  EXPECT_EQ(view.typed, 3);
  EXPECT_DOUBLE_EQ(view.rate, 2.0 / 3);
  EXPECT_EQ(view.prompt, 3);  // the next expected character shows selected
  EXPECT_TRUE(view.selected);
}

TEST_F(Compare_Judging, DeletingTakesBackEveryRightMarkItRemoves) {
  test.Start({L"abcdef"}, false);
  Type(L"abXd");      // three right, one wrong
  Delete(3);          // Ctrl+Backspace: b, X and d go; b and d were right
  EXPECT_EQ(test.Right_Chars(), 1);
  EXPECT_EQ(view.typed, 1);
  EXPECT_DOUBLE_EQ(view.rate, 1.0);
  Delete(1);
  EXPECT_EQ(test.Right_Chars(), 0);
  EXPECT_DOUBLE_EQ(view.rate, 0.0);
  EXPECT_FALSE(view.selected);  // prompt flag off: nothing selected
}

TEST_F(Compare_Judging, SeveralCharactersInOneChangeAreNotJudgedNorEndTheLine) {
  test.Start({L"abc", L"d"}, true);
  const int pair = test.Current_Pair();
  view.user[pair] = L"abc";
  test.Change(pair, view.user[pair]);  // a paste of the whole line
  EXPECT_EQ(test.Right_Chars(), 0);
  EXPECT_EQ(test.Line_Number(), 1);
  Delete(1);
  Type(L"c");
  EXPECT_EQ(test.Right_Chars(), 1);
  EXPECT_EQ(test.Line_Number(), 2);
}

TEST_F(Compare_Judging, AFullLineLocksTheNextPairTakesOverAndThePageTurnsAfterSix) {
  std::vector<std::wstring> lines;
  for (int i = 1; i <= 8; ++i) lines.push_back(std::wstring(1, static_cast<wchar_t>(L'a' + i)));
  test.Start(lines, true);
  Type(L"z");  // the last (only) character finishes the line even when wrong
  EXPECT_TRUE(view.locked[0]);
  EXPECT_EQ(test.Current_Pair(), 1);
  EXPECT_EQ(view.focused, 1);
  EXPECT_EQ(test.Finished_Chars(), 1);
  EXPECT_EQ(view.held, 0);  // held while switching, let go after
  Type(L"cdefg");
  EXPECT_EQ(test.Line_Number(), 7);
  EXPECT_EQ(test.Current_Pair(), 0);
  EXPECT_EQ(view.source[0], L"h");
  EXPECT_EQ(view.source[1], L"i");
  EXPECT_EQ(view.source[2], L"");  // past the last line: emptied
  EXPECT_EQ(view.typed, 6);
  EXPECT_EQ(test.Right_Chars(), 5);
  EXPECT_EQ(view.finished, 0);
  Type(L"hi");
  EXPECT_EQ(view.finished, 1);
  EXPECT_EQ(view.typed, 8);
  EXPECT_EQ(test.Right_Chars(), 7);
  EXPECT_FALSE(test.Running());
}

TEST_F(Compare_Judging, MarksOfAnEarlierPageNeverCountOnTheNext) {
  std::vector<std::wstring> lines(7, L"ab");
  test.Start(lines, true);
  for (int i = 0; i < 6; ++i) Type(L"ab");  // every mark of the first page right
  EXPECT_EQ(test.Right_Chars(), 12);
  Type(L"x");  // wrong in pair 0 of the new page
  Delete(1);
  EXPECT_EQ(test.Right_Chars(), 12);
  EXPECT_EQ(view.typed, 12);
  EXPECT_DOUBLE_EQ(view.rate, 1.0);
}

TEST_F(Compare_Judging, BackspaceInAnEmptyLineReopensTheLineAboveButNeverCrossesAPage) {
  test.Start({L"ab", L"cd", L"ef"}, true);
  EXPECT_FALSE(test.Back_Step(0, 0));  // the first pair of a page
  Type(L"ab");
  ASSERT_EQ(test.Current_Pair(), 1);
  EXPECT_FALSE(test.Back_Step(1, 1));  // not empty
  EXPECT_TRUE(test.Back_Step(1, 0));
  EXPECT_TRUE(view.backspace);
  EXPECT_EQ(test.Current_Pair(), 0);
  EXPECT_EQ(test.Line_Number(), 1);
  EXPECT_EQ(test.Finished_Chars(), 0);
  EXPECT_TRUE(view.locked[1]);
  EXPECT_FALSE(view.locked[0]);
  Delete(1);  // the Backspace sent takes the "b" away
  EXPECT_EQ(test.Right_Chars(), 1);
  Type(L"b");
  EXPECT_EQ(test.Line_Number(), 2);
  EXPECT_EQ(test.Right_Chars(), 2);
}

TEST(Result_Window_Keys, TheFirstMatchingRowDecidesAndSavesNeedAName) {
  constexpr int kCtrl = 2, kAlt = 4, kShift = 1;
  struct Row {
    int key, shift;
    bool named;
    Result_Command command;
  } rows[] = {
      {'S', kCtrl, true, Result_Command::Save},     {'Y', kCtrl, true, Result_Command::Save},
      {'S', kCtrl, false, Result_Command::None},    {'S', kCtrl | kShift, true, Result_Command::None},
      {'P', kCtrl, false, Result_Command::Print},   {'N', kCtrl, false, Result_Command::Close},
      {VK_F4, kAlt, false, Result_Command::Close},  {'X', kAlt, true, Result_Command::Close},
      {VK_RETURN, 0, true, Result_Command::Save_And_Close},
      {VK_RETURN, 0, false, Result_Command::None},  {VK_RETURN, kCtrl, true, Result_Command::None},
      {'S', 0, true, Result_Command::None},
  };
  for (const Row& r : rows)
    EXPECT_EQ(Result_Key_Command(r.key, r.shift, r.named), r.command) << r.key << " " << r.shift;
}

TEST(Flex_Grid_Sort, LeadingNumbersAndCaselessTextMoveWholeRows) {
  double v = 0;
  EXPECT_TRUE(forms::Leading_Number("123.45字/分", v));
  EXPECT_DOUBLE_EQ(v, 123.45);
  EXPECT_TRUE(forms::Leading_Number(" -2x", v));
  EXPECT_DOUBLE_EQ(v, -2);
  EXPECT_FALSE(forms::Leading_Number("", v));
  EXPECT_FALSE(forms::Leading_Number("字", v));

  forms::Flex_Grid grid;
  grid.Set_Cols(3);
  grid.Set_Rows(5);
  const char* rows[4][2] = {{"bob", "98.00字/分"}, {"Ann", "123.45字/分"}, {"carl", ""},
                            {"ann", "9.5字/分"}};
  for (int r = 0; r < 4; ++r) {
    grid.Set_Text_Matrix(r + 1, 0, std::to_string(r + 1));
    grid.Set_Text_Matrix(r + 1, 1, rows[r][0]);
    grid.Set_Text_Matrix(r + 1, 2, rows[r][1]);
    grid.Set_Cell_Alignment(r + 1, 2, forms::Cell_Alignment::Right_Bottom);
  }
  grid.Set_Text_Matrix(0, 1, "header");
  auto column = [&](int c) {
    std::vector<std::string> v;
    for (int r = 1; r < grid.Rows(); ++r) v.push_back(grid.Text_Matrix(r, c));
    return v;
  };
  grid.Sort(2, forms::Grid_Sort::Numeric_Descending);
  EXPECT_EQ(column(0), (std::vector<std::string>{"2", "1", "4", "3"}));
  EXPECT_EQ(grid.Cell_Align(1, 2), forms::Cell_Alignment::Right_Bottom);
  grid.Sort(2, forms::Grid_Sort::Numeric_Ascending);
  EXPECT_EQ(column(0), (std::vector<std::string>{"3", "4", "1", "2"}));
  grid.Sort(1, forms::Grid_Sort::Text_Ascending_No_Case);
  EXPECT_EQ(column(1), (std::vector<std::string>{"ann", "Ann", "bob", "carl"}));  // equal keys keep order
  grid.Sort(1, forms::Grid_Sort::Text_Descending_No_Case);
  EXPECT_EQ(column(1), (std::vector<std::string>{"carl", "bob", "ann", "Ann"}));
  EXPECT_EQ(grid.Text_Matrix(0, 1), "header");
  EXPECT_THROW(grid.Text_Matrix(5, 0), forms::Runtime_Error);
}

}  // namespace
}  // namespace quillon
