#include "shell/panel_slides.h"

#include "services/globals.h"
#include "services/sounds.h"
#include "services/utilities.h"
#include "shell/command_tables.h"
#include "shell/function_bar.h"
#include "shell/main_form.h"
#include "shell/startup.h"

namespace quillon {

int Get_Move_Step_Num() {
  return forms::Guarded(
      [] {
        int bits = Get_Color_Depth();
        if (bits <= 0) throw forms::Runtime_Error(5, "Invalid procedure call or argument");
        return Move_Step_Num_For_Depth(bits);
      },
      15);
}

// A failure inside a slide is reported and ends the slide where it stands (the screen change
// that called it clears Panel_Moving).
void Move_Panel_Out(forms::Form& form, int panel) {
  Panel_Moving = true;
  if (!No_Move_Sound) Play_Music(Program_Folder() + "\\Music\\Sound\\drum.wav");
  const int width = form.Scale_Width();
  if (Current_Panel == kNone) {
    Current_Panel = panel;
    Panel(panel).Set_Left(width);
    return;
  }
  auto& old = Panel(Current_Panel);
  for (int x : Slide_Out_Positions(width, Move_Step_Num)) {
    old.Set_Left(x);
    Watch_Animation("out", x);
    Wait_Milliseconds(10);
  }
  old.Set_Visible(false);
}

void Move_Panel_In(forms::Form& form, int panel) {
  Current_Panel = panel;
  auto& shown = Panel(panel);
  const int width = form.Scale_Width();
  // From the right edge whatever its earlier place.
  shown.Set_Left(width);
  shown.Set_Visible(true);
  for (int x : Slide_In_Positions(width, Move_Step_Num)) {
    shown.Set_Left(x);
    Watch_Animation("in", x);
    Wait_Milliseconds(10);
  }
  shown.Set_Left(0);
  Panel_Moving = false;
}

}  // namespace quillon
