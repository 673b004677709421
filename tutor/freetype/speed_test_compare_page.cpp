// The compare-text speed test on panel 8: six source lines, each above the user line that
// copies it, the start button, and time, typed count, rate and source count.
#include <windows.h>
#include <commdlg.h>

#include <fstream>
#include <iterator>

#include "freetype/speed_test_compare.h"
#include "freetype/speed_test_look.h"
#include "freetype/speed_test_pages.h"
#include "freetype/speed_test_result.h"
#include "services/prompts.h"
#include "services/globals.h"
#include "services/input_methods.h"
#include "services/key_table.h"
#include "services/main_window.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

std::string Wide_To_Ansi(const std::wstring& text) {
  if (text.empty()) return "";
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::wstring Ansi_To_Wide(const std::string& text) {
  if (text.empty()) return L"";
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kCtrl = 2, kShift = 1;
const char kIdleTip[] = "请点击左边按钮开始速度测试 ...";
constexpr int kSourceTops[kComparePairs] = {240, 1140, 2010, 2895, 3795, 4665};
constexpr int kUserTops[kComparePairs] = {675, 1575, 2460, 3360, 4230, 5115};

bool In_Test_Hover_Enabled = true;
bool In_Test_Key_Guard_On = false;
bool In_Test_Starting = false;  // from the click until the clock runs
double In_Test_Start_Seconds = 0;
double In_Test_Elapsed_Seconds = 0;
File_Chooser Chooser;

forms::Form& Main() { return Main_Window(); }
forms::Rich_Text_Box& Source(int pair) {
  return Main().Get<forms::Rich_Text_Box>("RichText_Source_In_Speed_Test", pair);
}
forms::Rich_Text_Box& User(int pair) {
  return Main().Get<forms::Rich_Text_Box>("RichText_User_In_Speed_Test", pair);
}
forms::Image& Button() { return Main().Get<forms::Image>("Image_In_Speed_Test"); }
forms::Label& Label_Of(const char* name) { return Main().Get<forms::Label>(name); }
forms::Timer& Check_Timer() { return Main_Timer("Timer_Check"); }
bool On_Show() { return Current_Panel == Number(Panel_Id::In_Test); }

void End_In_Speed_Test();

class Page_View : public Compare_Test_View {
 public:
  void Fill_Pair(int pair, const std::wstring& line) override {
    forms::Rich_Text_Box& source = Source(pair);
    source.Set_Text(Wide_To_Ansi(line));
    source.Set_Sel_Start(0);
    forms::Rich_Text_Box& user = User(pair);
    user.Set_Max_Length(static_cast<int>(line.size()));
    Empty_User(user);
  }
  void Clear_Pair(int pair) override {
    Source(pair).Set_Text("");
    Source(pair).Set_Sel_Start(0);
    Empty_User(User(pair));
  }
  void Colour_Typed(int pair, int offset, bool wrong) override {
    forms::Rich_Text_Box& user = User(pair);
    if (!wrong && user.Sel_Color() == kBlack) return;
    user.Select(offset, 1);
    user.Set_Sel_Color(wrong ? kRed : kBlack);
    user.Select(offset + 1, 0);
    user.Set_Sel_Color(kBlack);
  }
  void Set_Typing_Black(int pair) override { User(pair).Set_Sel_Color(kBlack); }
  void Show_Source_Prompt(int pair, int offset, bool select) override {
    forms::Rich_Text_Box& source = Source(pair);
    source.Select(offset, select ? 1 : 0);
  }
  void Lock_User(int pair, bool locked) override { User(pair).Set_Locked(locked); }
  void Open_User(int pair, int offset) override {
    forms::Rich_Text_Box& user = User(pair);
    user.Set_Locked(false);
    user.Set_Sel_Start(offset);
    user.Set_Focus();
  }
  void Show_Counts(int32_t typed, double rate) override {
    Label_Of("Label_In_Speed_Test_Char_Num").Set_Caption(std::to_string(typed));
    Label_Of("Label_IST_Right_or_Wrong_Rate").Set_Caption(forms::Format(rate, "0.00%"));
  }
  void Play_Key_Sound(wchar_t expected) override {
    const std::string ansi = Wide_To_Ansi(std::wstring(1, expected));
    const int16_t code = ansi.size() == 1 ? static_cast<int16_t>(static_cast<unsigned char>(ansi[0]))
                                          : static_cast<int16_t>(0);
    quillon::Play_Key_Sound(Get_Key_Index(code));
  }
  void Play_Wrong_Sound() override { quillon::Play_Wrong_Sound(); }
  void Hold(bool held) override {
    Check_Timer().Set_Enabled(!held);
    Ignore_Text_Change = held;
  }
  void Send_Backspace() override {
    forms::Send_Keys("{BACKSPACE}");
    Wait_Milliseconds(100);
  }
  void Finished() override { End_In_Speed_Test(); }

 private:
  static void Empty_User(forms::Rich_Text_Box& user) {
    user.Set_Text("");
    user.Set_Sel_Start(0);
    user.Set_Sel_Color(kBlack);
  }
};

Page_View& View() {
  static Page_View view;
  return view;
}

Compare_Test& Test() {
  static Compare_Test test(View());
  return test;
}

std::string Dialog_File(const std::string& folder) {
  char file[MAX_PATH * 2] = {};
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Main().Hwnd();
  ofn.lpstrFilter = "*.txt\0*.txt\0All files (*.*)\0*.*\0";
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrInitialDir = folder.c_str();
  ofn.lpstrTitle = "选择对照的文本文件";
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  return GetOpenFileNameA(&ofn) ? std::string(file) : std::string();
}

// The file's lines; none (after the error box) when it cannot be read.
std::vector<std::wstring> Load_In_Speed_Test_Text(const std::string& path) {
  return forms::Guarded(
      [&] {
        std::ifstream in(path, std::ios::binary);
        if (!in) throw forms::Runtime_Error(53, "File not found: " + path);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) throw forms::Runtime_Error(57, "Device I/O error");
        return Compare_Text_Lines(bytes);
      },
      std::vector<std::wstring>{});
}

void Start_In_Speed_Test() {
  In_Test_Hover_Enabled = false;
  In_Test_Key_Guard_On = true;
  In_Test_Start_Seconds = 0;
  In_Test_Elapsed_Seconds = 0;
  const bool cursor_prompt = Read(kTestCursorPrompt) == 1;
  Show_Look(Button(), "nwcs2");
  Ignore_Text_Change = true;

  // The file.
  const std::string path = Chooser ? Chooser(Samples_Folder) : Dialog_File(Samples_Folder);
  if (path.empty()) return;
  const std::string folder = Get_Parent_Path(path);
  if (!folder.empty()) Samples_Folder = folder;
  std::vector<std::wstring> lines = Load_In_Speed_Test_Text(path);
  if (lines.empty()) return;
  for (int pair = 0; pair < kComparePairs; ++pair) User(pair).Set_Locked(true);
  Test().Start(std::move(lines), cursor_prompt);
  Show_Form_Begin_Type();
  if (!On_Show() || !Test().Running()) return;  // left while the prompt was up

  Label_Of("Label_In_Speed_Test_Time_Info").Set_Caption("00:00");
  Label_Of("Label_In_Speed_Test_Char_Num").Set_Caption("0");
  Label_Of("Label_IST_Right_or_Wrong_Rate").Set_Caption("0");
  Label_Of("Label_Source_Char_Num").Set_Caption(std::to_string(Test().Total_Chars()));
  View().Show_Source_Prompt(0, 0, cursor_prompt);
  for (int pair = 0; pair < kComparePairs; ++pair) User(pair).Set_Tool_Tip_Text("");
  Clear_Look(Button());
  Button().Set_Enabled(false);
  View().Open_User(0, 0);
  Ignore_Text_Change = false;
  In_Test_Start_Seconds = Tick_Seconds();
  Check_Timer().Set_Enabled(true);
}

void End_In_Speed_Test() {
  Check_Timer().Set_Enabled(false);
  Ignore_Text_Change = true;
  Button().Set_Enabled(true);
  In_Test_Hover_Enabled = false;
  In_Test_Key_Guard_On = false;
  for (int pair = 0; pair < kComparePairs; ++pair) {
    User(pair).Set_Locked(true);
    User(pair).Set_Tool_Tip_Text(kIdleTip);
  }
  Speed_Test_Result result;
  result.speed = Speed_Text(Test().Right_Chars(), In_Test_Elapsed_Seconds);
  result.time = Get_Date_Week_Time();
  result.number = Label_Of("Label_In_Speed_Test_Char_Num").Caption();
  result.rate = Label_Of("Label_IST_Right_or_Wrong_Rate").Caption();
  Show_Speed_Test_Result(result);
}

void User_Change(int pair) {
  forms::Guarded([pair] {
    if (Ignore_Text_Change || !On_Show()) return;
    Test().Change(pair, Ansi_To_Wide(User(pair).Text()));
  });
}

void User_Key_Down(int pair, int& key_code, int shift) {
  forms::Guarded([&] {
    if (!Check_Timer().Enabled() || !In_Test_Key_Guard_On || !Test().Running()) return;
    forms::Rich_Text_Box& user = User(Test().Current_Pair());
    if ((key_code == 'V' && shift == kCtrl) || (key_code == VK_INSERT && shift == kShift)) {
      user.Set_Locked(true);
      return;
    }
    if (key_code == VK_BACK && Test().Back_Step(pair, User(pair).Text_Length())) {
      key_code = 0;  // the reopened line takes its own Backspace
      return;
    }
    if (user.Locked()) user.Set_Locked(false);
  });
}

void User_Lost_Focus(int pair) {
  forms::Silent([pair] {
    forms::Rich_Text_Box& user = User(pair);
    if (!user.Visible() || user.Locked() || !On_Show()) return;
    if (Main().Get<forms::Image>("Image_Main_Form_Up").Visible()) return;
    if (GetForegroundWindow() != Main().Hwnd() || !IsWindowEnabled(Main().Hwnd())) return;
    user.Set_Focus();
  });
}

void Reset_Button_Picture() {
  forms::Guarded([] {
    if (!In_Test_Hover_Enabled) In_Test_Hover_Enabled = true;
    if (Button().Get_Picture() && !In_Test_Starting) Clear_Look(Button());
  });
}

}  // namespace

void Set_In_Speed_Test_File_Chooser(File_Chooser chooser) { Chooser = std::move(chooser); }

void Design_In_Speed_Test_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::In_Test));
  page.On_Mouse_Move = [before = page.On_Mouse_Move](int button, int shift, int x, int y) {
    if (before) before(button, shift, x, y);
    Reset_Button_Picture();
  };
  for (int pair = 0; pair < kComparePairs; ++pair) {
    auto line = [&](const char* name, int top) -> forms::Rich_Text_Box& {
      auto& box = form.Add<forms::Rich_Text_Box>(name, pair, &page);
      box.Set_Multi_Line(false);
      box.Set_Scroll_Bars(0);
      box.Set_Border(false);
      box.Move(1605, top - 15, 7380, 300);
      // 10.5 points in 300 twips: a line of the display font shows whole.
      box.Set_Font("宋体", 10.5);
      return box;
    };
    forms::Rich_Text_Box& source = line("RichText_Source_In_Speed_Test", kSourceTops[pair]);
    source.Set_Hide_Selection(false);  // the next character to copy shows selected
    source.Set_Locked(true);
    source.On_Mouse_Move = [](int, int, int, int) { Main_Surface_Mouse_Move(); };
    forms::Rich_Text_Box& user = line("RichText_User_In_Speed_Test", kUserTops[pair]);
    user.Set_Locked(true);
    user.On_Change = [pair] { User_Change(pair); };
    user.On_Key_Down = [pair](int& key, int shift) { User_Key_Down(pair, key, shift); };
    user.On_Key_Press = [](int& ascii) {
      if (ascii == '\r' || ascii == '\n' || ascii == '\t') ascii = 0;
    };
    user.On_Lost_Focus = [pair] { User_Lost_Focus(pair); };
    user.On_Mouse_Move = [](int, int, int, int) {
      Main_Surface_Mouse_Move();
      Reset_Button_Picture();
    };
  }
  auto& button = form.Add<forms::Image>("Image_In_Speed_Test", -1, &page);
  button.Move(465, 1560, 570, 600);
  button.Set_Tool_Tip_Text("开始");
  button.On_Click = [] { In_Speed_Test_Button_Click(Main_Window()); };
  button.On_Mouse_Move = [](int, int, int, int) {
    forms::Guarded([] {
      if (In_Test_Hover_Enabled && Button().Enabled()) Show_Look(Button(), "nwcs1");
    });
  };
  struct Value_Label {
    const char* name;
    int left, top, height;
    double size;
  };
  constexpr Value_Label kLabels[] = {{"Label_In_Speed_Test_Time_Info", 285, 2670, 225, 10.5},
                                     {"Label_In_Speed_Test_Char_Num", 285, 3450, 240, 12},
                                     {"Label_IST_Right_or_Wrong_Rate", 300, 4230, 240, 10.5},
                                     {"Label_Source_Char_Num", 300, 4980, 240, 12}};
  for (const Value_Label& v : kLabels)
    Add_Value_Label(form, page, v.name, v.left, v.top, v.height, v.size);
}

void Initialize_In_Speed_Test_Page(forms::Form&) {
  forms::Guarded([] {
    forms::Picture_Box& page = Panel(Number(Panel_Id::In_Test));
    if (!page.Get_Picture()) Load_Resource_Picture_To_PictureBox(page, "sd2");
    if (!Button().Mouse_Icon()) Button().Set_Mouse_Icon(forms::Hand_Cursor());
    Exercise_Running = false;
    In_Test_Hover_Enabled = true;
    In_Test_Key_Guard_On = false;
    Test().Reset();
    Clear_Look(Button());
    Button().Set_Enabled(true);
    for (int pair = 0; pair < kComparePairs; ++pair) {
      Reset_RichText_Font(Source(pair), 1);
      Reset_RichText_Font(User(pair), 1);
      User(pair).Set_Locked(true);
      User(pair).Set_Tool_Tip_Text(kIdleTip);
    }
    for (const char* name : {"Label_In_Speed_Test_Time_Info", "Label_In_Speed_Test_Char_Num",
                             "Label_IST_Right_or_Wrong_Rate", "Label_Source_Char_Num"})
      Label_Of(name).Set_Caption("");
  });
}

void In_Speed_Test_Button_Click(forms::Form&) {
  if (In_Test_Starting || !Button().Enabled()) return;
  forms::Guarded([] {
    Play_Click_Sound();
    In_Test_Hover_Enabled = false;
    In_Test_Starting = true;
    struct Lower {
      ~Lower() { In_Test_Starting = false; }
    } lower;
    Start_In_Speed_Test();
  });
}

void Update_In_Speed_Test_Time(forms::Form&) {
  forms::Guarded([] {
    if (!Test().Running()) return;
    forms::Rich_Text_Box& user = User(Test().Current_Pair());
    if (user.Sel_Start() != Test().Char_Position() || user.Sel_Length() != 0)
      user.Set_Sel_Start(Test().Char_Position());
    const double t = Tick_Seconds() - In_Test_Start_Seconds;
    if (t <= 0) return;
    In_Test_Elapsed_Seconds = t;
    forms::Label& time = Label_Of("Label_In_Speed_Test_Time_Info");
    const std::string text = Format_Time(static_cast<float>(t));
    if (time.Caption() != text) time.Set_Caption(text);
  });
}

}  // namespace quillon
