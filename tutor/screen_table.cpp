#include "screen_table.h"

#include "courses/article_page.h"
#include "courses/audition_page.h"
#include "courses/key_char_page.h"
#include "courses/word_page.h"
#include "courses/wubi_page.h"
#include "forms/forms.h"
#include "freetype/speed_test_pages.h"
#include "freetype/free_type_screen.h"
#include "games/frog_page.h"
#include "games/game_pages.h"
#include "services/screens.h"
#include "services/tutor_settings.h"
#include "settings/settings_dialogs.h"
#include "shell/command_tables.h"
#include "services/globals.h"
#include "shell/standins.h"

namespace quillon {

namespace {

// ---- The menu items' own choices: language, lesson folder, input method ----


void Choose_English_Article() {
  Current_Language = 0;
  Article_Lesson = Read(kArticleLesson);
  Lesson_Folder = English_Article_Folder(Article_Lesson);
}
void Choose_English_Audition() {
  Current_Language = 0;
  Lesson_Folder = English_Audition_Folder();
}
void Choose_Chinese_Article() {
  Article_Lesson = Read(kArticleLesson);
  Lesson_Folder = Chinese_Article_Folder(Article_Lesson);
}
void Choose_Chinese_Audition() { Lesson_Folder = Chinese_Audition_Folder(); }
void Choose_Wubi_Folder() {
  if (Read(kWubiTypeMethod) == 2) Lesson_Folder = Wubi_Line_Folder();
  else Choose_Chinese_Article();
}
Panel_Id Choose_Wubi_Panel() { return Wubi_Panel(Read(kWubiTypeMethod)); }
void Switch_To_Audition_IME() {
  Audition_IME_Index = Read(kAuditionIndex);
  if (Audition_IME_Index == 0) Switch_To_Wubi_IME();
  else if (Audition_IME_Index == 1) Switch_To_PinYin_IME();
}

constexpr Key_Rules kEnterStarts{Start_Key::Enter, Screen_Keys::None, Screen_Keys::None};

// ---- The rows ----

std::vector<Screen> All_Screens() {
  std::vector<Screen> rows;
  auto row = [&rows](Screen s) { rows.push_back(std::move(s)); };

  row({.name = "keys", .kind = Exercise_Kind::Keys, .panel = Panel_Id::Keys,
       .openings = {{English_Type_Item::Keys}},
       .page = Initialize_Key_Char_Page, .shown = Start_Key_Char_Lesson,
       .start = Start_Key_Char_Practice,
       .keys = {Start_Key::Any, Screen_Keys::None, Screen_Keys::Note_Ctrl},
       .key_press = Key_Char_Key_Press, .key_up = Ask_Key_Char_Line_Retry,
       .tick = Update_Key_Char_Time_And_Speed, .design = Design_Key_Char_Page,
       .page_reset = Reset_Key_Char_Button_Picture});
  row({.name = "words", .kind = Exercise_Kind::Words, .panel = Panel_Id::Words,
       .openings = {{English_Type_Item::Words}},
       .page = Initialize_Word_Page, .shown = Start_Word_Lesson,
       .keys = {Start_Key::None, Screen_Keys::Note_Ctrl, Screen_Keys::Note_Ctrl},
       .tick = Update_Word_Time_And_Speed, .design = Design_Word_Page});
  row({.name = "English article", .kind = Exercise_Kind::English_Article, .panel = Panel_Id::Article,
       .openings = {{English_Type_Item::Article, Choose_English_Article}},
       .page = Initialize_English_Article_Page, .shown = Start_English_Article_Lesson,
       .tick = Update_Article_Page_Time, .design = Design_Article_Page});
  row({.name = "dictation", .kind = Exercise_Kind::Audition, .panel = Panel_Id::Article,
       .claims_panel = [] { return Audition_Playing; }, .needs_sound_card = true,
       .quiet_slide = true,
       .openings = {{English_Type_Item::Audition, Choose_English_Audition},
                    {Chinese_Type_Item::Audition, Choose_Chinese_Audition, Switch_To_Audition_IME,
                     false, true}},
       .page = Initialize_Audition_Page, .shown = Start_Audition_Lesson,
       .tick = Update_Audition_Time});
  row({.name = "Wubi", .kind = Exercise_Kind::Wubi, .panel = Panel_Id::Wubi_Lines,
       .choose_panel = Choose_Wubi_Panel,
       .openings = {{Chinese_Type_Item::Wubi, Choose_Wubi_Folder, Switch_To_Wubi_IME, true}},
       .page = Initialize_Wubi_Page, .shown = Start_Wubi_Lesson,
       .tick = Update_Wubi_Time_And_Speed, .design = Design_Wubi_Page});
  row({.name = "PinYin", .kind = Exercise_Kind::PinYin, .panel = Panel_Id::Article,
       .openings = {{Chinese_Type_Item::PinYin, Choose_Chinese_Article, Switch_To_PinYin_IME}},
       .page = Initialize_PinYin_Page, .shown = Start_PinYin_Lesson,
       .tick = Update_Article_Page_Time});
  row({.name = "police", .kind = Exercise_Kind::Police, .panel = Panel_Id::Police,
       .openings = {{Game_Item::Police}},
       .page = Load_Police_Game_Panel, .shown = Initialize_Police_Game_Page,
       .start = Start_Police_Game, .keys = kEnterStarts, .tick = Update_Police_Balk_Wait,
       .move_picture = Switch_Police_Sprite, .design = Design_Police_Game_Page,
       .page_reset = Reset_Police_Button_Picture});
  row({.name = "balloons", .kind = Exercise_Kind::Apple, .panel = Panel_Id::Apple,
       .openings = {{Game_Item::Apple}},
       .page = Load_Apple_Game_Panel, .shown = Initialize_Apple_Game_Page,
       .start = Start_Apple_Game,
       .keys = {Start_Key::Enter, Screen_Keys::None, Screen_Keys::All_But_Enter},
       .key_down = Apple_Game_Key_Down, .move_picture = Switch_Apple_Sprite,
       .design = Design_Apple_Game_Page, .page_reset = Reset_Apple_Button_Picture});
  row({.name = "mouse", .kind = Exercise_Kind::Mouse, .panel = Panel_Id::Mouse,
       .openings = {{Game_Item::Mouse}},
       .page = Load_Mouse_Game_Panel, .shown = Initialize_Mouse_Game_Page,
       .start = Start_Mouse_Game,
       .keys = {Start_Key::Enter, Screen_Keys::None, Screen_Keys::All_But_Enter},
       .key_down = Mouse_Game_Key_Down, .design = Design_Mouse_Game_Page,
       .page_reset = Reset_Mouse_Button_Picture});
  row({.name = "frog", .kind = Exercise_Kind::Frog, .panel = Panel_Id::Frog,
       .openings = {{Game_Item::Frog}},
       .page = Load_Frog_Game_Panel, .shown = Initialize_Frog_Game_Page,
       .start = Start_Frog_Game, .keys = {Start_Key::Enter, Screen_Keys::None, Screen_Keys::All},
       .key_down = Frog_Game_Key_Down, .move_picture = Switch_Frog_Sprite,
       .design = Design_Frog_Game_Page, .page_reset = Reset_Frog_Button_Picture});
  row({.name = "paper test", .kind = Exercise_Kind::Speed_Test, .panel = Panel_Id::Out_Test,
       .openings = {{Speed_Test_Item::Out_Test}},
       .page = Initialize_Out_Speed_Test_Page, .tick = Update_Out_Speed_Test_Time,
       .design = Design_Out_Speed_Test_Page});
  row({.name = "screen test", .kind = Exercise_Kind::Speed_Test, .panel = Panel_Id::In_Test,
       .openings = {{Speed_Test_Item::In_Test}},
       .page = Initialize_In_Speed_Test_Page, .tick = Update_In_Speed_Test_Time,
       .design = Design_In_Speed_Test_Page});
  row({.name = "records", .kind = Exercise_Kind::Speed_Test, .panel = Panel_Id::Records,
       .openings = {{Other_Function_Item::Records}},
       .page = Initialize_Record_Grid, .shown = Load_Records, .design = Design_Record_Page});
  row({.name = "free typing", .kind = Exercise_Kind::Free_Type, .panel = Panel_Id::Free_Type,
       .openings = {{Menu_Entry{}}},  // the function bar's free-typing button
       .page = Initialize_Free_Type_Page, .start = Start_Free_Type_By_Key, .keys = kEnterStarts,
       .design = Design_Free_Type_Page});
  row({.name = "settings",
       .commands = {{Screen_Command::Show_Form_Control, Show_Form_Control},
                    {Screen_Command::Show_Form_System_Set, Show_Form_System_Set}}});
  return rows;
}

}  // namespace

void Register_All_Screens() {
  for (Screen& s : All_Screens()) Register_Screen(std::move(s));
}

}  // namespace quillon
