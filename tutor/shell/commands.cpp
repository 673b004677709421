#include "shell/commands.h"

#include <shellapi.h>

#include "services/globals.h"
#include "services/lesson_lines.h"
#include "services/screens.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "shell/command_tables.h"
#include "shell/function_bar.h"
#include "shell/key_routing.h"
#include "shell/main_form.h"
#include "shell/panel_slides.h"
#include "shell/about_box.h"
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
  // Wine's help program starts hidden and leaves HELP_FORCEFILE unanswered; asking for the
  // contents topic then shows the file there, as Windows' help program does on HELP_FORCEFILE.
  WinHelpA(owner, file.c_str(), HELP_CONTENTS, 0);
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
bool Change_Screen(forms::Form& form, Panel_Id panel, const std::function<void()>& set_up) {
  try {
    Move_Panel_Out(form, Number(panel));
    set_up();
    Move_Panel_In(form, Number(panel));
    return true;
  } catch (...) {
    Panel_Moving = false;
    forms::Show_Error_Box(forms::Current_Error_Text());
    return false;
  }
}

// An item's choice hides its menu; Open_PopMenu keeps its value until the next Close_PopMenu,
// which hands the selected look back to the screen's button.
void Hide_Menu_Box(forms::Form& form, Menu menu) {
  form.Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", Number(menu)).Set_Visible(false);
}

// The dictation refusal without a sound card; false when refused.
bool Dictation_Possible() {
  if (Sound_Card_Present) return true;
  forms::Message_Box(nullptr, "您的计算机未安装声卡或声卡不能正常发声！\r\r该项练习初始化失败！",
                     "无法播放声音", MB_OK | MB_ICONSTOP);
  return false;
}

// The Chinese menu's own preparation, after the stop.
void Prepare_Chinese_Page(forms::Form& form) {
  form.Get<forms::Picture_Box>("Picture_Article_BG_1").Set_Left(0);
  form.Get<forms::Picture_Box>("Picture_Article_BG_2").Set_Left(0);
  Current_Language = 1;
  Text_End_Reached = false;
  Text_End_Time = 0;
  Find_Chinese_IME();
}

// What each drop-down menu's items have in common.
struct Menu_Row {
  Menu menu;
  Function_Button button;             // Screen_Function_Module of the screens it opens
  bool click_always;                  // the click sound also under Direct_Command
  bool item_first;                    // an item without a screen does nothing at all
  void (*after_stop)(forms::Form&);   // the menu's own preparation after the stop
};
constexpr Menu_Row kMenuRows[] = {
    {Menu::English_Type, Function_Button::English_Type, false, false, nullptr},
    {Menu::Chinese_Type, Function_Button::Chinese_Type, false, false, Prepare_Chinese_Page},
    {Menu::Game, Function_Button::Game, false, true, nullptr},
    {Menu::Speed_Test, Function_Button::Speed_Test, false, false, nullptr},
    {Menu::Other_Function, Function_Button::Other_Functions, true, false, nullptr},
};

const Menu_Row* Menu_Row_Of(Menu menu) {
  for (const Menu_Row& r : kMenuRows)
    if (r.menu == menu) return &r;
  return nullptr;
}

// Opens a screen: stop what runs, record the exercise and the function-bar screen, slide the
// panel on show out, set up the new page, slide its panel in and start it.
void Open_Screen(forms::Form& form, const Screen& screen, const Screen_Opening& opening,
                 Function_Button button, void (*after_stop)(forms::Form&)) {
  Screen_Function_Module = Number(button);
  Stop_Current_Exercise(form);
  if (after_stop) after_stop(form);
  Current_Exercise_Kind = Number(screen.kind);
  if (screen.quiet_slide) No_Move_Sound = true;
  const Panel_Id panel = screen.choose_panel ? screen.choose_panel() : screen.panel;
  const bool changed = Change_Screen(form, panel, [&] {
    if (opening.choose && !opening.choose_after_page) opening.choose();
    Call(screen.page, form);
    if (opening.choose && opening.choose_after_page) opening.choose();
  });
  if (changed) {
    if (screen.quiet_slide) Close_Music();
    Call(screen.shown, form);
  }
  if (opening.after_start && (changed || opening.after_start_even_on_failure))
    opening.after_start();
}

void Run_Command(forms::Form& form, Screen_Command command) {
  if (const Form_Entry* entry = Screen_Command_Entry(command)) Call(*entry, form);
}

}  // namespace

// ---- Function bar ----

void Do_Function_Module(forms::Form& form, Function_Button button) {
  if (button == Function_Button::Exit) {
    // The exit always works, also during a change of screen or after a failed one.
    forms::Silent([&] { Prepare_Function_Module_Click(form, Number(button)); });
    Exit_System(form);
    return;
  }
  if (Panel_Moving) return;
  forms::Guarded([&] {
    Prepare_Function_Module_Click(form, Number(button));
    switch (button) {
      case Function_Button::English_Type: Open_Menu(form, Menu::English_Type); break;
      case Function_Button::Chinese_Type: Open_Menu(form, Menu::Chinese_Type); break;
      case Function_Button::Game: Open_Menu(form, Menu::Game); break;
      case Function_Button::Speed_Test: Open_Menu(form, Menu::Speed_Test); break;
      case Function_Button::Other_Functions: Open_Menu(form, Menu::Other_Function); break;
      case Function_Button::Free_Type:
        Enter_Free_Type(form);
        break;
      case Function_Button::Function_Settings: {
        auto& settings = form.Get<forms::Image>("Image_Function_Module", Number(button));
        settings.Set_Enabled(false);
        Run_Command(form, Screen_Command::Show_Form_Control);
        Restore_Function_Module_Picture(form, Number(button));
        settings.Set_Enabled(true);
        break;
      }
      case Function_Button::Help:
        Open_Help_File(form.Hwnd(), Program_Folder() + "\\Quillon.hlp");
        Restore_Function_Module_Picture(form, Number(button));
        break;
      case Function_Button::About:
        Show_About(form, Number(button));
        break;
      case Function_Button::Minimise:
        Restore_Function_Module_Picture(form, Number(button));
        ShowWindow(form.Hwnd(), SW_MINIMIZE);
        break;
      case Function_Button::Exit:
        break;
    }
  });
}

void Do_Function_Module(forms::Form& form, int button) {
  if (button >= Number(Function_Button::English_Type) && button <= Number(Function_Button::Exit))
    Do_Function_Module(form, static_cast<Function_Button>(button));
}

void Open_Menu(forms::Form& form, Menu menu) {
  Open_PopMenu = Number(menu);
  Show_PopMenu(form);
}

void Show_About(forms::Form& form, int button) {
  forms::Guarded([&] { Restore_Function_Module_Picture(form, button); });
  Show_About_Box(form);
}

void Enter_Free_Type(forms::Form& form) {
  if (Panel_Moving) return;
  forms::Guarded([&] {
    Play_Click_Sound();
    const Screen_Opening* opening = nullptr;
    if (const Screen* screen = Screen_Opened_By(Menu_Entry{}, &opening))
      Open_Screen(form, *screen, *opening, Function_Button::Free_Type, nullptr);
  });
}

// ---- Menu items ----

bool Prepare_Menu_Item(forms::Form& form, Menu menu, const Screen* screen) {
  const Menu_Row* row = Menu_Row_Of(menu);
  if (!row) return false;
  const bool needs_sound_card = screen && screen->needs_sound_card;
  if ((row->click_always || !Direct_Command) && !needs_sound_card) Play_Click_Sound();
  Hide_Menu_Box(form, menu);
  Redraw_Selected_Module = false;
  return !needs_sound_card || Dictation_Possible();
}

void Do_Menu_Item(forms::Form& form, Menu menu, int item) {
  // During a slide only the items that change no screen run: the dialogs and pages of the other
  // functions menu, all but the records.
  const bool changes_no_screen =
      menu == Menu::Other_Function && item != Number(Other_Function_Item::Records);
  if (Panel_Moving && !changes_no_screen) return;
  forms::Guarded([&] {
    const Menu_Row* row = Menu_Row_Of(menu);
    if (!row) return;
    const Screen_Opening* opening = nullptr;
    const Screen* screen = Screen_Opened_By(Menu_Entry(menu, item), &opening);
    if (!screen && row->item_first) return;
    if (!Prepare_Menu_Item(form, menu, screen)) return;
    if (screen) {
      Open_Screen(form, *screen, *opening, row->button, row->after_stop);
      return;
    }
    if (menu != Menu::Other_Function) return;
    switch (static_cast<Other_Function_Item>(item)) {
      case Other_Function_Item::System_Settings:
        Run_Command(form, Screen_Command::Show_Form_System_Set);
        break;
      case Other_Function_Item::Tutorial:
        Shell_Open(Program_Folder() + "\\Quillon.chm", SW_SHOWNORMAL);
        break;
      case Other_Function_Item::Web_Site:
        Shell_Open(kMakerWebSite, SW_SHOWNORMAL);
        break;
      case Other_Function_Item::Mail:
        Shell_Open(kMakerMail, SW_SHOWMAXIMIZED);
        break;
      case Other_Function_Item::Records:
        break;
    }
  });
}

void Do_English_Type_Item(forms::Form& form, int item) { Do_Menu_Item(form, Menu::English_Type, item); }
void Do_Chinese_Type_Item(forms::Form& form, int item) { Do_Menu_Item(form, Menu::Chinese_Type, item); }
void Do_Game_Item(forms::Form& form, int item) { Do_Menu_Item(form, Menu::Game, item); }
void Do_Speed_Test_Item(forms::Form& form, int item) { Do_Menu_Item(form, Menu::Speed_Test, item); }
void Do_Other_Function_Item(forms::Form& form, int item) {
  Do_Menu_Item(form, Menu::Other_Function, item);
}

void Enter_User_Record(forms::Form& form) {
  if (Panel_Moving) return;
  forms::Guarded([&] {
    const Screen_Opening* opening = nullptr;
    if (const Screen* screen = Screen_Opened_By(Other_Function_Item::Records, &opening))
      Open_Screen(form, *screen, *opening, Function_Button::Other_Functions, nullptr);
  });
}

// ---- Stopping the exercise on show ----

void Reset_Exercise_Flags() {
  Panel_Keys_Enabled = false;
  No_Move_Sound = false;
  Ignore_Text_Change = true;
  // A dictation recording is no longer awaited: the panel's ticks go back to the articles, and
  // the notice of the closing media control finds nothing to end.
  Audition_Playing = false;
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

bool Check_Hot_Key(forms::Form& form, int key_code, int shift) {
  bool command_key = false;
  forms::Guarded([&] {
    int close_key = Read(kCloseKeyCode);
    int close_shift = Read(kCloseShift);
    Hot_Key_Command command = Find_Hot_Key_Command(key_code, shift, close_key, close_shift);
    command_key = command != Hot_Key_Command::None;
    // During a change of screen only the exit acts, as on the function bar.
    if (Panel_Moving && !Runs_During_Slide(command)) return;
    switch (command) {
      case Hot_Key_Command::Exit: Do_Function_Module(form, Function_Button::Exit); break;
      case Hot_Key_Command::Minimise: Do_Function_Module(form, Function_Button::Minimise); break;
      case Hot_Key_Command::About: Do_Function_Module(form, Function_Button::About); break;
      case Hot_Key_Command::Help: Do_Function_Module(form, Function_Button::Help); break;
      case Hot_Key_Command::Tutorial:
        Do_Menu_Item(form, Menu::Other_Function, Number(Other_Function_Item::Tutorial));
        break;
      case Hot_Key_Command::Function_Settings:
        Do_Function_Module(form, Function_Button::Function_Settings);
        break;
      case Hot_Key_Command::System_Settings:
        Do_Menu_Item(form, Menu::Other_Function, Number(Other_Function_Item::System_Settings));
        break;
      case Hot_Key_Command::Records: {
        Raised direct(Direct_Command);
        Do_Function_Module(form, Function_Button::Other_Functions);
        Do_Menu_Item(form, Menu::Other_Function, Number(Other_Function_Item::Records));
        break;
      }
      case Hot_Key_Command::None: break;
    }
  });
  return command_key;
}

}  // namespace quillon
