// The keys lesson files and the lesson-line arrays they fill.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "services/cp936_text.h"
#include "services/key_table.h"
#include "services/lesson_lines.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

class LessonFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Initialize_Key_Table(); }

  Lesson_File_Result Parse(const std::string& bytes, int16_t type_method = -1) {
    return Parse_Key_Char_Lesson(bytes, head_, chars_, type_method);
  }
  // The keys of a line up to and including its carriage return, joined.
  std::string Keys(int line) {
    std::string keys;
    for (int position = 1; position <= chars_.Positions(); ++position) {
      keys += chars_(position, line);
      if (chars_(position, line) == "\r") break;
    }
    return keys;
  }
  std::string Code(int line) {
    return head_(1, line) + head_(2, line) + head_(3, line) + head_(4, line);
  }
  bool Line_Is_Empty(int line) {
    for (int p = 1; p <= chars_.Positions(); ++p) {
      if (!chars_(p, line).empty()) return false;
    }
    for (int p = 1; p <= head_.Positions(); ++p) {
      if (!head_(p, line).empty()) return false;
    }
    return true;
  }

  Lesson_Line_Table head_{kLessonHeadPositions};
  Lesson_Line_Table chars_{kLessonLinePositions};
};

TEST_F(LessonFile, SkipsEmptyLinesAndKeepsOneEmptyLineAfterTheLesson) {
  auto result = Parse("lf11fj\r\n\r\n\r\nlf12ffjj\r\n\r\nrf13jjff\r\n");
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(result.lines, 3);
  EXPECT_EQ(chars_.Lines(), 4);
  EXPECT_EQ(head_.Lines(), 4);
  EXPECT_EQ(chars_.Positions(), 400);
  EXPECT_EQ(head_.Positions(), 10);
  EXPECT_EQ(Code(1), "lf11");
  EXPECT_EQ(Keys(1), "fj\r");
  EXPECT_EQ(Keys(2), "ffjj\r");
  EXPECT_EQ(Code(3), "rf13");
  EXPECT_EQ(Keys(3), "jjff\r");
  EXPECT_TRUE(Line_Is_Empty(4));
  EXPECT_EQ(Lesson_Line_Key_Count(chars_, 2), 4);
  EXPECT_EQ(head_(5, 1), "");
  EXPECT_EQ(chars_(4, 1), "");  // nothing after the carriage return
}

TEST_F(LessonFile, EndsLinesAtCrLfLoneCrLoneLfAndTheEndOfTheFile) {
  auto result = Parse("bf11ab\rbf12cd\nbf13ef\r\n\n\rbf14gh");
  ASSERT_TRUE(result.Ok()) << result.Message();
  ASSERT_EQ(result.lines, 4);
  EXPECT_EQ(Keys(1), "ab\r");
  EXPECT_EQ(Keys(2), "cd\r");
  EXPECT_EQ(Keys(3), "ef\r");
  EXPECT_EQ(Keys(4), "gh\r");
}

TEST_F(LessonFile, IgnoresAUtf8MarkAtTheStartOfTheFile) {
  auto result = Parse("\xEF\xBB\xBFlf11fj\r\n", 0);
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(Code(1), "lf11");
  EXPECT_EQ(Keys(1), "fj\r");
}

TEST_F(LessonFile, LowersLettersOfCodeAndKeysButLeavesDoubleByteCharactersAlone) {
  // 0xB0 0x41 is one double-byte character whose trail byte is the code of "A".
  auto result = Parse("LFAB\xB0" "AXy;:\r\n");
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(Code(1), "lfab");
  EXPECT_EQ(chars_(1, 1), "\xB0" "A");
  EXPECT_EQ(chars_(2, 1), "x");
  EXPECT_EQ(chars_(3, 1), "y");
  EXPECT_EQ(chars_(4, 1), ";");
  EXPECT_EQ(chars_(5, 1), ":");
  EXPECT_EQ(chars_(6, 1), "\r");
}

TEST_F(LessonFile, CountsCharactersNotBytesInCodeAndLineLength) {
  // A code of two Chinese characters and two letters is four characters.
  std::string line = "\xD7\xF3\xCA\xD6" "f1";
  line += std::string(kMostLessonKeys - 1, 'a') + "\xB0\xA1";  // 399 keys, the last double-byte
  ASSERT_TRUE(Parse(line + "\r\n").Ok());
  EXPECT_EQ(head_(1, 1), "\xD7\xF3");
  EXPECT_EQ(head_(4, 1), "1");
  EXPECT_EQ(chars_(399, 1), "\xB0\xA1");
  EXPECT_EQ(chars_(400, 1), "\r");
}

TEST_F(LessonFile, TakesUpTo399KeysAndRefusesA404CharacterLine) {
  const std::string longest = "bf11" + std::string(399, 'k');
  auto result = Parse("bf11jk\r\n" + longest + "\r\n");
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(chars_(400, 2), "\r");
  EXPECT_EQ(Lesson_Line_Key_Count(chars_, 2), 399);

  result = Parse("bf11jk\r\n\r\n" + longest + "k\r\nbf11jj\r\n");
  EXPECT_EQ(result.status, Lesson_File_Status::Line_Too_Long);
  EXPECT_EQ(result.lines, 0);
  EXPECT_EQ(result.file_line, 3);
  EXPECT_TRUE(Line_Is_Empty(1));
  EXPECT_EQ(chars_.Lines(), 1);
  EXPECT_NE(result.Message().find("3"), std::string::npos);
}

TEST_F(LessonFile, RefusesLinesWithoutKeysAndFilesWithoutLessons) {
  struct Case {
    const char* bytes;
    Lesson_File_Status status;
    int file_line;
  } cases[] = {
      {"bf11jk\r\nbf1\r\n", Lesson_File_Status::No_Keys, 2},
      {"bf12\r\n", Lesson_File_Status::No_Keys, 1},
      {"", Lesson_File_Status::No_Lines, 0},
      {"\r\n\r\n\n", Lesson_File_Status::No_Lines, 0},
  };
  for (const auto& c : cases) {
    auto result = Parse(c.bytes);
    EXPECT_EQ(result.status, c.status) << c.bytes;
    EXPECT_EQ(result.file_line, c.file_line) << c.bytes;
    EXPECT_EQ(result.lines, 0);
    EXPECT_FALSE(result.Message().empty());
    EXPECT_EQ(chars_.Lines(), 1);
  }
}

TEST_F(LessonFile, ChecksEveryKeyAgainstTheDrilledPartOfTheKeyboard) {
  // Main keyboard: every key with its Shift character, tab and space are keys.
  EXPECT_TRUE(Parse("b+01`1234567890-=~!@#$%^&*()_+[]{}\\|;:'\",.<>/? \t\r\n", 0).Ok());
  // Keypad: digits and / * - + . only.
  EXPECT_TRUE(Parse("11110123456789/*-+.\r\n", 1).Ok());

  struct Case {
    std::string bytes;
    int16_t method;
    std::string character;
    int file_line;
  } cases[] = {
      {"1111123\r\n1111a\r\n", 1, "a", 2},
      {"1111 1\r\n", 1, " ", 1},
      {"bf11\xB0\xA1\r\n", 0, "\xB0\xA1", 1},
      {"bf11ab\x01\r\n", 0, "\x01", 1},
  };
  for (const auto& c : cases) {
    auto result = Parse(c.bytes, c.method);
    EXPECT_EQ(result.status, Lesson_File_Status::Foreign_Key) << c.bytes;
    EXPECT_EQ(result.character, c.character) << c.bytes;
    EXPECT_EQ(result.file_line, c.file_line) << c.bytes;
    EXPECT_TRUE(Line_Is_Empty(1));
  }
}

TEST_F(LessonFile, ReportsAMissingFileByName) {
  Lesson_Line_Head.Redim(10, 3);
  auto result = Load_Key_Char_Lesson_File("C:\\no such folder\\0.txt", 0);
  EXPECT_EQ(result.status, Lesson_File_Status::Missing);
  EXPECT_EQ(result.lines, 0);
  EXPECT_NE(result.Message().find("C:\\no such folder\\0.txt"), std::string::npos);
  EXPECT_EQ(Lesson_Line_Head.Lines(), 1);
  EXPECT_EQ(Lesson_Line_Char.Lines(), 1);
}

TEST_F(LessonFile, LoadsAFileIntoTheSharedArraysAndShrinksThem) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "ql_courses_lesson_test.txt";
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("BF11Jk\r\n\r\nbf12jkl\r\n", file);
  std::fclose(file);
  auto result = Load_Key_Char_Lesson_File(path, 0);
  std::remove(path.c_str());
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(result.lines, 2);
  EXPECT_EQ(Lesson_Line_Char(1, 1), "j");
  EXPECT_EQ(Lesson_Line_Char(3, 2), "l");
  EXPECT_EQ(Lesson_Line_Char(4, 2), "\r");
  EXPECT_EQ(Lesson_Line_Head(1, 1), "b");
  EXPECT_EQ(Lesson_Line_Char.Lines(), 3);

  Shrink_Lesson_Lines();
  EXPECT_EQ(Lesson_Line_Char.Lines(), 1);
  EXPECT_EQ(Lesson_Line_Char.Positions(), 1);
  EXPECT_THROW(Lesson_Line_Char(2, 1), std::out_of_range);
}

// The lessons shipped in the program folder: readable, every key on its part of the keyboard,
// the main keyboard starting on the home row.
TEST_F(LessonFile, ShippedLessonsUseOnlyTheKeysOfTheirPartOfTheKeyboard) {
  for (int16_t method : {int16_t{0}, int16_t{1}}) {
    auto result = Load_Key_Char_Lesson_File(
        Key_Lesson_File_Path(testkit::Tutor_Folder(), method), head_, chars_, method);
    ASSERT_TRUE(result.Ok()) << result.Message();
    EXPECT_GE(result.lines, 10) << method;
    for (int line = 1; line <= result.lines; ++line) {
      EXPECT_GE(Lesson_Line_Key_Count(chars_, line), 1);
      EXPECT_EQ(Code(line) == "1111", method == 1) << "line " << line;
    }
  }
  ASSERT_TRUE(Load_Key_Char_Lesson_File(Key_Lesson_File_Path(testkit::Tutor_Folder(), 0), head_,
                                        chars_, 0)
                  .Ok());
  const std::string home_row = "asdfghjkl; ";
  for (int position = 1; chars_(position, 1) != "\r"; ++position) {
    EXPECT_NE(home_row.find(chars_(position, 1)), std::string::npos) << chars_(position, 1);
  }
}

TEST(LessonLineTable, GrowsKeepingItsLinesAndRefusesCellsOutsideItsBounds) {
  Lesson_Line_Table table(400);
  table.Set(400, 1, "\r");
  table.Redim_Preserve_Lines(2);
  EXPECT_EQ(table(400, 1), "\r");
  EXPECT_EQ(table(1, 2), "");
  EXPECT_THROW(table(401, 1), std::out_of_range);
  EXPECT_THROW(table(0, 1), std::out_of_range);
  EXPECT_THROW(table(1, 3), std::out_of_range);
}

TEST(Cp936Text, SplitsAndCountsCharacters) {
  EXPECT_EQ(Count_Characters("a\xB0\xA1" "b"), 3u);
  EXPECT_EQ(Split_Characters("\xB0\xA1x").size(), 2u);
  // A lead byte without a valid trail byte is a character of its own.
  EXPECT_EQ(Count_Characters("\xB0\r\xB0"), 3u);
  EXPECT_EQ(Count_Characters("\x81\x7F"), 2u);
  EXPECT_EQ(Count_Characters(""), 0u);
}

// ---- Messages about bad bytes, and the memory a lesson takes ----

TEST(LessonCharacterName, ShowsWhatCanBeShownAndNamesTheRestByItsBytes) {
  struct Case {
    std::string character;
    std::string name;
  } cases[] = {
      {"a", "“a”"},
      {";", "“;”"},
      {"\xB0\xA1", "“\xB0\xA1”"},                  // a Chinese character of the code page
      {" ", "（字节 0x20）"},                          // a blank
      {"\t", "（字节 0x09）"},
      {std::string(1, '\0'), "（字节 0x00）"},         // a NUL would cut the message short
      {"\x01", "（字节 0x01）"},
      {"\x7F", "（字节 0x7F）"},
      {"\xB0", "（字节 0xB0）"},                        // a lead byte without its trail byte
      {"\x80", "（字节 0x80）"},
      {"\xFF", "（字节 0xFF）"},
      {"\xA1\xA1", "（字节 0xA1 0xA1）"},              // the full-width space
      {"\xAA\xA1", "（字节 0xAA 0xA1）"},              // a user-defined code
  };
  for (const auto& c : cases) {
    std::string hex;
    for (unsigned char b : c.character) hex += std::to_string(b) + " ";
    EXPECT_EQ(Character_Display_Name(c.character), c.name) << hex;
  }
}

TEST_F(LessonFile, AForeignKeyMessageStaysWholeWhateverTheBytes) {
  const std::string tail = "在键盘上没有对应的键";
  struct Case {
    std::string bytes;
    std::string named;
  } cases[] = {
      {std::string("bf11ab\0c\r\n", 10), "（字节 0x00）"},
      {"bf11ab\xB0\r\n", "（字节 0xB0）"},  // a lone lead byte before the line end
      {"bf11a\xB0" "b\r\n", "“\xB0" "b”"},  // a lead byte takes the next byte as its trail
      {"bf11a\x81\x30\r\n", "（字节 0x81）"},
      {"bf11\x01\x02\r\n", "（字节 0x01）"},
  };
  for (const auto& c : cases) {
    auto result = Parse(c.bytes, 0);
    ASSERT_EQ(result.status, Lesson_File_Status::Foreign_Key);
    result.path = "0.txt";
    const std::string message = result.Message();
    EXPECT_EQ(message, "课程文件 0.txt 第 1 行的字符" + c.named + tail);
    EXPECT_EQ(message.find('\0'), std::string::npos);
  }
}

TEST(LessonLineTable, HoldsEachKindOfCellInTwoBytesAndRefusesMoreThanOneCharacter) {
  Lesson_Line_Table table(400);
  table.Redim(400, 2);
  const std::string cells[] = {"", "a", "\r", std::string(1, '\0'), "\xB0", "\xB0\xA1", "\xFE\xFE"};
  int position = 1;
  for (const auto& cell : cells) table.Set(position++, 2, cell);
  position = 1;
  for (const auto& cell : cells) EXPECT_EQ(table(position++, 2), cell);
  EXPECT_EQ(table(position, 2), "");
  EXPECT_EQ(table(400, 2), "");
  // Only the cells up to the last one written take room.
  EXPECT_LE(table.Memory_Bytes(), 64u);
  // A write past the end of an earlier line moves the later lines along, keeping them whole.
  table.Set(3, 1, "x");
  EXPECT_EQ(table(3, 1), "x");
  EXPECT_EQ(table(1, 1), "");
  position = 1;
  for (const auto& cell : cells) EXPECT_EQ(table(position++, 2), cell);
  table.Redim_Preserve_Lines(1);
  EXPECT_EQ(table(3, 1), "x");
  table.Redim_Preserve_Lines(2);
  EXPECT_EQ(table(2, 2), "");
  EXPECT_THROW(table.Set(1, 1, "ab"), std::invalid_argument);
  EXPECT_THROW(table.Set(1, 1, "\xB0\xA1\xB0"), std::invalid_argument);
  EXPECT_THROW(table.Set(401, 1, "a"), std::out_of_range);
}

TEST_F(LessonFile, ALessonTakesAFewBytesOfMemoryForEachByteOfItsFile) {
  // Bytes the tables take for each byte of a lesson of 2000 lines like `line`.
  auto per_byte = [&](const std::string& line) {
    std::string bytes;
    for (int i = 0; i < 2000; ++i) bytes += line + "\r\n";
    EXPECT_TRUE(Parse(bytes, 0).Ok());
    return static_cast<double>(head_.Memory_Bytes() + chars_.Memory_Bytes()) / bytes.size();
  };
  // The longest lines a lesson allows.
  std::string longest = "bf11";
  for (int i = 0; i < kMostLessonKeys; ++i) longest += "jfkd"[i % 4];
  EXPECT_LT(per_byte(longest), 3.0);
  EXPECT_EQ(chars_(399, 2000), "k");
  EXPECT_EQ(chars_(400, 2000), "\r");
  // The shortest lines cost no more per byte.
  EXPECT_LT(per_byte("bf11j"), 3.5);
  EXPECT_EQ(chars_(1, 2000), "j");
  EXPECT_EQ(chars_(2, 2000), "\r");
  EXPECT_EQ(chars_(3, 2000), "");
}

}  // namespace
}  // namespace quillon
