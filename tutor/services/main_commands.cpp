#include "services/main_commands.h"

#include "services/main_window.h"

namespace quillon {

namespace {

Main_Commands& Registered() {
  static Main_Commands commands;
  return commands;
}

}  // namespace

void Set_Main_Commands(const Main_Commands& commands) { Registered() = commands; }

void Run_Function_Module(Function_Button button) {
  if (Registered().function_module) Registered().function_module(Main_Window(), button);
}

void Run_Menu_Item(Menu menu, int item) {
  if (Registered().menu_item) Registered().menu_item(Main_Window(), menu, item);
}

}  // namespace quillon
