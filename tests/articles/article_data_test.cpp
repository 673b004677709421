// Every shipped article, read with the course's own readers: English and Chinese categories 0 to
// 5 in the program folder, numbered without gaps, at least four each, in code page 936 with CR LF
// line ends; English plain ASCII on the key table with lines the line-by-line layout takes;
// Chinese with full-width punctuation.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "courses/article_files.h"
#include "forms/forms.h"
#include "services/cp936_text.h"
#include "services/globals.h"
#include "services/key_table.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

constexpr int kLeastArticles = 4;

// The numbered articles of a folder, 1.txt on until the first missing one; every .txt of the
// folder must be one of them (no gaps).
std::vector<std::string> Numbered_Articles(const std::string& folder) {
  std::vector<std::string> files;
  for (int n = 1;; ++n) {
    const std::string path = folder + std::to_string(n) + ".txt";
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) break;
    files.push_back(path);
  }
  int all = 0;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "*.txt").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do ++all;
    while (FindNextFileA(find, &found));
    FindClose(find);
  }
  EXPECT_EQ(all, static_cast<int>(files.size())) << folder << ": a gap in the numbers";
  return files;
}

// CR only before LF, LF only after CR.
bool Crlf_Only(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) return false;
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
  }
  return true;
}

class Shipped_Articles : public ::testing::Test {
 protected:
  void SetUp() override {
    Initialize_Key_Table();
    forms::Set_Message_Box_Function([this](HWND, const std::string& text, const std::string&, UINT) {
      errors.push_back(text);
      return IDOK;
    });
  }
  void TearDown() override { forms::Set_Message_Box_Function({}); }
  std::vector<std::string> errors;
};

TEST_F(Shipped_Articles, EnglishArticlesArePlainAsciiOnTheKeyTable) {
  for (int category = 0; category <= 5; ++category) {
    const std::vector<std::string> files = Numbered_Articles(
        testkit::Tutor_Folder() + "\\English\\Article\\" + std::to_string(category) + "\\");
    EXPECT_GE(files.size(), static_cast<size_t>(kLeastArticles)) << "English category " << category;
    for (const std::string& path : files) {
      SCOPED_TRACE(path);
      const std::string bytes = testkit::Read_File(path);
      EXPECT_TRUE(Crlf_Only(bytes));
      Text_Length = Load_Article_File(path);
      EXPECT_GE(Text_Length, 600);
      EXPECT_LE(Text_Length, 2500);
      for (int i = 1; i <= Text_Length; ++i) {
        const std::string& c = Article_Char(i);
        if (c == "\r" || c == "\n") continue;
        ASSERT_EQ(c.size(), 1u) << "at " << i;
        EXPECT_TRUE(c[0] >= 32 && c[0] < 127) << "at " << i;
        EXPECT_NE(Get_Key_Index(Ansi_Code(c)), kNoKey) << "'" << c << "' at " << i;
      }
      EXPECT_GT(Load_Article_Lines(path), 0);
      EXPECT_EQ(errors, std::vector<std::string>{});
      errors.clear();
    }
  }
}

TEST_F(Shipped_Articles, ChineseArticlesUseFullWidthPunctuation) {
  for (int category = 0; category <= 5; ++category) {
    const std::vector<std::string> files = Numbered_Articles(
        testkit::Tutor_Folder() + "\\Chinese\\Article\\" + std::to_string(category) + "\\");
    EXPECT_GE(files.size(), static_cast<size_t>(kLeastArticles)) << "Chinese category " << category;
    for (const std::string& path : files) {
      SCOPED_TRACE(path);
      const std::string bytes = testkit::Read_File(path);
      EXPECT_TRUE(Crlf_Only(bytes));
      Text_Length = Load_Article_File(path);
      EXPECT_GE(Text_Length, 200);
      EXPECT_LE(Text_Length, 800);
      int chinese = 0;
      for (int i = 1; i <= Text_Length; ++i) {
        const std::string& c = Article_Char(i);
        if (c.size() == 2) ++chinese;
        else if (c != "\r" && c != "\n") {
          EXPECT_TRUE(std::string(",.;:?!\"'()").find(c[0]) == std::string::npos)
              << "half-width '" << c << "' at " << i;
        }
      }
      EXPECT_GT(chinese, Text_Length / 2);
      EXPECT_EQ(errors, std::vector<std::string>{});
      errors.clear();
    }
  }
}

}  // namespace
}  // namespace quillon
