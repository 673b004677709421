// trhook32's decisions about texts: the parts of menu texts, bilingual menus, format fields,
// the package's pairs and the order of quick translation.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "dictfiles.h"
#include "package.h"
#include "testkit/testkit.h"
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

std::string Lower_Ascii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The dictionaries Lingvane ships, as they lie in its folder: listed, none chosen, each pair
// table in the order a reader halves (English folded, each text once), and the interface
// dictionary answering the common interface words, whole texts and their access-key and
// ellipsis variants.
TEST(ShippedDictionaries, ListedUnchosenSortedAndTheInterfaceWordsTranslate) {
  const std::string lib = testkit::Translator_Folder() + "\\lib\\";
  const std::vector<DictListRecord> records =
      Parse_Dict_List(testkit::Read_File(lib + "wbseclib.lst"));
  ASSERT_GE(records.size(), 2u);
  std::map<std::string, std::string> files;  // dictionary name -> file name
  for (const DictListRecord& r : records) {
    const std::string file(r.fileName, strnlen(r.fileName, sizeof r.fileName));
    const std::string name(r.dictName, strnlen(r.dictName, sizeof r.dictName));
    EXPECT_EQ(r.selected, 0) << name;
    files[name] = file;

    const std::string bytes = testkit::Read_File(lib + file);
    ASSERT_GT(bytes.size(), kDictHeaderSize) << file;
    Dict_Header_Text header;
    ASSERT_TRUE(Read_Dict_Header(bytes.substr(0, kDictHeaderSize), true, &header)) << file;
    EXPECT_EQ(header.name, name);
    int32_t count = 0;
    memcpy(&count, bytes.data() + 4, 4);
    std::string previous;
    for (int32_t i = 0; i < count; ++i) {
      int32_t at = 0;
      memcpy(&at, bytes.data() + kDictHeaderSize + 8 * static_cast<size_t>(i), 4);
      ASSERT_TRUE(at > 0 && static_cast<size_t>(at) < bytes.size()) << file << " pair " << i;
      const std::string english = Lower_Ascii(bytes.c_str() + at);
      if (i > 0) {
        ASSERT_LT(previous, english) << file << " pair " << i;
      }
      previous = english;
    }
  }
  ASSERT_EQ(files.count("国家与语言"), 1u);
  ASSERT_EQ(files.count("计算机界面"), 1u);

  Word_Dictionary interface_words;
  const std::string bytes = testkit::Read_File(lib + files["计算机界面"]);
  ASSERT_TRUE(interface_words.Add_Dct(bytes));
  int32_t count = 0;
  memcpy(&count, bytes.data() + 4, 4);
  EXPECT_GE(count, 2000);
  const struct {
    const char* english;
    const char* chinese;
  } words[] = {{"Cancel", "取消"}, {"Open", "打开"}, {"OK", "确定"},       {"Close", "关闭"},
               {"Apply", "应用"},  {"Help", "帮助"}, {"Properties", "属性"}, {"cancel", "取消"}};
  for (const auto& w : words) {
    std::string out;
    EXPECT_TRUE(interface_words.Find(w.english, &out) && out == w.chinese) << w.english << " " << out;
  }
  const Package_Table no_package;
  const struct {
    const char* text;
    const char* translation;
  } texts[] = {{"&Cancel", "取消(&C)"}, {"&Open...", "打开(&O)..."}, {"Find &Next", "查找下一个(&N)"}};
  for (const auto& t : texts) {
    std::string out;
    EXPECT_TRUE(Quick_Translate(t.text, no_package, nullptr, &interface_words, &out)) << t.text;
    EXPECT_EQ(out, t.translation);
  }
}

}  // namespace
