#include "courses/neighbours_articles.h"

#include "forms/forms.h"
#include "services/article_boxes.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/prompts.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"

namespace quillon {

namespace {

void Article_Boxes_Home(forms::Form& form) {
  form.Get<forms::Picture_Box>("Picture_Article_BG_1").Set_Left(0);
  form.Get<forms::Picture_Box>("Picture_Article_BG_2").Set_Left(0);
}

void Finish_Audition_Lesson(forms::Form& form) {
  Main_Timer("Timer_Check").Set_Enabled(false);
  Audition_Box_In_Use(form).Set_Enabled(false);
  Show_Form_Yes();
}

void Start_Clock() {
  Exercise_Running = true;
  Practice_Start_Time = Tick_Seconds();
  Main_Timer("Timer_Check").Set_Enabled(true);
}

}  // namespace

void Initialize_Audition_Page(forms::Form& form) {
  Article_Boxes_Home(form);
  Current_Remember_Flag = Read(kAuditionRemember);
  Current_Type_Method = Read(kAuditionShowSource);
  Ignore_Text_Change = true;
  Exercise_Running = false;
}

// The first lesson, typed into the box in use from the moment the user is ready.
void Start_Audition_Lesson(forms::Form& form) {
  Set_Article_Box_Workers({.replay_audition = Start_Audition_Lesson,
                           .finish_audition = Finish_Audition_Lesson});
  Char_Position = 0;
  Audition_Playing = true;
  forms::Rich_Text_Box& box = Audition_Box_In_Use(form);
  box.Set_Locked(true);
  box.Set_Text("");
  box.Set_Enabled(true);
  box.Set_Visible(true);
  box.Set_Locked(false);
  Show_Form_Begin_Type();
  Start_Clock();
  forms::Silent([&] { box.Set_Focus(); });
  Play_Wave_File(Program_Folder() + Lesson_Folder + "s1.wav");
}

void Update_Audition_Time(forms::Form&) {}

}  // namespace quillon
