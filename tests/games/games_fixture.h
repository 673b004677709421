#pragma once
// The game pages on the real main window in the test process: a program folder of the test's own
// with the police game's text, the bitmaps of the built program, the picture message boxes
// answered from a list, the error boxes and beeps recorded, real keys and clicks.

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "games/game_frame.h"
#include "games/game_pages.h"
#include "services/picture_boxes.h"
#include "services/screen_ids.h"
#include "testkit/course_seams.h"

namespace quillon {

// One step of a test played from the event handling: it acts once `ready` holds.
struct Step {
  std::string name;
  std::function<bool()> ready;
  std::function<void()> act;
};
// Plays the steps in order from a thread timer, so they run inside a game's busy loop too (the
// loop goes on between two steps). A step that is not ready within `step_limit` fails the test,
// and the exercise is stopped so that the loop ends. Returns once every step has acted and the
// events have been handled back to the caller.
void Play_Steps(std::vector<Step> steps,
                std::chrono::milliseconds step_limit = std::chrono::seconds(20));
inline bool Always() { return true; }


class Game_Window : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  forms::Form& Main();
  // Opens the game from the games menu and waits for its slide; the main window in front.
  void Enter(Game_Item item);
  // Real keys to the focused window.
  void Press(WORD vk);
  void Type(const std::string& text);
  // Real pointer.
  POINT Center_Of(forms::Control& control);
  void Click(forms::Control& control, int button = 1);
  // A click that handles no events after it: a start whose game runs a busy loop (the loop would
  // run inside the handling until the game ends); the steps after it then run inside the loop.
  void Click_Only(forms::Control& control, int button = 1);
  void Point_At(forms::Control& control);
  // Saves a picture of the main window when QL_SHOT_DIR names a folder.
  void Shot(const std::string& name);

  // The police game's text under the test's program folder ("" bytes: no file).
  void Write_Police_Text(const std::string& bytes, bool present = true);
  static void Set(const char* section, const char* key, const std::string& value);
  static std::string Stored(const char* section, const char* key);
  // The game clock runs this far ahead of the system's.
  double clock_ahead = 0;

  std::string folder;
  std::vector<std::string> error_boxes;
  std::vector<Picture_Box_Kind> picture_boxes;
  std::deque<int> answers;  // the end boxes' answers in order (the cancel value when none)
  std::function<void()> on_box;  // runs inside a box before it answers
  int beeps = 0;
};

}  // namespace quillon
