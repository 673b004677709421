#pragma once
// The two speed tests and the records as the shell sees them until their full versions arrive:
// the page set-ups leave the page idle.

namespace forms {
class Form;
}

namespace quillon {

void Initialize_Out_Speed_Test_Page(forms::Form& form);
void Initialize_In_Speed_Test_Page(forms::Form& form);
void Update_Out_Speed_Test_Time(forms::Form& form);
void Update_In_Speed_Test_Time(forms::Form& form);
void Initialize_Record_Grid(forms::Form& form);
void Load_Records(forms::Form& form);

}  // namespace quillon
