// Integer settings: one rule for every reader, whatever was left in the store.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "forms/settings.h"

namespace {

TEST(SettingInt, ReadsOnlyAWholeNumberInRange) {
  struct Case {
    std::string text;
    bool ok;
    int value;
  } cases[] = {
      // Well-formed values, as the programs write them and as people type them.
      {"0", true, 0},
      {"123", true, 123},
      {"-40", true, -40},
      {"+7", true, 7},
      {"007", true, 7},
      {" 12\t", true, 12},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      // Anything else.
      {"", false, 0},
      {"   ", false, 0},
      {"12abc", false, 0},
      {"abc", false, 0},
      {"1 2", false, 0},
      {"1.5", false, 0},
      {"1e3", false, 0},
      {"0x1F", false, 0},
      {"-", false, 0},
      {"+-1", false, 0},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"99999999999999999999", false, 0},
      {std::string(10000, '9'), false, 0},
      {std::string("1\0" "2", 3), false, 0},
      {"\xA3\xB1", false, 0},  // a full-width digit one
  };
  for (const auto& c : cases) {
    int value = -99;
    EXPECT_EQ(forms::Parse_Setting_Int(c.text, value), c.ok) << "\"" << c.text.substr(0, 24) << "\"";
    EXPECT_EQ(value, c.ok ? c.value : -99) << "\"" << c.text.substr(0, 24) << "\"";
  }
}

TEST(SettingInt, TheStoreGivesTheDefaultForAValueOfTheWrongKindLengthOrType) {
  const std::string section = "Setting\\FormsIntTest" + std::to_string(GetCurrentProcessId());
  struct Case {
    std::string text;
    int expected;
  } cases[] = {
      {"4", 4}, {" 4 ", 4}, {"12abc", 123}, {std::string(10000, '7'), 123}, {"", 123},
      {"-1", -1},
  };
  for (const auto& c : cases) {
    forms::Tutor_Settings::Save(section, "Shift", c.text);
    EXPECT_EQ(forms::Tutor_Settings::Get_Int(section, "Shift", 123), c.expected)
        << c.text.substr(0, 24);
  }
  // A value of another registry type than text reads as missing.
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER,
                          (forms::Settings_Key_Path("QL") + "\\" + section).c_str(), 0,
                          KEY_SET_VALUE, &key),
            ERROR_SUCCESS);
  const DWORD number = 4;
  RegSetValueExA(key, "Shift", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                 sizeof number);
  RegCloseKey(key);
  EXPECT_EQ(forms::Tutor_Settings::Get_Int(section, "Shift", 123), 123);
  forms::Tutor_Settings::Delete_Section(section);
}

}  // namespace
