#pragma once
// The typing and source boxes of the article panel (Picture_BG(1)) and their events on the main
// window: the multi-line layout's boxes, the single-line layout's boxes, the box typed over and
// the two dictation boxes. The boxes refuse what the text does not allow, keep the focus while
// the tutor is in front, clear the function bar's hover on a pointer move and hand every change
// to the practice's workers, which the article and dictation practices register. The end of a
// dictation recording (the media control's notice) is handled here too.
//
//   box                        container             typing box of
//   RichText_Article_Source    Picture_BG(1)         (source of type method 0 and of dictation
//                                                    with the text shown)
//   RichText_Article_User      Picture_BG(1)         type method 0
//   RichText_Article_Source_2  Picture_Article_BG_2  (the line to copy in type method 2)
//   RichText_Article_User_2    Picture_Article_BG_2  type method 2
//   RichText_Overwrite         Picture_Article_BG_1  type method 1 (overwrite_typing.h)
//   RichText_Audition(0)       Picture_Article_BG_1  dictation, text hidden ("Show Source" 0)
//   RichText_Audition(1)       Picture_BG(1)         dictation, text shown ("Show Source" 1)
// The overwrite page's labels (course, accuracy, progress bar and text, time) are designed here
// with the box they belong to.

#include <functional>

#include "forms/forms.h"
#include "services/screens.h"

namespace quillon {

// What the boxes hand on; an empty worker does nothing.
struct Article_Box_Workers {
  Form_Entry article_change{};   // a change of RichText_Article_User
  Form_Entry line_change{};      // a change of RichText_Article_User_2
  std::function<void(forms::Form&, int key_code, int shift)> line_key_down{};  // after its guard
  Form_Entry line_key_up{};      // a key released in RichText_Article_User_2
  Form_Entry audition_change{};  // a change of the dictation box in use
  Form_Entry replay_audition{};  // the recording ended and the user wants it again
  Form_Entry finish_audition{};  // the recording ended and the user has had enough
};
void Set_Article_Box_Workers(Article_Box_Workers workers);

// Adds the boxes (and the overwrite page's labels) to the main window's article panel and its two
// sub-panels, and binds their events and the media control's end of playback. Called while the
// main window is designed, after its sub-panels and media control exist.
void Design_Article_Typing_Boxes(forms::Form& form);

// The key-press rule of the multi-line box and the dictation box, before the box takes the key.
enum class Text_Box_Key {
  Take,         // into the box; its change reaches the worker
  Refuse,       // swallowed (the multi-line box with the error sound)
  End_First,    // the whole text is passed: swallowed, the box locked, the end time noted
  End_Again,    // swallowed, nothing else
};
Text_Box_Key Judge_Text_Box_Key(int key_ascii, int char_position, int text_length,
                                bool expected_is_line_break, bool end_reached);

// The dictation box in use: RichText_Audition(Current_Type_Method).
forms::Rich_Text_Box& Audition_Box_In_Use(forms::Form& form);

// The media control's end of playback with its notify code (1 played through, 2 superseded,
// 4 aborted, 8 failed). Only while a dictation recording plays: the recording's attempt ends
// (English layout, Timer_Check off, the box disabled) and, when it played through, the yes/no box
// offers to play the lesson again (yes) or to finish it.
void MMControl_Play_Record_Done(forms::Form& form, int notify_code);

}  // namespace quillon
