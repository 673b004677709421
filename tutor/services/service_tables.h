#pragma once
// The services' decisions as plain tables: which keys a typing box refuses, which font list a font
// belongs to, the display font settings, the key sound of a key and the keys of the picture
// message boxes. No window code here.

#include <string>

namespace quillon {

// ---- Typing-box key guards ----
enum class Key_Guard { Paste_And_Delete, Paste_Delete_And_Backspace, Paste };
bool Guard_Forbids(Key_Guard guard, int key_code, int shift);

// ---- Font lists of the system-settings dialog ----
enum class Font_List { English, Chinese, Neither };
Font_List Classify_Font(const std::string& name, int charset);
// The display font setting of a kind: key "0"/"1" of "Setting\System\Font" and its default.
// False for any other kind.
bool Display_Font_Setting(int font_kind, std::string* key, std::string* default_name);
// The characters a display font of that kind must show for the practices set in it: letters,
// digits and punctuation (English), common characters and full-width punctuation (Chinese);
// empty for any other kind.
std::wstring Practice_Sample(int font_kind);

// ---- Sounds ----
// The key sound under the program folder: "\Music\Sound\type.wav" or the key's note.
std::string Key_Sound_Path(int key_index, int music_kb_on);

// ---- Picture message boxes ----
// The button a key released on a box with `buttons` buttons (1 yes; 2 yes/no; 3 yes/retry/no)
// answers: its index, or -1 for none. Enter and Esc count with any modifiers, Ctrl+Y, Ctrl+R,
// Ctrl+N and Alt+F4 only with exactly that modifier; Space (any modifiers) answers the first
// button where space_answers says so.
int Picture_Box_Key_Button(int buttons, int key_code, int shift, bool space_answers = false);


}  // namespace quillon
