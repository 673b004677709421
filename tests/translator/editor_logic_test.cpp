// The package editor's decisions: the letter index, filtering, searching, the length of a
// translation, an edit reaching the records, and the layout.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editor_logic.h"

namespace {

std::vector<InterfaceDictRecord> Records(const std::vector<std::string>& sources) {
  std::vector<InterfaceDictRecord> r(sources.size(), InterfaceDictRecord{});
  for (size_t i = 0; i < sources.size(); ++i) {
    r[i].index = static_cast<int32_t>(i);
    strcpy(r[i].source, sources[i].c_str());
    strcpy(r[i].translation, "译");
    r[i].sourceLength = static_cast<uint16_t>(sources[i].size());
    r[i].translationLength = 2;
    r[i].letter = sources[i].empty() ? 0 : sources[i][0];
  }
  return r;
}

TEST(EditorLogic, LetterIndexFoldersItemsAndPictures) {
  struct Case { int folder, item; char letter; } cases[] = {
      {0, 0, 'A'}, {0, 5, 'F'}, {1, 0, 'G'}, {1, 6, 'M'}, {2, 0, 'N'}, {2, 6, 'T'},
      {3, 0, 'U'}, {3, 5, 'Z'}, {3, 6, '0'}, {0, 6, 0}, {4, 0, 0}};
  for (const Case& c : cases) EXPECT_EQ(Letter_At(c.folder, c.item), c.letter) << c.folder << c.item;
  EXPECT_EQ(Letter_Image(0), kFirstLetterCard);   // A
  EXPECT_EQ(Letter_Image(1), kFirstLetterCard + 1);   // B
  EXPECT_EQ(Letter_Image(25), kFirstLetterCard + 1);  // Z
  EXPECT_EQ(Letter_Image(26), kFirstLetterCard + 1);  // 其它
  EXPECT_STREQ(kLetterTable[26].text, "其它");
  EXPECT_STREQ(kIndexFolders[3], "字母索引U-Z");
}

TEST(EditorLogic, FilterTakesBothCasesLastRecordFirstAndOthersForZero) {
  const auto r = Records({"About", "beta", "apple", "1st", "", "中文", "Alpha", "...", "Zed"});
  struct Case { char letter; std::vector<int> rows; } cases[] = {
      {'A', {6, 2, 0}}, {'B', {1}}, {'Z', {8}}, {'Q', {}}, {'0', {7, 5, 4, 3}}};
  for (const Case& c : cases) {
    EXPECT_EQ(Filter_Records(static_cast<int>(r.size()), r.data(), c.letter), c.rows) << c.letter;
  }
}

TEST(EditorLogic, SearchFindsTheFirstRowWithThePrefixLetterCaseKept) {
  const std::vector<std::string> rows = {"Save", "Open", "Options", "open", "中文"};
  struct Case { const char* prefix; int row; } cases[] = {
      {"Op", 1}, {"Opt", 2}, {"op", 3}, {"OP", -1}, {"", -1}, {"中", 4}, {"Save As", -1}};
  for (const Case& c : cases) EXPECT_EQ(Find_Row(rows, c.prefix), c.row) << c.prefix;
  EXPECT_EQ(Scroll_Steps(19, 4), 15);
  EXPECT_EQ(Scroll_Steps(2, 10), -8);
}

TEST(EditorLogic, TranslationsAreCutToWholeCharacters) {
  struct Case { std::string text; size_t limit; std::string kept; } cases[] = {
      {"abc", 5, "abc"}, {"abcdef", 3, "abc"}, {"中文", 3, "中"}, {"a中文", 4, "a中"},
      {"a中文", 5, "a中文"}, {"", 3, ""}, {"中", 1, ""}};
  for (const Case& c : cases) EXPECT_EQ(Cut_To_Bytes(c.text, c.limit), c.kept) << c.text;
}

TEST(EditorLogic, AnEditReachesEveryRecordOfTheSameSource) {
  auto r = Records({"Open", "Close", "Open", "open", "Open"});
  EXPECT_EQ(Update_Records(static_cast<int>(r.size()), r.data(), "Open", "开启"), 3);
  for (int i : {0, 2, 4}) {
    EXPECT_STREQ(r[static_cast<size_t>(i)].translation, "开启");
    EXPECT_EQ(r[static_cast<size_t>(i)].translationLength, 4);
  }
  EXPECT_STREQ(r[3].translation, "译");
  // Cleared: length 0, left out at the next compile.
  EXPECT_EQ(Update_Records(static_cast<int>(r.size()), r.data(), "Close", ""), 1);
  EXPECT_EQ(r[1].translationLength, 0);
  // Too long: cut to 511 bytes.
  EXPECT_EQ(Update_Records(static_cast<int>(r.size()), r.data(), "open", std::string(700, 'x')), 1);
  EXPECT_EQ(r[3].translationLength, 511);
  // An empty source (a record kept aside) is never edited.
  auto kept = Records({""});
  kept[0].sourceLength = 600;
  EXPECT_EQ(Update_Records(1, kept.data(), "", "x"), 0);
}

TEST(EditorLogic, AMenuItemsKeyNameFollowsItsFirstTab) {
  struct Case {
    const char* text;
    const char* caption;
    const char* key_name;
    bool tabbed;
  } cases[] = {{"&New\tCtrl+N", "&New", "Ctrl+N", true},
               {"新建(&N)\tCtrl+N", "新建(&N)", "Ctrl+N", true},
               {"Open", "Open", "", false},
               {"\tF5", "", "F5", true},
               {"Go\tTo\tF6", "Go", "To\tF6", true},
               {"", "", "", false}};
  for (const Case& c : cases) {
    const Menu_Text t = Split_Menu_Text(c.text);
    EXPECT_EQ(t.caption, c.caption) << c.text;
    EXPECT_EQ(t.key_name, c.key_name) << c.text;
    EXPECT_EQ(t.tabbed, c.tabbed) << c.text;
  }
}

TEST(EditorLogic, LayoutOfTheEditorAndTheEntryDialog) {
  const Editor_Layout e = Layout_Editor(600, 420);
  EXPECT_EQ(e.combo.left, 130);
  EXPECT_EQ(e.combo.right, 330);
  EXPECT_EQ(e.compile.left, 500);
  EXPECT_EQ(e.exit.left, 400);
  EXPECT_EQ(e.index.bottom, 45 + 340);
  EXPECT_EQ(e.list.right, 128 + 467);
  const Entry_Layout l = Layout_Entry(467, 341);
  EXPECT_EQ(l.source.bottom, 170 - 29);
  EXPECT_EQ(l.translation.top, 141);
  EXPECT_EQ(l.translation.bottom, 141 + 170);
  EXPECT_EQ(l.save.top, 341 - 24);
  EXPECT_EQ(l.cancel.left, 88);
}

}  // namespace
