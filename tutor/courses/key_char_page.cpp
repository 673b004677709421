#include "courses/key_char_page.h"

#include <cstdint>

#include "courses/course_settings.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/input_methods.h"
#include "services/picture_boxes.h"
#include "services/key_table.h"
#include "services/main_commands.h"
#include "services/main_window.h"
#include "services/program_folder.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

namespace {

constexpr int kTwips = 15;  // the page is designed at 15 twips to the pixel

// Key images in pixels as the keyboard pictures "jw" (slots 0 to 57) and "jp2" (58 to 73) draw
// their keys: left, top, width, height.
constexpr int kKeyPixels[74][4] = {
    {66, 195, 28, 28}, {206, 226, 28, 28}, {144, 226, 28, 28}, {128, 195, 28, 28},
    {120, 164, 28, 28}, {159, 195, 28, 28}, {190, 195, 28, 28}, {221, 195, 28, 28},
    {276, 164, 28, 28}, {252, 195, 28, 28}, {283, 195, 28, 28}, {314, 195, 28, 28},
    {268, 226, 28, 28}, {237, 226, 28, 28}, {306, 164, 28, 28}, {338, 164, 28, 28},
    {58, 164, 28, 28},  {152, 164, 28, 28}, {97, 195, 28, 28},  {182, 164, 28, 28},
    {244, 164, 28, 28}, {175, 226, 28, 28}, {90, 164, 28, 28},  {113, 226, 28, 28},
    {214, 164, 28, 28}, {82, 226, 28, 28},  {105, 257, 276, 28}, {345, 195, 28, 28},
    {299, 226, 28, 28}, {330, 226, 28, 28}, {361, 226, 28, 28}, {407, 195, 67, 28},
    {12, 164, 43, 28},  {0, 0, 0, 0},       {0, 0, 0, 0},       {0, 0, 0, 0},
    {0, 0, 0, 0},       {0, 0, 0, 0},       {0, 0, 0, 0},       {0, 0, 0, 0},
    {12, 133, 28, 28},  {43, 133, 28, 28},  {74, 133, 28, 28},  {105, 133, 28, 28},
    {136, 133, 28, 28}, {167, 133, 28, 28}, {198, 133, 28, 28}, {229, 133, 28, 28},
    {260, 133, 28, 28}, {291, 133, 28, 28}, {322, 133, 28, 28}, {353, 133, 28, 28},
    {384, 133, 28, 28}, {415, 133, 59, 28}, {430, 164, 43, 28}, {376, 195, 28, 28},
    {368, 164, 28, 28}, {400, 164, 28, 28}, {5, 138, 59, 28},   {5, 107, 28, 28},
    {36, 107, 28, 28},  {67, 107, 28, 28},  {5, 76, 28, 28},    {36, 76, 28, 28},
    {67, 76, 28, 28},   {5, 45, 28, 28},    {36, 45, 28, 28},   {67, 45, 28, 28},
    {36, 14, 28, 28},   {67, 14, 28, 28},   {98, 14, 28, 28},   {98, 45, 28, 59},
    {98, 107, 28, 59},  {67, 138, 28, 28},
};

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kInk = RGB(36, 60, 64);
constexpr COLORREF kTealDark = RGB(20, 96, 100);

const char* const kButtonTips[3] = {"开始", "暂停", "结束"};

bool Key_Char_Buttons_Normal = false;

forms::Form& Main() { return Main_Window(); }
forms::Image& Key_Image(int slot) { return Main().Get<forms::Image>("Image_Character", slot); }
forms::Image& Button(int i) { return Main().Get<forms::Image>("Image_Key_Char", i); }
forms::Image& Miss_Image(int i) { return Main().Get<forms::Image>("Image_Key_Char_Miss", i); }
forms::Label& Label_Of(const char* name) { return Main().Get<forms::Label>(name); }
forms::Picture_Box& Input_Panel() { return Main().Get<forms::Picture_Box>("Picture_Input"); }
forms::Picture_Box& Keypad() { return Main().Get<forms::Picture_Box>("Picture_Char_Num_Keyboard"); }
forms::Rich_Text_Box& Source_Box() {
  return Main().Get<forms::Rich_Text_Box>("RichText_Char_Source");
}
forms::Rich_Text_Box& User_Box() { return Main().Get<forms::Rich_Text_Box>("RichText_Char_User"); }

// The main window takes the focus when the line-typing boxes had it (or nobody has it while the
// main window is in front): its key events then see the drill's keys as characters again.
void Focus_Main_Window() {
  const HWND main = Main().Hwnd();
  if (!main) return;
  const HWND focus = GetFocus();
  const bool boxes = focus && (focus == User_Box().Hwnd() || focus == Source_Box().Hwnd());
  if (boxes || (!focus && GetForegroundWindow() == main)) SetFocus(main);
}

// Hides the line-typing panel; the keys go back to the main window's key events.
void Hide_Input_Panel() {
  forms::Picture_Box& input = Input_Panel();
  if (input.Visible()) input.Set_Visible(false);
  Focus_Main_Window();
}

// The page as the practice sees it.
class Page_View : public Key_Char_View {
 public:
  void Play_Key_Sound(int16_t slot) override { quillon::Play_Key_Sound(slot); }
  void Play_Wrong_Sound() override { quillon::Play_Wrong_Sound(); }
  void Play_Enter_Sound() override { quillon::Play_Enter_Sound(); }
  void Play_Win_Sound() override { quillon::Play_Win_Sound(); }

  void Light_Key(int16_t slot) override {
    if (slot < 0 || slot > kLastKeypadSlot) return;
    Load_Resource_Picture_To_Image(Key_Image(slot), "mychar" + std::to_string(slot));
  }
  void Clear_Key(int16_t slot) override {
    if (slot < 0 || slot > kLastKeypadSlot) return;
    Clear_Look(Key_Image(slot));
  }
  void Clear_Key_Pictures() override {
    for (forms::Control* c : Main().Array("Image_Character")) {
      auto* image = static_cast<forms::Image*>(c);
      if (image->Get_Picture()) Clear_Look(*image);
    }
  }
  void Flash_Wrong_Key(int16_t slot) override {
    if (slot < 0 || slot > kLastKeypadSlot) return;
    forms::Image& image = Key_Image(slot);
    const int width = image.Width(), height = image.Height();
    Load_Resource_Picture_To_Image(image, "mycharwrong" + std::to_string(slot));
    image.Move(image.Left(), image.Top(), width, height);
  }
  void Show_Miss_Picture(int index) override {
    if (index < 0 || index >= kKeyCharMissPictures) return;
    Load_Resource_Picture_To_Image(Miss_Image(index), "mycharku" + std::to_string(index));
  }
  void Clear_Miss_Pictures() override {
    for (int i = 0; i < kKeyCharMissPictures; ++i) Clear_Look(Miss_Image(i));
  }

  void Reset_Page(int16_t type_method) override {
    forms::Form& form = Main();
    forms::Picture_Box& page = Panel(Number(Panel_Id::Keys));
    if (!page.Get_Picture()) Load_Resource_Picture_To_PictureBox(page, "jw");
    if (!Input_Panel().Get_Picture()) Load_Resource_Picture_To_PictureBox(Input_Panel(), "wd");
    for (int i = 0; i < 3; ++i) {
      if (!Button(i).Mouse_Icon()) Button(i).Set_Mouse_Icon(forms::Hand_Cursor());
    }
    Show_Keypad(type_method == 1);
    Label_Of("Label_Key_Speed").Set_Visible(false);
    Enable_Buttons(true, false, false);
    for (int i = 0; i < 3; ++i) Clear_Look(Button(i));
    (void)form;
    Reset_Labels();
  }
  void Reset_Labels() override {
    Clear_Miss_Pictures();
    Clear_Key_Pictures();
    Label_Of("Label_Key_Char_Time_Info").Set_Caption("");
    Label_Of("Label_Key_Char_Count").Set_Caption("");
    Label_Of("Label_Key_Char_Show_Msg").Set_Caption("");
    Hide_Input_Panel();
  }
  void Show_Keypad(bool shown) override {
    forms::Picture_Box& pad = Keypad();
    if (!shown) {
      pad.Set_Visible(false);
      return;
    }
    if (!pad.Get_Picture()) Load_Resource_Picture_To_PictureBox(pad, "jp2");
    pad.Set_Visible(true);
    Set_NumLock_On();
  }
  double Speed_Bar_Design_Width() override { return Label_Of("Label_Key_Speed").Width(); }
  void Set_Speed_Bar_Width(double width) override {
    forms::Label& bar = Label_Of("Label_Key_Speed");
    const int twips = width > 0 ? static_cast<int>(width + 0.5) : 0;
    if (bar.Width() != twips) bar.Set_Width(twips);
  }
  void Show_Speed_Bar() override { Label_Of("Label_Key_Speed").Set_Visible(true); }
  void Show_Score(int32_t score) override {
    Label_Of("Label_Key_Char_Count").Set_Caption(std::to_string(score));
  }
  void Show_Caption(const std::string& caption) override {
    Label_Of("Label_Key_Char_Show_Msg").Set_Caption(caption);
  }
  void Show_Time(double elapsed_seconds) override {
    const std::string text = Format_Time(static_cast<float>(elapsed_seconds));
    forms::Label& label = Label_Of("Label_Key_Char_Time_Info");
    if (label.Caption() != text) label.Set_Caption(text);
  }

  void Enable_Buttons(bool start, bool pause, bool stop) override {
    Button(0).Set_Enabled(start);
    Button(1).Set_Enabled(pause);
    Button(2).Set_Enabled(stop);
  }
  void Show_Paused(bool paused) override {
    forms::Image& pause = Button(1);
    if (paused) {
      Show_Look(pause, "mycharchar4");
      pause.Set_Tool_Tip_Text("继续");
    } else {
      Clear_Look(pause);
      pause.Set_Tool_Tip_Text("暂停");
    }
  }
  void Set_Timer(bool on) override { Main_Timer("Timer_Check").Set_Enabled(on); }

  void Open_Line_Typing(const std::string& line, bool cursor_prompt, int max_length) override {
    forms::Rich_Text_Box& source = Source_Box();
    forms::Rich_Text_Box& user = User_Box();
    Reset_RichText_Font(source, 0);
    source.Set_Text(line);
    source.Set_Sel_Start(0);
    if (cursor_prompt) source.Set_Sel_Length(1);
    Reset_RichText_Font(user, 0);
    user.Set_Sel_Color(kBlack);
    user.Set_Max_Length(max_length);
    user.Set_Enabled(true);
    user.Set_Locked(false);
    Input_Panel().Set_Visible(true);
    user.Set_Focus();
  }
  void Hide_Line_Typing() override { Hide_Input_Panel(); }
  void Disable_Typing_Box() override {
    Focus_Main_Window();
    User_Box().Set_Enabled(false);
  }
  void Paint_Wrong_Char(int user_length) override {
    forms::Rich_Text_Box& user = User_Box();
    user.Select(user_length - 1, 1);
    user.Set_Sel_Color(kRed);
    user.Select(user_length, 0);
    user.Set_Sel_Color(kBlack);
  }
  void Set_Typing_Black() override { User_Box().Set_Sel_Color(kBlack); }
  void Move_Source_Prompt(int offset, bool select_next) override {
    forms::Rich_Text_Box& source = Source_Box();
    source.Set_Sel_Start(offset);
    if (select_next) source.Set_Sel_Length(1);
  }
  void Keep_Typing_Caret_At_End() override {
    if (!Input_Panel().Visible()) return;
    forms::Rich_Text_Box& user = User_Box();
    const int length = user.Text_Length();
    if (user.Sel_Start() != length || user.Sel_Length() != 0) user.Set_Sel_Start(length);
  }

  int Ask_Retry_After_Misses() override {
    Show_Form_YesNo();
    return Dialog_Answer;
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

// ---- Buttons ----

void Clear_Other_Key_Char_Buttons(int index) {
  for (int i = 0; i < 3; ++i) {
    if (i == index) continue;
    if (i == 1 && Key_Char_Paused) continue;
    if (Button(i).Get_Picture()) Clear_Look(Button(i));
  }
}

void Key_Char_Button_Click_Picture(int index) {
  Key_Char_Buttons_Normal = false;
  Clear_Other_Key_Char_Buttons(index);
  Show_Look(Button(index), "mycharchar" + std::to_string(2 * index + 2));
}

void Key_Char_Button_Hover_Picture(int index) {
  if (!Key_Char_Buttons_Normal) return;
  Clear_Other_Key_Char_Buttons(index);
  // The pause button shows its hover look while paused too; the hover reset brings the paused
  // look back.
  Show_Look(Button(index), "mycharchar" + std::to_string(2 * index + 1));
}

// ---- Line-typing box events ----

void RichText_Char_User_Change() {
  forms::Guarded([] { Key_Char().Line_Change(User_Box().Text()); });
}

void RichText_Char_User_KeyDown(int& key_code, int shift) {
  // A box left with the focus after its panel was hidden takes no keys.
  if (!Input_Panel().Visible() || !Panel(Number(Panel_Id::Keys)).Visible()) {
    key_code = 0;
    return;
  }
  forms::Guarded([&] {
    Block_Paste_Keys(User_Box(), key_code, shift);
    Key_Char().Line_Key_Down(key_code);
  });
  // The line is one line: Enter ends it and never goes into the box.
  if (key_code == VK_RETURN) key_code = 0;
}

void RichText_Char_User_KeyUp() {
  forms::Guarded([] { Key_Char().Line_Key_Up(Tick_Seconds()); });
}

void RichText_Char_User_LostFocus() {
  forms::Silent([] {
    forms::Form& form = Main();
    if (!Input_Panel().Visible() || !Panel(Number(Panel_Id::Keys)).Visible()) return;
    if (form.Get<forms::Image>("Image_Main_Form_Up").Visible()) return;
    // Only while the tutor is in front and no modal box holds it.
    if (GetForegroundWindow() != form.Hwnd() || !IsWindowEnabled(form.Hwnd())) return;
    User_Box().Set_Focus();
  });
}

}  // namespace

// ---- Design ----

void Design_Key_Char_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Keys));

  for (int i = 0; i < kKeyCharMissPictures; ++i) {
    auto& miss = form.Add<forms::Image>("Image_Key_Char_Miss", i, &page);
    miss.Move((46 + 25 * i) * kTwips, 11 * kTwips, 22 * kTwips, 22 * kTwips);
    miss.On_Mouse_Move = [](int, int, int, int) { Reset_Key_Char_Button_Picture(Main_Window()); };
  }

  auto value_label = [&](const char* name, int left, int top, int width, int height) {
    auto& label = form.Add<forms::Label>(name, -1, &page);
    label.Move(left * kTwips, top * kTwips, width * kTwips, height * kTwips);
    label.Set_Font("宋体", 10.5, true);
    label.Set_Fore_Color(kInk);
    label.Set_Alignment(2);
    return &label;
  };
  value_label("Label_Key_Char_Time_Info", 46, 43, 100, 16);
  value_label("Label_Key_Char_Count", 196, 43, 100, 16);
  forms::Label* caption = value_label("Label_Key_Char_Show_Msg", 120, 101, 391, 16);
  caption->Set_Font("宋体", 10.5, true);
  caption->Set_Fore_Color(kTealDark);

  auto& speed = form.Add<forms::Label>("Label_Key_Speed", -1, &page);
  speed.Move(690, 1035, 3585, 45);
  speed.Set_Back_Style(1);
  speed.Set_Back_Color(RGB(128, 128, 255));
  speed.Set_Visible(false);

  for (int i = 0; i < 3; ++i) {
    auto& button = form.Add<forms::Image>("Image_Key_Char", i, &page);
    button.Move((444 + 62 * i) * kTwips, 12 * kTwips, 56 * kTwips, 56 * kTwips);
    button.Set_Tool_Tip_Text(kButtonTips[i]);
    button.Set_Mouse_Icon(forms::Hand_Cursor());
    button.Set_Enabled(i == 0);
    button.On_Click = [i] { Image_Key_Char_Click(Main_Window(), i); };
    button.On_Mouse_Move = [i](int, int, int, int) { Image_Key_Char_MouseMove(Main_Window(), i); };
    button.On_Mouse_Leave = [] { Reset_Key_Char_Button_Picture(Main_Window()); };
  }

  for (int slot = 0; slot <= kLastMainKeySlot; ++slot) {
    const Key_Image_Place place = Key_Image_Place_Of(slot);
    auto& image = form.Add<forms::Image>("Image_Character", slot, &page);
    image.Move(place.left, place.top, place.width > 0 ? place.width : 15,
               place.height > 0 ? place.height : 15);
  }

  auto& pad = form.Add<forms::Picture_Box>("Picture_Char_Num_Keyboard", -1, &page);
  pad.Move(491 * kTwips, 126 * kTwips, 133 * kTwips, 169 * kTwips);
  pad.Set_Visible(false);
  for (int slot = kFirstKeypadSlot; slot <= kLastKeypadSlot; ++slot) {
    const Key_Image_Place place = Key_Image_Place_Of(slot);
    form.Add<forms::Image>("Image_Character", slot, &pad)
        .Move(place.left, place.top, place.width, place.height);
  }

  auto& input = form.Add<forms::Picture_Box>("Picture_Input", -1, &page);
  input.Move(0, 0, 9495, 1305);
  input.Set_Visible(false);
  // The keys, the keypad and the input panel are bare surfaces of the main window: a pointer move
  // takes the hover looks away, a right press opens the context menu.
  std::vector<forms::Control*> surfaces = form.Array("Image_Character");
  surfaces.push_back(&pad);
  surfaces.push_back(&input);
  for (forms::Control* c : surfaces) Make_Main_Surface(*c);
  auto& source = form.Add<forms::Rich_Text_Box>("RichText_Char_Source", -1, &input);
  source.Set_Multi_Line(false);
  source.Set_Scroll_Bars(0);
  source.Set_Border(false);
  source.Set_Hide_Selection(false);  // the next character to copy shows highlighted
  source.Move(555, 240, 8445, 360);
  source.Set_Locked(true);
  auto& user = form.Add<forms::Rich_Text_Box>("RichText_Char_User", -1, &input);
  user.Set_Multi_Line(false);
  user.Set_Scroll_Bars(0);
  user.Set_Border(false);
  user.Move(555, 600, 8460, 345);
  user.Set_Tool_Tip_Text("用户输入区，行末回车换行");
  user.On_Change = [] { RichText_Char_User_Change(); };
  // Like the surfaces between the buttons, the two boxes take hover looks and left menus away.
  for (forms::Rich_Text_Box* box : {&source, &user})
    box->On_Mouse_Move = [](int, int, int, int) { Main_Surface_Mouse_Move(); };
  user.On_Key_Down = [](int& key, int shift) { RichText_Char_User_KeyDown(key, shift); };
  user.On_Key_Press = [](int& ascii) {
    if (ascii == '\r' || ascii == '\n') ascii = 0;
  };
  user.On_Key_Up = [](int&, int) { RichText_Char_User_KeyUp(); };
  user.On_Lost_Focus = [] { RichText_Char_User_LostFocus(); };
}

Key_Image_Place Key_Image_Place_Of(int slot) {
  if (slot < 0 || slot > kLastKeypadSlot) return {0, 0, 0, 0};
  const int* p = kKeyPixels[slot];
  return {p[0] * kTwips, p[1] * kTwips, p[2] * kTwips, p[3] * kTwips};
}

Key_Char_Practice& Key_Char() {
  static Key_Char_Practice practice(
      View(), Settings(),
      Key_Char_Flags{Panel_Keys_Enabled, Exercise_Running, Ignore_Text_Change, Line_End_Entered,
                     Key_Char_Paused, Key_Char_Miss_Limit, Key_Char_Page_First});
  return practice;
}

void Initialize_Key_Char_Page(forms::Form&) { Key_Char().Initialize_Page(); }

void Start_Key_Char_Lesson(forms::Form&) { Key_Char().Start_Lesson(Program_Folder()); }

void Start_Key_Char_Practice(forms::Form&) { Key_Char().Start_Practice(Tick_Seconds()); }

void Key_Char_Key_Press(forms::Form&, int key_ascii) {
  // A double-byte character arrives as lead byte * 256 + trail byte: its 16-bit ANSI code.
  Key_Char().Key_Press(static_cast<int16_t>(key_ascii & 0xFFFF), Ctrl_Key_Down);
}

void Ask_Key_Char_Line_Retry(forms::Form&) { Key_Char().Ask_Line_Retry(Tick_Seconds()); }

void Update_Key_Char_Time_And_Speed(forms::Form&) { Key_Char().Tick(Tick_Seconds()); }

void Image_Key_Char_Click(forms::Form&, int index) {
  forms::Guarded([&] {
    Play_Click_Sound();
    Key_Char_Button_Click_Picture(index);
  });
  switch (index) {
    case 0: Key_Char().Start_Practice(Tick_Seconds()); break;
    case 1: Key_Char().Toggle_Pause(Tick_Seconds()); break;
    case 2: Key_Char().Stop(); break;
    default: break;
  }
}

void Image_Key_Char_MouseMove(forms::Form&, int index) {
  forms::Guarded([&] { Key_Char_Button_Hover_Picture(index); });
}

void Reset_Key_Char_Button_Picture(forms::Form&) {
  forms::Guarded([] {
    Key_Char_Buttons_Normal = true;
    for (int i = 0; i < 3; ++i) {
      forms::Image& button = Button(i);
      if (i == 1 && Key_Char_Paused) {
        Show_Look(button, "mycharchar4");
      } else if (button.Get_Picture()) {
        Clear_Look(button);
      }
    }
  });
}

}  // namespace quillon
