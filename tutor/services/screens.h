#pragma once
// The screen table: one row per exercise screen, the only place where the shell learns what a
// screen does. A row names the screen's panel, the menu items and buttons that open it, and its
// entry points: the page set-up (between the slides), what runs once its panel is in, its start
// by key, the keys and ticks of the main window it takes, and the commands it answers. The
// shell's dispatch, key routing, tick routing and menus read only this table; the screens never
// call one another. The rows are registered at start-up (Register_All_Screens, tutor/screen_table.h);
// tests replace entry points in place. An empty entry point does nothing.

#include <functional>
#include <vector>

#include "services/screen_ids.h"

namespace forms {
class Form;
}

namespace quillon {

using Form_Entry = std::function<void(forms::Form&)>;
using Form_Key_Entry = std::function<void(forms::Form&, int key_code)>;

// How the main window's key-down reaches a screen while Panel_Keys_Enabled is set.
enum class Start_Key { None, Any, Enter };  // the key that starts the idle screen
enum class Screen_Keys {
  None,
  Note_Ctrl,           // Ctrl_Key_Down = (shift state is exactly Ctrl)
  All_But_Enter,       // key_down with the key code; Enter does nothing
  All,                 // key_down with the key code, Enter too
};
struct Key_Rules {
  Start_Key start = Start_Key::None;
  Screen_Keys idle = Screen_Keys::None;     // idle and not a start key
  Screen_Keys running = Screen_Keys::None;  // while Exercise_Running
};

// What the main window's key-down does on a screen.
enum class Key_Action { None, Start, Screen_Key, Note_Ctrl_Key_Down };
Key_Action Route_Key_Down(const Key_Rules& rules, bool exercise_running, int key_code);

// Commands of the function bar, the menus and the command keys that a screen answers without
// being on show (the settings dialogs).
enum class Screen_Command { Show_Form_Control, Show_Form_System_Set };

// A menu item or function-bar button that opens a screen, with the item's own choices.
struct Screen_Opening {
  Menu_Entry item;                             // Menu::None: opened by a button
  void (*choose)() = nullptr;                  // language and lesson folder, before the page
  void (*after_start)() = nullptr;             // after the start: the input method
  bool choose_after_page = false;              // the folder is chosen after the page set-up
  bool after_start_even_on_failure = false;    // the input method follows a failed change too
};

struct Screen {
  const char* name = "";  // unique in the table
  Exercise_Kind kind = Exercise_Kind::None;
  Panel_Id panel = Panel_Id::None;       // the panel it shows, whose keys and ticks it takes
  Panel_Id (*choose_panel)() = nullptr;  // when a setting chooses the panel instead
  bool (*claims_panel)() = nullptr;      // shares its panel: takes its ticks while this is true
  bool needs_sound_card = false;         // refused (with a message) without one; no click sound
  bool quiet_slide = false;              // no drum while sliding; music closed before the start
  std::vector<Screen_Opening> openings{};
  // Entry points.
  Form_Entry page{};           // sets the page up between the slide-out and the slide-in
  Form_Entry shown{};          // after the slide-in: starts the lesson or readies the game
  Form_Entry start{};          // the start key of an idle screen
  Key_Rules keys{};
  Form_Key_Entry key_down{};   // keys of the running screen
  Form_Key_Entry key_press{};  // characters of the running, unpaused screen
  Form_Entry key_up{};         // the key-up after the practice asked for one (Key_Char_Miss_Limit)
  Form_Entry tick{};           // Timer_Check
  Form_Entry move_picture{};   // Timer_Move_Picture
  std::vector<std::pair<Screen_Command, Form_Entry>> commands{};
  Form_Entry design{};         // adds the screen's own controls to the main window while it is designed
  Form_Entry page_reset{};     // a pointer move over its panel: its buttons' hover looks taken off
};

// The table. Registering a row under a name already registered replaces that row.
void Register_Screen(Screen screen);
std::vector<Screen>& Screens();

// The row of that name; nullptr when none is registered.
Screen* Screen_Named(const char* name);
// The row whose keys and ticks the panel takes: the first row on the panel that claims it,
// otherwise the first that claims nothing; nullptr when none.
const Screen* Screen_On(int panel);
// The row a menu item opens and that opening; nullptr when none.
const Screen* Screen_Opened_By(Menu_Entry item, const Screen_Opening** opening);
// The page reset of a panel: that of the first row on the panel that has one; nullptr when none.
const Form_Entry* Page_Reset_Of(int panel);
// The row that answers a command; nullptr when none.
const Form_Entry* Screen_Command_Entry(Screen_Command command);

// Calls an entry point when it is there.
inline void Call(const Form_Entry& entry, forms::Form& form) {
  if (entry) entry(form);
}
inline void Call(const Form_Key_Entry& entry, forms::Form& form, int key) {
  if (entry) entry(form, key);
}

}  // namespace quillon
