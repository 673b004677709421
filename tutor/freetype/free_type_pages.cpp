#include "freetype/free_type_pages.h"

#include "forms/forms.h"
#include "services/globals.h"
#include "services/utilities.h"

namespace quillon {

void Initialize_Free_Type_Page(forms::Form&) {
  Exercise_Running = false;
  Panel_Keys_Enabled = true;
}

void Start_Free_Type(forms::Form&) {
  Exercise_Running = true;
  Panel_Keys_Enabled = false;
  Practice_Start_Time = Tick_Seconds();
}


}  // namespace quillon
