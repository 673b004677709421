#pragma once
// Frog crossing on panel 6 of the main window: five frogs wait on the near bank; three rows of
// two boats cross the scrolling river (Picture_Game_Frog_BG(0), with a hidden copy made at run
// time for the scroll); every boat and the far-bank board carry a word of the lesson's word list
// in "\QLGame\Frog\". Typing a boat's word makes the frog jump onto it, the far-bank word takes it
// across. This module builds the controls and draws what the play (games/frog_rules.h) asks for.

#include "forms/forms.h"
#include "games/frog_rules.h"

namespace quillon {

// The game of the frog page.
Frog_Game& Frog_Play();

void Design_Frog_Game_Page(forms::Form& form);
void Load_Frog_Game_Panel(forms::Form& form);
void Initialize_Frog_Game_Page(forms::Form& form);
void Start_Frog_Game(forms::Form& form);
void Pause_Frog_Game(forms::Form& form);
void Stop_Frog_Game(forms::Form& form);
void Frog_Game_Key_Down(forms::Form& form, int key_code);
// The tick of Timer_Move_Picture on the frog page: the water, the boats and the sprites.
void Switch_Frog_Sprite(forms::Form& form);
void Reset_Frog_Button_Picture(forms::Form& form);

}  // namespace quillon
