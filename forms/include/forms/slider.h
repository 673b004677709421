#pragma once
// Horizontal slider without tick marks (the common controls' trackbar). Every move of the thumb
// by the user fires On_Scroll (the scroll code) and On_Change; Set_Value fires On_Change when the
// value changes.

#include <windows.h>
#include <commctrl.h>

#include "forms/control.h"

namespace forms {

class Slider : public Native_Control {
 public:
  Slider() { Set_Class(TRACKBAR_CLASSA, TBS_HORZ | TBS_NOTICKS | WS_TABSTOP); }
  void Set_Range(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void Set_Small_Change(int step);
  void Set_Large_Change(int step);
  int Value() const;
  // Min() to Max(); any other value throws Runtime_Error 380 and changes nothing.
  void Set_Value(int value);
  void Create_Window() override;

 private:
  int min_ = 0, max_ = 10, small_ = 1, large_ = 5, value_ = 0;
};

}  // namespace forms
