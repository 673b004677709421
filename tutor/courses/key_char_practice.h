#pragma once

// The keys and characters practice (键位练习): the key drill, where the main window's key events
// judge one key at a time against the lit key, and the line typing that follows every drilled
// line, where the same line is copied into a typing box. It keeps the practice's state, its score,
// misses, speed and the progress remembered under "Setting\English\Char\Remember".
//
// Plain logic: everything the page shows or plays goes through Key_Char_View, everything it reads
// or writes in the settings store through Course_Settings, so the window code only forwards its
// events here and draws what it is told.

#include <cstdint>
#include <string>
#include <vector>

#include "services/course_typing.h"
#include "services/key_table.h"
#include "services/lesson_lines.h"

namespace quillon {

// The settings store as the courses use it: string values by section and name.
class Course_Settings {
 public:
  virtual ~Course_Settings() = default;
  virtual std::string Read(const std::string& section, const std::string& name,
                           const std::string& default_value) = 0;
  virtual void Write(const std::string& section, const std::string& name,
                     const std::string& value) = 0;
};

// What the keys page does on the practice's behalf. Slots are Key_Table slots.
class Key_Char_View {
 public:
  virtual ~Key_Char_View() = default;

  // Sounds.
  virtual void Play_Key_Sound(int16_t slot) = 0;  // the key's note or "type.wav"; kNoKey plain
  virtual void Play_Wrong_Sound() = 0;
  virtual void Play_Enter_Sound() = 0;
  virtual void Play_Win_Sound() = 0;

  // The on-screen keyboard (Image_Character) and the miss pictures (Image_Key_Char_Miss).
  virtual void Light_Key(int16_t slot) = 0;       // "mychar<slot>" into the key's image
  virtual void Clear_Key(int16_t slot) = 0;       // empties the key's image
  virtual void Clear_Key_Pictures() = 0;          // empties every key image with a picture
  virtual void Flash_Wrong_Key(int16_t slot) = 0;  // the wrong-key mark on the key's image
  virtual void Show_Miss_Picture(int index) = 0;  // "mycharku<index>", index 0 to 9
  virtual void Clear_Miss_Pictures() = 0;

  // Page set-up: pictures, buttons idle, speed bar hidden, labels and miss pictures emptied,
  // the line-typing panel hidden; the keypad picture shown (NumLock on) for type method 1 only.
  virtual void Reset_Page(int16_t type_method) = 0;
  // Labels and miss pictures emptied, the line-typing panel hidden (between lesson starts).
  virtual void Reset_Labels() = 0;
  // The keypad picture shown (and NumLock switched on) or hidden.
  virtual void Show_Keypad(bool shown) = 0;
  // The speed bar's width as designed (taken once per program run, before it is ever changed).
  virtual double Speed_Bar_Design_Width() = 0;
  virtual void Set_Speed_Bar_Width(double width) = 0;
  virtual void Show_Speed_Bar() = 0;
  virtual void Show_Score(int32_t score) = 0;
  virtual void Show_Caption(const std::string& caption) = 0;
  virtual void Show_Time(double elapsed_seconds) = 0;  // Format_Time of the seconds

  // Buttons start, pause/continue, stop: enabled states; the paused look of the pause button
  // ("mycharchar4", tooltip "继续") or its normal look (empty, tooltip "暂停").
  virtual void Enable_Buttons(bool start, bool pause, bool stop) = 0;
  virtual void Show_Paused(bool paused) = 0;
  virtual void Set_Timer(bool on) = 0;  // Timer_Check

  // The line-typing panel (Picture_Input with RichText_Char_Source and RichText_Char_User).
  // Opening: source box emptied in the English display font and given the line, its first
  // character selected when cursor_prompt; typing box emptied, selection colour black, maximum
  // length max_length, enabled, unlocked; panel shown; typing box focused.
  virtual void Open_Line_Typing(const std::string& line, bool cursor_prompt, int max_length) = 0;
  virtual void Hide_Line_Typing() = 0;
  virtual void Disable_Typing_Box() = 0;
  // The character just typed (the user_length-th) painted red, the caret put back after it with
  // the selection colour black.
  virtual void Paint_Wrong_Char(int user_length) = 0;
  // The typing box's selection colour black.
  virtual void Set_Typing_Black() = 0;
  // The source box's caret to offset `offset`, with one character selected when select_next.
  virtual void Move_Source_Prompt(int offset, bool select_next) = 0;
  // The tick's guard: the typing box's caret back at the end of its text when it moved.
  virtual void Keep_Typing_Caret_At_End() = 0;

  // Modal boxes: Form_YesNo after ten misses (Dialog_Answer: 0 yes), Form_YesRetryNo at a line
  // end (Retry_Dialog_Answer: 0 next, 1 retry, 2 no), Form_Yes at the end of the lesson.
  virtual int Ask_Retry_After_Misses() = 0;
  virtual int Ask_Next_Line() = 0;
  virtual void Show_Lesson_Finished() = 0;
  // The tutor's error box (the text followed by "!", critical icon, title "错误").
  virtual void Show_Error(const std::string& text) = 0;
};

// The tutor's shared flags the practice reads and writes, held by reference.
struct Key_Char_Flags {
  bool& Panel_Keys_Enabled;
  bool& Exercise_Running;
  bool& Ignore_Text_Change;
  bool& Line_End_Entered;
  bool& Key_Char_Paused;
  bool& Key_Char_Miss_Limit;
  bool& Key_Char_Page_First;
};

// The caption of a lesson code (four characters, lower case): "数字键盘的练习" for "1111", else the
// hand, finger and row words that apply and "课程" with the lesson number, e.g. lf11 gives
// "左手 食指 中档键 课程1".
std::string Key_Char_Lesson_Caption(const std::string& c1, const std::string& c2,
                                    const std::string& c3, const std::string& c4);

// Settings sections and values of the keys practice.
inline const char kKeyCharSection[] = "Setting\\English\\Char";
inline const char kKeyCharRememberSection[] = "Setting\\English\\Char\\Remember";
inline const char kKeyCharLineNumSection[] = "Setting\\English\\Char\\Remember\\Line Num";
inline const char kKeyCharCountNumSection[] = "Setting\\English\\Char\\Remember\\Count Num";

// Number of miss pictures: the tenth miss of a line ends it with a question.
constexpr int kKeyCharMissPictures = 10;
// Points for a right key or character, and taken for a wrong one (never below zero).
constexpr int32_t kKeyCharPoints = 20;

class Key_Char_Practice {
 public:
  // `head` and `chars` are the lesson-line arrays the practice fills and drills from (normally
  // Lesson_Line_Head and Lesson_Line_Char).
  Key_Char_Practice(Key_Char_View& view, Course_Settings& settings, Key_Char_Flags flags,
                    Lesson_Line_Table& head = Lesson_Line_Head,
                    Lesson_Line_Table& chars = Lesson_Line_Char);

  // --- Page and lesson (Initialize_Key_Char_Page, Start_Key_Char_Lesson) ---
  void Initialize_Page();
  // Loads the lesson of the "Type Method" from the program folder (no trailing backslash) and
  // puts the practice at the remembered line (or line 1), idle. False, after the error box, when
  // the lesson cannot be used; the practice then stays idle and ignores keys.
  bool Start_Lesson(const std::string& program_folder);

  // --- Key drill ---
  // Start_Key_Char_Practice: the clock starts. False when no lesson is loaded.
  bool Start_Practice(double now);
  // Key_Char_Key_Press: one typed character (its ANSI code) while drilling. ctrl_down is
  // Ctrl_Key_Down: a wrong key typed with Ctrl alone held is neither flashed nor a miss.
  void Key_Press(int16_t code, bool ctrl_down);
  // Ask_Key_Char_Line_Retry: the question after ten misses (the caller cleared the miss flag).
  void Ask_Line_Retry(double now);
  // Retry_Key_Char_Line: the current line again from its drill, with its starting score.
  void Retry_Line(double now);
  // Pause_Key_Char_Practice: pause, or continue when paused.
  void Toggle_Pause(double now);
  // Stop_Key_Char_Practice: back to the idle page at the remembered line.
  void Stop();
  // Update_Key_Char_Time_And_Speed: the Timer_Check tick.
  void Tick(double now);

  // --- Line typing (typing box events) ---
  // Check_Key_Char_Line_Input: the typing box changed; box_text is its whole text.
  void Line_Change(const std::string& box_text);
  // Check_Key_Char_Line_Enter: a key went down in the typing box (after the paste guard).
  void Line_Key_Down(int key_code);
  // End_Key_Char_Line: a key went up in the typing box.
  void Line_Key_Up(double now);

  // --- State, for the window and for checks ---
  bool Lesson_Ready() const;
  bool Line_Typing() const { return line_typing_; }
  int16_t Type_Method() const { return type_method_; }
  int16_t Remember_Flag() const { return remember_flag_; }
  int16_t Cursor_Prompt() const { return cursor_prompt_; }
  int16_t Line() const { return line_; }
  int16_t Line_Count() const { return line_count_; }
  int16_t Position() const { return position_; }
  const std::string& Expected() const { return expected_; }
  int16_t Expected_Code() const { return expected_code_; }
  int16_t Expected_Key() const { return expected_key_; }
  int32_t Score() const { return score_; }
  int32_t Line_Start_Score() const { return line_start_score_; }
  int16_t Miss_Count() const { return miss_count_; }
  int32_t Key_Count() const { return line_speed_.Change_Count(); }
  double Speed() const { return line_speed_.Current_Speed(); }
  double Best_Speed() const { return line_speed_.Best_Speed(); }
  double Speed_Bar_Width() const { return speed_bar_width_; }
  // Seconds of practice at `now` (pauses left out).
  double Elapsed(double now) const { return now - start_time_ - paused_total_; }
  std::string Caption() const;
  const Course_Line_Judge& Line_Judge() const { return judge_; }

 private:
  template <class Step>
  void Guarded(Step step);
  void Read_Settings();
  void Take_Expected_Key();
  void Light_Expected_Key();
  void Add_Points();
  void Take_Off_Points();
  void Key_Right(int16_t code);
  void Key_Wrong(int16_t code, bool ctrl_down);
  void Show_Line_Input();
  void Next_Line(double now);
  void Finish_Lesson();
  void Begin_Line(double now);
  void Write_Progress(int line, int32_t score);
  int Read_Number(const std::string& section, const std::string& name, int default_value);

  Key_Char_View& view_;
  Course_Settings& settings_;
  Key_Char_Flags flags_;
  Lesson_Line_Table& head_;
  Lesson_Line_Table& chars_;
  Course_Line_Judge judge_;
  Course_Speed line_speed_;

  std::string program_folder_;
  bool lesson_loaded_ = false;
  bool line_typing_ = false;
  int16_t type_method_ = 0;
  int16_t remember_flag_ = 1;
  int16_t cursor_prompt_ = 1;
  int16_t line_ = 1;
  int16_t line_count_ = 0;
  int16_t position_ = 1;
  std::string expected_;
  int16_t expected_code_ = 0;
  int16_t expected_key_ = kNoKey;
  int32_t score_ = 0;
  int32_t line_start_score_ = 0;
  int16_t miss_count_ = 0;
  double start_time_ = 0;
  double paused_total_ = 0;
  double pause_start_ = 0;
  double design_bar_width_ = 0;
  double speed_bar_width_ = 0;
  std::vector<bool> line_marks_;  // Key_Char_Line_Mark, index 0 for position 1
};

}  // namespace quillon
