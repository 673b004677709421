#include "courses/neighbours_course_pages.h"

#include "forms/forms.h"
#include "shell/exercise_entries.h"
#include "shell/globals.h"
#include "shell/main_form.h"
#include "shell/services.h"

namespace quillon {

namespace {

void Idle_Page(forms::Form&) { Exercise_Running = false; }

void Start_Clock(forms::Form&) {
  Exercise_Running = true;
  Practice_Start_Time = Tick_Seconds();
  Main_Timer("Timer_Check").Set_Enabled(true);
}

}  // namespace

void Install_Course_Page_Entries(Exercise_Entries& e) {
  e.Initialize_Word_Page = Idle_Page;
  e.Start_Word_Lesson = [](forms::Form& f) {
    Start_Clock(f);
    Panel_Keys_Enabled = true;
  };
  e.Initialize_Wubi_Page = [](forms::Form&) {
    Exercise_Running = false;
    Current_Type_Method = forms::Tutor_Settings::Get_Int("Setting\\Chinese\\Wubi", "Type Method", 2);
  };
  e.Start_Wubi_Lesson = Start_Clock;
}

}  // namespace quillon
