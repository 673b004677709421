#include "shell/key_routing.h"

#include <string>

#include "services/globals.h"
#include "services/screens.h"
#include "services/sounds.h"
#include "shell/command_tables.h"
#include "shell/commands.h"

namespace quillon {

namespace {

struct Tick_Error_Memory {
  bool box_open = false;
  int panel = kNone;
  std::string text;
};

Tick_Error_Memory& Tick_Errors() {
  static Tick_Error_Memory memory;
  return memory;
}

// Runs a tick's work; reports a failure unless the same one was reported already or a report
// of this tick is still on screen.
template <class F>
void Run_Tick(F&& work) {
  Tick_Error_Memory& m = Tick_Errors();
  try {
    work();
    m.text.clear();
  } catch (...) {
    std::string text = forms::Current_Error_Text();
    if (m.box_open) return;
    if (!m.text.empty() && m.text == text && m.panel == Current_Panel) return;
    m.text = text;
    m.panel = Current_Panel;
    m.box_open = true;
    forms::Show_Error_Box(text);
    m.box_open = false;
  }
}

}  // namespace

void Forget_Tick_Error() { Tick_Errors().text.clear(); }

void Form_KeyDown(forms::Form& form, int key_code, int shift) {
  forms::Guarded([&] {
    // A command key is the command's alone: it reaches no game or practice as a letter.
    if (Check_Hot_Key(form, key_code, shift)) return;
    if (!Panel_Keys_Enabled) return;
    const Screen* screen = Screen_On(Current_Panel);
    if (!screen) return;
    switch (Route_Key_Down(screen->keys, Exercise_Running, key_code)) {
      case Key_Action::Start:
        Play_Click_Sound();
        Call(screen->start, form);
        break;
      case Key_Action::Screen_Key: Call(screen->key_down, form, key_code); break;
      case Key_Action::Note_Ctrl_Key_Down: Ctrl_Key_Down = shift == kCtrlMask; break;
      case Key_Action::None: break;
    }
  });
}

void Form_KeyPress(forms::Form& form, int key_ascii) {
  forms::Guarded([&] {
    if (!Panel_Keys_Enabled || !Exercise_Running || Key_Char_Paused) return;
    if (const Screen* screen = Screen_On(Current_Panel)) Call(screen->key_press, form, key_ascii);
  });
}

void Form_KeyUp(forms::Form& form, int, int) {
  forms::Guarded([&] {
    if (!Key_Char_Miss_Limit) return;
    Key_Char_Miss_Limit = false;
    for (const Screen& screen : Screens()) Call(screen.key_up, form);
  });
}

void Dispatch_Timer_Check(forms::Form& form) {
  Run_Tick([&] {
    if (const Screen* screen = Screen_On(Current_Panel)) Call(screen->tick, form);
  });
}

void Dispatch_Timer_Move_Picture(forms::Form& form) {
  Run_Tick([&] {
    if (const Screen* screen = Screen_On(Current_Panel)) Call(screen->move_picture, form);
  });
}

}  // namespace quillon
