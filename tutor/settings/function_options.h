#pragma once
// The function-settings dialog's decisions as tables, apart from its window: the option keys with
// their controls in the order they are loaded and saved, the value a control takes from a stored
// text, the keys each tab compares when OK asks whether to restart the open practice, which menu
// command restarts it, and the picture variant of a scale factor.

#include <string>
#include <vector>

#include "services/screen_ids.h"
#include "services/tutor_settings.h"

namespace quillon {

enum class Option_Kind { Check, Option, Combo, Slider, Number };

struct Option_Key {
  int tab;               // the dialog's tab (an exercise kind)
  const char* control;   // the control that shows it
  Option_Kind kind;
  Int_Setting setting;   // section, key, default
  int characters = 0;    // number boxes: the characters the box holds
  int arrows_max = 0;    // number boxes: where their arrows stop
};

// Every key the dialog shows, in the order of loading and saving (the input-method lists'
// "Value" and "Name" follow their "Index" row and are not rows of their own).
const std::vector<Option_Key>& Option_Keys();
const Option_Key* Option_Key_Of(const std::string& control);

// The value a control of `kind` takes from a stored text: for a check box 0 or 1, for an option
// group or list a position below `count`, for a slider 1 to 100; -1 when the text gives none of
// them (the control then shows its default).
int Control_Value_From(Option_Kind kind, const std::string& stored, int count);
// The text a number box shows for a stored text: the text when it is 1 to `characters` digits,
// otherwise "".
std::string Number_Box_Text_From(const std::string& stored, int characters);
// A number box's text as it is saved: an empty box or one whose number is 0 becomes "1".
std::string Normalized_Number_Text(const std::string& text);

// The controls whose keys a tab compares, in order, for the open practice's language (0 English,
// 1 Chinese) and panel; none for a tab that compares nothing there.
std::vector<const char*> Compared_Controls(int tab, int current_language, int current_panel);
// Whether a control's value differs from what its key stores: a number box compares its text
// exactly with the stored text; the others compare numbers, the stored value read as the
// practices read it (with its default when it is no number).
bool Option_Changed(const Option_Key& key, const std::string& stored_text,
                    const std::string& control_text);

// The menu command that restarts the open practice of a tab.
struct Restart_Command {
  enum class Kind { None, Menu_Item, Function_Module } kind = Kind::None;
  Menu menu = Menu::None;
  int item = 0;
  Function_Button button = Function_Button::English_Type;
};
Restart_Command Restart_For(int tab, int current_language, int current_panel);

// The suffix of the dialog's pictures for a scale factor: "_075", "_125", "_150" or "_200" for
// exactly 1/0.75, 1/1.25, 1/1.5 or 1/2, "_" for every other factor.
std::string Picture_Suffix(float scale_factor);

}  // namespace quillon
