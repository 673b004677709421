#include "forms/pump.h"

#include "forms/form.h"
#include "internal.h"

namespace forms {

void Process_Message(MSG& msg) {
  if (detail::Is_Key_Message(msg.message)) {
    if (Form* form = Form::From_Window(msg.hwnd)) {
      Control* target = detail::Control_Of(msg.hwnd);
      if (target && &target->Parent_Form() != form) target = nullptr;
      if (!form->Dispatch_Key(msg, target)) return;  // swallowed
    }
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

bool Do_Events() {
  Collect_Garbage();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    Process_Message(msg);
  }
  Collect_Garbage();
  return true;
}

void Wait_Milliseconds(double milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (!Do_Events()) return;
    const double passed = static_cast<double>(GetTickCount() - start);
    if (passed >= milliseconds) return;
    DWORD rest = static_cast<DWORD>(milliseconds - passed);
    if (rest == 0) rest = 1;
    MsgWaitForMultipleObjectsEx(0, nullptr, rest, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

int Run_Message_Loop() {
  MSG msg;
  for (;;) {
    Collect_Garbage();
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) break;
    Process_Message(msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace forms
