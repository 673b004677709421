#pragma once
// The About box Form_About ("关于青岚键坊"): the main window hides, the box zooms open from its
// centre line, frameless and topmost, and its credits strip with the registered user scrolls in
// its viewport; OK, Enter, Esc, Space, Ctrl+Y, Alt+F4 or a left click on its face close it once,
// with the reverse zoom. "About Flag" is "1" while it is open and "0" after; the main window then
// comes back to the front, and the police game's timer runs again only if it ran before. The
// music the box started plays on.

#include "forms/forms.h"

namespace quillon {

forms::Form& Form_About();
// Hides the main window and opens the box (the main window comes back if the box cannot show).
void Show_About_Box(forms::Form& main_form);
// The close procedure of every close path.
void Command_Close_Click();
// The zooms and the credits loop.
void Zoom_Form(forms::Form& box, bool closing);
void Scroll_About_Picture(forms::Form& box);

// The box's geometry at its first activation in the run (twips), the zooms' reference.
extern float About_Left, About_Top, About_Width;

}  // namespace quillon
