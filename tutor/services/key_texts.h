#pragma once
// The texts of a window hot key as the system-settings dialog shows them.

#include <string>

namespace quillon {

// "Ctrl+", then "Shift+", then "Alt+", each when its flag (2, 1, 4) is set; "" for none.
std::string Get_Shift_Text(int shift);
// The key's name: digits and letters their own character, F1 to F12, the punctuation keys of the
// main keyboard; "" for any other key (Enter, Space, arrows, the keypad, a modifier alone ...).
std::string Get_Key_Text(int key_code);

}  // namespace quillon
