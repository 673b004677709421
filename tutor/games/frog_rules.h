#pragma once
// Frog crossing without windows: the word lists of "\QLGame\Frog\" read as free-format fields at
// 1-based byte positions, the boats' passes (rows 1 and 3 rightwards, row 2 leftwards, a row's
// second boat setting off when the first passes the middle), and the play itself (Frog_Game):
// the keys that choose a boat and type its word, the jumps, the fall-back when a boat ends its
// pass with the frog on it, the next frog and the end of a game with the level rule.
//
// Frog_Game draws, plays, waits and stores through Frog_View; the page (games/frog_page.cpp)
// draws on the main window and waits through the runtime's event-handling wait, the tests
// record what the game asks for and play it tick by tick.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "games/game_rules.h"

namespace quillon {

constexpr int kFrogs = 5;           // frogs of a game
constexpr int kFrogWords = 7;       // 0 the far bank, 1 to 6 the boats
constexpr int kFrogBoats = 6;
constexpr int kFrogGameWords = kFrogs * kFrogWords;
constexpr int kFrogLessons = 8;     // word lists 0.txt to 7.txt
constexpr int kFrogLastPosition = 32767;  // byte positions are 16-bit
constexpr int kFarBank = 0;         // the far-bank word and board, as a boat number
constexpr int kNoChoice = 88;       // Frog_Chosen_Boat: no word chosen
constexpr int kStartBank = 88;      // Frog_Row: the frog on the start point
constexpr int kNoBoat = -1;         // Frog_Current_Boat: on the start point
constexpr int kLongWordLetters = 6;  // from here on the caret follows the word's end

// ---- Options ----

struct Frog_Options {
  int lesson = 3;          // 0-7
  int speed_num = 50;      // 1-100
  int remember_flag = 1;   // 0 or 1
  int begin_position = 1;  // 1-32767; 1 when remembering is off
};
// The options from the settings store, each within its range.
Frog_Options Read_Frog_Options();
// Twips a boat moves per tick: the river's width / (110 - level).
double Frog_Boat_Step(double river_width, int speed_num);
// The word list of a lesson under the program folder.
std::string Frog_Lesson_File(const std::string& program_folder, int lesson);

// ---- Word lists ----

// The next free-format field from byte `at` (0-based): spaces before it are passed over; a field
// in double quotes ends at the closing quote (commas inside belong to it) and the rest of it up
// to the separator is dropped; any other field ends at a comma or a line end, without the spaces
// at its end. The separator is taken with it (a line end right after a comma too), so `at` ends
// where the next field begins. False when only blanks and line ends are left.
bool Read_Free_Field(std::string_view file, size_t& at, std::string& field);

using Frog_Word_Table = std::array<std::array<std::string, kFrogWords>, kFrogs>;

struct Frog_Word_Game {
  Frog_Word_Table words{};  // lower case; frog by frog, the far-bank word first
  bool complete = false;    // the list holds a whole game of words
  bool wrapped = false;     // these are the list's last words: the next game begins at 1
  bool from_start = false;  // the rest from the begin position was too short: read from 1
  int next_position = 1;    // where the next game's words begin (1-based byte)
};
// One game of words from `begin_position` of the list's bytes. Empty fields are passed over.
// Fewer than a game of words from there on (or a position outside the list or beyond byte 32767)
// counts as the list's end: the game is read from position 1. A game after which fewer than a
// game of words is left, or whose next position would lie beyond byte 32767, is the list's last
// (wrapped, next position 1). A list without a whole game is not complete.
Frog_Word_Game Read_Frog_Game_Words(std::string_view file, int begin_position);

// ---- Boats ----

struct Boat_Record {
  bool moving = false;
  bool partner_started = false;  // this pass has started the other boat of the row
  double start_x = 0;            // left edge (twips) at the start of a pass
  double x = 0;                  // left edge now
  int32_t step_count = 0;        // ticks moved in this pass
  double end_x = 0;              // the pass ends once the left edge is beyond this
  double middle_x = 0;           // beyond this the other boat of the row sets off
};
using Frog_Boat_Records = std::array<Boat_Record, kFrogBoats + 1>;  // 1 to 6; 0 unused

// The other boat of a boat's row: 1-2, 3-4, 5-6.
int Partner_Boat(int boat);
// Rows 1 and 3 (boats 1, 2, 5, 6) move rightwards, row 2 (boats 3, 4) leftwards.
bool Boat_Moves_Right(int boat);
// The boats just outside their side of the river, none moving.
Frog_Boat_Records Frog_Boat_Geometry(double river_width, double boat_width);
// Every boat back at its start, none moving (the start of a game).
void Park_Frog_Boats(Frog_Boat_Records& boats);

enum class Boat_Pass { Waiting, Moved, Partner_Started, Ended };
// One tick of one boat: a waiting boat stays; a moving one advances `step`; past its end it
// starts again from its side (moving only while its partner moves); past the middle it starts its
// partner once per pass.
Boat_Pass Move_Frog_Boat(Frog_Boat_Records& boats, int boat, double step);

// ---- The play ----

// The shared flags the game reads and writes.
struct Frog_Flags {
  bool& exercise_running;
  bool& panel_keys_enabled;
  bool& paused;
};

// What the crossing frog looks like for the sprite tick.
struct Frog_Sprites {
  bool on_start_bank = false;
  bool on_boat = false;
  bool on_far_bank = false;
  bool arrivals_shown = false;
};

class Frog_View {
 public:
  virtual ~Frog_View() = default;
  // The word boxes, by boat number (0 the far bank).
  virtual void Clear_Word(int boat) = 0;  // empty, plain font
  virtual void Set_Word(int boat, const std::string& word) = 0;
  virtual void Paint_Word(int boat, bool highlighted) = 0;  // wipes typed marks; caret at 0
  virtual void Mark_Letter(int boat, int position) = 0;     // blue and bold; caret after it
  virtual void Put_Caret(int boat, int position) = 0;
  // Figures.
  virtual void Show_Frog(int boat, bool shown) = 0;       // the frog on a boat or the board
  virtual void Show_Arrived(int index, bool shown) = 0;   // crossed frogs, top left
  virtual void Show_Waiting(int index, bool shown) = 0;   // waiting frogs, bottom right
  // The river.
  virtual void Scroll_River() = 0;
  virtual void Move_Boats(const Frog_Boat_Records& boats) = 0;
  virtual void Animate(const Frog_Sprites& sprites) = 0;
  // Sounds.
  virtual void Play_Key_Sound(int key_code) = 0;
  virtual void Play_Wrong_Sound() = 0;
  virtual void Play_Frog_Sound() = 0;
  virtual void Play_Win_Sound() = 0;
  // Waiting while events run; false when the frog page is no longer on show.
  virtual bool Wait(int milliseconds) = 0;
  // The end of a game.
  virtual void Enable_Buttons(bool start, bool pause, bool stop) = 0;
  // A game that ends while paused: the paused look goes and the river flows again.
  virtual void End_Pause() = 0;
  virtual int Ask_Win_Box() = 0;  // Form_Game_YesRetryNo with "frogwin": 0 next, 1 same, 2 end
  virtual void Show_Top_Box() = 0;  // Form_Yes
  virtual void Store_Level(int level) = 0;
  virtual void Store_Begin_Position(int lesson, int position) = 0;
  virtual void Start_Game() = 0;  // Start_Frog_Game
};

class Frog_Game {
 public:
  Frog_Game(Frog_View& view, Frog_Flags flags) : view_(view), flags_(flags) {}

  // A new game: the options and the boats parked at their starts (none moving); keys find
  // nothing to type until it sets off. Every earlier crossing, blink or end of a game still
  // waiting gives up.
  void Begin(const Frog_Options& options, double river_width, double boat_width);
  // The game's words, the frog on the start point, boats 1, 3 and 5 setting off, the first
  // frog's words shown with boats 1 and 2 within reach.
  void Set_Off(const Frog_Word_Game& words);
  // The game is stopped (or its page set up again): waits in progress give up.
  void Stop() {
    ++generation_;
    sprites_.on_start_bank = false;
  }
  // Grows at every begin and stop: a wait of the page's start gives up when it changed.
  int Generation() const { return generation_; }

  // A key of the running game (Frog_Game_Key_Down).
  void Key_Down(int key_code);
  // The animation tick: the water, the boats, the sprites.
  void Tick();

  // State, for the page and the tests.
  int Row() const { return row_; }
  int Current_Boat() const { return current_boat_; }
  int Chosen_Boat() const { return chosen_boat_; }
  int Letters_Typed() const { return letters_typed_; }
  int Current_Frog() const { return current_frog_; }
  int Last_Arrived() const { return last_arrived_; }
  int Waiting_Index() const { return waiting_index_; }
  const Frog_Sprites& Sprites() const { return sprites_; }
  const Frog_Boat_Records& Boats() const { return boats_; }
  const Frog_Options& Options() const { return options_; }
  const Frog_Word_Game& Words() const { return words_; }
  double Step() const { return step_; }
  const std::string& Word(int boat) const;
  // The boats whose words the frog can jump to next (a, b; b is -1 for the far bank alone).
  static std::array<int, 2> Targets_From(int row);

 private:
  void Choose_Boat(int key_code, int a, int b);
  void Mark_Letter(int boat);
  void Check_Letter(int key_code);
  void Check_Word_Done();
  void Finish_Word();
  void Jump();
  void Next_Frog();
  void Won();
  void Fall_Back();
  void Highlight_Targets(int row, bool on);
  bool Still(int generation) const { return generation == generation_; }

  Frog_View& view_;
  Frog_Flags flags_;
  Frog_Options options_;
  Frog_Word_Game words_;
  Frog_Boat_Records boats_{};
  double step_ = 0;
  int generation_ = 0;
  int row_ = kStartBank;
  int current_boat_ = kNoBoat;
  int chosen_boat_ = kNoChoice;
  int letters_typed_ = 0;
  int current_frog_ = 0;
  int last_arrived_ = -1;
  int waiting_index_ = 0;
  Frog_Sprites sprites_;
};

// Design timings.
constexpr int kFrogArrivalMs = 500;  // the frog on the far-bank board
constexpr int kFrogArrivedMs = 200;  // after a crossed frog appears
constexpr int kFrogBlinkMs = 200;    // each half of a waiting frog's blink
constexpr int kFrogEndWaitMs = 500;  // before the win sound at a game's end
constexpr int kFrogLineUpMs = 100;   // between the waiting frogs lining up at a start

}  // namespace quillon
