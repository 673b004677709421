#include "shell_fixture.h"

namespace quillon {

bool Pump_Until(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  return testkit::Wait_Until(done, limit, [] { forms::Do_Events(); });
}

void Shell_Test::SetUp() {
  Set_Program_Folder(testkit::Tutor_Folder());
  forms::Set_Message_Box_Function(
      [this](HWND, const std::string& text, const std::string& title, UINT flags) {
        boxes.push_back({text, title, flags});
        return IDOK;
      });
  Set_Exit_Function([this] { ++exits; });
  Set_Beep_Function([this] { ++beeps; });
  Set_Picture_Box_Function([this](Picture_Box_Kind kind) { picture_boxes.push_back(kind); });
  Outside().Open_Help = [this](HWND, const std::string& file) { helps.push_back(file); };
  Outside().Shell_Open = [this](const std::string& target, int) { shell_opens.push_back(target); };
  Resource_Library_Path = Program_Folder() + "\\Lib\\artpack.dll";
  Sound_Card_Present = false;  // quiet unless a test asks for sound
  Sound_On = BG_Music_On = 1;
  Music_KB_On = 0;
  Move_Step_Num = 5;
  Record_All_Entries();
  form().Load();
}

void Shell_Test::TearDown() {
  // Leave the test desktop's sound device as it started: silent and its file empty.
  Stop_Sound();
  Close_Music();
  Pump_Until([] { return false; }, std::chrono::milliseconds(100));
  testkit::Empty_Sound_Output();
  forms::Set_Message_Box_Function({});
  Set_Exit_Function({});
  Set_Beep_Function({});
  Set_Picture_Box_Function({});
  Outside() = Outside_Calls{};
}

void Shell_Test::Record_All_Entries() {
  Register_All_Screens();
  auto rec = [this](const char* name) {
    return [this, name](forms::Form&) { calls.push_back(name); };
  };
  auto rec_key = [this](const char* name) {
    return [this, name](forms::Form&, int key) {
      calls.push_back(std::string(name) + " " + std::to_string(key));
    };
  };
  // Every entry point of every row records the procedure it stands for.
  struct Entry_Name {
    const char* screen;
    Form_Entry Screen::*entry;
    const char* name;
  };
  const Entry_Name entries[] = {
      {"keys", &Screen::page, "Initialize_Key_Char_Page"},
      {"keys", &Screen::shown, "Start_Key_Char_Lesson"},
      {"keys", &Screen::start, "Start_Key_Char_Practice"},
      {"keys", &Screen::tick, "Update_Key_Char_Time_And_Speed"},
      {"keys", &Screen::key_up, "Ask_Key_Char_Line_Retry"},
      {"words", &Screen::page, "Initialize_Word_Page"},
      {"words", &Screen::shown, "Start_Word_Lesson"},
      {"words", &Screen::tick, "Update_Word_Time_And_Speed"},
      {"Wubi", &Screen::page, "Initialize_Wubi_Page"},
      {"Wubi", &Screen::shown, "Start_Wubi_Lesson"},
      {"Wubi", &Screen::tick, "Update_Wubi_Time_And_Speed"},
      {"English article", &Screen::page, "Initialize_English_Article_Page"},
      {"English article", &Screen::shown, "Start_English_Article_Lesson"},
      {"English article", &Screen::tick, "Update_Article_Page_Time"},
      {"PinYin", &Screen::page, "Initialize_PinYin_Page"},
      {"PinYin", &Screen::shown, "Start_PinYin_Lesson"},
      {"PinYin", &Screen::tick, "Update_Article_Page_Time"},
      {"dictation", &Screen::page, "Initialize_Audition_Page"},
      {"dictation", &Screen::shown, "Start_Audition_Lesson"},
      {"dictation", &Screen::tick, "Update_Audition_Time"},
      {"free typing", &Screen::page, "Initialize_Free_Type_Page"},
      {"free typing", &Screen::start, "Start_Free_Type"},
      {"paper test", &Screen::page, "Initialize_Out_Speed_Test_Page"},
      {"paper test", &Screen::tick, "Update_Out_Speed_Test_Time"},
      {"screen test", &Screen::page, "Initialize_In_Speed_Test_Page"},
      {"screen test", &Screen::tick, "Update_In_Speed_Test_Time"},
      {"records", &Screen::page, "Initialize_Record_Grid"},
      {"records", &Screen::shown, "Load_Records"},
      {"police", &Screen::page, "Load_Police_Game_Panel"},
      {"police", &Screen::shown, "Initialize_Police_Game_Page"},
      {"police", &Screen::start, "Start_Police_Game"},
      {"police", &Screen::tick, "Update_Police_Balk_Wait"},
      {"police", &Screen::move_picture, "Switch_Police_Sprite"},
      {"balloons", &Screen::page, "Load_Apple_Game_Panel"},
      {"balloons", &Screen::shown, "Initialize_Apple_Game_Page"},
      {"balloons", &Screen::start, "Start_Apple_Game"},
      {"balloons", &Screen::move_picture, "Switch_Apple_Sprite"},
      {"mouse", &Screen::page, "Load_Mouse_Game_Panel"},
      {"mouse", &Screen::shown, "Initialize_Mouse_Game_Page"},
      {"mouse", &Screen::start, "Start_Mouse_Game"},
      {"frog", &Screen::page, "Load_Frog_Game_Panel"},
      {"frog", &Screen::shown, "Initialize_Frog_Game_Page"},
      {"frog", &Screen::start, "Start_Frog_Game"},
      {"frog", &Screen::move_picture, "Switch_Frog_Sprite"},
  };
  // The main window is designed without the screens' own controls, as before they arrive, so
  // no page's own reset may run over them either.
  for (Screen& screen : Screens()) {
    screen.design = nullptr;
    screen.page_reset = nullptr;
  }
  for (const Entry_Name& e : entries) Screen_Named(e.screen)->*e.entry = rec(e.name);
  Screen_Named("keys")->key_press = rec_key("Key_Char_Key_Press");
  Screen_Named("keys")->page_reset = rec("Reset_Key_Char_Button_Picture");
  Screen_Named("balloons")->key_down = rec_key("Apple_Game_Key_Down");
  Screen_Named("mouse")->key_down = rec_key("Mouse_Game_Key_Down");
  Screen_Named("frog")->key_down = rec_key("Frog_Game_Key_Down");
  for (auto& [command, entry] : Screen_Named("settings")->commands)
    entry = rec(command == Screen_Command::Show_Form_Control ? "Show_Form_Control"
                                                            : "Show_Form_System_Set");
}

void Shell_Test::Pretend_Exercise_Runs() {
  Main_Timer("Timer_Check").Set_Enabled(true);
  Main_Timer("Timer_Move_Picture").Set_Enabled(true);
  Main_Timer("Timer_Game_Police").Set_Enabled(true);
  Panel_Keys_Enabled = true;
  Ignore_Text_Change = false;
  No_Move_Sound = true;
  Article_Char.Redim(40);
  Word_Char.Redim(12);
  Apple_Game_Stop = Mouse_Game_Stop = false;
}

void Shell_Test::Clear_Settings_Value(const std::string& section, const std::string& key) {
  forms::Tutor_Settings::Delete(section, key);
}

}  // namespace quillon
