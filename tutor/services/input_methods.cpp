#include "services/input_methods.h"

#include <imm.h>

#include "services/globals.h"
#include "services/tutor_settings.h"

namespace quillon {

// ---- Prompts ----

void Show_Form_Begin_Type() {}
void Show_Form_WubiPin() {}

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

}  // namespace quillon
