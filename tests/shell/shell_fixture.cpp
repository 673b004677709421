#include "shell_fixture.h"

namespace quillon {

bool Pump_Until(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    forms::Do_Events();
    Sleep(5);
  }
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
  Outside() = Outside_Calls{};
}

void Shell_Test::Record_All_Entries() {
  Exercise_Entries& e = Exercises();
  auto rec = [this](const char* name) {
    return [this, name](forms::Form&) { calls.push_back(name); };
  };
  auto rec_key = [this](const char* name) {
    return [this, name](forms::Form&, int key) {
      calls.push_back(std::string(name) + " " + std::to_string(key));
    };
  };
#define REC(n) e.n = rec(#n)
#define REC_KEY(n) e.n = rec_key(#n)
  REC(Initialize_Key_Char_Page); REC(Start_Key_Char_Lesson); REC(Start_Key_Char_Practice);
  REC(Update_Key_Char_Time_And_Speed); REC(Ask_Key_Char_Line_Retry); REC_KEY(Key_Char_Key_Press);
  REC(Initialize_Word_Page); REC(Start_Word_Lesson); REC(Update_Word_Time_And_Speed);
  REC(Initialize_Wubi_Page); REC(Start_Wubi_Lesson); REC(Update_Wubi_Time_And_Speed);
  REC(Initialize_English_Article_Page); REC(Start_English_Article_Lesson);
  REC(Initialize_PinYin_Page); REC(Start_PinYin_Lesson); REC(Initialize_Audition_Page);
  REC(Start_Audition_Lesson); REC(Update_Article_Page_Time); REC(Update_Audition_Time);
  REC(Initialize_Free_Type_Page); REC(Start_Free_Type); REC(Initialize_Out_Speed_Test_Page);
  REC(Initialize_In_Speed_Test_Page); REC(Update_Out_Speed_Test_Time);
  REC(Update_In_Speed_Test_Time); REC(Initialize_Record_Grid); REC(Load_Records);
  REC(Load_Police_Game_Panel); REC(Load_Apple_Game_Panel); REC(Load_Mouse_Game_Panel);
  REC(Load_Frog_Game_Panel); REC(Initialize_Police_Game_Page); REC(Initialize_Apple_Game_Page);
  REC(Initialize_Mouse_Game_Page); REC(Initialize_Frog_Game_Page); REC(Start_Police_Game);
  REC(Start_Apple_Game); REC(Start_Mouse_Game); REC(Start_Frog_Game); REC(Switch_Police_Sprite);
  REC(Switch_Apple_Sprite); REC(Switch_Frog_Sprite); REC(Update_Police_Balk_Wait);
  REC_KEY(Apple_Game_Key_Down); REC_KEY(Mouse_Game_Key_Down); REC_KEY(Frog_Game_Key_Down);
  REC(Show_Form_Control); REC(Show_Form_System_Set);
#undef REC
#undef REC_KEY
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
