#pragma once
// Mouse catching without windows: the options read within their ranges, a launch (which hole,
// a short stay, which letter), a mouse come up, a hole's part of a pass of the show loop (the
// caught mouse's removal, the countdown with its half-time colour, the mouse that goes down
// uncaught), a catch by key, the pause taken off the countdowns, the flowers and the loss.
// games/mouse_page.cpp draws what these decide; clock values are passed in and the random source
// is the games' settable one, so the tests play the rules tick by tick.
//
// The launch interval, the minutes box's text at start, the time left and the time up are the
// balloon game's rules (games/game_rules.h): both games share the run pattern.

#include <array>
#include <string>

#include "games/game_rules.h"

namespace quillon {

constexpr int kMouseHoles = 15;
constexpr int kMouseFlowers = 8;       // the eighth mouse that goes down uncaught loses
constexpr int kMouseCaughtShowMs = 300;  // a caught mouse goes this long after the catch
constexpr int kShortStayDraw = 8;      // a draw of 1 to 10 that gives this halves the stay
constexpr int kMouseLeastOption = 1, kMouseMostOption = 9;  // "Mouse Num", "Disappear Time"

struct Mouse_Options {
  int mouse_num = 4;            // most mice up at once, 1-9
  double disappear_time = 6;    // seconds a mouse stays up, 1-9
  int speed_num = 50;           // level, 1-100
};
// The options from the settings store, each within its range.
Mouse_Options Read_Mouse_Options();

struct Mouse_Hole_Record {
  bool active = false;      // up and counting down; still set in the 300 ms after a catch
  int letter = 0;           // 0-25, A to Z
  bool short_stay = false;  // stay_seconds is halved while set
  double shown_at = 0;      // seconds of the clock when the mouse came up
  double shown_seconds = 0;  // seconds up, pauses left out
  double stay_seconds = 0;
  double paused_seconds = 0;
  double hit_tick = 0;      // milliseconds of the clock at the catch
  bool hit = false;         // caught, waiting for removal
};
using Mouse_Hole_Records = std::array<Mouse_Hole_Record, kMouseHoles>;

// Every hole cleared for a new game, staying `disappear_time` seconds.
void Reset_Mouse_Holes(Mouse_Hole_Records& holes, double disappear_time);

// A launch's choice before its mouse comes up.
struct Mouse_Launch {
  int hole = -1;  // -1: `mouse_num` mice are up, or no hole is free but the last launched
  int letter = 0;
};
// Draws the hole (never the last launched, never an active one), the short stay (one in ten:
// the hole's stay halved) and a letter no active hole carries. The hole stays inactive and
// unlettered until Mouse_Came_Up.
Mouse_Launch Choose_Mouse_Launch(Mouse_Hole_Records& holes, int& last_hole, int mouse_num,
                                 const Random_Source& random);
// The come-up is over: the hole takes its letter and its countdown starts at `now_ms`.
void Mouse_Came_Up(Mouse_Hole_Record& hole, int letter, double now_ms);

// A hole's part of one pass of the show loop.
struct Hole_Pass {
  bool caught_gone = false;  // a caught mouse's 300 ms are over: hidden, its label emptied
  bool counting = false;     // the hole is active: its label shows `countdown`
  std::string countdown;     // seconds left, whole, rounded half to even
  bool half_time = false;    // half the stay has passed: the label turns red
  bool missed = false;       // the stay ran out: gone uncaught (the label keeps its text)
};
Hole_Pass Pass_Mouse_Hole(Mouse_Hole_Record& hole, double now_ms);

// The key's mouse: the first active hole with the letter of the key code (A-Z), caught at
// `now_ms` (again within its 300 ms: caught again); -1 when none.
int Catch_Mouse(Mouse_Hole_Records& holes, int key_code, double now_ms);

// Continuing at `now_ms` after a pause from `pause_start_ms`: the countdowns of the mice that are
// up stand still for the pause (a mouse that came up during the pause, for its part of it).
void Take_Pause_Off_Holes(Mouse_Hole_Records& holes, double pause_start_ms, double now_ms);

// The flower a miss brings (index 0 to 7, left to right), -1 beyond the eighth; and whether the
// misses lose the game.
int Flower_For_Miss(int missed);
bool Mouse_Game_Lost(int missed);

// A stay in seconds as its label shows it when the mouse has come up ("6", "0.5").
std::string Mouse_Stay_Text(double stay_seconds);

// The minutes box when it loses the focus: exactly "0" becomes "1".
std::string Mouse_Minutes_On_Leave(const std::string& text);

}  // namespace quillon
