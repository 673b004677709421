#pragma once
// The shell's decisions as plain tables: which command a command key runs, where a key of the
// main window goes, which tick procedure a timer tick runs, which folder and panel a course uses,
// what the reset flag file asks for, which keys a typing box refuses and which font list a font
// belongs to. No window code here.

#include <string>
#include <vector>

#include "services/screen_ids.h"
#include "services/service_tables.h"

namespace quillon {


// ---- Command keys of the main window ----
enum class Hot_Key_Command {
  None,
  Exit,               // function-bar button Exit
  Minimise,           // function-bar button Minimise
  About,              // function-bar button About
  Help,               // function-bar button Help
  Tutorial,           // other-functions item Tutorial
  Function_Settings,  // function-bar button Function_Settings
  System_Settings,    // other-functions item System_Settings
  Records,            // button Other_Functions, then item Records, under Direct_Command
};
// The first matching row wins; the shift state is compared as a whole.
Hot_Key_Command Find_Hot_Key_Command(int key_code, int shift, int close_key_code, int close_shift);
// Commands that may run while a panel slides: the exit, and the two that change no screen (the
// system-settings dialog and the tutorial).
inline bool Runs_During_Slide(Hot_Key_Command c) {
  return c == Hot_Key_Command::Exit || c == Hot_Key_Command::System_Settings ||
         c == Hot_Key_Command::Tutorial;
}

// ---- Courses ----
// "\English\Article\<n>\" and friends.
std::string English_Article_Folder(int article_lesson);
std::string Chinese_Article_Folder(int article_lesson);
inline const char* English_Audition_Folder() { return "\\English\\Audition\\"; }
inline const char* Chinese_Audition_Folder() { return "\\Chinese\\Audition\\"; }
inline const char* Wubi_Line_Folder() { return "\\Chinese\\Wubi\\"; }
// Panel of the Wubi practice: line practice for type method 2, else the articles panel.
inline Panel_Id Wubi_Panel(int type_method) {
  return type_method == 2 ? Panel_Id::Wubi_Lines : Panel_Id::Article;
}

// ---- Reset flag file ----
struct Reset_Flag_Decision {
  bool delete_settings = false;  // delete the whole section "Setting"
  bool rewrite = false;          // write the file as the single line "0"
};
// `exists`: a file is at the path; `first_line` as read (nullptr when it could not be read).
Reset_Flag_Decision Decide_Reset_Flag(bool exists, const std::string* first_line);
// The first line of a file's content (up to CR or LF).
std::string First_Line_Of(const std::string& content);


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



}  // namespace quillon
