#pragma once
// What the benchmarks on the tutor's real main window share: the program folder beside the
// benchmark's own executable, the main window loaded, and plain pictures to draw with.
#include <windows.h>

#include <string>

#include "forms/forms.h"
#include "services/globals.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "screen_table.h"
#include "shell/main_form.h"
#include "shell/startup.h"

namespace quillon {

// The program folder is the benchmark's own folder (the build puts it beside the program's data).
inline void Use_Benchmark_Folder() {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  const std::string path = exe;
  Set_Program_Folder(path.substr(0, path.rfind('\\')));
}

// No beep, sound, music, modal picture box or program exit, and panels that slide in one step:
// what a benchmark drives on the main window runs through without waiting for anyone.
inline void Use_Quiet_Seams() {
  Set_Beep_Function([] {});
  Set_Picture_Box_Function([](Picture_Box_Kind) {});
  Set_Exit_Function([] {});
  Sound_Card_Present = false;
  BG_Music_On = 0;
  Move_Step_Num = 100;
}

// The main window with every screen's controls, loaded (not yet shown).
inline forms::Form& Load_Main_Window() {
  Use_Benchmark_Folder();
  Register_All_Screens();
  forms::Form& main = Form_Quillon();
  main.Load();
  return main;
}

// A picture of one colour; `stripe_every` > 0 adds thin white stripes that far apart, so that a
// scroll of it moves something.
inline forms::Picture Solid_Picture(int width, int height, COLORREF color, int stripe_every = 0) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT r{0, 0, width, height};
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  if (stripe_every > 0)
    for (int x = 0; x < width; x += stripe_every) PatBlt(dc, x, 0, 3, height, WHITENESS);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return forms::Picture::From_Bitmap(bitmap);
}

}  // namespace quillon
