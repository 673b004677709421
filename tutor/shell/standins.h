#pragma once
// Plain versions of the shell's later screens and services, enough to keep every road of the
// program running until their full versions replace them: display scaling, the main window's
// skin, the function bar's button looks and drop-down menus, the panel slides, the picture
// message boxes, the ready prompt, the About box and the keyboard layouts and window hot key.

#include <string>

#include "forms/forms.h"

namespace quillon {

// ---- Display scaling ----
float Get_Scale_Factor();  // 1: windows keep their design sizes
void Scale_Form(forms::Form& form, float factor);

// ---- Skin ----
void Load_Main_Form_Picture_and_Mouse_Icon(forms::Form& form);
void Timer_Check_System_Focus_Timer(forms::Form& form);

// ---- Function bar and drop-down menus ----
void Prepare_Function_Module_Click(forms::Form& form, int button);
void Show_PopMenu(forms::Form& form);
void Close_PopMenu(forms::Form& form);
void Restore_Function_Module_Picture(forms::Form& form, int button);

// ---- Panel slides ----
int Get_Move_Step_Num();
void Move_Panel_Out(forms::Form& form, int panel);
void Move_Panel_In(forms::Form& form, int panel);

// ---- Picture message boxes and prompts: the answer is the preset one ----
void Show_Form_Yes();
void Show_Form_YesNo();          // writes Dialog_Answer
void Show_Form_YesRetryNo();     // writes Retry_Dialog_Answer
void Show_Form_Game_YesNo();     // writes Dialog_Answer
void Show_Form_Game_YesRetryNo();  // writes Retry_Dialog_Answer
void Show_Form_Begin_Type();
void Show_Form_WubiPin();
// The answers the boxes give (tests and the stand-in boxes use them).
extern int Preset_Dialog_Answer;
extern int Preset_Retry_Dialog_Answer;

// ---- About box ----
forms::Form& Form_About();
void Close_About(forms::Form& main_form);

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
