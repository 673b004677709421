#include "games/mouse_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "services/tutor_settings.h"

namespace quillon {

namespace {

// A mouse leaves its hole: the countdown and the short stay go with it.
void Clear_Hole(Mouse_Hole_Record& hole) {
  hole.active = false;
  hole.letter = 0;
  if (hole.short_stay) {
    hole.short_stay = false;
    hole.stay_seconds *= 2;
  }
  hole.shown_at = 0;
  hole.shown_seconds = 0;
  hole.paused_seconds = 0;
}

}  // namespace

Mouse_Options Read_Mouse_Options() {
  Mouse_Options o;
  o.mouse_num = Clamp(Read(kMouseNum), kMouseLeastOption, kMouseMostOption);
  o.disappear_time = std::clamp(Read_Number(kMouseDisappearTime),
                                static_cast<double>(kMouseLeastOption),
                                static_cast<double>(kMouseMostOption));
  o.speed_num = Clamp(Read(kMouseSpeedNum), kLowestLevel, kHighestLevel);
  return o;
}

void Reset_Mouse_Holes(Mouse_Hole_Records& holes, double disappear_time) {
  for (Mouse_Hole_Record& hole : holes) {
    hole = Mouse_Hole_Record{};
    hole.stay_seconds = disappear_time;
  }
}

Mouse_Launch Choose_Mouse_Launch(Mouse_Hole_Records& holes, int& last_hole, int mouse_num,
                                 const Random_Source& random) {
  Mouse_Launch launch;
  int up = 0;
  bool free_hole = false;
  for (int i = 0; i < kMouseHoles; ++i) {
    if (holes[i].active) ++up;
    else if (i != last_hole) free_hole = true;
  }
  // With as many mice as holes asked for, the last hole may be the only free one: no launch
  // then, rather than drawing for ever.
  if (up >= mouse_num || !free_hole) return launch;
  int hole = 0;
  do {
    hole = random(0, kMouseHoles - 1);
  } while (hole < 0 || hole >= kMouseHoles || holes[hole].active || hole == last_hole);
  last_hole = hole;
  Mouse_Hole_Record& h = holes[hole];
  if (random(1, 10) == kShortStayDraw && !h.short_stay) {
    h.short_stay = true;
    h.stay_seconds /= 2;
  }
  int letter = 0;
  bool taken = true;
  while (taken) {
    letter = random(0, kLetters - 1);
    taken = letter < 0 || letter >= kLetters;
    for (const Mouse_Hole_Record& other : holes)
      if (other.active && other.letter == letter) taken = true;
  }
  h.hit = false;  // a catch left pending by the hole's last mouse is not this one's
  h.hit_tick = 0;
  launch.hole = hole;
  launch.letter = letter;
  return launch;
}

void Mouse_Came_Up(Mouse_Hole_Record& hole, int letter, double now_ms) {
  hole.letter = letter;
  hole.paused_seconds = 0;
  hole.shown_seconds = 0;
  hole.shown_at = now_ms / 1000;
  hole.active = true;
}

Hole_Pass Pass_Mouse_Hole(Mouse_Hole_Record& hole, double now_ms) {
  Hole_Pass pass;
  if (hole.hit && now_ms - hole.hit_tick >= kMouseCaughtShowMs) {
    hole.hit = false;
    hole.hit_tick = 0;
    Clear_Hole(hole);
    pass.caught_gone = true;
  }
  if (!hole.active) return pass;
  double s = now_ms / 1000 - hole.paused_seconds - hole.shown_at;
  hole.shown_seconds = s;
  pass.counting = true;
  pass.half_time = s >= hole.stay_seconds / 2;
  if (s >= hole.stay_seconds) s = hole.stay_seconds;
  // Rounded to the even neighbour at a half, as the clock's seconds are shown.
  pass.countdown = std::to_string(static_cast<long>(std::nearbyint(hole.stay_seconds - s)));
  if (s == hole.stay_seconds) {
    pass.missed = true;
    Clear_Hole(hole);
  }
  return pass;
}

int Catch_Mouse(Mouse_Hole_Records& holes, int key_code, double now_ms) {
  const int letter = key_code - 'A';
  if (letter < 0 || letter >= kLetters) return -1;
  for (int i = 0; i < kMouseHoles; ++i) {
    Mouse_Hole_Record& h = holes[i];
    if (h.active && h.letter == letter) {
      h.hit = true;
      h.hit_tick = now_ms;
      return i;
    }
  }
  return -1;
}

void Take_Pause_Off_Holes(Mouse_Hole_Records& holes, double pause_start_ms, double now_ms) {
  for (Mouse_Hole_Record& h : holes) {
    if (!h.active) continue;
    const double from = std::max(pause_start_ms, h.shown_at * 1000);
    if (now_ms > from) h.paused_seconds += (now_ms - from) / 1000;
  }
}

int Flower_For_Miss(int missed) {
  return missed >= 1 && missed <= kMouseFlowers ? missed - 1 : -1;
}

bool Mouse_Game_Lost(int missed) { return missed >= kMouseFlowers; }

std::string Mouse_Stay_Text(double stay_seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", stay_seconds);
  return text;
}

std::string Mouse_Minutes_On_Leave(const std::string& text) { return text == "0" ? "1" : text; }

}  // namespace quillon
