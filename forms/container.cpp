#include "forms/control.h"
#include "forms/errors.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "forms/form.h"
#include "forms/units.h"
#include "internal.h"

namespace forms {

using detail::Fire;
using detail::Down_Button;
using detail::Is_Down;
using detail::Is_Dbl;
using detail::Track_Leave;

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

namespace {

// The visible part of a surface as bottom-up 24-bit rows.
struct Surface_Bits {
  BITMAPINFOHEADER info{};
  std::vector<BYTE> bits;
};

Surface_Bits Read_Surface(HDC dc, int w, int h) {
  Surface_Bits out;
  out.info.biSize = sizeof out.info;
  out.info.biWidth = w;
  out.info.biHeight = h;
  out.info.biPlanes = 1;
  out.info.biBitCount = 24;
  out.info.biCompression = BI_RGB;
  const DWORD stride = ((w * 3 + 3) / 4) * 4;
  out.bits.resize(static_cast<size_t>(stride) * h);
  // GetDIBits needs a bitmap that no DC holds: copy the visible part into one of its own.
  HDC copy_dc = CreateCompatibleDC(dc);
  HBITMAP copy = CreateCompatibleBitmap(dc, w, h);
  HGDIOBJ old = SelectObject(copy_dc, copy);
  BitBlt(copy_dc, 0, 0, w, h, dc, 0, 0, SRCCOPY);
  SelectObject(copy_dc, old);
  const int rows = GetDIBits(copy_dc, copy, 0, h, out.bits.data(),
                             reinterpret_cast<BITMAPINFO*>(&out.info), DIB_RGB_COLORS);
  DeleteObject(copy);
  DeleteDC(copy_dc);
  if (rows != h) out.bits.clear();
  return out;
}

}  // namespace

void Container::Save_Surface_Bitmap(const std::string& path) {
  HDC dc = Surface_Dc();
  RECT client{};
  if (HWND h = Container_Hwnd()) GetClientRect(h, &client);
  const int w = std::max<int>(1, client.right), h = std::max<int>(1, client.bottom);
  if (!dc) throw Runtime_Error(75, "Path/File access error");
  const Surface_Bits image = Read_Surface(dc, w, h);
  if (image.bits.empty()) throw Runtime_Error(75, "Path/File access error");
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof image.info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(image.bits.size());
  HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) throw Runtime_Error(75, "Path/File access error");
  DWORD written = 0;
  bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) && written == sizeof file;
  ok = ok && WriteFile(out, &image.info, sizeof image.info, &written, nullptr) &&
       written == sizeof image.info;
  ok = ok && WriteFile(out, image.bits.data(), static_cast<DWORD>(image.bits.size()), &written,
                       nullptr) &&
       written == image.bits.size();
  CloseHandle(out);
  if (!ok) throw Runtime_Error(75, "Path/File access error");
}

void Container::Draw_Surface_To(HDC target, int x, int y, int w, int h) {
  HDC dc = Surface_Dc();
  RECT client{};
  if (HWND hwnd = Container_Hwnd()) GetClientRect(hwnd, &client);
  if (!dc || !target || client.right <= 0 || client.bottom <= 0)
    throw Runtime_Error(482, "Printer error");
  const Surface_Bits image = Read_Surface(dc, client.right, client.bottom);
  if (image.bits.empty()) throw Runtime_Error(482, "Printer error");
  SetStretchBltMode(target, COLORONCOLOR);
  if (StretchDIBits(target, x, y, w, h, 0, 0, client.right, client.bottom, image.bits.data(),
                    reinterpret_cast<const BITMAPINFO*>(&image.info), DIB_RGB_COLORS,
                    SRCCOPY) == 0)
    throw Runtime_Error(482, "Printer error");
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
  // Only the part to paint is composed: a sprite moving on a large surface costs what its own
  // rectangles cost, whatever else the surface shows.
  const int w = clip.right - clip.left, h = clip.bottom - clip.top;
  if (w <= 0 || h <= 0) return;
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
  HGDIOBJ old = SelectObject(buffer, bitmap);
  if (surface_dc_) BitBlt(buffer, 0, 0, w, h, surface_dc_, clip.left, clip.top, SRCCOPY);
  POINT origin;
  SetViewportOrgEx(buffer, -clip.left, -clip.top, &origin);
  for (Control* c : children_) {
    if (!c->Windowless() || !c->Visible()) continue;
    RECT r = c->Pixel_Rect(), hit;
    if (!IntersectRect(&hit, &r, &clip)) continue;
    c->Paint(buffer);
  }
  SetViewportOrgEx(buffer, origin.x, origin.y, nullptr);
  BitBlt(dc, clip.left, clip.top, w, h, buffer, 0, 0, SRCCOPY);
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
        if (button == 1 && over && detail::Control_Alive(target)) {
          target->Before_Click();
          if (target->On_Click) Fire(target->On_Click);
        }
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

}  // namespace forms
