#include "forms/control.h"

#include "forms/form.h"
#include "forms/units.h"
#include "internal.h"

namespace forms {

using detail::Busy;
using detail::Fire;
using detail::Next_Child_Id;

// ---------------------------------------------------------------------------------------------
// Picture_Box

// The box's own class binds the window to its object when the window is made, through the same
// comctl32 chain as every windowed control, so that the box sees the messages of its creation.
LRESULT CALLBACK Picture_Box::Create_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* box = static_cast<Picture_Box*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    SetWindowSubclass(hwnd, &Picture_Box::Subclass_Proc, 0,
                      reinterpret_cast<DWORD_PTR>(static_cast<Control*>(box)));
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Picture_Box::Subclass_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                            DWORD_PTR self) {
  auto* box = static_cast<Picture_Box*>(reinterpret_cast<Control*>(self));
  if (msg == WM_NCDESTROY) {
    box->hwnd_ = nullptr;
    RemoveWindowSubclass(hwnd, &Picture_Box::Subclass_Proc, 0);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  if (!detail::Control_Alive(box)) {
    if (msg == WM_PAINT) {  // an unloaded box still paints what it had
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  if (!box->hwnd_) box->hwnd_ = hwnd;
  Busy busy(box->form_);
  if (msg == WM_SETFOCUS) box->form_->Remember_Focus(box);
  if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) {
    PostMessageA(detail::Runtime_Window(), detail::WM_QL_FOCUS, msg == WM_SETFOCUS ? 1 : 0,
                 reinterpret_cast<LPARAM>(static_cast<Control*>(box)));
  }
  bool handled = false;
  LRESULT r = box->Container_Message(hwnd, msg, wp, lp, handled);
  if (handled) return r;
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void Picture_Box::Create_Window() {
  HWND parent = Container_Window();
  if (!parent || hwnd_) return;
  detail::Register_Class("QLPictureBox", &Picture_Box::Create_Proc);
  RECT r = Pixel_Rect();
  DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0) |
                (border_ ? WS_BORDER : 0) | (enabled_ ? 0 : WS_DISABLED);
  HWND h = CreateWindowExA(0, "QLPictureBox", "", style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(Next_Child_Id())),
                           detail::Instance(), this);
  if (!h) throw Runtime_Error(7, "Out of memory");
  hwnd_ = h;
  Ensure_Surface();
}

void Picture_Box::Set_Border(bool border) {
  border_ = border;
  if (hwnd_) {
    LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
    style = border ? (style | WS_BORDER) : (style & ~static_cast<LONG_PTR>(WS_BORDER));
    SetWindowLongPtrA(hwnd_, GWL_STYLE, style);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
  }
}

void Picture_Box::Self_Mouse(int kind, int button, int shift, int x, int y) {
  detail::Fire_Mouse_Event(*this, kind, button, shift, x, y);
}

void Picture_Box::Self_Mouse_Leave() {
  if (On_Mouse_Leave) Fire(On_Mouse_Leave);
}

}  // namespace forms
