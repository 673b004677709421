#pragma once
// Check box: a BUTTON whose Value (0 cleared, 1 set) the control keeps itself. A click by the
// user toggles it and fires On_Click; every change of the value, by the user or by Set_Value,
// fires On_Change.

#include "forms/control.h"

namespace forms {

class Check_Box : public Native_Control {
 public:
  Check_Box() { Set_Class("BUTTON", BS_CHECKBOX | WS_TABSTOP); }
  int Value() const { return value_; }
  // 0 or 1; any other value throws Runtime_Error 380 and changes nothing.
  void Set_Value(int value);
  void Create_Window() override;
  bool Handle_Command(int code) override;

 private:
  int value_ = 0;
};

}  // namespace forms
