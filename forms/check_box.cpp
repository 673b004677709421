#include "forms/check_box.h"

#include "forms/errors.h"
#include "internal.h"

namespace forms {

void Check_Box::Create_Window() {
  Native_Control::Create_Window();
  Send(BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED);
}

void Check_Box::Set_Value(int value) {
  if (value != 0 && value != 1) throw Runtime_Error(380, "Invalid property value");
  if (value == value_) return;
  value_ = value;
  Send(BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED);
  if (On_Change) detail::Fire(On_Change);
}

bool Check_Box::Handle_Command(int code) {
  if (code == BN_CLICKED) {
    detail::Busy busy(form_);
    value_ = value_ ? 0 : 1;
    Send(BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED);
    if (On_Click) detail::Fire(On_Click);
    if (detail::Control_Alive(this) && On_Change) detail::Fire(On_Change);
    return true;
  }
  return Native_Control::Handle_Command(code);
}

}  // namespace forms
