#include "shell/command_tables.h"

#include <cmath>

namespace quillon {

Hot_Key_Command Find_Hot_Key_Command(int key, int shift, int close_key, int close_shift) {
  if (key == 81 && shift == kCtrlMask) return Hot_Key_Command::Exit;
  if (key == close_key && shift == close_shift) return Hot_Key_Command::Exit;
  if (key == 115 && shift == kAltMask) return Hot_Key_Command::Exit;
  if (key == 77 && shift == kCtrlMask) return Hot_Key_Command::Minimise;
  if (key == 112 && shift == kAltMask) return Hot_Key_Command::About;
  if (key == 112 && shift == 0) return Hot_Key_Command::Help;
  if (key == 112 && shift == kCtrlMask) return Hot_Key_Command::Tutorial;
  if (key == 70 && shift == kCtrlMask) return Hot_Key_Command::Function_Settings;
  if (key == 84 && shift == kCtrlMask) return Hot_Key_Command::System_Settings;
  if (key == 82 && shift == kCtrlMask) return Hot_Key_Command::Records;
  return Hot_Key_Command::None;
}

Key_Action Route_Key_Down(int panel, bool running, int key) {
  const bool enter = key == 13;
  switch (panel) {
    case 0:
      return running ? Key_Action::Note_Ctrl_Key_Down : Key_Action::Start_Key_Char_Practice;
    case 2:
      return enter && !running ? Key_Action::Start_Free_Type : Key_Action::None;
    case 3:
      return enter && !running ? Key_Action::Start_Police_Game : Key_Action::None;
    case 4:
      if (!enter && running) return Key_Action::Apple_Game_Key;
      return enter && !running ? Key_Action::Start_Apple_Game : Key_Action::None;
    case 5:
      if (!enter && running) return Key_Action::Mouse_Game_Key;
      return enter && !running ? Key_Action::Start_Mouse_Game : Key_Action::None;
    case 6:
      if (running) return Key_Action::Frog_Game_Key;
      return enter ? Key_Action::Start_Frog_Game : Key_Action::None;
    case 9:
      return Key_Action::Note_Ctrl_Key_Down;
    default:
      return Key_Action::None;
  }
}

bool Is_Start_Action(Key_Action a) {
  switch (a) {
    case Key_Action::Start_Key_Char_Practice:
    case Key_Action::Start_Free_Type:
    case Key_Action::Start_Police_Game:
    case Key_Action::Start_Apple_Game:
    case Key_Action::Start_Mouse_Game:
    case Key_Action::Start_Frog_Game:
      return true;
    default:
      return false;
  }
}

Tick_Action Route_Timer_Check(int panel, bool audition_playing) {
  switch (panel) {
    case 0: return Tick_Action::Key_Char_Time_And_Speed;
    case 1: return audition_playing ? Tick_Action::Audition_Time : Tick_Action::Article_Page_Time;
    case 3: return Tick_Action::Police_Balk_Wait;
    case 7: return Tick_Action::Out_Speed_Test_Time;
    case 8: return Tick_Action::In_Speed_Test_Time;
    case 9: return Tick_Action::Word_Time_And_Speed;
    case 10: return Tick_Action::Wubi_Time_And_Speed;
    default: return Tick_Action::None;
  }
}

Sprite_Action Route_Timer_Move_Picture(int panel) {
  switch (panel) {
    case 3: return Sprite_Action::Police;
    case 4: return Sprite_Action::Apple;
    case 6: return Sprite_Action::Frog;
    default: return Sprite_Action::None;
  }
}

std::string English_Article_Folder(int n) { return "\\English\\Article\\" + std::to_string(n) + "\\"; }
std::string Chinese_Article_Folder(int n) { return "\\Chinese\\Article\\" + std::to_string(n) + "\\"; }

int Panel_Of_Exercise_Kind(int kind) {
  static const int kPanels[] = {0, 9, 1, 1, 1, 1, 3, 4, 5, 6, -1, 2};
  return kind >= 0 && kind <= 11 ? kPanels[kind] : -1;
}

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
  bool forbidden = (shift == kShiftMask && key == 45) || shift == kCtrlMask || shift == kAltMask;
  if (guard != Key_Guard::Paste && key == 46) forbidden = true;
  if (guard == Key_Guard::Paste_Delete_And_Backspace && key == 8) forbidden = true;
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
  if (key_index == -88 || music_kb_on != 1) return "\\Music\\Sound\\type.wav";
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
    case 13:  // Enter, any modifiers
      return 0;
    case 27:  // Esc, any modifiers
      return last;
    case 89:  // Ctrl+Y
      return shift == kCtrlMask ? 0 : -1;
    case 82:  // Ctrl+R: the retry of a three-button box
      return shift == kCtrlMask && buttons == 3 ? 1 : -1;
    case 78:  // Ctrl+N: the no of a box that has one
      return shift == kCtrlMask && buttons > 1 ? last : -1;
    case 115:  // Alt+F4
      return shift == kAltMask ? last : -1;
  }
  return -1;
}

}  // namespace quillon
