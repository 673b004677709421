// The Wubi line practice's lesson reader and code lookup, and the lesson and code table the
// program ships.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "courses/wubi_lesson.h"
#include "services/cp936_text.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

std::string Line_Of(const Lesson_Line_Table& chars, int line) {
  std::string text;
  for (int p = 1; p <= chars.Positions(); ++p) {
    text += chars(p, line);
    if (chars(p, line) == "\r") break;
  }
  return text;
}

TEST(WubiLesson, ReadsHeadingsAndLinesAndSkipsEmptyLines) {
  Lesson_Line_Table head(kLessonHeadPositions), chars(kLessonLinePositions);
  const Wubi_Lesson_Result r =
      Parse_Wubi_Lesson("键名字 一区#王土大\r\n\r\n#一#二\nabcdefghijklmno#我们\r", head, chars);
  ASSERT_TRUE(r.Ok()) << r.Message();
  EXPECT_EQ(r.lines, 3);
  EXPECT_EQ(r.char_total, 3 + 3 + 2);  // a later "#" is an ordinary character
  EXPECT_EQ(chars.Lines(), 4);         // one spare line
  EXPECT_EQ(head.Lines(), 4);
  EXPECT_EQ(Line_Of(chars, 1), "王土大\r");
  EXPECT_EQ(Line_Of(chars, 2), "一#二\r");
  EXPECT_EQ(Line_Of(chars, 3), "我们\r");
  EXPECT_EQ(Wubi_Line_Heading(head, 1), "键名字 一区");
  EXPECT_EQ(Wubi_Line_Heading(head, 2), "");
  EXPECT_EQ(Wubi_Line_Heading(head, 3), "abcdefghijklmno");  // longer than ten positions
  EXPECT_EQ(Line_Of(chars, 4), "");
}

TEST(WubiLesson, AFaultNamesItsLineAndLeavesTheTablesEmpty) {
  const std::string long_line = "长#" + [] {
    std::string s;
    for (int i = 0; i < 400; ++i) s += "字";
    return s;
  }();
  std::string longest = "长#";
  for (int i = 0; i < 399; ++i) longest += "字";
  struct Case {
    std::string bytes;
    Wubi_Lesson_Status status;
    int file_line;
    const char* words;  // in the message
  } cases[] = {
      {"a#王\r\n\r\n没有标记\r\n", Wubi_Lesson_Status::No_Mark, 3, "第 3 行缺少“#”"},
      {"a#王\r\n标题#\r\n", Wubi_Lesson_Status::No_Characters, 2, "没有要练习的字"},
      {"a#王\r\n" + long_line + "\r\n", Wubi_Lesson_Status::Line_Too_Long, 2, "最多 399 个字"},
      {"\r\n\r\n", Wubi_Lesson_Status::No_Lines, 0, "中没有课程"},
      {"", Wubi_Lesson_Status::No_Lines, 0, "中没有课程"},
      // A stray lead byte before the mark leaves the mark a mark.
      {"\x81#\r\n", Wubi_Lesson_Status::No_Characters, 1, "没有要练习的字"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes.substr(0, 20));
    Lesson_Line_Table head(kLessonHeadPositions), chars(kLessonLinePositions);
    chars.Redim(kLessonLinePositions, 3);
    chars.Set(1, 2, "x");
    Wubi_Lesson_Result r = Parse_Wubi_Lesson(c.bytes, head, chars);
    r.path = "C:\\q\\1.txt";
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.file_line, c.file_line);
    EXPECT_EQ(r.lines, 0);
    EXPECT_EQ(chars.Lines(), 1);
    EXPECT_EQ(Line_Of(chars, 1), "");
    EXPECT_NE(r.Message().find(c.words), std::string::npos) << r.Message();
    EXPECT_NE(r.Message().find("C:\\q\\1.txt"), std::string::npos) << r.Message();
  }
  Lesson_Line_Table head(kLessonHeadPositions), chars(kLessonLinePositions);
  const Wubi_Lesson_Result fits = Parse_Wubi_Lesson(longest, head, chars);
  ASSERT_TRUE(fits.Ok());
  EXPECT_EQ(chars(400, 1), "\r");
}

TEST(WubiLesson, AMissingFileIsReportedByName) {
  Lesson_Line_Table head(kLessonHeadPositions), chars(kLessonLinePositions);
  const Wubi_Lesson_Result r = Load_Wubi_Lesson_File("C:\\no\\such\\1.txt", head, chars);
  EXPECT_EQ(r.status, Wubi_Lesson_Status::Missing);
  EXPECT_EQ(r.Message(), "文件未找到：C:\\no\\such\\1.txt");
}

TEST(WubiCode, TheFirstOccurrenceAnywhereUpToTheLineBreakInCapitals) {
  Wubi_Code_Table table;
  table.Load("我trnt\r\n们wun\r\n的rqyy\r\n人们wwww\r\n工aaaa\r\n空\r\n尾jjj");
  struct Case {
    const char* character;
    const char* code;
  } cases[] = {
      {"我", "TRNT"}, {"们", "WUN"}, {"的", "RQYY"},
      {"人", "们WWWW"},  // first found inside another entry: the rest of that line
      {"工", "AAAA"},  {"空", ""},  // the line break follows at once
      {"尾", ""},                   // on the last line without a line break
      {"无", ""},                   // not in the table
      {"T", "RNT"}, {"t", "RNT"},  // letters match in any case
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(table.Code_Of(c.character), c.code) << c.character;
  Wubi_Code_Table empty;
  EXPECT_TRUE(empty.Empty());
  EXPECT_EQ(empty.Code_Of("我"), "");
}

std::string Read_All(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The files the program ships: the lesson reads without fault, every character of it has its
// code in the table, and each table line is one character and one to four code letters.
TEST(WubiShippedFiles, EveryLessonCharacterHasACodeInTheTable) {
  const std::string folder = testkit::Tutor_Folder();
  const std::string dic = Read_All(Wubi_Code_File_Path(folder));
  ASSERT_FALSE(dic.empty());
  size_t entries = 0;
  for (size_t at = 0; at < dic.size();) {
    const size_t end = dic.find("\r\n", at);
    ASSERT_NE(end, std::string::npos) << "every line ends in CR LF";
    const std::string line = dic.substr(at, end - at);
    const std::vector<std::string> chars = Split_Characters(line);
    ASSERT_GE(chars.size(), 2u) << line;
    ASSERT_EQ(chars[0].size(), 2u) << line;
    const std::string code = line.substr(2);
    EXPECT_TRUE(code.size() >= 1 && code.size() <= 4) << line;
    EXPECT_EQ(code.find_first_not_of("abcdefghijklmnopqrstuvwxy"), std::string::npos) << line;
    at = end + 2;
    ++entries;
  }
  EXPECT_GT(entries, 200u);
  Wubi_Code_Table table;
  table.Load(dic);
  EXPECT_EQ(table.Code_Of("我"), "TRNT");
  EXPECT_EQ(table.Code_Of("们"), "WUN");

  Lesson_Line_Table head(kLessonHeadPositions), chars(kLessonLinePositions);
  const Wubi_Lesson_Result lesson = Load_Wubi_Lesson_File(Wubi_Lesson_File_Path(folder), head, chars);
  ASSERT_TRUE(lesson.Ok()) << lesson.Message();
  EXPECT_GE(lesson.lines, 40);
  EXPECT_LE(lesson.lines, 60);
  EXPECT_EQ(Wubi_Line_Heading(head, 1), "键名字 一区");
  for (int line = 1; line <= lesson.lines; ++line) {
    int n = 0;
    for (int p = 1; chars(p, line) != "\r"; ++p, ++n) {
      const std::string c = chars(p, line);
      ASSERT_EQ(c.size(), 2u) << "line " << line << " holds Chinese characters only";
      const std::string code = table.Code_Of(c);
      // Its own entry, not the rest of another line.
      EXPECT_TRUE(!code.empty() && code.size() <= 4 && static_cast<unsigned char>(code[0]) < 0x80)
          << "line " << line << " position " << p;
    }
    EXPECT_GE(n, 20) << "line " << line;
    EXPECT_LE(n, 60) << "line " << line;
  }
}

}  // namespace
}  // namespace quillon
