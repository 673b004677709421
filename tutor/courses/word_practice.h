#pragma once

// The English word practice (单词练习): one word at a time is shown with its explanation and
// typed into a one-word box (the learn phase, a wrong letter taken out at once); after a group of
// words the group is typed again as one line, the words joined by single spaces (the review); a
// number of review lines make a round, after which the user chooses the next round, the same
// round again or the end. Progress is remembered per list under
// "Setting\English\Word\Remember\Studyed Num" and "...\Begin Pos".
//
// Plain logic: everything the page shows or plays goes through Word_View, everything read or
// written in the settings store through Course_Settings.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "courses/key_char_practice.h"
#include "courses/word_list.h"
#include "services/course_typing.h"
#include "services/globals.h"

namespace quillon {

// What the words page does on the practice's behalf. Slots are Key_Table slots.
class Word_View {
 public:
  virtual ~Word_View() = default;

  virtual void Play_Key_Sound(int16_t slot) = 0;
  virtual void Play_Wrong_Sound() = 0;
  virtual void Play_Enter_Sound() = 0;
  virtual void Play_Win_Sound() = 0;

  // The key images over the page's keyboard (Image_Word_Character).
  virtual void Light_Key(int16_t slot) = 0;        // "mychar<slot>"
  virtual void Clear_Key(int16_t slot) = 0;
  virtual void Clear_Key_Pictures() = 0;           // every key image with a picture
  virtual void Flash_Wrong_Key(int16_t slot) = 0;  // the wrong-key mark, the image's size kept

  // Page set-up: the page pictures (once), the review panel and the speed bar hidden, the key
  // images and the time, words and caption labels emptied.
  virtual void Reset_Page() = 0;
  virtual double Speed_Bar_Design_Width() = 0;
  virtual void Set_Speed_Bar_Width(double width) = 0;
  virtual void Show_Speed_Bar() = 0;
  virtual void Show_Time(double elapsed_seconds) = 0;
  virtual void Show_Studied(int32_t words) = 0;
  virtual void Show_Caption(const std::string& caption) = 0;
  virtual void Set_Timer(bool on) = 0;  // Timer_Check

  // The learn phase. Show_Word: the word in its source box (English font, its first letter
  // selected when cursor_prompt), the explanation (Chinese font), the learn box emptied in the
  // English font, black, maximum length the word's, unlocked, enabled and focused.
  virtual void Show_Word(const std::string& word, const std::string& explanation,
                         bool cursor_prompt) = 0;
  // The character before the caret (the user_length-th) taken out of the learn box.
  virtual void Remove_Wrong_Letter(int user_length) = 0;
  virtual void Set_Learn_Black() = 0;
  virtual void Move_Word_Prompt(int offset, bool select_next) = 0;
  // The word, its explanation and the learn box emptied (between rounds).
  virtual void Clear_Learn_Boxes() = 0;

  // The review. Open_Review: the learn box disabled, the review panel shown, the line in its
  // source box (first character selected when cursor_prompt), the review box emptied, black,
  // maximum length the line's, unlocked, enabled and focused.
  virtual void Open_Review(const std::string& line, bool cursor_prompt) = 0;
  virtual void Hide_Review() = 0;            // the review panel hidden
  virtual void Disable_Review_Box() = 0;
  // The review box's user_length-th character painted red, the caret put back after it, black.
  virtual void Paint_Review_Wrong(int user_length) = 0;
  virtual void Set_Review_Black() = 0;
  virtual void Move_Review_Prompt(int offset, bool select_next) = 0;
  virtual void Disable_Learn_Box() = 0;

  // The tick's guard: the caret of the box in use back at the end of its text.
  virtual void Keep_Caret_At_End(bool review) = 0;

  // Form_YesRetryNo at a round's end (Retry_Dialog_Answer), Form_Yes at the lesson's end.
  virtual int Ask_Next_Round() = 0;
  virtual void Show_Lesson_Finished() = 0;
  virtual void Show_Error(const std::string& text) = 0;
  // The practice has stopped on its own: the page as it stands before a start (no word, boxes
  // empty and disabled, no review, no key lit, the figures cleared, the exercise not running).
  virtual void Show_Idle_Page() = 0;
};

// The tutor's shared flags and arrays the practice reads and writes, held by reference.
struct Word_Flags {
  bool& Panel_Keys_Enabled;
  bool& Ignore_Text_Change;
  bool& Line_End_Entered;
  bool& Ctrl_Key_Down;
  bool& Word_Page_First;
  Session_Array<std::string>& Word_Char;          // the word's letters, then a CR
  Session_Array<std::string>& Word_Explain_Char;  // the explanation, then a CR
  const std::string* Word_Lesson_Name;            // the eight list names
};

// The options, read at each start; a value that is missing, not a number or outside its range
// counts as its default.
struct Word_Options {
  int16_t lesson = 3;         // 0 to 7
  int16_t words_num = 5;      // words per group, 1 to 99
  int16_t lines_num = 4;      // review lines per round, 1 to 99
  int16_t remember_flag = 1;  // 1: resume the remembered progress
  int16_t cursor_prompt = 1;  // 1: the next character highlighted
};
Word_Options Read_Word_Options(Course_Settings& settings);

// The counters' decisions.
// A word is finished (group_count counts it): the next word of the group, or the review.
enum class After_Word { Next_Word, Review };
After_Word After_Word_Finished(int group_count, int words_num, bool file_end);
// A review line is finished (line_count does not count it yet).
enum class After_Review_Line { Next_Group, Round_End, Lesson_End };
After_Review_Line After_Review_Line_Finished(int32_t line_count, int lines_num, bool file_end);

// The review line holds at most this many characters; words that would make it longer are
// learned but left out of the review.
constexpr int kMostReviewCharacters = kMostWordLineCharacters;

enum class Word_Phase { Idle, Learning, Reviewing, Finished };

class Word_Practice {
 public:
  // `clock` gives the tutor's seconds (Tick_Seconds).
  Word_Practice(Word_View& view, Course_Settings& settings, Word_Flags flags,
                std::function<double()> clock);

  // Initialize_Word_Page.
  void Initialize_Page();
  // Start_Word_Lesson: options, remembered progress, the first word, the timer. False (after one
  // error box naming the file) when the list cannot be used: nothing is then shown or stored.
  bool Start_Lesson(const std::string& program_folder);
  // Update_Word_Time_And_Speed.
  void Tick();

  // The learn box: its change, a key going down (after the paste guard), a typed character.
  void Learn_Change(const std::string& box_text);
  void Learn_Key_Down(int key_code);
  void Learn_Key_Press(int16_t code) { typed_code_ = code; }
  // The review box: its change, a key going down (after the guard), a key going up.
  void Review_Change(const std::string& box_text);
  void Review_Key_Down(int key_code);
  void Review_Key_Up();

  // --- State, for the window and for checks ---
  // A lesson runs (learning or reviewing) and Stop_Current_Exercise has not ended it.
  bool Active() const;
  Word_Phase Phase() const { return phase_; }
  const Word_Options& Options() const { return options_; }
  const std::string& Path() const { return path_; }
  int32_t Begin_Pos() const { return begin_pos_; }
  bool File_End() const { return file_end_; }
  int32_t Studied() const { return studied_; }
  int16_t Round() const { return round_; }
  int Group_Count() const { return group_count_; }
  int32_t Line_Count() const { return line_count_; }
  int32_t Round_Begin_Pos() const { return round_begin_pos_; }
  int32_t Round_Studied() const { return round_studied_; }
  std::string Word() const;
  std::string Review_Line() const;
  int Position() const { return judge_.Position(); }
  int16_t Expected_Key() const { return expected_key_; }
  int32_t Change_Count() const { return speed_.Change_Count(); }
  double Speed() const { return speed_.Current_Speed(); }
  double Best_Speed() const { return speed_.Best_Speed(); }
  double Speed_Bar_Width() const { return bar_width_; }
  std::string Caption() const;

 private:
  template <class Step>
  bool Guarded(Step step);
  bool Load_Line();
  void Take_Line(const Word_Line& line);
  void Take_Expected(const std::string& character);
  void Light_Expected();
  void Show_Word();
  void Show_Next_Word_Key(int user_length);
  void End_Word();
  void Next_Word();
  void Begin_Review();
  void Next_Group();
  void Next_Round();
  void Retry_Round();
  void Finish_Lesson();
  void Broken_List(const Word_Line& line);
  void List_Changed(const Word_Line& line);
  void Write_Studied(int32_t studied);
  void Write_Begin_Pos(int32_t position);
  std::string Value_Name() const { return std::to_string(options_.lesson); }

  Word_View& view_;
  Course_Settings& settings_;
  Word_Flags flags_;
  std::function<double()> clock_;
  Course_Line_Judge judge_;
  Course_Speed speed_;

  Word_Options options_;
  Word_Phase phase_ = Word_Phase::Idle;
  std::string path_;
  int32_t begin_pos_ = 1;
  bool file_end_ = false;
  int32_t studied_ = 0;
  int32_t round_begin_pos_ = 1;
  int32_t round_studied_ = 0;
  int16_t round_ = 1;
  int group_count_ = 0;
  int32_t line_count_ = 0;
  std::vector<std::string> review_;  // Word_Review_Char: the words and a space after each
  int16_t expected_key_ = kNoKey;
  int16_t typed_code_ = 0;
  double start_time_ = 0;
  double design_bar_width_ = 0;
  double bar_width_ = 0;
};

}  // namespace quillon
