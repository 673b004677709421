#pragma once
// Police and thief on panel 3 of the main window: a line of "\QLGame\Police\1.txt" in four typing
// lines with one red obstacle in each of the first three; the thief runs along the player's line
// as they type, the police walks the lines after its wait and halts at a typed obstacle. The rules
// are games/game_rules.h; this module builds the controls, keeps the game's state and plays it.

#include <array>

#include "forms/forms.h"
#include "games/game_rules.h"

namespace quillon {

// The game in progress (reset at every start).
struct Police_Game_State {
  Police_Options options;
  Police_Text text;
  int last_line = -1;                            // the last typing line with text
  std::array<int, kPoliceObstacleLines> obstacles{-1, -1, -1};
  int player_line = 0;
  int typed_position = 0;
  int police_line = 0;
  int step_count = 0;
  int step_delay = 510;
  bool first_key = false;  // the player has pressed a key: the police's wait runs
  bool started = false;    // the police has taken its first step
  bool halted = false;
  double halt_start = 0, pause_start = 0, pause_length = 0;  // milliseconds
  int sprite_frame = 0;
};
Police_Game_State& Police_Game();

void Design_Police_Game_Page(forms::Form& form);
void Load_Police_Game_Panel(forms::Form& form);
void Initialize_Police_Game_Page(forms::Form& form);
void Start_Police_Game(forms::Form& form);
void Pause_Police_Game(forms::Form& form);
void Stop_Police_Game(forms::Form& form);
void Move_Police(forms::Form& form);
void Update_Police_Balk_Wait(forms::Form& form);
void Switch_Police_Sprite(forms::Form& form);
void Reset_Police_Button_Picture(forms::Form& form);
void Image_Game_Police_Click(forms::Form& form, int index);

}  // namespace quillon
