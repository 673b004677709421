#pragma once
// The dictation practice as the shell sees it until its full version arrives: the page set-up
// reads the stored layout, the start plays its recording once the user is ready, and the end of
// the recording offers to replay or finish; typing is not judged yet.

namespace forms {
class Form;
}

namespace quillon {

void Initialize_Audition_Page(forms::Form& form);
void Start_Audition_Lesson(forms::Form& form);
void Update_Audition_Time(forms::Form& form);

}  // namespace quillon
