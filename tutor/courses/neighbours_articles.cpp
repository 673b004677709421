#include "courses/neighbours_articles.h"

#include "forms/forms.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"

namespace quillon {

namespace {

void Article_Boxes_Home(forms::Form& form) {
  form.Get<forms::Picture_Box>("Picture_Article_BG_1").Set_Left(0);
  form.Get<forms::Picture_Box>("Picture_Article_BG_2").Set_Left(0);
}

void Start_Clock() {
  Exercise_Running = true;
  Practice_Start_Time = Tick_Seconds();
  Main_Timer("Timer_Check").Set_Enabled(true);
}

}  // namespace

void Initialize_English_Article_Page(forms::Form& form) {
  Article_Boxes_Home(form);
  Current_Remember_Flag = Read(kEnglishArticleRemember);
  Current_Type_Method = Read(kEnglishArticleTypeMethod);
  Exercise_Running = false;
}

void Start_English_Article_Lesson(forms::Form&) { Start_Clock(); }

void Initialize_PinYin_Page(forms::Form&) {
  Current_Remember_Flag = Read(kPinYinRemember);
  Current_Type_Method = Read(kPinYinTypeMethod);
  Exercise_Running = false;
}

void Start_PinYin_Lesson(forms::Form&) { Start_Clock(); }

void Initialize_Audition_Page(forms::Form& form) {
  Article_Boxes_Home(form);
  Current_Remember_Flag = Read(kAuditionRemember);
  Current_Type_Method = Read(kAuditionShowSource);
  Ignore_Text_Change = true;
  Exercise_Running = false;
}

void Start_Audition_Lesson(forms::Form&) {
  Audition_Playing = true;
  Start_Clock();
  Play_Wave_File(Program_Folder() + Lesson_Folder + "s1.wav");
}

void Update_Article_Page_Time(forms::Form&) {}
void Update_Audition_Time(forms::Form&) {}

}  // namespace quillon
