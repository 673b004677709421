#include <windows.h>

#include "screen_table.h"
#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
  quillon::Register_All_Screens();
  return quillon::Run_Tutor(instance, command_line);
}
