#include "courses/wubi_practice.h"

#include <exception>
#include <vector>

#include "forms/settings.h"
#include "services/key_table.h"

namespace quillon {

Wubi_Line_Practice::Wubi_Line_Practice(Wubi_View& view, Course_Settings& settings,
                                       bool& ignore_text_change, bool& line_end_entered,
                                       Lesson_Line_Table& head, Lesson_Line_Table& chars)
    : view_(view),
      settings_(settings),
      head_(head),
      chars_(chars),
      judge_(ignore_text_change, line_end_entered) {}

template <class Step>
bool Wubi_Line_Practice::Guarded(Step step) {
  try {
    step();
    return true;
  } catch (const std::exception& error) {
    view_.Show_Error(error.what());
    return false;
  }
}

int Wubi_Line_Practice::Read_Number(const std::string& section, const std::string& name,
                                    int default_value) {
  int value = default_value;
  return forms::Parse_Setting_Int(settings_.Read(section, name, std::to_string(default_value)),
                                  value)
             ? value
             : default_value;
}

void Wubi_Line_Practice::Initialize_Page(int16_t remember_flag) {
  running_ = false;
  remember_flag_ = remember_flag;
  Guarded([&] {
    cursor_prompt_ = static_cast<int16_t>(Read_Number(kWubiSection, "Cursor Prompt", 1));
    view_.Reset_Page();
  });
}

bool Wubi_Line_Practice::Start_Lesson(const std::string& program_folder, double now) {
  running_ = false;
  line_count_ = 0;
  // Read_Wubi_Setting.
  const bool settings_read = Guarded([&] {
    info_ = static_cast<int16_t>(Read_Number(kWubiSection, "Info", 1));
    if (!bar_width_taken_) {
      bar_width_taken_ = true;
      design_bar_width_ = view_.Speed_Bar_Design_Width();
    }
    view_.Set_Speed_Bar_Width(0);
    view_.Show_Speed_Bar();
  });
  if (!settings_read) return false;
  // Read once a run. A missing or oversized table is reported; the practice goes on with
  // empty hints.
  if (info_ == 1 && codes_.Empty()) {
    Wubi_Lesson_Result table;
    Guarded([&] { table = Load_Wubi_Code_File(Wubi_Code_File_Path(program_folder), codes_); });
    if (!table.Ok()) view_.Show_Error(table.Message());
  }

  int line = 1;
  int finished = 0;
  bool remembered = true;
  if (remember_flag_ == 1) {
    remembered = Guarded([&] {
      const std::string line_text = settings_.Read(kWubiLineNumSection, kWubiProgressValue, "1");
      const std::string chars_text = settings_.Read(kWubiCharNumSection, kWubiProgressValue, "0");
      if (!forms::Parse_Setting_Int(line_text, line) ||
          !forms::Parse_Setting_Int(chars_text, finished)) {
        line = 1;
        finished = 0;
      }
    });
  }
  if (!remembered) return false;

  Wubi_Lesson_Result lesson;
  if (!Guarded([&] { lesson = Load_Wubi_Lesson_File(Wubi_Lesson_File_Path(program_folder), head_, chars_); }))
    return false;
  if (!lesson.Ok()) {
    view_.Show_Error(lesson.Message());
    return false;
  }
  line_count_ = lesson.lines;
  char_total_ = lesson.char_total;
  // Progress left by another version of the lesson starts it again.
  if (line < 1 || line > line_count_ || finished < 0 || finished > char_total_) {
    line = 1;
    finished = 0;
  }
  line_ = static_cast<int16_t>(line);
  finished_chars_ = finished;
  start_time_ = now;
  running_ = true;
  Begin_Line(now);
  return running_;
}

void Wubi_Line_Practice::Begin_Line(double now) {
  const bool opened = Guarded([&] {
    view_.Set_Timer(false);
    speed_.Begin(now);
    view_.Set_Speed_Bar_Width(0);
    std::vector<std::string> characters;
    for (int i = 1; i <= chars_.Positions() && chars_(i, line_) != kLineEnd; ++i)
      characters.push_back(chars_(i, line_));
    judge_.Open(std::move(characters));  // Ignore_Text_Change until the first key-down
    view_.Open_Line(judge_.Line_Text(), cursor_prompt_ == 1, judge_.Line_Length());
    view_.Show_Heading(Wubi_Line_Heading(head_, line_));
    view_.Show_Code_Info(info_ == 1 ? codes_.Code_Of(judge_.Expected_At(1)) : "");
    Show_Progress(0);
    view_.Set_Timer(true);
  });
  if (!opened) running_ = false;
}

void Wubi_Line_Practice::Show_Progress(int user_length) {
  view_.Show_Progress(Format_Rate(finished_chars_ + user_length, char_total_));
}

void Wubi_Line_Practice::Show_Hint_At(int position) {
  if (judge_.Expected_At(position) == kLineEnd) {
    view_.Show_Code_Info(kWubiEnterHint);
  } else if (info_ == 1) {
    view_.Show_Code_Info(codes_.Code_Of(judge_.Expected_At(position)));
  }
}

void Wubi_Line_Practice::Change(const std::string& box_text) {
  if (!running_) return;
  Guarded([&] {
    const Line_Judgement change = judge_.Change(box_text);
    switch (change.kind) {
      case Line_Change_Kind::Ignored:
        return;
      case Line_Change_Kind::Wrong:
        view_.Paint_Wrong_Char(change.user_length);
        view_.Play_Wrong_Sound();
        Show_Hint_At(change.position);
        break;
      case Line_Change_Kind::Right:
        view_.Paint_Right_Char(change.user_length);
        view_.Play_Key_Sound(Get_Key_Index(Ansi_Code(judge_.Expected_At(change.judged_position))));
        Show_Hint_At(change.position);
        break;
      case Line_Change_Kind::Undo:
        view_.Set_Typing_Black();
        // At the line end this lookup finds no code: the hint is emptied.
        if (info_ == 1) view_.Show_Code_Info(codes_.Code_Of(judge_.Expected_At(change.position)));
        break;
    }
    speed_.Count();
    Show_Progress(change.user_length);
    view_.Move_Source_Prompt(change.user_length, cursor_prompt_ == 1);
  });
}

void Wubi_Line_Practice::Key_Down(int key_code) {
  Guarded([&] {
    const Line_Enter_Kind kind = judge_.Key_Down(key_code);
    if (!running_) return;
    if (kind == Line_Enter_Kind::Line_End) {
      view_.Play_Enter_Sound();
      view_.Show_Code_Info("");
    } else if (kind == Line_Enter_Kind::Too_Early) {
      view_.Play_Wrong_Sound();
    }
  });
}

void Wubi_Line_Practice::Key_Up(double now) {
  if (!running_ || !judge_.Key_Up()) return;
  int answer = 2;
  bool last_line = false;
  const bool asked = Guarded([&] {
    view_.Play_Win_Sound();
    last_line = line_ >= line_count_;
    if (last_line) {
      Write_Progress(0, 1);
    } else {
      answer = view_.Ask_Next_Line();
    }
  });
  if (!asked || last_line) {
    Finish_Lesson();
  } else if (answer == 0) {
    Next_Line(now);
  } else if (answer == 1) {
    Begin_Line(now);  // Retry_Wubi_Line: the same line, nothing stored
  } else {
    Finish_Lesson();
  }
}

void Wubi_Line_Practice::Write_Progress(int64_t finished, int line) {
  settings_.Write(kWubiCharNumSection, kWubiProgressValue, std::to_string(finished));
  settings_.Write(kWubiLineNumSection, kWubiProgressValue, std::to_string(line));
}

void Wubi_Line_Practice::Next_Line(double now) {
  if (!running_) return;
  finished_chars_ += judge_.Line_Length();
  ++line_;
  Guarded([&] { Write_Progress(finished_chars_, line_); });
  Begin_Line(now);
}

void Wubi_Line_Practice::Finish_Lesson() {
  running_ = false;
  Guarded([&] {
    view_.Set_Timer(false);
    view_.Disable_Typing_Box();
    view_.Show_Lesson_Finished();
  });
}

void Wubi_Line_Practice::Stop() { running_ = false; }

void Wubi_Line_Practice::Tick(double now) {
  if (!running_) return;
  Guarded([&] {
    view_.Keep_Typing_Caret_At_End();
    const double elapsed = now - start_time_;
    if (elapsed > 0) view_.Show_Time(elapsed);
    if (auto width = speed_.Tick(now, design_bar_width_)) view_.Set_Speed_Bar_Width(*width);
  });
}

}  // namespace quillon
