#include "games/game_pages.h"

#include "forms/forms.h"
#include "shell/bitmaps.h"
#include "shell/exercise_entries.h"
#include "shell/globals.h"
#include "shell/main_form.h"
#include "shell/sounds.h"
#include "shell/startup.h"

namespace quillon {

namespace {

void Cover(forms::Form& form, int panel, const char* picture) {
  Load_Resource_Picture_To_PictureBox(form.Get<forms::Picture_Box>("Picture_BG", panel), picture);
}

void Idle_Game_Page() {
  Exercise_Running = false;
  Panel_Keys_Enabled = true;
}

void Start_Game(const char* music) {
  Exercise_Running = true;
  Play_Music(Program_Folder() + music);
}

}  // namespace

void Load_Police_Game_Panel(forms::Form& form) { Cover(form, 3, "jc"); }
void Load_Apple_Game_Panel(forms::Form& form) { Cover(form, 4, "pg"); }
void Load_Mouse_Game_Panel(forms::Form& form) { Cover(form, 5, "ds"); }
void Load_Frog_Game_Panel(forms::Form& form) { Cover(form, 6, "qw"); }

void Initialize_Police_Game_Page(forms::Form&) { Idle_Game_Page(); }
void Initialize_Apple_Game_Page(forms::Form&) {
  Idle_Game_Page();
  Apple_Game_Stop = false;
}
void Initialize_Mouse_Game_Page(forms::Form&) {
  Idle_Game_Page();
  Mouse_Game_Stop = false;
}
void Initialize_Frog_Game_Page(forms::Form&) {
  Idle_Game_Page();
  Frog_Page_First = false;
}

void Start_Police_Game(forms::Form&) {
  Start_Game("\\Music\\bgpolice.wav");
  Panel_Keys_Enabled = false;
  Main_Timer("Timer_Check").Set_Enabled(true);
  Main_Timer("Timer_Move_Picture").Set_Enabled(true);
  Main_Timer("Timer_Game_Police").Set_Enabled(true);
}

void Start_Apple_Game(forms::Form&) {
  Start_Game("\\Music\\bgapple.wav");
  Apple_Game_Stop = false;
  Main_Timer("Timer_Move_Picture").Set_Enabled(true);
}

void Start_Mouse_Game(forms::Form&) {
  Start_Game("\\Music\\bgmouse.wav");
  Mouse_Game_Stop = false;
  Main_Timer("Timer_Game_Mouse_Control").Set_Enabled(true);
}

void Start_Frog_Game(forms::Form&) {
  Start_Game("\\Music\\bgfrog.wav");
  Main_Timer("Timer_Move_Picture").Set_Enabled(true);
}

void Stop_Police_Game(forms::Form&) {
  Main_Timer("Timer_Check").Set_Enabled(false);
  Main_Timer("Timer_Game_Police").Set_Enabled(false);
  Main_Timer("Timer_Move_Picture").Set_Enabled(false);
}

void Install_Game_Entries(Exercise_Entries& e) {
  e.Load_Police_Game_Panel = Load_Police_Game_Panel;
  e.Load_Apple_Game_Panel = Load_Apple_Game_Panel;
  e.Load_Mouse_Game_Panel = Load_Mouse_Game_Panel;
  e.Load_Frog_Game_Panel = Load_Frog_Game_Panel;
  e.Initialize_Police_Game_Page = Initialize_Police_Game_Page;
  e.Initialize_Apple_Game_Page = Initialize_Apple_Game_Page;
  e.Initialize_Mouse_Game_Page = Initialize_Mouse_Game_Page;
  e.Initialize_Frog_Game_Page = Initialize_Frog_Game_Page;
  e.Start_Police_Game = Start_Police_Game;
  e.Start_Apple_Game = Start_Apple_Game;
  e.Start_Mouse_Game = Start_Mouse_Game;
  e.Start_Frog_Game = Start_Frog_Game;
}

}  // namespace quillon
