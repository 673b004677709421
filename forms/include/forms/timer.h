#pragma once
// Form timers. Rules the tutor relies on:
//  - Set_Enabled(true) on a running timer does not restart its interval;
//    changing the interval of a running timer restarts it;
//  - a tick never runs inside itself: ticks that fall due while its handler runs (in a nested
//    pump, or while a modal box opened by the handler is up) are dropped, so a modal box opened
//    by a tick holds that timer's ticks until it returns; other timers keep ticking;
//  - an interval of 0 or a disabled timer never ticks; unloading the form stops its timers.

#include <functional>

#include "forms/control.h"

namespace forms {

class Timer : public Control {
 public:
  ~Timer() override;
  void Set_Interval(int milliseconds);
  int Interval() const { return interval_; }
  void Set_Enabled(bool enabled) override;
  bool Running() const;  // enabled, interval > 0, form loaded
  bool In_Tick() const { return in_tick_; }
  void Set_Visible(bool) override {}

  std::function<void()> On_Timer;

  // Internal.
  void Tick();
  void Stop_For_Unload();
  void Create_Window() override;

 private:
  void Apply();
  int interval_ = 0;
  bool in_tick_ = false;
  UINT_PTR id_ = 0;
  bool armed_ = false;
};

}  // namespace forms
