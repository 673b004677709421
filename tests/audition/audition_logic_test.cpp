// Dictation's plain logic: its lesson files and the last lesson, the value names of the four
// remembered lesson numbers, the lesson a start opens, the end of a text, and the judging of a
// typed letter with the text hidden (any case) and shown (exact).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "courses/article_judging.h"
#include "courses/audition_lesson.h"
#include "services/globals.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

TEST(Audition_Lesson, FilesLayoutsAndTheFourValueNames) {
  EXPECT_EQ(Audition_Text_File("C:\\Q\\English\\Audition\\", 3), "C:\\Q\\English\\Audition\\t3.txt");
  EXPECT_EQ(Audition_Sound_File("C:\\Q\\Chinese\\Audition\\", 12),
            "C:\\Q\\Chinese\\Audition\\s12.wav");
  struct Case {
    int language, layout;
    const char* name;
  } const names[] = {{0, 0, "0 0"}, {0, 1, "0 1"}, {1, 0, "1 0"}, {1, 1, "1 1"}};
  for (const Case& c : names) EXPECT_EQ(Audition_Progress_Name(c.language, c.layout), c.name);
  for (int v : {-1, 2, 7, 88}) EXPECT_FALSE(Is_Audition_Layout(v)) << v;
  EXPECT_TRUE(Is_Audition_Layout(0));
  EXPECT_TRUE(Is_Audition_Layout(1));
  EXPECT_EQ(Audition_Letter_Case(0), Letter_Case::Ignored);
  EXPECT_EQ(Audition_Letter_Case(1), Letter_Case::Exact);
}

TEST(Audition_Lesson, TheStartOpensTheStoredLessonOnlyWithTheFlagOne) {
  struct Case {
    int flag, stored, current, expected;
  } const cases[] = {
      {1, 4, 2, 4},   // remembered
      {0, 4, 2, 1},   // the flag 0: always the first lesson
      {2, 4, 3, 3},   // another flag: the lesson open before
      {-1, 4, 6, 6},
      {1, 0, 2, 1},   // a stored number below 1 opens the first lesson
      {1, -5, 2, 1},
      {7, 4, 0, 1},   // nothing open before
  };
  for (const Case& c : cases)
    EXPECT_EQ(Audition_Start_Lesson(c.flag, c.stored, c.current), c.expected)
        << c.flag << " " << c.stored << " " << c.current;
}

TEST(Audition_Lesson, TheEndOfATextLeadsToTheAnswerOrAfterTheLastLessonToTheEnd) {
  using S = Audition_End_Step;
  struct Case {
    bool last;
    int answer;
    S step;
  } const cases[] = {{false, 0, S::Next},       {false, 1, S::Replay}, {false, 2, S::Finish},
                     {false, -1, S::Finish},    {false, 9, S::Finish}, {true, 0, S::Last_Lesson},
                     {true, 1, S::Last_Lesson}, {true, 2, S::Last_Lesson}};
  for (const Case& c : cases)
    EXPECT_EQ(Audition_End_Of(c.last, c.answer), c.step) << c.last << " " << c.answer;
}

TEST(Audition_Lesson, TheLastLessonIsTheOneWhoseNextTextIsMissing) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder =
      std::string(temp) + "quillon-audition-logic-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::vector<std::string> files = {"t1.txt", "t2.txt", "s3.wav", "4.txt"};
  for (const std::string& f : files) ASSERT_TRUE(testkit::Write_File(folder + f, "x"));
  CreateDirectoryA((folder + "t5.txt").c_str(), nullptr);  // a folder is no text
  struct Case {
    int number;
    bool last;
  } const cases[] = {{0, false}, {1, false}, {2, true}, {3, true}, {4, true}};
  for (const Case& c : cases)
    EXPECT_EQ(Is_Last_Audition_Lesson(folder, c.number), c.last) << c.number;
  EXPECT_TRUE(Is_Last_Audition_Lesson(folder + "no-such-folder\\", 1));
  RemoveDirectoryA((folder + "t5.txt").c_str());
  for (const std::string& f : files) DeleteFileA((folder + f).c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(Audition_Judging, LettersCountInAnyCaseOnlyWhileTheTextIsHidden) {
  const std::string kRen = "\xC8\xCB";
  struct Case {
    std::string typed, expected;
    bool same_hidden, same_shown;
  } const cases[] = {
      {"a", "a", true, true},
      {"A", "a", true, false},
      {"z", "Z", true, false},
      {"b", "a", false, false},
      {"1", "1", true, true},
      {"[", "{", false, false},  // not letters: never folded
      {"@", "`", false, false},
      {kRen, kRen, true, true},
      // A double-byte character whose trail byte reads as a capital letter is not a letter.
      {"\x81\x41", "\x81\x61", false, false},
      {"A", kRen, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Same_Character(c.typed, c.expected, Letter_Case::Ignored), c.same_hidden) << c.typed;
    EXPECT_EQ(Same_Character(c.typed, c.expected, Letter_Case::Exact), c.same_shown) << c.typed;
  }
}

TEST(Audition_Judging, AChangeIsJudgedAsInTheArticleFamilyWithTheLetterCaseChosen) {
  // The text "aB" and line break, "c": the box grows by "A", then "b".
  const std::vector<std::string> text = {"a", "B", "\r", "\n", "c"};
  struct Case {
    Letter_Case letter_case;
    int right;  // of the two typed letters
  } const cases[] = {{Letter_Case::Ignored, 2}, {Letter_Case::Exact, 0}};
  for (const Case& c : cases) {
    Text_Length = static_cast<int>(text.size());
    Article_Char.Redim(Text_Length + 3);
    for (int i = 0; i < Text_Length; ++i) Article_Char(i + 1) = text[static_cast<size_t>(i)];
    Char_Right_Mark.Redim(Text_Length);
    Char_Position = Typed_Char_Count = Right_Char_Count = 0;
    const std::string typed = "Ab";
    for (int length = 1; length <= 2; ++length)
      Judge_Article_Change(
          length, 0, [&](int at) { return typed.substr(static_cast<size_t>(at), 1); },
          c.letter_case);
    EXPECT_EQ(Right_Char_Count, c.right);
    EXPECT_EQ(Typed_Char_Count, 2);
    // The line break counts two right in either case, and taking back a character undoes it.
    EXPECT_EQ(Judge_Article_Change(4, 0, [](int) { return std::string(); }, c.letter_case).kind,
              Article_Change_Kind::Line_Break);
    EXPECT_EQ(Right_Char_Count, c.right + 2);
    Judge_Article_Change(3, 0, [](int) { return std::string(); }, c.letter_case);
    EXPECT_EQ(Char_Position, 3);
  }
}

}  // namespace
}  // namespace quillon
