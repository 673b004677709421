#include "shell/command_tables.h"

#include <windows.h>

#include <cmath>

#include "services/key_table.h"

namespace quillon {

namespace {

// The command keys in the order they are tried; the stored close key comes second.
struct Hot_Key_Row {
  int key, shift;
  Hot_Key_Command command;
};
constexpr Hot_Key_Row kBeforeCloseKey[] = {{'Q', kCtrlMask, Hot_Key_Command::Exit}};
constexpr Hot_Key_Row kAfterCloseKey[] = {
    {VK_F4, kAltMask, Hot_Key_Command::Exit},
    {'M', kCtrlMask, Hot_Key_Command::Minimise},
    {VK_F1, kAltMask, Hot_Key_Command::About},
    {VK_F1, 0, Hot_Key_Command::Help},
    {VK_F1, kCtrlMask, Hot_Key_Command::Tutorial},
    {'F', kCtrlMask, Hot_Key_Command::Function_Settings},
    {'T', kCtrlMask, Hot_Key_Command::System_Settings},
    {'R', kCtrlMask, Hot_Key_Command::Records},
};

}  // namespace

Hot_Key_Command Find_Hot_Key_Command(int key, int shift, int close_key, int close_shift) {
  for (const Hot_Key_Row& r : kBeforeCloseKey)
    if (r.key == key && r.shift == shift) return r.command;
  if (key == close_key && shift == close_shift) return Hot_Key_Command::Exit;
  for (const Hot_Key_Row& r : kAfterCloseKey)
    if (r.key == key && r.shift == shift) return r.command;
  return Hot_Key_Command::None;
}

std::string English_Article_Folder(int n) { return "\\English\\Article\\" + std::to_string(n) + "\\"; }
std::string Chinese_Article_Folder(int n) { return "\\Chinese\\Article\\" + std::to_string(n) + "\\"; }

std::string First_Line_Of(const std::string& content) {
  size_t end = content.find_first_of("\r\n");
  return end == std::string::npos ? content : content.substr(0, end);
}

Reset_Flag_Decision Decide_Reset_Flag(bool exists, const std::string* first_line) {
  Reset_Flag_Decision d;
  if (!exists) {
    d.rewrite = true;
    return d;
  }
  if (first_line && *first_line == "1") d.delete_settings = true;
  if (!first_line || *first_line != "0") d.rewrite = true;
  return d;
}

bool Guard_Forbids(Key_Guard guard, int key, int shift) {
  bool forbidden =
      (shift == kShiftMask && key == VK_INSERT) || shift == kCtrlMask || shift == kAltMask;
  if (guard != Key_Guard::Paste && key == VK_DELETE) forbidden = true;
  if (guard == Key_Guard::Paste_Delete_And_Backspace && key == VK_BACK) forbidden = true;
  return forbidden;
}

Font_List Classify_Font(const std::string& name, int charset) {
  if (charset == 0) return Font_List::English;
  if (!name.empty() && name[0] == '@') return Font_List::Neither;
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

std::string Key_Sound_Path(int key_index, int music_kb_on) {
  if (key_index == kNoKey || music_kb_on != 1) return "\\Music\\Sound\\type.wav";
  return "\\Music\\Sound\\MusicKB\\" + std::to_string(key_index) + ".wav";
}

// ---- Animations ----

namespace {

// Positions from `from` in steps of `step` (signed) up to and including `to`. Each position is
// computed from its step number, so that rounding never drops the last one.
std::vector<int> Steps_Between(double from, double to, double step) {
  std::vector<int> out;
  if (step == 0) return out;
  const double slack = std::abs(step) * 1e-6;
  for (int k = 0;; ++k) {
    double x = from + k * step;
    if (step > 0 ? x > to + slack : x < to - slack) break;
    out.push_back(static_cast<int>(x + (x >= 0 ? 0.5 : -0.5)));
  }
  return out;
}

float Valid_Steps(float steps) { return steps > 0 ? steps : 15.0f; }

}  // namespace

std::vector<int> Slide_Out_Positions(int width, float steps) {
  return Steps_Between(0, width, width / static_cast<double>(Valid_Steps(steps)));
}

std::vector<int> Slide_In_Positions(int width, float steps) {
  return Steps_Between(width, 0, -width / (static_cast<double>(Valid_Steps(steps)) * 1.5));
}

std::vector<int> Unroll_Heights(int height, float steps) {
  return Steps_Between(0, height, height / static_cast<double>(Valid_Steps(steps)));
}

// ---- Picture message boxes ----

int Picture_Box_Key_Button(int buttons, int key_code, int shift) {
  const int last = buttons - 1;  // the box's "no" (the only button of a one-button box)
  switch (key_code) {
    case VK_RETURN:  // any modifiers
      return 0;
    case VK_ESCAPE:  // any modifiers
      return last;
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
