#pragma once
// The main window's pointer events on its bare surfaces (the background, the page panels, the
// keyboards, input panels and game covers) and its two title links. A right press on a surface
// opens the context menu at the pointer; a move runs the leave reset (panels also their page's
// reset, by the screen table); a left press on the background drags the window. The link picture
// shows its four looks and, like the Bazaro image, opens its web page on a click of either button.

#include <string>

#include "forms/forms.h"

namespace quillon {

extern const char kBazaroWebSite[];

// Right press on a keyboard, input panel or cover: the context menu; other buttons nothing.
void Surface_Mouse_Down(forms::Form& form, int button);
// Any press on a page panel: the drop-down menu closes; right: then the context menu.
void Panel_Mouse_Down(forms::Form& form, int button);
// Any press on the background: the drop-down menu closes; left drags, right the context menu.
void Background_Mouse_Down(forms::Form& form, int button);
// A move over page panel `panel`: the leave reset, then that page's reset.
void Panel_Mouse_Move(forms::Form& form, int panel);
// A move over the link picture, at (x, y) twips in it.
void Link_Mouse_Move(forms::Form& form, int x, int y);
// A click on a link: the click sound, then the address opens in the browser.
void Open_Link(forms::Form& form, const std::string& address);

// ---- Pure parts ----
// The pointer is over a w x h area at (x, y) when 0 < x < w and 0 < y < h.
bool Pointer_Over(int x, int y, int width, int height);
// The link's look: LarkmoorNet1 over / 2 away while the window is active, 4 / 3 while inactive.
const char* Link_Look(bool over, bool window_inactive);

}  // namespace quillon
