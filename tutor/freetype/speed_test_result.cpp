#include "freetype/speed_test_result.h"

#include "freetype/speed_test_records.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/scaling.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"

namespace quillon {

namespace {

constexpr int kCtrl = 2, kAlt = 4;
constexpr COLORREF kInk = RGB(16, 84, 92);

struct Key_Row {
  int key, shift;
  bool needs_name;
  Result_Command command;
};
constexpr Key_Row kResultKeys[] = {
    {'S', kCtrl, true, Result_Command::Save},      {'Y', kCtrl, true, Result_Command::Save},
    {'P', kCtrl, false, Result_Command::Print},    {'N', kCtrl, false, Result_Command::Close},
    {VK_F4, kAlt, false, Result_Command::Close},   {'X', kAlt, false, Result_Command::Close},
    {VK_RETURN, 0, true, Result_Command::Save_And_Close},
};

const char* const kButtonTips[3] = {"保存到用户记录", "打印测试结果", "关闭"};

// Whether the buttons may show their hover pictures (off after a click until the pointer
// passes over the background).
bool Result_Buttons_Normal = false;
// Counts the window's loads: a click that waited finds out whether the window it was made in
// is still there.
int Result_Session = 0;
bool Click_Waiting = false;
bool First_Activation = true;

forms::Form& Result() { return Form_Speed_Test_Result(); }
forms::Image& Button(int i) { return Result().Get<forms::Image>("Image_Speed_Test_Result", i); }
forms::Native_Control& Name_Box() {
  return Result().Get<forms::Native_Control>("Text_Speed_Test_User_Name");
}
forms::Label& Label_Of(const char* name) { return Result().Get<forms::Label>(name); }

void Design(forms::Form& form) {
  form.Set_Caption("速度测试结果");
  form.Set_Client_Size(4710, 3090);
  for (int i = 0; i < 3; ++i) {
    auto& button = form.Add<forms::Image>("Image_Speed_Test_Result", i);
    button.Move(3405 + 450 * i, 45, 330, 330);
    button.Set_Tool_Tip_Text(kButtonTips[i]);
    button.On_Click = [i] { Image_Speed_Test_Result_Click(i); };
    button.On_Mouse_Move = [i](int, int, int, int) {
      forms::Guarded([i] {
        if (Result_Buttons_Normal && Button(i).Enabled())
          Load_Resource_Picture_To_Image(Button(i), "freef" + std::to_string(2 * i + 1));
      });
    };
  }
  auto& name = form.Add<forms::Native_Control>("Text_Speed_Test_User_Name");
  name.Set_Class("EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP);
  name.Move(1470, 630, 1770, 330);
  name.Set_Font("宋体", 10.5);
  struct Field {
    const char* name;
    int left, top, width;
    double points;  // the date and time line is the longest: it must fit on one line
  };
  constexpr Field kFields[] = {{"Label_Speed_Test_Rate", 1560, 1185, 3015, 12},
                               {"Label_Speed_Test_Char_Num", 1515, 1680, 3060, 12},
                               {"Label_Speed_Test_RightWrong_Rate", 1365, 2130, 3195, 12},
                               {"Label_Speed_Test_Type_Time", 1365, 2580, 3300, 10.5}};
  for (const Field& f : kFields) {
    auto& label = form.Add<forms::Label>(f.name);
    label.Move(f.left, f.top, f.width, 300);
    label.Set_Font("宋体", f.points);
    label.Set_Fore_Color(kInk);
    label.Set_Back_Style(0);
  }
  auto& watch = form.Add_Timer("Timer_Check_User_Name", 10, false);
  watch.Tag = "not";
  watch.On_Timer = [] {
    forms::Guarded([] {
      const bool named = !Name_Box().Text().empty();
      forms::Image& save = Button(0);
      if (save.Enabled() != named) save.Set_Enabled(named);
    });
  };
}

void Load() {
  forms::Form& form = Result();
  ++Result_Session;
  Result_Buttons_Normal = false;
  Click_Waiting = false;
  First_Activation = true;
  forms::Guarded([&] {
    Play_Win_Sound();
    Load_Resource_Picture_To_Form(form, "csjg");
    for (int i = 0; i < 3; ++i) Button(i).Set_Mouse_Icon(forms::Hand_Cursor());
    if (Scale_Factor != 1.0f) Scale_Form(form, Scale_Factor);
  });
}

// True for a window of the tutor's own (another tutor window, not a message box or another
// program's window).
bool Tutor_Window(HWND hwnd) {
  if (!hwnd || hwnd == Result().Hwnd()) return false;
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return lstrcmpA(name, kFormClass) == 0;
}

void Activate() {
  forms::Guarded([] {
    forms::Form& form = Result();
    forms::Native_Control& name = Name_Box();
    // The name is preset when the window first shows and when the user comes back to it from
    // another tutor window; an error box or another program leaves what was typed.
    if (First_Activation || Tutor_Window(form.Activated_From())) {
      name.Set_Text(Read(kResultName));
      SetFocus(name.Hwnd());
      name.Send(EM_SETSEL, 0, -1);
    }
    First_Activation = false;
    form.Get_Timer("Timer_Check_User_Name").Set_Enabled(true);
  });
}

void Mouse_Over_Background() {
  forms::Guarded([] {
    Result_Buttons_Normal = true;
    for (int i = 0; i < 3; ++i) {
      if (Button(i).Get_Picture()) Button(i).Set_Picture(forms::Picture());
    }
  });
}

void Key_Up(int key_code, int shift) {
  forms::Guarded([&] {
    switch (Result_Key_Command(key_code, shift, !Name_Box().Text().empty())) {
      case Result_Command::Save: Image_Speed_Test_Result_Click(0); break;
      case Result_Command::Print: Image_Speed_Test_Result_Click(1); break;
      case Result_Command::Close: Image_Speed_Test_Result_Click(2); break;
      case Result_Command::Save_And_Close:
        Image_Speed_Test_Result_Click(0);
        if (Result().Loaded()) Image_Speed_Test_Result_Click(2);
        break;
      case Result_Command::None: break;
    }
  });
}

}  // namespace

std::string Speed_Text(double chars, double elapsed_seconds) {
  const double speed = elapsed_seconds > 0 ? chars / (elapsed_seconds / 60.0) : 0.0;
  return forms::Format(speed, "0.00") + "字/分";
}

Result_Command Result_Key_Command(int key_code, int shift, bool has_name) {
  for (const Key_Row& row : kResultKeys) {
    if (row.key != key_code || row.shift != shift) continue;
    return row.needs_name && !has_name ? Result_Command::None : row.command;
  }
  return Result_Command::None;
}

forms::Form& Form_Speed_Test_Result() {
  static forms::Form* form = [] {
    auto* f = new forms::Form();
    f->Border = forms::Border_Style::None;
    f->Position = forms::Start_Up_Position::Center_Owner;
    f->Key_Preview = true;
    f->Show_In_Taskbar = false;
    f->Window_Class = kFormClass;
    f->On_Design = [f] { Design(*f); };
    f->On_Load = [] { Load(); };
    f->On_Activate = [] { Activate(); };
    f->On_Mouse_Move = [](int, int, int, int) { Mouse_Over_Background(); };
    f->On_Key_Down = [](int& key, int shift) {
      // Alt+F4 and Enter act when released (the keys table); the window's own close and the
      // name box's beep do not run on the press.
      if ((key == VK_F4 && shift == kAlt) || (key == VK_RETURN && shift == 0)) key = 0;
    };
    f->On_Key_Press = [](int& ascii) {
      if (ascii == '\r' || ascii == '\n') ascii = 0;
    };
    f->On_Key_Up = [](int& key, int shift) { Key_Up(key, shift); };
    f->On_Unload = [](int&) { ++Result_Session; };
    return f;
  }();
  return *form;
}

void Show_Speed_Test_Result(const Speed_Test_Result& result) {
  forms::Form& form = Result();
  form.Load();
  Label_Of("Label_Speed_Test_Rate").Set_Caption(result.speed);
  Label_Of("Label_Speed_Test_Char_Num").Set_Caption(result.number);
  Label_Of("Label_Speed_Test_RightWrong_Rate").Set_Caption(result.rate);
  Label_Of("Label_Speed_Test_Type_Time").Set_Caption(result.time);
  HWND owner = nullptr;
  forms::Silent([&] { owner = Main_Window().Hwnd(); });
  form.Show_Modal(owner);
}

void Image_Speed_Test_Result_Click(int index) {
  if (index < 0 || index > 2 || Click_Waiting || !Result().Loaded()) return;
  const int session = Result_Session;
  forms::Guarded([&] {
    Play_Click_Sound();
    Result_Buttons_Normal = false;
    Load_Resource_Picture_To_Image(Button(index), "freef" + std::to_string(2 * index + 2));
    Click_Waiting = true;
    Wait_Milliseconds(100);
    Click_Waiting = false;
  });
  Click_Waiting = false;
  // Closed during the wait (from the taskbar, say): nothing more, above all no save.
  if (session != Result_Session || !Result().Loaded()) return;
  switch (index) {
    case 0:
      forms::Guarded([] {
        Save_To_Record();
        Button(0).Set_Picture(forms::Picture());
      });
      break;
    case 1:
      forms::Guarded([] {
        forms::Print_Form(Result());
        Button(1).Set_Picture(forms::Picture());
      });
      break;
    case 2: forms::Unload(Result()); break;
  }
}

void Save_To_Record() {
  Record_List list;
  if (!Record_List_Of_Panel(Current_Panel, list)) return;
  Speed_Test_Record record;
  record.name = Name_Box().Text();
  record.speed = Label_Of("Label_Speed_Test_Rate").Caption();
  record.number = Label_Of("Label_Speed_Test_Char_Num").Caption();
  record.rate = Label_Of("Label_Speed_Test_RightWrong_Rate").Caption();
  record.time = Label_Of("Label_Speed_Test_Type_Time").Caption();
  Save_Speed_Test_Record(list, record);
}

}  // namespace quillon
