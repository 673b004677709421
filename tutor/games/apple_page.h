#pragma once
// Balloons and wolves on panel 4 of the main window: lettered balloons rise through the sky
// (Picture_Game_Apple_BG), a letter key shoots the first balloon carrying it, each escape brings a
// wolf in from the left and the seventh drops the stone on the animal. A launch timer puts
// balloons into the sky; the balloons move in a loop inside the tick of Timer_Game_Pig_Move that
// waits through the runtime's event-handling wait, so everything else answers meanwhile. The
// rules are games/game_rules.h.

#include "forms/forms.h"
#include "games/game_rules.h"

namespace quillon {

// The game in progress (reset at every start).
struct Apple_Game_State {
  Apple_Options options;
  Balloon_Records balloons{};
  double start_tick = 0, pause_start = 0, pause_total = 0;  // milliseconds
  bool move_pending = false;
  int escaped = 0;
  int32_t shot_down = 0;
  int32_t keys = 0;
  int last_launched = -1;
  int generation = 0;  // grows at every start: a loop of an earlier game ends
  int animal_frame = 1;
  int wolf_frame = 3;
};
Apple_Game_State& Apple_Game();

void Design_Apple_Game_Page(forms::Form& form);
void Load_Apple_Game_Panel(forms::Form& form);
void Initialize_Apple_Game_Page(forms::Form& form);
void Start_Apple_Game(forms::Form& form);
void Pause_Apple_Game(forms::Form& form);
void Stop_Apple_Game(forms::Form& form);
void Apple_Game_Key_Down(forms::Form& form, int key_code);
void Launch_Apple_Balloon(forms::Form& form);  // a tick of Timer_Game_Pig_Control
void Move_Apple_Balloons(forms::Form& form);   // a tick of Timer_Game_Pig_Move: the move loop
void Show_Wolf(int escaped);
void Switch_Apple_Sprite(forms::Form& form);
void Reset_Apple_Button_Picture(forms::Form& form);

}  // namespace quillon
