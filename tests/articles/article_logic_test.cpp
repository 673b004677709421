// The article course's plain logic: the article reader and its line form, the last-article test,
// the right marks of a resumed text and the judging of the typing box below the source.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "courses/article_files.h"
#include "courses/article_judging.h"
#include "forms/forms.h"
#include "services/globals.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

class Article_Files : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "quillon-article-logic-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    folder_ += "\\";
    forms::Set_Message_Box_Function([this](HWND, const std::string& text, const std::string&, UINT) {
      errors.push_back(text);
      return IDOK;
    });
  }
  void TearDown() override {
    forms::Set_Message_Box_Function({});
    for (const std::string& f : written_) DeleteFileA(f.c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = folder_ + name;
    EXPECT_TRUE(testkit::Write_File(path, bytes));
    written_.push_back(path);
    return path;
  }
  std::vector<std::string> Elements() const {
    std::vector<std::string> all;
    for (int i = 1; i <= Article_Char.Upper(); ++i) all.push_back(Article_Char(i));
    return all;
  }

  std::string folder_;
  std::vector<std::string> written_;
  std::vector<std::string> errors;
};

using Chars = std::vector<std::string>;

TEST_F(Article_Files, TheReaderGivesEveryCharacterWithTwoForEachInnerLineBreak) {
  struct Case {
    const char* what;
    std::string bytes;
    int length;
    Chars elements;  // 1..length + 3
  };
  const Case cases[] = {
      {"two lines", "ab\r\nc", 5, {"a", "b", "\r", "\n", "c", "", "\n", ""}},
      {"the same with a final line break", "ab\r\nc\r\n", 5,
       {"a", "b", "\r", "\n", "c", "", "\n", ""}},
      {"one line", "abc", 3, {"a", "b", "c", "", "\n", ""}},
      {"two lines of three and two", "abc\r\nde\r\n", 7,
       {"a", "b", "c", "\r", "\n", "d", "e", "", "\n", ""}},
      {"an empty line adds a line break", "a\r\n\r\nb", 6,
       {"a", "\r", "\n", "\r", "\n", "b", "", "\n", ""}},
      {"a lone LF is a line break", "ab\ncd\r\n", 6, {"a", "b", "\r", "\n", "c", "d", "", "\n", ""}},
      {"a lone CR is a line break", "a\rb", 4, {"a", "\r", "\n", "b", "", "\n", ""}},
      {"Chinese characters count one each", "\xC8\xCB\xD6\xAE\r\n\xB3\xF5", 5,
       {"\xC8\xCB", "\xD6\xAE", "\r", "\n", "\xB3\xF5", "", "\n", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Text_Length = Load_Article_File(Write("a.txt", c.bytes));
    EXPECT_EQ(Text_Length, c.length);
    EXPECT_EQ(Elements(), c.elements);
    std::string joined;
    for (int i = 0; i < c.length; ++i) joined += c.elements[static_cast<size_t>(i)];
    EXPECT_EQ(Article_Text(), joined);
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(Article_Files, AnEmptyOrMissingArticleIsReportedAndGivesNothing) {
  for (const std::string& path : {Write("empty.txt", ""), Write("breaks.txt", "\r\n"),
                                  folder_ + "missing.txt"}) {
    SCOPED_TRACE(path);
    errors.clear();
    EXPECT_EQ(Load_Article_File(path), 0);
    EXPECT_EQ(Article_Char.Upper(), 1);
    ASSERT_EQ(errors.size(), 1u);
  }
  EXPECT_EQ(errors[0], "文件未找到：" + folder_ + "missing.txt!");
  EXPECT_EQ(Load_Article_Lines(folder_ + "empty.txt"), 0);
  EXPECT_EQ(errors.back(), "Input past end of file!");
}

TEST_F(Article_Files, TheLineReaderSkipsEmptyLinesAndRefusesALineOf400Characters) {
  struct Case {
    const char* what;
    std::string bytes;
    int lines;
    int total;
    bool error;
  };
  const std::string long_399(399, 'x'), long_400(400, 'y');
  const Case cases[] = {
      {"blank lines between paragraphs", "ab c\r\n\r\n\r\nde\r\n", 2, 6, false},
      {"no final line break", "ab\r\ncd", 2, 4, false},
      {"a line of 399 characters", long_399 + "\r\nz\r\n", 2, 400, false},
      {"a line of 400 characters", "a\r\n" + long_400 + "\r\n", 0, 0, true},
      {"only blank lines", "\r\n\r\n", 0, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    errors.clear();
    EXPECT_EQ(Load_Article_Lines(Write("l.txt", c.bytes)), c.lines);
    EXPECT_EQ(Line_Count(), c.lines);
    EXPECT_EQ(Lesson_Char_Total, c.total);
    EXPECT_EQ(errors.size(), c.error ? 1u : 0u);
  }
  Load_Article_Lines(Write("l.txt", "ab c\r\n\r\nd\xC8\xCB\r\n"));
  EXPECT_EQ(Article_Line(1), (Chars{"a", "b", " ", "c"}));
  EXPECT_EQ(Article_Line(2), (Chars{"d", "\xC8\xCB"}));
  EXPECT_TRUE(Article_Line(3).empty());
  EXPECT_EQ(Load_Article_Lines(Write("l.txt", "a\r\n" + long_400)), 0);
  EXPECT_EQ(errors.back(), "Subscript out of range!");
}

TEST_F(Article_Files, TheLastArticleIsTheOneBeforeTheFirstGap) {
  for (const char* n : {"1.txt", "2.txt", "4.txt"}) Write(n, "x");
  struct Case {
    int number;
    bool last;
  };
  for (const Case& c : {Case{1, false}, Case{2, true}, Case{3, false}, Case{4, true}}) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(Is_Last_Article(folder_, c.number), c.last);
  }
  EXPECT_TRUE(Is_Last_Article(folder_ + "no such folder\\", 1));
}

TEST(Article_Marks, AResumedPartIsMarkedRightAndNothingOutsideTheText) {
  struct Case {
    int length, position;
    std::vector<bool> marks;
  };
  for (const Case& c : {Case{4, 0, {false, false, false, false}}, Case{4, 2, {true, true, false, false}},
                        Case{3, 3, {true, true, true}}, Case{2, 9, {true, true}}}) {
    Text_Length = c.length;
    Char_Position = c.position;
    Mark_Typed_Prefix_Right();
    ASSERT_EQ(Char_Right_Mark.Upper(), c.length);
    for (int i = 1; i <= c.length; ++i) EXPECT_EQ(Char_Right_Mark(i), c.marks[i - 1]) << i;
  }
}

// ---- Judging of the typing box below the source ----

// The text "ab", line break, "c": positions 1 a, 2 b, 3 CR, 4 LF, 5 c.
void Open_Text(int resume) {
  Article_Char.Redim(8);
  const char* chars[] = {"a", "b", "\r", "\n", "c", "", "\n", ""};
  for (int i = 0; i < 8; ++i) Article_Char(i + 1) = chars[i];
  Text_Length = 5;
  Char_Position = resume;
  Typed_Char_Count = Right_Char_Count = 0;
  Mark_Typed_Prefix_Right();
}

TEST(Article_Judging, EachChangeOfTheBoxIsJudgedByItsLength) {
  struct Step {
    const char* what;
    std::string box;  // the box's text after the change
    Article_Change_Kind kind;
    int position, typed, right;
  };
  struct Case {
    const char* what;
    int resume;
    std::vector<Step> steps;
  };
  using K = Article_Change_Kind;
  const Case cases[] = {
      {"typed from the start", 0,
       {{"right", "a", K::Right, 1, 1, 1},
        {"wrong", "aX", K::Wrong, 2, 2, 1},
        {"Backspace over a wrong one", "a", K::Undo, 1, 1, 1},
        {"right", "ab", K::Right, 2, 2, 2},
        {"a line break", "ab\r\n", K::Line_Break, 4, 4, 4},
        {"Backspace over the line break takes one back", "ab", K::Undo, 2, 3, 3},
        {"the line break again", "ab\r\n", K::Line_Break, 4, 5, 5},
        {"upper case is another letter", "ab\r\nC", K::Wrong, 5, 6, 5}}},
      {"resumed after the line break", 4,
       {{"the box holds only what is typed now", "c", K::Right, 5, 1, 1},
        {"late growth at the end counts nothing", "cc", K::Past_End, 5, 1, 1},
        {"deleting stops at the resumed part", "", K::Undo, 4, 0, 0}}},
      {"two characters at once near the end", 4,
       {{"taken as a line break, never past the end", "xy", K::Line_Break, 5, 2, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Open_Text(c.resume);
    for (const Step& s : c.steps) {
      SCOPED_TRACE(s.what);
      int asked = -1;
      const Article_Change change =
          Judge_Article_Change(static_cast<int>(s.box.size()), c.resume, [&](int at) {
                                 asked = at;
                                 return s.box.substr(static_cast<size_t>(at), 1);
                               });
      EXPECT_EQ(change.kind, s.kind);
      EXPECT_EQ(Char_Position, s.position);
      EXPECT_EQ(Typed_Char_Count, s.typed);
      EXPECT_EQ(Right_Char_Count, s.right);
      if (s.kind == K::Right || s.kind == K::Wrong) {
        EXPECT_EQ(asked, static_cast<int>(s.box.size()) - 1);
        EXPECT_EQ(Char_Right_Mark(Char_Position), s.kind == K::Right);
      } else {
        EXPECT_EQ(asked, -1);
      }
      EXPECT_LE(Char_Position, Text_Length);
      EXPECT_EQ(Char_Right_Mark.Upper(), Text_Length);
    }
  }
}

TEST(Article_Judging, AccuracyProgressAndTheEndOfTheText) {
  Open_Text(0);
  EXPECT_EQ(Article_Accuracy(), 0.0f);
  EXPECT_EQ(Article_Progress(), 0.0f);
  Typed_Char_Count = 4;
  Right_Char_Count = 3;
  Char_Position = 2;
  EXPECT_FLOAT_EQ(Article_Accuracy(), 0.75f);
  EXPECT_FLOAT_EQ(Article_Progress(), 0.4f);
  Text_End_Time = 0;
  EXPECT_FALSE(Text_End_Due(100));
  Char_Position = 5;
  EXPECT_TRUE(Text_End_Due(100));  // no key after the end: the first tick ends it
  Text_End_Time = 99.9;             // a late key postpones the end by 0.2 seconds
  EXPECT_FALSE(Text_End_Due(100));
  EXPECT_TRUE(Text_End_Due(100.15));
  Text_Length = 0;
  EXPECT_EQ(Article_Progress(), 0.0f);
}

}  // namespace
}  // namespace quillon
