// The free-text speed test on panel 7: the start/end button, the typing box, time and count.
#include <windows.h>

#include "freetype/speed_test_look.h"
#include "freetype/speed_test_pages.h"
#include "freetype/speed_test_result.h"
#include "services/prompts.h"
#include "services/cp936_text.h"
#include "services/globals.h"
#include "services/input_methods.h"
#include "services/key_table.h"
#include "services/main_window.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

namespace {

constexpr int kCtrl = 2;
const char kIdleTip[] = "请点击左边按钮开始速度测试 ...";
const char kRunningTip[] = "按快捷键Ctrl+Enter结束速度测试！";

bool Out_Test_Running = false;
bool Out_Test_Hover_Enabled = true;
bool Out_Test_Key_Guard_On = false;
bool Out_Test_Starting = false;  // from the click until the clock runs (the ready prompt)
double Out_Test_Start_Seconds = 0;
double Out_Test_Elapsed_Seconds = 0;

forms::Form& Main() { return Main_Window(); }
forms::Rich_Text_Box& Box() { return Main().Get<forms::Rich_Text_Box>("RichText_Out_Speed_Test"); }
forms::Image& Button() { return Main().Get<forms::Image>("Image_Out_Speed_Test"); }
forms::Label& Time_Label() { return Main().Get<forms::Label>("Label_Out_Speed_Test_Time_Info"); }
forms::Label& Count_Label() { return Main().Get<forms::Label>("Label_Out_Speed_Test_Char_Num"); }
forms::Timer& Check_Timer() { return Main_Timer("Timer_Check"); }

// Characters in the box: a Chinese character is one, a line break (CR LF) two.
int32_t Typed_Count() { return static_cast<int32_t>(Count_Characters(Box().Text())); }

void Start_Out_Speed_Test() {
  Out_Test_Running = true;
  Out_Test_Hover_Enabled = false;
  Out_Test_Key_Guard_On = true;
  Out_Test_Start_Seconds = 0;
  Out_Test_Elapsed_Seconds = 0;
  Show_Look(Button(), "nwcs2");
  Box().Set_Text("");
  {
    Out_Test_Starting = true;
    Show_Form_Begin_Type();
    Out_Test_Starting = false;
  }
  // Left while the prompt was up: the new page set-up has the say.
  if (Current_Panel != Number(Panel_Id::Out_Test) || !Out_Test_Running) return;
  Time_Label().Set_Caption("00:00");
  Count_Label().Set_Caption("0");
  Clear_Look(Button());
  forms::Rich_Text_Box& box = Box();
  box.Set_Tool_Tip_Text(kRunningTip);
  box.Set_Locked(false);
  box.Set_Enabled(true);
  box.Set_Focus();
  Out_Test_Start_Seconds = Tick_Seconds();
  Check_Timer().Set_Enabled(true);
}

void End_Out_Speed_Test() {
  Check_Timer().Set_Enabled(false);
  Show_Look(Button(), "nwcs4");
  Box().Set_Locked(true);
  Out_Test_Running = false;
  Out_Test_Hover_Enabled = false;
  Out_Test_Key_Guard_On = false;
  const int32_t n = Typed_Count();
  Speed_Test_Result result;
  result.number = std::to_string(n);
  result.speed = Speed_Text(n, Out_Test_Elapsed_Seconds);
  result.time = Get_Date_Week_Time();
  result.rate = "";
  Show_Speed_Test_Result(result);
  Clear_Look(Button());
  Box().Set_Tool_Tip_Text(kIdleTip);
}

void Hover_Picture() {
  if (!Out_Test_Hover_Enabled) return;
  Show_Look(Button(), Out_Test_Running ? "nwcs3" : "nwcs1");
  Button().Set_Tool_Tip_Text(Out_Test_Running ? "结束测试" : "开始测试");
}

void Reset_Button_Picture() {
  forms::Guarded([] {
    if (!Out_Test_Hover_Enabled) Out_Test_Hover_Enabled = true;
    if (Button().Get_Picture() && !Out_Test_Starting) Clear_Look(Button());
  });
}

void Box_Change() {
  forms::Guarded([] {
    if (!Panel(Number(Panel_Id::Out_Test)).Visible()) return;
    Count_Label().Set_Caption(std::to_string(Typed_Count()));
  });
}

void Box_Key_Press(int key_ascii) {
  forms::Guarded([&] {
    if (key_ascii == VK_BACK) return;
    if (key_ascii == '\r') {
      Play_Enter_Sound();
      return;
    }
    Play_Key_Sound(Get_Key_Index(static_cast<int16_t>(key_ascii & 0xFFFF)));
  });
}

// The paste guard acts before the box sees the key: a paste or another Ctrl or Alt shortcut
// finds the box locked and changes nothing, Ctrl+Enter included (it ends the test on release).
void Box_Key_Down(int& key_code, int shift) {
  forms::Guarded([&] {
    if (!Check_Timer().Enabled() || !Out_Test_Key_Guard_On) return;
    Block_Paste_Keys(Box(), key_code, shift);
  });
  if (key_code == VK_RETURN && shift == kCtrl) key_code = 0;
}

void Box_Key_Up(int key_code, int shift) {
  forms::Guarded([&] {
    if (!Check_Timer().Enabled()) return;
    if (key_code != VK_RETURN || shift != kCtrl) return;
    Wait_Milliseconds(100);
    if (Out_Test_Running && Current_Panel == Number(Panel_Id::Out_Test)) End_Out_Speed_Test();
  });
}

void Box_Lost_Focus() {
  forms::Silent([] {
    forms::Rich_Text_Box& box = Box();
    if (!box.Visible() || !box.Enabled() || !Panel(Number(Panel_Id::Out_Test)).Visible()) return;
    if (Main().Get<forms::Image>("Image_Main_Form_Up").Visible()) return;
    if (GetForegroundWindow() != Main().Hwnd() || !IsWindowEnabled(Main().Hwnd())) return;
    box.Set_Focus();
  });
}

}  // namespace

void Design_Out_Speed_Test_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Out_Test));
  page.On_Mouse_Move = [before = page.On_Mouse_Move](int button, int shift, int x, int y) {
    if (before) before(button, shift, x, y);
    Reset_Button_Picture();
  };
  auto& box = form.Add<forms::Rich_Text_Box>("RichText_Out_Speed_Test", -1, &page);
  box.Move(1500, 330, 7575, 4845);
  box.Set_Font("宋体", 14.25);
  box.Set_Scroll_Bars(2);
  box.Set_Enabled(false);
  box.On_Change = [] { Box_Change(); };
  box.On_Key_Down = [](int& key, int shift) { Box_Key_Down(key, shift); };
  box.On_Key_Press = [](int& ascii) { Box_Key_Press(ascii); };
  box.On_Key_Up = [](int& key, int shift) { Box_Key_Up(key, shift); };
  box.On_Lost_Focus = [] { Box_Lost_Focus(); };
  box.On_Mouse_Move = [](int, int, int, int) {
    Main_Surface_Mouse_Move();
    Reset_Button_Picture();
  };

  auto& button = form.Add<forms::Image>("Image_Out_Speed_Test", -1, &page);
  button.Move(465, 1560, 570, 600);
  button.Set_Tool_Tip_Text("开始");
  button.On_Click = [] { Out_Speed_Test_Button_Click(Main_Window()); };
  button.On_Mouse_Move = [](int, int, int, int) { forms::Guarded([] { Hover_Picture(); }); };

  Add_Value_Label(form, page, "Label_Out_Speed_Test_Time_Info", 285, 2685, 225, 10.5);
  Add_Value_Label(form, page, "Label_Out_Speed_Test_Char_Num", 285, 3465, 240, 12);
}

void Initialize_Out_Speed_Test_Page(forms::Form&) {
  forms::Guarded([] {
    forms::Picture_Box& page = Panel(Number(Panel_Id::Out_Test));
    if (!page.Get_Picture()) Load_Resource_Picture_To_PictureBox(page, "sd1");
    if (!Button().Mouse_Icon()) Button().Set_Mouse_Icon(forms::Hand_Cursor());
    Exercise_Running = false;
    Out_Test_Running = false;
    Out_Test_Hover_Enabled = true;
    Out_Test_Key_Guard_On = false;
    Reset_RichText_Font(Box(), 1);
    Box().Set_Tool_Tip_Text(kIdleTip);
    Box().Set_Enabled(false);
    Clear_Look(Button());
    Time_Label().Set_Caption("");
    Count_Label().Set_Caption("");
  });
}

void Out_Speed_Test_Button_Click(forms::Form&) {
  if (Out_Test_Starting) return;
  forms::Guarded([] {
    Play_Click_Sound();
    Out_Test_Hover_Enabled = false;
    if (Out_Test_Running) End_Out_Speed_Test();
    else Start_Out_Speed_Test();
  });
}

void Update_Out_Speed_Test_Time(forms::Form&) {
  forms::Guarded([] {
    if (!Out_Test_Running) return;
    const double t = Tick_Seconds() - Out_Test_Start_Seconds;
    if (t <= 0) return;
    Out_Test_Elapsed_Seconds = t;
    const std::string text = Format_Time(static_cast<float>(t));
    if (Time_Label().Caption() != text) Time_Label().Set_Caption(text);
  });
}

bool Out_Test_Is_Running() { return Out_Test_Running; }

}  // namespace quillon
