#include "courses/key_char_practice.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "forms/settings.h"
#include "services/key_table.h"

namespace quillon {

namespace {

struct Caption_Word {
  const char* code;
  const char* word;
};

constexpr Caption_Word kHands[] = {{"l", "左手"}, {"r", "右手"}, {"b", "双手"}};
constexpr Caption_Word kFingers[] = {{"a", "五指"}, {"f", "食指"}, {"m", "中指"},
                                     {"r", "无名指"}, {"l", "小指"}, {"+", "附加"}};
constexpr Caption_Word kRows[] = {{"0", "各档键"}, {"1", "中档键"}, {"2", "上档键"},
                                  {"3", "下档键"}, {"n", "数字档"}};

template <size_t N>
const char* Word_Of(const Caption_Word (&words)[N], const std::string& code) {
  for (const auto& word : words) {
    if (code == word.code) return word.word;
  }
  return nullptr;
}

}  // namespace

std::string Key_Char_Lesson_Caption(const std::string& c1, const std::string& c2,
                                    const std::string& c3, const std::string& c4) {
  if (c1 == "1" && c2 == "1" && c3 == "1" && c4 == "1") return "数字键盘的练习";
  std::string caption;
  if (const char* hand = Word_Of(kHands, c1)) caption += hand;
  if (const char* finger = Word_Of(kFingers, c2)) caption += std::string(" ") + finger;
  if (const char* row = Word_Of(kRows, c3)) caption += std::string(" ") + row;
  return caption + " 课程" + c4;
}

Key_Char_Practice::Key_Char_Practice(Key_Char_View& view, Course_Settings& settings,
                                     Key_Char_Flags flags, Lesson_Line_Table& head,
                                     Lesson_Line_Table& chars)
    : view_(view),
      settings_(settings),
      flags_(flags),
      head_(head),
      chars_(chars),
      judge_(flags.Ignore_Text_Change, flags.Line_End_Entered) {}

template <class Step>
void Key_Char_Practice::Guarded(Step step) {
  try {
    step();
  } catch (const std::exception& error) {
    view_.Show_Error(error.what());
  }
}

int Key_Char_Practice::Read_Number(const std::string& section, const std::string& name,
                                   int default_value) {
  // A value that is not wholly a number in range counts as never written.
  int value = default_value;
  return forms::Parse_Setting_Int(settings_.Read(section, name, std::to_string(default_value)),
                                  value)
             ? value
             : default_value;
}

void Key_Char_Practice::Read_Settings() {
  const int method = Read_Number(kKeyCharSection, "Type Method", 0);
  type_method_ = static_cast<int16_t>(method == 1 ? 1 : 0);
  Key_Char_Type_Method = type_method_;
  view_.Show_Keypad(type_method_ == 1);
  remember_flag_ = static_cast<int16_t>(Read_Number(kKeyCharRememberSection, "Flag", 1));
  cursor_prompt_ = static_cast<int16_t>(Read_Number(kKeyCharSection, "Cursor Prompt", 1));
}

void Key_Char_Practice::Initialize_Page() {
  flags_.Exercise_Running = false;
  flags_.Panel_Keys_Enabled = true;
  flags_.Key_Char_Miss_Limit = false;
  Guarded([&] {
    const int method = Read_Number(kKeyCharSection, "Type Method", 0);
    type_method_ = static_cast<int16_t>(method == 1 ? 1 : 0);
    Key_Char_Type_Method = type_method_;
    view_.Reset_Page(type_method_);
  });
}

bool Key_Char_Practice::Start_Lesson(const std::string& program_folder) {
  program_folder_ = program_folder;
  lesson_loaded_ = false;
  line_typing_ = false;
  line_count_ = 0;
  bool started = false;
  Guarded([&] {
    view_.Reset_Labels();
    if (flags_.Key_Char_Page_First) {
      flags_.Key_Char_Page_First = false;
      design_bar_width_ = view_.Speed_Bar_Design_Width();
    }
    speed_bar_width_ = 0;
    view_.Set_Speed_Bar_Width(0);
    view_.Show_Speed_Bar();
    Read_Settings();

    flags_.Key_Char_Paused = false;
    pause_start_ = 0;
    paused_total_ = 0;
    miss_count_ = 0;
    line_speed_.Begin(0);
    position_ = 1;
    const std::string value_name = std::to_string(type_method_);
    int line = 1;
    int32_t score = 0;
    if (remember_flag_ == 1) {
      line = Read_Number(kKeyCharLineNumSection, value_name, 1);
      score = Read_Number(kKeyCharCountNumSection, value_name, 0);
    }

    const Lesson_File_Result lesson = Load_Key_Char_Lesson_File(
        Key_Lesson_File_Path(program_folder_, type_method_), head_, chars_, type_method_);
    if (!lesson.Ok()) {
      view_.Show_Error(lesson.Message());
      return;
    }
    line_count_ = lesson.lines;
    // Progress left by a longer version of the lesson starts the lesson again.
    if (line < 1 || line > line_count_) {
      line = 1;
      score = 0;
    }
    line_ = static_cast<int16_t>(line);
    score_ = std::max<int32_t>(score, 0);

    Take_Expected_Key();
    line_start_score_ = score_;
    lesson_loaded_ = true;
    Light_Expected_Key();
    view_.Show_Caption(Caption());
    view_.Show_Score(score_);
    started = true;
  });
  return started;
}

bool Key_Char_Practice::Lesson_Ready() const {
  // Another exercise may have shrunk or refilled the shared arrays since the lesson was loaded.
  return lesson_loaded_ && line_ >= 1 && line_ <= line_count_ &&
         chars_.Positions() == kLessonLinePositions && chars_.Lines() == line_count_ + 1 &&
         head_.Positions() == kLessonHeadPositions && head_.Lines() == line_count_ + 1;
}

std::string Key_Char_Practice::Caption() const {
  if (line_ < 1 || line_ > head_.Lines() || head_.Positions() < 4) return "";
  return Key_Char_Lesson_Caption(head_(1, line_), head_(2, line_), head_(3, line_),
                                 head_(4, line_));
}

void Key_Char_Practice::Take_Expected_Key() {
  expected_ = chars_(position_, line_);
  expected_code_ = Ansi_Code(expected_);
  expected_key_ = Get_Key_Index_By_Method(expected_code_, type_method_);
}

void Key_Char_Practice::Light_Expected_Key() {
  if (expected_key_ != kNoKey) view_.Light_Key(expected_key_);
}

void Key_Char_Practice::Add_Points() {
  // The score stops at the largest it can hold rather than wrap round to a negative one.
  score_ = score_ > std::numeric_limits<int32_t>::max() - kKeyCharPoints
               ? std::numeric_limits<int32_t>::max()
               : score_ + kKeyCharPoints;
}

void Key_Char_Practice::Take_Off_Points() {
  if (score_ >= kKeyCharPoints) score_ -= kKeyCharPoints;
}

void Key_Char_Practice::Begin_Line(double now) {
  line_speed_.Begin(now);
  miss_count_ = 0;
}

void Key_Char_Practice::Write_Progress(int line, int32_t score) {
  // A store that cannot be written is reported, but the practice goes on.
  Guarded([&] {
    const std::string value_name = std::to_string(type_method_);
    settings_.Write(kKeyCharLineNumSection, value_name, std::to_string(line));
    settings_.Write(kKeyCharCountNumSection, value_name, std::to_string(score));
  });
}

bool Key_Char_Practice::Start_Practice(double now) {
  if (!Lesson_Ready() || flags_.Exercise_Running) return false;
  bool started = false;
  Guarded([&] {
    flags_.Exercise_Running = true;
    start_time_ = now;
    paused_total_ = 0;
    line_speed_.Begin(now);
    view_.Enable_Buttons(false, true, true);
    view_.Set_Timer(true);
    started = true;
  });
  if (!started) view_.Enable_Buttons(true, false, false);
  return started;
}

void Key_Char_Practice::Key_Press(int16_t code, bool ctrl_down) {
  if (!Lesson_Ready() || !flags_.Exercise_Running || flags_.Key_Char_Paused || line_typing_) {
    return;
  }
  Guarded([&] {
    line_speed_.Count();
    const bool right = code != 0 && expected_key_ != kNoKey &&
                       (code == Key_Table[expected_key_][0] || code == Key_Table[expected_key_][1]);
    if (right) {
      Key_Right(code);
    } else {
      Key_Wrong(code, ctrl_down);
    }
    view_.Show_Score(score_);
  });
}

void Key_Char_Practice::Key_Right(int16_t code) {
  if (code == '\r') {
    view_.Play_Enter_Sound();
  } else {
    view_.Play_Key_Sound(Get_Key_Index(code));
  }
  view_.Clear_Key_Pictures();
  Add_Points();
  if (expected_ != kLineEnd) {
    ++position_;
  } else {
    Show_Line_Input();
  }
  Take_Expected_Key();
  Light_Expected_Key();
}

void Key_Char_Practice::Key_Wrong(int16_t code, bool ctrl_down) {
  if (ctrl_down) return;
  const int16_t slot = Get_Key_Index_By_Method(code, type_method_);
  if (slot != kNoKey && slot != expected_key_) {
    view_.Flash_Wrong_Key(slot);
    view_.Play_Wrong_Sound();
  }
  if (miss_count_ < kKeyCharMissPictures) {
    Take_Off_Points();
    const int picture = miss_count_;
    ++miss_count_;
    view_.Show_Miss_Picture(picture);
    if (miss_count_ == kKeyCharMissPictures) flags_.Key_Char_Miss_Limit = true;
  }
}

void Key_Char_Practice::Ask_Line_Retry(double now) {
  if (!Lesson_Ready()) return;
  int answer = 1;
  Guarded([&] { answer = view_.Ask_Retry_After_Misses(); });
  if (answer == 0) {
    Retry_Line(now);
  } else {
    Stop();
  }
}

void Key_Char_Practice::Retry_Line(double now) {
  if (!Lesson_Ready()) return;
  Guarded([&] {
    view_.Clear_Miss_Pictures();
    view_.Clear_Key_Pictures();
    if (line_typing_) {
      view_.Hide_Line_Typing();
      line_typing_ = false;
    }
    position_ = 1;
    Take_Expected_Key();
    score_ = line_start_score_;
    Begin_Line(now);
    flags_.Key_Char_Miss_Limit = false;
    Light_Expected_Key();
    view_.Show_Score(score_);
    speed_bar_width_ = 0;
    view_.Set_Speed_Bar_Width(0);
    flags_.Panel_Keys_Enabled = true;
  });
}

void Key_Char_Practice::Toggle_Pause(double now) {
  // The line-typing panel covers the buttons: there is nothing to pause then.
  if (!flags_.Exercise_Running || line_typing_) return;
  Guarded([&] {
    if (!flags_.Key_Char_Paused) {
      view_.Set_Timer(false);
      pause_start_ = now;
      flags_.Key_Char_Paused = true;
      flags_.Panel_Keys_Enabled = false;
      view_.Show_Paused(true);
    } else {
      const double paused = std::max(0.0, now - pause_start_);
      paused_total_ += paused;
      line_speed_.Add_Paused(paused);
      view_.Show_Paused(false);
      view_.Set_Timer(true);
      flags_.Key_Char_Paused = false;
      flags_.Panel_Keys_Enabled = true;
    }
  });
}

void Key_Char_Practice::Stop() {
  Guarded([&] {
    flags_.Exercise_Running = false;
    view_.Set_Timer(false);
    view_.Disable_Typing_Box();
    view_.Enable_Buttons(true, false, false);
    flags_.Key_Char_Paused = false;
    view_.Show_Paused(false);
  });
  line_typing_ = false;
  Initialize_Page();
  Start_Lesson(program_folder_);
}

void Key_Char_Practice::Tick(double now) {
  if (!flags_.Exercise_Running || flags_.Key_Char_Paused) return;
  Guarded([&] {
    if (line_typing_) view_.Keep_Typing_Caret_At_End();
    const double elapsed = Elapsed(now);
    if (elapsed > 0) view_.Show_Time(elapsed);
    if (auto width = line_speed_.Tick(now, design_bar_width_)) {
      speed_bar_width_ = *width;
      view_.Set_Speed_Bar_Width(*width);
    }
  });
}

void Key_Char_Practice::Show_Line_Input() {
  flags_.Panel_Keys_Enabled = false;
  position_ = 1;
  std::vector<std::string> characters;
  for (int i = 1; chars_(i, line_) != kLineEnd; ++i) characters.push_back(chars_(i, line_));
  judge_.Open(std::move(characters));  // sets Ignore_Text_Change while the boxes are filled
  line_marks_.assign(static_cast<size_t>(judge_.Line_Length()), false);
  line_typing_ = true;
  view_.Open_Line_Typing(judge_.Line_Text(), cursor_prompt_ == 1, judge_.Line_Length());
}

void Key_Char_Practice::Line_Change(const std::string& box_text) {
  if (!line_typing_ || !Lesson_Ready()) return;
  Guarded([&] {
    const int typed_before = judge_.User_Length();
    const Line_Judgement change = judge_.Change(box_text);
    if (change.kind == Line_Change_Kind::Ignored) return;
    const size_t judged = static_cast<size_t>(change.judged_position - 1);
    switch (change.kind) {
      case Line_Change_Kind::Right:
        Add_Points();
        line_marks_[judged] = true;
        view_.Play_Key_Sound(Get_Key_Index(Ansi_Code(judge_.Expected_At(change.judged_position))));
        break;
      case Line_Change_Kind::Wrong:
        view_.Paint_Wrong_Char(change.user_length);
        Take_Off_Points();
        line_marks_[judged] = false;
        view_.Play_Wrong_Sound();
        break;
      case Line_Change_Kind::Undo: {
        view_.Set_Typing_Black();
        // Every right character that left the box takes its points with it.
        const int last_removed = std::min<int>(typed_before, static_cast<int>(line_marks_.size()));
        for (int p = change.user_length + 1; p <= last_removed; ++p) {
          if (line_marks_[static_cast<size_t>(p - 1)]) {
            Take_Off_Points();
            line_marks_[static_cast<size_t>(p - 1)] = false;
          }
        }
        break;
      }
      case Line_Change_Kind::Ignored:
        break;
    }
    position_ = static_cast<int16_t>(change.position);
    if (expected_key_ != kNoKey) view_.Clear_Key(expected_key_);
    Take_Expected_Key();
    Light_Expected_Key();
    view_.Show_Score(score_);
    line_speed_.Count();
    view_.Move_Source_Prompt(change.user_length, cursor_prompt_ == 1);
  });
}

void Key_Char_Practice::Line_Key_Down(int key_code) {
  Guarded([&] {
    const Line_Enter_Kind kind = judge_.Key_Down(key_code);
    if (!line_typing_) return;
    if (kind == Line_Enter_Kind::Line_End) {
      Add_Points();
      view_.Show_Score(score_);
      view_.Play_Enter_Sound();
    } else if (kind == Line_Enter_Kind::Too_Early) {
      view_.Play_Wrong_Sound();
    }
  });
}

void Key_Char_Practice::Line_Key_Up(double now) {
  if (!line_typing_ || !judge_.Key_Up()) return;
  int answer = 2;
  bool last_line = false;
  Guarded([&] {
    view_.Play_Win_Sound();
    last_line = line_ >= line_count_;
    if (last_line) {
      Write_Progress(1, 0);
    } else {
      answer = view_.Ask_Next_Line();
    }
  });
  if (last_line) {
    Finish_Lesson();
  } else if (answer == 0) {
    Next_Line(now);
  } else if (answer == 1) {
    Retry_Line(now);
  } else {
    Finish_Lesson();
  }
}

void Key_Char_Practice::Next_Line(double now) {
  Guarded([&] {
    view_.Hide_Line_Typing();
    line_typing_ = false;
    if (expected_key_ != kNoKey) view_.Clear_Key(expected_key_);
    view_.Clear_Miss_Pictures();
    position_ = 1;
    ++line_;
    Write_Progress(line_, score_);
    Take_Expected_Key();
    line_start_score_ = score_;
    Begin_Line(now);
    Light_Expected_Key();
    speed_bar_width_ = 0;
    view_.Set_Speed_Bar_Width(0);
    view_.Show_Caption(Caption());
    flags_.Panel_Keys_Enabled = true;
  });
}

void Key_Char_Practice::Finish_Lesson() {
  Guarded([&] {
    view_.Set_Timer(false);
    if (expected_key_ != kNoKey) view_.Clear_Key(expected_key_);
    view_.Show_Lesson_Finished();
  });
  Stop();
}

}  // namespace quillon
