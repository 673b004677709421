#pragma once
// Start-up, shut-down and the application state: the single-instance rule, the reset flag file,
// the system initialisation, the private fonts, the main window's system menu, the registered
// user captions and the exit.

#include <windows.h>

#include <functional>
#include <string>

#include "services/program_folder.h"

namespace forms {
class Form;
}

namespace quillon {


// Runs the tutor; returns the process exit code.
int Run_Tutor(HINSTANCE instance, const char* command_line);

// True when another Quillon runs (the first call takes the single-instance mark).
bool Previous_Instance_Running();
// The single-instance rule: false when this instance must end.
bool Form_Flash_Initialize();
// The splash's start-up sequence; false when the program must end (missing resource library).
bool Form_Flash_Load();
bool Ini_System();
void Initialize_Global_Variant();
void Check_Reset_Flag_File(const std::string& path);
void Write_Reset_Flag_File(const std::string& path);
void Add_Private_Fonts();
void Remove_Private_Fonts();
void Set_System_Menu(forms::Form& form);
void Show_Registered_User(forms::Form& form);
int Get_Color_Depth();
// Ends the program at once (after switching back to US English, stopping every sound and
// removing the private fonts).
void Exit_System(forms::Form& form);

// The end of the program: ExitProcess(0) unless a test replaced it (empty: restore).
void Set_Exit_Function(std::function<void()> exit);

// The maker's web site and support mail.
extern const char kMakerWebSite[];
extern const char kMakerMail[];

}  // namespace quillon
