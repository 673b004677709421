#include "courses/word_page.h"

#include "courses/course_settings.h"
#include "courses/key_char_page.h"
#include "services/key_table.h"
#include "services/screen_ids.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/picture_boxes.h"
#include "services/utilities.h"
#include "services/sounds.h"
#include "services/program_folder.h"
#include "services/typing_boxes.h"

namespace quillon {

namespace {

constexpr int kTwips = 15;  // the page is designed at 15 twips to the pixel
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kInk = RGB(36, 60, 64);
constexpr COLORREF kTealDark = RGB(20, 96, 100);

forms::Form& Main() { return Main_Window(); }
forms::Picture_Box& Page() { return Panel(Number(Panel_Id::Words)); }
forms::Image& Key_Image(int slot) { return Main().Get<forms::Image>("Image_Word_Character", slot); }
forms::Label& Label_Of(const char* name) { return Main().Get<forms::Label>(name); }
forms::Picture_Box& Review_Panel() { return Main().Get<forms::Picture_Box>("Picture_Input_Word"); }
forms::Rich_Text_Box& Box(const char* name) { return Main().Get<forms::Rich_Text_Box>(name); }
forms::Rich_Text_Box& Word_Box() { return Box("RichText_Source_Word"); }
forms::Rich_Text_Box& Explain_Box() { return Box("RichText_Source_Word_Explain"); }
forms::Rich_Text_Box& Learn_Box() { return Box("RichText_Input_Word"); }
forms::Rich_Text_Box& Review_Source() { return Box("RichText_Input_Source"); }
forms::Rich_Text_Box& Review_Box() { return Box("RichText_Input_User"); }

void Empty_Picture(forms::Image& image) {
  if (image.Get_Picture()) image.Set_Picture(forms::Picture());
}

bool Main_Key_Slot(int16_t slot) { return slot >= 0 && slot <= kLastMainKeySlot; }

// A typing box takes the user's text, one line long.
void Open_Typing_Box(forms::Rich_Text_Box& box, int max_length) {
  Reset_RichText_Font(box, 0);
  box.Set_Sel_Color(kBlack);
  box.Set_Max_Length(max_length);
  box.Set_Locked(false);
  box.Set_Enabled(true);
  box.Set_Focus();
}

void Fill_Source(forms::Rich_Text_Box& box, const std::string& text, bool cursor_prompt) {
  Reset_RichText_Font(box, 0);
  box.Set_Text(text);
  box.Set_Sel_Start(0);
  if (cursor_prompt) box.Set_Sel_Length(1);
}

void Move_Prompt(forms::Rich_Text_Box& box, int offset, bool select_next) {
  box.Set_Sel_Start(offset);
  if (select_next) box.Set_Sel_Length(1);
}

// The page as the practice sees it.
class Page_View : public Word_View {
 public:
  void Play_Key_Sound(int16_t slot) override { quillon::Play_Key_Sound(slot); }
  void Play_Wrong_Sound() override { quillon::Play_Wrong_Sound(); }
  void Play_Enter_Sound() override { quillon::Play_Enter_Sound(); }
  void Play_Win_Sound() override { quillon::Play_Win_Sound(); }

  void Light_Key(int16_t slot) override {
    if (Main_Key_Slot(slot))
      Load_Resource_Picture_To_Image(Key_Image(slot), "mychar" + std::to_string(slot));
  }
  void Clear_Key(int16_t slot) override {
    if (Main_Key_Slot(slot)) Empty_Picture(Key_Image(slot));
  }
  void Clear_Key_Pictures() override {
    for (forms::Control* c : Main().Array("Image_Word_Character"))
      Empty_Picture(*static_cast<forms::Image*>(c));
  }
  void Flash_Wrong_Key(int16_t slot) override {
    if (!Main_Key_Slot(slot)) return;
    forms::Image& image = Key_Image(slot);
    const int width = image.Width(), height = image.Height();
    Load_Resource_Picture_To_Image(image, "mycharwrong" + std::to_string(slot));
    image.Move(image.Left(), image.Top(), width, height);
  }

  void Reset_Page() override {
    if (!Page().Get_Picture()) Load_Resource_Picture_To_PictureBox(Page(), "dc");
    if (!Review_Panel().Get_Picture()) Load_Resource_Picture_To_PictureBox(Review_Panel(), "wd");
    Review_Panel().Set_Visible(false);
    Label_Of("Label_Word_Speed").Set_Visible(false);
    Clear_Key_Pictures();
    for (const char* name : {"Label_Word_Time_Info", "Label_Word_Num", "Label_Word_Course_Name"})
      Label_Of(name).Set_Caption("");
  }
  double Speed_Bar_Design_Width() override { return Label_Of("Label_Word_Speed").Width(); }
  void Set_Speed_Bar_Width(double width) override {
    forms::Label& bar = Label_Of("Label_Word_Speed");
    const int twips = width > 0 ? static_cast<int>(width + 0.5) : 0;
    if (bar.Width() != twips) bar.Set_Width(twips);
  }
  void Show_Speed_Bar() override { Label_Of("Label_Word_Speed").Set_Visible(true); }
  void Show_Time(double elapsed_seconds) override {
    const std::string text = Format_Time(static_cast<float>(elapsed_seconds));
    forms::Label& label = Label_Of("Label_Word_Time_Info");
    if (label.Caption() != text) label.Set_Caption(text);
  }
  void Show_Studied(int32_t words) override {
    Label_Of("Label_Word_Num").Set_Caption(std::to_string(words));
  }
  void Show_Caption(const std::string& caption) override {
    Label_Of("Label_Word_Course_Name").Set_Caption(caption);
  }
  void Set_Timer(bool on) override { Main_Timer("Timer_Check").Set_Enabled(on); }

  void Show_Word(const std::string& word, const std::string& explanation,
                 bool cursor_prompt) override {
    Fill_Source(Word_Box(), word, cursor_prompt);
    Open_Typing_Box(Learn_Box(), static_cast<int>(word.size()));
    Reset_RichText_Font(Explain_Box(), 1);
    Explain_Box().Set_Text(explanation);
  }
  void Remove_Wrong_Letter(int user_length) override {
    forms::Rich_Text_Box& box = Learn_Box();
    box.Select(user_length - 1, 1);
    box.Set_Sel_Text("");
  }
  void Set_Learn_Black() override { Learn_Box().Set_Sel_Color(kBlack); }
  void Move_Word_Prompt(int offset, bool select_next) override {
    Move_Prompt(Word_Box(), offset, select_next);
  }
  void Clear_Learn_Boxes() override {
    Ignore_Text_Change = true;
    for (forms::Rich_Text_Box* box : {&Word_Box(), &Explain_Box(), &Learn_Box()})
      box->Set_Text("");
  }

  void Open_Review(const std::string& line, bool cursor_prompt) override {
    Learn_Box().Set_Enabled(false);
    Review_Panel().Z_Order(0);  // over the learn boxes
    Review_Panel().Set_Visible(true);
    Fill_Source(Review_Source(), line, cursor_prompt);
    Open_Typing_Box(Review_Box(), static_cast<int>(line.size()));
  }
  void Hide_Review() override { Review_Panel().Set_Visible(false); }
  void Disable_Review_Box() override { Review_Box().Set_Enabled(false); }
  void Disable_Learn_Box() override { Learn_Box().Set_Enabled(false); }
  void Paint_Review_Wrong(int user_length) override {
    forms::Rich_Text_Box& box = Review_Box();
    box.Select(user_length - 1, 1);
    box.Set_Sel_Color(kRed);
    box.Select(user_length, 0);
    box.Set_Sel_Color(kBlack);
  }
  void Set_Review_Black() override { Review_Box().Set_Sel_Color(kBlack); }
  void Move_Review_Prompt(int offset, bool select_next) override {
    Move_Prompt(Review_Source(), offset, select_next);
  }

  void Keep_Caret_At_End(bool review) override {
    forms::Rich_Text_Box& box = review ? Review_Box() : Learn_Box();
    const int length = box.Text_Length();
    if (box.Sel_Start() != length) box.Set_Sel_Start(length);
  }

  int Ask_Next_Round() override {
    Show_Form_YesRetryNo();
    return Retry_Dialog_Answer;
  }
  void Show_Lesson_Finished() override { Show_Form_Yes(); }
  void Show_Error(const std::string& text) override { forms::Show_Error_Box(text); }
  void Show_Idle_Page() override {
    Exercise_Running = false;
    Clear_Learn_Boxes();
    Learn_Box().Set_Enabled(false);
    Review_Box().Set_Enabled(false);
    Reset_Page();
  }
};

Page_View& View() {
  static Page_View view;
  return view;
}

Tutor_Course_Settings& Settings() {
  static Tutor_Course_Settings settings;
  return settings;
}

// The boxes take keys only while their page is on show.
bool Page_On_Show() {
  return Current_Panel == Number(Panel_Id::Words) && Page().Visible();
}

// ---- Box events ----

void Typing_Box_Key_Down(forms::Rich_Text_Box& box, int& key_code, int shift,
                         void (Word_Practice::*enter_check)(int)) {
  if (!Page_On_Show()) {
    key_code = 0;
    return;
  }
  forms::Guarded([&] {
    Block_Paste_And_Delete_Keys(box, key_code, shift);
    (Words().*enter_check)(key_code);
  });
  // The Enter that ends a word or a line never goes into a box as text.
  if (key_code == VK_RETURN) key_code = 0;
}

// A typing box takes the focus back while the tutor is in front and the box is in use.
void Typing_Box_Lost_Focus(forms::Rich_Text_Box& box, bool review) {
  forms::Silent([&] {
    forms::Form& form = Main();
    if (!Page_On_Show() || !box.Enabled() || !box.Visible()) return;
    if (Review_Panel().Visible() != review) return;  // the review panel covers the learn box
    if (form.Get<forms::Image>("Image_Main_Form_Up").Visible()) return;
    if (GetForegroundWindow() != form.Hwnd() || !IsWindowEnabled(form.Hwnd())) return;
    box.Set_Focus();
  });
}

forms::Rich_Text_Box& Add_Box(forms::Form& form, const char* name, forms::Container* parent,
                              int left, int top, int width, int height, bool multi_line) {
  auto& box = form.Add<forms::Rich_Text_Box>(name, -1, parent);
  box.Set_Multi_Line(multi_line);
  box.Set_Scroll_Bars(multi_line ? 2 : 0);
  box.Set_Border(false);
  box.Move(left * kTwips, top * kTwips, width * kTwips, height * kTwips);
  return box;
}

}  // namespace

// ---- Design ----

void Design_Word_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Words));

  // Where the page picture draws its wells (pixels).
  auto& word = Add_Box(form, "RichText_Source_Word", &page, 52, 12, 186, 22, false);
  word.Set_Hide_Selection(false);  // the next letter to type shows highlighted
  word.Set_Locked(true);
  auto& explain = Add_Box(form, "RichText_Source_Word_Explain", &page, 292, 12, 196, 58, true);
  explain.Set_Locked(true);
  auto& learn = Add_Box(form, "RichText_Input_Word", &page, 52, 48, 186, 22, false);
  learn.Set_Enabled(false);
  learn.On_Change = [] { forms::Guarded([] { Words().Learn_Change(Learn_Box().Text()); }); };
  learn.On_Key_Down = [](int& key, int shift) {
    Typing_Box_Key_Down(Learn_Box(), key, shift, &Word_Practice::Learn_Key_Down);
  };
  learn.On_Key_Press = [](int& ascii) {
    if (ascii == '\r' || ascii == '\n') {
      ascii = 0;
      return;
    }
    // A double-byte character arrives as lead byte * 256 + trail byte: its 16-bit ANSI code.
    Words().Learn_Key_Press(static_cast<int16_t>(ascii & 0xFFFF));
  };
  learn.On_Lost_Focus = [] { Typing_Box_Lost_Focus(Learn_Box(), false); };

  auto value_label = [&](const char* name, int left, int top, int width, int height,
                         COLORREF color) {
    auto& label = form.Add<forms::Label>(name, -1, &page);
    label.Move(left * kTwips, top * kTwips, width * kTwips, height * kTwips);
    label.Set_Font("宋体", 10.5, true);
    label.Set_Fore_Color(color);
    label.Set_Alignment(2);
    return &label;
  };
  value_label("Label_Word_Time_Info", 503, 162, 110, 16, kInk);
  value_label("Label_Word_Num", 503, 214, 110, 16, kInk);
  value_label("Label_Word_Course_Name", 12, 100, 310, 16, kTealDark);

  auto& speed = form.Add<forms::Label>("Label_Word_Speed", -1, &page);
  speed.Move(372 * kTwips, 106 * kTwips, 3630, 45);
  speed.Set_Back_Style(1);
  speed.Set_Back_Color(RGB(128, 128, 255));
  speed.Set_Visible(false);

  for (int slot = 0; slot <= kLastMainKeySlot; ++slot) {
    const Key_Image_Place place = Key_Image_Place_Of(slot);
    auto& image = form.Add<forms::Image>("Image_Word_Character", slot, &page);
    image.Move(place.left, place.top, place.width > 0 ? place.width : 15,
               place.height > 0 ? place.height : 15);
    Make_Main_Surface(image);
  }

  auto& review = form.Add<forms::Picture_Box>("Picture_Input_Word", -1, &page);
  review.Move(0, 0, 9495, 1305);
  review.Set_Visible(false);
  Make_Main_Surface(review);
  auto& source = form.Add<forms::Rich_Text_Box>("RichText_Input_Source", -1, &review);
  source.Set_Multi_Line(false);
  source.Set_Scroll_Bars(0);
  source.Set_Border(false);
  source.Set_Hide_Selection(false);
  source.Move(555, 240, 8445, 360);
  source.Set_Locked(true);
  auto& user = form.Add<forms::Rich_Text_Box>("RichText_Input_User", -1, &review);
  user.Set_Multi_Line(false);
  user.Set_Scroll_Bars(0);
  user.Set_Border(false);
  user.Move(555, 600, 8460, 345);
  user.Set_Tool_Tip_Text("用户输入区，行末回车换行");
  user.Set_Enabled(false);
  user.On_Change = [] { forms::Guarded([] { Words().Review_Change(Review_Box().Text()); }); };
  user.On_Key_Down = [](int& key, int shift) {
    Typing_Box_Key_Down(Review_Box(), key, shift, &Word_Practice::Review_Key_Down);
  };
  user.On_Key_Press = [](int& ascii) {
    if (ascii == '\r' || ascii == '\n') ascii = 0;
  };
  user.On_Key_Up = [](int&, int) { Words().Review_Key_Up(); };
  user.On_Lost_Focus = [] { Typing_Box_Lost_Focus(Review_Box(), true); };
  for (forms::Rich_Text_Box* box : {&source, &user})
    box->On_Mouse_Move = [](int, int, int, int) { Main_Surface_Mouse_Move(); };
}

Word_Practice& Words() {
  static Word_Practice practice(
      View(), Settings(),
      Word_Flags{Panel_Keys_Enabled, Ignore_Text_Change, Line_End_Entered, Ctrl_Key_Down,
                 Word_Page_First, Word_Char, Word_Explain_Char, Word_Lesson_Name},
      [] { return Tick_Seconds(); });
  return practice;
}

void Initialize_Word_Page(forms::Form&) {
  Exercise_Running = false;
  Words().Initialize_Page();
}

void Start_Word_Lesson(forms::Form&) { Exercise_Running = Words().Start_Lesson(Program_Folder()); }

void Update_Word_Time_And_Speed(forms::Form&) { Words().Tick(); }

}  // namespace quillon
