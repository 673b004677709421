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


}  // namespace quillon
