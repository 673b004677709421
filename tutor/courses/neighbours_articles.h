#pragma once
// The article and dictation practices as the shell sees them until their full versions arrive:
// the page set-ups read the stored layout, the starts start the clock (dictation also plays its
// recording once the user is ready, and the end of the recording offers to replay or finish);
// typing is not judged yet.

namespace forms {
class Form;
}

namespace quillon {

void Initialize_English_Article_Page(forms::Form& form);
void Start_English_Article_Lesson(forms::Form& form);
void Initialize_PinYin_Page(forms::Form& form);
void Start_PinYin_Lesson(forms::Form& form);
void Initialize_Audition_Page(forms::Form& form);
void Start_Audition_Lesson(forms::Form& form);
void Update_Article_Page_Time(forms::Form& form);
void Update_Audition_Time(forms::Form& form);

}  // namespace quillon
