// Mouse catching: one pass of the show loop over the fifteen holes on the real main window, with
// nine mice up against one (their countdowns running, events handled after each hole as in the
// game). A countdown is painted again only when its text or colour changes, so the nine should
// cost at most 1.3 times the one. Prints microseconds and the ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench_report.h"
#include "forms/forms.h"
#include "games/mouse_page.h"
#include "screen_table.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/program_folder.h"
#include "services/screen_ids.h"
#include "shell/main_form.h"
#include "tutor_window.h"

namespace {

using Clock = std::chrono::steady_clock;

// Microseconds a pass takes with `up` mice up (holes 0 to up - 1), best of five rounds.
double Micros_Per_Pass(forms::Form& main, const forms::Picture& picture, int up) {
  using namespace quillon;
  constexpr int kPasses = 300;
  double best = 1e9;
  for (int round = 0; round < 5; ++round) {
    Mouse_Game_State& s = Mouse_Game();
    s = Mouse_Game_State{};
    s.start_tick = Game_Now_Ms();
    Reset_Mouse_Holes(s.holes, 9);
    for (int i = 0; i < kMouseHoles; ++i) {
      forms::Image& hole = main.Get<forms::Image>("Image_Mouse", i);
      forms::Label& countdown = main.Get<forms::Label>("Label_Mouse_Time_Info", i);
      const bool is_up = i < up;
      if (is_up) {
        hole.Set_Picture(picture);
        Mouse_Came_Up(s.holes[i], i, Game_Now_Ms());
        countdown.Set_Caption("9");
      }
      hole.Set_Visible(is_up);
      countdown.Set_Visible(is_up);
    }
    forms::Do_Events();
    const auto start = Clock::now();
    for (int pass = 0; pass < kPasses; ++pass) Mouse_Show_Pass(999);
    best = std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                              kPasses);
  }
  return best;
}

}  // namespace

int main() {
  using namespace quillon;
  forms::Form& main = Load_Main_Window();
  main.Show();
  Panel(Number(Panel_Id::Mouse)).Set_Visible(true);
  Exercise_Running = true;
  const forms::Picture picture = Solid_Picture(61, 73, RGB(156, 150, 156));

  Micros_Per_Pass(main, picture, 1);  // warm up
  const double one = Micros_Per_Pass(main, picture, 1);
  const double nine = Micros_Per_Pass(main, picture, 9);
  const double ratio = nine / one;
  std::printf("show pass with one mouse up:   %.2f us\n", one);
  std::printf("show pass with nine mice up:   %.2f us\n", nine);
  const bool met = bench::Report("mouse show pass, nine mice up against one", ratio, 1.3);
  Exercise_Running = false;
  return met ? 0 : 1;
}
