#include "testkit/text_fit.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstring>
#include <sstream>

namespace testkit {

namespace {

std::string Class_Of(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string Text_Of(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

int Line_Height(HFONT font) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  DeleteDC(dc);
  return metrics.tmHeight;
}

SIZE Size_Of(const RECT& r) { return SIZE{r.right - r.left, r.bottom - r.top}; }

void Add_If_Cut(std::vector<Cut_Text>& cuts, const std::string& where, const std::string& text,
                SIZE needed, SIZE room, bool check_width = true) {
  if (needed.cy > room.cy || (check_width && needed.cx > room.cx))
    cuts.push_back({where, text, needed, room});
}

// A text box shows whole lines: one line of its font fits in its formatting rectangle.
void Check_Box_Height(HWND window, const std::string& where, HFONT font, std::vector<Cut_Text>& cuts) {
  RECT format{};
  SendMessageA(window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  if (format.bottom <= format.top) GetClientRect(window, &format);
  RECT client;
  GetClientRect(window, &client);
  // The formatting rectangle may reach past a small client area; the client area clips it.
  if (format.bottom > client.bottom) format.bottom = client.bottom;
  if (format.top < client.top) format.top = client.top;
  Add_If_Cut(cuts, where, "(one line)", SIZE{0, Line_Height(font)}, Size_Of(format), false);
}

void Check_Rich_Edit(HWND window, std::vector<Cut_Text>& cuts) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(window, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  if (format.yHeight <= 0 || !format.szFaceName[0]) return;
  HFONT font = Make_Point_Font(format.szFaceName, format.yHeight / 20.0,
                               (format.dwEffects & CFE_BOLD) != 0);
  Check_Box_Height(window, "rich-text box", font, cuts);
  DeleteObject(font);
}

void Check_Static(HWND window, std::vector<Cut_Text>& cuts) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const LONG type = style & SS_TYPEMASK;
  const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
  if (!wraps && type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE) return;
  const std::string text = Text_Of(window);
  if (text.empty()) return;
  RECT client;
  GetClientRect(window, &client);
  const SIZE room = Size_Of(client);
  const SIZE needed = Text_Size(Window_Font(window), text, wraps ? room.cx : 0,
                                (style & SS_NOPREFIX) == 0);
  Add_If_Cut(cuts, "static text", text, needed, room);
}

void Check_Button(HWND window, std::vector<Cut_Text>& cuts) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const LONG type = style & BS_TYPEMASK;
  if (type == BS_OWNERDRAW || (style & (BS_BITMAP | BS_ICON))) return;
  const std::string text = Text_Of(window);
  if (text.empty()) return;
  RECT client;
  GetClientRect(window, &client);
  SIZE room = Size_Of(client);
  const char* where = "button";
  bool check_height = true;
  switch (type) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      room.cx -= 4;  // the button's edges
      room.cy -= 4;
      break;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      where = "check or option box";
      room.cx -= GetSystemMetrics(SM_CXMENUCHECK) + 4;  // the box and its gap
      break;
    case BS_GROUPBOX:
      where = "group caption";
      room.cx -= 16;
      check_height = false;
      break;
    default: return;
  }
  const SIZE needed = Text_Size(Window_Font(window), text,
                                (style & BS_MULTILINE) ? room.cx : 0, true);
  if (!check_height) room.cy = needed.cy;
  Add_If_Cut(cuts, where, text, needed, room);
}

void Check_Combo(HWND window, std::vector<Cut_Text>& cuts) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(window, &info)) return;
  Add_If_Cut(cuts, "combo box field", "(one line)", SIZE{0, Line_Height(Window_Font(window))},
             Size_Of(info.rcItem), false);
}

void Check_Tabs(HWND window, std::vector<Cut_Text>& cuts) {
  if (GetWindowLongA(window, GWL_STYLE) & TCS_OWNERDRAWFIXED) return;
  const int count = static_cast<int>(SendMessageA(window, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(window, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    RECT r{};
    SendMessageA(window, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    if (!text[0]) continue;
    SIZE room = Size_Of(r);
    room.cx -= 4;
    Add_If_Cut(cuts, "tab caption", text, Text_Size(Window_Font(window), text, 0, true), room);
  }
}

void Check_List_View(HWND window, std::vector<Cut_Text>& cuts) {
  if (SendMessageA(window, LVM_GETITEMCOUNT, 0, 0) <= 0) return;
  RECT r{};
  r.left = LVIR_LABEL;
  if (!SendMessageA(window, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r))) return;
  Add_If_Cut(cuts, "list row", "(one line)", SIZE{0, Line_Height(Window_Font(window))},
             Size_Of(r), false);
}

void Check_Header(HWND window, std::vector<Cut_Text>& cuts) {
  const int count = static_cast<int>(SendMessageA(window, HDM_GETITEMCOUNT, 0, 0));
  if (count <= 0) return;
  RECT r{};
  SendMessageA(window, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  SIZE room = Size_Of(r);
  room.cy -= 2;  // the item's edges
  Add_If_Cut(cuts, "header row", "(one line)", SIZE{0, Line_Height(Window_Font(window))}, room,
             false);
}

void Check_Status_Bar(HWND window, std::vector<Cut_Text>& cuts) {
  const int parts = static_cast<int>(SendMessageA(window, SB_GETPARTS, 0, 0));
  for (int i = 0; i < parts; ++i) {
    const LRESULT length = SendMessageA(window, SB_GETTEXTLENGTHA, i, 0);
    if (LOWORD(length) == 0 || (HIWORD(length) & SBT_OWNERDRAW)) continue;
    std::string text(LOWORD(length) + 1u, '\0');
    SendMessageA(window, SB_GETTEXTA, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(strlen(text.c_str()));
    RECT r{};
    SendMessageA(window, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r));
    SIZE room = Size_Of(r);
    room.cx -= 4;
    room.cy -= 2;
    Add_If_Cut(cuts, "status-bar part", text, Text_Size(Window_Font(window), text), room);
  }
}

void Check_One(HWND window, std::vector<Cut_Text>& cuts) {
  if (!IsWindowVisible(window)) return;
  const std::string cls = Class_Of(window);
  auto is = [&cls](const char* name) { return lstrcmpiA(cls.c_str(), name) == 0; };
  if (is("Static")) Check_Static(window, cuts);
  else if (is("Button")) Check_Button(window, cuts);
  else if (is("Edit")) Check_Box_Height(window, "edit box", Window_Font(window), cuts);
  else if (is("RichEdit") || is("RichEdit20A") || is("RichEdit20W") || is("RICHEDIT50W"))
    Check_Rich_Edit(window, cuts);
  else if (is("ComboBox")) Check_Combo(window, cuts);
  else if (is(WC_TABCONTROLA)) Check_Tabs(window, cuts);
  else if (is(WC_LISTVIEWA)) Check_List_View(window, cuts);
  else if (is(WC_HEADERA)) Check_Header(window, cuts);
  else if (is(STATUSCLASSNAMEA)) Check_Status_Bar(window, cuts);
}

}  // namespace

SIZE Text_Size(HFONT font, const std::string& text, int wrap_width, bool prefixes) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, wrap_width > 0 ? wrap_width : 0, 0};
  UINT flags = DT_CALCRECT | DT_EXPANDTABS | (prefixes ? 0 : DT_NOPREFIX);
  if (wrap_width > 0) flags |= DT_WORDBREAK;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
  SelectObject(dc, old);
  DeleteDC(dc);
  return Size_Of(r);
}

HFONT Window_Font(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT Make_Point_Font(const std::string& name, double points, bool bold) {
  HDC screen = GetDC(nullptr);
  const int height = -static_cast<int>(points * GetDeviceCaps(screen, LOGPIXELSY) / 72.0 + 0.5);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, name.c_str());
}

void Check_Window_Texts(HWND top, std::vector<Cut_Text>& cuts) {
  Check_One(top, cuts);
  struct Walk {
    static BOOL CALLBACK Each(HWND window, LPARAM data) {
      Check_One(window, *reinterpret_cast<std::vector<Cut_Text>*>(data));
      return TRUE;
    }
  };
  EnumChildWindows(top, &Walk::Each, reinterpret_cast<LPARAM>(&cuts));
}

void Check_Menu_Texts(HWND menu_window, HMENU menu, std::vector<Cut_Text>& cuts) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    if (info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP)) continue;
    char text[256] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    std::string label = text;
    if (label.empty()) continue;
    label = label.substr(0, label.find('\t'));
    RECT r{};
    if (!GetMenuItemRect(menu_window, menu, i, &r)) continue;
    SIZE room = Size_Of(r);
    room.cx -= GetSystemMetrics(SM_CXMENUCHECK);  // the check-mark column
    Add_If_Cut(cuts, "menu item", label, Text_Size(font, label, 0, true), room);
  }
  DeleteObject(font);
}

std::string Describe(const std::vector<Cut_Text>& cuts) {
  std::ostringstream out;
  for (const Cut_Text& c : cuts)
    out << c.where << " \"" << c.text << "\": needs " << c.needed.cx << "x" << c.needed.cy
        << " pixels, has " << c.room.cx << "x" << c.room.cy << "\n";
  return out.str();
}

}  // namespace testkit
