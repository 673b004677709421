#pragma once
// The four games as the shell sees them: police and thief (games/police_page.h), balloons and
// wolves (games/apple_page.h) and mouse catching (games/mouse_page.h) play; the frog page has its
// frame (cover, buttons, start with the music, pause and stop) until its play arrives.

#include "games/apple_page.h"
#include "games/mouse_page.h"
#include "games/police_page.h"

namespace forms {
class Form;
}

namespace quillon {

void Design_Frog_Game_Page(forms::Form& form);
void Load_Frog_Game_Panel(forms::Form& form);
void Initialize_Frog_Game_Page(forms::Form& form);
void Start_Frog_Game(forms::Form& form);
void Pause_Frog_Game(forms::Form& form);
void Stop_Frog_Game(forms::Form& form);
void Reset_Frog_Button_Picture(forms::Form& form);

}  // namespace quillon
