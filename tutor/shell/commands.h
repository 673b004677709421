#pragma once
// The main window's commands: the function bar, the five drop-down menus' items, the command
// keys, and the change from one exercise screen to another.

#include <windows.h>

#include <functional>
#include <string>

#include "forms/forms.h"

namespace quillon {

void Do_Function_Module(forms::Form& form, int button);
void Show_About(forms::Form& form, int button);
void Enter_Free_Type(forms::Form& form);

void Do_English_Type_Item(forms::Form& form, int item);
void Do_Chinese_Type_Item(forms::Form& form, int item);
void Do_Game_Item(forms::Form& form, int item);
void Do_Speed_Test_Item(forms::Form& form, int item);
void Do_Other_Function_Item(forms::Form& form, int item);
// Preparations: false when the item must not go on (dictation without a sound card).
bool Prepare_English_Type_Item(forms::Form& form, int item);
bool Prepare_Chinese_Type_Item(forms::Form& form, int item);
void Prepare_Game_Item(forms::Form& form, int item);
void Prepare_Speed_Test_Item(forms::Form& form, int item);
void Prepare_Other_Function_Item(forms::Form& form, int item);

void Enter_Audition(forms::Form& form);
void Enter_User_Record(forms::Form& form);

void Stop_Current_Exercise(forms::Form& form);
void Reset_Exercise_Flags();
void Disable_Exercise_Timers(forms::Form& form);
void Clear_Session_Arrays();
void Stop_All_Sounds();

void Check_Hot_Key(forms::Form& form, int key_code, int shift);

// The calls to the help program and the shell; tests replace them (empty: the real calls).
struct Outside_Calls {
  std::function<void(HWND owner, const std::string& help_file)> Open_Help;
  std::function<void(const std::string& target, int show)> Shell_Open;
};
Outside_Calls& Outside();

}  // namespace quillon
