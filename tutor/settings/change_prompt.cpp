// Form_Control_Set_Change: the picture box that asks whether to restart the open practice with
// its changed options. Dialog_Answer: 0 yes, 1 no (also when the box is closed another way).

#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/scaling.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "services/utilities.h"
#include "settings/form_control.h"

namespace quillon {

namespace {

constexpr char kButtons[] = "Image_YesNo";
constexpr int kButtonLefts[2] = {780, 2580};

void Image_YesNo_Click(int index) {
  forms::Form& box = Form_Control_Set_Change();
  forms::Guarded([&] {
    if (!box.Loaded()) return;
    Play_Click_Sound();
    auto& button = box.Get<forms::Image>(kButtons, index);
    if (button.Get_Picture().Empty()) {
      Load_Resource_Picture_To_Image(button, "bgcontrol_set" + std::to_string(index));
      Wait_Milliseconds(300);
    }
    if (!box.Loaded()) return;
    Dialog_Answer = index;
    forms::Unload(box);
  });
}

// Ctrl+Y, Space or Enter: yes; Ctrl+N, Alt+F4 or Esc: no.
int Answer_Of_Key(int key, int shift) {
  if (key == VK_RETURN || key == VK_SPACE || (key == 'Y' && shift == kCtrlMask)) return 0;
  if (key == VK_ESCAPE || (key == 'N' && shift == kCtrlMask) ||
      (key == VK_F4 && shift == kAltMask))
    return 1;
  return -1;
}

}  // namespace

forms::Form& Form_Control_Set_Change() {
  static forms::Form* box = [] {
    auto* f = New_Skinned_Dialog();
    f->On_Design = [f] {
      f->Set_Caption("青岚键坊");
      f->Set_Client_Size(4200, 1695);
      for (int i = 0; i < 2; ++i) {
        auto& b = f->Add<forms::Image>(kButtons, i);
        b.Move(kButtonLefts[i], 1155, 915, 300);
        b.On_Click = [i] { Image_YesNo_Click(i); };
      }
    };
    f->On_Load = [f] {
      forms::Guarded([f] {
        Dialog_Answer = 1;
        Load_Resource_Picture_To_Form(*f, "bgcontrol_set");
        for (forms::Control* b : f->Array(kButtons)) b->Set_Mouse_Icon(forms::Hand_Cursor());
        if (Scale_Factor != 1.0f) Scale_Form(*f, Scale_Factor);
      });
    };
    f->On_Key_Down = [](int& key, int shift) {
      if (key == VK_F4 && shift == kAltMask) key = 0;  // acts on release, as no
    };
    f->On_Key_Up = [](int& key, int shift) {
      const int answer = Answer_Of_Key(key, shift);
      if (answer >= 0) Image_YesNo_Click(answer);
    };
    return f;
  }();
  return *box;
}

}  // namespace quillon
