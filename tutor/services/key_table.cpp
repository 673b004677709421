#include "services/key_table.h"

namespace quillon {

int16_t Key_Table[kKeySlotCount][2] = {};
int16_t Key_Char_Type_Method = 0;

namespace {

struct Fixed_Key {
  int slot;
  int16_t plain;
  int16_t shifted;
};

// Every key but the letters and the keypad digits.
constexpr Fixed_Key kFixedKeys[] = {
    {26, 32, 0},     // space
    {27, ';', ':'},  {28, ',', '<'}, {29, '.', '>'}, {30, '/', '?'},
    {31, 13, 0},     // Enter
    {32, 9, 0},      // Tab
    {40, '`', '~'},  {41, '1', '!'}, {42, '2', '@'}, {43, '3', '#'}, {44, '4', '$'},
    {45, '5', '%'},  {46, '6', '^'}, {47, '7', '&'}, {48, '8', '*'}, {49, '9', '('},
    {50, '0', ')'},  {51, '-', '_'}, {52, '=', '+'},
    {53, 8, 8},      // Backspace: the same code in both columns
    {54, '\\', '|'}, {55, '\'', '"'}, {56, '[', '{'}, {57, ']', '}'},
    {68, '/', 0},    {69, '*', 0},   {70, '-', 0},   {71, '+', 0},
    {72, 13, 0},     // keypad Enter
    {73, '.', 0},
};

}  // namespace

void Initialize_Key_Table() {
  for (auto& slot : Key_Table) slot[0] = slot[1] = 0;
  for (int n = 0; n <= 25; ++n) {
    Key_Table[n][0] = static_cast<int16_t>('a' + n);
    Key_Table[n][1] = static_cast<int16_t>('A' + n);
  }
  for (int n = 58; n <= 67; ++n) Key_Table[n][0] = static_cast<int16_t>('0' + (n - 58));
  for (const Fixed_Key& key : kFixedKeys) {
    Key_Table[key.slot][0] = key.plain;
    Key_Table[key.slot][1] = key.shifted;
  }
}

int16_t Get_Key_Index(int16_t code) {
  if (code == 0) return kNoKey;  // 0 marks an empty cell, never a typed character
  for (int slot = 0; slot <= kLastMainKeySlot; ++slot) {
    if (Key_Table[slot][1] == code || Key_Table[slot][0] == code) return static_cast<int16_t>(slot);
  }
  return kNoKey;
}

int16_t Get_Key_Index_By_Method(int16_t code, int16_t type_method) {
  if (type_method == 0) return Get_Key_Index(code);
  if (type_method != 1 || code == 0) return kNoKey;
  for (int slot = kFirstKeypadSlot; slot <= kLastKeypadSlot; ++slot) {
    if (Key_Table[slot][0] == code) return static_cast<int16_t>(slot);
  }
  return kNoKey;
}

int16_t Get_Key_Index_By_Method(int16_t code) {
  return Get_Key_Index_By_Method(code, Key_Char_Type_Method);
}

int16_t Ansi_Code(std::string_view character) {
  if (character.empty()) return 0;
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return static_cast<int16_t>(lead);
  const auto trail = static_cast<unsigned char>(character[1]);
  return static_cast<int16_t>(static_cast<uint16_t>((lead << 8) | trail));
}

}  // namespace quillon
