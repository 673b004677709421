#include "games/game_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "services/cp936_text.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"

namespace quillon {

namespace {

Random_Source& Random_Slot() {
  static Random_Source source;
  return source;
}

std::function<double()>& Clock_Slot() {
  static std::function<double()> clock;
  return clock;
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

bool Is_Blank(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The line that starts at `at` (0-based) and where the one after it starts.
std::string_view Line_At(std::string_view file, size_t at, size_t& next) {
  size_t end = file.find('\n', at);
  if (end == std::string_view::npos) {
    next = file.size();
    end = file.size();
  } else {
    next = end + 1;
  }
  std::string_view line = file.substr(at, end - at);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The start of the first line with text at or after `at`; npos when none.
size_t Next_Text_Line(std::string_view file, size_t at) {
  while (at < file.size()) {
    size_t next = 0;
    if (!Is_Blank(Line_At(file, at, next))) return at;
    at = next;
  }
  return std::string_view::npos;
}

}  // namespace

// ---- Shared ----

double Read_Number(const Int_Setting& s) {
  const std::string text = forms::Tutor_Settings::Get(s.section, s.key, std::to_string(s.fallback));
  const char* begin = text.c_str();
  char* end = nullptr;
  const double value = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(value)) return s.fallback;
  return value;
}

int Game_Random(int low, int high) {
  if (Random_Slot()) return Random_Slot()(low, high);
  return Get_Random_Number(low, high);
}

void Set_Game_Random(Random_Source source) { Random_Slot() = std::move(source); }

double Game_Now_Ms() {
  if (Clock_Slot()) return Clock_Slot()();
  return static_cast<double>(Tick_Count_64());
}

void Set_Game_Clock(std::function<double()> clock) { Clock_Slot() = std::move(clock); }

int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }

Win_Outcome Judge_Win(int level, bool text_wrapped) {
  Win_Outcome outcome;
  if (level >= kHighestLevel || text_wrapped) {
    outcome.top_box = true;
    outcome.store_level_reset = true;
    outcome.store_position_1 = text_wrapped;
  }
  return outcome;
}

int Next_Level(int level) { return Clamp(level + 1, kLowestLevel, kHighestLevel); }

// ---- Police and thief ----

Police_Options Read_Police_Options() {
  Police_Options o;
  o.speed_num = Clamp(Read(kPoliceSpeedNum), kLowestLevel, kHighestLevel);
  o.police_wait = std::clamp(Read_Number(kPoliceWaitTime), 1.0, 9.0);
  o.balk_wait = std::clamp(Read_Number(kBalkWaitTime), 1.0, 9.0);
  o.remember_flag = Clamp(Read(kPoliceRemember), 0, 1);
  o.begin_position =
      o.remember_flag == 1 ? Clamp(Read(kPoliceBeginPosition), 1, kPoliceLastPosition) : 1;
  return o;
}

int Police_Step_Delay(int speed_num) {
  return (101 - Clamp(speed_num, kLowestLevel, kHighestLevel)) * 10;
}

Police_Text Cut_Police_Text(std::string_view file, int begin_position) {
  Police_Text text;
  size_t at = begin_position >= 1 ? static_cast<size_t>(begin_position - 1) : 0;
  if (at >= file.size()) at = 0;
  size_t start = Next_Text_Line(file, at);
  if (start == std::string_view::npos || start >= static_cast<size_t>(kPoliceLastPosition))
    start = Next_Text_Line(file, 0);  // nothing more to read: the file from its start
  if (start == std::string_view::npos) return text;

  size_t next = 0;
  const std::string_view line = Line_At(file, start, next);
  const std::vector<std::string> chars = Split_Characters(line);
  for (int i = 0; i < kPoliceLines; ++i) {
    const size_t from = static_cast<size_t>(i * kPoliceLineChars);
    for (size_t c = from; c < chars.size() && c < from + kPoliceLineChars; ++c)
      text.lines[i].push_back(chars[c]);
  }
  auto& last = text.lines[kPoliceLines - 1];
  if (!last.empty() && last.back() == " ") last.pop_back();
  text.empty = false;

  const size_t following = Next_Text_Line(file, next);
  if (following == std::string_view::npos || following + 1 > static_cast<size_t>(kPoliceLastPosition)) {
    text.wrapped = true;
    text.next_position = 1;
  } else {
    text.next_position = static_cast<int>(following + 1);
  }
  return text;
}

int Last_Police_Line(const Police_Text& text) {
  for (int i = kPoliceLines - 1; i >= 0; --i)
    if (!text.lines[i].empty()) return i;
  return -1;
}

int Draw_Police_Obstacle(const std::vector<std::string>& line, int line_index,
                         const Random_Source& random) {
  if (line_index < 0 || line_index >= kPoliceObstacleLines) return -1;
  const int least = line_index == 0 ? kFirstObstacleLeast : 0;
  const int length = static_cast<int>(line.size());
  std::vector<int> candidates;
  for (int r = least; r < kPoliceLineChars && r < length; ++r)
    if (line[r] != " ") candidates.push_back(r);
  if (candidates.empty()) return -1;  // only spaces where an obstacle may stand: none
  for (int draw = 0; draw < 10000; ++draw) {
    const int r = random(0, kPoliceLineChars - 1);
    if (r < least) continue;
    if (r >= length) return -1;  // beyond a short line's end: taken, it marks nothing
    if (line[r] == " ") continue;
    return r;
  }
  return candidates.front();
}

int Thief_Left(const Police_Geometry& g, int line, int typed, int length) {
  line = Clamp(line, 0, kPoliceLines - 1);
  if (length <= 0) return g.marker_left[line];
  return g.marker_left[line] +
         Round(static_cast<double>(g.line_width[line] - g.figure_width) * typed / length);
}

Police_Step Step_Police(const Police_Geometry& g, int police_line, int step_count, int player_line,
                        int thief_left) {
  Police_Step step;
  step.line = police_line;
  step.step_count = step_count;
  if (police_line < 0 || police_line >= kPoliceLines) {
    step.kind = Police_Step::Stay;
    return step;
  }
  const double w = g.figure_width;
  const double line_end = g.marker_left[police_line] + g.line_width[police_line] - w / 8;
  double x = g.marker_left[police_line] + step_count * w / kPoliceStepsPerFigure;
  int top = g.marker_top[police_line];
  if (police_line == player_line && x + w >= thief_left) {
    step.kind = Police_Step::Caught;
    step.left = Round(x);
    step.top = top;
    return step;
  }
  if (x + w >= line_end) {
    ++step.line;
    if (step.line >= kPoliceLines) {
      step.kind = Police_Step::Stay;
      return step;
    }
    step.step_count = 0;
    x = g.marker_left[step.line];
    top = g.marker_top[step.line];
  }
  step.kind = Police_Step::Move;
  step.left = Round(x);
  step.top = top;
  ++step.step_count;
  return step;
}

bool Police_Halt_Over(double now_ms, double halt_start_ms, double pause_length_ms,
                      double balk_wait_seconds) {
  return (now_ms - halt_start_ms - pause_length_ms) / 1000 >= balk_wait_seconds;
}

// ---- Balloons and wolves ----

Apple_Options Read_Apple_Options() {
  Apple_Options o;
  o.balloon_num = Clamp(Read(kAppleBalloonNum), 1, 9);
  o.speed_num = Clamp(Read(kAppleSpeedNum), kLowestLevel, kHighestLevel);
  return o;
}

int Apple_Launch_Interval(int speed_num) {
  return (110 - Clamp(speed_num, kLowestLevel, kHighestLevel)) * 10;
}

std::string Apple_Minutes_At_Start(const std::string& text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return "1";
  if (std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c == '0'; })) return "1";
  return text;
}

int Launch_Balloon(Balloon_Records& records, int& last_launched, int balloon_num,
                   const Random_Source& random) {
  int aloft = 0;
  bool free_slot = false;
  for (int i = 0; i < kBalloonSlots; ++i) {
    if (records[i].active) ++aloft;
    else if (i != last_launched) free_slot = true;
  }
  if (aloft >= balloon_num || !free_slot) return -1;
  int slot = 0;
  do {
    slot = random(0, kBalloonSlots - 1);
  } while (slot < 0 || slot >= kBalloonSlots || records[slot].active || slot == last_launched);
  last_launched = slot;
  Balloon_Record& b = records[slot];
  b.fast = random(1, 10) == kFastBalloonDraw;
  int letter = 0;
  bool taken = true;
  while (taken) {
    letter = random(0, kLetters - 1);
    taken = letter < 0 || letter >= kLetters;
    for (const Balloon_Record& other : records)
      if (other.active && other.letter == letter) taken = true;
  }
  b.letter = letter;
  b.rise_count = 0;
  b.hit = false;  // a hit left pending by the slot's last balloon is not this one's
  b.hit_tick = 0;
  b.active = true;
  return slot;
}

Slot_Pass Pass_Balloon(Balloon_Record& b, double now_ms, double height) {
  Slot_Pass pass;
  if (b.hit && now_ms - b.hit_tick >= kHitShowMs) {
    pass.popped = true;
    b.active = false;
    b.letter = 0;
    b.rise_count = 0;
    b.fast = false;
    b.hit_tick = 0;
    b.hit = false;
    pass.top = b.start_top;
  }
  if (b.active) {
    ++b.rise_count;
    double top = b.start_top - b.rise_step * b.rise_count;
    if (b.fast) top *= 2;
    pass.moved = true;
    pass.top = top;
    if (-height > top) {
      pass.escaped = true;
      b.active = false;
      b.letter = 0;
      b.rise_count = 0;
      b.fast = false;
      pass.top = b.start_top;
    }
  }
  return pass;
}

int Hit_Balloon(Balloon_Records& records, int key_code, double now_ms) {
  const int letter = key_code - 'A';
  if (letter < 0 || letter >= kLetters) return -1;
  for (int i = 0; i < kBalloonSlots; ++i) {
    Balloon_Record& b = records[i];
    if (b.active && b.letter == letter) {
      b.hit_tick = now_ms;
      b.hit = true;
      return i;
    }
  }
  return -1;
}

std::vector<Wolf_Move> Wolf_Moves(int escaped) {
  std::vector<Wolf_Move> moves;
  if (escaped < 2 || escaped > kWolfSlots) return moves;
  const int delay = escaped == 2 ? 30 : escaped == 3 ? 20 : 10;
  for (int j = kWolfSlots + 1 - escaped; j <= kWolfSlots - 1; ++j)
    moves.push_back({j, j - 1, delay});
  return moves;
}

double Apple_Seconds_Left(int minutes, double elapsed_ms) {
  const double left = (minutes - elapsed_ms / 1000 / 60) * 60;
  return left > 0 ? left : 0;
}

bool Apple_Time_Up(int minutes, double elapsed_ms) { return elapsed_ms / 1000 / 60 >= minutes; }

}  // namespace quillon
