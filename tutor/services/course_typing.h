#pragma once

// The judging shared by the line-typing modes of the courses (keys line typing, Wubi line
// practice, word learning and word review): a typed line compared character by character with the
// expected line, Enter at the line end, the speed over an interval and its bar, and rate texts.
//
// Plain logic, no window code: the windows pass in what their boxes hold and the time, and act on
// the results (colours, sounds, pictures).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A rate as a percentage with two decimals: 0.1234 gives "12.34%", halves rounded away from zero.
std::string Format_Rate(double fraction);
// part / whole as above; "0.00%" when whole is 0.
std::string Format_Rate(int64_t part, int64_t whole);

// Changes per hour over a speed interval, and the width of the speed bar: the current speed over
// the best speed of the interval, times the bar's design width.
class Course_Speed {
 public:
  // The interval begins: no changes, no pause, current and best speed 0.
  void Begin(double now);
  // One judged change of the typing box (or, in the keys practice, one drill key).
  void Count() {
    if (change_count_ < INT32_MAX) ++change_count_;  // a count stops at its largest, never wraps
  }
  // Seconds paused during the interval; they do not count as typing time.
  void Add_Paused(double seconds) { paused_ += seconds; }

  // The tick: with at least one change in an interval of some length, the current speed becomes
  // changes per hour, the best speed follows it up, and the result is the bar's new width.
  // Nothing (the bar stays as it was) before the first change or before a second has passed.
  std::optional<double> Tick(double now, double design_width);

  int32_t Change_Count() const { return change_count_; }
  double Current_Speed() const { return current_; }
  double Best_Speed() const { return best_; }
  double Start() const { return start_; }
  double Paused() const { return paused_; }

 private:
  int32_t change_count_ = 0;
  double start_ = 0;
  double paused_ = 0;
  double current_ = 0;
  double best_ = 0;
};

enum class Line_Change_Kind {
  Ignored,  // the program was filling the box: nothing judged
  Right,    // one character added at the end, equal to the expected one
  Wrong,    // one character added at the end, different from the expected one
  Undo,     // anything else (a deletion): the position follows the box
};

struct Line_Judgement {
  Line_Change_Kind kind = Line_Change_Kind::Ignored;
  // Characters in the box at this change.
  int user_length = 0;
  // Right, Wrong: the position judged (equal to user_length); Undo: the first position that is
  // no longer typed (user_length + 1).
  int judged_position = 0;
  // The position of the next character to type after the change.
  int position = 1;
};

enum class Line_Enter_Kind {
  Other_Key,  // not Enter: nothing to do
  Line_End,   // Enter with the whole line typed: the line ends when the key is released
  Too_Early,  // Enter before the line is complete: the error sound, nothing else
  Repeated,   // Enter again (key repeat) while the line end waits for the release: nothing
};

// The judge of one line of the course typing family. The expected line is the characters to copy
// followed by one carriage return that stands for the Enter at its end. Positions count
// characters (a Chinese character is one) from 1.
//
// The two flags are the tutor's shared Ignore_Text_Change and Line_End_Entered, held by reference.
class Course_Line_Judge {
 public:
  Course_Line_Judge(bool& ignore_text_change, bool& line_end_entered);

  // Opens a line (characters without the closing carriage return): position 1, nothing typed,
  // Ignore_Text_Change set, since the window now fills its boxes.
  void Open(std::vector<std::string> characters);

  // The box changed; `box_text` is all of its text (code page 936). The invariant afterwards:
  // position = user length + 1.
  Line_Judgement Change(std::string_view box_text);

  // A key went down in the typing box (key code as the window gives it; Enter is 13). The first
  // key clears Ignore_Text_Change. Enter with the whole line typed sets Line_End_Entered.
  Line_Enter_Kind Key_Down(int key_code);

  // The key went up: true (and Line_End_Entered cleared) when it was the Enter that ends the line.
  bool Key_Up();

  // For the modes that take a wrong character out of the box at once (the word learn phase):
  // after a Wrong judgement the program removed it, so the position goes back onto it.
  void Withdraw_Wrong();

  int Position() const { return position_; }
  int User_Length() const { return user_length_; }
  // The number of characters to copy (the box's maximum length).
  int Line_Length() const { return static_cast<int>(expected_.size()) - 1; }
  // The expected character at a position 1..Line_Length() + 1 (the last one the carriage
  // return); "" outside.
  const std::string& Expected_At(int position) const;
  const std::string& Expected() const { return Expected_At(position_); }
  bool At_Line_End() const { return position_ == Line_Length() + 1; }
  // The characters to copy joined, without the carriage return.
  std::string Line_Text() const;

 private:
  bool& ignore_text_change_;
  bool& line_end_entered_;
  std::vector<std::string> expected_{std::string("\r")};
  int position_ = 1;
  int user_length_ = 0;
};

}  // namespace quillon
