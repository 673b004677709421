#pragma once
// Typing-box guards (called first in the boxes' key-down events: they lock a box against the
// keys that would change its text other than by typing) and the boxes' display fonts.

#include <string>

#include "forms/forms.h"

namespace quillon {

void Block_Paste_And_Delete_Keys(forms::Rich_Text_Box& box, int key_code, int shift);
void Block_Paste_Delete_And_Backspace_Keys(forms::Rich_Text_Box& box, int key_code, int shift);
void Block_Paste_Keys(forms::Rich_Text_Box& box, int key_code, int shift);
// Empties the box and gives it the English (0) or Chinese (1) display font.
void Reset_RichText_Font(forms::Rich_Text_Box& box, int font_kind);
// Appends every installed font to the Chinese or the English combo box (or to neither): a font
// goes to a list only when it shows that list's practice text (never a vertical "@" face).
void Fill_Font_Combo(forms::Native_Control& chinese_combo, forms::Native_Control& english_combo);
// Whether text set in the named font shows every character of the practice text of that kind
// (0 English, 1 Chinese; Practice_Sample): the face the platform draws for that name, installed
// or substituted, has them all. A vertical "@" face never does.
bool Font_Shows_Practice_Text(const std::string& name, int font_kind);

// The font name of the whole box, and the one typing at the caret uses.
std::string RichText_Font_Name(const forms::Rich_Text_Box& box);
std::string RichText_Sel_Font_Name(const forms::Rich_Text_Box& box);

}  // namespace quillon
