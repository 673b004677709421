#pragma once
// Keyboard layouts and input methods: the installed Chinese input methods found in the
// preloaded-layout list, the chosen Wubi and PinYin method of each kind, the switches between the
// US English layout and those methods, NumLock for the keypad lessons, the window hot key that
// brings the tutor forward, and the texts of a captured hot key.
//
// Layout identifiers are the platform's eight hexadecimal digits ("00000409" US English,
// "E0010804" an input method for Chinese), compared as they stand. Every procedure traps its
// errors with the error box; failing platform calls (loading or activating a layout, the hot-key
// message, the keyboard state) report nothing.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/forms.h"

namespace quillon {

// ---- The installed Chinese input methods ----

struct IME_Entry {
  std::string id;    // layout identifier
  std::string text;  // the layout's display text ("layout text")
  bool operator==(const IME_Entry&) const = default;
};

// Both tables of the last scan, in the order the function-settings dialog lists them; each ends
// with one empty entry (a table with no method holds exactly that one). The stored "Index" of a
// choice is its position here.
using IME_List = std::vector<IME_Entry>;
extern IME_List Wubi_IME_List;
extern IME_List PinYin_IME_List;
// The number of installed methods a table holds (its entries before the closing empty one).
int IME_Method_Count(const IME_List& list);

// The scan's decisions, without the registry: the preloaded layouts in preload order give both
// tables. A layout goes to neither table when it is the plain Chinese keyboard ("00000804"), US
// English, or not for Chinese at all (its language part, the last four digits, is not 0804). A
// text with "五笔" makes a Wubi method, any other text (also none) a PinYin one; the last
// "王码" Wubi method and the last "智能ABC" PinYin method found are swapped to the front.
struct IME_Tables {
  std::vector<IME_Entry> wubi, pinyin;
};
IME_Tables Sort_Chinese_IMEs(const std::vector<IME_Entry>& preloaded);

// The choice of one kind: the stored value when that method is still in the table, otherwise
// its first method; index 0, empty value and name when the table holds no method.
struct IME_Choice {
  int index = 0;
  std::string value, name;
  bool operator==(const IME_Choice&) const = default;
};
IME_Choice Choose_IME(const std::vector<IME_Entry>& table, const std::string& stored_value);

// The n-th preloaded layout identifier (n from 1) as the registry holds it for the platform kind
// ("Windows" or "NT", Get_OS_Kind), right-trimmed; "" when there is none (which ends the list)
// and on any other platform kind.
std::string Preloaded_Layout(const std::string& os_kind, int n);

// Rebuilds both tables from the preloaded layouts, chooses one method of each kind, stores
// "Index", "Value" and "Name" under "Setting\Chinese\Wubi\Code" and "...\PinYin\Code" and sets
// Wubi_Layout_ID and PinYin_Layout_ID.
void Find_Chinese_IME();

// ---- Switching ----

// Back to US English, only when an input method is active.
void Switch_To_English_Layout();
// Activates the chosen method (then, once a run, its shape toggle), or, when none is known,
// shows the input-method notice with "bgwubi" / "bgpinyin" and leaves the layout alone.
void Switch_To_Wubi_IME();
void Switch_To_PinYin_IME();
// Once a run (while IME_Shape_Key_Pending): the input method's full/half shape toggle, sent to
// the window of the tutor's active form. With no active form the toggle waits for the next switch.
void Simulate_IME_Shape_Key();
// NumLock on: on Windows 95/98 through the keyboard state, on NT by a synthesized press.
void Set_NumLock_On();

// The platform calls of the switches. Tests replace them to see what would be loaded and
// activated (Wine switches no Chinese input method); Set_Layout_Platform({}) restores the real ones.
struct Layout_Platform {
  std::function<HKL()> current_layout;                       // GetKeyboardLayout(0)
  std::function<bool(HKL)> is_ime;                           // ImmIsIME answered exactly 1
  std::function<void(const std::string&)> load_reordered;    // LoadKeyboardLayoutA(id, KLF_REORDER)
  std::function<std::vector<HKL>()> layout_list;             // GetKeyboardLayoutList, at most 25
  std::function<void(HKL)> activate;                         // ActivateKeyboardLayout(hkl, 0)
  std::function<void(HWND)> shape_toggle;                    // ImmSimulateHotKey(hwnd, 0x71)
  std::function<int()> platform_id;                          // GetVersionExA's dwPlatformId
  std::function<bool()> numlock_on;                          // keyboard-state byte of VK_NUMLOCK
  std::function<void()> set_numlock_state;                   // that byte set to 1, state written
  std::function<void()> press_numlock;                       // synthesized NumLock press and release
};
void Set_Layout_Platform(Layout_Platform platform);

// ---- The window hot key ----

void Set_Active_Hot_Key(forms::Form& form);
void Clear_Active_Hot_Key(forms::Form& form);
// The combination that activates the form window (shift flags * 256 + key code), 0 for none.
int Active_Hot_Key_Of(forms::Form& form);

// The texts the system-settings dialog shows for a captured key: the modifiers ("Ctrl+",
// "Shift+", "Alt+" in that order, from the flags 2, 1 and 4) and the key's name ("" for a key
// without one).
std::string Get_Shift_Text(int shift_flags);
std::string Get_Key_Text(int key_code);

}  // namespace quillon
