#pragma once
// The words page as the shell sees it until the course brings its full version: the page set-up
// leaves the page idle, the start starts the clock.

namespace forms {
class Form;
}

namespace quillon {

void Initialize_Word_Page(forms::Form& form);
void Start_Word_Lesson(forms::Form& form);

}  // namespace quillon
