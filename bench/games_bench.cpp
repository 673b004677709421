// The balloon game's drawing:
//  1. moving one sprite over a sky with 25 other visible sprites against one with a single other
//     sprite: the first should cost at most 1.3 times the second (only where the sprite was and
//     is gets painted again);
//  2. one pass of the move loop with nine balloons aloft on the real main window (ten slots
//     judged, nine moved, events handled after each): at most a quarter of the 20 ms the loop
//     waits between passes.
// Prints microseconds and the ratios.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench_report.h"
#include "forms/forms.h"
#include "games/apple_page.h"
#include "games/game_rules.h"
#include "screen_table.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/program_folder.h"
#include "services/screen_ids.h"
#include "shell/main_form.h"
#include "tutor_window.h"

namespace {

using Clock = std::chrono::steady_clock;

// Microseconds to move one sprite one step and paint it, with `others` other visible sprites.
double Micros_Per_Sprite_Move(int others, int moves) {
  forms::Form form;
  form.On_Design = [&] {
    form.Set_Client_Size(7800, 5000);
    auto& sky = form.Add<forms::Picture_Box>("Picture_Sky");
    sky.Move(0, 0, 7350, 4545);
    const forms::Picture picture = quillon::Solid_Picture(38, 38, RGB(230, 90, 80));
    // Sprite 0 rises in the first column; the others stand in the columns right of it.
    for (int i = 0; i <= others; ++i) {
      auto& sprite = form.Add<forms::Image>("Image_Sprite", i, &sky);
      sprite.Set_Picture(picture);
      if (i == 0) sprite.Move(135, 3000);
      else sprite.Move(840 + ((i - 1) % 9) * 700, 300 + ((i - 1) / 9) * 900);
    }
  };
  form.Load();
  form.Show();
  forms::Do_Events();
  forms::Picture_Box& sky = form.Get<forms::Picture_Box>("Picture_Sky");
  forms::Image& moving = form.Get<forms::Image>("Image_Sprite", 0);
  const auto start = Clock::now();
  for (int i = 0; i < moves; ++i) {
    moving.Move(moving.Left(), 3000 - (i % 80) * 28);
    UpdateWindow(sky.Hwnd());
  }
  const double micros =
      std::chrono::duration<double, std::micro>(Clock::now() - start).count() / moves;
  forms::Unload(form);
  return micros;
}

}  // namespace

int main() {
  using namespace quillon;
  Use_Benchmark_Folder();

  Micros_Per_Sprite_Move(1, 200);  // warm up
  double one = 1e9, many = 1e9;
  for (int round = 0; round < 5; ++round) {
    one = std::min(one, Micros_Per_Sprite_Move(1, 2000));
    many = std::min(many, Micros_Per_Sprite_Move(25, 2000));
  }
  const double ratio = many / one;
  std::printf("sprite move beside 1 other sprite:   %.2f us\n", one);
  std::printf("sprite move beside 25 other sprites: %.2f us\n", many);
  const bool ratio_met =
      bench::Report("sprite move beside 25 other sprites against 1", ratio, 1.3);

  // A pass of the move loop on the real page with nine balloons aloft.
  Register_All_Screens();
  forms::Form& main = Form_Quillon();
  main.Load();
  main.Show();
  forms::Picture_Box& page = Panel(Number(Panel_Id::Apple));
  page.Set_Visible(true);
  forms::Picture_Box& sky = main.Get<forms::Picture_Box>("Picture_Game_Apple_BG");
  const forms::Picture picture = Solid_Picture(38, 38, RGB(230, 90, 80));
  Balloon_Records records{};
  for (int i = 0; i < kBalloonSlots; ++i) {
    forms::Image& image = main.Get<forms::Image>("Image_Char", i);
    records[i].start_left = image.Left();
    records[i].start_top = sky.Top() + sky.Height();
    records[i].rise_step = image.Height() / 20.0;
    records[i].active = i < 9;
    records[i].rise_count = 40 + 15 * i;
    image.Set_Picture(picture);
    image.Set_Visible(records[i].active);
  }
  forms::Do_Events();
  constexpr int kPasses = 120;
  double best = 1e9;
  for (int round = 0; round < 5; ++round) {
    for (auto& r : records) r.rise_count = r.active ? 40 : 0;
    const auto start = Clock::now();
    for (int pass = 0; pass < kPasses; ++pass) {
      for (int i = 0; i < kBalloonSlots; ++i) {
        forms::Image& image = main.Get<forms::Image>("Image_Char", i);
        const Slot_Pass p = Pass_Balloon(records[i], 0, image.Height());
        if (p.moved && !p.escaped)
          image.Move(static_cast<int>(records[i].start_left), static_cast<int>(p.top));
        forms::Do_Events();
      }
    }
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count() /
                              kPasses);
  }
  const bool pass_met = bench::Report("balloon pass with nine aloft", best, 5, " ms");
  return ratio_met && pass_met ? 0 : 1;
}
