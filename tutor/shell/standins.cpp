#include "shell/standins.h"

#include <imm.h>

#include "services/tutor_settings.h"
#include "shell/bitmaps.h"
#include "shell/command_tables.h"
#include "shell/commands.h"
#include "shell/globals.h"
#include "shell/main_form.h"
#include "shell/services.h"
#include "shell/sounds.h"
#include "shell/startup.h"

namespace quillon {

// ---- Display scaling ----

float Get_Scale_Factor() { return 1.0f; }
void Scale_Form(forms::Form&, float) {}

// ---- Prompts ----

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
    Write(kAboutFlag, "0");
    Play_Music(BG_Music_File);
    if (Current_Panel == Number(Panel_Id::Police) && Exercise_Running) Main_Timer("Timer_Game_Police").Set_Enabled(true);
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
    Active_Shift = Read(kActiveShift);
    Active_Key_Code = Read(kActiveKeyCode);
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

// ---- Context menu ----

void Show_Main_Context_Menu(forms::Form& form) {
  forms::Guarded([&] {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "最小化");
    AppendMenuA(menu, MF_STRING, 2, "退出系统");
    POINT at{};
    GetCursorPos(&at);
    const UINT chosen =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, form.Hwnd(), nullptr);
    DestroyMenu(menu);
    if (chosen == 1) Do_Function_Module(form, Function_Button::Minimise);
    if (chosen == 2) Do_Function_Module(form, Function_Button::Exit);
  });
}

}  // namespace quillon
