// The selection's size and boldness of the rich-text box: one character format field each.
#include "forms/richtext.h"

namespace forms {

namespace {

CHARFORMATA Selection_Format(const Rich_Text_Box& box, DWORD mask) {
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = mask;
  box.Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  return cf;
}

}  // namespace

double Rich_Text_Box::Sel_Font_Size() const {
  return Selection_Format(*this, CFM_SIZE).yHeight / 20.0;
}

void Rich_Text_Box::Set_Sel_Font_Size(double points) {
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_SIZE;
  cf.yHeight = static_cast<LONG>(points * 20 + 0.5);
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

bool Rich_Text_Box::Sel_Bold() const {
  return (Selection_Format(*this, CFM_BOLD).dwEffects & CFE_BOLD) != 0;
}

void Rich_Text_Box::Set_Sel_Bold(bool bold) {
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_BOLD;
  cf.dwEffects = bold ? CFE_BOLD : 0;
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

}  // namespace forms
