#pragma once
// The words and Wubi pages as the shell sees them until the courses bring their full versions:
// each page set-up leaves its page idle, each start starts the clock.

namespace forms {
class Form;
}

namespace quillon {

void Initialize_Word_Page(forms::Form& form);
void Start_Word_Lesson(forms::Form& form);
void Initialize_Wubi_Page(forms::Form& form);
void Start_Wubi_Lesson(forms::Form& form);

}  // namespace quillon
