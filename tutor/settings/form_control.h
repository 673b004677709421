#pragma once
// The function-settings dialog Form_Control ("功能设置") and its restart question
// Form_Control_Set_Change. The dialog shows the options of every exercise on twelve picture tabs
// numbered like the exercise kinds and keeps them in the settings store: OK saves every key,
// Cancel nothing, Default puts the defaults into the controls. When OK finds an option of the open
// practice changed, the question asks whether to restart it; yes re-enters it through its menu.
// Keys act on release, in the window that saw them pressed.

#include "forms/forms.h"

namespace quillon {

forms::Form& Form_Control();
forms::Form& Form_Control_Set_Change();
// Set by OK's change detection, read after the dialog has closed.
extern bool Control_Set_Changed;

// Shows the dialog modally over the main window, on the tab of the open exercise.
void Show_Form_Control(forms::Form& owner);

// The dialog's operations (its buttons and keys run them).
void Initialize_Parameter();
void Set_Default_Item();
void Set_Changed_Item();
void Set_Changed_Item_Initialize();
bool Change_Flag(int tab);
void Deal_With_Change_Flag(int tab);
void Image_Control_Set_Yes_Or_No_Click(int index);  // 0 OK, 1 Cancel, 2 Default

// The text a control of the dialog shows as its value (a check box's, group's, list's or slider's
// number, a number box's text).
std::string Control_Value_Text(const char* control);

}  // namespace quillon
