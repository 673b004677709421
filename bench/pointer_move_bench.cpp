// A pointer move over a page panel with nothing to reset (the leave reset and the page-reset
// table find nothing to do) against one over a bare picture box with no handler: the panel's
// move should cost at most 1.5 times the bare one. Prints microseconds per move and the ratio.
#include <windows.h>

#include <chrono>
#include <algorithm>
#include <cstdio>
#include <string>

#include "bench_report.h"
#include "forms/forms.h"
#include "screen_table.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/screen_ids.h"
#include "services/program_folder.h"
#include "shell/main_form.h"
#include "tutor_window.h"

namespace {

double Micros_Per_Move(HWND target, int moves) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < moves; ++i)
    SendMessageA(target, WM_MOUSEMOVE, 0, MAKELPARAM(100 + (i & 7), 100));
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::micro>(end - start).count() / moves;
}

}  // namespace

int main() {
  using namespace quillon;
  Load_Main_Window();
  forms::Picture_Box& page = Panel(static_cast<int>(Panel_Id::Words));  // no page reset
  page.Set_Visible(true);

  forms::Form bare_form;
  bare_form.On_Design = [&] { bare_form.Add<forms::Picture_Box>("Picture_Bare").Move(0, 0, 6000, 4000); };
  bare_form.Load();
  HWND bare = bare_form.Get<forms::Picture_Box>("Picture_Bare").Hwnd();

  constexpr int kMoves = 20000;
  Micros_Per_Move(page.Hwnd(), 2000);  // warm up both
  Micros_Per_Move(bare, 2000);
  double best_page = 1e9, best_bare = 1e9;
  for (int round = 0; round < 5; ++round) {
    best_page = std::min(best_page, Micros_Per_Move(page.Hwnd(), kMoves));
    best_bare = std::min(best_bare, Micros_Per_Move(bare, kMoves));
  }
  const double ratio = best_page / best_bare;
  std::printf("pointer move over a page with nothing to reset: %.3f us\n", best_page);
  std::printf("pointer move over a bare picture box:          %.3f us\n", best_bare);
  return bench::Report("pointer move over a page against a bare picture box", ratio, 1.5) ? 0 : 1;
}
