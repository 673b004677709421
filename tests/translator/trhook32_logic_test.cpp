// trhook32's decisions about texts: the parts of menu texts, bilingual menus, format fields,
// the package's pairs and the order of quick translation.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dictfiles.h"
#include "package.h"
#include "translate_logic.h"

namespace {

using namespace trhook32;

std::string Package(const std::vector<Package_Entry>& pairs) {
  std::string bytes;
  EXPECT_TRUE(Package_Bytes(pairs, &bytes));
  return bytes;
}

// A one-pair professional dictionary in the ".dct" layout.
std::string Dct(const std::string& en, const std::string& zh) {
  std::string b(148, '\0');
  auto put = [&](size_t at, int32_t v) { memcpy(&b[at], &v, 4); };
  put(0, 0x04935343);
  put(4, 1);
  put(8, 148);
  put(16, 1);
  b += std::string(8, '\0');
  put(148, static_cast<int32_t>(b.size()));
  b += en + '\0';
  put(152, static_cast<int32_t>(b.size()));
  b += zh + '\0';
  return b;
}

TEST(Trhook32Texts, PartsOfMenuAndLabelTexts) {
  struct Case {
    const char* text;
    const char* words;
    char key;
    const char* tail;
    const char* shortcut;
    const char* composed;  // with the words "词"
  } cases[] = {
      {"&File", "File", 'F', "", "", "词(&F)"},
      {"Save &as...", "Save as", 'A', "...", "", "词(&A)..."},
      {"&New\tCtrl+N", "New", 'N', "", "Ctrl+N", "词(&N)\tCtrl+N"},
      {"Fi&nd What:", "Find What", 'N', ":", "", "词(&N):"},
      {"Tom && Jerry", "Tom & Jerry", 0, "", "", "词"},
      {"编辑(&E)", "编辑", 'E', "", "", "词(&E)"},
      {"Cancel", "Cancel", 0, "", "", "词"},
  };
  for (const Case& c : cases) {
    const Text_Parts p = Split_Text(c.text);
    EXPECT_EQ(p.words, c.words) << c.text;
    EXPECT_EQ(p.accessKey, c.key) << c.text;
    EXPECT_EQ(p.tail, c.tail) << c.text;
    EXPECT_EQ(p.shortcut, c.shortcut) << c.text;
    EXPECT_EQ(Compose_Text(p, "词"), c.composed) << c.text;
  }
}

TEST(Trhook32Texts, BilingualMenusReadAsTheSettingsSheetShows) {
  struct Case { const char* en; const char* zh; const char* shown; } cases[] = {
      {"&Edit", "编辑(&E)", "编辑 | Edit(&E)"},
      {"&New\tCtrl+N", "新建(&N)\tCtrl+N", "新建 | New(&N)\tCtrl+N"},
      {"Save &as...", "另存为(&A)...", "另存为 | Save as(&A)..."},
      {"Notepad", "记事本", "记事本 | Notepad"},
  };
  for (const Case& c : cases) EXPECT_EQ(Bilingual_Text(c.en, c.zh), c.shown) << c.en;
}

TEST(Trhook32Texts, FormatFieldsCarryTheirValues) {
  EXPECT_EQ(Format_Fields("File '%s' at %ld, %1!d! of %2 100%%"),
            (std::vector<std::string>{"%s", "%ld", "%1!d!", "%2"}));
  EXPECT_EQ(Fill_Fields("第 %2 项共 %1 项 %s", {"%1", "%2", "%s"}, {"9", "3", "x"}),
            "第 3 项共 9 项 x");

  Package_Table table;
  ASSERT_TRUE(table.Load(Package({
      {"File '%s' does not exist.\n\nDo you want to create a new file?",
       "文件“%s”不存在。\n\n您想新建一个文件吗?"},
      {"Ln %ld, Col %ld", "%ld 行，%ld 列"},
      {"Select a size between %1!d! and %2!d! points.", "选择 %1!d! 到 %2!d! 之间的字号。"},
      {"&File", "文件(&F)"},
      {"a.b (c)", "点"}})));
  struct Case { const char* text; bool known; const char* shown; } cases[] = {
      {"&File", true, "文件(&F)"},
      {"File 'C:\\a b.txt' does not exist.\n\nDo you want to create a new file?", true,
       "文件“C:\\a b.txt”不存在。\n\n您想新建一个文件吗?"},
      {"Ln 12, Col 3", true, "12 行，3 列"},
      {"Select a size between 8 and 72 points.", true, "选择 8 到 72 之间的字号。"},
      {"a.b (c)", true, "点"},
      {"aXb (c)", false, ""},
      {"&file", false, ""},
      {"File 'x' does not exist.", false, ""},
  };
  for (const Case& c : cases) {
    std::string out;
    EXPECT_EQ(table.Translate(c.text, &out), c.known) << c.text;
    if (c.known) {
      EXPECT_EQ(out, c.shown) << c.text;
    }
  }
  EXPECT_FALSE(table.Load("not a package"));
  EXPECT_TRUE(table.Empty());
}

TEST(Trhook32Texts, QuickTranslationTriesPackageThenUserThenProfessional) {
  Package_Table package;
  ASSERT_TRUE(package.Load(Package({{"&File", "文件(&F)"}})));
  Word_Dictionary user, professional;
  ASSERT_TRUE(user.Add_User(User_Dict_Bytes({{"edit", "v.", "编辑器"}, {"File", "n.", "卷宗"}})));
  ASSERT_TRUE(professional.Add_Dct(Dct("Search", "搜索")));
  ASSERT_TRUE(professional.Add_Dct(Dct("Edit", "校订")));
  EXPECT_FALSE(professional.Add_Dct("junk"));
  struct Case {
    const char* text;
    bool useUser, useProfessional;
    const char* shown;  // "" when nothing translates it
  } cases[] = {
      {"&File", true, true, "文件(&F)"},           // the package first
      {"&Edit", true, true, "编辑器(&E)"},         // then the user dictionary
      {"&Edit", false, true, "校订(&E)"},          // the professional one when the user's is off
      {"&Search...\tCtrl+F", true, true, "搜索(&S)...\tCtrl+F"},
      {"&Search", true, false, ""},
      {"Nothing", true, true, ""},
      {"", true, true, ""},
  };
  for (const Case& c : cases) {
    std::string out;
    bool known = Quick_Translate(c.text, package, c.useUser ? &user : nullptr,
                                 c.useProfessional ? &professional : nullptr, &out);
    EXPECT_EQ(known, *c.shown != 0) << c.text;
    if (known) {
      EXPECT_EQ(out, c.shown) << c.text;
    }
  }
}

TEST(Trhook32Texts, DamagedDictionariesGiveWhatTheyHold) {
  std::string dct = Dct("Open", "打开");
  Word_Dictionary d;
  EXPECT_TRUE(d.Add_Dct(dct.substr(0, dct.size() - 3)));  // the last text cut short
  std::string out;
  EXPECT_FALSE(d.Find("Open", &out));
  std::string user = User_Dict_Bytes({{"Open", "v.", "打开"}, {"Close", "v.", "关闭"}});
  EXPECT_TRUE(d.Add_User(user.substr(0, user.size() - 2)));
  EXPECT_TRUE(d.Find("open", &out));
  EXPECT_EQ(out, "打开");
  EXPECT_FALSE(d.Find("Close", &out));
}

}  // namespace
