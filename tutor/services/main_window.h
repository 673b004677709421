#pragma once
// The tutor's main window as the screens and services see it: its design sizes, its controls by
// name and the leave reset of its own surfaces. The shell makes the window (Form_Quillon) and
// registers it here when it does; the screens run inside that window's events, so the window is
// there whenever they ask for it.

#include "forms/forms.h"

namespace quillon {

// Design sizes in twips.
constexpr int kMainClientWidth = 9600, kMainClientHeight = 7185;
constexpr int kPanelCount = 12;
constexpr int kPanelTop = 1590;
extern const char kMainCaption[];  // "青岚键坊"
extern const char kFormClass[];    // the window class every tutor form shares

// The shell, when it makes its main window: the window, and what a pointer move over the
// window's bare surfaces does (the function bar's and the menus' leave reset).
void Set_Main_Window(forms::Form& form, void (*surface_mouse_move)(forms::Form&));

// The main window. Throws forms::Runtime_Error before the shell has made it.
forms::Form& Main_Window();
// Shortcuts for the main window's controls by name.
forms::Timer& Main_Timer(const char* name);
forms::Picture_Box& Panel(int index);  // Picture_BG(index)
// A pointer move over a screen's own bare surface: the same leave reset as the main window's.
void Main_Surface_Mouse_Move();

}  // namespace quillon
