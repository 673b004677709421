#pragma once
// The main window's key events and its two shared timers: command keys first, then the keys and
// ticks of the exercise on show.

#include "forms/forms.h"

namespace quillon {

void Form_KeyDown(forms::Form& form, int key_code, int shift);
void Form_KeyPress(forms::Form& form, int key_ascii);
void Form_KeyUp(forms::Form& form, int key_code, int shift);
void Dispatch_Timer_Check(forms::Form& form);
void Dispatch_Timer_Move_Picture(forms::Form& form);

// A tick that keeps failing reports its error once: the same error of the same tick is not
// shown again until a tick succeeds or the screen changes (called by Stop_Current_Exercise).
void Forget_Tick_Error();

}  // namespace quillon
