#pragma once
// The shell's decisions as plain tables: which command a command key runs, where a key of the
// main window goes, which tick procedure a timer tick runs, which folder and panel a course uses,
// what the reset flag file asks for, which keys a typing box refuses and which font list a font
// belongs to. No window code here.

#include <string>
#include <vector>

namespace quillon {

// Shift states of the key events: added together.
constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;
constexpr int kNone = 88;

// ---- Command keys of the main window ----
enum class Hot_Key_Command {
  None,
  Exit,               // Do_Function_Module 10
  Minimise,           // Do_Function_Module 9
  About,              // Do_Function_Module 8
  Help,               // Do_Function_Module 7
  Tutorial,           // Do_Other_Function_Item 2
  Function_Settings,  // Do_Function_Module 6
  System_Settings,    // Do_Other_Function_Item 0
  Records,            // Do_Function_Module 5 + Do_Other_Function_Item 1 under Direct_Command
};
// The first matching row wins; the shift state is compared as a whole.
Hot_Key_Command Find_Hot_Key_Command(int key_code, int shift, int close_key_code, int close_shift);
// Commands that may run while a panel slides: the exit, and the two that change no screen (the
// system-settings dialog and the tutorial).
inline bool Runs_During_Slide(Hot_Key_Command c) {
  return c == Hot_Key_Command::Exit || c == Hot_Key_Command::System_Settings ||
         c == Hot_Key_Command::Tutorial;
}

// ---- Key routing of the main window's key-down ----
enum class Key_Action {
  None,
  Start_Key_Char_Practice,
  Note_Ctrl_Key_Down,  // Ctrl_Key_Down = (shift is exactly Ctrl)
  Start_Free_Type,
  Start_Police_Game,
  Apple_Game_Key,
  Start_Apple_Game,
  Mouse_Game_Key,
  Start_Mouse_Game,
  Frog_Game_Key,
  Start_Frog_Game,
};
Key_Action Route_Key_Down(int current_panel, bool exercise_running, int key_code);
// Starts are preceded by the click sound.
bool Is_Start_Action(Key_Action a);

// ---- Tick routing ----
enum class Tick_Action {
  None,
  Key_Char_Time_And_Speed,  // panel 0
  Audition_Time,            // panel 1 while a recording plays
  Article_Page_Time,        // panel 1 otherwise
  Police_Balk_Wait,         // panel 3
  Out_Speed_Test_Time,      // panel 7
  In_Speed_Test_Time,       // panel 8
  Word_Time_And_Speed,      // panel 9
  Wubi_Time_And_Speed,      // panel 10
};
Tick_Action Route_Timer_Check(int current_panel, bool audition_playing);

enum class Sprite_Action { None, Police, Apple, Frog };
Sprite_Action Route_Timer_Move_Picture(int current_panel);

// ---- Courses ----
// "\English\Article\<n>\" and friends.
std::string English_Article_Folder(int article_lesson);
std::string Chinese_Article_Folder(int article_lesson);
inline const char* English_Audition_Folder() { return "\\English\\Audition\\"; }
inline const char* Chinese_Audition_Folder() { return "\\Chinese\\Audition\\"; }
inline const char* Wubi_Line_Folder() { return "\\Chinese\\Wubi\\"; }
// Panel of the Wubi practice: 10 for type method 2 (line practice), else 1 (articles).
inline int Wubi_Panel(int type_method) { return type_method == 2 ? 10 : 1; }

// Panel of each exercise kind's screen (speed tests and records: -1, it depends on the item).
int Panel_Of_Exercise_Kind(int kind);

// ---- Reset flag file ----
struct Reset_Flag_Decision {
  bool delete_settings = false;  // delete the whole section "Setting"
  bool rewrite = false;          // write the file as the single line "0"
};
// `exists`: a file is at the path; `first_line` as read (nullptr when it could not be read).
Reset_Flag_Decision Decide_Reset_Flag(bool exists, const std::string* first_line);
// The first line of a file's content (up to CR or LF).
std::string First_Line_Of(const std::string& content);

// ---- Typing-box key guards ----
enum class Key_Guard { Paste_And_Delete, Paste_Delete_And_Backspace, Paste };
bool Guard_Forbids(Key_Guard guard, int key_code, int shift);

// ---- Font lists of the system-settings dialog ----
enum class Font_List { English, Chinese, Neither };
Font_List Classify_Font(const std::string& name, int charset);
// The display font setting of a kind: key "0"/"1" of "Setting\System\Font" and its default.
// False for any other kind.
bool Display_Font_Setting(int font_kind, std::string* key, std::string* default_name);

// ---- Animations ----
// Steps of the panel slides and the drop-down menus' unrolling for a display of that many bits
// per pixel: 15 up to 24 bits, 5 above.
inline int Move_Step_Num_For_Depth(int bits_per_pixel) { return bits_per_pixel <= 24 ? 15 : 5; }
// The positions a slide-out passes (0, step, 2 step, ... while <= width; step = width / steps)
// and a slide-in (width, width - step, ... while >= 0; step = width / (steps * 1.5)), before the
// final move to 0.
std::vector<int> Slide_Out_Positions(int width, float steps);
std::vector<int> Slide_In_Positions(int width, float steps);
// The heights an unrolling menu of full height `height` passes (0, step, ... while <= height;
// step = height / steps) before it is set to its full height.
std::vector<int> Unroll_Heights(int height, float steps);

// ---- Picture message boxes ----
// The button a key released on a box with `buttons` buttons (1 yes; 2 yes/no; 3 yes/retry/no)
// answers: its index, or -1 for none. Enter and Esc count with any modifiers, Ctrl+Y, Ctrl+R,
// Ctrl+N and Alt+F4 only with exactly that modifier.
int Picture_Box_Key_Button(int buttons, int key_code, int shift);

// ---- Sounds ----
// The key sound under the program folder: "\Music\Sound\type.wav" or the key's note.
std::string Key_Sound_Path(int key_index, int music_kb_on);

}  // namespace quillon
