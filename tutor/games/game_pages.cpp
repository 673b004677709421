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

constexpr int kMouseMissPictures = 8;

forms::Form& Main() { return Main_Window(); }
forms::Rich_Text_Box& Mouse_Minutes() {
  return Main().Get<forms::Rich_Text_Box>("RichText_Game_Mouse_Time");
}

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

void Design_Mouse_Game_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Mouse));
  for (int i = 0; i < kMouseMissPictures; ++i) {
    auto& miss = form.Add<forms::Image>("Image_Mouse_Miss", i, &page);
    miss.Move(1200 + 600 * i, 150, 450, 450);
    Surface_Of(Mouse_Frame(), miss);
  }
  Add_Game_Minutes_Box(form, "RichText_Game_Mouse_Time", page, 150, 2400, 600);
  for (const char* name : {"Label_Game_Mouse_Click_Num", "Label_Game_Mouse_Right"})
    form.Add<forms::Label>(name, -1, &page).Set_Visible(false);
  Design_Game_Frame(form, Mouse_Frame(), [](int index) {
    switch (index) {
      case 0: Start_Mouse_Game(Main()); break;
      case 1: Pause_Mouse_Game(Main()); break;
      case 2: Stop_Mouse_Game(Main()); break;
      default: break;
    }
  });
}

void Load_Mouse_Game_Panel(forms::Form&) {
  forms::Guarded([] {
    Load_Game_Panel(Mouse_Frame());
    for (forms::Control* c : Main().Array("Image_Mouse_Miss")) {
      auto* miss = static_cast<forms::Image*>(c);
      if (!miss->Get_Picture())
        Load_Resource_Picture_To_Image(*miss, "mymousehua" + std::to_string(c->Index()));
    }
    Mouse_Minutes().Set_Text(std::to_string(Clamp(Read(kMouseGameTime), 1, 999)));
  });
}

void Initialize_Mouse_Game_Page(forms::Form&) {
  forms::Guarded([] {
    Game_Page_Setup(Mouse_Frame());
    Mouse_Game_Stop = false;
    Mouse_Minutes().Set_Enabled(true);
    Main().Get<forms::Label>("Label_Game_Mouse_Click_Num").Set_Caption("0");
    Main().Get<forms::Label>("Label_Game_Mouse_Right").Set_Caption("0");
    if (Panel(Number(Panel_Id::Mouse)).Visible()) Mouse_Minutes().Set_Focus();
  });
}

void Start_Mouse_Game(forms::Form&) {
  forms::Rich_Text_Box& minutes = Mouse_Minutes();
  const std::string text = Apple_Minutes_At_Start(minutes.Text());
  if (text != minutes.Text()) minutes.Set_Text(text);
  Mouse_Game_Stop = false;
  Frame_Start(Mouse_Frame());
  if (Exercise_Running) {
    minutes.Set_Enabled(false);
    if (Main().Hwnd()) SetFocus(Main().Hwnd());
  }
}

void Pause_Mouse_Game(forms::Form&) {
  Frame_Pause(Mouse_Frame(), "Timer_Game_Mouse_Control");
  Mouse_Game_Stop = Mouse_Game_Paused;
}

void Stop_Mouse_Game(forms::Form&) {
  Main_Timer("Timer_Game_Mouse_Control").Set_Enabled(false);
  Main_Timer("Timer_Game_Mouse_Show").Set_Enabled(false);
  Mouse_Game_Stop = true;
  Frame_Stop(Mouse_Frame());
  forms::Guarded([] {
    Mouse_Minutes().Set_Enabled(true);
    if (Panel(Number(Panel_Id::Mouse)).Visible()) Mouse_Minutes().Set_Focus();
  });
}

void Reset_Mouse_Button_Picture(forms::Form&) { Reset_Game_Button_Picture(Mouse_Frame()); }

}  // namespace quillon
