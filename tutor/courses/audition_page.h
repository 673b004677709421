#pragma once
// Dictation (听打练习, in the English and the Chinese menu) on the article panel Picture_BG(1):
// a recorded text is played and the user types it while listening. "Setting\Audition"
// "Show Source" chooses the layout:
//   0  the text hidden: the typing box RichText_Audition(0) alone on Picture_Article_BG_1 ("wz2"),
//      with the overwrite page's labels; letters count whatever their case
//   1  the text shown in RichText_Article_Source with its next character selected, typed into
//      RichText_Audition(1) below it on the panel ("wz"), with layout 0's labels
// A lesson is loaded with the article reader, waits in the ready prompt and then plays its
// recording through MMControl_Play_Record while Timer_Check runs; Audition_Playing is set from
// the load to the end of the lesson or of its recording, and the panel's ticks come here while it
// is. Typing is judged as in the article courses, without any sound. The text finished first
// offers the next lesson, the same again or the end; the recording finished first (the media
// control's notice, services/article_boxes.h) offers to hear it again. The lesson number is kept
// under "Setting\Audition\Remember\Lession Index" per language and layout, read at the start only
// while "Setting\Audition\Remember" "Flag" is 1 and stored as the user goes on whatever the flag.

#include "forms/forms.h"

namespace quillon {

// The entries of the screen table. A stored "Show Source" other than 0 or 1 sets up nothing and
// its start reports the missing box in the error box.
void Initialize_Audition_Page(forms::Form& form);
void Start_Audition_Lesson(forms::Form& form);
// Timer_Check on the article panel while Audition_Playing is set.
void Update_Audition_Time(forms::Form& form);

}  // namespace quillon
