#pragma once
// The tutor's shared application state: every global that more than one screen reads or writes.
// This module holds data only; the values are assigned by Ini_System and
// Initialize_Global_Variant at start-up and by the screens while the program runs.
//
// Conventions: 88 means "none" in every index global; flags are bool; times in seconds are
// doubles taken from Tick_Seconds() (services/utilities.h), which never wraps.

#include <string>
#include <vector>

namespace quillon {

// A one-dimensional array with 1-based bounds 1 To Upper(), as the lesson data is kept.
// Element 0 of the underlying vector is unused. A fresh array has the single element 1.
template <class T>
class Session_Array {
 public:
  Session_Array() : items_(2) {}
  int Upper() const { return static_cast<int>(items_.size()) - 1; }
  // Re-creates the array empty with bounds 1 To upper (upper >= 1).
  void Redim(int upper) { items_.assign(static_cast<size_t>(upper < 1 ? 1 : upper) + 1, T{}); }
  // Keeps the elements, changes the upper bound.
  void Redim_Preserve(int upper) { items_.resize(static_cast<size_t>(upper < 1 ? 1 : upper) + 1); }
  using reference = typename std::vector<T>::reference;  // a proxy for bool
  using const_reference = typename std::vector<T>::const_reference;
  reference operator()(int i) { return items_.at(static_cast<size_t>(i)); }
  const_reference operator()(int i) const { return items_.at(static_cast<size_t>(i)); }

 private:
  std::vector<T> items_;
};

// One sample of free typing's speed curve: elapsed minutes net of pauses, characters per minute.
struct Speed_Sample {
  float Minutes = 0;
  float Speed = 0;
};

// ---- Set by Ini_System ----
extern float Scale_Factor;
extern bool Sound_Card_Present;
extern std::string BG_Music_File;
extern std::string Resource_Library_Path;
extern int BG_Music_On;
extern int Sound_On;
extern int Music_KB_On;
extern std::string English_Font_File;
extern std::string Chinese_Font_File;
extern float Move_Step_Num;
extern bool English_Font_Added;
extern bool Chinese_Font_Added;

// ---- Set by Initialize_Global_Variant ----
extern bool IME_Shape_Key_Pending;
extern int Current_Panel;
extern int Screen_Function_Module;
extern bool Function_Module_Hover_Enabled;
extern int Selected_Function_Module;
extern int Hover_Function_Module;
extern bool Free_Type_Hover_Enabled;
extern bool Police_Buttons_Normal;
extern bool Apple_Buttons_Normal;
extern bool Mouse_Buttons_Normal;
extern bool Frog_Buttons_Normal;
extern bool Frog_Page_First;
extern int Hover_English_Type;
extern int Hover_Chinese_Type;
extern int Hover_Game;
extern int Hover_Speed_Test;
extern int Hover_Other_Function;
extern int Open_PopMenu;
extern bool PopMenu_Opening;   // a drop-down menu is unrolling
extern bool Mouse_In_PopMenu;  // the pointer has been on a menu item since the last close-on-leave
extern bool About_First_Activate;
extern bool Key_Char_Page_First;
extern bool Word_Page_First;
extern bool Article_Page_First;
extern std::string Word_Lesson_Name[8];
extern std::string Article_Kind_Name[6];
extern std::string File_Dialog_Folder[5];  // 1 To 4; element 0 unused
extern std::string Samples_Folder;

// The per-exercise arrays (Clear_Session_Arrays brings them back to bounds 1 To 1). The keys
// lesson lines (Lesson_Line_Char, Lesson_Line_Head) are kept by the courses (courses/lesson_lines.h).
extern Session_Array<Speed_Sample> Speed_Curve_Samples;
extern Session_Array<std::string> In_Test_Source_Chars;
extern Session_Array<std::string> Word_Char;
extern Session_Array<std::string> Word_Explain_Char;
extern Session_Array<std::string> Article_Char;       // one character per element
extern Session_Array<std::string> Article_Line_Char;  // one character per element
extern Session_Array<bool> Char_Right_Mark;

// ---- Exercise state and re-entry flags (start at zero / empty / false) ----
extern int Current_Exercise_Kind;
extern int Current_Type_Method;
extern int Current_Language;
extern int Article_Lesson;
extern std::string Lesson_Folder;
extern bool Panel_Keys_Enabled;
extern bool Exercise_Running;
extern bool Ignore_Text_Change;
extern bool Direct_Command;
extern bool Panel_Moving;
extern bool No_Move_Sound;
extern bool Redraw_Selected_Module;
extern bool Ctrl_Key_Down;
extern bool Key_Char_Paused;
extern bool Key_Char_Miss_Limit;
extern bool Audition_Playing;
extern bool Text_End_Reached;
extern double Text_End_Time;
extern int Audition_IME_Index;
extern bool Apple_Game_Stop;
extern bool Mouse_Game_Stop;
extern int Current_Remember_Flag;
extern double Practice_Start_Time;
extern bool Line_End_Entered;

// ---- Text practice (articles typed in their layouts, dictation, Wubi) ----
// The next expected position: 1-based within the line in the line practices; the characters
// passed in the multi-line and dictation layouts; the caret offset in the overwrite layout.
extern int Char_Position;
extern int Text_Length;
extern int Typed_Char_Count;  // a line break counts two
extern int Right_Char_Count;
extern float Accuracy_Ratio;  // Right_Char_Count / Typed_Char_Count, 1 while nothing is typed
extern float Progress_Ratio;  // Char_Position / Text_Length

// ---- Answers of the picture message boxes ----
extern int Dialog_Answer;        // 0 first button, 1 second
extern int Retry_Dialog_Answer;  // 0 yes/next, 1 retry/repeat, 2 no/cancel

// ---- Input methods and the window activation hot key ----
extern std::string Wubi_Layout_ID;
extern std::string PinYin_Layout_ID;
extern int Active_Shift;
extern int Active_Key_Code;

}  // namespace quillon
