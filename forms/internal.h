#pragma once
// Runtime internals shared by the runtime's sources (not part of the public headers).

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "forms/control.h"
#include "forms/form.h"

namespace forms::detail {

// Private messages of the runtime window.
constexpr UINT WM_QL_FOCUS = WM_APP + 0x3A1;  // wParam 1 got / 0 lost, lParam Control*
constexpr UINT WM_QL_NOW = WM_APP + 0x3A2;    // posted and taken at once: see Take_Fresh_Message

// Makes "now" the time of the last message this thread has taken from its queue (the time
// GetMessageTime reports), by posting a private message to the runtime window and taking it at
// once. Called right before a form is activated: under Wine's X11 driver the request for the X
// keyboard focus that goes with every activation carries that time, and the X server ignores a
// request whose time is older than its last focus change (see Form::Show).
void Take_Fresh_Message();

HINSTANCE Instance();
// Hidden message-only window of the runtime: timers and posted focus events land here.
HWND Runtime_Window();
void Register_Class(const std::string& name, WNDPROC proc, UINT style = CS_DBLCLKS);

// Timers by id.
UINT_PTR Add_Timer_Id(Timer* timer);
void Remove_Timer_Id(UINT_PTR id);

// Live controls (for posted events that may outlive their control).
void Control_Born(Control* c);
void Control_Died(Control* c);
bool Control_Alive(Control* c);

// Global handler depth.
void Depth_Enter();
void Depth_Leave();

// A form's window is bound to its object in one registry, from WM_NCCREATE until the window
// ends or the form unloads; a control's window is bound through its comctl32 subclass, whose
// reference data is the control (Control::Subclass_Proc, Picture_Box::Subclass_Proc).
void Bind_Form_Window(HWND hwnd, Form* form);
void Unbind_Form_Window(HWND hwnd);
Form* Form_Window_Object(HWND hwnd);
// The living control a child window belongs to, or null.
Control* Control_Of(HWND hwnd);
// Takes a control's subclass off its window, so that a message after the object's end reaches
// only the window.
void Unbind_Control_Window(HWND hwnd);

// Twips point of an lParam relative to a control rectangle.
int Mouse_Buttons(WPARAM wp);
int Mouse_Shift(WPARAM wp);

// RAII busy mark on a form: its graves wait while any handler of it runs.
class Busy {
 public:
  explicit Busy(Form* f) : form_(f) {
    if (form_) form_->Enter_Handler();
  }
  ~Busy() {
    if (form_) form_->Leave_Handler();
  }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  Form* form_;
};

// Runs a user event handler: errors escaping it are shown with the error box.
template <typename F>
void Fire(F&& f) {
  try {
    f();
  } catch (...) {
    Show_Error_Box(Current_Error_Text());
  }
}

// Runs the mouse event of kind `kind` (Container::Mouse_Kind) of a form or a picture box, whose
// handlers have the same names.
template <typename Owner>
void Fire_Mouse_Event(Owner& owner, int kind, int button, int shift, int x, int y) {
  switch (kind) {
    case Container::Mouse_Move:
      if (owner.On_Mouse_Move) Fire([&] { owner.On_Mouse_Move(button, shift, x, y); });
      break;
    case Container::Mouse_Down:
      if (owner.On_Mouse_Down) Fire([&] { owner.On_Mouse_Down(button, shift, x, y); });
      break;
    case Container::Mouse_Up:
      if (owner.On_Mouse_Up) Fire([&] { owner.On_Mouse_Up(button, shift, x, y); });
      break;
    case Container::Mouse_Click:
      if (owner.On_Click) Fire(owner.On_Click);
      break;
    case Container::Mouse_Dbl_Click:
      if (owner.On_Dbl_Click) Fire(owner.On_Dbl_Click);
      break;
  }
}

bool Is_Key_Message(UINT msg);

// Helpers the control classes share (forms/control.cpp).
int Next_Child_Id();                 // a fresh control id for a child window
int Down_Button(UINT mouse_message);  // 1 left, 2 right, 4 middle; 0 for another message
bool Is_Down(UINT mouse_message);
bool Is_Up(UINT mouse_message);
bool Is_Dbl(UINT mouse_message);
// Asks for WM_MOUSELEAVE once while the pointer is over the window.
void Track_Leave(HWND hwnd, bool& tracking);
HFONT Make_Font(const std::string& name, double point_size, bool bold);

}  // namespace forms::detail
