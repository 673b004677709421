#include "forms/richtext.h"

#include <richedit.h>

#ifndef FR_DOWN
#define FR_DOWN 0x00000001
#endif
#ifndef FR_MATCHCASE
#define FR_MATCHCASE 0x00000004
#endif

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "forms/errors.h"
#include "forms/form.h"
#include "internal.h"

namespace forms {

namespace {

int Next_Id() {
  static int next = 3000;
  return ++next;
}

// Positions of an ANSI text: a double-byte character counts one.
int Char_Count(const std::string& text) {
  int n = 0;
  for (size_t i = 0; i < text.size(); ++i, ++n)
    if (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size()) ++i;
  return n;
}

}  // namespace

Rich_Text_Box::~Rich_Text_Box() {
  if (font_) DeleteObject(font_);
}

LRESULT Rich_Text_Box::Send(UINT msg, WPARAM wp, LPARAM lp) const {
  return hwnd_ ? SendMessageA(hwnd_, msg, wp, lp) : 0;
}

void Rich_Text_Box::Create_Window() {
  HWND parent = Container_Window();
  if (!parent || hwnd_) return;
  static HMODULE riched = LoadLibraryA("riched32.dll");
  if (!riched) throw Runtime_Error(429, "ActiveX component can't create object");
  RECT r = Pixel_Rect();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | (visible_ ? WS_VISIBLE : 0) |
                (enabled_ ? 0 : WS_DISABLED) | (locked_ ? ES_READONLY : 0) |
                (hide_selection_ ? 0 : ES_NOHIDESEL);
  if (multi_line_) {
    style |= ES_MULTILINE | ES_WANTRETURN;
    if (scroll_bars_ & 2) style |= WS_VSCROLL;
    if (scroll_bars_ & 1) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    else style |= ES_AUTOVSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  HWND h = CreateWindowExA(border_ ? WS_EX_CLIENTEDGE : 0, "RichEdit", "", style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(Next_Id())),
                           detail::Instance(), nullptr);
  if (!h) throw Runtime_Error(429, "ActiveX component can't create object");
  SendMessageA(h, EM_SETEVENTMASK, 0, ENM_CHANGE);
  SendMessageA(h, EM_EXLIMITTEXT, 0, max_length_ > 0 ? max_length_ : 0x7FFFFFFE);
  if (font_) SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  Attach_Window(h);
  last_text_ = Text();
}

void Rich_Text_Box::Apply_Style() {
  if (!hwnd_) return;
  const std::string text = Text();
  HWND old = hwnd_;
  hwnd_ = nullptr;
  detail::Unbind_Control_Window(old);
  DestroyWindow(old);
  Create_Window();
  SetWindowTextA(hwnd_, text.c_str());
  last_text_ = text;
}

std::string Rich_Text_Box::Text() const {
  if (!hwnd_) return last_text_;
  // The length may come in characters: leave room for two bytes a character.
  LRESULT n = SendMessageA(hwnd_, WM_GETTEXTLENGTH, 0, 0);
  std::string s(static_cast<size_t>(n) * 2 + 2, '\0');
  SendMessageA(hwnd_, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()));
  s.resize(std::strlen(s.c_str()));
  return s;
}

void Rich_Text_Box::Set_Text(const std::string& text) {
  if (!hwnd_) return;
  SetWindowTextA(hwnd_, text.c_str());
  Check_Change();
}

int Rich_Text_Box::Text_Length() const { return Char_Count(Text()); }

int Rich_Text_Box::Sel_Start() const {
  CHARRANGE range{0, 0};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMin;
}

int Rich_Text_Box::Sel_Length() const {
  CHARRANGE range{0, 0};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMax - range.cpMin;
}

void Rich_Text_Box::Select(int start, int length) {
  if (start < 0) start = 0;
  if (length < 0) length = 0;
  CHARRANGE range{start, start + length};
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  Send(EM_SCROLLCARET);
}

void Rich_Text_Box::Set_Sel_Start(int start) { Select(start, 0); }

void Rich_Text_Box::Set_Sel_Length(int length) { Select(Sel_Start(), length); }

std::string Rich_Text_Box::Sel_Text() const {
  int start = Sel_Start(), length = Sel_Length();
  if (length <= 0 || !hwnd_) return "";
  // The box's own answer decides whether anything reads back (a line break selected alone
  // reads back empty); the characters themselves are cut from the text, since the box may
  // return only the first byte of a double-byte character.
  std::string raw(static_cast<size_t>(length) * 2 + 2, '\0');
  Send(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(raw.data()));
  if (raw[0] == '\0') return "";
  const std::string text = Text();
  size_t at = 0;
  int position = 0;
  auto step = [&] {
    at += (IsDBCSLeadByte(static_cast<BYTE>(text[at])) && at + 1 < text.size()) ? 2 : 1;
    ++position;
  };
  while (at < text.size() && position < start) step();
  const size_t from = at;
  while (at < text.size() && position < start + length) step();
  return text.substr(from, at - from);
}

void Rich_Text_Box::Set_Sel_Text(const std::string& text) {
  if (!hwnd_) return;
  Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  Check_Change();
}

COLORREF Rich_Text_Box::Sel_Color() const {
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_COLOR;
  Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  if (cf.dwEffects & CFE_AUTOCOLOR) return GetSysColor(COLOR_WINDOWTEXT);
  return cf.crTextColor;
}

void Rich_Text_Box::Set_Sel_Color(COLORREF color) {
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_COLOR;
  cf.dwEffects = 0;
  cf.crTextColor = color;
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void Rich_Text_Box::Set_Locked(bool locked) {
  locked_ = locked;
  Send(EM_SETREADONLY, locked ? TRUE : FALSE);
}

void Rich_Text_Box::Set_Max_Length(int length) {
  max_length_ = std::max(0, length);
  Send(EM_EXLIMITTEXT, 0, max_length_ > 0 ? max_length_ : 0x7FFFFFFE);
}

void Rich_Text_Box::Set_Enabled(bool enabled) { Control::Set_Enabled(enabled); }

void Rich_Text_Box::Set_Focus() {
  if (!hwnd_ || !IsWindowVisible(hwnd_) || !IsWindowEnabled(hwnd_))
    throw Runtime_Error(5, "Invalid procedure call or argument");
  SetFocus(hwnd_);
}

bool Rich_Text_Box::Has_Focus() const { return hwnd_ && GetFocus() == hwnd_; }

void Rich_Text_Box::Load_File(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Runtime_Error(53, "File not found");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Set_Text(text);
}

int Rich_Text_Box::Find(const std::string& text, int start, bool match_case) {
  if (!hwnd_ || text.empty()) return -1;
  FINDTEXTA find{};
  find.chrg.cpMin = std::max(0, start);
  find.chrg.cpMax = -1;
  find.lpstrText = text.c_str();
  WPARAM flags = FR_DOWN | (match_case ? FR_MATCHCASE : 0);
  LRESULT at = Send(EM_FINDTEXT, flags, reinterpret_cast<LPARAM>(&find));
  if (at < 0) return -1;
  Select(static_cast<int>(at), Char_Count(text));
  return static_cast<int>(at);
}

std::string Rich_Text_Box::Sel_Font_Name() const {
  if (!hwnd_) return font_name_;
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_FACE;
  Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  return cf.szFaceName;
}

void Rich_Text_Box::Set_Sel_Font_Name(const std::string& name) {
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_FACE | CFM_CHARSET;
  cf.bCharSet = DEFAULT_CHARSET;
  lstrcpynA(cf.szFaceName, name.c_str(), LF_FACESIZE);
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void Rich_Text_Box::Set_Font(const std::string& name, double point_size, bool bold) {
  font_name_ = name;
  font_size_ = point_size;
  if (font_) DeleteObject(font_);
  HDC dc = GetDC(nullptr);
  int height = -static_cast<int>(point_size * GetDeviceCaps(dc, LOGPIXELSY) / 72.0 + 0.5);
  ReleaseDC(nullptr, dc);
  font_ = CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_DONTCARE, name.c_str());
  if (!hwnd_) return;
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_CHARSET;
  cf.yHeight = static_cast<LONG>(point_size * 20 + 0.5);
  cf.dwEffects = bold ? CFE_BOLD : 0;
  cf.bCharSet = DEFAULT_CHARSET;
  lstrcpynA(cf.szFaceName, name.c_str(), LF_FACESIZE);
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
  Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
}

void Rich_Text_Box::Set_Fore_Color(COLORREF color) {
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_COLOR;
  cf.crTextColor = color;
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
  Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
}

void Rich_Text_Box::Set_Back_Color(COLORREF color) { Send(EM_SETBKGNDCOLOR, 0, color); }

bool Rich_Text_Box::Type_Double_Byte(unsigned code) {
  // The box's ANSI window would take the two bytes as two characters: type the character here.
  if (!hwnd_ || locked_ || !IsWindowEnabled(hwnd_)) return true;
  if (max_length_ > 0 && Text_Length() - Sel_Length() >= max_length_) return true;
  const char text[3] = {static_cast<char>((code >> 8) & 0xFF), static_cast<char>(code & 0xFF), 0};
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  Check_Change();
  return true;
}

bool Rich_Text_Box::Handle_Command(int code) {
  if (code == EN_CHANGE) Check_Change();
  return true;
}

void Rich_Text_Box::Check_Change() {
  if (!hwnd_ || !detail::Control_Alive(this)) return;
  std::string now = Text();
  if (now == last_text_) return;
  last_text_ = std::move(now);
  detail::Busy busy(form_);
  if (On_Change) detail::Fire(On_Change);
}

}  // namespace forms
