#include "shell/standins.h"


#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"
#include "shell/command_tables.h"
#include "shell/commands.h"
#include "shell/main_form.h"
#include "shell/startup.h"

namespace quillon {



// ---- About box ----

forms::Form& Form_About() {
  static forms::Form* about = [] {
    auto* f = new forms::Form();
    f->Border = forms::Border_Style::Fixed_Dialog;
    f->Position = forms::Start_Up_Position::Center_Screen;
    f->Key_Preview = true;
    f->Window_Class = kFormClass;
    f->On_Design = [f] {
      f->Set_Caption("关于青岚键坊");
      f->Set_Client_Size(5400, 2400);
      auto& title = f->Add<forms::Label>("Label_Title");
      title.Move(300, 300, 4800, 400);
      title.Set_Font("宋体", 12, true);
      title.Set_Caption("青岚键坊");
      auto& owner = f->Add<forms::Label>("Label_User_Name");
      owner.Move(300, 900, 4800, 300);
      auto& company = f->Add<forms::Label>("Label_Company_Name");
      company.Move(300, 1250, 4800, 300);
      auto& ok = f->Add<forms::Command_Button>("Command_OK");
      ok.Move(2100, 1750, 1200, 420);
      ok.Set_Text("确定");
      ok.On_Click = [f] { f->Unload(); };
    };
    f->On_Activate = [f] { Show_Registered_User(*f); };
    f->On_Unload = [](int&) { Close_About(Form_Quillon()); };
    return f;
  }();
  return *about;
}

void Close_About(forms::Form& main_form) {
  forms::Guarded([&] {
    Write(kAboutFlag, "0");
    Play_Music(BG_Music_File);
    if (Current_Panel == Number(Panel_Id::Police) && Exercise_Running) Main_Timer("Timer_Game_Police").Set_Enabled(true);
    main_form.Show();
  });
}

// ---- Context menu ----

void Show_Main_Context_Menu(forms::Form& form) {
  forms::Guarded([&] {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "最小化");
    AppendMenuA(menu, MF_STRING, 2, "退出系统");
    POINT at{};
    GetCursorPos(&at);
    const UINT chosen =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, form.Hwnd(), nullptr);
    DestroyMenu(menu);
    if (chosen == 1) Do_Function_Module(form, Function_Button::Minimise);
    if (chosen == 2) Do_Function_Module(form, Function_Button::Exit);
  });
}

}  // namespace quillon
