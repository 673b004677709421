// Timers: no restart on re-enable, no tick inside itself, a modal box opened by a tick holds
// that timer while other timers go on.
#include <gtest/gtest.h>
#include <windows.h>

#include "forms/forms.h"
#include "support.h"

namespace {

using forms_test::Pump_For;
using forms_test::Pump_Until;

TEST(Timer, EnablingARunningTimerAgainDoesNotRestartItsPeriod) {
  forms::Form form;
  auto& timer = form.Add_Timer("Timer_Check", 150, true);
  int ticks = 0;
  timer.On_Timer = [&] { ++ticks; };
  // Were each re-enable a restart, a 150 ms timer enabled again every 20 ms could never tick.
  const DWORD start = GetTickCount();
  while (ticks == 0 && GetTickCount() - start < 5000) {
    timer.Set_Enabled(true);
    Pump_For(20);
  }
  EXPECT_GE(ticks, 1);
  form.Unload();
}

TEST(Timer, DisabledZeroIntervalAndUnloadedTimersDoNotTick) {
  forms::Form form;
  int a = 0, b = 0, c = 0;
  form.Add_Timer("Timer_Off", 10, false).On_Timer = [&] { ++a; };
  form.Add_Timer("Timer_Zero", 0, true).On_Timer = [&] { ++b; };
  auto& running = form.Add_Timer("Timer_On", 10, true);
  running.On_Timer = [&] { ++c; };
  EXPECT_FALSE(form.Get_Timer("Timer_Zero").Running());
  ASSERT_TRUE(Pump_Until([&] { return c >= 3; }));
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 0);
  form.Unload();
  int after = c;
  Pump_For(100);
  EXPECT_EQ(c, after);
}

TEST(Timer, ATickNeverRunsInsideItselfWhileItsHandlerPumpsEvents) {
  forms::Form form;
  auto& timer = form.Add_Timer("Timer_Move_Picture", 10, true);
  int depth = 0, deepest = 0, ticks = 0;
  timer.On_Timer = [&] {
    ++ticks;
    deepest = std::max(deepest, ++depth);
    forms::Wait_Milliseconds(60);  // several periods, events handled meanwhile
    --depth;
  };
  ASSERT_TRUE(Pump_Until([&] { return ticks >= 3; }));
  EXPECT_EQ(deepest, 1);
  form.Unload();
}

TEST(Timer, AModalBoxOpenedByATickHoldsThatTimerButNotTheOthers) {
  forms::Form main_form, box;
  int check_ticks = 0, check_ticks_in_box = 0, other_ticks_in_box = 0, box_ticks = 0;
  bool box_open = false;
  auto& check = main_form.Add_Timer("Timer_Check", 10, true);
  auto& other = main_form.Add_Timer("Timer_Focus", 10, true);
  other.On_Timer = [&] {
    if (box_open) ++other_ticks_in_box;
  };
  box.On_Design = [&] {
    box.Add_Timer("Timer_Box", 10, true).On_Timer = [&] {
      if (++box_ticks == 10) forms::Unload(box);
    };
  };
  check.On_Timer = [&] {
    if (box_open) ++check_ticks_in_box;
    if (++check_ticks == 1) {
      box_open = true;
      box.Show_Modal();
      box_open = false;
    }
  };
  main_form.Show();
  ASSERT_TRUE(Pump_Until([&] { return check_ticks >= 3; }));
  EXPECT_EQ(box_ticks, 10);
  EXPECT_EQ(check_ticks_in_box, 0);
  EXPECT_GT(other_ticks_in_box, 0);
  main_form.Unload();
}

TEST(Timer, ChangingTheIntervalAppliesAndATimerSurvivesItsOwnErrors) {
  forms::Form form;
  std::vector<std::string> boxes;
  forms::Set_Message_Box_Function([&](HWND, const std::string& t, const std::string&, UINT) {
    boxes.push_back(t);
    return IDOK;
  });
  auto& timer = form.Add_Timer("Timer_Game", 5000, true);
  int ticks = 0;
  timer.On_Timer = [&] {
    ++ticks;
    throw forms::Runtime_Error(11, "Division by zero");
  };
  timer.Set_Interval(10);
  ASSERT_TRUE(Pump_Until([&] { return ticks >= 2; }));
  EXPECT_EQ(boxes.front(), "Division by zero!");
  EXPECT_TRUE(timer.Running());
  forms::Set_Message_Box_Function({});
  form.Unload();
}

}  // namespace
