#pragma once
// Plain versions of the shell's later screens and services, enough to keep every road of the
// program running until their full versions replace them: display scaling, the ready prompt and
// the input-method notice, the About box and the keyboard layouts and window hot key.
// (The skin, function bar, slides and picture message boxes are in their own modules, included
// here for the code that still looks for them in this header.)

#include <string>

#include "forms/forms.h"
#include "shell/function_bar.h"
#include "shell/panel_slides.h"
#include "shell/picture_boxes.h"
#include "shell/skin.h"

namespace quillon {

// ---- Display scaling ----
float Get_Scale_Factor();  // 1: windows keep their design sizes
void Scale_Form(forms::Form& form, float factor);

// ---- Prompts ----
void Show_Form_Begin_Type();
void Show_Form_WubiPin();

// ---- About box ----
forms::Form& Form_About();
void Close_About(forms::Form& main_form);

// ---- Context menu ----
// The main window's context menu at the pointer (minimise, exit); the right button chooses too.
void Show_Main_Context_Menu(forms::Form& form);

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
