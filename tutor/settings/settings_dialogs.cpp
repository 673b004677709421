#include "settings/settings_dialogs.h"

#include "forms/forms.h"
#include "services/input_methods.h"
#include "services/main_window.h"

namespace quillon {

namespace {

forms::Form* Make_Dialog(const char* caption, std::function<void()> on_close) {
  auto* f = new forms::Form();
  f->Border = forms::Border_Style::Fixed_Dialog;
  f->Position = forms::Start_Up_Position::Center_Screen;
  f->Key_Preview = true;
  f->Window_Class = kFormClass;
  f->On_Design = [f, caption] {
    f->Set_Caption(caption);
    f->Set_Client_Size(4800, 2000);
    auto& ok = f->Add<forms::Command_Button>("Command_OK");
    ok.Move(1800, 1300, 1200, 420);
    ok.Set_Text("确定");
    ok.On_Click = [f] { f->Unload(); };
  };
  f->On_Unload = [on_close](int&) {
    if (on_close) on_close();
  };
  return f;
}

}  // namespace

forms::Form& Form_Control() {
  static forms::Form* dialog = Make_Dialog("功能设置", nullptr);
  return *dialog;
}

forms::Form& Form_System_Set() {
  static forms::Form* dialog = Make_Dialog("系统设置", [] { Set_Active_Hot_Key(Main_Window()); });
  return *dialog;
}

void Show_Form_Control(forms::Form& owner) { Form_Control().Show_Modal(owner.Hwnd()); }

void Show_Form_System_Set(forms::Form& owner) {
  Clear_Active_Hot_Key(owner);
  Form_System_Set().Show_Modal(owner.Hwnd());
}

}  // namespace quillon
