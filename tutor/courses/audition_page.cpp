#include "courses/audition_page.h"

#include <string>

#include "courses/article_files.h"
#include "courses/article_judging.h"
#include "courses/article_page.h"
#include "courses/audition_lesson.h"
#include "services/article_boxes.h"
#include "services/bitmaps.h"
#include "services/course_typing.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/overwrite_typing.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/prompts.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr float kEndWaitMilliseconds = 100;  // between the end of a text and its answer box

// The labels of each layout: the overwrite page's on Picture_Article_BG_1 for the hidden text,
// layout 0's on the panel for the shown one.
struct Layout_Labels {
  const char* course;
  const char* accuracy;
  const char* progress;  // (0) the bar, (1) the percentage
  const char* time;
};
constexpr Layout_Labels kLabels[] = {
    {"Label_Article_Course_Name_1", "Label_Article_Right_or_Wrong_Rate_1",
     "Label_Article_Process_Speed_1", "Label_Article_Time_Info_1"},
    {"Label_Article_Course_Name", "Label_Article_Right_or_Wrong_Rate",
     "Label_Article_Process_Speed", "Label_Article_Time_Info"},
};

bool Shown() { return Current_Type_Method == static_cast<int>(Audition_Layout::Shown); }
const Layout_Labels& Labels() { return kLabels[Shown() ? 1 : 0]; }
float Bar_Design_Width() { return Shown() ? Progress_Bar_Width : Overwrite_Progress_Bar_Width; }

forms::Picture_Box& Article_Panel(forms::Form& form) {
  return form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Article));
}
forms::Picture_Box& Sub_Panel(forms::Form& form, int n) {
  return form.Get<forms::Picture_Box>(n == 1 ? "Picture_Article_BG_1" : "Picture_Article_BG_2");
}
forms::Rich_Text_Box& Box(forms::Form& form, const char* name, int index = -1) {
  return form.Get<forms::Rich_Text_Box>(name, index);
}
forms::Rich_Text_Box& Source(forms::Form& form) { return Box(form, "RichText_Article_Source"); }
forms::Label& Label(forms::Form& form, const char* name, int index = -1) {
  return form.Get<forms::Label>(name, index);
}
std::string Folder() { return Program_Folder() + Lesson_Folder; }
std::string Progress_Name() {
  return Audition_Progress_Name(Current_Language, Current_Type_Method);
}
void Store_Lesson(int number) {
  forms::Tutor_Settings::Save(kAuditionLessionSection, Progress_Name(), std::to_string(number));
}

// The dictation box in use; a layout that does not exist names no box and is reported as the
// missing control it would be.
forms::Rich_Text_Box& Typing_Box(forms::Form& form) {
  if (!Is_Audition_Layout(Current_Type_Method))
    throw forms::Runtime_Error(340, "Control array element '" +
                                        std::to_string(Current_Type_Method) + "' doesn't exist");
  return Audition_Box_In_Use(form);
}

// Keeps Audition_Playing only for a lesson that was loaded to its end: a load that fails on the
// way clears it, so the panel's ticks and the media control's notices go back to the articles.
struct Playing_Unless_Failed {
  bool loaded = false;
  ~Playing_Unless_Failed() {
    if (!loaded) Audition_Playing = false;
  }
};

// ---- Page set-up ----

void Empty_Labels(forms::Form& form) {
  const Layout_Labels& l = Labels();
  Label(form, l.accuracy).Set_Caption("");
  Label(form, l.progress, 1).Set_Caption("");
  Label(form, l.course).Set_Caption("");
  Label(form, l.time).Set_Caption("");
  forms::Label& bar = Label(form, l.progress, 0);
  bar.Set_Width(0);
  bar.Z_Order(1);
}

void Initialize_Audition_Hidden_Page(forms::Form& form) {
  Get_Article_Bar_Width(form);
  forms::Picture_Box& page = Sub_Panel(form, 1);
  if (!page.Get_Picture()) Load_Resource_Picture_To_PictureBox(page, "wz2");
  page.Set_Visible(true);
  page.Z_Order(0);
  Sub_Panel(form, 2).Set_Visible(false);
  Box(form, "RichText_Article_User").Set_Visible(false);
  Box(form, "RichText_Audition", 1).Set_Visible(false);
  Box(form, "RichText_Overwrite").Set_Visible(false);
  forms::Rich_Text_Box& box = Box(form, "RichText_Audition", 0);
  box.Set_Text("");
  box.Set_Enabled(false);  // until a lesson fills it
  box.Set_Visible(true);
  Empty_Labels(form);
}

void Initialize_Audition_Shown_Page(forms::Form& form) {
  Get_Article_Bar_Width(form);
  forms::Picture_Box& panel = Article_Panel(form);
  if (!panel.Get_Picture()) Load_Resource_Picture_To_PictureBox(panel, "wz");
  Sub_Panel(form, 1).Set_Visible(false);
  Sub_Panel(form, 2).Set_Visible(false);
  Box(form, "RichText_Article_User").Set_Visible(false);
  Source(form).Set_Text("");
  Source(form).Set_Visible(true);
  forms::Rich_Text_Box& box = Box(form, "RichText_Audition", 1);
  box.Set_Text("");
  box.Set_Enabled(false);
  box.Set_Visible(true);
  Empty_Labels(form);
}

// ---- A lesson ----

void Reset_Audition_Labels(forms::Form& form) {
  const Layout_Labels& l = Labels();
  Label(form, l.course).Set_Caption("课程" + std::to_string(Article_Number));
  Progress_Ratio = 0;
  Set_Progress_Bar(Label(form, l.progress, 0), Bar_Design_Width(), 0);
  Label(form, l.progress, 1).Set_Caption(Format_Rate(0.0));
  Label(form, l.accuracy).Set_Caption("");
}

void Show_Audition_Progress(forms::Form& form) {
  const Layout_Labels& l = Labels();
  Progress_Ratio = Article_Progress();
  Set_Progress_Bar(Label(form, l.progress, 0), Bar_Design_Width(), Progress_Ratio);
  Label(form, l.progress, 1).Set_Caption(Format_Rate(Progress_Ratio));
  Label(form, l.accuracy).Set_Caption(Format_Rate(Article_Accuracy()));
}

// Loads lesson Article_Number into the boxes, waits for the user in the ready prompt, then plays
// its recording and starts the clock's ticks. The typing box takes no key from the start of the
// load until it is filled again. A missing, empty or too long text is reported (by the reader or
// here) and starts nothing.
void Load_Audition_Lesson(forms::Form& form) {
  Playing_Unless_Failed playing;
  forms::Rich_Text_Box& box = Typing_Box(form);
  box.Set_Locked(true);
  box.Set_Enabled(false);
  Char_Position = 0;
  Article_Path = Audition_Text_File(Folder(), Article_Number);
  Text_Length = Load_Article_File(Article_Path);
  if (Text_Length == 0) return;
  Check_Article_Size(Text_Length);
  Typed_Char_Count = 0;
  Right_Char_Count = 0;
  Accuracy_Ratio = 0;
  Text_End_Reached = false;
  Audition_Playing = true;
  Mark_Typed_Prefix_Right();  // all false: nothing is typed yet
  Ignore_Text_Change = true;
  if (Shown()) {
    forms::Rich_Text_Box& source = Source(form);
    Reset_RichText_Font(source, Current_Language);
    source.Set_Text(Article_Text());
    Select_In_Source(source, 0, 1);
  }
  Reset_RichText_Font(box, Current_Language);
  box.Set_Max_Length(Text_Length);
  box.Set_Sel_Color(kBlack);
  box.Set_Enabled(true);
  box.Set_Locked(false);
  if (!form.Get<forms::Image>("Image_Main_Form_Up").Visible())
    forms::Silent([&] { box.Set_Focus(); });
  Reset_Audition_Labels(form);
  Show_Form_Begin_Type();
  box.Set_Locked(false);
  Play_Wave_File(Audition_Sound_File(Folder(), Article_Number));
  Exercise_Running = true;
  Main_Timer("Timer_Check").Set_Enabled(true);
  playing.loaded = true;
}

void Check_Audition_Input(forms::Form& form) {
  forms::Guarded([&] {
    if (Ignore_Text_Change) return;
    Judge_Typing_Box_Change(Typing_Box(form), 0, Audition_Letter_Case(Current_Type_Method));
    Show_Audition_Progress(form);
    if (Shown()) Select_In_Source(Source(form), Char_Position, 1);
  });
}

void Finish_Audition_Lesson(forms::Form& form) {
  forms::Guarded([&] {
    Main_Timer("Timer_Check").Set_Enabled(false);
    Exercise_Running = false;
    Typing_Box(form).Set_Enabled(false);
    Show_Form_Yes();
  });
}

void Replay_Audition_Lesson(forms::Form& form) {
  forms::Guarded([&] {
    Main_Timer("Timer_Check").Set_Enabled(false);
    Char_Position = 0;
    Load_Audition_Lesson(form);
  });
}

void Next_Audition_Lesson(forms::Form& form) {
  forms::Guarded([&] {
    Main_Timer("Timer_Check").Set_Enabled(false);
    Char_Position = 0;
    ++Article_Number;
    Store_Lesson(Article_Number);
    Load_Audition_Lesson(form);
  });
}

// The whole text is typed: the recording stops and the user chooses what comes next. Runs inside
// a tick, which holds the timer's next ticks until it returns.
void End_Audition_Lesson(forms::Form& form) {
  forms::Guarded([&] {
    Play_Win_Sound();
    Audition_Playing = false;  // before the close, so that its notice does nothing
    Close_Music();
    Wait_Milliseconds(kEndWaitMilliseconds);
    const bool last = Is_Last_Audition_Lesson(Folder(), Article_Number);
    if (!last) Show_Form_YesRetryNo();
    switch (Audition_End_Of(last, Retry_Dialog_Answer)) {
      case Audition_End_Step::Last_Lesson:
        Store_Lesson(1);
        Finish_Audition_Lesson(form);
        break;
      case Audition_End_Step::Next: Next_Audition_Lesson(form); break;
      case Audition_End_Step::Replay: Replay_Audition_Lesson(form); break;
      case Audition_End_Step::Finish: Finish_Audition_Lesson(form); break;
    }
  });
}

}  // namespace

void Initialize_Audition_Page(forms::Form& form) {
  forms::Guarded([&] {
    Set_Article_Box_Workers({.audition_change = Check_Audition_Input,
                             .replay_audition = Replay_Audition_Lesson,
                             .finish_audition = Finish_Audition_Lesson});
    Sub_Panel(form, 1).Set_Left(0);
    Sub_Panel(form, 2).Set_Left(0);
    Exercise_Running = false;
    Current_Remember_Flag = Read(kAuditionRemember);
    Current_Type_Method = Read(kAuditionShowSource);
    Ignore_Text_Change = true;
    switch (static_cast<Audition_Layout>(Current_Type_Method)) {
      case Audition_Layout::Hidden: Initialize_Audition_Hidden_Page(form); break;
      case Audition_Layout::Shown: Initialize_Audition_Shown_Page(form); break;
    }
  });
}

void Start_Audition_Lesson(forms::Form& form) {
  forms::Guarded([&] {
    Typing_Box(form);  // a layout that does not exist starts nothing
    const int stored = forms::Tutor_Settings::Get_Int(kAuditionLessionSection, Progress_Name(), 1);
    Article_Number = Audition_Start_Lesson(Current_Remember_Flag, stored, Article_Number);
    Lesson_Start_Time = Tick_Seconds();
    Load_Audition_Lesson(form);
  });
}

void Update_Audition_Time(forms::Form& form) {
  Tick_Typed_Text(form, Typing_Box(form), Char_Position, Labels().time, End_Audition_Lesson);
}

}  // namespace quillon
