#include "games/game_pages.h"

#include "forms/forms.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/program_folder.h"
#include "services/screen_ids.h"
#include "services/sounds.h"

namespace quillon {

namespace {

void Cover(forms::Form& form, Panel_Id panel, const char* picture) {
  Load_Resource_Picture_To_PictureBox(form.Get<forms::Picture_Box>("Picture_BG", Number(panel)),
                                      picture);
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

void Load_Police_Game_Panel(forms::Form& form) { Cover(form, Panel_Id::Police, "jc"); }
void Load_Apple_Game_Panel(forms::Form& form) { Cover(form, Panel_Id::Apple, "pg"); }
void Load_Mouse_Game_Panel(forms::Form& form) { Cover(form, Panel_Id::Mouse, "ds"); }
void Load_Frog_Game_Panel(forms::Form& form) { Cover(form, Panel_Id::Frog, "qw"); }

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

}  // namespace quillon
