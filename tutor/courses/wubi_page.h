#pragma once
// The Wubi practice (五笔练习, Chinese menu item 0). Type method 2 is the line practice on panel 10
// of the main window (Picture_BG(10)): the line to copy, the typing box, the heading, the code
// hint, time, progress and speed bar, and the hidden code table; this module builds those
// controls, draws what the practice (courses/wubi_practice.h) asks for and forwards the typing
// box's events to it. Type methods 0 and 1 practise the Chinese articles on panel 1.

#include "courses/wubi_practice.h"
#include "forms/forms.h"

namespace quillon {

// The line practice the page drives (one per program run).
Wubi_Line_Practice& Wubi_Lines();

// Adds panel 10's controls to the main window while it is designed.
void Design_Wubi_Page(forms::Form& form);
// The entry points of the screen table.
void Initialize_Wubi_Page(forms::Form& form);
void Start_Wubi_Lesson(forms::Form& form);
void Update_Wubi_Time_And_Speed(forms::Form& form);

}  // namespace quillon
