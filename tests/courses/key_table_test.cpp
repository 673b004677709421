// The key table and its lookups: which key types a character.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "services/key_table.h"

namespace quillon {
namespace {

class KeyTable : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Initialize_Key_Table(); }
};

// Every cell of the table, checked against the keyboard as a user sees it.
TEST_F(KeyTable, HoldsEveryKeyOfTheKeyboardInItsSlot) {
  std::map<int, std::pair<int, int>> expected;
  for (int n = 0; n < 26; ++n) expected[n] = {'a' + n, 'A' + n};
  const char* pairs[] = {";:", ",<", ".>", "/?"};
  for (int i = 0; i < 4; ++i) expected[27 + i] = {pairs[i][0], pairs[i][1]};
  expected[26] = {' ', 0};
  expected[31] = {13, 0};
  expected[32] = {9, 0};
  const char* number_row = "`~1!2@3#4$5%6^7&8*9(0)-_=+";
  for (int i = 0; i < 13; ++i) expected[40 + i] = {number_row[2 * i], number_row[2 * i + 1]};
  expected[53] = {8, 8};
  expected[54] = {'\\', '|'};
  expected[55] = {'\'', '"'};
  expected[56] = {'[', '{'};
  expected[57] = {']', '}'};
  for (int n = 0; n < 10; ++n) expected[58 + n] = {'0' + n, 0};
  const char keypad_signs[] = {'/', '*', '-', '+', 13, '.'};
  for (int i = 0; i < 6; ++i) expected[68 + i] = {keypad_signs[i], 0};

  for (int slot = 0; slot < kKeySlotCount; ++slot) {
    auto it = expected.find(slot);
    std::pair<int, int> want = it == expected.end() ? std::pair<int, int>{0, 0} : it->second;
    EXPECT_EQ(Key_Table[slot][0], want.first) << "slot " << slot;
    EXPECT_EQ(Key_Table[slot][1], want.second) << "slot " << slot;
  }
  // Only Backspace types the same code with and without Shift.
  for (int slot = 0; slot < kKeySlotCount; ++slot) {
    if (Key_Table[slot][0] != 0 && Key_Table[slot][0] == Key_Table[slot][1]) {
      EXPECT_EQ(slot, 53);
    }
  }
}

TEST_F(KeyTable, FillingTwiceGivesTheSameTable) {
  int16_t before[kKeySlotCount][2];
  std::copy(&Key_Table[0][0], &Key_Table[0][0] + 2 * kKeySlotCount, &before[0][0]);
  Initialize_Key_Table();
  EXPECT_TRUE(std::equal(&before[0][0], &before[0][0] + 2 * kKeySlotCount, &Key_Table[0][0]));
}

struct Lookup_Case {
  int code;
  int slot;
};

// Main-keyboard lookup: both columns, keypad characters resolve to the main keys.
TEST_F(KeyTable, MainKeyboardLookupFindsTheKeyThatTypesTheCharacter) {
  const Lookup_Case cases[] = {
      {'a', 0},   {'A', 0},   {'z', 25},  {'Z', 25},  {':', 27},  {';', 27},  {'<', 28},
      {'?', 30},  {'~', 40},  {'`', 40},  {'\\', 54}, {'|', 54},  {'"', 55},  {'\'', 55},
      {'{', 56},  {'}', 57},  {' ', 26},  {9, 32},    {13, 31},   {8, 53},    {'!', 41},
      {'@', 42},  {')', 50},  {'_', 51},
      // Characters the keypad types too: the main key of the same character wins.
      {'7', 47},  {'0', 50},  {'1', 41},  {'/', 30},  {'*', 48},  {'-', 51},  {'+', 52},
      {'.', 29},
      // No key types these.
      {200, kNoKey}, {127, kNoKey}, {-20319, kNoKey}, {0, kNoKey}, {1, kNoKey}, {10, kNoKey},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Get_Key_Index(static_cast<int16_t>(c.code)), c.slot) << "code " << c.code;
  }
}

TEST_F(KeyTable, MainKeyboardLookupNeverAnswersAKeypadOrEmptySlot) {
  for (int code = -32768; code <= 32767; ++code) {
    int16_t slot = Get_Key_Index(static_cast<int16_t>(code));
    if (slot == kNoKey) continue;
    ASSERT_GE(slot, 0) << code;
    ASSERT_LE(slot, 57) << code;
    ASSERT_FALSE(slot >= 33 && slot <= 39) << code;
    // The lowest slot that types the character.
    for (int lower = 0; lower < slot; ++lower) {
      ASSERT_NE(Key_Table[lower][0], code);
      ASSERT_NE(Key_Table[lower][1], code);
    }
  }
}

TEST_F(KeyTable, LookupByTypeMethodSearchesOnlyTheDrilledPart) {
  const Lookup_Case keypad[] = {
      {'7', 65}, {'0', 58}, {'9', 67}, {'/', 68}, {'*', 69}, {'-', 70}, {'+', 71}, {13, 72},
      {'.', 73}, {'a', kNoKey}, {' ', kNoKey}, {'&', kNoKey}, {8, kNoKey}, {0, kNoKey},
  };
  for (const auto& c : keypad) {
    EXPECT_EQ(Get_Key_Index_By_Method(static_cast<int16_t>(c.code), 1), c.slot) << c.code;
  }
  for (int code : {int('7'), int('a'), int('Q'), 13, int('+'), 200}) {
    EXPECT_EQ(Get_Key_Index_By_Method(static_cast<int16_t>(code), 0),
              Get_Key_Index(static_cast<int16_t>(code)));
    EXPECT_EQ(Get_Key_Index_By_Method(static_cast<int16_t>(code), 2), kNoKey);
    EXPECT_EQ(Get_Key_Index_By_Method(static_cast<int16_t>(code), -1), kNoKey);
  }
}

TEST_F(KeyTable, LookupByTypeMethodFollowsTheSharedTypeMethod) {
  Key_Char_Type_Method = 1;
  EXPECT_EQ(Get_Key_Index_By_Method('7'), 65);
  Key_Char_Type_Method = 0;
  EXPECT_EQ(Get_Key_Index_By_Method('7'), 47);
  Key_Char_Type_Method = 2;
  EXPECT_EQ(Get_Key_Index_By_Method('7'), kNoKey);
  Key_Char_Type_Method = 0;
}

TEST(AnsiCode, GivesSingleBytesAsIsAndDoubleBytesNegative) {
  EXPECT_EQ(Ansi_Code("a"), 97);
  EXPECT_EQ(Ansi_Code("\r"), 13);
  EXPECT_EQ(Ansi_Code("\xB0\xA1"), static_cast<int16_t>(0xB0A1));  // 啊
  EXPECT_LT(Ansi_Code("\xB0\xA1"), 0);
  EXPECT_EQ(Ansi_Code("\xFF"), 255);
  EXPECT_EQ(Ansi_Code(""), 0);
}

}  // namespace
}  // namespace quillon
