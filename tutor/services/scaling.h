#pragma once
// Display scaling: the factor by which the tutor's windows, laid out in twips for the system font
// of the system's language, are scaled when Windows uses larger or smaller system fonts; and the
// scaling of a window with its controls and their fonts.

#include <windows.h>

#include "forms/forms.h"

namespace quillon {

// The factor for this system (1: windows keep their design sizes). Reports a failure in the
// error box and gives 1.
float Get_Scale_Factor();
// Rescales the window and every control of it (but those whose Tag is "not") by the factor:
// positions and sizes (a combo box keeps its own height), and the fonts of the labels, rich-text
// boxes, text boxes and combo boxes by Font_Size_Step. Nothing for a factor of 1, 0 or below.
// A control lacking a property is passed over.
void Scale_Form(forms::Form& form, float factor);

// ---- Pure parts ----
// The factor for a system default language and the height of the stock GUI font: the reference
// height (-12 for Chinese PRC and Taiwan, Japanese and Korean, -11 for any other language)
// divided by the font height; 1 for a height of 0 or more.
float Scale_Factor_For(LANGID language, LONG gui_font_height);
// The change of font size, in points, that goes with a factor (the factor compared exactly, as
// single precision): 1/0.75 +6, 1/1.25 -2, 1/1.5 -4, 0.5 -6, any other factor 0.
int Font_Size_Step(float factor);
// How Scale_Form treats a control by its name's start (letter case ignored).
enum class Scaled_Kind { Line, Combo, Text, Other };  // Text: a label, rich-text or text box
Scaled_Kind Scaled_Kind_Of(const std::string& control_name);

}  // namespace quillon
