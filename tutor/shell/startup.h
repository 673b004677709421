#pragma once

#include <windows.h>

#include <string>

namespace quillon {

// The program folder: the folder of the running executable, without a trailing backslash.
std::string Program_Folder();

// Runs the tutor; returns the process exit code.
int Run_Tutor(HINSTANCE instance, const char* command_line);

}  // namespace quillon
