#pragma once
// The games' rules without windows: options read within their ranges, the level rule after a win,
// police and thief (its text, obstacles, the figures' places, the police's step, the halt) and
// balloons and wolves (launches, a pass of the move loop, hits, the wolves, the time left). The
// pages (police_page.cpp, apple_page.cpp) draw what these decide; clock values are passed in and
// the random source is settable, so the tests play the rules as tables.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// ---- Shared ----

struct Int_Setting;
// A number option read as text (the wait times may hold fractions); its default when the stored
// text is not a number.
double Read_Number(const Int_Setting& s);

// A random whole number from low to high (both included).
using Random_Source = std::function<int(int low, int high)>;
// The games' random source: Get_Random_Number unless a test set another (an empty function
// restores it).
int Game_Random(int low, int high);
void Set_Game_Random(Random_Source source);

// The games' clock in milliseconds: the system's tick count unless a test set another (an empty
// function restores it).
double Game_Now_Ms();
void Set_Game_Clock(std::function<double()> clock);

constexpr int kLowestLevel = 1, kHighestLevel = 100;
// The level stored after a win at the highest level or with the text read to its end.
constexpr int kLevelAfterTop = 50;

int Clamp(int value, int low, int high);

// What a won game stores and shows.
struct Win_Outcome {
  bool top_box = false;         // Form_Yes, the game stays ended
  bool store_level_reset = false;  // "Speed Num" becomes kLevelAfterTop
  bool store_position_1 = false;   // the remembered text position becomes 1
};
Win_Outcome Judge_Win(int level, bool text_wrapped);
// The level after "next level" in a win box.
int Next_Level(int level);

// ---- Police and thief ----

constexpr int kPoliceLines = 4;
constexpr int kPoliceLineChars = 54;
constexpr int kPoliceObstacleLines = 3;     // lines 0 to 2 carry one obstacle each
constexpr int kFirstObstacleLeast = 32;     // line 0: at least 54 x 0.6 characters before it
constexpr int kPoliceLastPosition = 32767;  // byte positions of the text are 16-bit
constexpr int kPoliceStepsPerFigure = 8;    // a step is one eighth of the figure's width

struct Police_Options {
  int speed_num = 50;         // 1-100
  double police_wait = 5;     // seconds, 1-9
  double balk_wait = 3;       // seconds, 1-9
  int remember_flag = 1;      // 0 or 1
  int begin_position = 1;     // 1-32767
};
// The options from the settings store, each within its range.
Police_Options Read_Police_Options();
// Milliseconds between two police steps: (101 - level) x 10.
int Police_Step_Delay(int speed_num);

// One game's text: the file line cut into the four typing lines.
struct Police_Text {
  std::array<std::vector<std::string>, kPoliceLines> lines;  // characters (code page 936)
  int next_position = 1;  // where the next game's line begins (1-based byte)
  bool wrapped = false;   // the line was the file's last: the next game begins at 1
  bool empty = true;      // no line of the file has any text
};
// The first line with text from `begin_position` of the file's bytes. A position beyond the file
// reads from its start; blank lines are passed over; a next line beyond byte 32767 counts as the
// file's end.
Police_Text Cut_Police_Text(std::string_view file, int begin_position);
// The last typing line that holds text (-1 when none): finishing it wins.
int Last_Police_Line(const Police_Text& text);
// The obstacle of a typing line: a character position drawn from 0 to 53 until it is not a space
// (and, on line 0, not before kFirstObstacleLeast); -1 for line 3 and for a line with no
// candidate. A draw beyond a short line's end is taken and gives -1 (no obstacle).
int Draw_Police_Obstacle(const std::vector<std::string>& line, int line_index,
                         const Random_Source& random);

// Where the figures stand: the markers of the four lines, the typing lines' widths and a figure's
// width, in twips.
struct Police_Geometry {
  std::array<int, kPoliceLines> marker_left{}, marker_top{}, line_width{};
  int figure_width = 780;
};
// The thief's Left on the player's line after `typed` of `length` characters.
int Thief_Left(const Police_Geometry& g, int line, int typed, int length);

// One step of the police.
struct Police_Step {
  enum Kind { Move, Caught, Stay } kind = Move;
  int line = 0;        // the police's line afterwards
  int step_count = 0;  // its steps on that line afterwards
  int left = 0, top = 0;
};
Police_Step Step_Police(const Police_Geometry& g, int police_line, int step_count, int player_line,
                        int thief_left);
// True when the halt at an obstacle is over.
bool Police_Halt_Over(double now_ms, double halt_start_ms, double pause_length_ms,
                      double balk_wait_seconds);

// ---- Balloons and wolves ----

constexpr int kBalloonSlots = 10;
constexpr int kWolfSlots = 7;
constexpr int kLetters = 26;
constexpr int kHitShowMs = 100;  // a hit balloon disappears this long after the hit
constexpr int kFastBalloonDraw = 8;  // a draw of 1 to 10 that gives this launches a fast balloon

struct Apple_Options {
  int balloon_num = 6;  // 1-9
  int speed_num = 50;   // 1-100
};
Apple_Options Read_Apple_Options();
// Milliseconds between two launches: (110 - level) x 10.
int Apple_Launch_Interval(int speed_num);
// The minutes box's text at start: empty or 0 becomes "1".
std::string Apple_Minutes_At_Start(const std::string& text);

struct Balloon_Record {
  bool active = false;
  int letter = 0;
  int32_t rise_count = 0;
  bool fast = false;
  double start_left = 0, start_top = 0, rise_step = 0;
  double hit_tick = 0;
  bool hit = false;
};
using Balloon_Records = std::array<Balloon_Record, kBalloonSlots>;

// One launch: the slot, or -1 when `balloon_num` balloons are aloft already (or no slot is free
// but the last launched). The slot's letter differs from every letter aloft; its hit fields are
// cleared.
int Launch_Balloon(Balloon_Records& records, int& last_launched, int balloon_num,
                   const Random_Source& random);

// One slot's part of a pass of the move loop.
struct Slot_Pass {
  bool popped = false;   // a hit balloon's 100 ms are over: sound, hidden, back to the start
  bool moved = false;    // an active balloon moved to `top`
  bool escaped = false;  // it left the sky at the top: hidden and back to the start
  double top = 0;
};
Slot_Pass Pass_Balloon(Balloon_Record& b, double now_ms, double height);
// The key's balloon: the first active slot with the letter of the key code (A-Z), hit at now;
// -1 when none.
int Hit_Balloon(Balloon_Records& records, int key_code, double now_ms);

// The wolves' walk for the count of escaped balloons: each row hides one slot, waits, shows the
// other, waits; then slot 6 is shown.
struct Wolf_Move {
  int hide, show, delay_ms;
};
std::vector<Wolf_Move> Wolf_Moves(int escaped);
// Seconds left of a game of `minutes` after `elapsed_ms` of play (not below 0), and whether the
// time is up.
double Apple_Seconds_Left(int minutes, double elapsed_ms);
bool Apple_Time_Up(int minutes, double elapsed_ms);

}  // namespace quillon
