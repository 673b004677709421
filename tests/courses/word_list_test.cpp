// The word-list reader: entries read one line at a time from a byte position, the last line, the
// lines that break the format and positions that do not start a line.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>

#include "courses/word_list.h"
#include "services/key_table.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

class WordList : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Initialize_Key_Table(); }
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "ql_word_list_" + std::to_string(GetCurrentProcessId()) + ".txt";
  }
  void TearDown() override { DeleteFileA(path_.c_str()); }
  void List(const std::string& bytes) { ASSERT_TRUE(testkit::Write_File(path_, bytes)); }
  std::string path_;
};

std::string Joined(const std::vector<std::string>& characters) {
  std::string text;
  for (const std::string& c : characters) text += c;
  return text;
}

TEST_F(WordList, ReadsEachEntryFromItsPositionToTheLastLine) {
  // A Chinese character is two bytes; the explanation may hold further "#".
  const std::string bytes = "Borrow#V. 借；借用\r\n##n. 井号#\r\nbrave#adj. 勇敢的\r\n";
  List(bytes);
  struct Case {
    int32_t position;
    const char* word;
    const char* explanation;
    bool last;
    int32_t next;
  } cases[] = {
      {1, "borrow", "v. 借；借用", false, 21},
      {21, "#", "n. 井号#", false, 33},
      {33, "brave", "adj. 勇敢的", true, 1},
  };
  ASSERT_EQ(bytes.size(), 51u);
  for (const Case& c : cases) {
    const Word_Line line = Read_Word_Line(path_, c.position);
    ASSERT_TRUE(line.Ok()) << c.position << ": " << line.Message();
    EXPECT_EQ(Joined(line.word), c.word) << c.position;
    EXPECT_EQ(Joined(line.explanation), c.explanation) << c.position;
    EXPECT_EQ(line.last, c.last) << c.position;
    EXPECT_EQ(line.next_position, c.next) << c.position;
  }
}

TEST_F(WordList, TheLastLineMayEndWithoutItsLineBreakAndOneLineIsFirstAndLast) {
  for (const char* bytes : {"cat#n. 猫", "cat#n. 猫\r\n"}) {
    List(bytes);
    const Word_Line line = Read_Word_Line(path_, 1);
    ASSERT_TRUE(line.Ok()) << line.Message();
    EXPECT_TRUE(line.last);
    EXPECT_EQ(line.next_position, 1);
    EXPECT_EQ(Joined(line.word), "cat");
  }
}

TEST_F(WordList, PositionsThatDoNotStartALineAreRefused) {
  List("cat#n. 猫\r\ndog#n. 狗\r\n");  // 11 bytes a line
  for (int32_t position : {0, -5, 2, 5, 11, 13, 21, 22, 23, 1000}) {
    EXPECT_EQ(Read_Word_Line(path_, position).status, Word_Line_Status::Bad_Position) << position;
  }
  EXPECT_TRUE(Read_Word_Line(path_, 1).Ok());
  EXPECT_TRUE(Read_Word_Line(path_, 12).Ok());
}

TEST_F(WordList, BadLinesAreNamedWithTheirLineNumber) {
  const std::string good = "cat#n. 猫\r\n";
  struct Case {
    std::string bad_line;  // the second line, bytes without its CR LF
    Word_Line_Status status;
    const char* message_part;
  } cases[] = {
      {"", Word_Line_Status::Empty_Line, "第 2 行是空行"},
      {"dog n. 狗", Word_Line_Status::No_Separator, "第 2 行缺少"},
      {"dog#", Word_Line_Status::Empty_Explanation, "第 2 行的单词没有释义"},
      {"#", Word_Line_Status::No_Separator, "缺少"},
      {"狗#dog", Word_Line_Status::Foreign_Character, "“狗”在主键盘上没有对应的键"},
      {"do\tg#n. 狗", Word_Line_Status::Foreign_Character, "0x09"},
      {"do\rg#n. 狗", Word_Line_Status::Stray_Line_Break, "不成对的回车或换行符"},
      {"dog#n.\n 狗", Word_Line_Status::Stray_Line_Break, "第 2 行"},
      {"a#" + std::string(kMostWordLineCharacters - 1, 'x'), Word_Line_Status::Line_Too_Long,
       "最多 32765 个字符"},
  };
  for (const Case& c : cases) {
    List(good + c.bad_line + "\r\n" + good);
    const Word_Line line = Read_Word_Line(path_, static_cast<int32_t>(good.size()) + 1);
    EXPECT_EQ(line.status, c.status) << c.bad_line.substr(0, 20);
    EXPECT_EQ(line.file_line, 2) << c.bad_line.substr(0, 20);
    EXPECT_NE(line.Message().find(path_), std::string::npos);
    EXPECT_NE(line.Message().find(c.message_part), std::string::npos) << line.Message();
  }
  // The longest line allowed is read.
  List("a#" + std::string(kMostWordLineCharacters - 2, 'x') + "\r\n");
  EXPECT_TRUE(Read_Word_Line(path_, 1).Ok());
  // A line with no line break at all, too long to be one.
  List("a#" + std::string(3 * kMostWordLineCharacters, 'x'));
  EXPECT_EQ(Read_Word_Line(path_, 1).status, Word_Line_Status::Line_Too_Long);
}

TEST_F(WordList, AnEmptyLineAfterTheLastEntryIsReportedWhenReached) {
  List("cat#n. 猫\r\n\r\n");
  const Word_Line first = Read_Word_Line(path_, 1);
  ASSERT_TRUE(first.Ok());
  EXPECT_FALSE(first.last);
  const Word_Line next = Read_Word_Line(path_, first.next_position);
  EXPECT_EQ(next.status, Word_Line_Status::Empty_Line);
  EXPECT_EQ(next.file_line, 2);
}

TEST_F(WordList, TheWholeListIsCheckedInOnePassUpToItsFirstBadLine) {
  const std::string good = "cat#n. 猫\r\n";  // 11 bytes
  struct Case {
    std::string bytes;
    Word_Line_Status status;
    int line;
    int32_t position;
  } cases[] = {
      {good + good + "dog#n. 狗", Word_Line_Status::Ok, 0, 1},  // the last line without CR LF
      {good + good + good + good + "apple\r\n" + good, Word_Line_Status::No_Separator, 5, 45},
      {good + good + "apple", Word_Line_Status::No_Separator, 3, 23},
      {good + "\r\n", Word_Line_Status::Empty_Line, 2, 12},
      {good + "a\nb#c\r\n" + "d e\r\n", Word_Line_Status::Stray_Line_Break, 2, 12},
      {std::string(5000, 'x') + "#y\r\n" + good + "狗#dog\r\n",
       Word_Line_Status::Foreign_Character, 3, 5016},  // lines across the reader's pieces
      {good + "a#" + std::string(3 * kMostWordLineCharacters, 'x'), Word_Line_Status::Line_Too_Long,
       2, 12},
      {"", Word_Line_Status::No_Entries, 0, 1},
  };
  for (const Case& c : cases) {
    List(c.bytes);
    const Word_Line check = Check_Word_List(path_);
    EXPECT_EQ(check.status, c.status) << c.bytes.substr(0, 40);
    EXPECT_EQ(check.file_line, c.line) << c.bytes.substr(0, 40);
    if (!check.Ok()) {
      EXPECT_EQ(check.position, c.position) << c.bytes.substr(0, 40);
      // The same line as the practice would read it there.
      if (c.status != Word_Line_Status::No_Entries) {
        const Word_Line read = Read_Word_Line(path_, check.position);
        EXPECT_EQ(read.status, check.status);
        EXPECT_EQ(read.file_line, check.file_line);
        EXPECT_EQ(read.Message(), check.Message());
      }
    }
  }
  EXPECT_EQ(Check_Word_List(path_ + ".none").status, Word_Line_Status::Missing);
}

TEST_F(WordList, MissingAndEmptyFilesAreNamed) {
  Word_Line line = Read_Word_Line(path_ + ".none", 1);
  EXPECT_EQ(line.status, Word_Line_Status::Missing);
  EXPECT_NE(line.Message().find(path_ + ".none"), std::string::npos);
  List("");
  line = Read_Word_Line(path_, 1);
  EXPECT_EQ(line.status, Word_Line_Status::No_Entries);
  EXPECT_NE(line.Message().find("中没有单词"), std::string::npos);
}

TEST_F(WordList, UpperCaseIsLoweredButDoubleByteCharactersKeepTheirBytes) {
  // A trail byte that looks like a capital letter stays as it is: 0xC5 0x41 is one double-byte
  // character whose trail byte reads "A".
  List("ABC#N. \xC5\x41 Z\r\n");
  const Word_Line line = Read_Word_Line(path_, 1);
  ASSERT_TRUE(line.Ok());
  EXPECT_EQ(Joined(line.word), "abc");
  EXPECT_EQ(Joined(line.explanation), "n. \xC5\x41 z");
}

TEST(WordListPath, IsTheListNumberUnderEnglishWord) {
  EXPECT_EQ(Word_List_Path("C:\\QL", 3), "C:\\QL\\English\\Word\\3.txt");
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

// The eight lists the program folder ships, read entry by entry with the real reader: a real
// syllabus each, every word once, lists 1 to 7 in alphabetical order, and explanations short
// enough for the explanation box to show them whole.
TEST(ShippedWordLists, AreWellFormedLargeEnoughOrderedAndRepeatNoWord) {
  Initialize_Key_Table();
  const int kLeast[8] = {600, 1500, 3000, 4000, 2000, 3000, 3000, 3000};
  const size_t kMostExplanationBytes = 44;
  std::map<std::string, int> first_list;
  for (int lesson = 0; lesson < 8; ++lesson) {
    const std::string path = Word_List_Path(testkit::Tutor_Folder(), lesson);
    const std::string bytes = testkit::Read_File(path);
    ASSERT_GE(bytes.size(), 2u) << path;
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << path;
    int entries = 0;
    int32_t position = 1;
    std::string previous;
    for (;;) {
      const Word_Line line = Read_Word_Line(path, position);
      ASSERT_TRUE(line.Ok()) << line.Message();
      ++entries;
      const std::string word = Joined(line.word);
      const std::string explanation = Joined(line.explanation);
      // Single words in lower case: letters, and a hyphen or apostrophe inside a word.
      EXPECT_TRUE(std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || c == '-' || c == '\'';
      })) << word;
      EXPECT_TRUE(word.front() >= 'a' && word.front() <= 'z') << word;
      EXPECT_EQ(explanation.find('#'), std::string::npos) << word;
      EXPECT_LE(explanation.size(), kMostExplanationBytes) << word;
      if (lesson > 0) {
        EXPECT_LT(previous, word) << path;  // alphabetical
      }
      previous = word;
      // The stored line is lower case already, so the reader gives it back as it stands.
      const std::string stored = bytes.substr(static_cast<size_t>(position - 1),
                                              word.size() + 1 + explanation.size());
      EXPECT_EQ(stored, word + "#" + explanation);
      const auto [at, fresh] = first_list.emplace(word, lesson);
      EXPECT_TRUE(fresh) << word << " in list " << lesson << " and list " << at->second;
      if (line.last) break;
      position = line.next_position;
    }
    EXPECT_GE(entries, kLeast[lesson]) << path;
  }
}

}  // namespace
}  // namespace quillon
