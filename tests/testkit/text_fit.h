#pragma once
// Whether the texts a screen shows fit inside their controls: each text is measured with the
// font its control draws it in (GetTextExtentPoint32 / DrawText's measuring) and compared with
// the room the control gives it. A text larger than its room is cut at the control's edge.

#include <windows.h>

#include <string>
#include <vector>

namespace testkit {

struct Cut_Text {
  std::string where;  // the control: its class or name, and what part of it
  std::string text;   // code page 936
  SIZE needed;        // pixels the text takes
  SIZE room;          // pixels the control gives it
};

// Pixels a text takes in that font: its lines (CR LF or LF) as DrawText lays them out, wrapped
// at `wrap_width` when that is positive.
SIZE Text_Size(HFONT font, const std::string& text, int wrap_width = 0, bool prefixes = false);
// The font of a window (WM_GETFONT), the system's GUI font when it has none.
HFONT Window_Font(HWND window);
// A font like the programs make them: name, points, bold.
HFONT Make_Point_Font(const std::string& name, double points, bool bold = false);

// Every cut text of the visible windows of the tree under `top` (itself included): static
// texts, buttons, check and option boxes, edit and rich-text boxes, combo boxes, tab captions,
// list views, header heights and status-bar parts. Windows of classes it does not know are
// passed over (their own tests measure what they draw).
void Check_Window_Texts(HWND top, std::vector<Cut_Text>& cuts);
// Every cut item of a popup menu (its items' height and width in the menu font).
void Check_Menu_Texts(HWND menu_window, HMENU menu, std::vector<Cut_Text>& cuts);
// One line per cut, for a test's failure message.
std::string Describe(const std::vector<Cut_Text>& cuts);

}  // namespace testkit
