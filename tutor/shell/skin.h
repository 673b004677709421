#pragma once
// The main window's skin: its face and hand cursors, the grey title strip while another window is
// in front, and moving the borderless window by its background.
//
// The visibility of Image_Main_Form_Up is the only record of the title state: shown means that
// the main window is not the foreground window.

#include "forms/forms.h"

namespace quillon {

// Draws the face ("myjm"), gives the title cover its picture ("jmhui", hidden), draws the link's
// active look and gives every function-bar button, drop-down menu item and link the hand cursor.
void Load_Main_Form_Picture_and_Mouse_Icon(forms::Form& form);
// Tick of Timer_Check_System_Focus (300 ms): follows the foreground window; draws only on change.
void Timer_Check_System_Focus_Timer(forms::Form& form);
// Starts the system's move of the form's window as if its caption had been grabbed.
void Drag_Form(forms::Form& form);

// The leave reset of the surfaces between the buttons: hover looks taken away, a drop-down menu
// that the pointer has left closed.
void Main_Surface_Mouse_Move(forms::Form& form);

}  // namespace quillon
