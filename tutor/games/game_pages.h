#pragma once
// The four games as the shell sees them until their full versions arrive: each page waits for
// Enter, each start plays the game's music and runs its timers; keys are taken but not judged.

namespace forms {
class Form;
}

namespace quillon {

void Load_Police_Game_Panel(forms::Form& form);
void Load_Apple_Game_Panel(forms::Form& form);
void Load_Mouse_Game_Panel(forms::Form& form);
void Load_Frog_Game_Panel(forms::Form& form);
void Initialize_Police_Game_Page(forms::Form& form);
void Initialize_Apple_Game_Page(forms::Form& form);
void Initialize_Mouse_Game_Page(forms::Form& form);
void Initialize_Frog_Game_Page(forms::Form& form);
void Start_Police_Game(forms::Form& form);
void Start_Apple_Game(forms::Form& form);
void Start_Mouse_Game(forms::Form& form);
void Start_Frog_Game(forms::Form& form);
void Stop_Police_Game(forms::Form& form);

}  // namespace quillon
