#pragma once
// The system-settings dialog Form_System_Set ("系统设置"): background music, sound effects and the
// per-key notes, the window's front and close hot keys captured from key presses, and the English
// and Chinese display fonts. OK stores them, Cancel nothing, Default fills the defaults; Enter is
// OK and Esc Cancel on release. The main window has no front hot key while the dialog is open.

#include "forms/forms.h"
#include "settings/hot_key_capture.h"

namespace quillon {

forms::Form& Form_System_Set();
void Show_Form_System_Set(forms::Form& owner);

// The two capture boxes' state (front hot key, close hot key) while the dialog is open.
Hot_Key_Box& Active_Hot_Key_Box();
Hot_Key_Box& Close_Hot_Key_Box();

void Image_System_Set_Yes_Or_No_Click(int index);  // 0 OK, 1 Cancel, 2 Default
// Selects the item equal to the name (exact). A name not in the list is added and selected when
// the face drawn for it shows the practice text of the font kind (0 English, 1 Chinese);
// otherwise the kind's default face is selected, or item 0 when the list lacks it.
void Ini_Font_Combo(forms::Combo_Box& combo, const std::string& font_name, int font_kind);

}  // namespace quillon
