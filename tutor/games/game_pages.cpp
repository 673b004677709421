#include "games/game_pages.h"

#include "forms/forms.h"
#include "games/game_frame.h"
#include "games/game_rules.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/screen_ids.h"
#include "services/tutor_settings.h"
#include "services/typing_boxes.h"

namespace quillon {

namespace {

forms::Form& Main() { return Main_Window(); }

void Surface_Of(const Game_Frame& game, forms::Control& c) {
  const Game_Frame* g = &game;
  c.On_Mouse_Move = [g](int, int, int, int) {
    Main_Surface_Mouse_Move();
    forms::Guarded([&] { Reset_Game_Button_Picture(*g); });
  };
  c.On_Mouse_Down = [](int button, int, int, int) {
    if (button == forms::kRightButton) Main_Context_Menu();
    else Main_Close_PopMenu();
  };
}

// The frame's part of the games whose play is still to come.
void Frame_Start(const Game_Frame& game) {
  try {
    Begin_Game_Start(game);
    *game.paused = false;
    Game_Cover(game).Set_Visible(false);
    Enable_Game_Buttons(game, false, true, true);
  } catch (...) {
    const std::string text = forms::Current_Error_Text();
    Exercise_Running = false;
    forms::Silent([&] { Enable_Game_Buttons(game, true, false, false); });
    forms::Show_Error_Box(text);
  }
}

void Frame_Pause(const Game_Frame& game, const char* timer) {
  forms::Guarded([&] {
    if (!Exercise_Running) return;
    const bool pausing = !*game.paused;
    Main_Timer(timer).Set_Enabled(!pausing);
    *game.paused = pausing;
    Panel_Keys_Enabled = !pausing;
    Show_Game_Paused(game, pausing);
  });
}

void Frame_Stop(const Game_Frame& game) {
  forms::Guarded([&] {
    Exercise_Running = false;
    Panel_Keys_Enabled = true;
    Enable_Game_Buttons(game, true, false, false);
    *game.paused = false;
    Show_Game_Paused(game, false);
  });
}

}  // namespace

void Design_Frog_Game_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Frog));
  auto& river = form.Add<forms::Picture_Box>("Picture_Game_Frog_BG", 0, &page);
  river.Move(960, 840, 8265, 3975);
  Surface_Of(Frog_Frame(), river);
  Design_Game_Frame(form, Frog_Frame(), [](int index) {
    switch (index) {
      case 0: Start_Frog_Game(Main()); break;
      case 1: Pause_Frog_Game(Main()); break;
      case 2: Stop_Frog_Game(Main()); break;
      default: break;
    }
  });
}

void Load_Frog_Game_Panel(forms::Form&) {
  forms::Guarded([] {
    Load_Game_Panel(Frog_Frame());
    auto& river = Main().Get<forms::Picture_Box>("Picture_Game_Frog_BG", 0);
    if (!river.Get_Picture()) Load_Resource_Picture_To_PictureBox(river, "qw3");
  });
}

void Initialize_Frog_Game_Page(forms::Form&) {
  forms::Guarded([] {
    Game_Page_Setup(Frog_Frame());
    Frog_Page_First = false;
  });
}

void Start_Frog_Game(forms::Form&) {
  Frame_Start(Frog_Frame());
  if (Exercise_Running) Main_Timer("Timer_Move_Picture").Set_Enabled(true);
}

void Pause_Frog_Game(forms::Form&) { Frame_Pause(Frog_Frame(), "Timer_Move_Picture"); }

void Stop_Frog_Game(forms::Form&) {
  Main_Timer("Timer_Move_Picture").Set_Enabled(false);
  Frame_Stop(Frog_Frame());
}

void Reset_Frog_Button_Picture(forms::Form&) { Reset_Game_Button_Picture(Frog_Frame()); }

}  // namespace quillon
