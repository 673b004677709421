#include "services/service_tables.h"

#include <windows.h>

#include "services/key_table.h"
#include "services/screen_ids.h"

namespace quillon {

bool Guard_Forbids(Key_Guard guard, int key, int shift) {
  bool forbidden =
      (shift == kShiftMask && key == VK_INSERT) || shift == kCtrlMask || shift == kAltMask;
  if (guard != Key_Guard::Paste && key == VK_DELETE) forbidden = true;
  if (guard == Key_Guard::Paste_Delete_And_Backspace && key == VK_BACK) forbidden = true;
  return forbidden;
}

Font_List Classify_Font(const std::string& name, int charset) {
  if (name.empty() || name[0] == '@') return Font_List::Neither;
  if (charset == 0) return Font_List::English;
  if (charset == 2 || charset == 128 || charset == 255) return Font_List::Neither;
  return Font_List::Chinese;
}

bool Display_Font_Setting(int kind, std::string* key, std::string* default_name) {
  if (kind == 0) {
    *key = "0";
    *default_name = "Courier New";
    return true;
  }
  if (kind == 1) {
    *key = "1";
    *default_name = "宋体";
    return true;
  }
  return false;
}

std::wstring Practice_Sample(int font_kind) {
  if (font_kind == 0)
    return L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ,.;:'\"?!-()";
  if (font_kind == 1) return L"的一是在不了有和人这中大为上个国我以要他课程录入字数，。、；：？！“”";
  return L"";
}

std::string Key_Sound_Path(int key_index, int music_kb_on) {
  if (key_index == kNoKey || music_kb_on != 1) return "\\Music\\Sound\\type.wav";
  return "\\Music\\Sound\\MusicKB\\" + std::to_string(key_index) + ".wav";
}

// ---- Picture message boxes ----

int Picture_Box_Key_Button(int buttons, int key_code, int shift, bool space_answers) {
  const int last = buttons - 1;  // the box's "no" (the only button of a one-button box)
  switch (key_code) {
    case VK_RETURN:  // any modifiers
      return 0;
    case VK_ESCAPE:  // any modifiers
      return last;
    case VK_SPACE:  // any modifiers, where the box takes it
      return space_answers ? 0 : -1;
    case 'Y':  // Ctrl+Y
      return shift == kCtrlMask ? 0 : -1;
    case 'R':  // Ctrl+R: the retry of a three-button box
      return shift == kCtrlMask && buttons == 3 ? 1 : -1;
    case 'N':  // Ctrl+N: the no of a box that has one
      return shift == kCtrlMask && buttons > 1 ? last : -1;
    case VK_F4:  // Alt+F4
      return shift == kAltMask ? last : -1;
  }
  return -1;
}

}  // namespace quillon
