#pragma once
// The article course on the article panel Picture_BG(1): English articles (文章练习) in three
// layouts, PinYin articles (拼音练习) in the first two, and the Wubi course's whole-article
// layouts, which use the same pages. "Type Method" chooses the layout:
//   0  the article in RichText_Article_Source, typed into RichText_Article_User below it
//   1  typed over the article itself in RichText_Overwrite (Picture_Article_BG_1)
//   2  English only: one line at a time on Picture_Article_BG_2, with the expected key lit on
//      the page's keyboard
// The category ("Setting\Article" "Lesson") and the folder are chosen by the menu item before
// the page set-up; each course's "Remember" "Flag" decides whether a start resumes where the
// course stopped. Progress is stored as the user goes, whatever the flag.

#include "courses/article_judging.h"
#include "forms/forms.h"

namespace quillon {

// Adds the labels of layouts 0 and 2 and the line layout's key images to the main window.
void Design_Article_Page(forms::Form& form);

// The entries of the screen table.
void Initialize_English_Article_Page(forms::Form& form);
void Start_English_Article_Lesson(forms::Form& form);
void Initialize_PinYin_Page(forms::Form& form);
void Start_PinYin_Lesson(forms::Form& form);
// Timer_Check on the article panel: the tick of the layout in use.
void Update_Article_Page_Time(forms::Form& form);

// The layouts' own page set-ups and starts (the Wubi course calls those of layouts 0 and 1).
void Initialize_Article_Page(forms::Form& form);
void Start_Article_Lesson(forms::Form& form);
void Initialize_Overwrite_Page(forms::Form& form);
void Start_Overwrite_Lesson(forms::Form& form);
void Initialize_Article_Line_Page(forms::Form& form);
void Start_Article_Line_Lesson(forms::Form& form);

// The bars' design widths, taken once a run (the window is scaled by then).
void Get_Article_Bar_Width(forms::Form& form);

// ---- Shared with dictation, which judges its own boxes with the same family ----

// The bar keeps its left and top; its width is the design width times the ratio (0 to 1).
void Set_Progress_Bar(forms::Label& bar, float design_width, float ratio);
// A tick of a text being typed in `box`: once the text is done and its end is due, `end` runs;
// until then the caret stays at `caret` and `time_label` shows the time since the lesson began.
void Tick_Typed_Text(forms::Form& form, forms::Rich_Text_Box& box, int caret,
                     const char* time_label, void (*end)(forms::Form&));
// Selects characters of a source box and scrolls them into view: long articles and lines are
// taller or wider than their box.
void Select_In_Source(forms::Rich_Text_Box& source, int start, int length);
// Judges one change of a typing box that holds what was typed after `resume_offset` characters
// of the text, and paints the verdict in the box: a wrong character red, a right Chinese one
// black again, the insertion colour black afterwards. Plays no sound and stores nothing.
Article_Change Judge_Typing_Box_Change(forms::Rich_Text_Box& box, int resume_offset,
                                       Letter_Case letter_case);

// The layout 2 key image of a key slot and where it lies (twips); width 0 for no slot.
struct Article_Key_Place {
  int left, top, width, height;
};
Article_Key_Place Article_Key_Place_Of(int slot);

}  // namespace quillon
