#pragma once

// The Wubi line practice (五笔练习, type method 2): one line of the lesson at a time copied into
// a one-line typing box with a Wubi input method, the Wubi code of the next character as a hint,
// the progress over the whole lesson, a speed bar over the line, Enter at the line end and the
// line reached remembered under "Setting\Chinese\Wubi\Remember".
//
// Plain logic: everything the page shows or plays goes through Wubi_View, everything it reads or
// writes in the settings store through Course_Settings.

#include <cstdint>
#include <string>

#include "courses/key_char_practice.h"
#include "courses/wubi_lesson.h"
#include "services/course_typing.h"
#include "services/lesson_lines.h"

namespace quillon {

// What panel 10 does on the practice's behalf.
class Wubi_View {
 public:
  virtual ~Wubi_View() = default;

  virtual void Play_Key_Sound(int16_t slot) = 0;
  virtual void Play_Wrong_Sound() = 0;
  virtual void Play_Enter_Sound() = 0;
  virtual void Play_Win_Sound() = 0;

  // Page set-up: the keyboard picture, the speed bar hidden, time, heading and hint emptied,
  // the progress "0.00%".
  virtual void Reset_Page() = 0;
  virtual double Speed_Bar_Design_Width() = 0;
  virtual void Set_Speed_Bar_Width(double width) = 0;
  virtual void Show_Speed_Bar() = 0;
  virtual void Show_Heading(const std::string& heading) = 0;
  virtual void Show_Code_Info(const std::string& text) = 0;
  virtual void Show_Progress(const std::string& text) = 0;
  virtual void Show_Time(double elapsed_seconds) = 0;
  virtual void Set_Timer(bool on) = 0;

  // The line opened: source box in the Chinese display font with the line, its first character
  // selected when cursor_prompt; typing box emptied, black, maximum length, unlocked, enabled,
  // focused.
  virtual void Open_Line(const std::string& line, bool cursor_prompt, int max_length) = 0;
  virtual void Disable_Typing_Box() = 0;
  // The user_length-th character painted red, the caret after it typing black.
  virtual void Paint_Wrong_Char(int user_length) = 0;
  // When the typing box's current colour is not black: the user_length-th character painted
  // black and the caret put back at the end.
  virtual void Paint_Right_Char(int user_length) = 0;
  virtual void Set_Typing_Black() = 0;
  virtual void Move_Source_Prompt(int offset, bool select_next) = 0;
  virtual void Keep_Typing_Caret_At_End() = 0;

  // Form_YesRetryNo (Retry_Dialog_Answer: 0 next, 1 same line, 2 finish) and Form_Yes.
  virtual int Ask_Next_Line() = 0;
  virtual void Show_Lesson_Finished() = 0;
  virtual void Show_Error(const std::string& text) = 0;
};

// Options and remembered progress.
inline const char kWubiSection[] = "Setting\\Chinese\\Wubi";
inline const char kWubiRememberSection[] = "Setting\\Chinese\\Wubi\\Remember";
inline const char kWubiLineNumSection[] = "Setting\\Chinese\\Wubi\\Remember\\Line Num";
inline const char kWubiCharNumSection[] =
    "Setting\\Chinese\\Wubi\\Remember\\Last_Some_Lines_Char_Num";
// The value name of both progress sections: the line practice's type method, always "2".
inline const char kWubiProgressValue[] = "2";
// The hint at the end of a line.
inline const char kWubiEnterHint[] = "请回车换行!";

// The Wubi layouts ("Type Method").
enum class Wubi_Type_Method : int { Article = 0, Overwrite = 1, Lines = 2 };

class Wubi_Line_Practice {
 public:
  Wubi_Line_Practice(Wubi_View& view, Course_Settings& settings, bool& ignore_text_change,
                     bool& line_end_entered, Lesson_Line_Table& head = Lesson_Line_Head,
                     Lesson_Line_Table& chars = Lesson_Line_Char);

  // Initialize_Wubi_Line_Page, with "Cursor Prompt" read.
  void Initialize_Page(int16_t remember_flag);
  // Start_Wubi_Line_Lesson: reads "Info" (and the code table with 1), the remembered line and
  // the lesson under the program folder, and opens the line. False, after one error box, when
  // the lesson cannot be used: the page then stays idle and nothing is stored.
  bool Start_Lesson(const std::string& program_folder, double now);

  // The typing box's events.
  void Change(const std::string& box_text);  // Check_Wubi_Input
  void Key_Down(int key_code);                // Check_Wubi_Enter (after the paste guard)
  void Key_Up(double now);                    // End_Wubi_Line
  void Tick(double now);                      // Update_Wubi_Time_And_Speed
  // Stop_Current_Exercise ended the practice from outside.
  void Stop();

  // The hint of a character ("" without a table).
  std::string Code_Of(const std::string& character) const { return codes_.Code_Of(character); }
  // The code table is read again at the next start, as after the program's start.
  void Forget_Code_Table() { codes_.Clear(); }

  bool Running() const { return running_; }
  int16_t Line() const { return line_; }
  int16_t Line_Count() const { return line_count_; }
  int Position() const { return judge_.Position(); }
  int16_t Cursor_Prompt() const { return cursor_prompt_; }
  int16_t Info() const { return info_; }
  int64_t Finished_Chars() const { return finished_chars_; }
  int64_t Char_Total() const { return char_total_; }
  int32_t Change_Count() const { return speed_.Change_Count(); }
  const Course_Line_Judge& Judge() const { return judge_; }

 private:
  template <class Step>
  bool Guarded(Step step);
  int Read_Number(const std::string& section, const std::string& name, int default_value);
  void Begin_Line(double now);
  void Show_Progress(int user_length);
  void Show_Hint_At(int position);
  void Next_Line(double now);
  void Finish_Lesson();
  void Write_Progress(int64_t finished, int line);

  Wubi_View& view_;
  Course_Settings& settings_;
  Lesson_Line_Table& head_;
  Lesson_Line_Table& chars_;
  Course_Line_Judge judge_;
  Course_Speed speed_;
  Wubi_Code_Table codes_;

  bool running_ = false;
  bool bar_width_taken_ = false;
  double design_bar_width_ = 0;
  int16_t remember_flag_ = 1;
  int16_t cursor_prompt_ = 1;
  int16_t info_ = 1;
  int16_t line_ = 1;
  int16_t line_count_ = 0;
  int64_t finished_chars_ = 0;
  int64_t char_total_ = 0;
  double start_time_ = 0;
};

}  // namespace quillon
