#include "forms/slider.h"

#include <commctrl.h>

#include "forms/errors.h"
#include "internal.h"

namespace forms {

void Slider::Create_Window() {
  Native_Control::Create_Window();
  Send(TBM_SETRANGEMIN, FALSE, min_);
  Send(TBM_SETRANGEMAX, FALSE, max_);
  Send(TBM_SETLINESIZE, 0, small_);
  Send(TBM_SETPAGESIZE, 0, large_);
  Send(TBM_SETPOS, TRUE, value_);
}

void Slider::Set_Range(int min, int max) {
  min_ = min;
  max_ = max;
  Send(TBM_SETRANGEMIN, FALSE, min_);
  Send(TBM_SETRANGEMAX, TRUE, max_);
  if (value_ < min_ || value_ > max_) Set_Value(value_ < min_ ? min_ : max_);
}

void Slider::Set_Small_Change(int step) {
  small_ = step;
  Send(TBM_SETLINESIZE, 0, step);
}

void Slider::Set_Large_Change(int step) {
  large_ = step;
  Send(TBM_SETPAGESIZE, 0, step);
}

int Slider::Value() const {
  return Hwnd() ? static_cast<int>(Send(TBM_GETPOS)) : value_;
}

void Slider::Set_Value(int value) {
  if (value < min_ || value > max_) throw Runtime_Error(380, "Invalid property value");
  const int before = Value();
  value_ = value;
  Send(TBM_SETPOS, TRUE, value);
  if (value != before && On_Change) detail::Fire(On_Change);
}

}  // namespace forms
