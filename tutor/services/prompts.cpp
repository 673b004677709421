#include "services/prompts.h"

#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/scaling.h"
#include "services/screen_ids.h"

namespace quillon {

namespace {

constexpr int kPromptWidth = 4230, kPromptHeight = 645;  // twips
constexpr int kFocusCheckMs = 100;

std::function<void()>& Prompt_Function() {
  static std::function<void()> prompt;
  return prompt;
}

// An Enter went down while the prompt was open: its release closes the prompt.
bool& Enter_Down_Here() {
  static bool down = false;
  return down;
}

void Design_Prompt(forms::Form& f) {
  f.Set_Caption("开始打字");
  f.Set_Client_Size(kPromptWidth, kPromptHeight);
  auto& cover = f.Add<forms::Image>("Image_Main_Form_Up");
  cover.Move(0, 0, kPromptWidth, kPromptHeight);
  cover.Set_Visible(false);
  f.Add_Timer("Timer_Check_System_Focus", kFocusCheckMs, false).On_Timer = [&f] {
    forms::Guarded([&] {
      auto& up = f.Get<forms::Image>("Image_Main_Form_Up");
      const bool in_front = GetForegroundWindow() == f.Hwnd();
      if (up.Visible() == in_front) up.Set_Visible(!in_front);
    });
  };
}

void Load_Prompt(forms::Form& f) {
  forms::Guarded([&] {
    Enter_Down_Here() = false;
    Load_Resource_Picture_To_Form(f, "zbcs");
    auto& cover = f.Get<forms::Image>("Image_Main_Form_Up");
    Load_Resource_Picture_To_Image(cover, "begin2");
    cover.Set_Mouse_Icon(forms::Hand_Cursor());
    if (Scale_Factor != 1.0f) Scale_Form(f, Scale_Factor);
  });
}

}  // namespace

forms::Form& Form_Begin_Type() {
  static forms::Form* prompt = [] {
    auto* f = new forms::Form();
    f->Border = forms::Border_Style::None;
    f->Position = forms::Start_Up_Position::Center_Screen;
    f->Key_Preview = true;
    f->Window_Class = kFormClass;
    f->On_Design = [f] { Design_Prompt(*f); };
    f->On_Load = [f] { Load_Prompt(*f); };
    f->On_Activate = [f] {
      forms::Guarded([&] { f->Get_Timer("Timer_Check_System_Focus").Set_Enabled(true); });
    };
    f->On_Key_Down = [](int& key, int shift) {
      if (key == VK_RETURN) Enter_Down_Here() = true;
      if (key == VK_F4 && shift == kAltMask) key = 0;  // no close by Alt+F4
    };
    f->On_Key_Up = [f](int& key, int) {
      forms::Guarded([&] {
        if (key != VK_RETURN || !Enter_Down_Here()) return;
        Enter_Down_Here() = false;
        forms::Unload(*f);
      });
    };
    // Only Enter closes the prompt: the window's close (taskbar, Alt+F4, WM_CLOSE) is refused.
    f->On_Query_Unload = [](int& cancel, int mode) {
      if (mode == forms::Unload_From_Close) cancel = 1;
    };
    return f;
  }();
  return *prompt;
}

void Show_Form_Begin_Type() {
  if (Prompt_Function()) {
    Prompt_Function()();
    return;
  }
  Form_Begin_Type().Show_Modal();
}

void Set_Begin_Type_Function(std::function<void()> prompt) { Prompt_Function() = std::move(prompt); }

}  // namespace quillon
