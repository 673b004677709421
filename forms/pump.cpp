#include "forms/pump.h"

#include "forms/form.h"
#include "internal.h"

namespace forms {

namespace {

// The control a key message is for: the window's own control or the nearest control around it.
Control* Key_Target(Form* form, HWND hwnd) {
  for (HWND w = hwnd; w && w != form->Hwnd(); w = GetParent(w)) {
    if (Control* c = detail::Control_Of(w)) return &c->Parent_Form() == form ? c : nullptr;
  }
  return nullptr;
}

// A double-byte character reaches an ANSI window as two WM_CHAR messages; its key press is one
// event with the double-byte code (lead byte * 256 + trail byte).
MSG g_lead{};
bool g_has_lead = false;

void Flush_Lead() {
  if (!g_has_lead) return;
  g_has_lead = false;
  MSG lead = g_lead;
  DispatchMessageA(&lead);
}

}  // namespace

void Process_Message(MSG& msg) {
  if (detail::Is_Key_Message(msg.message)) {
    Form* form = Form::From_Window(msg.hwnd);
    if (msg.message == WM_CHAR && form) {
      if (g_has_lead && g_lead.hwnd == msg.hwnd) {
        g_has_lead = false;
        MSG lead = g_lead;
        MSG whole = msg;
        whole.wParam = ((lead.wParam & 0xFF) << 8) | (msg.wParam & 0xFF);
        Control* target = Key_Target(form, msg.hwnd);
        if (!form->Dispatch_Key(whole, target)) return;  // swallowed
        const WPARAM code = whole.wParam;
        if (code > 0xFF && target && target->Hwnd() == msg.hwnd &&
            target->Type_Double_Byte(static_cast<unsigned>(code)))
          return;
        if (code > 0xFF) {
          lead.wParam = (code >> 8) & 0xFF;
          msg.wParam = code & 0xFF;
          DispatchMessageA(&lead);
        } else {
          msg.wParam = code;
        }
        DispatchMessageA(&msg);
        return;
      }
      Flush_Lead();
      if (msg.wParam <= 0xFF && IsDBCSLeadByte(static_cast<BYTE>(msg.wParam))) {
        g_lead = msg;
        g_has_lead = true;
        return;
      }
    } else {
      Flush_Lead();
    }
    if (form) {
      Control* target = Key_Target(form, msg.hwnd);
      if (!form->Dispatch_Key(msg, target)) return;  // swallowed
      // A character of the input method: the control types it itself where it can (an ANSI
      // rich-text box would otherwise take its code for another character).
      if (msg.message == WM_IME_CHAR && msg.wParam > 0xFF && target &&
          target->Hwnd() == msg.hwnd && target->Type_Double_Byte(static_cast<unsigned>(msg.wParam)))
        return;
    }
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

bool Do_Events() {
  Collect_Garbage();
  MSG msg;
  // What is waiting now; handlers that keep posting to themselves cannot hold the caller forever.
  int budget = 5000;
  while (budget-- > 0 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
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
