// Small services: time text, random numbers, path parts, folders, registry, date line, clock.
#include <gtest/gtest.h>

#include <set>

#include "forms/errors.h"
#include "services/utilities.h"

namespace quillon {
namespace {

class ErrorRecorder : public ::testing::Test {
 protected:
  void SetUp() override {
    forms::Set_Message_Box_Function([this](HWND, const std::string& text, const std::string&, UINT) {
      messages.push_back(text);
      return IDOK;
    });
  }
  void TearDown() override { forms::Set_Message_Box_Function({}); }
  std::vector<std::string> messages;
};

TEST(FormatTime, TableOfExamples) {
  const std::pair<float, const char*> cases[] = {
      {0, "00:00"},        {59.99f, "00:59"},    {60, "01:00"},
      {65.9f, "01:05"},    {3599.9f, "59:59"},   {3600, "1:00:00"},
      {3661, "1:01:01"},   {86399, "23:59:59"},  {360000, "100:00:00"},
  };
  for (const auto& [seconds, text] : cases) EXPECT_EQ(Format_Time(seconds), text) << seconds;
}

using Services = ErrorRecorder;

TEST_F(Services, RandomNumbersStayInRangeAndCoverIt) {
  for (int i = 0; i < 20; ++i) EXPECT_EQ(Get_Random_Number(3, 3), 3);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    int r = Get_Random_Number(1, 10);
    ASSERT_GE(r, 1);
    ASSERT_LE(r, 10);
    seen.insert(r);
  }
  EXPECT_EQ(seen.size(), 10u);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Get_Random_Number(-30000, 30000), 0);  // the span overflows 16 bits
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].back(), '!');
}

TEST(PathParts, ExtensionAndParent) {
  EXPECT_EQ(Get_File_Extension("a.b.txt"), "b.txt");
  EXPECT_EQ(Get_File_Extension("readme"), "");
  EXPECT_EQ(Get_File_Extension(".txt"), "txt");
  EXPECT_EQ(Get_Parent_Path("C:\\Doc\\a.txt"), "C:\\Doc");
  EXPECT_EQ(Get_Parent_Path("C:\\a.txt"), "C:");
  EXPECT_EQ(Get_Parent_Path("a.txt"), "");
  EXPECT_EQ(Get_Parent_Path("\\a.txt"), "");
  EXPECT_EQ(Get_Parent_Path(""), "");
  // A double-byte character whose trail byte is a backslash is not a separator.
  EXPECT_EQ(Get_Parent_Path("C:\\\xD7\x5C\\x.txt"), "C:\\\xD7\x5C");
}

TEST(Folders, AnswerCutAtTheFirstBlank) {
  EXPECT_EQ(Folder_From_Answer("C:\\windows", 10), "C:\\windows");
  EXPECT_EQ(Folder_From_Answer("C:\\Program Files", 16), "C:\\Program");
  EXPECT_EQ(Folder_From_Answer("", 0), "");
  std::string windows = Get_Windows_Path();
  EXPECT_FALSE(windows.empty());
  EXPECT_NE(GetFileAttributesA(windows.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(Get_System_Path().empty());
  std::string temp = Get_Temp_Path();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
}

TEST_F(Services, DefaultIconValuesGiveTheProgram) {
  EXPECT_EQ(Program_From_Default_Icon("C:\\Office\\winword.exe,1"), "C:\\Office\\winword.exe");
  EXPECT_EQ(Program_From_Default_Icon("C:\\w.exe,1   "), "C:\\w.exe");
  EXPECT_EQ(Program_From_Default_Icon(""), "");
  EXPECT_THROW(Program_From_Default_Icon("x"), forms::Runtime_Error);
}

TEST_F(Services, RegistryStringsAndMissingValues) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QuillonShellTest", 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const char value[] = "C:\\Scribora\\scribora.exe,0";
  RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
  RegSetValueExA(key, "Named", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 4);
  std::string long_text(400, 'x');
  RegSetValueExA(key, "Long", 0, REG_SZ, reinterpret_cast<const BYTE*>(long_text.c_str()),
                 static_cast<DWORD>(long_text.size() + 1));
  RegCloseKey(key);
  EXPECT_EQ(Read_Registry_String(HKEY_CURRENT_USER, "Software\\QuillonShellTest", ""), value);
  EXPECT_EQ(Read_Registry_String(HKEY_CURRENT_USER, "Software\\QuillonShellTest", "Named"), "abc");
  EXPECT_EQ(Read_Registry_String(HKEY_CURRENT_USER, "Software\\QuillonShellTest", "Long"), "");
  EXPECT_EQ(Read_Registry_String(HKEY_CURRENT_USER, "Software\\QuillonShellTest", "Nope"), "");
  EXPECT_EQ(Read_Registry_String(HKEY_CURRENT_USER, "Software\\NoSuchKeyHere", "x"), "");
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuillonShellTest");
  EXPECT_TRUE(messages.empty());
}

TEST(SystemKind, WineReportsNt) { EXPECT_EQ(Get_OS_Kind(), "NT"); }

TEST(DateLine, YearZeroGetsItsCentury) {
  EXPECT_EQ(Compose_Date_Week_Time("00-03-01", 3, "10:00:00"), "2000-03-01 星期三 10:00:00");
  EXPECT_EQ(Compose_Date_Week_Time("01-03-01", 4, "10:00:00"), "01-03-01 星期四 10:00:00");
  EXPECT_EQ(Compose_Date_Week_Time("2026/12/10", 0, "9:00"), "2026/12/10 星期天 9:00");
  std::string now = Get_Date_Week_Time();
  EXPECT_NE(now.find("星期"), std::string::npos);
}

TEST(Clock, TickDifferencesSurviveTheWrap) {
  EXPECT_EQ(Ticks_Between(0xFFFFFF00u, 0x00000100u), 0x200u);
  EXPECT_EQ(Ticks_Between(0x7FFFFFF0u, 0x80000010u), 0x20u);  // past 2^31
  uint32_t last = 0;
  uint64_t high = 0;
  EXPECT_EQ(Extend_Tick_Count(0x7FFFFFF0u, last, high), 0x7FFFFFF0u);
  EXPECT_EQ(Extend_Tick_Count(0x80000010u, last, high), 0x80000010u);  // past 2^31: no jump
  EXPECT_EQ(Extend_Tick_Count(0xFFFFFFF0u, last, high), 0xFFFFFFF0u);
  EXPECT_EQ(Extend_Tick_Count(0x00000010u, last, high), 0x100000010ull);  // the wrap
  EXPECT_EQ(Extend_Tick_Count(0x00000020u, last, high), 0x100000020ull);
  double a = Tick_Seconds();
  Wait_Milliseconds(30);
  double b = Tick_Seconds();
  EXPECT_GE(b - a, 0.029);
}

}  // namespace
}  // namespace quillon
