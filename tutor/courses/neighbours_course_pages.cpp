#include "courses/neighbours_course_pages.h"

#include "forms/forms.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"

namespace quillon {

namespace {

void Start_Clock() {
  Exercise_Running = true;
  Practice_Start_Time = Tick_Seconds();
  Main_Timer("Timer_Check").Set_Enabled(true);
}

}  // namespace

void Initialize_Word_Page(forms::Form&) { Exercise_Running = false; }

void Start_Word_Lesson(forms::Form&) {
  Start_Clock();
  Panel_Keys_Enabled = true;
}

}  // namespace quillon
