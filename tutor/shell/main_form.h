#pragma once
// The tutor's two start-up windows: the splash Form_Flash and the main window Form_Quillon with
// every panel, picture, timer and the media control the screens drive by name.

#include <string>

#include "forms/forms.h"
#include "services/main_window.h"

namespace quillon {

forms::Form& Form_Quillon();
forms::Form& Form_Flash();

// Design sizes in twips.
constexpr int kFlashClientWidth = 6375, kFlashClientHeight = 3600;

// The command-line argument text the program was started with.
extern std::string Command_Line_Text;

// Events of the main window (also called by tests).
void Form_Quillon_Initialize();
void Form_Quillon_Load();
void Form_Quillon_Activate();
void Timer_Check_Timer();
void Timer_Move_Picture_Timer();

}  // namespace quillon
