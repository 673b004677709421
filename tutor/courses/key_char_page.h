#pragma once
// The keys practice's page on panel 0 of the main window (Picture_BG(0)): the on-screen keyboard
// and keypad with one image per key slot, the start, pause and stop buttons, the miss pictures,
// time, score, caption and speed bar, and the line-typing panel Picture_Input with its source and
// typing boxes. The practice itself (courses/key_char_practice.h) judges; this module builds the
// controls, draws what the practice asks for and forwards the window's events to it.

#include <string>

#include "courses/key_char_practice.h"
#include "forms/forms.h"

namespace quillon {

// The practice the page drives (one per program run).
Key_Char_Practice& Key_Char();

// Page procedures with the names the main window's events use.
// Adds the page's controls to the main window while it is designed.
void Design_Key_Char_Page(forms::Form& form);
void Initialize_Key_Char_Page(forms::Form& form);
void Start_Key_Char_Lesson(forms::Form& form);
void Start_Key_Char_Practice(forms::Form& form);
void Key_Char_Key_Press(forms::Form& form, int key_ascii);
void Ask_Key_Char_Line_Retry(forms::Form& form);
void Update_Key_Char_Time_And_Speed(forms::Form& form);
void Image_Key_Char_Click(forms::Form& form, int index);
void Image_Key_Char_MouseMove(forms::Form& form, int index);
// The buttons' hover looks go (the pause button keeps its paused look while paused).
void Reset_Key_Char_Button_Picture(forms::Form& form);

// Key image positions on the page (slots 0 to 57) and inside the keypad picture (58 to 73), in
// twips; a slot without a key has width 0.
struct Key_Image_Place {
  int left, top, width, height;
};
Key_Image_Place Key_Image_Place_Of(int slot);

}  // namespace quillon
