#pragma once
// The function-settings and system-settings dialogs as the shell sees them until their full
// versions arrive: each opens modally over the main window and closes with its OK button; the
// system-settings dialog takes the window hot key away while it is open.

namespace forms {
class Form;
}

namespace quillon {

forms::Form& Form_Control();
forms::Form& Form_System_Set();
// Shows the dialog modally over the main window.
void Show_Form_Control(forms::Form& owner);
void Show_Form_System_Set(forms::Form& owner);

}  // namespace quillon
