#pragma once
// The tutor's main window as the screens and services see it: its design sizes, its controls by
// name and the leave reset of its own surfaces. The shell makes the window (Form_Quillon) and
// registers it here when it does; the screens run inside that window's events, so the window is
// there whenever they ask for it.

#include <string>

#include "forms/forms.h"

namespace quillon {

// Design sizes in twips.
constexpr int kMainClientWidth = 9600, kMainClientHeight = 7185;
constexpr int kPanelCount = 12;
constexpr int kPanelTop = 1590;
extern const char kMainCaption[];  // "青岚键坊"
extern const char kFormClass[];    // the window class every tutor form shares

// A new skinned dialog of the tutor, made once by its owner: no frame, centred on its owner, not
// in the taskbar; it sees its keys before its controls and takes its own key-ups (the key that
// opened it does not act in it).
forms::Form* New_Skinned_Dialog();

// What the shell does for the screens' surfaces: a pointer move over a bare surface (the function
// bar's and the menus' leave reset), a press (the open drop-down menu closes) and a right press
// (the main window's context menu at the pointer).
struct Main_Window_Hooks {
  void (*surface_mouse_move)(forms::Form&) = nullptr;
  void (*close_menus)(forms::Form&) = nullptr;
  void (*context_menu)(forms::Form&) = nullptr;
};
// The shell, when it makes its main window.
void Set_Main_Window(forms::Form& form, Main_Window_Hooks hooks);

// The main window. Throws forms::Runtime_Error before the shell has made it.
forms::Form& Main_Window();
// Shortcuts for the main window's controls by name.
forms::Timer& Main_Timer(const char* name);
forms::Picture_Box& Panel(int index);  // Picture_BG(index)
// A pointer move over a screen's own bare surface: the same leave reset as the main window's.
void Main_Surface_Mouse_Move();
// A press on a screen's surface: the open drop-down menu closes.
void Main_Close_PopMenu();
// A right press on a screen's surface: the main window's context menu.
void Main_Context_Menu();
// Makes a control a bare surface of the main window (key images, input panels): a pointer move
// over it is the leave reset, a right press opens the context menu, other presses do nothing.
void Make_Main_Surface(forms::Control& surface);

// Brings the tutor window with that caption to the front, restored.
void Activate_Window_By_Caption(const std::string& title);

}  // namespace quillon
