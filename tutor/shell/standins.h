#pragma once
// Plain versions of the shell's later screens and services, enough to keep every road of the
// program running until their full versions replace them: the About box.
// (The skin, function bar, slides and picture message boxes are in their own modules, included
// here for the code that still looks for them in this header.)

#include <string>

#include "forms/forms.h"
#include "services/input_methods.h"
#include "services/scaling.h"
#include "shell/function_bar.h"
#include "shell/panel_slides.h"
#include "services/picture_boxes.h"
#include "shell/skin.h"

namespace quillon {

// ---- About box ----
forms::Form& Form_About();
void Close_About(forms::Form& main_form);

// ---- Context menu ----
// The main window's context menu at the pointer (minimise, exit); the right button chooses too.
void Show_Main_Context_Menu(forms::Form& form);

}  // namespace quillon
