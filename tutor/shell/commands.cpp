#include "shell/commands.h"

#include <shellapi.h>

#include "courses/lesson_lines.h"
#include "shell/command_tables.h"
#include "shell/exercise_entries.h"
#include "shell/function_bar.h"
#include "shell/globals.h"
#include "shell/key_routing.h"
#include "shell/main_form.h"
#include "shell/panel_slides.h"
#include "shell/sounds.h"
#include "shell/standins.h"
#include "shell/startup.h"

namespace quillon {

Outside_Calls& Outside() {
  static Outside_Calls calls;
  return calls;
}

namespace {

void Open_Help_File(HWND owner, const std::string& file) {
  if (Outside().Open_Help) {
    Outside().Open_Help(owner, file);
    return;
  }
  // The result is not examined: a missing help file shows only what the help program shows.
  WinHelpA(owner, file.c_str(), HELP_FORCEFILE, 8);
}

void Shell_Open(const std::string& target, int show) {
  if (Outside().Shell_Open) {
    Outside().Shell_Open(target, show);
    return;
  }
  ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, show);
}

// One change of screen: slide the panel on show out, set up the new page, slide panel p in.
// A failure on the way is reported and ends the change; the slide flag is cleared so that the
// program keeps taking commands.
bool Change_Screen(forms::Form& form, int panel, const std::function<void()>& set_up) {
  try {
    Move_Panel_Out(form, panel);
    set_up();
    Move_Panel_In(form, panel);
    return true;
  } catch (...) {
    Panel_Moving = false;
    forms::Show_Error_Box(forms::Current_Error_Text());
    return false;
  }
}

int Article_Lesson_Setting() {
  return forms::Tutor_Settings::Get_Int("Setting\\Article", "Lesson", 5);
}

// An item's choice hides its menu; Open_PopMenu keeps its value until the next Close_PopMenu,
// which hands the selected look back to the screen's button.
void Hide_Menu_Box(forms::Form& form, int menu) {
  form.Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", menu).Set_Visible(false);
}

// The dictation refusal without a sound card; false when refused.
bool Dictation_Possible() {
  if (Sound_Card_Present) return true;
  forms::Message_Box(nullptr, "您的计算机未安装声卡或声卡不能正常发声！\r\r该项练习初始化失败！",
                     "无法播放声音", MB_OK | MB_ICONSTOP);
  return false;
}

}  // namespace

// ---- Function bar ----

void Do_Function_Module(forms::Form& form, int button) {
  if (button == 10) {
    // The exit always works, also during a change of screen or after a failed one.
    forms::Silent([&] { Prepare_Function_Module_Click(form, button); });
    Exit_System(form);
    return;
  }
  if (Panel_Moving) return;
  forms::Guarded([&] {
    Prepare_Function_Module_Click(form, button);
    switch (button) {
      case 0: case 1: case 3: case 4: case 5: {
        static const int kMenuOfButton[] = {0, 1, -1, 2, 3, 4};
        Open_PopMenu = kMenuOfButton[button];
        Show_PopMenu(form);
        break;
      }
      case 2:
        Enter_Free_Type(form);
        break;
      case 6: {
        auto& button6 = form.Get<forms::Image>("Image_Function_Module", 6);
        button6.Set_Enabled(false);
        Call(Exercises().Show_Form_Control, form);
        Restore_Function_Module_Picture(form, 6);
        button6.Set_Enabled(true);
        break;
      }
      case 7:
        Open_Help_File(form.Hwnd(), Program_Folder() + "\\Quillon.hlp");
        Restore_Function_Module_Picture(form, 7);
        break;
      case 8:
        Show_About(form, button);
        break;
      case 9:
        Restore_Function_Module_Picture(form, 9);
        ShowWindow(form.Hwnd(), SW_MINIMIZE);
        break;
      default:
        break;
    }
  });
}

void Show_About(forms::Form& form, int button) {
  forms::Guarded([&] {
    Restore_Function_Module_Picture(form, button);
    form.Hide();
    Play_Music(Program_Folder() + "\\Music\\bg2.wav");
    forms::Tutor_Settings::Save("Setting\\System", "About Flag", "1");
    if (Current_Panel == 3) Main_Timer("Timer_Game_Police").Set_Enabled(false);
    Form_About().Show();
  });
}

void Enter_Free_Type(forms::Form& form) {
  if (Panel_Moving) return;
  forms::Guarded([&] {
    Play_Click_Sound();
    Screen_Function_Module = 2;
    Stop_Current_Exercise(form);
    Current_Exercise_Kind = 11;
    Change_Screen(form, 2, [&] { Call(Exercises().Initialize_Free_Type_Page, form); });
  });
}

// ---- Menu-item preparations ----

bool Prepare_English_Type_Item(forms::Form& form, int item) {
  if (!Direct_Command && item != 3) Play_Click_Sound();
  Hide_Menu_Box(form, 0);
  Redraw_Selected_Module = false;
  if (item == 3 && !Dictation_Possible()) return false;
  Screen_Function_Module = 0;
  Stop_Current_Exercise(form);
  return true;
}

bool Prepare_Chinese_Type_Item(forms::Form& form, int item) {
  if (!Direct_Command && item != 2) Play_Click_Sound();
  Hide_Menu_Box(form, 1);
  Redraw_Selected_Module = false;
  if (item == 2 && !Dictation_Possible()) return false;
  Screen_Function_Module = 1;
  Stop_Current_Exercise(form);
  form.Get<forms::Picture_Box>("Picture_Article_BG_1").Set_Left(0);
  form.Get<forms::Picture_Box>("Picture_Article_BG_2").Set_Left(0);
  Current_Language = 1;
  Text_End_Reached = false;
  Text_End_Time = 0;
  Find_Chinese_IME();
  return true;
}

void Prepare_Game_Item(forms::Form& form, int) {
  if (!Direct_Command) Play_Click_Sound();
  Hide_Menu_Box(form, 2);
  Redraw_Selected_Module = false;
  Screen_Function_Module = 3;
  Stop_Current_Exercise(form);
}

void Prepare_Speed_Test_Item(forms::Form& form, int) {
  if (!Direct_Command) Play_Click_Sound();
  Hide_Menu_Box(form, 3);
  Redraw_Selected_Module = false;
  Screen_Function_Module = 4;
  Stop_Current_Exercise(form);
  Current_Exercise_Kind = 10;
}

void Prepare_Other_Function_Item(forms::Form& form, int) {
  Play_Click_Sound();
  Hide_Menu_Box(form, 4);
  Redraw_Selected_Module = false;
}

// ---- Menu items ----

void Do_English_Type_Item(forms::Form& form, int item) {
  if (Panel_Moving) return;
  forms::Guarded([&] {
    if (!Prepare_English_Type_Item(form, item)) return;
    Exercise_Entries& e = Exercises();
    switch (item) {
      case 0:
        Current_Exercise_Kind = 0;
        if (Change_Screen(form, 0, [&] { Call(e.Initialize_Key_Char_Page, form); }))
          Call(e.Start_Key_Char_Lesson, form);
        break;
      case 1:
        Current_Exercise_Kind = 1;
        if (Change_Screen(form, 9, [&] { Call(e.Initialize_Word_Page, form); }))
          Call(e.Start_Word_Lesson, form);
        break;
      case 2:
        Current_Exercise_Kind = 2;
        if (Change_Screen(form, 1, [&] {
              Current_Language = 0;
              Article_Lesson = Article_Lesson_Setting();
              Lesson_Folder = English_Article_Folder(Article_Lesson);
              Call(e.Initialize_English_Article_Page, form);
            }))
          Call(e.Start_English_Article_Lesson, form);
        break;
      case 3:
        Current_Language = 0;
        Lesson_Folder = English_Audition_Folder();
        Enter_Audition(form);
        break;
      default:
        break;
    }
  });
}

void Do_Chinese_Type_Item(forms::Form& form, int item) {
  if (Panel_Moving) return;
  forms::Guarded([&] {
    if (!Prepare_Chinese_Type_Item(form, item)) return;
    Exercise_Entries& e = Exercises();
    switch (item) {
      case 0: {
        Current_Exercise_Kind = 4;
        int method = forms::Tutor_Settings::Get_Int("Setting\\Chinese\\Wubi", "Type Method", 2);
        int panel = Wubi_Panel(method);
        if (Change_Screen(form, panel, [&] {
              Call(e.Initialize_Wubi_Page, form);
              if (method == 2) {
                Lesson_Folder = Wubi_Line_Folder();
              } else {
                Article_Lesson = Article_Lesson_Setting();
                Lesson_Folder = Chinese_Article_Folder(Article_Lesson);
              }
            })) {
          Call(e.Start_Wubi_Lesson, form);
          Switch_To_Wubi_IME();
        }
        break;
      }
      case 1:
        Current_Exercise_Kind = 5;
        if (Change_Screen(form, 1, [&] {
              Article_Lesson = Article_Lesson_Setting();
              Lesson_Folder = Chinese_Article_Folder(Article_Lesson);
              Call(e.Initialize_PinYin_Page, form);
            })) {
          Call(e.Start_PinYin_Lesson, form);
          Switch_To_PinYin_IME();
        }
        break;
      case 2:
        Lesson_Folder = Chinese_Audition_Folder();
        Enter_Audition(form);
        Audition_IME_Index = forms::Tutor_Settings::Get_Int("Setting\\Audition", "Index", 1);
        if (Audition_IME_Index == 0) Switch_To_Wubi_IME();
        else if (Audition_IME_Index == 1) Switch_To_PinYin_IME();
        break;
      default:
        break;
    }
  });
}

void Do_Game_Item(forms::Form& form, int item) {
  if (Panel_Moving) return;
  forms::Guarded([&] {
    if (item < 0 || item > 3) return;
    Prepare_Game_Item(form, item);
    Exercise_Entries& e = Exercises();
    const Form_Entry* loads[] = {&e.Load_Police_Game_Panel, &e.Load_Apple_Game_Panel,
                                 &e.Load_Mouse_Game_Panel, &e.Load_Frog_Game_Panel};
    const Form_Entry* pages[] = {&e.Initialize_Police_Game_Page, &e.Initialize_Apple_Game_Page,
                                 &e.Initialize_Mouse_Game_Page, &e.Initialize_Frog_Game_Page};
    Current_Exercise_Kind = 6 + item;
    if (Change_Screen(form, 3 + item, [&] { Call(*loads[item], form); }))
      Call(*pages[item], form);
  });
}

void Do_Speed_Test_Item(forms::Form& form, int item) {
  if (Panel_Moving) return;
  forms::Guarded([&] {
    Prepare_Speed_Test_Item(form, item);
    Exercise_Entries& e = Exercises();
    if (item == 0)
      Change_Screen(form, 7, [&] { Call(e.Initialize_Out_Speed_Test_Page, form); });
    else if (item == 1)
      Change_Screen(form, 8, [&] { Call(e.Initialize_In_Speed_Test_Page, form); });
  });
}

void Do_Other_Function_Item(forms::Form& form, int item) {
  // Only the records change the screen; the dialogs and pages of the other items open any time.
  if (Panel_Moving && item == 1) return;
  forms::Guarded([&] {
    Prepare_Other_Function_Item(form, item);
    switch (item) {
      case 0:
        Call(Exercises().Show_Form_System_Set, form);
        break;
      case 1:
        Enter_User_Record(form);
        break;
      case 2:
        Shell_Open(Program_Folder() + "\\Quillon.chm", SW_SHOWNORMAL);
        break;
      case 3:
        Shell_Open(kMakerWebSite, SW_SHOWNORMAL);
        break;
      case 4:
        Shell_Open(kMakerMail, SW_SHOWMAXIMIZED);
        break;
      default:
        break;
    }
  });
}

void Enter_Audition(forms::Form& form) {
  forms::Guarded([&] {
    Current_Exercise_Kind = 3;
    No_Move_Sound = true;
    if (!Change_Screen(form, 1, [&] { Call(Exercises().Initialize_Audition_Page, form); }))
      return;
    Close_Music();
    Call(Exercises().Start_Audition_Lesson, form);
  });
}

void Enter_User_Record(forms::Form& form) {
  if (Panel_Moving) return;
  forms::Guarded([&] {
    Stop_Current_Exercise(form);
    Screen_Function_Module = 5;
    Current_Exercise_Kind = 10;
    if (Change_Screen(form, 11, [&] { Call(Exercises().Initialize_Record_Grid, form); }))
      Call(Exercises().Load_Records, form);
  });
}

// ---- Stopping the exercise on show ----

void Reset_Exercise_Flags() {
  Panel_Keys_Enabled = false;
  No_Move_Sound = false;
  Ignore_Text_Change = true;
}

void Disable_Exercise_Timers(forms::Form& form) {
  (void)form;
  for (const char* name : {"Timer_Check", "Timer_Free_Type", "Timer_Game_Police",
                           "Timer_Move_Picture", "Timer_Game_Pig_Control", "Timer_Game_Pig_Move"})
    Main_Timer(name).Set_Enabled(false);
  Apple_Game_Stop = true;
  Main_Timer("Timer_Game_Mouse_Control").Set_Enabled(false);
  Main_Timer("Timer_Game_Mouse_Show").Set_Enabled(false);
  Mouse_Game_Stop = true;
}

void Clear_Session_Arrays() {
  auto shrink = [](auto& array) {
    if (array.Upper() > 1) array.Redim(1);
  };
  shrink(Speed_Curve_Samples);
  shrink(In_Test_Source_Chars);
  shrink(Word_Char);
  shrink(Word_Explain_Char);
  shrink(Article_Char);
  shrink(Article_Line_Char);
  shrink(Char_Right_Mark);
  Shrink_Lesson_Lines();
}

void Stop_All_Sounds() {
  Stop_Sound();
  Close_Music();
}

void Stop_Current_Exercise(forms::Form& form) {
  forms::Guarded([&] {
    Reset_Exercise_Flags();
    Disable_Exercise_Timers(form);
    Clear_Session_Arrays();
    Stop_All_Sounds();
    Switch_To_English_Layout();
    Forget_Tick_Error();
  });
}

// ---- Command keys ----

void Check_Hot_Key(forms::Form& form, int key_code, int shift) {
  forms::Guarded([&] {
    int close_key =
        forms::Tutor_Settings::Get_Int("Setting\\System\\Close System", "KeyCode", 123);
    int close_shift = forms::Tutor_Settings::Get_Int("Setting\\System\\Close System", "Shift", 0);
    Hot_Key_Command command = Find_Hot_Key_Command(key_code, shift, close_key, close_shift);
    // During a change of screen only the exit acts, as on the function bar.
    if (Panel_Moving && !Runs_During_Slide(command)) return;
    switch (command) {
      case Hot_Key_Command::Exit: Do_Function_Module(form, 10); break;
      case Hot_Key_Command::Minimise: Do_Function_Module(form, 9); break;
      case Hot_Key_Command::About: Do_Function_Module(form, 8); break;
      case Hot_Key_Command::Help: Do_Function_Module(form, 7); break;
      case Hot_Key_Command::Tutorial: Do_Other_Function_Item(form, 2); break;
      case Hot_Key_Command::Function_Settings: Do_Function_Module(form, 6); break;
      case Hot_Key_Command::System_Settings: Do_Other_Function_Item(form, 0); break;
      case Hot_Key_Command::Records:
        Direct_Command = true;
        try {
          Do_Function_Module(form, 5);
          Do_Other_Function_Item(form, 1);
        } catch (...) {
          Direct_Command = false;
          throw;
        }
        Direct_Command = false;
        break;
      case Hot_Key_Command::None: break;
    }
  });
}

}  // namespace quillon
