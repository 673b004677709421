#pragma once
// The Wubi page as the shell sees it until the courses bring its full version: the page set-up
// leaves the page idle, the start starts the clock.

namespace forms {
class Form;
}

namespace quillon {

void Initialize_Wubi_Page(forms::Form& form);
void Start_Wubi_Lesson(forms::Form& form);

}  // namespace quillon
