#include "forms/control.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/form.h"
#include "forms/units.h"
#include "internal.h"

namespace forms {

using detail::Busy;
using detail::Fire;

// ---- Helpers of the control classes (forms/internal.h) ----

namespace detail {

int Next_Child_Id() {
  static int next = 1000;
  return ++next;
}

int Down_Button(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return 1;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return 2;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return 4;
  }
  return 0;
}

bool Is_Down(UINT m) { return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN; }
bool Is_Up(UINT m) { return m == WM_LBUTTONUP || m == WM_RBUTTONUP || m == WM_MBUTTONUP; }
bool Is_Dbl(UINT m) {
  return m == WM_LBUTTONDBLCLK || m == WM_RBUTTONDBLCLK || m == WM_MBUTTONDBLCLK;
}

void Track_Leave(HWND hwnd, bool& tracking) {
  if (tracking) return;
  TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd, 0};
  if (TrackMouseEvent(&tme)) tracking = true;
}

HFONT Make_Font(const std::string& name, double point_size, bool bold) {
  HDC dc = GetDC(nullptr);
  int height = -static_cast<int>(point_size * GetDeviceCaps(dc, LOGPIXELSY) / 72.0 + 0.5);
  ReleaseDC(nullptr, dc);
  return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, name.c_str());
}

}  // namespace detail

using detail::Down_Button;
using detail::Is_Dbl;
using detail::Is_Down;
using detail::Is_Up;
using detail::Track_Leave;

// ---------------------------------------------------------------------------------------------
// Control

Control::~Control() {
  detail::Control_Died(this);
  if (hwnd_ && IsWindow(hwnd_)) {
    HWND h = hwnd_;
    hwnd_ = nullptr;
    detail::Unbind_Control_Window(h);
    DestroyWindow(h);
  }
}

void Control::Bind(Form* form, Container* container, const std::string& name, int index) {
  form_ = form;
  container_ = container;
  name_ = name;
  index_ = index;
  detail::Control_Born(this);
  container_->Add_Child(this);
}

RECT Control::Pixel_Rect() const {
  RECT r;
  r.left = Twips_To_Pixels_X(left_);
  r.top = Twips_To_Pixels_Y(top_);
  r.right = Twips_To_Pixels_X(left_ + width_);
  r.bottom = Twips_To_Pixels_Y(top_ + height_);
  return r;
}

HWND Control::Container_Window() const { return container_ ? container_->Container_Hwnd() : nullptr; }

void Control::Invalidate() {
  HWND host = Container_Window();
  if (!host) return;
  RECT r = Pixel_Rect();
  InvalidateRect(host, &r, FALSE);
}

void Control::Apply_Geometry() {
  if (hwnd_) {
    RECT r = Pixel_Rect();
    MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
}

void Control::Move(int left, int top, int width, int height) {
  if (width < 0) width = width_;
  if (height < 0) height = height_;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  if (Windowless() && visible_) Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (Windowless()) {
    if (visible_) Invalidate();
    if (!tooltip_.empty() && container_) container_->Update_Tool(this);
  } else {
    Apply_Geometry();
  }
}

void Control::Set_Visible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (Windowless()) {
    Invalidate();
    if (!tooltip_.empty() && container_) container_->Update_Tool(this);
  } else if (hwnd_) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
  }
}

void Control::Set_Font_Size(double) {
  throw Runtime_Error(438, "Object doesn't support this property or method");
}

void Control::Set_Enabled(bool enabled) {
  enabled_ = enabled;
  if (hwnd_) EnableWindow(hwnd_, enabled);
}

void Control::Z_Order(int position) {
  if (!container_) return;
  container_->Raise_Child(this, position == 0);
  if (hwnd_) {
    SetWindowPos(hwnd_, position == 0 ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else if (visible_) {
    Invalidate();
  }
}

void Control::Set_Mouse_Icon(HCURSOR cursor) { cursor_ = cursor; }

void Control::Set_Tool_Tip_Text(const std::string& text) {
  tooltip_ = text;
  if (container_) container_->Update_Tool(this);
}

void Control::Refresh() {
  if (hwnd_) {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  } else if (HWND host = Container_Window()) {
    Invalidate();
    UpdateWindow(host);
  }
}

void Control::Attach_Window(HWND hwnd) {
  hwnd_ = hwnd;
  // Subclassed through comctl32's chain with the object as reference data; the destructor takes
  // the subclass off, so that a message after the object's end reaches only the window.
  SetWindowSubclass(hwnd, &Control::Subclass_Proc, 0, reinterpret_cast<DWORD_PTR>(this));
  if (!tooltip_.empty() && container_) container_->Update_Tool(this);
}

LRESULT CALLBACK Control::Subclass_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR self) {
  Control* c = reinterpret_cast<Control*>(self);
  if (!detail::Control_Alive(c)) c = nullptr;
  if (msg == WM_NCDESTROY) {
    if (c) c->hwnd_ = nullptr;
    RemoveWindowSubclass(hwnd, &Control::Subclass_Proc, 0);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  if (!c) return DefSubclassProc(hwnd, msg, wp, lp);

  Busy busy(c->form_);
  switch (msg) {
    case WM_SETCURSOR:
      if (c->cursor_ && LOWORD(lp) == HTCLIENT && reinterpret_cast<HWND>(wp) == hwnd) {
        SetCursor(c->cursor_);
        return TRUE;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      if (msg == WM_SETFOCUS) c->form_->Remember_Focus(c);
      LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      PostMessageA(detail::Runtime_Window(), detail::WM_QL_FOCUS, msg == WM_SETFOCUS ? 1 : 0,
                   reinterpret_cast<LPARAM>(c));
      return r;
    }
    case WM_MOUSELEAVE: {
      c->tracking_ = false;
      LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      if (detail::Control_Alive(c) && c->On_Mouse_Leave) Fire(c->On_Mouse_Leave);
      return r;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
      LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      if (!detail::Control_Alive(c)) return r;
      int x = Pixels_To_Twips_X(static_cast<short>(LOWORD(lp)));
      int y = Pixels_To_Twips_Y(static_cast<short>(HIWORD(lp)));
      int shift = detail::Mouse_Shift(wp);
      if (msg == WM_MOUSEMOVE) {
        Track_Leave(hwnd, c->tracking_);
        if (c->On_Mouse_Move) Fire([&] { c->On_Mouse_Move(detail::Mouse_Buttons(wp), shift, x, y); });
      } else if (Is_Down(msg)) {
        if (c->On_Mouse_Down) Fire([&] { c->On_Mouse_Down(Down_Button(msg), shift, x, y); });
      } else if (Is_Up(msg)) {
        if (c->On_Mouse_Up) Fire([&] { c->On_Mouse_Up(Down_Button(msg), shift, x, y); });
        RECT client;
        GetClientRect(hwnd, &client);
        POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (msg == WM_LBUTTONUP && c->Clicks_From_Mouse() && PtInRect(&client, pt) &&
            detail::Control_Alive(c) && c->On_Click)
          Fire(c->On_Click);
      } else if (Is_Dbl(msg)) {
        if (msg == WM_LBUTTONDBLCLK && c->On_Dbl_Click) Fire(c->On_Dbl_Click);
      }
      return r;
    }
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace forms
