#include "forms/control.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/form.h"
#include "forms/units.h"
#include "internal.h"

namespace forms {

using detail::Busy;
using detail::Fire;

namespace {

constexpr const char* Old_Proc_Prop = "QLForms.OldProc";

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

}  // namespace

// ---------------------------------------------------------------------------------------------
// Control

Control::~Control() {
  detail::Control_Died(this);
  if (hwnd_ && IsWindow(hwnd_)) {
    HWND h = hwnd_;
    hwnd_ = nullptr;
    RemovePropA(h, detail::Control_Prop);
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
  SetPropA(hwnd, detail::Control_Prop, this);
  auto old = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::Subclass_Proc)));
  SetPropA(hwnd, Old_Proc_Prop, reinterpret_cast<HANDLE>(old));
  if (!tooltip_.empty() && container_) container_->Update_Tool(this);
}

LRESULT CALLBACK Control::Subclass_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto old = reinterpret_cast<WNDPROC>(GetPropA(hwnd, Old_Proc_Prop));
  if (!old) return DefWindowProcA(hwnd, msg, wp, lp);
  Control* c = detail::Control_Of(hwnd);
  if (msg == WM_NCDESTROY) {
    if (c) c->hwnd_ = nullptr;
    RemovePropA(hwnd, detail::Control_Prop);
    RemovePropA(hwnd, Old_Proc_Prop);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    return CallWindowProcA(old, hwnd, msg, wp, lp);
  }
  if (!c) return CallWindowProcA(old, hwnd, msg, wp, lp);

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
      LRESULT r = CallWindowProcA(old, hwnd, msg, wp, lp);
      PostMessageA(detail::Runtime_Window(), detail::WM_QL_FOCUS, msg == WM_SETFOCUS ? 1 : 0,
                   reinterpret_cast<LPARAM>(c));
      return r;
    }
    case WM_MOUSELEAVE: {
      c->tracking_ = false;
      LRESULT r = CallWindowProcA(old, hwnd, msg, wp, lp);
      if (detail::Control_Alive(c) && c->On_Mouse_Leave) Fire(c->On_Mouse_Leave);
      return r;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
      LRESULT r = CallWindowProcA(old, hwnd, msg, wp, lp);
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
  return CallWindowProcA(old, hwnd, msg, wp, lp);
}

// ---------------------------------------------------------------------------------------------
// Container

Container::~Container() {
  Drop_Surface();
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void Container::Drop_Surface() {
  if (surface_dc_) {
    SelectObject(surface_dc_, surface_old_);
    DeleteDC(surface_dc_);
  }
  if (surface_bitmap_) DeleteObject(surface_bitmap_);
  surface_dc_ = nullptr;
  surface_bitmap_ = nullptr;
  surface_old_ = nullptr;
  surface_w_ = surface_h_ = 0;
}

void Container::Remove_Child(Control* c) {
  children_.erase(std::remove(children_.begin(), children_.end(), c), children_.end());
  if (hover_ == c) hover_ = nullptr;
  if (pressed_ == c) pressed_ = nullptr;
}

void Container::Raise_Child(Control* c, bool front) {
  auto it = std::find(children_.begin(), children_.end(), c);
  if (it == children_.end()) return;
  children_.erase(it);
  if (front)
    children_.push_back(c);
  else
    children_.insert(children_.begin(), c);
}

Control* Container::Hit_Test(POINT pixel) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control* c = *it;
    if (!c->Windowless() || !c->Visible() || !c->Enabled()) continue;
    RECT r = c->Pixel_Rect();
    if (PtInRect(&r, pixel)) return c;
  }
  return nullptr;
}

void Container::Ensure_Surface() {
  HWND hwnd = Container_Hwnd();
  if (!hwnd) return;
  RECT client;
  GetClientRect(hwnd, &client);
  int w = std::max<int>(1, client.right), h = std::max<int>(1, client.bottom);
  if (surface_dc_ && w <= surface_w_ && h <= surface_h_) return;
  int nw = std::max(w, surface_w_), nh = std::max(h, surface_h_);
  HDC screen = GetDC(hwnd);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, nw, nh);
  ReleaseDC(hwnd, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(back_color_);
  RECT all{0, 0, nw, nh};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  bool first = surface_dc_ == nullptr;
  if (!first) BitBlt(dc, 0, 0, surface_w_, surface_h_, surface_dc_, 0, 0, SRCCOPY);
  Drop_Surface();
  surface_dc_ = dc;
  surface_bitmap_ = bitmap;
  surface_old_ = old;
  surface_w_ = nw;
  surface_h_ = nh;
  if (first && picture_) Cls();
}

void Container::Set_Picture(const Picture& picture) {
  if (!Container_Hwnd()) Owner_Form().Load();
  picture_ = picture;
  Cls();
}

void Container::Set_Back_Color(COLORREF color) {
  back_color_ = color;
  if (surface_dc_) Cls();
}

void Container::Cls() {
  if (!Container_Hwnd()) Owner_Form().Load();
  Ensure_Surface();
  if (!surface_dc_) return;
  HBRUSH brush = CreateSolidBrush(back_color_);
  RECT all{0, 0, surface_w_, surface_h_};
  FillRect(surface_dc_, &all, brush);
  DeleteObject(brush);
  if (picture_) {
    HDC src = CreateCompatibleDC(surface_dc_);
    HGDIOBJ old = SelectObject(src, picture_.Handle());
    BitBlt(surface_dc_, 0, 0, picture_.Width_Pixels(), picture_.Height_Pixels(), src, 0, 0,
           SRCCOPY);
    SelectObject(src, old);
    DeleteDC(src);
  }
  InvalidateRect(Container_Hwnd(), nullptr, FALSE);
}

void Container::Paint_Picture(const Picture& picture, int x, int y, int width, int height) {
  if (!Container_Hwnd()) Owner_Form().Load();
  Ensure_Surface();
  if (!surface_dc_ || !picture) return;
  int pw = picture.Width_Pixels(), ph = picture.Height_Pixels();
  int dw = width < 0 ? pw : Twips_To_Pixels_X(width);
  int dh = height < 0 ? ph : Twips_To_Pixels_Y(height);
  HDC src = CreateCompatibleDC(surface_dc_);
  HGDIOBJ old = SelectObject(src, picture.Handle());
  SetStretchBltMode(surface_dc_, COLORONCOLOR);
  StretchBlt(surface_dc_, Twips_To_Pixels_X(x), Twips_To_Pixels_Y(y), dw, dh, src, 0, 0, pw, ph,
             SRCCOPY);
  SelectObject(src, old);
  DeleteDC(src);
  InvalidateRect(Container_Hwnd(), nullptr, FALSE);
}

HDC Container::Surface_Dc() {
  if (!Container_Hwnd()) Owner_Form().Load();
  Ensure_Surface();
  return surface_dc_;
}

void Container::Refresh_Surface() {
  if (HWND hwnd = Container_Hwnd()) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
  }
}

int Container::Scale_Width() const {
  RECT r{};
  if (HWND h = Container_Hwnd()) GetClientRect(h, &r);
  return Pixels_To_Twips_X(r.right);
}

int Container::Scale_Height() const {
  RECT r{};
  if (HWND h = Container_Hwnd()) GetClientRect(h, &r);
  return Pixels_To_Twips_Y(r.bottom);
}

void Container::Paint_All(HDC dc, const RECT& clip) {
  Ensure_Surface();
  HWND hwnd = Container_Hwnd();
  RECT client;
  GetClientRect(hwnd, &client);
  int w = std::max<int>(1, client.right), h = std::max<int>(1, client.bottom);
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
  HGDIOBJ old = SelectObject(buffer, bitmap);
  if (surface_dc_) BitBlt(buffer, 0, 0, w, h, surface_dc_, 0, 0, SRCCOPY);
  for (Control* c : children_) {
    if (!c->Windowless() || !c->Visible()) continue;
    RECT r = c->Pixel_Rect(), hit;
    if (!IntersectRect(&hit, &r, &clip)) continue;
    c->Paint(buffer);
  }
  BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, buffer,
         clip.left, clip.top, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
}

void Container::Mouse_Leave_All() {
  Control* old = hover_;
  hover_ = nullptr;
  if (old && detail::Control_Alive(old) && old->On_Mouse_Leave) Fire(old->On_Mouse_Leave);
}

void Container::Update_Tool(Control* c) {
  HWND host = Container_Hwnd();
  if (!host) return;
  if (!tooltip_) {
    if (c->Tool_Tip_Text().empty()) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, host, nullptr,
                               detail::Instance(), nullptr);
    if (!tooltip_) return;
  }
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.hwnd = host;
  if (c->Windowless()) {
    ti.uFlags = TTF_SUBCLASS;
    ti.uId = reinterpret_cast<UINT_PTR>(c);
    if (c->Visible()) ti.rect = c->Pixel_Rect();
  } else {
    if (!c->Hwnd()) return;
    ti.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(c->Hwnd());
  }
  SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  if (!c->Tool_Tip_Text().empty()) {
    ti.lpszText = const_cast<char*>(c->Tool_Tip_Text().c_str());
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

LRESULT Container::Container_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  handled = true;
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      Paint_All(dc, ps.rcPaint);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd, &client);
      Paint_All(reinterpret_cast<HDC>(wp), client);
      return 0;
    }
    case WM_SIZE:
      Ensure_Surface();
      handled = false;
      return 0;
    case WM_SETCURSOR: {
      if (LOWORD(lp) != HTCLIENT || reinterpret_cast<HWND>(wp) != hwnd) break;
      POINT pt;
      GetCursorPos(&pt);
      ScreenToClient(hwnd, &pt);
      Control* c = Hit_Test(pt);
      HCURSOR cursor = c ? c->Mouse_Icon() : Self_Cursor();
      if (!cursor && c) cursor = Self_Cursor();
      SetCursor(cursor ? cursor : LoadCursor(nullptr, IDC_ARROW));
      return TRUE;
    }
    case WM_COMMAND:
      if (lp) {
        if (Control* c = detail::Control_Of(reinterpret_cast<HWND>(lp))) {
          c->Handle_Command(HIWORD(wp));
          return 0;
        }
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lp) {
        if (Control* c = detail::Control_Of(reinterpret_cast<HWND>(lp))) {
          c->Handle_Scroll(LOWORD(wp));
          return 0;
        }
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      if (header) {
        if (Control* c = detail::Control_Of(header->hwndFrom)) return c->Handle_Notify(header);
      }
      break;
    }
    case WM_MOUSELEAVE:
      tracking_ = false;
      Mouse_Leave_All();
      Self_Mouse_Leave();
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != hwnd) {
        pressed_ = nullptr;
        pressed_self_ = false;
        pressed_button_ = 0;
      }
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
      POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      int shift = detail::Mouse_Shift(wp);
      Control* hit = Hit_Test(pt);
      auto rel = [&](Control* c, int& x, int& y) {
        x = Pixels_To_Twips_X(pt.x) - (c ? c->Left() : 0);
        y = Pixels_To_Twips_Y(pt.y) - (c ? c->Top() : 0);
      };
      int x, y;
      if (msg == WM_MOUSEMOVE) {
        Track_Leave(hwnd, tracking_);
        Control* target = pressed_button_ ? pressed_ : hit;
        if (pressed_button_ && pressed_self_) target = nullptr;
        if (target != hover_) {
          Mouse_Leave_All();
          hover_ = target;
        }
        rel(target, x, y);
        int buttons = detail::Mouse_Buttons(wp);
        if (target) {
          if (target->On_Mouse_Move) Fire([&] { target->On_Mouse_Move(buttons, shift, x, y); });
        } else {
          Self_Mouse(Mouse_Move, buttons, shift, x, y);
        }
        return 0;
      }
      int button = Down_Button(msg);
      if (Is_Down(msg) || Is_Dbl(msg)) {
        if (!pressed_button_) {
          pressed_button_ = button;
          pressed_ = hit;
          pressed_self_ = hit == nullptr;
          SetCapture(hwnd);
        }
        rel(hit, x, y);
        if (Is_Dbl(msg) && button == 1) {
          if (hit) {
            if (hit->On_Dbl_Click) Fire(hit->On_Dbl_Click);
          } else {
            Self_Mouse(Mouse_Dbl_Click, button, shift, x, y);
          }
        }
        if (hit) {
          if (hit->On_Mouse_Down) Fire([&] { hit->On_Mouse_Down(button, shift, x, y); });
        } else {
          Self_Mouse(Mouse_Down, button, shift, x, y);
        }
        return 0;
      }
      // Button up: to the control that had the press.
      Control* target = hit;
      bool self = hit == nullptr;
      bool was_pressed = pressed_button_ == button;
      if (was_pressed) {
        target = pressed_;
        self = pressed_self_;
        pressed_ = nullptr;
        pressed_self_ = false;
        pressed_button_ = 0;
        if (GetCapture() == hwnd) ReleaseCapture();
      }
      if (target && !detail::Control_Alive(target)) return 0;
      rel(self ? nullptr : target, x, y);
      bool over = self ? hit == nullptr : hit == target;
      if (!self && target) {
        if (target->On_Mouse_Up) Fire([&] { target->On_Mouse_Up(button, shift, x, y); });
        if (button == 1 && over && detail::Control_Alive(target) && target->On_Click)
          Fire(target->On_Click);
      } else {
        Self_Mouse(Mouse_Up, button, shift, x, y);
        if (button == 1 && over) Self_Mouse(Mouse_Click, button, shift, x, y);
      }
      return 0;
    }
  }
  handled = false;
  return 0;
}

// ---------------------------------------------------------------------------------------------
// Image

void Image::Set_Picture(const Picture& picture) {
  if (visible_) Invalidate();
  picture_ = picture;
  if (!stretch_ && picture_) {
    width_ = Pixels_To_Twips_X(picture_.Width_Pixels());
    height_ = Pixels_To_Twips_Y(picture_.Height_Pixels());
  }
  if (visible_) Invalidate();
}

void Image::Set_Stretch(bool stretch) {
  stretch_ = stretch;
  if (!stretch_ && picture_) Set_Picture(picture_);
  else if (visible_) Invalidate();
}

void Image::Paint(HDC dc) {
  if (!picture_) return;
  RECT r = Pixel_Rect();
  HDC src = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(src, picture_.Handle());
  int pw = picture_.Width_Pixels(), ph = picture_.Height_Pixels();
  if (stretch_) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, src, 0, 0, pw, ph, SRCCOPY);
  } else {
    BitBlt(dc, r.left, r.top, std::min<int>(pw, r.right - r.left),
           std::min<int>(ph, r.bottom - r.top), src, 0, 0, SRCCOPY);
  }
  SelectObject(src, old);
  DeleteDC(src);
}

// ---------------------------------------------------------------------------------------------
// Label

Label::~Label() {
  if (font_) DeleteObject(font_);
}

void Label::Set_Caption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (visible_) Invalidate();
}

void Label::Set_Font(const std::string& name, double point_size, bool bold) {
  font_name_ = name;
  font_size_ = point_size;
  bold_ = bold;
  if (font_) DeleteObject(font_);
  font_ = nullptr;
  if (visible_) Invalidate();
}

void Label::Set_Fore_Color(COLORREF color) {
  fore_ = color;
  if (visible_) Invalidate();
}

void Label::Set_Back_Color(COLORREF color) {
  back_ = color;
  if (visible_) Invalidate();
}

void Label::Set_Back_Style(int style) {
  back_style_ = style;
  if (visible_) Invalidate();
}

void Label::Set_Alignment(int alignment) {
  alignment_ = alignment;
  if (visible_) Invalidate();
}

void Label::Paint(HDC dc) {
  RECT r = Pixel_Rect();
  if (back_style_ == 1) {
    HBRUSH brush = CreateSolidBrush(back_);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  if (caption_.empty()) return;
  if (!font_) font_ = Make_Font(font_name_, font_size_, bold_);
  HGDIOBJ old = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled_ ? fore_ : GetSysColor(COLOR_GRAYTEXT));
  UINT align = alignment_ == 1 ? DT_RIGHT : alignment_ == 2 ? DT_CENTER : DT_LEFT;
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
            align | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
}

// ---------------------------------------------------------------------------------------------
// Picture_Box

LRESULT CALLBACK Picture_Box::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* box = reinterpret_cast<Picture_Box*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_NCDESTROY) {
    if (box) box->hwnd_ = nullptr;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    RemovePropA(hwnd, detail::Control_Prop);
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  if (!box || !detail::Control_Alive(box)) {
    if (msg == WM_PAINT && box) {  // an unloaded box still paints what it had
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
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
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void Picture_Box::Create_Window() {
  HWND parent = Container_Window();
  if (!parent || hwnd_) return;
  detail::Register_Class("QLPictureBox", &Picture_Box::Proc);
  RECT r = Pixel_Rect();
  DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0) |
                (border_ ? WS_BORDER : 0) | (enabled_ ? 0 : WS_DISABLED);
  HWND h = CreateWindowExA(0, "QLPictureBox", "", style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(Next_Child_Id())),
                           detail::Instance(), this);
  if (!h) throw Runtime_Error(7, "Out of memory");
  hwnd_ = h;
  SetPropA(h, detail::Control_Prop, static_cast<Control*>(this));
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

// ---------------------------------------------------------------------------------------------
// Native_Control

Native_Control::~Native_Control() {
  if (font_) DeleteObject(font_);
}

void Native_Control::Set_Class(const std::string& window_class, DWORD style, DWORD ex_style) {
  class_ = window_class;
  style_ = style;
  ex_style_ = ex_style;
  if (hwnd_) {
    text_ = Text();
    HWND h = hwnd_;
    hwnd_ = nullptr;
    RemovePropA(h, detail::Control_Prop);
    DestroyWindow(h);
    Create_Window();
  }
}

void Native_Control::Create_Window() {
  HWND parent = Container_Window();
  if (!parent || hwnd_) return;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  RECT r = Pixel_Rect();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | style_ | (visible_ ? WS_VISIBLE : 0) |
                (enabled_ ? 0 : WS_DISABLED);
  HWND h = CreateWindowExA(ex_style_, class_.c_str(), text_.c_str(), style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(Next_Child_Id())),
                           detail::Instance(), nullptr);
  if (!h) throw Runtime_Error(7, "Out of memory");
  SendMessageA(h, WM_SETFONT,
               reinterpret_cast<WPARAM>(font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  Attach_Window(h);
}

void Native_Control::Set_Text(const std::string& text) {
  text_ = text;
  if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

std::string Native_Control::Text() const {
  if (!hwnd_) return text_;
  int n = GetWindowTextLengthA(hwnd_);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  n = GetWindowTextA(hwnd_, s.data(), n + 1);
  s.resize(static_cast<size_t>(std::max(0, n)));
  return s;
}

void Native_Control::Set_Font(const std::string& name, double point_size, bool bold) {
  if (font_) DeleteObject(font_);
  font_ = Make_Font(name, point_size, bold);
  if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
}

LRESULT Native_Control::Send(UINT msg, WPARAM wp, LPARAM lp) const {
  return hwnd_ ? SendMessageA(hwnd_, msg, wp, lp) : 0;
}

bool Native_Control::Handle_Command(int code) {
  Busy busy(form_);
  if (On_Command) Fire([&] { On_Command(code); });
  if (!detail::Control_Alive(this)) return true;
  if (code == BN_CLICKED && lstrcmpiA(class_.c_str(), "BUTTON") == 0) {
    if (On_Click) Fire(On_Click);
  } else if (On_Change && (((code == EN_CHANGE) && lstrcmpiA(class_.c_str(), "EDIT") == 0) ||
                           ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) &&
                            lstrcmpiA(class_.c_str(), "COMBOBOX") == 0))) {
    Fire(On_Change);
  }
  return true;
}

void Native_Control::Handle_Scroll(int code) {
  detail::Busy busy(form_);
  if (On_Scroll) Fire([&] { On_Scroll(code); });
  if (detail::Control_Alive(this) && On_Change) Fire(On_Change);
}

LRESULT Native_Control::Handle_Notify(NMHDR* header) {
  Busy busy(form_);
  LRESULT r = 0;
  if (On_Notify) Fire([&] { r = On_Notify(header); });
  return r;
}

}  // namespace forms
