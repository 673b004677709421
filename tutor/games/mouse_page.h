#pragma once
// Mouse catching on panel 5 of the main window: lettered mice come up out of fifteen holes
// (Image_Mouse), each with a countdown beside its hole (Label_Mouse_Time_Info) that turns red at
// half time; a letter key catches the first mouse carrying it, a mouse that goes down uncaught
// brings a flower along the top (Image_Mouse_Miss) and the eighth flower loses. A launch timer
// brings mice up; the countdowns run in a loop inside the tick of Timer_Game_Mouse_Show that waits
// through the runtime's event-handling wait, so everything else answers meanwhile. The rules are
// games/mouse_rules.h.

#include <cstdint>

#include "forms/forms.h"
#include "games/mouse_rules.h"

namespace quillon {

// The game in progress (reset at every start).
struct Mouse_Game_State {
  Mouse_Options options;
  Mouse_Hole_Records holes{};
  double start_tick = 0, pause_start = 0, pause_total = 0;  // milliseconds
  bool show_pending = false;
  int missed = 0;
  int32_t caught = 0;
  int32_t keys = 0;
  int last_hole = -1;
  int coming_up = -1;  // the hole whose mouse is coming up, -1 when none
  bool show_running = false;  // a run of the show loop counts the mice down
  int generation = 0;  // grows at every start: a loop or a come-up of an earlier game ends
};
Mouse_Game_State& Mouse_Game();

void Design_Mouse_Game_Page(forms::Form& form);
void Load_Mouse_Game_Panel(forms::Form& form);
void Initialize_Mouse_Game_Page(forms::Form& form);
void Start_Mouse_Game(forms::Form& form);
void Pause_Mouse_Game(forms::Form& form);
void Stop_Mouse_Game(forms::Form& form);
// The page back to idle after a game ended by time or by loss (running and keys to the caller).
void Finish_Mouse_Game(forms::Form& form);
void Mouse_Game_Key_Down(forms::Form& form, int key_code);
void Launch_Mouse(forms::Form& form);       // a tick of Timer_Game_Mouse_Control
void Show_Mouse_Holes(forms::Form& form);   // a tick of Timer_Game_Mouse_Show: the show loop
// One pass of the show loop over the fifteen holes, for a game of `minutes` minutes, without its
// wait; false when the game ended in it (time up, loss) or another game started.
bool Mouse_Show_Pass(int minutes);
void Reset_Mouse_Button_Picture(forms::Form& form);

}  // namespace quillon
