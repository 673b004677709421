#pragma once
// Up-down arrows bound to a number box. An arrow click takes the number the box shows (a number
// typed since the last click included, brought within Min..Max; text that is no number counts as
// Min), steps it by one within Min..Max, writes it into the box and fires On_Change, so the box
// and the arrows always show the same number afterwards.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "forms/control.h"
#include "forms/richtext.h"

namespace forms {

class Up_Down : public Native_Control {
 public:
  Up_Down() { Set_Class(UPDOWN_CLASSA, UDS_ARROWKEYS); }
  void Set_Buddy(Rich_Text_Box& box) { buddy_ = &box; }
  Rich_Text_Box* Buddy() const { return buddy_; }
  void Set_Range(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }
  // Steps by `delta` (+1 up, -1 down) from the buddy's number, as an arrow click does.
  void Step(int delta);
  void Create_Window() override;
  LRESULT Handle_Notify(NMHDR* header) override;

  // The arithmetic of a click: the number the box shows after a step of `delta` from `text`.
  static int Stepped(const std::string& text, int delta, int min, int max);

 private:
  Rich_Text_Box* buddy_ = nullptr;
  int min_ = 0, max_ = 100, value_ = 0;
};

}  // namespace forms
