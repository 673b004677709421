#include "forms/pump.h"

#include "forms/form.h"
#include "internal.h"

namespace forms {

namespace {

// The character of a double-byte code of code page 936; false for a code that is none.
bool Double_Byte_Character(WPARAM code, WCHAR& character) {
  const char bytes[2] = {static_cast<char>((code >> 8) & 0xFF), static_cast<char>(code & 0xFF)};
  return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, 2, &character, 1) == 1;
}

// The control a key message is for: the window's own control or the nearest control around it.
Control* Key_Target(Form* form, HWND hwnd) {
  for (HWND w = hwnd; w && w != form->Hwnd(); w = GetParent(w)) {
    if (Control* c = detail::Control_Of(w)) return &c->Parent_Form() == form ? c : nullptr;
  }
  return nullptr;
}

// A double-byte character reaches the pump as two WM_CHAR messages (GetMessageA hands over its
// lead byte, then its trail byte); its key press is one event with the double-byte code (lead
// byte * 256 + trail byte).
MSG g_lead{};
bool g_has_lead = false;

void Flush_Lead() {
  if (!g_has_lead) return;
  g_has_lead = false;
  MSG lead = g_lead;
  DispatchMessageA(&lead);
}

// Hands a whole double-byte character to its window: a Unicode window (the text boxes) takes it
// as one character, an ANSI window as its lead and trail bytes.
void Dispatch_Double_Byte(MSG msg, WPARAM code) {
  WCHAR character = 0;
  if (IsWindowUnicode(msg.hwnd) && Double_Byte_Character(code, character)) {
    msg.wParam = character;
    DispatchMessageW(&msg);
    return;
  }
  MSG lead = msg;
  lead.wParam = (code >> 8) & 0xFF;
  msg.wParam = code & 0xFF;
  DispatchMessageA(&lead);
  DispatchMessageA(&msg);
}

}  // namespace

void Process_Message(MSG& msg) {
  if (detail::Is_Key_Message(msg.message)) {
    Form* form = Form::From_Window(msg.hwnd);
    if (msg.message == WM_CHAR) {
      if (g_has_lead && g_lead.hwnd == msg.hwnd) {
        g_has_lead = false;
        MSG whole = msg;
        whole.wParam = ((g_lead.wParam & 0xFF) << 8) | (msg.wParam & 0xFF);
        Control* target = form ? Key_Target(form, msg.hwnd) : nullptr;
        if (form && !form->Dispatch_Key(whole, target)) return;  // swallowed
        const WPARAM code = whole.wParam;
        if (code > 0xFF && target && target->Hwnd() == msg.hwnd &&
            target->Type_Double_Byte(static_cast<unsigned>(code)))
          return;
        if (code > 0xFF) {
          Dispatch_Double_Byte(msg, code);
        } else {
          msg.wParam = code;
          DispatchMessageA(&msg);
        }
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
    // A Unicode text box takes it as the one character it is (its default handling would post
    // the character again, a second key event).
    WCHAR character = 0;
    if (msg.message == WM_IME_CHAR && msg.wParam > 0xFF && IsWindowUnicode(msg.hwnd) &&
        Double_Byte_Character(msg.wParam, character)) {
      SendMessageW(msg.hwnd, WM_CHAR, character, msg.lParam);
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
