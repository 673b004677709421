#include "courses/article_page.h"

#include <algorithm>
#include <string>

#include "courses/article_files.h"
#include "courses/article_judging.h"
#include "courses/key_char_page.h"
#include "services/article_boxes.h"
#include "services/bitmaps.h"
#include "services/course_typing.h"
#include "services/globals.h"
#include "services/key_table.h"
#include "services/main_window.h"
#include "services/overwrite_typing.h"
#include "services/picture_boxes.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

namespace {

constexpr COLORREF kLabelInk = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

enum class Layout { Article = 0, Overwrite = 1, Lines = 2 };

forms::Picture_Box& Article_Panel(forms::Form& form) {
  return form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Article));
}
forms::Picture_Box& Sub_Panel(forms::Form& form, int n) {
  return form.Get<forms::Picture_Box>(n == 1 ? "Picture_Article_BG_1" : "Picture_Article_BG_2");
}
forms::Rich_Text_Box& Box(forms::Form& form, const char* name, int index = -1) {
  return form.Get<forms::Rich_Text_Box>(name, index);
}
forms::Label& Label(forms::Form& form, const char* name, int index = -1) {
  return form.Get<forms::Label>(name, index);
}
void Hide_If_There(forms::Form& form, const char* name, int index = -1) {
  if (forms::Control* c = form.Find(name, index)) c->Set_Visible(false);
}

// The labels of layout 0 (on Picture_BG(1)) and layout 2 (on Picture_Article_BG_2), in twips.
struct Label_Row {
  const char* name;
  int index;
  int left, top, width, height;
  int alignment;
  bool large;  // Times New Roman 12
};
constexpr Label_Row kArticleLabels[] = {
    {"Label_Article_Course_Name", -1, 525, 5235, 630, 240, 0, false},
    {"Label_Article_Right_or_Wrong_Rate", -1, 1980, 5235, 1065, 240, 0, false},
    {"Label_Article_Process_Speed", 1, 6240, 5190, 1065, 240, 0, true},
    {"Label_Article_Time_Info", -1, 8055, 5205, 1110, 240, 2, false},
};
constexpr Label_Row kLineLabels[] = {
    {"Label_Article_Right_or_Wrong_Rate_2", -1, 1185, 4815, 1245, 240, 0, false},
    {"Label_Article_Process_Speed_2", -1, 7755, 4815, 1110, 240, 0, false},
    {"Label_Article_Course_Name_2", -1, 1185, 5175, 1485, 300, 0, false},
    {"Label_Article_Time_Info_2", -1, 7755, 5175, 1110, 240, 0, false},
};

void Add_Labels(forms::Form& form, forms::Picture_Box& holder, const Label_Row* rows, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    const Label_Row& r = rows[i];
    auto& label = form.Add<forms::Label>(r.name, r.index, &holder);
    label.Move(r.left, r.top, r.width, r.height);
    label.Set_Alignment(r.alignment);
    label.Set_Fore_Color(kLabelInk);
    if (r.large) label.Set_Font("Times New Roman", 12);
  }
}

int Read_Flag_Or(int flag, const char* section, int fallback, int unchanged) {
  if (flag == 1) return Read_Progress(section, fallback);
  if (flag == 0) return fallback;
  return unchanged;
}

// ================= Layout 0: the typing box below the source =================

forms::Rich_Text_Box& Source(forms::Form& form) { return Box(form, "RichText_Article_Source"); }
forms::Rich_Text_Box& User(forms::Form& form) { return Box(form, "RichText_Article_User"); }

void Show_Article_Progress(forms::Form& form) {
  Progress_Ratio = Article_Progress();
  Set_Progress_Bar(Label(form, "Label_Article_Process_Speed", 0), Progress_Bar_Width,
                   Progress_Ratio);
  Label(form, "Label_Article_Process_Speed", 1).Set_Caption(Format_Rate(Progress_Ratio));
}

void Select_Next_Source_Char(forms::Form& form) { Select_In_Source(Source(form), Char_Position, 1); }

// Loads Article_Number into both boxes: the source with the next expected character selected,
// the empty typing box after the resumed part. The typing box takes no key until it is filled.
// False (the error shown, the page idle) when the article cannot be used.
bool Load_Article_Text(forms::Form& form) {
  forms::Rich_Text_Box& user = User(form);
  user.Set_Enabled(false);
  Article_Path = Article_File(Article_Number);
  Text_Length = Load_Article_File(Article_Path);
  if (Text_Length == 0) return false;
  Check_Article_Size(Text_Length);
  // A position beyond the text (the article was edited since) starts the article anew.
  if (Resume_Offset < 0 || Resume_Offset > Text_Length) Resume_Offset = 0;
  Char_Position = Resume_Offset;
  Right_Char_Count = 0;
  Typed_Char_Count = 0;
  Text_End_Reached = false;
  Mark_Typed_Prefix_Right();

  Ignore_Text_Change = true;
  forms::Rich_Text_Box& source = Source(form);
  Reset_RichText_Font(source, Current_Language);
  source.Set_Text(Article_Text());
  Select_Next_Source_Char(form);
  Reset_RichText_Font(user, Current_Language);
  user.Set_Max_Length(std::max(1, Text_Length - Resume_Offset));
  user.Set_Sel_Color(kBlack);
  user.Set_Visible(true);
  user.Set_Enabled(true);
  user.Set_Locked(false);
  forms::Silent([&] { user.Set_Focus(); });

  Label(form, "Label_Article_Course_Name").Set_Caption("课程" + std::to_string(Article_Number));
  Label(form, "Label_Article_Right_or_Wrong_Rate").Set_Caption("");
  Show_Article_Progress(form);
  return true;
}

void Check_Article_Input(forms::Form& form) {
  if (Ignore_Text_Change) return;
  forms::Rich_Text_Box& user = User(form);
  const Article_Change change = Judge_Typing_Box_Change(user, Resume_Offset, Letter_Case::Exact);
  switch (change.kind) {
    case Article_Change_Kind::Line_Break:
      Play_Enter_Sound();
      forms::Tutor_Settings::Save(kArticleTextLenSection, Article_Progress_Name(),
                                  std::to_string(Char_Position));
      break;
    case Article_Change_Kind::Wrong: Play_Wrong_Sound(); break;
    case Article_Change_Kind::Right:
      Play_Key_Sound(Get_Key_Index(Ansi_Code(Article_Char(Char_Position))));
      break;
    case Article_Change_Kind::Undo:
    case Article_Change_Kind::Past_End: break;
  }
  Show_Article_Progress(form);
  Label(form, "Label_Article_Right_or_Wrong_Rate").Set_Caption(Format_Rate(Article_Accuracy()));
  Select_Next_Source_Char(form);
}

void Finish_Article_Lesson(forms::Form& form) {
  Main_Timer("Timer_Check").Set_Enabled(false);
  User(form).Set_Enabled(false);
  Exercise_Running = false;
  Show_Form_Yes();
}

// Next (a new number) or retry: the text is loaded again from its beginning.
void Reload_Article(forms::Form& form, bool next) {
  Main_Timer("Timer_Check").Set_Enabled(false);
  User(form).Set_Enabled(false);
  Resume_Offset = 0;
  Char_Position = 0;
  if (next) ++Article_Number;
  Store_Progress(kArticleTextLenSection, 0);
  if (next) Store_Progress(kArticleLessionSection, Article_Number);
  if (!Load_Article_Text(form)) return;
  Main_Timer("Timer_Check").Set_Enabled(true);
}

void End_Article_Lesson(forms::Form& form) {
  Play_Win_Sound();
  if (Is_Last_Article()) {
    Store_Progress(kArticleTextLenSection, 0);
    Store_Progress(kArticleLessionSection, 1);
    Finish_Article_Lesson(form);
    return;
  }
  Show_Form_YesRetryNo();
  switch (Retry_Dialog_Answer) {
    case 0: Reload_Article(form, true); break;
    case 1: Reload_Article(form, false); break;
    default: Finish_Article_Lesson(form); break;
  }
}

void Update_Article_Time(forms::Form& form) {
  Tick_Typed_Text(form, User(form), Char_Position - Resume_Offset, "Label_Article_Time_Info",
                  End_Article_Lesson);
}

// ================= Layout 1: typing over the article =================

forms::Rich_Text_Box& Overwrite(forms::Form& form) { return Box(form, "RichText_Overwrite"); }

void Finish_Overwrite_Lesson(forms::Form& form) {
  Main_Timer("Timer_Check").Set_Enabled(false);
  Overwrite(form).Set_Enabled(false);
  Exercise_Running = false;
  Show_Form_Yes();
}

// Loads Article_Number into the box, the part before Char_Position blue and passed.
void Load_Overwrite_Article(forms::Form& form) {
  forms::Rich_Text_Box& box = Overwrite(form);
  box.Set_Enabled(false);
  Article_Path = Article_File(Article_Number);
  Text_Length = Load_Article_File(Article_Path);
  if (Text_Length == 0) return;
  Check_Article_Size(Text_Length);
  if (Char_Position < 0 || Char_Position > Text_Length) Char_Position = 0;
  Text_End_Reached = false;
  Reset_RichText_Font(box, Current_Language);
  box.Set_Max_Length(0);
  box.Set_Sel_Color(kBlack);
  box.Set_Text(Article_Text());
  box.Set_Max_Length(Text_Length);
  if (Char_Position > 0) {
    box.Select(0, Char_Position);
    box.Set_Sel_Color(kRightColor);
  }
  box.Select(Char_Position, 0);
  box.Set_Sel_Color(kBlack);
  box.Set_Visible(true);
  box.Set_Enabled(true);
  box.Set_Locked(false);
  forms::Silent([&] { box.Set_Focus(); });
  Typed_Char_Count = Right_Char_Count = Char_Position;
  Accuracy_Ratio = 1;
  Label(form, "Label_Article_Course_Name_1").Set_Caption("课程" + std::to_string(Article_Number));
  Label(form, "Label_Article_Right_or_Wrong_Rate_1").Set_Caption("");
  Progress_Ratio = Article_Progress();
  Set_Progress_Bar(Label(form, "Label_Article_Process_Speed_1", 0), Overwrite_Progress_Bar_Width,
          Progress_Ratio);
  Label(form, "Label_Article_Process_Speed_1", 1).Set_Caption(Format_Rate(Progress_Ratio));
  Mark_Typed_Prefix_Right();
  Main_Timer("Timer_Check").Set_Enabled(true);
}

void Reload_Overwrite_Article(forms::Form& form, bool next) {
  Main_Timer("Timer_Check").Set_Enabled(false);
  Overwrite(form).Set_Enabled(false);
  Char_Position = 0;
  if (next) ++Article_Number;
  Store_Progress(kArticleTextLenSection, 0);
  if (next) Store_Progress(kArticleLessionSection, Article_Number);
  Load_Overwrite_Article(form);
}

void End_Overwrite_Lesson(forms::Form& form) {
  Play_Win_Sound();
  if (Is_Last_Article()) {
    Store_Progress(kArticleTextLenSection, 0);
    Store_Progress(kArticleLessionSection, 1);
    Finish_Overwrite_Lesson(form);
    return;
  }
  Show_Form_YesRetryNo();
  switch (Retry_Dialog_Answer) {
    case 0: Reload_Overwrite_Article(form, true); break;
    case 1: Reload_Overwrite_Article(form, false); break;
    default:
      Store_Progress(kArticleTextLenSection, 0);
      Store_Progress(kArticleLessionSection, Article_Number + 1);
      Finish_Overwrite_Lesson(form);
      break;
  }
}

void Update_Overwrite_Time(forms::Form& form) {
  const double now = Tick_Seconds();
  if (Char_Position >= Text_Length) {
    if (Text_End_Due(now)) {
      End_Overwrite_Lesson(form);
      Text_End_Reached = false;
    }
    return;
  }
  forms::Rich_Text_Box& box = Overwrite(form);
  if (box.Sel_Start() != Char_Position) box.Select(Char_Position, 0);
  const double elapsed = now - Lesson_Start_Time;
  if (elapsed >= 0)
    Label(form, "Label_Article_Time_Info_1").Set_Caption(Format_Time(static_cast<float>(elapsed)));
}

// ================= Layout 2: line by line =================

constexpr COLORREF kSpeedBarColor = RGB(128, 128, 255);
constexpr int kEnterSlot = 31;

// The line being typed and the article's counts across its lines.
struct Line_State {
  int current_line = 1;
  int finished_chars = 0;  // characters of the lines before the current one
  int cursor_prompt = 1;
  int lit_key = kNoKey;    // the key image that shows its highlight
};
Line_State Lines;
Course_Line_Judge& Line_Judge() {
  static Course_Line_Judge judge(Ignore_Text_Change, Line_End_Entered);
  return judge;
}
Course_Speed& Line_Speed() {
  static Course_Speed speed;
  return speed;
}

forms::Rich_Text_Box& Line_Source(forms::Form& form) { return Box(form, "RichText_Article_Source_2"); }
forms::Rich_Text_Box& Line_User(forms::Form& form) { return Box(form, "RichText_Article_User_2"); }
forms::Image& Key_Image(forms::Form& form, int slot) {
  return form.Get<forms::Image>("Image_Article_Character", slot);
}
forms::Label& Speed_Bar(forms::Form& form) { return Label(form, "Label_Article_Speed"); }

void Clear_Key_Picture(forms::Form& form, int slot) {
  if (slot < 0 || slot > kLastMainKeySlot) return;
  forms::Image& image = Key_Image(form, slot);
  if (image.Get_Picture()) image.Set_Picture(forms::Picture());
}

void Clear_Article_Character_Pictures(forms::Form& form) {
  for (int slot = 0; slot <= kLastMainKeySlot; ++slot) Clear_Key_Picture(form, slot);
  Lines.lit_key = kNoKey;
}

// Lights the key of the expected character; a character off the key table lights none.
void Light_Expected_Key(forms::Form& form) {
  const int slot = Get_Key_Index(Ansi_Code(Line_Judge().Expected()));
  if (slot != Lines.lit_key) Clear_Key_Picture(form, Lines.lit_key);
  Lines.lit_key = slot;
  if (slot >= 0 && slot <= kLastMainKeySlot)
    Load_Resource_Picture_To_Image(Key_Image(form, slot), "mychar" + std::to_string(slot));
}

void Show_Line_Progress(forms::Form& form) {
  const int completed = Line_Judge().User_Length() + Lines.finished_chars;
  Progress_Ratio = Lesson_Char_Total > 0 ? static_cast<float>(completed) / Lesson_Char_Total : 0;
  Label(form, "Label_Article_Process_Speed_2").Set_Caption(Format_Rate(completed, Lesson_Char_Total));
  Accuracy_Ratio = Article_Accuracy();
  Label(form, "Label_Article_Right_or_Wrong_Rate_2")
      .Set_Caption(Format_Rate(Right_Char_Count, Typed_Char_Count));
}

void Select_Expected_Source_Char(forms::Form& form) {
  Select_In_Source(Line_Source(form), Line_Judge().Position() - 1, Lines.cursor_prompt == 1 ? 1 : 0);
}

// Fills both line boxes with the current line; the typing box takes keys again once filled.
void Show_Article_Line(forms::Form& form) {
  const std::vector<std::string>& line = Article_Line(Lines.current_line);
  Line_Judge().Open(line);
  Text_Length = static_cast<int>(line.size());
  Char_Position = 1;
  Char_Right_Mark.Redim(Text_Length);
  forms::Rich_Text_Box& source = Line_Source(form);
  source.Set_Text(Line_Judge().Line_Text());
  Select_Expected_Source_Char(form);
  forms::Rich_Text_Box& user = Line_User(form);
  user.Set_Text("");
  user.Select(0, 0);
  user.Set_Sel_Color(kBlack);
  user.Set_Max_Length(std::max(1, Text_Length));
  user.Set_Locked(false);
  user.Set_Enabled(true);
  forms::Silent([&] { user.Set_Focus(); });
  Line_Speed().Begin(Tick_Seconds());
  Speed_Bar(form).Set_Width(0);
  Light_Expected_Key(form);
}

void Store_Line_Progress() {
  Store_Progress(kArticleTextLenSection, Lines.current_line);
  Store_Progress(kArticleLastLinesSection, Lines.finished_chars);
}

// Loads Article_Number and shows Lines.current_line; a line beyond the article starts it anew.
// False (one message, the page idle) when the article cannot be read.
bool Load_Article_Line_Lesson(forms::Form& form) {
  Main_Timer("Timer_Check").Set_Enabled(false);
  Line_User(form).Set_Enabled(false);
  Ignore_Text_Change = true;
  Typed_Char_Count = Right_Char_Count = 0;
  Accuracy_Ratio = 0;
  Article_Path = Article_File(Article_Number);
  if (Load_Article_Lines(Article_Path) == 0) return false;
  if (Lines.current_line < 1 || Lines.current_line > Line_Count()) Lines.current_line = 1;
  // The characters of the lines before the current one, counted from the article itself so that
  // an article edited since cannot show more than all of it.
  Lines.finished_chars = 0;
  for (int n = 1; n < Lines.current_line; ++n)
    Lines.finished_chars += static_cast<int>(Article_Line(n).size());
  Show_Article_Line(form);
  Label(form, "Label_Article_Right_or_Wrong_Rate_2").Set_Caption(Format_Rate(0, 0));
  Speed_Bar(form).Set_Visible(true);
  Label(form, "Label_Article_Course_Name_2").Set_Caption("课程" + std::to_string(Article_Number));
  Show_Line_Progress(form);
  Label(form, "Label_Article_Right_or_Wrong_Rate_2").Set_Caption(Format_Rate(0, 0));
  Main_Timer("Timer_Check").Set_Enabled(true);
  return true;
}

void Finish_Article_Line_Lesson(forms::Form& form) {
  Main_Timer("Timer_Check").Set_Enabled(false);
  Line_User(form).Set_Enabled(false);
  Clear_Key_Picture(form, Lines.lit_key);
  Lines.lit_key = kNoKey;
  Exercise_Running = false;
  Show_Form_Yes();
}

void Reload_Article_Line_Lesson(forms::Form& form, bool next) {
  Main_Timer("Timer_Check").Set_Enabled(false);
  Line_User(form).Set_Enabled(false);
  Lines.finished_chars = 0;
  Store_Progress(kArticleLastLinesSection, 0);
  Lines.current_line = 1;
  if (next) ++Article_Number;
  Store_Progress(kArticleTextLenSection, 1);
  if (next) Store_Progress(kArticleLessionSection, Article_Number);
  Load_Article_Line_Lesson(form);
}

void End_Article_Line_Lesson(forms::Form& form) {
  if (Is_Last_Article()) {
    Store_Progress(kArticleLastLinesSection, 0);
    Store_Progress(kArticleTextLenSection, 1);
    Store_Progress(kArticleLessionSection, 1);
    Finish_Article_Line_Lesson(form);
    return;
  }
  Play_Win_Sound();
  Show_Form_YesRetryNo();
  switch (Retry_Dialog_Answer) {
    case 0: Reload_Article_Line_Lesson(form, true); break;
    case 1: Reload_Article_Line_Lesson(form, false); break;
    default:
      Store_Line_Progress();
      Store_Progress(kArticleLessionSection, Article_Number);
      Finish_Article_Line_Lesson(form);
      break;
  }
}

void Check_Article_Line_Input(forms::Form& form) {
  forms::Rich_Text_Box& user = Line_User(form);
  const Line_Judgement change = Line_Judge().Change(user.Text());
  if (change.kind == Line_Change_Kind::Ignored) return;
  const int at = change.judged_position;
  auto mark = [](int position) -> bool {
    return position >= 1 && position <= Char_Right_Mark.Upper() && Char_Right_Mark(position);
  };
  switch (change.kind) {
    case Line_Change_Kind::Right:
      Play_Key_Sound(Get_Key_Index(Ansi_Code(Line_Judge().Expected_At(at))));
      ++Right_Char_Count;
      ++Typed_Char_Count;
      if (at <= Char_Right_Mark.Upper()) Char_Right_Mark(at) = true;
      break;
    case Line_Change_Kind::Wrong:
      user.Select(at - 1, 1);
      user.Set_Sel_Color(kWrongColor);
      user.Select(at, 0);
      user.Set_Sel_Color(kBlack);
      Play_Wrong_Sound();
      ++Typed_Char_Count;
      if (at <= Char_Right_Mark.Upper()) Char_Right_Mark(at) = false;
      break;
    case Line_Change_Kind::Undo:
      user.Set_Sel_Color(kBlack);
      if (mark(at) && Right_Char_Count > 0) --Right_Char_Count;
      if (Typed_Char_Count > 0) --Typed_Char_Count;
      break;
    case Line_Change_Kind::Ignored: break;
  }
  Char_Position = change.position;
  Line_Speed().Count();
  Show_Line_Progress(form);
  Light_Expected_Key(form);
  Select_Expected_Source_Char(form);
}

void Check_Article_Line_Enter(forms::Form& form, int key_code, int) {
  switch (Line_Judge().Key_Down(key_code)) {
    case Line_Enter_Kind::Line_End:
      Clear_Key_Picture(form, Lines.lit_key);
      Lines.lit_key = kNoKey;
      Play_Enter_Sound();
      break;
    case Line_Enter_Kind::Too_Early: Play_Wrong_Sound(); break;
    case Line_Enter_Kind::Other_Key:
    case Line_Enter_Kind::Repeated: break;
  }
}

void End_Article_Line(forms::Form& form) {
  if (!Line_Judge().Key_Up()) return;
  if (Lines.current_line < Line_Count()) {
    Ignore_Text_Change = true;
    Lines.finished_chars += Text_Length;
    ++Lines.current_line;
    Store_Line_Progress();
    Show_Article_Line(form);
    return;
  }
  End_Article_Line_Lesson(form);
}

void Update_Article_Line_Time_And_Speed(forms::Form& form) {
  forms::Rich_Text_Box& user = Line_User(form);
  const int end = user.Quick_Length();
  if (user.Sel_Start() != end || user.Sel_Length() != 0) user.Select(end, 0);
  const double now = Tick_Seconds();
  const double elapsed = now - Lesson_Start_Time;
  if (elapsed >= 0)
    Label(form, "Label_Article_Time_Info_2").Set_Caption(Format_Time(static_cast<float>(elapsed)));
  if (const auto width = Line_Speed().Tick(now, Line_Speed_Bar_Width))
    Speed_Bar(form).Set_Width(static_cast<int>(*width));
}

// ================= Entries =================

void Article_Boxes_Home(forms::Form& form) {
  Sub_Panel(form, 1).Set_Left(0);
  Sub_Panel(form, 2).Set_Left(0);
}

void Set_Up_Layout(forms::Form& form) {
  switch (static_cast<Layout>(Current_Type_Method)) {
    case Layout::Article: Initialize_Article_Page(form); break;
    case Layout::Overwrite: Initialize_Overwrite_Page(form); break;
    case Layout::Lines: Initialize_Article_Line_Page(form); break;
  }
}

void Start_Layout(forms::Form& form) {
  switch (static_cast<Layout>(Current_Type_Method)) {
    case Layout::Article: Start_Article_Lesson(form); break;
    case Layout::Overwrite: Start_Overwrite_Lesson(form); break;
    case Layout::Lines: Start_Article_Line_Lesson(form); break;
  }
}

}  // namespace

void Set_Progress_Bar(forms::Label& bar, float design_width, float ratio) {
  bar.Set_Width(std::max(0, static_cast<int>(design_width * std::clamp(ratio, 0.0f, 1.0f))));
}

void Tick_Typed_Text(forms::Form& form, forms::Rich_Text_Box& box, int caret,
                     const char* time_label, void (*end)(forms::Form&)) {
  const double now = Tick_Seconds();
  if (Char_Position >= Text_Length) {
    if (Text_End_Due(now)) {
      end(form);
      Text_End_Reached = false;
    }
    return;
  }
  if (box.Sel_Start() != caret || box.Sel_Length() != 0) box.Select(caret, 0);
  const double elapsed = now - Lesson_Start_Time;
  if (elapsed >= 0) Label(form, time_label).Set_Caption(Format_Time(static_cast<float>(elapsed)));
}

void Select_In_Source(forms::Rich_Text_Box& source, int start, int length) {
  source.Select(start, length);
  source.Send(EM_SCROLLCARET);
}

Article_Change Judge_Typing_Box_Change(forms::Rich_Text_Box& box, int resume_offset,
                                       Letter_Case letter_case) {
  const Article_Change change = Judge_Article_Change(box.Quick_Length(), resume_offset, [&](int at) {
    box.Select(at, 1);
    std::string typed = box.Sel_Text();
    box.Select(at + 1, 0);
    return typed;
  }, letter_case);
  switch (change.kind) {
    case Article_Change_Kind::Undo: box.Set_Sel_Color(kBlack); break;
    case Article_Change_Kind::Wrong:
      box.Select(change.box_offset, 1);
      box.Set_Sel_Color(kWrongColor);
      box.Select(change.box_offset + 1, 0);
      box.Set_Sel_Color(kBlack);
      break;
    case Article_Change_Kind::Right:
      // A Chinese character may take the colour of a wrong one typed before it.
      if (Current_Language == 1) {
        box.Select(change.box_offset, 1);
        if (box.Sel_Color() != kBlack) box.Set_Sel_Color(kBlack);
        box.Select(change.box_offset + 1, 0);
      }
      break;
    case Article_Change_Kind::Line_Break:
    case Article_Change_Kind::Past_End: break;
  }
  return change;
}

void Design_Article_Page(forms::Form& form) {
  forms::Picture_Box& panel = Article_Panel(form);
  Add_Labels(form, panel, kArticleLabels, std::size(kArticleLabels));
  auto& bar = form.Add<forms::Label>("Label_Article_Process_Speed", 0, &panel);
  bar.Move(4800, 5250, 3135, 150);
  bar.Set_Back_Style(1);
  bar.Set_Back_Color(GetSysColor(COLOR_DESKTOP));
  forms::Picture_Box& lines = Sub_Panel(form, 2);
  Add_Labels(form, lines, kLineLabels, std::size(kLineLabels));
  auto& speed = form.Add<forms::Label>("Label_Article_Speed", -1, &lines);
  speed.Move(2760, 4710, 3630, 45);
  speed.Set_Back_Style(1);
  speed.Set_Back_Color(kSpeedBarColor);
  speed.Set_Visible(false);
  // The line boxes lie in the page's wells: no border, no scroll bars.
  for (forms::Rich_Text_Box* box : {&Line_Source(form), &Line_User(form)}) {
    box->Set_Multi_Line(false);
    box->Set_Scroll_Bars(0);
    box->Set_Border(false);
    box->Apply_Style();
  }
  // They hold one line: Enter ends it (on its key-down and key-up) and never goes into the box.
  Line_User(form).On_Key_Press = [](int& key_ascii) {
    if (key_ascii == '\r' || key_ascii == '\n') key_ascii = 0;
  };
  for (int slot = 0; slot <= kLastMainKeySlot; ++slot) {
    const Article_Key_Place place = Article_Key_Place_Of(slot);
    auto& image = form.Add<forms::Image>("Image_Article_Character", slot, &lines);
    image.Move(place.left, place.top, std::max(place.width, 15), std::max(place.height, 15));
    Make_Main_Surface(image);
  }
}

void Get_Article_Bar_Width(forms::Form& form) {
  if (!Article_Page_First) return;
  Article_Page_First = false;
  auto width_of = [&form](const char* name, int index, float fallback) {
    forms::Control* c = form.Find(name, index);
    return c ? static_cast<float>(c->Width()) : fallback;
  };
  Line_Speed_Bar_Width = width_of("Label_Article_Speed", -1, Line_Speed_Bar_Width);
  Progress_Bar_Width = width_of("Label_Article_Process_Speed", 0, Progress_Bar_Width);
  Overwrite_Progress_Bar_Width =
      width_of("Label_Article_Process_Speed_1", 0, Overwrite_Progress_Bar_Width);
  Wubi_Bar_Width = width_of("Label_Wubi_Process_Speed", 1, Wubi_Bar_Width);
}

// ---- Layout 0 ----

void Initialize_Article_Page(forms::Form& form) {
  forms::Guarded([&] {
    Exercise_Running = false;
    Lesson_Start_Time = Tick_Seconds();
    Main_Timer("Timer_Check").Set_Enabled(false);
    Get_Article_Bar_Width(form);
    forms::Picture_Box& panel = Article_Panel(form);
    if (!panel.Get_Picture()) Load_Resource_Picture_To_PictureBox(panel, "wz");
    Sub_Panel(form, 1).Set_Visible(false);
    Sub_Panel(form, 2).Set_Visible(false);
    Hide_If_There(form, "RichText_Audition", 1);
    Ignore_Text_Change = true;
    Source(form).Set_Text("");
    Source(form).Set_Visible(true);
    User(form).Set_Text("");
    User(form).Set_Enabled(false);
    User(form).Set_Visible(true);
    Label(form, "Label_Article_Right_or_Wrong_Rate").Set_Caption("");
    Label(form, "Label_Article_Process_Speed", 1).Set_Caption("");
    Label(form, "Label_Article_Course_Name").Set_Caption("");
    Label(form, "Label_Article_Time_Info").Set_Caption("");
    forms::Label& bar = Label(form, "Label_Article_Process_Speed", 0);
    bar.Set_Width(0);
    bar.Z_Order(1);
  });
}

void Start_Article_Lesson(forms::Form& form) {
  forms::Guarded([&] {
    Set_Article_Box_Workers({.article_change = Check_Article_Input});
    Resume_Offset = Read_Flag_Or(Current_Remember_Flag, kArticleTextLenSection, 0, Resume_Offset);
    Article_Number = Read_Flag_Or(Current_Remember_Flag, kArticleLessionSection, 1, Article_Number);
    if (Article_Number < 1) Article_Number = 1;
    if (!Load_Article_Text(form)) return;
    Exercise_Running = true;
    Main_Timer("Timer_Check").Set_Enabled(true);
  });
}

// ---- Layout 1 ----

void Initialize_Overwrite_Page(forms::Form& form) {
  forms::Guarded([&] {
    Exercise_Running = false;
    Lesson_Start_Time = Tick_Seconds();
    Main_Timer("Timer_Check").Set_Enabled(false);
    Get_Article_Bar_Width(form);
    forms::Picture_Box& page = Sub_Panel(form, 1);
    if (!page.Get_Picture()) Load_Resource_Picture_To_PictureBox(page, "wz2");
    page.Set_Visible(true);
    page.Z_Order(0);
    Sub_Panel(form, 2).Set_Visible(false);
    User(form).Set_Visible(false);
    Hide_If_There(form, "RichText_Audition", 0);
    Hide_If_There(form, "RichText_Audition", 1);
    forms::Rich_Text_Box& box = Overwrite(form);
    box.Set_Text("");
    box.Set_Enabled(false);
    box.Set_Visible(true);
    Label(form, "Label_Article_Right_or_Wrong_Rate_1").Set_Caption("");
    Label(form, "Label_Article_Process_Speed_1", 1).Set_Caption("");
    Label(form, "Label_Article_Course_Name_1").Set_Caption("");
    Label(form, "Label_Article_Time_Info_1").Set_Caption("");
    forms::Label& bar = Label(form, "Label_Article_Process_Speed_1", 0);
    bar.Set_Width(0);
    bar.Z_Order(1);
  });
}

void Start_Overwrite_Lesson(forms::Form& form) {
  forms::Guarded([&] {
    Char_Position = Read_Flag_Or(Current_Remember_Flag, kArticleTextLenSection, 0, Char_Position);
    Article_Number = Read_Flag_Or(Current_Remember_Flag, kArticleLessionSection, 1, Article_Number);
    if (Article_Number < 1) Article_Number = 1;
    Exercise_Running = true;
    Load_Overwrite_Article(form);
  });
}

// ---- Layout 2 ----

void Initialize_Article_Line_Page(forms::Form& form) {
  forms::Guarded([&] {
    Exercise_Running = false;
    Lesson_Start_Time = Tick_Seconds();
    Main_Timer("Timer_Check").Set_Enabled(false);
    forms::Picture_Box& page = Sub_Panel(form, 2);
    if (!page.Get_Picture()) Load_Resource_Picture_To_PictureBox(page, "wz3");
    page.Set_Visible(true);
    page.Z_Order(0);
    Ignore_Text_Change = true;
    Sub_Panel(form, 1).Set_Visible(false);
    User(form).Set_Visible(false);
    Hide_If_There(form, "RichText_Audition", 1);
    Line_Source(form).Set_Text("");
    Line_User(form).Set_Text("");
    Line_User(form).Set_Enabled(false);
    for (const char* name : {"Label_Article_Right_or_Wrong_Rate_2", "Label_Article_Process_Speed_2",
                             "Label_Article_Course_Name_2", "Label_Article_Time_Info_2"})
      Label(form, name).Set_Caption("");
    Speed_Bar(form).Set_Visible(false);
    Clear_Article_Character_Pictures(form);
  });
}

void Start_Article_Line_Lesson(forms::Form& form) {
  forms::Guarded([&] {
    Get_Article_Bar_Width(form);
    Set_Article_Box_Workers({.line_change = Check_Article_Line_Input,
                             .line_key_down = Check_Article_Line_Enter,
                             .line_key_up = End_Article_Line});
    Lines.cursor_prompt = Read(kArticleCursorPrompt);
    if (Current_Remember_Flag == 1) {
      Lines.current_line = Read_Progress(kArticleTextLenSection, 1);
      Article_Number = Read_Progress(kArticleLessionSection, 1);
    } else if (Current_Remember_Flag == 0) {
      Lines.current_line = 1;
      Article_Number = 1;
      Store_Progress(kArticleTextLenSection, 1);
      Store_Progress(kArticleLessionSection, 1);
      Store_Progress(kArticleLastLinesSection, 0);
    }
    if (Article_Number < 1) Article_Number = 1;
    Line_End_Entered = false;
    if (Load_Article_Line_Lesson(form)) Exercise_Running = true;
  });
}

Article_Key_Place Article_Key_Place_Of(int slot) {
  // Left and top of each slot's image on the page (twips); the keys without a character keep
  // their own sizes, the others are as big as their highlight.
  struct Place {
    int slot, left, top, width, height;
  };
  static const Place kPlaces[] = {
      {40, 540, 1410, 0, 0}, {41, 1140, 1440, 0, 0}, {42, 1710, 1440, 0, 0},
      {43, 2280, 1440, 0, 0}, {44, 2850, 1440, 0, 0}, {45, 3420, 1440, 0, 0},
      {46, 3990, 1440, 0, 0}, {47, 4560, 1440, 0, 0}, {48, 5130, 1440, 0, 0},
      {49, 5700, 1440, 0, 0}, {50, 6270, 1440, 0, 0}, {51, 6840, 1440, 0, 0},
      {52, 7410, 1440, 0, 0}, {53, 7980, 1440, 0, 0},
      {32, 540, 2040, 0, 0}, {16, 1440, 2040, 0, 0}, {22, 2010, 2040, 0, 0},
      {4, 2580, 2040, 0, 0}, {17, 3150, 2040, 0, 0}, {19, 3720, 2040, 0, 0},
      {24, 4290, 2040, 0, 0}, {20, 4860, 2040, 0, 0}, {8, 5430, 2040, 0, 0},
      {14, 6015, 2040, 0, 0}, {15, 6600, 2040, 0, 0}, {56, 7170, 2040, 0, 0},
      {57, 7740, 2040, 0, 0}, {54, 8310, 2040, 0, 0},
      {33, 570, 2640, 990, 570}, {0, 1590, 2640, 0, 0}, {18, 2160, 2640, 0, 0},
      {3, 2730, 2640, 0, 0}, {5, 3300, 2640, 0, 0}, {6, 3885, 2640, 0, 0},
      {7, 4470, 2640, 0, 0}, {9, 5040, 2640, 0, 0}, {10, 5610, 2640, 0, 0},
      {11, 6180, 2640, 0, 0}, {27, 6750, 2640, 0, 0}, {55, 7320, 2640, 0, 0},
      {31, 7890, 2640, 0, 0},
      {34, 570, 3240, 1275, 570}, {25, 1860, 3240, 0, 0}, {23, 2430, 3240, 0, 0},
      {2, 3000, 3240, 0, 0}, {21, 3585, 3240, 0, 0}, {1, 4170, 3240, 0, 0},
      {13, 4740, 3240, 0, 0}, {12, 5310, 3240, 0, 0}, {28, 5880, 3240, 0, 0},
      {29, 6450, 3240, 0, 0}, {30, 7020, 3240, 0, 0}, {35, 7590, 3240, 1275, 570},
      {36, 600, 3840, 840, 555}, {38, 2310, 3825, 840, 555}, {26, 3180, 3840, 0, 0},
      {39, 6300, 3840, 840, 555}, {37, 8010, 3840, 840, 555},
  };
  for (const Place& p : kPlaces) {
    if (p.slot != slot) continue;
    if (p.width > 0) return {p.left, p.top, p.width, p.height};
    const Key_Image_Place highlight = Key_Image_Place_Of(slot);
    return {p.left, p.top, highlight.width, highlight.height};
  }
  return {0, 0, 0, 0};
}

// ---- The courses ----

void Initialize_English_Article_Page(forms::Form& form) {
  forms::Guarded([&] {
    Article_Boxes_Home(form);
    Current_Remember_Flag = Read(kEnglishArticleRemember);
    Current_Type_Method = Read(kEnglishArticleTypeMethod);
    Exercise_Running = false;
  });
  Set_Up_Layout(form);
}

void Start_English_Article_Lesson(forms::Form& form) { Start_Layout(form); }

void Initialize_PinYin_Page(forms::Form& form) {
  forms::Guarded([&] {
    Current_Remember_Flag = Read(kPinYinRemember);
    Current_Type_Method = Read(kPinYinTypeMethod);
    Exercise_Running = false;
  });
  if (Current_Type_Method == 0 || Current_Type_Method == 1) Set_Up_Layout(form);
}

void Start_PinYin_Lesson(forms::Form& form) {
  if (Current_Type_Method == 0 || Current_Type_Method == 1) Start_Layout(form);
}

void Update_Article_Page_Time(forms::Form& form) {
  switch (static_cast<Layout>(Current_Type_Method)) {
    case Layout::Article: Update_Article_Time(form); break;
    case Layout::Overwrite: Update_Overwrite_Time(form); break;
    case Layout::Lines: Update_Article_Line_Time_And_Speed(form); break;
  }
}

}  // namespace quillon
