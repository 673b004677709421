// Translation packages: the bytes the writer makes, what the reader makes of them and of
// damaged files, and the writer's refusal to spoil an old package.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "app.h"
#include "lvd_format.h"
#include "package.h"
#include "testkit/testkit.h"

namespace {

uint32_t U32(const std::string& b, size_t at) {
  uint32_t v = 0;
  memcpy(&v, b.data() + at, 4);
  return v;
}
uint16_t U16(const std::string& b, size_t at) {
  uint16_t v = 0;
  memcpy(&v, b.data() + at, 2);
  return v;
}

std::string Bytes_Of(const std::vector<Package_Entry>& entries) {
  std::string out;
  EXPECT_TRUE(Package_Bytes(entries, &out));
  return out;
}

std::vector<Package_Entry> Read_Back(const std::string& bytes, Package_Contents* contents) {
  EXPECT_TRUE(Parse_Package(bytes, contents));
  return Collect_Package_Entries(static_cast<int>(contents->records.size()),
                                 contents->records.data(), contents->kept);
}

// A package laid out by hand: header fields as given, the index, the plain text block stored
// in the scrambled form.
std::string Hand_Package(uint16_t count, const std::vector<LvdIndexEntry>& index,
                         std::string text, uint32_t claimedTextLength) {
  LvdHeader h{};
  h.headerSize = 52;
  h.mark = 255;
  h.count = count;
  h.textOffset = 52 + 8 * static_cast<uint32_t>(index.size());
  h.indexOffset = 52;
  h.ffff = 0xFFFF;
  h.textLength = claimedTextLength;
  lvd_scramble(reinterpret_cast<uint8_t*>(text.data()), text.size());
  std::string out(reinterpret_cast<const char*>(&h), sizeof h);
  for (const LvdIndexEntry& e : index) out.append(reinterpret_cast<const char*>(&e), sizeof e);
  return out + text;
}

TEST(PackageFormat, HeaderAndIndexOfWrittenPackages) {
  const std::string empty = Bytes_Of({});
  ASSERT_EQ(empty.size(), 52u);
  EXPECT_EQ(U16(empty, 0), 52);
  EXPECT_EQ(U16(empty, 2), 255);
  EXPECT_EQ(U16(empty, 4), 0);
  EXPECT_EQ(U32(empty, 8), 52u);
  EXPECT_EQ(U32(empty, 12), 52u);
  EXPECT_EQ(U32(empty, 16), 0xFFFFu);
  EXPECT_EQ(U32(empty, 20), 0u);
  EXPECT_EQ(empty.substr(24), std::string(28, '\0'));

  const std::string two = Bytes_Of({{"Open", "打开"}, {"Save", "保存"}});
  ASSERT_EQ(two.size(), 52u + 16 + 16);
  EXPECT_EQ(U16(two, 4), 2);
  EXPECT_EQ(U32(two, 8), 68u);
  EXPECT_EQ(U32(two, 20), 16u);
  struct Row { size_t at; uint32_t offset; uint16_t source, translation; } rows[] = {
      {52, 0, 4, 4}, {60, 8, 4, 4}};
  for (const Row& r : rows) {
    EXPECT_EQ(U32(two, r.at), r.offset);
    EXPECT_EQ(U16(two, r.at + 4), r.source);
    EXPECT_EQ(U16(two, r.at + 6), r.translation);
  }
  // The text block is stored in its scrambled form: the first half complemented.
  EXPECT_EQ(static_cast<uint8_t>(two[68]), static_cast<uint8_t>(~'O'));
}

TEST(PackageFormat, StoredFormIsTheExactInverseOfTheReadingStep) {
  // Odd and even sizes, every byte value.
  for (size_t size : {0u, 1u, 2u, 7u, 256u, 513u}) {
    std::string plain(size, '\0');
    for (size_t i = 0; i < size; ++i) plain[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    std::string block = plain;
    lvd_scramble(reinterpret_cast<uint8_t*>(block.data()), block.size());
    if (size >= 2) {
      EXPECT_NE(block, plain) << size;
    }
    if (size % 2) {
      EXPECT_EQ(block.back(), plain.back()) << size;
    }
    lvd_unscramble(reinterpret_cast<uint8_t*>(block.data()), block.size());
    EXPECT_EQ(block, plain) << size;
  }
}

TEST(PackageFormat, WriteReadWriteIsByteIdentical) {
  const std::vector<Package_Entry> entries = {
      {"&File", "文件(&F)"},         {"Save &As...", "另存为(&A)..."},
      {"a^b", "甲^乙"},               {"Page Setup...", "页面设置..."},
      {"&File", "文件(&F)"},         {std::string(511, 'x'), "长"},
      {"x", std::string(511, 'y')},  {"Tab\there", "制表\t这里"}};
  const std::string first = Bytes_Of(entries);
  Package_Contents contents;
  const std::vector<Package_Entry> back = Read_Back(first, &contents);
  EXPECT_EQ(back, entries);  // pairs carried whole: "^" splits nothing
  EXPECT_EQ(Bytes_Of(back), first);
  ASSERT_EQ(contents.records.size(), entries.size());
  EXPECT_STREQ(contents.records[2].source, "a^b");
  EXPECT_STREQ(contents.records[2].translation, "甲^乙");
  EXPECT_EQ(contents.records[0].letter, '&');
  EXPECT_EQ(contents.records[5].sourceLength, 511);
  EXPECT_EQ(strlen(contents.records[5].source), 511u);
}

TEST(PackageFormat, LongEntriesAreKeptAndWrittenBackUnchanged) {
  const std::string longSource(512, 'L'), longTranslation(700, 'T');
  const std::vector<Package_Entry> entries = {
      {"One", "一"}, {longSource, "长的原文"}, {"Two", "二"}, {"Three", longTranslation}};
  const std::string bytes = Bytes_Of(entries);
  Package_Contents contents;
  const std::vector<Package_Entry> back = Read_Back(bytes, &contents);
  ASSERT_EQ(contents.records.size(), 4u);
  // Shown empty, lengths as in the file, nothing lost.
  EXPECT_STREQ(contents.records[1].source, "");
  EXPECT_EQ(contents.records[1].letter, 0);
  EXPECT_EQ(contents.records[1].sourceLength, 512);
  EXPECT_STREQ(contents.records[3].translation, "");
  EXPECT_EQ(back, entries);
  EXPECT_EQ(Bytes_Of(back), bytes);
}

TEST(PackageFormat, DamagedPackages) {
  // Plain text "OpenOpenSaveSave": two good entries and entries pointing past the block.
  const std::string text = "Open打开Save保存";
  struct Case {
    const char* what;
    std::vector<LvdIndexEntry> index;
    uint16_t count;
    uint32_t claimedLength;
    bool isPackage;
    std::vector<Package_Entry> readBack;
  } cases[] = {
      {"sound", {{0, 4, 4}, {8, 4, 4}}, 2, 16, true, {{"Open", "打开"}, {"Save", "保存"}}},
      {"offset past the block", {{0, 4, 4}, {40, 4, 4}}, 2, 16, true, {{"Open", "打开"}}},
      {"length past the block", {{0, 4, 4}, {8, 4, 9}}, 2, 16, true, {{"Open", "打开"}}},
      {"huge offset", {{0xFFFFFFF0u, 8, 8}, {8, 4, 4}}, 2, 16, true, {{"Save", "保存"}}},
      {"count past the file", {{0, 4, 4}, {8, 4, 4}}, 900, 16, false, {}},
      {"text length past the file", {{0, 4, 4}, {8, 4, 4}}, 2, 4000, false, {}},
  };
  for (const Case& c : cases) {
    const std::string bytes = Hand_Package(c.count, c.index, text, c.claimedLength);
    Package_Contents contents;
    ASSERT_EQ(Parse_Package(bytes, &contents), c.isPackage) << c.what;
    if (!c.isPackage) continue;
    ASSERT_EQ(contents.records.size(), c.index.size()) << c.what;
    EXPECT_EQ(Collect_Package_Entries(2, contents.records.data(), contents.kept), c.readBack)
        << c.what;
    for (const InterfaceDictRecord& r : contents.records) {
      if (r.source[0] == 0) {  // a bad entry is an empty record that the next write leaves out
        EXPECT_EQ(r.sourceLength, 0) << c.what;
        EXPECT_EQ(r.translationLength, 0) << c.what;
      }
    }
  }
  Package_Contents contents;
  EXPECT_FALSE(Parse_Package(std::string(51, '\0'), &contents));
  EXPECT_FALSE(Parse_Package("", &contents));
}

TEST(PackageFormat, ClearedTranslationsAreLeftOutAndTooManyEntriesRefused) {
  Package_Contents contents;
  ASSERT_TRUE(Parse_Package(Bytes_Of({{"A", "甲"}, {"B", "乙"}, {"C", "丙"}}), &contents));
  contents.records[1].translationLength = 0;
  contents.records[1].translation[0] = 0;
  const std::string bytes = Bytes_Of(
      Collect_Package_Entries(3, contents.records.data(), contents.kept));
  EXPECT_EQ(U16(bytes, 4), 2);

  std::vector<Package_Entry> many(65535, Package_Entry{"k", "v"});
  std::string out;
  EXPECT_TRUE(Package_Bytes(many, &out));
  EXPECT_EQ(U16(out, 4), 65535);
  many.push_back({"k", "v"});
  out = "untouched";
  EXPECT_FALSE(Package_Bytes(many, &out));
  EXPECT_EQ(out, "untouched");
}

TEST(PackageFormat, WritePathsAreTheProgramFoldersDicFolder) {
  struct Case { const char* given; const char* written; } cases[] = {
      {"C:\\other\\DIC\\notepad.lvd", "C:\\app\\dic\\notepad.LVD"},
      {"notepad.lvd", "C:\\app\\dic\\notepad.LVD"},
      {"C:\\x\\my.prog.lvd", "C:\\app\\dic\\my.prog.LVD"},
      {"C:\\x\\", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Package_Write_Path("C:\\app", c.given), c.written) << c.given;
}

class PackageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    // A folder of each test's own: the suite's tests run side by side in separate processes.
    dir_ = std::string(temp) + "lvd_package_test_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(dir_.c_str(), nullptr);
    CreateDirectoryA((dir_ + "\\DIC").c_str(), nullptr);
    strcpy(saved_, g_szAppDir);
    strcpy(g_szAppDir, dir_.c_str());
    path_ = dir_ + "\\DIC\\sample.lvd";
  }
  void TearDown() override {
    DeleteFileA(path_.c_str());
    strcpy(g_szAppDir, saved_);
  }
  std::string dir_, path_;
  char saved_[MAX_PATH];
};

TEST_F(PackageFiles, ReaderAndWriterRoundTripThroughTheFile) {
  const std::string original = Bytes_Of({{"Open", "打开"}, {std::string(600, 'q'), "长"}});
  ASSERT_TRUE(Write_File_Bytes(path_, original));
  CInterfaceDictReader reader;
  ASSERT_TRUE(reader.Load(path_.c_str()));
  ASSERT_EQ(reader.m_nCount, 2);
  EXPECT_STREQ(reader.m_pRecords[0].translation, "打开");
  CInterfaceDictWriter writer;
  writer.CollectEntries(reader.m_nCount, reader.m_pRecords, reader.Kept());
  ASSERT_TRUE(writer.WritePackageFile(path_.c_str()));
  EXPECT_EQ(Read_File_Bytes(path_), original);
  ASSERT_TRUE(writer.WritePackageFile(path_.c_str()));  // twice: the same file
  EXPECT_EQ(Read_File_Bytes(path_), original);

  // A load that fails keeps the records it had.
  EXPECT_FALSE(reader.Load((dir_ + "\\DIC\\missing.lvd").c_str()));
  EXPECT_FALSE(reader.Load(""));
  EXPECT_EQ(reader.m_nCount, 2);
  EXPECT_STREQ(reader.m_pRecords[0].source, "Open");
}

TEST_F(PackageFiles, AFailedWriteLeavesTheOldPackage) {
  const std::string original = Bytes_Of({{"Open", "打开"}});
  ASSERT_TRUE(Write_File_Bytes(path_, original));
  CInterfaceDictWriter writer;
  std::vector<InterfaceDictRecord> records(65536, InterfaceDictRecord{});
  for (size_t i = 0; i < records.size(); ++i) {
    records[i].index = static_cast<int32_t>(i);
    records[i].sourceLength = records[i].translationLength = 1;
    records[i].source[0] = 'k';
    records[i].translation[0] = 'v';
  }
  writer.CollectEntries(static_cast<int>(records.size()), records.data());
  EXPECT_FALSE(writer.WritePackageFile(path_.c_str()));
  EXPECT_EQ(Read_File_Bytes(path_), original);

  // The package open elsewhere without sharing: the write fails and the file stays.
  writer.CollectEntries(1, records.data());
  HANDLE held = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(writer.WritePackageFile(path_.c_str()));
  CloseHandle(held);
  EXPECT_EQ(Read_File_Bytes(path_), original);
  bool leftover = true;
  Read_File_Bytes(Package_Write_Path(dir_, path_) + ".new", &leftover);
  EXPECT_FALSE(leftover);
}

TEST(PackageIndex, FindsTextsFirstPairWinning) {
  Package_Index index({{"Open", "打开"}, {"Open", "开"}, {"Save", "保存"}});
  ASSERT_NE(index.Find("Open"), nullptr);
  EXPECT_EQ(*index.Find("Open"), "打开");
  EXPECT_EQ(index.Find("open"), nullptr);
  EXPECT_EQ(index.Find(""), nullptr);
}

}  // namespace

namespace {

// The package that ships for Wine's notepad: read by the reader, written back unchanged, and
// holding the interface in Chinese with the access keys kept.
TEST(ShippedPackages, NotepadPackageReadsBackAndKeepsAccessKeys) {
  const std::string path = testkit::Translator_Folder() + "\\DIC\\notepad.lvd";
  const std::string bytes = Read_File_Bytes(path);
  Package_Contents contents;
  ASSERT_TRUE(Parse_Package(bytes, &contents));
  const std::vector<Package_Entry> entries =
      Collect_Package_Entries(static_cast<int>(contents.records.size()), contents.records.data(),
                              contents.kept);
  EXPECT_GT(entries.size(), 200u);
  EXPECT_EQ(entries.size(), contents.records.size());  // nothing damaged, nothing left out
  std::string again;
  ASSERT_TRUE(Package_Bytes(entries, &again));
  EXPECT_EQ(again, bytes);
  Package_Index index(entries);
  struct Row { const char* en; const char* zh; } rows[] = {
      {"&File", "文件(&F)"},
      {"&New\tCtrl+N", "新建(&N)\tCtrl+N"},
      {"Save &as...", "另存为(&A)..."},
      {"Untitled - Notepad", "无标题 - 记事本"},
      {"Fi&nd What:", "查找(&N):"},
      {"Match &Case", "区分大小写(&C)"},
      {"File &name:", "文件名(&N):"},
      {"Font St&yle:", "字体样式(&Y):"},
      {"Print", "打印"},
      {"Ln %ld, Col %ld", "%ld 行，%ld 列"},
  };
  for (const Row& r : rows) {
    const std::string* zh = index.Find(r.en);
    ASSERT_NE(zh, nullptr) << r.en;
    EXPECT_EQ(*zh, r.zh) << r.en;
  }
  // Every translation keeps the access key of its source text.
  for (const Package_Entry& e : entries) {
    const size_t amp = e.source.find('&');
    if (amp == std::string::npos || amp + 1 >= e.source.size() || e.source[amp + 1] == '&' ||
        e.source[amp + 1] == ' ') {
      continue;
    }
    const char key = e.source[amp + 1];
    const char other = static_cast<char>(isupper(static_cast<unsigned char>(key)) ? tolower(key) : toupper(key));
    EXPECT_TRUE(e.translation.find(std::string("&") + key) != std::string::npos ||
                e.translation.find(std::string("&") + other) != std::string::npos)
        << e.source << " -> " << e.translation;
  }
}

}  // namespace
