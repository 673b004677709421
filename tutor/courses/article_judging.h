#pragma once
// The judging of the article layouts, as plain logic over the shared text state (Article_Char,
// Text_Length, Char_Position, Typed_Char_Count, Right_Char_Count, Char_Right_Mark of
// services/globals.h). The windows pass in what their boxes hold and act on the verdicts
// (colours, sounds, stored positions). Typing over the text (layout 1) is judged by
// services/overwrite_typing.h.

#include <functional>
#include <string>

namespace quillon {

// ---- Layout 0: the typing box below the source (and dictation) ----

// How a typed character is compared with the expected one: exactly, or with the letters A to Z
// of single-byte characters taken as their lower case (dictation with the text hidden). A
// double-byte character is always compared exactly: its trail byte may look like a letter.
enum class Letter_Case { Exact, Ignored };
bool Same_Character(const std::string& typed, const std::string& expected, Letter_Case letter_case);

enum class Article_Change_Kind {
  Undo,        // the box got shorter: the position follows it, one character taken back
  Line_Break,  // it grew by two or more: a line break, counted two typed and two right
  Right,       // one new character, equal to the expected one
  Wrong,       // one new character, different
  Past_End,    // it grew while the whole text was passed already: nothing counted
};
struct Article_Change {
  Article_Change_Kind kind = Article_Change_Kind::Undo;
  int box_offset = 0;  // Right, Wrong: where the judged character stands in the box (from 0)
};

// One change of the typing box, which holds `box_length` characters typed after the resumed
// part (`resume_offset` characters). `typed_at(offset)` gives the box's character at that
// offset; it is asked only for one new character. Afterwards Char_Position is the characters
// typed or passed, never beyond Text_Length (a change that carries it past the end completes
// the text), and marks are written only inside 1..Text_Length.
Article_Change Judge_Article_Change(int box_length, int resume_offset,
                                    const std::function<std::string(int)>& typed_at,
                                    Letter_Case letter_case = Letter_Case::Exact);

// Accuracy and progress of layouts 0 and 1 after a change.
float Article_Accuracy();  // Right / Typed, 0 while nothing is typed
float Article_Progress();  // Char_Position / Text_Length, 0 for an empty text

// ---- The end of a text (layouts 0 and 1) ----

// The tick ends the text once it is complete and the last key after its end is older than
// 0.2 seconds.
bool Text_End_Due(double now);

}  // namespace quillon
