#pragma once
// The entry points of the exercises that the shell calls: page set-ups, starts, key workers and
// ticks of the courses, free typing, speed tests, records, games and the settings dialogs. The
// shell calls them through this table, so that each exercise module installs its own procedures
// at start-up (Install_Exercise_Entries) and tests can watch the dispatch. An empty entry does
// nothing.

#include <functional>
#include <vector>

namespace forms {
class Form;
}

namespace quillon {

using Form_Entry = std::function<void(forms::Form&)>;
using Form_Key_Entry = std::function<void(forms::Form&, int key_code)>;

struct Exercise_Entries {
  // Keys practice.
  Form_Entry Initialize_Key_Char_Page, Start_Key_Char_Lesson, Start_Key_Char_Practice,
      Update_Key_Char_Time_And_Speed, Ask_Key_Char_Line_Retry;
  Form_Key_Entry Key_Char_Key_Press;  // the character code
  // Words.
  Form_Entry Initialize_Word_Page, Start_Word_Lesson, Update_Word_Time_And_Speed;
  // Wubi.
  Form_Entry Initialize_Wubi_Page, Start_Wubi_Lesson, Update_Wubi_Time_And_Speed;
  // Articles and dictation.
  Form_Entry Initialize_English_Article_Page, Start_English_Article_Lesson, Initialize_PinYin_Page,
      Start_PinYin_Lesson, Initialize_Audition_Page, Start_Audition_Lesson,
      Update_Article_Page_Time, Update_Audition_Time;
  // Free typing, speed tests, records.
  Form_Entry Initialize_Free_Type_Page, Start_Free_Type, Initialize_Out_Speed_Test_Page,
      Initialize_In_Speed_Test_Page, Update_Out_Speed_Test_Time, Update_In_Speed_Test_Time,
      Initialize_Record_Grid, Load_Records;
  // Games.
  Form_Entry Load_Police_Game_Panel, Load_Apple_Game_Panel, Load_Mouse_Game_Panel,
      Load_Frog_Game_Panel, Initialize_Police_Game_Page, Initialize_Apple_Game_Page,
      Initialize_Mouse_Game_Page, Initialize_Frog_Game_Page, Start_Police_Game, Start_Apple_Game,
      Start_Mouse_Game, Start_Frog_Game, Switch_Police_Sprite, Switch_Apple_Sprite,
      Switch_Frog_Sprite, Update_Police_Balk_Wait;
  Form_Key_Entry Apple_Game_Key_Down, Mouse_Game_Key_Down, Frog_Game_Key_Down;
  // Settings dialogs, shown modally over the main window.
  Form_Entry Show_Form_Control, Show_Form_System_Set;
  // Adds an exercise's own controls to the main window while it is designed.
  std::vector<Form_Entry> Design_Main_Form;
};

// The table the shell dispatches through.
Exercise_Entries& Exercises();

// Calls an entry when it is installed.
inline void Call(const Form_Entry& entry, forms::Form& form) {
  if (entry) entry(form);
}
inline void Call(const Form_Key_Entry& entry, forms::Form& form, int key) {
  if (entry) entry(form, key);
}

// Installs every exercise module's procedures (the stand-ins where no module exists yet).
void Install_Exercise_Entries();

}  // namespace quillon
