#include "games/frog_rules.h"

#include <windows.h>

#include "services/tutor_settings.h"

namespace quillon {

namespace {

bool Is_Blank(char c) { return c == ' ' || c == '\t'; }
bool Is_Line_End(char c) { return c == '\r' || c == '\n'; }
bool Ends_Field(char c) { return c == ',' || Is_Line_End(c); }

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The key code that types a character: a letter's upper case, any other its own code.
int Key_Code_Of(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return u - 'a' + 'A';
  return u;
}

// Takes the separator after a field: a comma (with a line end right after it), or a line end.
void Take_Separator(std::string_view file, size_t& at) {
  const size_t n = file.size();
  if (at < n && file[at] == ',') {
    ++at;
    size_t look = at;
    while (look < n && Is_Blank(file[look])) ++look;
    if (look < n && Is_Line_End(file[look])) at = look;
    else return;
  }
  if (at < n && file[at] == '\r') ++at;
  if (at < n && file[at] == '\n') ++at;
}

// The next `count` words (non-empty fields) from `at` into `table` (when given); the number read.
int Read_Words(std::string_view file, size_t& at, int count, Frog_Word_Table* table) {
  int read = 0;
  std::string field;
  while (read < count && Read_Free_Field(file, at, field)) {
    if (field.empty()) continue;
    if (table) (*table)[read / kFrogWords][read % kFrogWords] = Lower(field);
    ++read;
  }
  return read;
}

}  // namespace

// ---- Options ----

Frog_Options Read_Frog_Options() {
  Frog_Options o;
  o.lesson = Clamp(Read(kFrogLesson), 0, kFrogLessons - 1);
  o.speed_num = Clamp(Read(kFrogSpeedNum), kLowestLevel, kHighestLevel);
  o.remember_flag = Read(kFrogRemember) == 1 ? 1 : 0;
  o.begin_position = o.remember_flag == 1
                         ? Clamp(Read(Frog_Begin_Position_Setting(o.lesson)), 1, kFrogLastPosition)
                         : 1;
  return o;
}

double Frog_Boat_Step(double river_width, int speed_num) {
  return river_width / (110 - Clamp(speed_num, kLowestLevel, kHighestLevel));
}

std::string Frog_Lesson_File(const std::string& program_folder, int lesson) {
  return program_folder + "\\QLGame\\Frog\\" + std::to_string(lesson) + ".txt";
}

// ---- Word lists ----

bool Read_Free_Field(std::string_view file, size_t& at, std::string& field) {
  const size_t n = file.size();
  while (at < n && (Is_Blank(file[at]) || Is_Line_End(file[at]))) ++at;
  if (at >= n) return false;
  if (file[at] == '"') {
    const size_t close = file.find('"', at + 1);
    if (close == std::string_view::npos) {
      field = std::string(file.substr(at + 1));
      at = n;
      return true;
    }
    field = std::string(file.substr(at + 1, close - at - 1));
    at = close + 1;
    while (at < n && !Ends_Field(file[at])) ++at;
  } else {
    size_t end = at;
    while (end < n && !Ends_Field(file[end])) ++end;
    size_t last = end;
    while (last > at && Is_Blank(file[last - 1])) --last;
    field = std::string(file.substr(at, last - at));
    at = end;
  }
  Take_Separator(file, at);
  return true;
}

Frog_Word_Game Read_Frog_Game_Words(std::string_view file, int begin_position) {
  Frog_Word_Game game;
  size_t from = 0;
  if (begin_position >= 1 && begin_position <= kFrogLastPosition &&
      static_cast<size_t>(begin_position - 1) < file.size())
    from = static_cast<size_t>(begin_position - 1);
  size_t at = from;
  if (Read_Words(file, at, kFrogGameWords, &game.words) < kFrogGameWords) {
    if (from == 0) return game;
    // The rest of the list is too short for a game: it counts as the list's end.
    game = Frog_Word_Game{};
    game.from_start = true;
    at = 0;
    if (Read_Words(file, at, kFrogGameWords, &game.words) < kFrogGameWords) return game;
  }
  game.complete = true;
  size_t after = at;
  const bool next_game_left = Read_Words(file, after, kFrogGameWords, nullptr) == kFrogGameWords;
  if (!next_game_left || at + 1 > static_cast<size_t>(kFrogLastPosition)) {
    game.wrapped = true;
    game.next_position = 1;
  } else {
    game.next_position = static_cast<int>(at + 1);
  }
  return game;
}

// ---- Boats ----

int Partner_Boat(int boat) { return boat % 2 == 1 ? boat + 1 : boat - 1; }

bool Boat_Moves_Right(int boat) { return boat != 3 && boat != 4; }

Frog_Boat_Records Frog_Boat_Geometry(double river_width, double boat_width) {
  Frog_Boat_Records boats{};
  for (int i = 1; i <= kFrogBoats; ++i) {
    Boat_Record& b = boats[i];
    if (Boat_Moves_Right(i)) {
      b.start_x = -boat_width;
      b.end_x = river_width;
      b.middle_x = river_width / 2 - boat_width;
    } else {
      b.start_x = river_width;
      b.end_x = -boat_width;
      b.middle_x = river_width / 2;
    }
    b.x = b.start_x;
  }
  return boats;
}

void Park_Frog_Boats(Frog_Boat_Records& boats) {
  for (int i = 1; i <= kFrogBoats; ++i) {
    Boat_Record& b = boats[i];
    b.moving = false;
    b.partner_started = false;
    b.x = b.start_x;
    b.step_count = 0;
  }
}

Boat_Pass Move_Frog_Boat(Frog_Boat_Records& boats, int boat, double step) {
  Boat_Record& b = boats[boat];
  if (!b.moving) return Boat_Pass::Waiting;
  ++b.step_count;
  const bool right = Boat_Moves_Right(boat);
  b.x = right ? b.start_x + step * b.step_count : b.start_x - step * b.step_count;
  const bool ended = right ? b.x > b.end_x : b.x < b.end_x;
  if (ended) {
    b.partner_started = false;
    b.step_count = 0;
    b.x = b.start_x;
    b.moving = boats[Partner_Boat(boat)].moving;
    return Boat_Pass::Ended;
  }
  const bool past_middle = right ? b.x > b.middle_x : b.x < b.middle_x;
  if (past_middle && !b.partner_started) {
    b.partner_started = true;
    boats[Partner_Boat(boat)].moving = true;
    return Boat_Pass::Partner_Started;
  }
  return Boat_Pass::Moved;
}

// ---- The play ----

std::array<int, 2> Frog_Game::Targets_From(int row) {
  switch (row) {
    case kStartBank: return {1, 2};
    case 1: return {3, 4};
    case 2: return {5, 6};
    case 3: return {kFarBank, -1};
    default: return {-1, -1};
  }
}

const std::string& Frog_Game::Word(int boat) const {
  static const std::string none;
  if (boat < 0 || boat >= kFrogWords || current_frog_ < 0 || current_frog_ >= kFrogs) return none;
  return words_.words[current_frog_][boat];
}

void Frog_Game::Begin(const Frog_Options& options, double river_width, double boat_width) {
  ++generation_;
  options_ = options;
  step_ = Frog_Boat_Step(river_width, options.speed_num);
  boats_ = Frog_Boat_Geometry(river_width, boat_width);
  Park_Frog_Boats(boats_);
  // Until the frog is on the start point, keys find nothing to type.
  row_ = kFarBank;
  chosen_boat_ = kNoChoice;
  letters_typed_ = 0;
  current_frog_ = 0;
}

void Frog_Game::Set_Off(const Frog_Word_Game& words) {
  words_ = words;
  for (int i : {1, 3, 5}) boats_[i].moving = true;
  sprites_ = Frog_Sprites{true, false, false, false};
  row_ = kStartBank;
  chosen_boat_ = kNoChoice;
  letters_typed_ = 0;
  current_boat_ = kNoBoat;
  current_frog_ = 0;
  last_arrived_ = -1;
  waiting_index_ = 0;
  for (int i = 0; i < kFrogWords; ++i) view_.Set_Word(i, Word(i));
  Highlight_Targets(row_, true);
}

void Frog_Game::Highlight_Targets(int row, bool on) {
  for (int boat : Targets_From(row))
    if (boat >= 0) view_.Paint_Word(boat, on);
}

void Frog_Game::Key_Down(int key_code) {
  if (key_code == VK_ESCAPE) {
    if (chosen_boat_ >= 1 && chosen_boat_ <= kFrogBoats) {
      // Both words of the row are within reach again.
      view_.Paint_Word(chosen_boat_, true);
      view_.Paint_Word(Partner_Boat(chosen_boat_), true);
      letters_typed_ = 0;
      chosen_boat_ = kNoChoice;
    } else {
      view_.Play_Wrong_Sound();
    }
    return;
  }
  if (key_code == VK_RETURN || key_code == VK_BACK || key_code == VK_SPACE) {
    view_.Play_Wrong_Sound();
    return;
  }
  switch (row_) {
    case kStartBank:
    case 1:
    case 2: {
      if (chosen_boat_ != kNoChoice) {
        Check_Letter(key_code);
        break;
      }
      const std::array<int, 2> pair = Targets_From(row_);
      Choose_Boat(key_code, pair[0], pair[1]);
      break;
    }
    case 3:
      chosen_boat_ = kFarBank;
      Check_Letter(key_code);
      break;
    default: break;  // a frog is arriving
  }
}

void Frog_Game::Choose_Boat(int key_code, int a, int b) {
  const std::string& word_a = Word(a);
  const std::string& word_b = Word(b);
  if (!word_a.empty() && key_code == Key_Code_Of(word_a[0])) {
    chosen_boat_ = a;
  } else if (!word_b.empty() && key_code == Key_Code_Of(word_b[0])) {
    chosen_boat_ = b;
  } else {
    view_.Play_Wrong_Sound();
    view_.Put_Caret(a, 0);
    view_.Put_Caret(b, 0);
    return;
  }
  view_.Play_Key_Sound(key_code);
  view_.Paint_Word(chosen_boat_ == a ? b : a, false);
  Mark_Letter(chosen_boat_);
  // A word of one letter is finished by choosing it.
  if (letters_typed_ >= static_cast<int>(Word(chosen_boat_).size())) Finish_Word();
}

void Frog_Game::Mark_Letter(int boat) {
  view_.Mark_Letter(boat, letters_typed_);
  ++letters_typed_;
}

void Frog_Game::Check_Letter(int key_code) {
  const std::string& word = Word(chosen_boat_);
  if (letters_typed_ >= static_cast<int>(word.size())) return;
  if (key_code == Key_Code_Of(word[letters_typed_])) {
    view_.Play_Key_Sound(key_code);
    Check_Word_Done();
  } else {
    view_.Play_Wrong_Sound();
    view_.Put_Caret(chosen_boat_, letters_typed_);
  }
}

void Frog_Game::Check_Word_Done() {
  Mark_Letter(chosen_boat_);
  const int length = static_cast<int>(Word(chosen_boat_).size());
  if (letters_typed_ >= length) Finish_Word();
  else if (letters_typed_ >= kLongWordLetters) view_.Put_Caret(chosen_boat_, length);
}

void Frog_Game::Finish_Word() {
  const int generation = generation_;
  view_.Play_Frog_Sound();
  switch (row_) {
    case kStartBank: row_ = 1; break;
    case 3: row_ = kFarBank; break;
    default: ++row_; break;
  }
  Jump();
  if (!Still(generation)) return;
  letters_typed_ = 0;
  chosen_boat_ = kNoChoice;
}

void Frog_Game::Jump() {
  if (row_ >= 1 && row_ <= 3) {
    sprites_.on_start_bank = false;
    sprites_.on_boat = true;
    sprites_.on_far_bank = false;
    if (row_ >= 2) view_.Show_Frog(current_boat_, false);
    view_.Show_Frog(chosen_boat_, true);
    current_boat_ = chosen_boat_;
    Highlight_Targets(row_, true);
    return;
  }
  if (row_ != kFarBank) return;
  const int generation = generation_;
  sprites_.on_start_bank = false;
  sprites_.on_boat = false;
  sprites_.on_far_bank = true;
  view_.Show_Frog(current_boat_, false);
  current_boat_ = kFarBank;
  view_.Show_Frog(kFarBank, true);
  if (!view_.Wait(kFrogArrivalMs) || !Still(generation)) return;
  view_.Show_Frog(kFarBank, false);
  ++last_arrived_;
  ++waiting_index_;
  sprites_.arrivals_shown = true;
  view_.Show_Arrived(last_arrived_, true);
  if (!view_.Wait(kFrogArrivedMs) || !Still(generation)) return;
  if (last_arrived_ >= kFrogs - 1) Won();
  else Next_Frog();
}

void Frog_Game::Next_Frog() {
  const int generation = generation_;
  for (int i = 0; i < kFrogWords; ++i) {
    view_.Show_Frog(i, false);
    view_.Clear_Word(i);
  }
  // The next waiting frog blinks away to the start point.
  for (int half = 0; half < 4; ++half) {
    view_.Show_Waiting(waiting_index_, half % 2 == 1);
    if (!view_.Wait(kFrogBlinkMs) || !Still(generation)) return;
  }
  view_.Show_Waiting(waiting_index_, false);
  sprites_.on_start_bank = true;
  sprites_.on_boat = false;
  sprites_.on_far_bank = false;
  row_ = kStartBank;
  chosen_boat_ = kNoChoice;
  letters_typed_ = 0;
  current_boat_ = kNoBoat;
  if (current_frog_ < kFrogs - 1) ++current_frog_;
  for (int i = 0; i < kFrogWords; ++i) view_.Set_Word(i, Word(i));
  Highlight_Targets(row_, true);
  // A paused game keeps its keys off until it continues.
  flags_.panel_keys_enabled = !flags_.paused;
}

void Frog_Game::Won() {
  const int generation = generation_;
  // No key and no start until the end box: the game is over at once.
  flags_.exercise_running = false;
  flags_.panel_keys_enabled = false;
  view_.Enable_Buttons(false, false, false);
  if (flags_.paused) {
    flags_.paused = false;
    view_.End_Pause();
  }
  if (!view_.Wait(kFrogEndWaitMs) || !Still(generation)) return;
  view_.Play_Win_Sound();
  flags_.panel_keys_enabled = true;
  view_.Enable_Buttons(true, false, false);
  const Win_Outcome outcome = Judge_Win(options_.speed_num, words_.wrapped);
  if (outcome.top_box) {
    if (outcome.store_level_reset) view_.Store_Level(kLevelAfterTop);
    if (outcome.store_position_1) view_.Store_Begin_Position(options_.lesson, 1);
    view_.Show_Top_Box();
    return;
  }
  const int answer = view_.Ask_Win_Box();
  if (!Still(generation)) return;
  switch (answer) {
    case 0:
      view_.Store_Level(Next_Level(options_.speed_num));
      view_.Store_Begin_Position(options_.lesson, words_.next_position);
      view_.Start_Game();
      break;
    case 1: view_.Start_Game(); break;
    default: break;
  }
}

void Frog_Game::Fall_Back() {
  if (row_ < 1 || row_ > 3) return;
  view_.Show_Frog(current_boat_, false);
  // The words of the row ahead are out of reach now: plain again, typed marks wiped.
  Highlight_Targets(row_, false);
  switch (row_) {
    case 1:
      sprites_.on_start_bank = true;
      sprites_.on_boat = false;
      row_ = kStartBank;
      current_boat_ = kNoBoat;
      break;
    case 2: {
      // Onto the row-1 boat with more of its rightward pass ahead.
      const int boat = boats_[1].x < boats_[2].x ? 1 : 2;
      sprites_.on_start_bank = false;
      sprites_.on_boat = true;
      view_.Show_Frog(boat, true);
      current_boat_ = boat;
      row_ = 1;
      break;
    }
    default: {
      // Onto the row-2 boat with more of its leftward pass ahead.
      const int boat = boats_[3].x > boats_[4].x ? 3 : 4;
      sprites_.on_start_bank = false;
      sprites_.on_boat = true;
      view_.Show_Frog(boat, true);
      current_boat_ = boat;
      row_ = 2;
      break;
    }
  }
  Highlight_Targets(row_, true);
  chosen_boat_ = kNoChoice;
  letters_typed_ = 0;
}

void Frog_Game::Tick() {
  view_.Scroll_River();
  for (int i = 1; i <= kFrogBoats; ++i) {
    if (Move_Frog_Boat(boats_, i, step_) == Boat_Pass::Ended && current_boat_ == i) Fall_Back();
  }
  view_.Move_Boats(boats_);
  view_.Animate(sprites_);
}

}  // namespace quillon
