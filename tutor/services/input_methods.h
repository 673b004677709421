#pragma once
// The ready prompt, the input-method notice, the keyboard layouts and input methods the practices
// switch to, and the window hot key that brings the tutor forward.

#include "forms/forms.h"

namespace quillon {

// ---- Prompts ----
void Show_Form_Begin_Type();
void Show_Form_WubiPin();

// ---- Keyboard layouts, input methods and the window hot key ----
void Switch_To_English_Layout();
void Switch_To_Wubi_IME();
void Switch_To_PinYin_IME();
void Find_Chinese_IME();
void Set_Active_Hot_Key(forms::Form& form);
void Clear_Active_Hot_Key(forms::Form& form);
// The combination that activates the form window (shift flags * 256 + key code), 0 for none.
int Active_Hot_Key_Of(forms::Form& form);

}  // namespace quillon
