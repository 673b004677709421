#include "shell/key_routing.h"

#include <string>

#include "shell/command_tables.h"
#include "shell/commands.h"
#include "shell/exercise_entries.h"
#include "shell/globals.h"
#include "shell/sounds.h"

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
    Check_Hot_Key(form, key_code, shift);
    if (!Panel_Keys_Enabled) return;
    Key_Action action = Route_Key_Down(Current_Panel, Exercise_Running, key_code);
    if (Is_Start_Action(action)) Play_Click_Sound();
    Exercise_Entries& e = Exercises();
    switch (action) {
      case Key_Action::Start_Key_Char_Practice: Call(e.Start_Key_Char_Practice, form); break;
      case Key_Action::Note_Ctrl_Key_Down: Ctrl_Key_Down = shift == kCtrlMask; break;
      case Key_Action::Start_Free_Type: Call(e.Start_Free_Type, form); break;
      case Key_Action::Start_Police_Game: Call(e.Start_Police_Game, form); break;
      case Key_Action::Apple_Game_Key: Call(e.Apple_Game_Key_Down, form, key_code); break;
      case Key_Action::Start_Apple_Game: Call(e.Start_Apple_Game, form); break;
      case Key_Action::Mouse_Game_Key: Call(e.Mouse_Game_Key_Down, form, key_code); break;
      case Key_Action::Start_Mouse_Game: Call(e.Start_Mouse_Game, form); break;
      case Key_Action::Frog_Game_Key: Call(e.Frog_Game_Key_Down, form, key_code); break;
      case Key_Action::Start_Frog_Game: Call(e.Start_Frog_Game, form); break;
      case Key_Action::None: break;
    }
  });
}

void Form_KeyPress(forms::Form& form, int key_ascii) {
  forms::Guarded([&] {
    if (Panel_Keys_Enabled && Current_Panel == 0 && Exercise_Running && !Key_Char_Paused)
      Call(Exercises().Key_Char_Key_Press, form, key_ascii);
  });
}

void Form_KeyUp(forms::Form& form, int, int) {
  forms::Guarded([&] {
    if (!Key_Char_Miss_Limit) return;
    Key_Char_Miss_Limit = false;
    Call(Exercises().Ask_Key_Char_Line_Retry, form);
  });
}

void Dispatch_Timer_Check(forms::Form& form) {
  Run_Tick([&] {
    Exercise_Entries& e = Exercises();
    switch (Route_Timer_Check(Current_Panel, Audition_Playing)) {
      case Tick_Action::Key_Char_Time_And_Speed: Call(e.Update_Key_Char_Time_And_Speed, form); break;
      case Tick_Action::Audition_Time: Call(e.Update_Audition_Time, form); break;
      case Tick_Action::Article_Page_Time: Call(e.Update_Article_Page_Time, form); break;
      case Tick_Action::Police_Balk_Wait: Call(e.Update_Police_Balk_Wait, form); break;
      case Tick_Action::Out_Speed_Test_Time: Call(e.Update_Out_Speed_Test_Time, form); break;
      case Tick_Action::In_Speed_Test_Time: Call(e.Update_In_Speed_Test_Time, form); break;
      case Tick_Action::Word_Time_And_Speed: Call(e.Update_Word_Time_And_Speed, form); break;
      case Tick_Action::Wubi_Time_And_Speed: Call(e.Update_Wubi_Time_And_Speed, form); break;
      case Tick_Action::None: break;
    }
  });
}

void Dispatch_Timer_Move_Picture(forms::Form& form) {
  Run_Tick([&] {
    Exercise_Entries& e = Exercises();
    switch (Route_Timer_Move_Picture(Current_Panel)) {
      case Sprite_Action::Police: Call(e.Switch_Police_Sprite, form); break;
      case Sprite_Action::Apple: Call(e.Switch_Apple_Sprite, form); break;
      case Sprite_Action::Frog: Call(e.Switch_Frog_Sprite, form); break;
      case Sprite_Action::None: break;
    }
  });
}

}  // namespace quillon
