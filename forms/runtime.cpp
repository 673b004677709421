#include <set>
#include <unordered_map>

#include "forms/pump.h"
#include "forms/timer.h"
#include "internal.h"

namespace forms::detail {
namespace {

std::unordered_map<UINT_PTR, Timer*>& Timers() {
  static std::unordered_map<UINT_PTR, Timer*> timers;
  return timers;
}

std::set<Control*>& Live() {
  static std::set<Control*> live;
  return live;
}

int g_depth = 0;

LRESULT CALLBACK Runtime_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER: {
      auto it = Timers().find(wp);
      if (it != Timers().end()) it->second->Tick();
      return 0;
    }
    case WM_QL_FOCUS: {
      auto* c = reinterpret_cast<Control*>(lp);
      if (!Control_Alive(c)) return 0;
      Form* form = &c->Parent_Form();
      Busy busy(form);
      auto& handler = wp ? c->On_Got_Focus : c->On_Lost_Focus;
      if (handler) Fire(handler);
      return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

void Register_Class(const std::string& name, WNDPROC proc, UINT style) {
  WNDCLASSEXA wc{};
  if (GetClassInfoExA(Instance(), name.c_str(), &wc)) return;
  wc = WNDCLASSEXA{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = Instance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name.c_str();
  RegisterClassExA(&wc);
}

void Take_Fresh_Message() {
  HWND window = Runtime_Window();
  if (!window || !PostMessageA(window, WM_QL_NOW, 0, 0)) return;
  MSG msg;
  PeekMessageA(&msg, window, WM_QL_NOW, WM_QL_NOW, PM_REMOVE);
}

HWND Runtime_Window() {
  static HWND window = nullptr;
  if (!window || !IsWindow(window)) {
    Register_Class("QLFormsRuntime", Runtime_Proc, 0);
    window = CreateWindowExA(0, "QLFormsRuntime", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             Instance(), nullptr);
  }
  return window;
}

UINT_PTR Add_Timer_Id(Timer* timer) {
  static UINT_PTR next = 0x5100;
  UINT_PTR id = ++next;
  Timers()[id] = timer;
  return id;
}

void Remove_Timer_Id(UINT_PTR id) { Timers().erase(id); }

void Control_Born(Control* c) { Live().insert(c); }
void Control_Died(Control* c) { Live().erase(c); }
bool Control_Alive(Control* c) { return Live().count(c) != 0; }

void Depth_Enter() { ++g_depth; }
void Depth_Leave() { --g_depth; }

namespace {
std::unordered_map<HWND, Form*>& Form_Windows() {
  static std::unordered_map<HWND, Form*> windows;
  return windows;
}
}  // namespace

void Bind_Form_Window(HWND hwnd, Form* form) { Form_Windows()[hwnd] = form; }
void Unbind_Form_Window(HWND hwnd) { Form_Windows().erase(hwnd); }

Form* Form_Window_Object(HWND hwnd) {
  auto it = Form_Windows().find(hwnd);
  return it == Form_Windows().end() ? nullptr : it->second;
}

namespace {
// comctl32's GetWindowSubclass, taken from the loaded library: the x64 import library of the
// toolchain does not name it (comctl32 exports it by name and as ordinal 411).
BOOL Subclass_Data(HWND hwnd, SUBCLASSPROC proc, DWORD_PTR* data) {
  using Get_Fn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
  static const Get_Fn get = [] {
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    if (!comctl) comctl = LoadLibraryA("comctl32.dll");
    if (!comctl) return Get_Fn{};
    FARPROC f = GetProcAddress(comctl, "GetWindowSubclass");
    if (!f) f = GetProcAddress(comctl, MAKEINTRESOURCEA(411));
    return reinterpret_cast<Get_Fn>(reinterpret_cast<void*>(f));
  }();
  return get ? get(hwnd, proc, 0, data) : FALSE;
}
}  // namespace

Control* Control_Of(HWND hwnd) {
  if (!hwnd) return nullptr;
  DWORD_PTR self = 0;
  if (!Subclass_Data(hwnd, &Control::Subclass_Proc, &self) &&
      !Subclass_Data(hwnd, &Picture_Box::Subclass_Proc, &self))
    return nullptr;
  auto* c = reinterpret_cast<Control*>(self);
  return Control_Alive(c) ? c : nullptr;
}

void Unbind_Control_Window(HWND hwnd) {
  RemoveWindowSubclass(hwnd, &Control::Subclass_Proc, 0);
  RemoveWindowSubclass(hwnd, &Picture_Box::Subclass_Proc, 0);
}

int Mouse_Buttons(WPARAM wp) {
  int b = 0;
  if (wp & MK_LBUTTON) b |= 1;
  if (wp & MK_RBUTTON) b |= 2;
  if (wp & MK_MBUTTON) b |= 4;
  return b;
}

int Mouse_Shift(WPARAM wp) {
  int s = 0;
  if (wp & MK_SHIFT) s |= 1;
  if (wp & MK_CONTROL) s |= 2;
  if (GetKeyState(VK_MENU) < 0) s |= 4;
  return s;
}

bool Is_Key_Message(UINT msg) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_IME_CHAR:
      return true;
  }
  return false;
}

}  // namespace forms::detail

namespace forms {

int Handler_Depth() { return detail::g_depth; }

}  // namespace forms
