#pragma once
// The four games as the shell sees them: police and thief (games/police_page.h) and balloons and
// wolves (games/apple_page.h) play; the mouse and frog pages have their frame (cover, buttons,
// start with the music, pause and stop) until their play arrives.

#include "games/apple_page.h"
#include "games/police_page.h"

namespace forms {
class Form;
}

namespace quillon {

void Design_Mouse_Game_Page(forms::Form& form);
void Load_Mouse_Game_Panel(forms::Form& form);
void Initialize_Mouse_Game_Page(forms::Form& form);
void Start_Mouse_Game(forms::Form& form);
void Pause_Mouse_Game(forms::Form& form);
void Stop_Mouse_Game(forms::Form& form);
void Reset_Mouse_Button_Picture(forms::Form& form);

}  // namespace quillon
