#pragma once
// The main window loaded in the test process, with every screen entry point replaced by a recorder,
// message boxes, the help program, the shell and the program's end captured.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "shell/commands.h"
#include "screen_table.h"
#include "services/screens.h"
#include "services/globals.h"
#include "services/picture_boxes.h"
#include "shell/main_form.h"
#include "services/sounds.h"
#include "shell/startup.h"
#include "testkit/testkit.h"

namespace quillon {

// Handles events through the forms runtime (key preview included) until `done` or the time ends.
bool Pump_Until(const std::function<bool()>& done,
                std::chrono::milliseconds limit = std::chrono::seconds(10));


struct Box_Record {
  std::string text, title;
  UINT flags;
};

class Shell_Test : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Records "name" when the entry runs.
  void Record_All_Entries();
  // The state of an exercise in full swing: timers on, keys routed, lesson data loaded.
  void Pretend_Exercise_Runs();
  static void Clear_Settings_Value(const std::string& section, const std::string& key);

  forms::Form& form() { return Form_Quillon(); }

  std::vector<std::string> calls;
  std::vector<Box_Record> boxes;
  // The picture message boxes (and the input-method notice) the code under test showed; they
  // answer their cancel value without a window. A test of the real boxes sets the function back.
  std::vector<Picture_Box_Kind> picture_boxes;
  std::vector<std::string> helps, shell_opens;
  int exits = 0;
  int beeps = 0;
};

}  // namespace quillon
