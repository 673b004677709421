#include "shell/standins.h"

#include <imm.h>

#include "shell/bitmaps.h"
#include "shell/command_tables.h"
#include "shell/globals.h"
#include "shell/main_form.h"
#include "shell/services.h"
#include "shell/sounds.h"
#include "shell/startup.h"

namespace quillon {

// ---- Display scaling ----

float Get_Scale_Factor() { return 1.0f; }
void Scale_Form(forms::Form&, float) {}

// ---- Skin ----

void Load_Main_Form_Picture_and_Mouse_Icon(forms::Form& form) {
  forms::Guarded([&] {
    Load_Resource_Picture_To_PictureBox(form.Get<forms::Picture_Box>("Picture_Background"), "myjm");
    Load_Resource_Picture_To_Image(form.Get<forms::Image>("Image_Main_Form_Up"), "jmhui");
    Load_Resource_Picture_To_PictureBox(form.Get<forms::Picture_Box>("Picture_LarkmoorNet"),
                                        "LarkmoorNet2");
    HCURSOR hand = forms::Hand_Cursor();
    for (const char* array : {"Image_Function_Module", "Image_English_Type", "Image_Chinese_Type",
                              "Image_Game", "Image_Speed_Test", "Image_Other_Function"})
      for (forms::Control* c : form.Array(array)) c->Set_Mouse_Icon(hand);
    form.Get<forms::Image>("Image_Bazaro").Set_Mouse_Icon(hand);
    form.Get<forms::Picture_Box>("Picture_LarkmoorNet").Set_Mouse_Icon(hand);
  });
}

void Timer_Check_System_Focus_Timer(forms::Form& form) {
  forms::Guarded([&] {
    auto& cover = form.Get<forms::Image>("Image_Main_Form_Up");
    bool active = GetForegroundWindow() == form.Hwnd();
    if (active && cover.Visible()) {
      cover.Set_Visible(false);
      Load_Resource_Picture_To_PictureBox(form.Get<forms::Picture_Box>("Picture_LarkmoorNet"),
                                          "LarkmoorNet2");
    } else if (!active && !cover.Visible()) {
      cover.Set_Visible(true);
      Load_Resource_Picture_To_PictureBox(form.Get<forms::Picture_Box>("Picture_LarkmoorNet"),
                                          "LarkmoorNet3");
    }
  });
}

// ---- Function bar and drop-down menus ----

namespace {

void Show_Button_Look(forms::Form& form, int button, int number) {
  auto& image = form.Get<forms::Image>("Image_Function_Module", button);
  Load_Resource_Picture_To_Image(image, "m" + std::to_string(number));
}

}  // namespace

void Prepare_Function_Module_Click(forms::Form& form, int button) {
  forms::Guarded([&] {
    Play_Click_Sound();
    if (!Direct_Command) Close_PopMenu(form);
    Function_Module_Hover_Enabled = false;
    Redraw_Selected_Module = true;
    if (Selected_Function_Module != kNone && Selected_Function_Module != button)
      form.Get<forms::Image>("Image_Function_Module", Selected_Function_Module)
          .Set_Picture(forms::Picture());
    Selected_Function_Module = button;
    Show_Button_Look(form, button, 2 * button + 2);
  });
}

void Show_PopMenu(forms::Form& form) {
  forms::Guarded([&] {
    if (Direct_Command || Open_PopMenu < 0 || Open_PopMenu > 4) return;
    auto& box = form.Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", Open_PopMenu);
    box.Z_Order(0);
    box.Set_Visible(true);
  });
}

void Close_PopMenu(forms::Form& form) {
  forms::Guarded([&] {
    for (forms::Control* box : form.Array("Picture_BG_PopMenu_BG")) box->Set_Visible(false);
    Open_PopMenu = kNone;
  });
}

void Restore_Function_Module_Picture(forms::Form& form, int button) {
  forms::Guarded([&] {
    form.Get<forms::Image>("Image_Function_Module", button).Set_Picture(forms::Picture());
    if (Selected_Function_Module == button) Selected_Function_Module = kNone;
    Function_Module_Hover_Enabled = true;
  });
}

// ---- Panel slides ----

int Get_Move_Step_Num() {
  return forms::Guarded([] { return Get_Color_Depth() <= 24 ? 15 : 5; }, 15);
}

void Move_Panel_Out(forms::Form& form, int panel) {
  Panel_Moving = true;
  if (!No_Move_Sound) Play_Music(Program_Folder() + "\\Music\\Sound\\drum.wav");
  int width = form.Scale_Width();
  if (Current_Panel == kNone) {
    Current_Panel = panel;
    Panel(panel).Set_Left(width);
    return;
  }
  auto& old = Panel(Current_Panel);
  double step = width / (Move_Step_Num > 0 ? Move_Step_Num : 15.0f);
  for (double x = 0; x <= width; x += step) {
    old.Set_Left(static_cast<int>(x));
    Wait_Milliseconds(10);
  }
  old.Set_Visible(false);
}

void Move_Panel_In(forms::Form& form, int panel) {
  Current_Panel = panel;
  auto& shown = Panel(panel);
  shown.Set_Visible(true);
  int width = form.Scale_Width();
  double step = width / ((Move_Step_Num > 0 ? Move_Step_Num : 15.0f) * 1.5);
  for (double x = width; x >= 0; x -= step) {
    shown.Set_Left(static_cast<int>(x));
    Wait_Milliseconds(10);
  }
  shown.Set_Left(0);
  Panel_Moving = false;
}

// ---- Picture message boxes and prompts ----

int Preset_Dialog_Answer = 0;
int Preset_Retry_Dialog_Answer = 0;

void Show_Form_Yes() {}
void Show_Form_YesNo() { Dialog_Answer = Preset_Dialog_Answer; }
void Show_Form_YesRetryNo() { Retry_Dialog_Answer = Preset_Retry_Dialog_Answer; }
void Show_Form_Game_YesNo() { Dialog_Answer = Preset_Dialog_Answer; }
void Show_Form_Game_YesRetryNo() { Retry_Dialog_Answer = Preset_Retry_Dialog_Answer; }
void Show_Form_Begin_Type() {}
void Show_Form_WubiPin() {}

// ---- About box ----

forms::Form& Form_About() {
  static forms::Form* about = [] {
    auto* f = new forms::Form();
    f->Border = forms::Border_Style::Fixed_Dialog;
    f->Position = forms::Start_Up_Position::Center_Screen;
    f->Key_Preview = true;
    f->Window_Class = kFormClass;
    f->On_Design = [f] {
      f->Set_Caption("关于青岚键坊");
      f->Set_Client_Size(5400, 2400);
      auto& title = f->Add<forms::Label>("Label_Title");
      title.Move(300, 300, 4800, 400);
      title.Set_Font("宋体", 12, true);
      title.Set_Caption("青岚键坊");
      auto& owner = f->Add<forms::Label>("Label_User_Name");
      owner.Move(300, 900, 4800, 300);
      auto& company = f->Add<forms::Label>("Label_Company_Name");
      company.Move(300, 1250, 4800, 300);
      auto& ok = f->Add<forms::Command_Button>("Command_OK");
      ok.Move(2100, 1750, 1200, 420);
      ok.Set_Text("确定");
      ok.On_Click = [f] { f->Unload(); };
    };
    f->On_Activate = [f] { Show_Registered_User(*f); };
    f->On_Unload = [](int&) { Close_About(Form_Quillon()); };
    return f;
  }();
  return *about;
}

void Close_About(forms::Form& main_form) {
  forms::Guarded([&] {
    forms::Tutor_Settings::Save("Setting\\System", "About Flag", "0");
    Play_Music(BG_Music_File);
    if (Current_Panel == 3 && Exercise_Running) Main_Timer("Timer_Game_Police").Set_Enabled(true);
    main_form.Show();
  });
}

// ---- Keyboard layouts, input methods and the window hot key ----

namespace {

void Activate_First_Layout_Of(const char* layout) {
  LoadKeyboardLayoutA(layout, KLF_REORDER);
  HKL layouts[25];
  int n = GetKeyboardLayoutList(25, layouts);
  if (n > 0) ActivateKeyboardLayout(layouts[0], 0);
}

}  // namespace

void Switch_To_English_Layout() {
  forms::Guarded([] {
    HKL current = GetKeyboardLayout(0);
    if (ImmIsIME(current) == 1) Activate_First_Layout_Of("00000409");
  });
}

void Switch_To_Wubi_IME() {
  forms::Guarded([] {
    if (Wubi_Layout_ID.empty())
      Show_Form_WubiPin();
    else
      Activate_First_Layout_Of(Wubi_Layout_ID.c_str());
  });
}

void Switch_To_PinYin_IME() {
  forms::Guarded([] {
    if (PinYin_Layout_ID.empty())
      Show_Form_WubiPin();
    else
      Activate_First_Layout_Of(PinYin_Layout_ID.c_str());
  });
}

void Find_Chinese_IME() {}

namespace {

// Where the system has no window hot keys (WM_SETHOTKEY unanswered), the same combination is
// registered as a hot key of a hidden window that brings the form's window forward.
struct Activation_Key {
  HWND receiver = nullptr;
  HWND target = nullptr;
  int value = 0;  // shift flags * 256 + key code, 0 when none is registered
};

Activation_Key& Activation() {
  static Activation_Key key;
  return key;
}

LRESULT CALLBACK Activation_Key_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_HOTKEY && Activation().target && IsWindow(Activation().target)) {
    HWND target = Activation().target;
    ShowWindow(target, IsIconic(target) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(target);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void Unregister_Activation_Key() {
  Activation_Key& a = Activation();
  if (a.receiver && a.value) UnregisterHotKey(a.receiver, 1);
  a.value = 0;
  a.target = nullptr;
}

void Register_Activation_Key(HWND target, int shift, int key_code) {
  Activation_Key& a = Activation();
  Unregister_Activation_Key();
  if (key_code == 0) return;
  if (!a.receiver) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Activation_Key_Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuillonActivationKey";
    RegisterClassA(&wc);
    a.receiver = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
  }
  UINT modifiers = ((shift & 1) ? MOD_SHIFT : 0) | ((shift & 2) ? MOD_CONTROL : 0) |
                   ((shift & 4) ? MOD_ALT : 0);
  if (a.receiver && RegisterHotKey(a.receiver, 1, modifiers, static_cast<UINT>(key_code))) {
    a.value = shift * 256 + key_code;
    a.target = target;
  }
}

}  // namespace

int Active_Hot_Key_Of(forms::Form& form) {
  if (!form.Hwnd()) return 0;
  LRESULT value = SendMessageA(form.Hwnd(), WM_GETHOTKEY, 0, 0);
  if (value > 0) return static_cast<int>(value);
  return Activation().target == form.Hwnd() ? Activation().value : 0;
}

void Set_Active_Hot_Key(forms::Form& form) {
  forms::Guarded([&] {
    Active_Shift = forms::Tutor_Settings::Get_Int("Setting\\System\\Active System", "Shift", 0);
    Active_Key_Code =
        forms::Tutor_Settings::Get_Int("Setting\\System\\Active System", "KeyCode", 120);
    if (!form.Hwnd()) return;
    WPARAM value = static_cast<WPARAM>(Active_Shift * 256 + Active_Key_Code);
    if (SendMessageA(form.Hwnd(), WM_SETHOTKEY, value, 0) <= 0)
      Register_Activation_Key(form.Hwnd(), Active_Shift, Active_Key_Code);
  });
}

void Clear_Active_Hot_Key(forms::Form& form) {
  forms::Guarded([&] {
    if (form.Hwnd()) SendMessageA(form.Hwnd(), WM_SETHOTKEY, 0, 0);
    if (Activation().target == form.Hwnd()) Unregister_Activation_Key();
  });
}

}  // namespace quillon
