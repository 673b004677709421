// Every screen of the tutor drawn on the test desktop with its real fonts: no text is cut at the
// edge of its control. Each screen is also saved as a picture in build\look-shots\ for a person
// to look at.
#include "form_texts.h"
#include "look_fixture.h"

#include "games/game_pages.h"
#include "screen_table.h"
#include "services/picture_boxes.h"
#include "settings/form_control.h"
#include "settings/system_set.h"
#include "services/main_window.h"

namespace quillon {
namespace {

class Screen_Texts : public Look_Test {
 protected:
  void SetUp() override {
    Look_Test::SetUp();
    Register_All_Screens();  // the real screens, not the fixture's recorders
  }
  void TearDown() override {
    Stop_Current_Exercise(form());
    Pump_Until([] { return false; }, std::chrono::milliseconds(100));
    Look_Test::TearDown();
  }
  // Lets the screen settle (slides, first ticks), then measures and photographs it.
  void Check(forms::Form& shown, const std::string& name) {
    Pump_Until([] { return false; }, std::chrono::milliseconds(700));
    const std::vector<testkit::Cut_Text> cuts = Cut_Texts_Of(shown);
    Save_Screen("texts-" + name);
    EXPECT_TRUE(cuts.empty()) << name << ":\n" << testkit::Describe(cuts);
  }
  // Measures a modal window from inside its loop, then closes it.
  void Check_Modal(forms::Form& dialog, const std::string& name, const std::function<void()>& show) {
    bool checked = false;
    Script script({[&] { return dialog.Visible(); },
                   [&] {
                     Check(dialog, name);
                     checked = true;
                     forms::Unload(dialog);
                     return true;
                   }});
    show();
    EXPECT_TRUE(checked) << name;
    EXPECT_FALSE(script.Timed_Out()) << name;
  }
};

TEST_F(Screen_Texts, TheMainWindowAndEveryPageShowTheirTextsWhole) {
  Check(form(), "main");
  struct Page {
    const char* name;
    std::function<void()> open;
  };
  const Page pages[] = {
      {"keys", [&] { Do_English_Type_Item(form(), 0); }},
      {"words", [&] { Do_English_Type_Item(form(), 1); }},
      {"article", [&] { Do_English_Type_Item(form(), 2); }},
      {"dictation", [&] { Do_English_Type_Item(form(), 3); }},
      {"wubi", [&] { Do_Chinese_Type_Item(form(), 0); }},
      {"pinyin", [&] { Do_Chinese_Type_Item(form(), 1); }},
      {"chinese-dictation", [&] { Do_Chinese_Type_Item(form(), 2); }},
      {"free-typing", [&] { Enter_Free_Type(form()); }},
      {"speed-test-0", [&] { Do_Speed_Test_Item(form(), 0); }},
      {"speed-test-1", [&] { Do_Speed_Test_Item(form(), 1); }},
      {"records", [&] { Enter_User_Record(form()); }},
      {"game-0", [&] { Do_Game_Item(form(), 0); }},
      {"game-1", [&] { Do_Game_Item(form(), 1); }},
      {"game-2", [&] { Do_Game_Item(form(), 2); }},
      {"game-3", [&] { Do_Game_Item(form(), 3); }},
  };
  Sound_Card_Present = true;  // dictation opens only with a sound card
  for (const Page& page : pages) {
    page.open();
    Check(form(), page.name);
  }
  Sound_Card_Present = false;
}

TEST_F(Screen_Texts, DialogsMessageBoxesAndTheContextMenuShowTheirTextsWhole) {
  Check_Modal(Form_System_Set(), "system-settings", [&] { Show_Form_System_Set(form()); });
  Check_Modal(Form_Control(), "function-settings", [&] { Show_Form_Control(form()); });
  Check_Modal(Form_Control_Set_Change(), "apply-changes",
              [&] { Form_Control_Set_Change().Show_Modal(form().Hwnd()); });
  Set_Picture_Box_Function({});  // the real boxes
  Check_Modal(Form_Yes(), "box-yes", [] { Show_Form_Yes(); });
  Check_Modal(Form_YesNo(), "box-yes-no", [] { Show_Form_YesNo(); });
  Check_Modal(Form_YesRetryNo(), "box-yes-retry-no", [] { Show_Form_YesRetryNo(); });
  Check_Modal(Form_Game_YesNo(), "box-game-yes-no", [] { Show_Form_Game_YesNo(); });
  Check_Modal(Form_Game_YesRetryNo(), "box-game-yes-retry-no", [] { Show_Form_Game_YesRetryNo(); });

  // The context menu: measured while it is open, then closed.
  std::vector<testkit::Cut_Text> cuts;
  bool measured = false;
  Script script({[&] {
                   HWND menu_window = FindWindowA("#32768", nullptr);
                   if (!menu_window || !IsWindowVisible(menu_window)) return false;
                   HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menu_window, MN_GETHMENU, 0, 0));
                   if (!menu) return false;
                   Pump_Until([] { return false; }, std::chrono::milliseconds(300));
                   testkit::Check_Menu_Texts(menu_window, menu, cuts);
                   Save_Screen("texts-context-menu");
                   measured = true;
                   EndMenu();
                   return true;
                 }});
  Main_Context_Menu();
  EXPECT_TRUE(measured);
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_TRUE(cuts.empty()) << testkit::Describe(cuts);
}

}  // namespace
}  // namespace quillon
