// The settings sheet's decisions: hot-key conversion, dictionary headers, list records and the
// user dictionary's bytes.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "dct_format.h"
#include "dictfiles.h"

namespace {

std::string Int_Bytes(int32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

int32_t Int_At(const std::string& bytes, size_t at) {
  int32_t v = 0;
  memcpy(&v, bytes.data() + at, 4);
  return v;
}

// A dictionary header: magic, 16 other bytes, the text (zero-filled to 128 bytes unless told
// to fill it whole).
std::string Dict_Head(uint32_t magic, const std::string& text, bool terminated = true) {
  std::string head = Int_Bytes(static_cast<int32_t>(magic)) + std::string(16, '\x7f');
  std::string t = text;
  if (terminated) t.resize(128, '\0');
  return head + t.substr(0, 128);
}

TEST(SheetHotKeys, StoredValuesAndTheControlConvertBothWays) {
  struct Case {
    WORD control;  // what the control holds
    int stored;    // what is stored
  } cases[] = {
      {MAKEWORD(VK_F2, HOTKEYF_ALT), 0x10071},
      {MAKEWORD(VK_F2, HOTKEYF_SHIFT), 0x40071},
      {MAKEWORD(VK_F1, HOTKEYF_CONTROL | HOTKEYF_ALT), 0x30070},
      {MAKEWORD(VK_F1, HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0x60070},
      {MAKEWORD(VK_F9, HOTKEYF_CONTROL), 0x20078},
      {MAKEWORD('A', HOTKEYF_CONTROL | HOTKEYF_SHIFT | HOTKEYF_ALT), 0x70041},
      {0, 0},  // an empty control
      // Extended keys: the control's extended flag is the key's own, never a modifier.
      {MAKEWORD(VK_INSERT, HOTKEYF_CONTROL | HOTKEYF_EXT), 0x2002D},
      {MAKEWORD(VK_LEFT, HOTKEYF_ALT | HOTKEYF_EXT), 0x10025},
      {MAKEWORD(VK_NUMPAD0, HOTKEYF_CONTROL), 0x20060},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hot_Key_From_Control(c.control), c.stored) << std::hex << c.control;
    EXPECT_EQ(Hot_Key_To_Control(c.stored), c.control) << std::hex << c.stored;
  }
  // A control that reports the extended flag for a key it should not still stores only the
  // three modifiers; a stored Windows-key bit from an older value is not shown as one.
  EXPECT_EQ(Hot_Key_From_Control(MAKEWORD(VK_F5, HOTKEYF_EXT | HOTKEYF_SHIFT)), 0x40074);
  EXPECT_EQ(Hot_Key_To_Control(0xA002D), MAKEWORD(VK_INSERT, HOTKEYF_CONTROL | HOTKEYF_EXT));
  EXPECT_EQ(Exchange_Shift_Alt(0x1), 0x4);
  EXPECT_EQ(Exchange_Shift_Alt(0xA), 0xA);
  EXPECT_EQ(Exchange_Shift_Alt(0xF), 0xF);
}

TEST(SheetDictionaryHeader, NameAndDescriptionFromTheTextAtOffset20) {
  struct Case {
    std::string head;
    bool needMagic;
    bool ok;
    const char* name;
    const char* description;
  } cases[] = {
      {Dict_Head(kDictMagic, "计算机界面;软件界面用语"), true, true, "计算机界面", "软件界面用语"},
      {Dict_Head(kDictMagic, "国家与语言"), true, true, "国家与语言", ""},
      {Dict_Head(kDictMagic, ";;名称;;描述;更多"), true, true, "名称", "描述"},
      {Dict_Head(kDictMagic, ";;;"), true, false, "", ""},
      {Dict_Head(kDictMagic, ""), true, false, "", ""},
      {Dict_Head(0x12345678, "名称;描述"), true, false, "", ""},
      {Dict_Head(0x12345678, "名称;描述"), false, true, "名称", "描述"},  // listed: no check
      {Dict_Head(kDictMagic, "短;x").substr(0, 24), true, true, "短", "x"},   // a short file
      {std::string("\x43\x53"), true, false, "", ""},
      {std::string(), false, false, "", ""},
      // No terminator in the 148 bytes: the text ends at the last byte.
      {Dict_Head(kDictMagic, "N;" + std::string(126, 'd'), false) + "tail", true, true, "N",
       nullptr},
  };
  for (const Case& c : cases) {
    Dict_Header_Text t;
    ASSERT_EQ(Read_Dict_Header(c.head, c.needMagic, &t), c.ok) << c.head.substr(20);
    if (!c.ok) continue;
    EXPECT_EQ(t.name, c.name);
    EXPECT_EQ(t.description, c.description ? std::string(c.description) : std::string(126, 'd'));
  }
  static_assert(sizeof(DctHeader) == kDictHeaderSize, "one header layout");
  EXPECT_EQ(DCT_MAGIC, kDictMagic);
}

TEST(SheetDictionaryList, RecordsKeepWholeCharactersAndLastSelectedNamesTheChoice) {
  struct Case {
    std::string in;
    std::string kept;
  } cases[] = {
      {"abc.dct", "abc.dct"},
      {std::string(15, 'n'), std::string(14, 'n')},
      {"计算机界面词库", "计算机界面词库"},  // 14 bytes
      {"a计算机界面词库", "a计算机界面词"},  // 15 bytes: the half character goes
      {"", ""},
  };
  for (const Case& c : cases) {
    DictListRecord r = Make_Dict_Record(c.in, c.in, true);
    EXPECT_EQ(Dict_Field(r.fileName), c.kept);
    EXPECT_EQ(Dict_Field(r.dictName), c.kept);
    EXPECT_EQ(r.fileName[15], 0);
    EXPECT_EQ(r.selected, 1);
    for (size_t i = c.kept.size(); i < 16; ++i) EXPECT_EQ(r.dictName[i], 0);
  }
  EXPECT_TRUE(Fits_Dict_List("computer.dct"));
  EXPECT_TRUE(Fits_Dict_List("abcdefghij.dct"));    // 14 bytes
  EXPECT_FALSE(Fits_Dict_List("abcdefghijk.dct"));  // 15
  EXPECT_FALSE(Fits_Dict_List(""));
  EXPECT_EQ(Bare_File_Name("C:\\dicts\\a.dct"), "a.dct");
  EXPECT_EQ(Bare_File_Name("a.dct"), "a.dct");

  std::vector<DictListRecord> three = {Make_Dict_Record("a", "A", false),
                                       Make_Dict_Record("b", "B", true),
                                       Make_Dict_Record("c", "C", false)};
  EXPECT_EQ(Last_Selected(three), 1);
  three[2].selected = 1;
  EXPECT_EQ(Last_Selected(three), 2);
  three[1].selected = three[2].selected = 0;
  EXPECT_EQ(Last_Selected(three), -1);
  EXPECT_EQ(Last_Selected({}), -1);
}

TEST(SheetUserDictionary, WrittenInTheLayoutAndReadBackWord) {
  std::vector<User_Word> words = {{"apple", "名词", "苹果"}, {"run", "动词", ""}};
  std::string bytes = User_Dict_Bytes(words);
  EXPECT_EQ(bytes.substr(0, 4), "USER");
  EXPECT_EQ(Int_At(bytes, 4), 256);
  EXPECT_EQ(Int_At(bytes, 8), 2);
  EXPECT_EQ(Int_At(bytes, 12), 156);
  EXPECT_EQ(Int_At(bytes, 16), -1);
  EXPECT_STREQ(bytes.c_str() + 20, "用户词库");
  EXPECT_EQ(Int_At(bytes, 148), 0);
  EXPECT_EQ(Int_At(bytes, 152), 5 + 4 + 4 + 3);  // the first record's three texts and ends
  const char records[] = "apple\0名词\0苹果\0run\0动词\0";
  EXPECT_EQ(bytes.substr(156), std::string(records, sizeof records));
  EXPECT_EQ(Parse_User_Dict(bytes), words);

  std::string empty = User_Dict_Bytes({});
  EXPECT_EQ(empty.size(), 148u);
  EXPECT_EQ(Int_At(empty, 8), 0);
  EXPECT_EQ(Int_At(empty, 12), 148);
  EXPECT_TRUE(Parse_User_Dict(empty).empty());
}

TEST(SheetUserDictionary, DamagedFilesLoadWhatIsSound) {
  std::vector<User_Word> words = {{"a", "名词", "x"}, {"b", "动词", "y"}, {"c", "副词", "z"}};
  const std::string good = User_Dict_Bytes(words);
  auto with_int = [&](size_t at, int32_t v) {
    std::string b = good;
    memcpy(&b[at], &v, 4);
    return b;
  };
  // A record whose terminators lie beyond 1023 bytes.
  std::vector<User_Word> longWord = {{"ok", "名词", ""}, {std::string(1100, 'w'), "名词", ""}};
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<User_Word> want;
  } cases[] = {
      {"short header", good.substr(0, 100), {}},
      {"count far past the file", with_int(8, 0x7FFFFFFF), {}},
      {"negative count", with_int(8, -5), {}},
      {"offset past the end", with_int(152, 100000), {words[0], words[2]}},
      {"negative offset", with_int(156, -3), {words[0], words[1]}},
      {"cut in the last record", good.substr(0, good.size() - 2), {words[0], words[1]}},
      {"record longer than a reader takes", User_Dict_Bytes(longWord), {longWord[0]}},
      {"empty", std::string(), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Parse_User_Dict(c.bytes), c.want) << c.what;
}

TEST(SheetUserDictionary, TheWordDialogsLimitsKeepARecordWithinWhatIsRead) {
  size_t longestPart = 0;
  for (const char* p : kPartsOfSpeech) longestPart = std::max(longestPart, strlen(p));
  EXPECT_LE(2 * kMaxWordChars + longestPart + 2 * kMaxMeaningChars + 3, kMaxUserRecord);
  EXPECT_STREQ(kPartsOfSpeech[0], "名词");
}

}  // namespace
