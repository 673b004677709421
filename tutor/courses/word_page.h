#pragma once
// The English words page on panel 9 of the main window (Picture_BG(9), picture "dc"): the word
// and its explanation, the learn box, one image per key of the keyboard picture, time, words
// studied, caption and speed bar, and the review panel Picture_Input_Word ("wd") with its source
// and typing boxes. The practice itself (courses/word_practice.h) judges; this module builds the
// controls, draws what the practice asks for and forwards the window's events to it.

#include "courses/word_practice.h"
#include "forms/forms.h"

namespace quillon {

// The practice the page drives (one per program run).
Word_Practice& Words();

// Adds the page's controls to the main window while it is designed.
void Design_Word_Page(forms::Form& form);
void Initialize_Word_Page(forms::Form& form);
void Start_Word_Lesson(forms::Form& form);
void Update_Word_Time_And_Speed(forms::Form& form);

}  // namespace quillon
