#include "forms/timer.h"

#include "forms/form.h"
#include "internal.h"

namespace forms {

Timer::~Timer() {
  if (armed_) {
    KillTimer(detail::Runtime_Window(), id_);
    detail::Remove_Timer_Id(id_);
    armed_ = false;
  }
}

void Timer::Create_Window() { Apply(); }

bool Timer::Running() const {
  return enabled_ && interval_ > 0 && form_ && form_->Loaded() && detail::Control_Alive(
      const_cast<Timer*>(this));
}

void Timer::Apply() {
  const bool run = Running();
  if (run && !armed_) {
    id_ = detail::Add_Timer_Id(this);
    SetTimer(detail::Runtime_Window(), id_, static_cast<UINT>(interval_), nullptr);
    armed_ = true;
  } else if (!run && armed_) {
    KillTimer(detail::Runtime_Window(), id_);
    detail::Remove_Timer_Id(id_);
    armed_ = false;
  }
}

void Timer::Set_Enabled(bool enabled) {
  if (enabled == enabled_) return;  // enabling a running timer does not restart it
  enabled_ = enabled;
  Apply();
}

void Timer::Set_Interval(int milliseconds) {
  if (milliseconds < 0) milliseconds = 0;
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  if (armed_) {
    KillTimer(detail::Runtime_Window(), id_);
    detail::Remove_Timer_Id(id_);
    armed_ = false;
  }
  Apply();
}

void Timer::Tick() {
  if (in_tick_ || !armed_ || !Running()) return;  // no tick inside itself
  detail::Busy busy(form_);
  in_tick_ = true;
  if (On_Timer) detail::Fire(On_Timer);
  in_tick_ = false;
}

void Timer::Stop_For_Unload() {
  enabled_ = false;
  if (armed_) {
    KillTimer(detail::Runtime_Window(), id_);
    detail::Remove_Timer_Id(id_);
    armed_ = false;
  }
}

}  // namespace forms
