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
#include <vector>

#include "forms/errors.h"
#include "forms/form.h"
#include "internal.h"

namespace forms {

namespace {

// A file's bytes; a missing file is error 53 and one that is there but cannot be read (held open
// by another program, no permission) error 75, each naming the file.
std::string Read_Whole_File(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
      throw Runtime_Error(53, "找不到文件 " + path);
    throw Runtime_Error(75, "无法读取文件 " + path);
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw Runtime_Error(75, "无法读取文件 " + path);
  return bytes;
}

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
  SetWindowSubclass(h, &Rich_Text_Box::Menu_Proc, 1, reinterpret_cast<DWORD_PTR>(this));
  if (back_color_ != GetSysColor(COLOR_WINDOW)) SendMessageA(h, EM_SETBKGNDCOLOR, 0, back_color_);
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
  Set_Text(Read_Whole_File(path));
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

void Rich_Text_Box::Set_Back_Color(COLORREF color) {
  back_color_ = color;
  Send(EM_SETBKGNDCOLOR, 0, color);
}

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

// ---- Formats, files, printing and the edit menu ----

Rich_Text_Box::Char_Format Rich_Text_Box::Sel_Format() const {
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_STRIKEOUT | CFM_UNDERLINE |
              CFM_COLOR;
  Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  Char_Format f;
  f.known = cf.dwMask;
  f.name = cf.szFaceName;
  f.size = cf.yHeight / 20.0;
  f.bold = (cf.dwEffects & CFE_BOLD) != 0;
  f.italic = (cf.dwEffects & CFE_ITALIC) != 0;
  f.strike_thru = (cf.dwEffects & CFE_STRIKEOUT) != 0;
  f.underline = (cf.dwEffects & CFE_UNDERLINE) != 0;
  f.color = (cf.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : cf.crTextColor;
  return f;
}

void Rich_Text_Box::Set_Sel_Format(const Char_Format& f) {
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = f.known & (CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_STRIKEOUT |
                         CFM_UNDERLINE | CFM_COLOR);
  if (cf.dwMask & CFM_FACE) {
    cf.dwMask |= CFM_CHARSET;
    cf.bCharSet = DEFAULT_CHARSET;
    lstrcpynA(cf.szFaceName, f.name.c_str(), LF_FACESIZE);
  }
  cf.yHeight = static_cast<LONG>(f.size * 20 + 0.5);
  cf.dwEffects = (f.bold ? CFE_BOLD : 0) | (f.italic ? CFE_ITALIC : 0) |
                 (f.strike_thru ? CFE_STRIKEOUT : 0) | (f.underline ? CFE_UNDERLINE : 0);
  cf.crTextColor = f.color;
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

namespace {

DWORD CALLBACK Stream_Out_To_File(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* out = reinterpret_cast<std::ofstream*>(cookie);
  out->write(reinterpret_cast<const char*>(buffer), size);
  *done = size;
  return out->good() ? 0 : 1;
}

struct Stream_Source {
  const std::string* bytes;
  size_t at;
};

DWORD CALLBACK Stream_In_From_Text(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* src = reinterpret_cast<Stream_Source*>(cookie);
  const size_t left = src->bytes->size() - src->at;
  const size_t n = std::min(left, static_cast<size_t>(size));
  std::memcpy(buffer, src->bytes->data() + src->at, n);
  src->at += n;
  *done = static_cast<LONG>(n);
  return 0;
}

}  // namespace

void Rich_Text_Box::Save_File(const std::string& path, bool rtf) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw Runtime_Error(75, "Path/File access error");
  if (rtf && hwnd_) {
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&out);
    stream.pfnCallback = Stream_Out_To_File;
    Send(EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    if (stream.dwError) throw Runtime_Error(75, "Path/File access error");
  } else {
    const std::string text = Text();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  out.close();
  if (!out) throw Runtime_Error(75, "Path/File access error");
}

void Rich_Text_Box::Load_Rich_File(const std::string& path) {
  const std::string bytes = Read_Whole_File(path);
  if (!hwnd_) return;
  Stream_Source source{&bytes, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = Stream_In_From_Text;
  // An RTF reader takes a file without an RTF header as plain text.
  const bool is_rtf = bytes.compare(0, 5, "{\\rtf") == 0;
  Send(EM_STREAMIN, is_rtf ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  Check_Change();
}

int Rich_Text_Box::Quick_Length() const {
  if (!hwnd_) return Char_Count(last_text_);
  GETTEXTLENGTHEX how{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
  return static_cast<int>(Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
}

void Rich_Text_Box::Sel_Print(HDC printer, const std::string& document_name) {
  if (!printer || !hwnd_) throw Runtime_Error(482, "Printer error");
  CHARRANGE range{0, -1};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  if (range.cpMax <= range.cpMin) range = {0, static_cast<LONG>(Send(WM_GETTEXTLENGTH))};
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = document_name.c_str();
  if (StartDocA(printer, &doc) <= 0) throw Runtime_Error(482, "Printer error");
  const int dpi_x = GetDeviceCaps(printer, LOGPIXELSX), dpi_y = GetDeviceCaps(printer, LOGPIXELSY);
  const int page_w = GetDeviceCaps(printer, HORZRES) * 1440 / std::max(1, dpi_x);
  const int page_h = GetDeviceCaps(printer, VERTRES) * 1440 / std::max(1, dpi_y);
  FORMATRANGE fr{};
  fr.hdc = fr.hdcTarget = printer;
  fr.rcPage = {0, 0, page_w, page_h};
  fr.rc = {720, 720, std::max(1440, page_w - 720), std::max(1440, page_h - 720)};
  fr.chrg = range;
  bool ok = true;
  do {
    if (StartPage(printer) <= 0) {
      ok = false;
      break;
    }
    const LONG next = static_cast<LONG>(Send(EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&fr)));
    if (EndPage(printer) <= 0) {
      ok = false;
      break;
    }
    if (next <= fr.chrg.cpMin) break;  // nothing more fits: never loop for ever
    fr.chrg.cpMin = next;
  } while (fr.chrg.cpMin < range.cpMax);
  Send(EM_FORMATRANGE, FALSE, 0);
  if (!ok) {
    AbortDoc(printer);
    throw Runtime_Error(482, "Printer error");
  }
  EndDoc(printer);
}

void Rich_Text_Box::Show_Verb_Menu(int x, int y) {
  enum { Undo = 1, Cut, Copy, Paste, Remove, Select_All };
  CHARRANGE sel{0, 0};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
  const bool has_sel = sel.cpMax > sel.cpMin, editable = !locked_;
  HMENU menu = CreatePopupMenu();
  auto item = [&](UINT id, const char* text, bool on) {
    AppendMenuA(menu, MF_STRING | (on ? 0 : MF_GRAYED), id, text);
  };
  item(Undo, "撤消(&U)", editable && Send(EM_CANUNDO));
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  item(Cut, "剪切(&T)", editable && has_sel);
  item(Copy, "复制(&C)", has_sel);
  item(Paste, "粘贴(&P)", editable && Send(EM_CANPASTE, 0));
  item(Remove, "删除(&D)", editable && has_sel);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  item(Select_All, "全选(&A)", true);
  const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
  switch (chosen) {
    case Undo: Send(EM_UNDO); break;
    case Cut: Send(WM_CUT); break;
    case Copy: Send(WM_COPY); break;
    case Paste: Send(WM_PASTE); break;
    case Remove: Send(WM_CLEAR); break;
    case Select_All: Select(0, Text_Length()); break;
    default: break;
  }
  if (chosen && detail::Control_Alive(this)) Check_Change();
}

LRESULT CALLBACK Rich_Text_Box::Menu_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                          DWORD_PTR self) {
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &Rich_Text_Box::Menu_Proc, 1);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  auto* box = reinterpret_cast<Rich_Text_Box*>(self);
  if (msg == WM_CONTEXTMENU && detail::Control_Alive(box) && box->hwnd_ == hwnd) {
    if (!box->auto_verb_menu_) return 0;
    int x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
    if (x == -1 && y == -1) {
      POINT caret{0, 0};
      GetCaretPos(&caret);
      ClientToScreen(hwnd, &caret);
      x = caret.x;
      y = caret.y;
    }
    box->Show_Verb_Menu(x, y);
    return 0;
  }
  const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
  // A one-line box never shows a scroll bar: Wine's rich edit gives one to a single line whose
  // font is taller than the box, whenever the text or its format changes.
  if (detail::Control_Alive(box) && box->hwnd_ == hwnd && !box->multi_line_ &&
      (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VSCROLL))
    ShowScrollBar(hwnd, SB_VERT, FALSE);
  return result;
}

}  // namespace forms
