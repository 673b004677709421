#include "forms/control.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "forms/form.h"
#include "internal.h"

namespace forms {

using detail::Busy;
using detail::Fire;
using detail::Make_Font;
using detail::Next_Child_Id;

namespace {

// A code-page-936 text as UTF-16.
std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                    wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<size_t>(n > 0 ? n : 0));
  return wide;
}

}  // namespace

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
    detail::Unbind_Control_Window(h);
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
  // Boxes that take typed text are Unicode windows: an ANSI edit window takes the two bytes of
  // a Chinese character as two characters under some systems. Their text stays code page 936
  // here (the ANSI calls convert it).
  const bool typed_text =
      lstrcmpiA(class_.c_str(), "EDIT") == 0 || lstrcmpiA(class_.c_str(), "COMBOBOX") == 0;
  const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(Next_Child_Id()));
  HWND h = typed_text
               ? CreateWindowExW(ex_style_, Wide(class_).c_str(), Wide(text_).c_str(), style,
                                 r.left, r.top, r.right - r.left, r.bottom - r.top, parent, id,
                                 detail::Instance(), nullptr)
               : CreateWindowExA(ex_style_, class_.c_str(), text_.c_str(), style, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, parent, id,
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
  font_name_ = name;
  font_size_ = point_size;
  bold_ = bold;
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
