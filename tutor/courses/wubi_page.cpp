#include "courses/wubi_page.h"

#include "courses/article_page.h"
#include "courses/course_settings.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

namespace {

constexpr int kTwips = 15;  // the page is designed at 15 twips to the pixel
constexpr int kChineseFont = 1;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kInk = RGB(36, 60, 64);
constexpr COLORREF kTealDark = RGB(20, 96, 100);
constexpr COLORREF kSpeedBar = RGB(0x80, 0x80, 0xFF);  // &H00FF8080&


forms::Form& Main() { return Main_Window(); }
forms::Picture_Box& Page() { return Panel(Number(Panel_Id::Wubi_Lines)); }
forms::Label& Label_Of(const char* name, int index = -1) {
  return Main().Get<forms::Label>(name, index);
}
forms::Label& Speed_Bar() { return Label_Of("Label_Wubi_Process_Speed", 1); }
forms::Rich_Text_Box& Box(const char* name) { return Main().Get<forms::Rich_Text_Box>(name); }
forms::Rich_Text_Box& Source_Box() { return Box("RichText_Wubi_Source"); }
forms::Rich_Text_Box& User_Box() { return Box("RichText_Wubi_User"); }

void Set_Caption(forms::Label& label, const std::string& text) {
  if (label.Caption() != text) label.Set_Caption(text);
}

class Page_View : public Wubi_View {
 public:
  void Play_Key_Sound(int16_t slot) override { quillon::Play_Key_Sound(slot); }
  void Play_Wrong_Sound() override { quillon::Play_Wrong_Sound(); }
  void Play_Enter_Sound() override { quillon::Play_Enter_Sound(); }
  void Play_Win_Sound() override { quillon::Play_Win_Sound(); }

  void Reset_Page() override {
    if (!Page().Get_Picture()) Load_Resource_Picture_To_PictureBox(Page(), "wbkeyboard");
    Speed_Bar().Set_Visible(false);
    for (const char* name : {"Label_Wubi_Time_Info", "Label_Wubi_Course_Name", "Label_Wubi_Code_Info"})
      Set_Caption(Label_Of(name), "");
    Set_Caption(Label_Of("Label_Wubi_Process_Speed", 0), "0.00%");
  }
  double Speed_Bar_Design_Width() override { return Speed_Bar().Width(); }
  void Set_Speed_Bar_Width(double width) override {
    const int twips = width > 0 ? static_cast<int>(width + 0.5) : 0;
    if (Speed_Bar().Width() != twips) Speed_Bar().Set_Width(twips);
  }
  void Show_Speed_Bar() override { Speed_Bar().Set_Visible(true); }
  void Show_Heading(const std::string& heading) override {
    Set_Caption(Label_Of("Label_Wubi_Course_Name"), heading);
  }
  void Show_Code_Info(const std::string& text) override {
    Set_Caption(Label_Of("Label_Wubi_Code_Info"), text);
  }
  void Show_Progress(const std::string& text) override {
    Set_Caption(Label_Of("Label_Wubi_Process_Speed", 0), text);
  }
  void Show_Time(double elapsed_seconds) override {
    Set_Caption(Label_Of("Label_Wubi_Time_Info"), Format_Time(static_cast<float>(elapsed_seconds)));
  }
  void Set_Timer(bool on) override { Main_Timer("Timer_Check").Set_Enabled(on); }

  void Open_Line(const std::string& line, bool cursor_prompt, int max_length) override {
    forms::Rich_Text_Box& source = Source_Box();
    forms::Rich_Text_Box& user = User_Box();
    Reset_RichText_Font(source, kChineseFont);
    source.Set_Text(line);
    source.Set_Sel_Start(0);
    if (cursor_prompt) source.Set_Sel_Length(1);
    Reset_RichText_Font(user, kChineseFont);
    user.Set_Sel_Color(kBlack);
    user.Set_Max_Length(max_length);
    user.Set_Locked(false);
    user.Set_Enabled(true);
    forms::Silent([&] { user.Set_Focus(); });
  }
  void Disable_Typing_Box() override { User_Box().Set_Enabled(false); }
  void Paint_Wrong_Char(int user_length) override {
    forms::Rich_Text_Box& user = User_Box();
    user.Select(user_length - 1, 1);
    user.Set_Sel_Color(kRed);
    user.Select(user_length, 0);
    user.Set_Sel_Color(kBlack);
  }
  void Paint_Right_Char(int user_length) override {
    forms::Rich_Text_Box& user = User_Box();
    if (user.Sel_Color() == kBlack) return;
    user.Select(user_length - 1, 1);
    user.Set_Sel_Color(kBlack);
    user.Select(user_length, 0);
  }
  void Set_Typing_Black() override { User_Box().Set_Sel_Color(kBlack); }
  void Move_Source_Prompt(int offset, bool select_next) override {
    forms::Rich_Text_Box& source = Source_Box();
    source.Set_Sel_Start(offset);
    if (select_next) source.Set_Sel_Length(1);
  }
  void Keep_Typing_Caret_At_End() override {
    forms::Rich_Text_Box& user = User_Box();
    const int length = user.Text_Length();
    if (user.Sel_Start() != length || user.Sel_Length() != 0) user.Set_Sel_Start(length);
  }
  int Ask_Next_Line() override {
    Show_Form_YesRetryNo();
    return Retry_Dialog_Answer;
  }
  void Show_Lesson_Finished() override { Show_Form_Yes(); }
  void Show_Error(const std::string& text) override { forms::Show_Error_Box(text); }
};

Page_View& View() {
  static Page_View view;
  return view;
}

Tutor_Course_Settings& Settings() {
  static Tutor_Course_Settings settings;
  return settings;
}

bool Page_On_Show() { return Page().Visible() && Current_Panel == Number(Panel_Id::Wubi_Lines); }

// ---- The typing box's events ----

void RichText_Wubi_User_Change() {
  if (!Page_On_Show()) return;
  forms::Guarded([] { Wubi_Lines().Change(User_Box().Text()); });
}

void RichText_Wubi_User_KeyDown(int& key_code, int shift) {
  if (!Page_On_Show()) {
    key_code = 0;
    return;
  }
  forms::Guarded([&] {
    Block_Paste_Keys(User_Box(), key_code, shift);
    Wubi_Lines().Key_Down(key_code);
  });
  // The line is one line: Enter ends it and never goes into the box.
  if (key_code == VK_RETURN) key_code = 0;
}

void RichText_Wubi_User_KeyUp() {
  if (!Page_On_Show()) return;
  forms::Guarded([] { Wubi_Lines().Key_Up(Tick_Seconds()); });
}

void RichText_Wubi_User_LostFocus() {
  forms::Silent([] {
    forms::Form& form = Main();
    if (!Page_On_Show() || !User_Box().Enabled()) return;
    if (form.Get<forms::Image>("Image_Main_Form_Up").Visible()) return;
    // Only while the tutor is in front and no modal box holds it.
    if (GetForegroundWindow() != form.Hwnd() || !IsWindowEnabled(form.Hwnd())) return;
    User_Box().Set_Focus();
  });
}

}  // namespace

Wubi_Line_Practice& Wubi_Lines() {
  static Wubi_Line_Practice practice(View(), Settings(), Ignore_Text_Change, Line_End_Entered);
  return practice;
}

void Design_Wubi_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Wubi_Lines));
  auto place = [](forms::Control& c, int left, int top, int width, int height) {
    c.Move(left * kTwips, top * kTwips, width * kTwips, height * kTwips);
  };
  auto label = [&](const char* name, int index, int left, int top, int width, int height) {
    auto& l = form.Add<forms::Label>(name, index, &page);
    place(l, left, top, width, height);
    l.Set_Font("宋体", 10.5, true);
    l.Set_Fore_Color(kInk);
    l.Set_Alignment(2);
    return &l;
  };
  forms::Label* heading = label("Label_Wubi_Course_Name", -1, 26, 100, 280, 16);
  heading->Set_Fore_Color(kTealDark);
  heading->Set_Alignment(0);
  forms::Label* hint = label("Label_Wubi_Code_Info", -1, 503, 160, 110, 24);
  hint->Set_Font("宋体", 14, true);
  label("Label_Wubi_Time_Info", -1, 503, 218, 110, 16);
  label("Label_Wubi_Process_Speed", 0, 503, 264, 110, 16);
  auto& bar = form.Add<forms::Label>("Label_Wubi_Process_Speed", 1, &page);
  bar.Move(372 * kTwips, 106 * kTwips, 3630, 45);
  bar.Set_Back_Style(1);
  bar.Set_Back_Color(kSpeedBar);
  bar.Set_Visible(false);

  auto box = [&](const char* name, int top) -> forms::Rich_Text_Box& {
    auto& b = form.Add<forms::Rich_Text_Box>(name, -1, &page);
    b.Set_Multi_Line(false);
    b.Set_Scroll_Bars(0);
    b.Set_Border(false);
    place(b, 52, top + 1, 426, 24);
    b.On_Mouse_Move = [](int, int, int, int) { Main_Surface_Mouse_Move(); };
    return b;
  };
  forms::Rich_Text_Box& source = box("RichText_Wubi_Source", 10);
  source.Set_Hide_Selection(false);  // the next character to copy shows highlighted
  source.Set_Locked(true);
  forms::Rich_Text_Box& user = box("RichText_Wubi_User", 46);
  user.Set_Tool_Tip_Text("用户输入区，行末回车换行");
  user.On_Change = [] { RichText_Wubi_User_Change(); };
  user.On_Key_Down = [](int& key, int shift) { RichText_Wubi_User_KeyDown(key, shift); };
  user.On_Key_Press = [](int& ascii) {
    if (ascii == '\r' || ascii == '\n') ascii = 0;
  };
  user.On_Key_Up = [](int&, int) { RichText_Wubi_User_KeyUp(); };
  user.On_Lost_Focus = [] { RichText_Wubi_User_LostFocus(); };

  // The code table's box, never shown. The practice holds the table as plain text in memory
  // (a rich-text box holding a table of every character took a hundred megabytes and more), so
  // the box stays empty.
  auto& table = form.Add<forms::Rich_Text_Box>("RichText_Search_Wubi_Code", -1, &page);
  table.Move(0, 0, 15, 15);
  table.Set_Visible(false);
}

void Initialize_Wubi_Page(forms::Form& form) {
  forms::Guarded([] {
    Current_Remember_Flag = Read(kWubiRemember);
    Current_Type_Method = Read(kWubiTypeMethod);
  });
  Wubi_Lines().Stop();
  switch (static_cast<Wubi_Type_Method>(Current_Type_Method)) {
    // Types 0 and 1: the Chinese articles on the article course's pages.
    case Wubi_Type_Method::Article: Initialize_Article_Page(form); break;
    case Wubi_Type_Method::Overwrite: Initialize_Overwrite_Page(form); break;
    case Wubi_Type_Method::Lines:
      Exercise_Running = false;
      Wubi_Lines().Initialize_Page(static_cast<int16_t>(Current_Remember_Flag));
      break;
  }
}

void Start_Wubi_Lesson(forms::Form& form) {
  switch (static_cast<Wubi_Type_Method>(Current_Type_Method)) {
    case Wubi_Type_Method::Article: Start_Article_Lesson(form); break;
    case Wubi_Type_Method::Overwrite: Start_Overwrite_Lesson(form); break;
    case Wubi_Type_Method::Lines:
      forms::Guarded([] { Wubi_Lines().Start_Lesson(Program_Folder(), Tick_Seconds()); });
      break;
  }
}

void Update_Wubi_Time_And_Speed(forms::Form&) { Wubi_Lines().Tick(Tick_Seconds()); }

}  // namespace quillon
