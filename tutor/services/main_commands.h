#pragma once
// The main window's commands as the screens and dialogs reach them: the shell registers its
// function-bar and menu procedures when it makes the main window, and the
// dialogs that re-enter a practice, or a screen's own surfaces, call them here.

#include "forms/forms.h"
#include "services/screen_ids.h"

namespace quillon {

struct Main_Commands {
  void (*function_module)(forms::Form&, Function_Button) = nullptr;
  void (*menu_item)(forms::Form&, Menu, int item) = nullptr;
};
void Set_Main_Commands(const Main_Commands& commands);

// The function bar's command on the main window (Do_Function_Module).
void Run_Function_Module(Function_Button button);
// An item of a drop-down menu on the main window (Do_English_Type_Item and its sisters).
void Run_Menu_Item(Menu menu, int item);

}  // namespace quillon
