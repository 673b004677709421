#pragma once
// Dictation's plain logic: its two layouts, its lesson files, the lesson a start opens, the value
// name of the lesson kept per language and layout, how a typed letter is compared and what the
// end of a text leads to. No window code; the page (courses/audition_page.h) acts on it.
//
// A lesson n is a pair of files in the dictation folder (Lesson_Folder, "\English\Audition\" or
// "\Chinese\Audition\"): the text "t<n>.txt" (read by the article reader) and its recording
// "s<n>.wav". Lessons run 1, 2, ... and the last is the one whose next text is missing.

#include <string>

#include "courses/article_judging.h"

namespace quillon {

// "Setting\Audition" "Show Source": the layout, also the index of the typing box
// RichText_Audition.
enum class Audition_Layout : int { Hidden = 0, Shown = 1 };
// True for the stored values that name a layout (0 and 1).
bool Is_Audition_Layout(int show_source);

// "<folder>t<n>.txt" and "<folder>s<n>.wav", `folder` ending in "\".
std::string Audition_Text_File(const std::string& folder, int number);
std::string Audition_Sound_File(const std::string& folder, int number);
// True when the folder holds no text after lesson `number`; false when it does or when the
// look-up fails. The recordings are never looked at.
bool Is_Last_Audition_Lesson(const std::string& folder, int number);

// The value name of a lesson number under "Setting\Audition\Remember\Lession Index":
// "<language> <layout>", e.g. "1 0" for Chinese with the text hidden.
std::string Audition_Progress_Name(int language, int layout);

// The lesson a start opens: the stored one with the remember flag 1, lesson 1 with the flag 0,
// and with any other flag the lesson open before; never below 1.
int Audition_Start_Lesson(int remember_flag, int stored, int current);

// Letters count whatever their case while the text is hidden, exactly while it is shown.
Letter_Case Audition_Letter_Case(int layout);

// What the end of a typed text leads to.
enum class Audition_End_Step {
  Last_Lesson,  // the folder's last text: lesson 1 stored, the course finishes
  Next,         // the next lesson, its number stored
  Replay,       // the same lesson again, nothing stored
  Finish,       // the course finishes, nothing stored
};
// `retry_answer` is the answer box's Retry_Dialog_Answer (0 next, 1 retry, any other finish);
// it is not asked after the last lesson.
Audition_End_Step Audition_End_Of(bool last_lesson, int retry_answer);

}  // namespace quillon
