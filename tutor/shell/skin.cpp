#include "shell/skin.h"

#include "services/bitmaps.h"
#include "shell/function_bar.h"

namespace quillon {

namespace {

void Draw_Link(forms::Form& form, const char* name) {
  Load_Resource_Picture_To_PictureBox(form.Get<forms::Picture_Box>("Picture_LarkmoorNet"), name);
}

// The hand cursor of every button (the image list's picture 11 in the window's design).
HCURSOR Button_Cursor() { return forms::Hand_Cursor(); }

void Give_Array_Hand_Cursor(forms::Form& form, const char* array) {
  for (forms::Control* c : form.Array(array)) {
    c->Set_Mouse_Icon(Button_Cursor());
    forms::Do_Events();
  }
}

}  // namespace

void Load_Main_Form_Picture_and_Mouse_Icon(forms::Form& form) {
  forms::Guarded([&] {
    Load_Resource_Picture_To_PictureBox(form.Get<forms::Picture_Box>("Picture_Background"), "myjm");
    Load_Resource_Picture_To_Image(form.Get<forms::Image>("Image_Main_Form_Up"), "jmhui");
    Draw_Link(form, "LarkmoorNet2");
    Give_Array_Hand_Cursor(form, "Image_Function_Module");
    form.Get<forms::Image>("Image_Bazaro").Set_Mouse_Icon(Button_Cursor());
    form.Get<forms::Picture_Box>("Picture_LarkmoorNet").Set_Mouse_Icon(Button_Cursor());
    for (const char* array : {"Image_English_Type", "Image_Chinese_Type", "Image_Game",
                              "Image_Speed_Test", "Image_Other_Function"})
      Give_Array_Hand_Cursor(form, array);
  });
}

void Timer_Check_System_Focus_Timer(forms::Form& form) {
  forms::Guarded([&] {
    auto& cover = form.Get<forms::Image>("Image_Main_Form_Up");
    bool active = form.Hwnd() && GetForegroundWindow() == form.Hwnd();
    if (active && cover.Visible()) {
      cover.Set_Visible(false);
      Draw_Link(form, "LarkmoorNet2");
    } else if (!active && !cover.Visible()) {
      cover.Set_Visible(true);
      Draw_Link(form, "LarkmoorNet3");
    }
  });
}

void Drag_Form(forms::Form& form) {
  forms::Guarded([&] {
    if (!form.Hwnd()) throw forms::Runtime_Error(364, "Object was unloaded");
    // The system's move starts from where the button went down, in screen coordinates: from any
    // other point the window would jump by the difference at the first pointer message.
    const DWORD pressed_at = GetMessagePos();
    ReleaseCapture();
    SendMessageA(form.Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(pressed_at));
  });
}

void Main_Surface_Mouse_Move(forms::Form& form) {
  forms::Guarded([&] {
    Reset_Function_Module_Picture(form);
    Close_PopMenu_On_Leave(form);
  });
}

}  // namespace quillon
