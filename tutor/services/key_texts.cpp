#include "services/key_texts.h"

#include <windows.h>

namespace quillon {

std::string Get_Shift_Text(int shift) {
  std::string text;
  if (shift & 2) text += "Ctrl+";
  if (shift & 1) text += "Shift+";
  if (shift & 4) text += "Alt+";
  return text;
}

namespace {

struct Key_Name {
  int key_code;
  const char* text;
};
constexpr Key_Name kPunctuation[] = {
    {VK_OEM_1, ";"},     {VK_OEM_PLUS, "="}, {VK_OEM_COMMA, ","}, {VK_OEM_MINUS, "-"},
    {VK_OEM_PERIOD, "."}, {VK_OEM_2, "/"},   {VK_OEM_3, "`"},     {VK_OEM_4, "["},
    {VK_OEM_5, "\\"},    {VK_OEM_6, "]"},    {VK_OEM_7, "'"},
};

}  // namespace

std::string Get_Key_Text(int key_code) {
  if ((key_code >= '0' && key_code <= '9') || (key_code >= 'A' && key_code <= 'Z'))
    return std::string(1, static_cast<char>(key_code));
  if (key_code >= VK_F1 && key_code <= VK_F12) return "F" + std::to_string(key_code - VK_F1 + 1);
  for (const Key_Name& k : kPunctuation)
    if (k.key_code == key_code) return k.text;
  return "";
}

}  // namespace quillon
