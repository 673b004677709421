#include "services/main_window.h"

namespace quillon {

const char kMainCaption[] = "青岚键坊";
const char kFormClass[] = "QuillonForm";

namespace {

struct Registered_Main_Window {
  forms::Form* form = nullptr;
  void (*surface_mouse_move)(forms::Form&) = nullptr;
};

Registered_Main_Window& Registered() {
  static Registered_Main_Window main;
  return main;
}

}  // namespace

void Set_Main_Window(forms::Form& form, void (*surface_mouse_move)(forms::Form&)) {
  Registered() = {&form, surface_mouse_move};
}

forms::Form& Main_Window() {
  if (!Registered().form) throw forms::Runtime_Error(91, "主窗口尚未建立");
  return *Registered().form;
}

forms::Timer& Main_Timer(const char* name) { return Main_Window().Get_Timer(name); }

forms::Picture_Box& Panel(int index) {
  return Main_Window().Get<forms::Picture_Box>("Picture_BG", index);
}

void Main_Surface_Mouse_Move() {
  if (Registered().surface_mouse_move) Registered().surface_mouse_move(Main_Window());
}

}  // namespace quillon
