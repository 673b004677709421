#include "courses/word_practice.h"

#include <exception>
#include <limits>

#include "forms/settings.h"
#include "services/key_table.h"
#include "services/tutor_settings.h"

namespace quillon {

namespace {

constexpr int kMostWordLessons = 8;
constexpr int kMostPerGroup = 99;

// A stored number, or `fallback` when it is missing, not wholly a number or outside low..high.
int32_t Read_Number(Course_Settings& settings, const char* section, const std::string& name,
                    int32_t fallback, int32_t low, int32_t high) {
  int value = fallback;
  if (!forms::Parse_Setting_Int(settings.Read(section, name, std::to_string(fallback)), value))
    return fallback;
  return value >= low && value <= high ? value : fallback;
}

int16_t Read_Option(Course_Settings& settings, const Int_Setting& option, int low, int high) {
  return static_cast<int16_t>(
      Read_Number(settings, option.section, option.key, option.fallback, low, high));
}

std::string Joined(const std::vector<std::string>& characters, size_t count) {
  std::string text;
  for (size_t i = 0; i < count && i < characters.size(); ++i) text += characters[i];
  return text;
}

}  // namespace

Word_Options Read_Word_Options(Course_Settings& settings) {
  Word_Options options;
  options.lesson = Read_Option(settings, kWordLesson, 0, kMostWordLessons - 1);
  options.words_num = Read_Option(settings, kWordWordsNum, 1, kMostPerGroup);
  options.lines_num = Read_Option(settings, kWordLinesNum, 1, kMostPerGroup);
  options.remember_flag = Read_Option(settings, kWordRemember, 0, 1);
  options.cursor_prompt = Read_Option(settings, kWordCursorPrompt, 0, 1);
  return options;
}

After_Word After_Word_Finished(int group_count, int words_num, bool file_end) {
  if (file_end || words_num < 1 || group_count % words_num == 0) return After_Word::Review;
  return After_Word::Next_Word;
}

After_Review_Line After_Review_Line_Finished(int32_t line_count, int lines_num, bool file_end) {
  if (file_end) return After_Review_Line::Lesson_End;
  if (lines_num < 1 || (static_cast<int64_t>(line_count) + 1) % lines_num == 0)
    return After_Review_Line::Round_End;
  return After_Review_Line::Next_Group;
}

Word_Practice::Word_Practice(Word_View& view, Course_Settings& settings, Word_Flags flags,
                             std::function<double()> clock)
    : view_(view),
      settings_(settings),
      flags_(flags),
      clock_(std::move(clock)),
      judge_(flags.Ignore_Text_Change, flags.Line_End_Entered) {}

template <class Step>
bool Word_Practice::Guarded(Step step) {
  try {
    step();
    return true;
  } catch (const std::exception& error) {
    view_.Show_Error(error.what());
    return false;
  }
}

bool Word_Practice::Active() const {
  // Stop_Current_Exercise takes the word back to one empty element.
  return (phase_ == Word_Phase::Learning || phase_ == Word_Phase::Reviewing) &&
         flags_.Word_Char.Upper() >= 2;
}

std::string Word_Practice::Word() const {
  std::string word;
  for (int i = 1; i < flags_.Word_Char.Upper(); ++i) word += flags_.Word_Char(i);
  return word;
}

std::string Word_Practice::Review_Line() const {
  return Joined(review_, review_.empty() ? 0 : review_.size() - 1);
}

std::string Word_Practice::Caption() const {
  const int lesson = options_.lesson >= 0 && options_.lesson < kMostWordLessons ? options_.lesson : 0;
  return flags_.Word_Lesson_Name[lesson] + "  课程" + std::to_string(round_);
}

void Word_Practice::Write_Studied(int32_t studied) {
  Guarded([&] { settings_.Write(kWordStudyedNumSection, Value_Name(), std::to_string(studied)); });
}

void Word_Practice::Write_Begin_Pos(int32_t position) {
  Guarded([&] { settings_.Write(kWordBeginPosSection, Value_Name(), std::to_string(position)); });
}

void Word_Practice::Initialize_Page() {
  Guarded([&] { view_.Reset_Page(); });
}

void Word_Practice::Take_Line(const Word_Line& line) {
  Session_Array<std::string>& word = flags_.Word_Char;
  Session_Array<std::string>& explain = flags_.Word_Explain_Char;
  word.Redim(static_cast<int>(line.word.size()) + 1);
  for (size_t i = 0; i < line.word.size(); ++i) word(static_cast<int>(i) + 1) = line.word[i];
  word(word.Upper()) = "\r";
  explain.Redim(static_cast<int>(line.explanation.size()) + 1);
  for (size_t i = 0; i < line.explanation.size(); ++i)
    explain(static_cast<int>(i) + 1) = line.explanation[i];
  explain(explain.Upper()) = "\r";
  file_end_ = line.last;
  begin_pos_ = line.next_position;
}

bool Word_Practice::Load_Line() {
  const Word_Line line = Read_Word_Line(path_, begin_pos_);
  if (!line.Ok()) {
    List_Changed(line);
    return false;
  }
  Take_Line(line);
  return true;
}

void Word_Practice::Broken_List(const Word_Line& line) {
  // The list cannot be practised: one message naming the file and the line; nothing starts and
  // nothing is stored.
  phase_ = Word_Phase::Idle;
  view_.Set_Timer(false);
  view_.Disable_Learn_Box();
  view_.Disable_Review_Box();
  view_.Clear_Key_Pictures();
  view_.Show_Error(line.Message());
}

void Word_Practice::List_Changed(const Word_Line& line) {
  // The whole list was good at the start: it has been changed since. The practice stops with
  // nothing more stored and the page goes back to how it stands before a start.
  phase_ = Word_Phase::Idle;
  view_.Set_Timer(false);
  view_.Show_Idle_Page();
  view_.Show_Error(line.Changed_Message());
}

bool Word_Practice::Start_Lesson(const std::string& program_folder) {
  phase_ = Word_Phase::Idle;
  bool started = false;
  Guarded([&] {
    if (flags_.Word_Page_First) {
      flags_.Word_Page_First = false;
      design_bar_width_ = view_.Speed_Bar_Design_Width();
    }
    bar_width_ = 0;
    view_.Set_Speed_Bar_Width(0);
    view_.Show_Speed_Bar();
    options_ = Read_Word_Options(settings_);
    round_ = 1;
    group_count_ = 0;
    line_count_ = 0;
    review_.clear();
    path_ = Word_List_Path(program_folder, options_.lesson);
    studied_ = 0;
    begin_pos_ = 1;
    if (options_.remember_flag == 1) {
      studied_ = Read_Number(settings_, kWordStudyedNumSection, Value_Name(), 0, 0,
                             std::numeric_limits<int32_t>::max());
      begin_pos_ = Read_Number(settings_, kWordBeginPosSection, Value_Name(), 1, 1,
                               std::numeric_limits<int32_t>::max());
    }
    // The whole list first: a bad line anywhere stops the start before anything is shown or
    // stored.
    const Word_Line check = Check_Word_List(path_);
    if (!check.Ok()) {
      Broken_List(check);
      return;
    }
    Word_Line line = Read_Word_Line(path_, begin_pos_);
    if (line.status == Word_Line_Status::Bad_Position && begin_pos_ != 1) {
      // The list was replaced since the position was stored: start it from its beginning.
      begin_pos_ = 1;
      studied_ = 0;
      line = Read_Word_Line(path_, begin_pos_);
    }
    if (!line.Ok()) {
      Broken_List(line);
      return;
    }
    round_begin_pos_ = begin_pos_;
    round_studied_ = studied_;
    Take_Line(line);
    Take_Expected(flags_.Word_Char(1));
    start_time_ = clock_();
    speed_.Begin(start_time_);
    Light_Expected();
    view_.Show_Caption(Caption());
    view_.Show_Studied(studied_);
    Show_Word();
    view_.Set_Timer(true);
    flags_.Panel_Keys_Enabled = true;
    started = true;
  });
  return started;
}

void Word_Practice::Take_Expected(const std::string& character) {
  expected_key_ = Get_Key_Index(Ansi_Code(character));
}

void Word_Practice::Light_Expected() {
  if (expected_key_ != kNoKey) view_.Light_Key(expected_key_);
}

void Word_Practice::Show_Word() {
  std::vector<std::string> letters;
  for (int i = 1; i < flags_.Word_Char.Upper(); ++i) letters.push_back(flags_.Word_Char(i));
  std::string explanation;
  for (int i = 1; i < flags_.Word_Explain_Char.Upper(); ++i)
    explanation += flags_.Word_Explain_Char(i);
  phase_ = Word_Phase::Learning;
  judge_.Open(letters);  // Ignore_Text_Change while the boxes are filled
  view_.Show_Word(Joined(letters, letters.size()), explanation, options_.cursor_prompt == 1);
  // The review line: the group's words, a space after each (the last one becomes its end).
  if (review_.size() + letters.size() <= static_cast<size_t>(kMostReviewCharacters)) {
    review_.insert(review_.end(), letters.begin(), letters.end());
    review_.emplace_back(" ");
  }
}

void Word_Practice::Show_Next_Word_Key(int user_length) {
  view_.Clear_Key_Pictures();
  Take_Expected(judge_.Expected());
  Light_Expected();
  view_.Move_Word_Prompt(user_length, options_.cursor_prompt == 1);
}

// ---- The learn phase ----

void Word_Practice::Learn_Change(const std::string& box_text) {
  if (!Active() || phase_ != Word_Phase::Learning || flags_.Ignore_Text_Change) return;
  Guarded([&] {
    speed_.Count();
    const Line_Judgement change = judge_.Change(box_text);
    switch (change.kind) {
      case Line_Change_Kind::Right:
        view_.Play_Key_Sound(Get_Key_Index(Ansi_Code(judge_.Expected_At(change.judged_position))));
        Show_Next_Word_Key(change.user_length);
        break;
      case Line_Change_Kind::Wrong: {
        // The letter goes out of the box at once; its removal is not judged.
        flags_.Ignore_Text_Change = true;
        view_.Remove_Wrong_Letter(change.user_length);
        judge_.Withdraw_Wrong();
        view_.Play_Wrong_Sound();
        if (flags_.Ctrl_Key_Down) break;
        const int16_t slot = Get_Key_Index(typed_code_);
        if (slot != kNoKey && slot != expected_key_) view_.Flash_Wrong_Key(slot);
        break;
      }
      case Line_Change_Kind::Undo:
        view_.Set_Learn_Black();
        Show_Next_Word_Key(change.user_length);
        break;
      case Line_Change_Kind::Ignored:
        break;
    }
  });
}

void Word_Practice::Learn_Key_Down(int key_code) {
  if (!Active() || phase_ != Word_Phase::Learning) return;
  Guarded([&] {
    const Line_Enter_Kind kind = judge_.Key_Down(key_code);
    if (kind == Line_Enter_Kind::Line_End) {
      judge_.Key_Up();  // the word ends on the key-down; its key-up does nothing
      End_Word();
    } else if (kind == Line_Enter_Kind::Too_Early) {
      view_.Play_Wrong_Sound();
    }
  });
}

void Word_Practice::End_Word() {
  view_.Play_Enter_Sound();
  ++group_count_;
  if (studied_ < std::numeric_limits<int32_t>::max()) ++studied_;
  view_.Show_Studied(studied_);
  Write_Studied(studied_);
  if (After_Word_Finished(group_count_, options_.words_num, file_end_) == After_Word::Next_Word)
    Next_Word();
  else
    Begin_Review();
}

void Word_Practice::Next_Word() {
  if (expected_key_ != kNoKey) view_.Clear_Key(expected_key_);
  const int32_t position = begin_pos_;
  if (!Load_Line()) return;
  Write_Begin_Pos(position);
  Take_Expected(flags_.Word_Char(1));
  Light_Expected();
  Show_Word();
}

// ---- The review ----

void Word_Practice::Begin_Review() {
  if (expected_key_ != kNoKey) view_.Clear_Key(expected_key_);
  phase_ = Word_Phase::Reviewing;
  std::vector<std::string> line(review_.begin(), review_.empty() ? review_.end() : review_.end() - 1);
  judge_.Open(line);
  Take_Expected(judge_.Expected());
  Light_Expected();
  view_.Open_Review(Review_Line(), options_.cursor_prompt == 1);
}

void Word_Practice::Review_Change(const std::string& box_text) {
  if (!Active() || phase_ != Word_Phase::Reviewing || flags_.Ignore_Text_Change) return;
  Guarded([&] {
    speed_.Count();
    const Line_Judgement change = judge_.Change(box_text);
    switch (change.kind) {
      case Line_Change_Kind::Wrong:
        view_.Paint_Review_Wrong(change.user_length);
        view_.Play_Wrong_Sound();
        break;
      case Line_Change_Kind::Right:
        view_.Play_Key_Sound(Get_Key_Index(Ansi_Code(judge_.Expected_At(change.judged_position))));
        break;
      case Line_Change_Kind::Undo:
        view_.Set_Review_Black();
        break;
      case Line_Change_Kind::Ignored:
        return;
    }
    if (expected_key_ != kNoKey) view_.Clear_Key(expected_key_);
    Take_Expected(judge_.Expected());
    Light_Expected();
    view_.Move_Review_Prompt(change.user_length, options_.cursor_prompt == 1);
  });
}

void Word_Practice::Review_Key_Down(int key_code) {
  if (!Active() || phase_ != Word_Phase::Reviewing) return;
  Guarded([&] {
    const Line_Enter_Kind kind = judge_.Key_Down(key_code);
    if (kind == Line_Enter_Kind::Line_End) {
      view_.Play_Enter_Sound();
    } else if (kind == Line_Enter_Kind::Too_Early) {
      view_.Play_Wrong_Sound();
    }
  });
}

void Word_Practice::Review_Key_Up() {
  if (!Active() || phase_ != Word_Phase::Reviewing || !judge_.Key_Up()) return;
  Guarded([&] {
    view_.Play_Win_Sound();
    switch (After_Review_Line_Finished(line_count_, options_.lines_num, file_end_)) {
      case After_Review_Line::Lesson_End:
        // The whole list is done: the next start begins it again.
        Write_Begin_Pos(1);
        Write_Studied(0);
        Finish_Lesson();
        break;
      case After_Review_Line::Next_Group:
        ++line_count_;
        Next_Group();
        break;
      case After_Review_Line::Round_End: {
        ++line_count_;
        const int answer = view_.Ask_Next_Round();
        if (!Active()) return;
        if (answer == 0) {
          Next_Round();
        } else if (answer == 1) {
          Retry_Round();
        } else {
          Finish_Lesson();
        }
        break;
      }
    }
  });
}

void Word_Practice::Next_Group() {
  view_.Disable_Review_Box();
  view_.Hide_Review();
  if (expected_key_ != kNoKey) view_.Clear_Key(expected_key_);
  group_count_ = 0;
  const int32_t position = begin_pos_;
  if (!Load_Line()) return;
  Write_Begin_Pos(position);
  Take_Expected(flags_.Word_Char(1));
  Light_Expected();
  review_.clear();
  Show_Word();
}

void Word_Practice::Next_Round() {
  view_.Set_Timer(false);
  view_.Clear_Learn_Boxes();
  view_.Hide_Review();
  view_.Clear_Key_Pictures();
  ++round_;
  round_studied_ = studied_;
  round_begin_pos_ = begin_pos_;
  group_count_ = 0;
  line_count_ = 0;
  const int32_t position = begin_pos_;
  if (!Load_Line()) return;
  Write_Begin_Pos(position);
  Take_Expected(flags_.Word_Char(1));
  speed_.Begin(clock_());
  Light_Expected();
  review_.clear();
  Show_Word();
  view_.Show_Caption(Caption());
  bar_width_ = 0;
  view_.Set_Speed_Bar_Width(0);
  view_.Set_Timer(true);
}

void Word_Practice::Retry_Round() {
  view_.Set_Timer(false);
  view_.Hide_Review();
  view_.Clear_Key_Pictures();
  group_count_ = 0;
  line_count_ -= options_.lines_num;
  studied_ = round_studied_;
  begin_pos_ = round_begin_pos_;
  if (!Load_Line()) return;
  Take_Expected(flags_.Word_Char(1));
  speed_.Begin(clock_());
  Light_Expected();
  review_.clear();
  Show_Word();
  view_.Show_Studied(studied_);
  bar_width_ = 0;
  view_.Set_Speed_Bar_Width(0);
  view_.Set_Timer(true);
}

void Word_Practice::Finish_Lesson() {
  view_.Set_Timer(false);
  view_.Disable_Review_Box();
  if (expected_key_ != kNoKey) view_.Clear_Key(expected_key_);
  phase_ = Word_Phase::Finished;
  view_.Show_Lesson_Finished();
}

// ---- The tick ----

void Word_Practice::Tick() {
  if (!Active()) return;
  Guarded([&] {
    view_.Keep_Caret_At_End(phase_ == Word_Phase::Reviewing);
    const double now = clock_();
    const double elapsed = now - start_time_;
    if (elapsed > 0) view_.Show_Time(elapsed);
    if (auto width = speed_.Tick(now, design_bar_width_)) {
      bar_width_ = *width;
      view_.Set_Speed_Bar_Width(*width);
    }
  });
}

}  // namespace quillon
