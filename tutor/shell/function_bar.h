#pragma once
// The function bar along the top of the main window (Image_Function_Module 0-10) and its five
// drop-down menus (outer boxes Picture_BG_PopMenu_BG 0-4 holding the inner boxes
// Picture_BG_PopMenu 0-4 with the items). Buttons and items have no picture at rest (the face
// shows through); button i shows "m" 2i+1 while hovered and "m" 2i+2 while selected, item i of a
// menu its prefix ("menue", "menuc", "menuy", "menuce", "menuq") followed by i while hovered.
// What a click finally does belongs to the commands (shell/commands.h).

#include <functional>

#include "forms/forms.h"

namespace quillon {

void Select_Function_Module(forms::Form& form, int button);
void Show_Function_Module_Hover(forms::Form& form, int button);
void Reset_Function_Module_Picture(forms::Form& form);
void Prepare_Function_Module_Click(forms::Form& form, int button);
void Restore_Function_Module_Picture(forms::Form& form, int button);
// Unrolls the drop-down menu Open_PopMenu downwards in Move_Step_Num + 1 steps of 10 ms.
void Show_PopMenu(forms::Form& form);
void Clear_PopMenu_Item_Picture(forms::Form& form);
void Close_PopMenu(forms::Form& form);
void Close_PopMenu_On_Leave(forms::Form& form);
// Hover over item `item` of drop-down menu `menu` (0-4).
void Show_PopMenu_Item_Hover(forms::Form& form, int menu, int item);

// The item array of a drop-down menu ("Image_English_Type" ...), nullptr for another index.
const char* PopMenu_Item_Array(int menu);

// Tests watch the animations: called after each step of an unrolling menu ("menu", its height)
// and of a slide ("out" / "in", the panel's left), before the step's wait. Empty: nobody watches.
using Animation_Watcher = std::function<void(const char* what, int value)>;
void Set_Animation_Watcher(Animation_Watcher watcher);
void Watch_Animation(const char* what, int value);

}  // namespace quillon
