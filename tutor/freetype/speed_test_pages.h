#pragma once
// The two speed tests' pages and the records screen as the screen table calls them.
//   panel 7: the free-text test: what the user types in a box, timed from the ready prompt to a
//            second click or Ctrl+Enter, in characters per minute;
//   panel 8: the compare-text test: a chosen text file copied line by line, each character
//            judged, in right characters per minute with the right-or-wrong rate;
//   panel 11: the records of both tests, newest first, sortable, and their rankings.

#include <functional>
#include <string>

namespace forms {
class Form;
}

namespace quillon {

// ---- Free-text test ----
void Design_Out_Speed_Test_Page(forms::Form& form);
void Initialize_Out_Speed_Test_Page(forms::Form& form);
void Update_Out_Speed_Test_Time(forms::Form& form);
void Out_Speed_Test_Button_Click(forms::Form& form);
bool Out_Test_Is_Running();

// ---- Compare-text test ----
void Design_In_Speed_Test_Page(forms::Form& form);
void Initialize_In_Speed_Test_Page(forms::Form& form);
void Update_In_Speed_Test_Time(forms::Form& form);
void In_Speed_Test_Button_Click(forms::Form& form);
// The file choice: the path chosen in the open dialog, "" when cancelled. Tests answer it
// without the dialog (an empty function restores the dialog).
using File_Chooser = std::function<std::string(const std::string& folder)>;
void Set_In_Speed_Test_File_Chooser(File_Chooser chooser);

// ---- Records screen ----
void Design_Record_Page(forms::Form& form);
void Initialize_Record_Grid(forms::Form& form);
void Load_Records(forms::Form& form);
void Image_myRecord_Click(forms::Form& form, int index);
void MSFlexGrid_Record_Click(forms::Form& form, int index);

}  // namespace quillon
