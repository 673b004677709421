#pragma once
// Changing screens: the panel on show (Picture_BG(Current_Panel)) slides out to the right and is
// hidden, the new page is set up, and the new panel slides in from the right edge. Panel_Moving
// is set from the start of the slide-out to the end of the slide-in.

#include "forms/forms.h"

namespace quillon {

// The number of animation steps for the display's colour depth: 15 up to 24 bits, 5 above.
int Get_Move_Step_Num();
// Slides the panel on show out (plays the drum unless No_Move_Sound); with no panel on show yet,
// only places panel `panel` beyond the right edge.
void Move_Panel_Out(forms::Form& form, int panel);
// Makes `panel` the panel on show and slides it in; clears Panel_Moving at its end.
void Move_Panel_In(forms::Form& form, int panel);

}  // namespace quillon
