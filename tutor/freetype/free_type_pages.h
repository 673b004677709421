#pragma once
// Free typing as the shell sees it until its full version arrives: the page set-up leaves the
// page idle, free typing starts on Enter.

namespace forms {
class Form;
}

namespace quillon {

void Initialize_Free_Type_Page(forms::Form& form);
void Start_Free_Type(forms::Form& form);

}  // namespace quillon
