#include "freetype/free_type_pages.h"

#include "forms/forms.h"
#include "shell/globals.h"
#include "shell/services.h"

namespace quillon {

void Initialize_Out_Speed_Test_Page(forms::Form&) { Exercise_Running = false; }
void Initialize_In_Speed_Test_Page(forms::Form&) { Exercise_Running = false; }
void Update_Out_Speed_Test_Time(forms::Form&) {}
void Update_In_Speed_Test_Time(forms::Form&) {}
void Initialize_Record_Grid(forms::Form&) { Exercise_Running = false; }
void Load_Records(forms::Form&) {}

}  // namespace quillon
