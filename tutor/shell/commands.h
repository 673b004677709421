#pragma once
// The main window's commands: the function bar, the five drop-down menus' items, the command
// keys, and the change from one exercise screen to another.

#include <windows.h>

#include <functional>
#include <string>

#include "forms/forms.h"
#include "services/screen_ids.h"

namespace quillon {

struct Screen;

void Do_Function_Module(forms::Form& form, Function_Button button);
// A button by its index in the control array (nothing for another index).
void Do_Function_Module(forms::Form& form, int button);
void Show_About(forms::Form& form, int button);
void Enter_Free_Type(forms::Form& form);
// Unrolls a drop-down menu (none under Direct_Command).
void Open_Menu(forms::Form& form, Menu menu);

// An item of a drop-down menu: the screen the table says it opens, or the other functions'
// commands. Each menu's item procedure is this with its menu.
void Do_Menu_Item(forms::Form& form, Menu menu, int item);
inline void Do_Menu_Item(forms::Form& form, Menu_Entry entry) {
  Do_Menu_Item(form, entry.menu, entry.item);
}
void Do_English_Type_Item(forms::Form& form, int item);
void Do_Chinese_Type_Item(forms::Form& form, int item);
void Do_Game_Item(forms::Form& form, int item);
void Do_Speed_Test_Item(forms::Form& form, int item);
void Do_Other_Function_Item(forms::Form& form, int item);
// The preparation of every menu item: click sound, menu hidden; false when the item must not go
// on (dictation without a sound card). `screen`: the screen the item opens, if any.
bool Prepare_Menu_Item(forms::Form& form, Menu menu, const Screen* screen);

void Enter_User_Record(forms::Form& form);

void Stop_Current_Exercise(forms::Form& form);
void Reset_Exercise_Flags();
void Disable_Exercise_Timers(forms::Form& form);
void Clear_Session_Arrays();
void Stop_All_Sounds();

// Runs the command of a command key; true when the key is one (it then goes no further).
bool Check_Hot_Key(forms::Form& form, int key_code, int shift);

// Raises a flag for the length of a scope and lowers it on every way out (Direct_Command).
struct Raised {
  explicit Raised(bool& f) : flag(f) { flag = true; }
  ~Raised() { flag = false; }
  Raised(const Raised&) = delete;
  Raised& operator=(const Raised&) = delete;
  bool& flag;
};

// The calls to the help program and the shell; tests replace them (empty: the real calls).
struct Outside_Calls {
  std::function<void(HWND owner, const std::string& help_file)> Open_Help;
  std::function<void(const std::string& target, int show)> Shell_Open;
};
Outside_Calls& Outside();

}  // namespace quillon
