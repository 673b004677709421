#include "shell/pointer_events.h"

#include <shellapi.h>

#include "services/bitmaps.h"
#include "services/screens.h"
#include "services/sounds.h"
#include "shell/commands.h"
#include "shell/context_menu.h"
#include "shell/function_bar.h"
#include "shell/skin.h"

namespace quillon {

const char kBazaroWebSite[] = "http://www.bazaro.net";

bool Pointer_Over(int x, int y, int width, int height) {
  return x > 0 && y > 0 && x < width && y < height;
}

const char* Link_Look(bool over, bool window_inactive) {
  if (over) return window_inactive ? "LarkmoorNet4" : "LarkmoorNet1";
  return window_inactive ? "LarkmoorNet3" : "LarkmoorNet2";
}

void Surface_Mouse_Down(forms::Form& form, int button) {
  if (button == forms::kRightButton) Show_Context_Menu(form);
}

void Panel_Mouse_Down(forms::Form& form, int button) {
  Close_PopMenu(form);
  if (button == forms::kRightButton) Show_Context_Menu(form);
}

void Background_Mouse_Down(forms::Form& form, int button) {
  Close_PopMenu(form);
  if (button == forms::kLeftButton) Drag_Form(form);
  else if (button == forms::kRightButton) Show_Context_Menu(form);
}

void Panel_Mouse_Move(forms::Form& form, int panel) {
  Main_Surface_Mouse_Move(form);
  if (const Form_Entry* reset = Page_Reset_Of(panel)) forms::Guarded([&] { Call(*reset, form); });
}

void Link_Mouse_Move(forms::Form& form, int x, int y) {
  forms::Guarded([&] {
    auto& link = form.Get<forms::Picture_Box>("Picture_LarkmoorNet");
    const bool over = Pointer_Over(x, y, link.Width(), link.Height());
    if (over) SetCapture(link.Hwnd());
    else if (GetCapture() == link.Hwnd()) ReleaseCapture();
    const bool inactive = form.Get<forms::Image>("Image_Main_Form_Up").Visible();
    Load_Resource_Picture_To_PictureBox(link, Link_Look(over, inactive));
  });
}

void Open_Link(forms::Form& form, const std::string& address) {
  forms::Guarded([&] {
    Play_Click_Sound();
    if (Outside().Shell_Open) {
      Outside().Shell_Open(address, SW_SHOWNORMAL);
      return;
    }
    ShellExecuteA(form.Hwnd(), "open", address.c_str(), "", "", SW_SHOWNORMAL);
  });
}

}  // namespace quillon
