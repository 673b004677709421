#include "services/main_window.h"

#include <windows.h>

namespace quillon {

const char kMainCaption[] = "青岚键坊";
const char kFormClass[] = "QuillonForm";

forms::Form* New_Skinned_Dialog() {
  auto* f = new forms::Form();
  f->Border = forms::Border_Style::None;
  f->Position = forms::Start_Up_Position::Center_Owner;
  f->Key_Preview = true;
  f->Own_Key_Ups = true;
  f->Show_In_Taskbar = false;
  f->Window_Class = kFormClass;
  return f;
}

namespace {

struct Registered_Main_Window {
  forms::Form* form = nullptr;
  Main_Window_Hooks hooks;
};

Registered_Main_Window& Registered() {
  static Registered_Main_Window main;
  return main;
}

}  // namespace

void Set_Main_Window(forms::Form& form, Main_Window_Hooks hooks) {
  Registered() = {&form, hooks};
}

forms::Form& Main_Window() {
  if (!Registered().form) throw forms::Runtime_Error(91, "主窗口尚未建立");
  return *Registered().form;
}

forms::Timer& Main_Timer(const char* name) { return Main_Window().Get_Timer(name); }

forms::Picture_Box& Panel(int index) {
  return Main_Window().Get<forms::Picture_Box>("Picture_BG", index);
}

namespace {

void Run_Hook(void (*hook)(forms::Form&)) {
  if (hook) hook(Main_Window());
}

}  // namespace

void Main_Surface_Mouse_Move() { Run_Hook(Registered().hooks.surface_mouse_move); }
void Main_Close_PopMenu() { Run_Hook(Registered().hooks.close_menus); }
void Main_Context_Menu() { Run_Hook(Registered().hooks.context_menu); }

void Make_Main_Surface(forms::Control& surface) {
  surface.On_Mouse_Move = [](int, int, int, int) { Main_Surface_Mouse_Move(); };
  surface.On_Mouse_Down = [](int button, int, int, int) {
    if (button == forms::kRightButton) Main_Context_Menu();
  };
}

void Activate_Window_By_Caption(const std::string& title) {
  forms::Guarded([&] {
    HWND window = FindWindowA(kFormClass, title.c_str());
    if (!window) return;
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    // A restore that is still being processed can leave another window in front: ask again.
    for (int tries = 0; tries < 20 && GetForegroundWindow() != window; ++tries) {
      Sleep(25);
      BringWindowToTop(window);
      SetForegroundWindow(window);
    }
  });
}

}  // namespace quillon
