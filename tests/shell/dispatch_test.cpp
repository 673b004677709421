// Command dispatch and exercise switching on the real main window (loaded, not shown).
#include "shell_fixture.h"

#include "shell/command_tables.h"
#include "shell/key_routing.h"
#include "shell/standins.h"

namespace quillon {
namespace {

using Dispatch = Shell_Test;

struct Screen_Case {
  const char* what;
  std::function<void(forms::Form&)> command;
  std::vector<std::string> calls;
  int panel, kind, screen;
  const char* folder;  // nullptr: not checked
};

void Expect_Only_Panel_Shown(int panel) {
  for (int i = 0; i < kPanelCount; ++i)
    EXPECT_EQ(Panel(i).Visible(), i == panel) << "panel " << i;
  EXPECT_EQ(Panel(panel).Left(), 0);
}

TEST_F(Dispatch, EveryScreenCommandStopsTheExerciseAndShowsItsPanel) {
  Sound_Card_Present = true;  // dictation needs a sound card
  Sound_On = BG_Music_On = 0;
  const Screen_Case cases[] = {
      {"keys", [](auto& f) { Do_English_Type_Item(f, 0); },
       {"Initialize_Key_Char_Page", "Start_Key_Char_Lesson"}, 0, 0, 0, nullptr},
      {"words", [](auto& f) { Do_English_Type_Item(f, 1); },
       {"Initialize_Word_Page", "Start_Word_Lesson"}, 9, 1, 0, nullptr},
      {"English article", [](auto& f) { Do_English_Type_Item(f, 2); },
       {"Initialize_English_Article_Page", "Start_English_Article_Lesson"}, 1, 2, 0,
       "\\English\\Article\\5\\"},
      {"English dictation", [](auto& f) { Do_English_Type_Item(f, 3); },
       {"Initialize_Audition_Page", "Start_Audition_Lesson"}, 1, 3, 0, "\\English\\Audition\\"},
      {"Wubi lines", [](auto& f) { Do_Chinese_Type_Item(f, 0); },
       {"Initialize_Wubi_Page", "Start_Wubi_Lesson"}, 10, 4, 1, "\\Chinese\\Wubi\\"},
      {"PinYin", [](auto& f) { Do_Chinese_Type_Item(f, 1); },
       {"Initialize_PinYin_Page", "Start_PinYin_Lesson"}, 1, 5, 1, "\\Chinese\\Article\\5\\"},
      {"Chinese dictation", [](auto& f) { Do_Chinese_Type_Item(f, 2); },
       {"Initialize_Audition_Page", "Start_Audition_Lesson"}, 1, 3, 1, "\\Chinese\\Audition\\"},
      {"police", [](auto& f) { Do_Game_Item(f, 0); },
       {"Load_Police_Game_Panel", "Initialize_Police_Game_Page"}, 3, 6, 3, nullptr},
      {"balloons", [](auto& f) { Do_Game_Item(f, 1); },
       {"Load_Apple_Game_Panel", "Initialize_Apple_Game_Page"}, 4, 7, 3, nullptr},
      {"mouse", [](auto& f) { Do_Game_Item(f, 2); },
       {"Load_Mouse_Game_Panel", "Initialize_Mouse_Game_Page"}, 5, 8, 3, nullptr},
      {"frog", [](auto& f) { Do_Game_Item(f, 3); },
       {"Load_Frog_Game_Panel", "Initialize_Frog_Game_Page"}, 6, 9, 3, nullptr},
      {"paper test", [](auto& f) { Do_Speed_Test_Item(f, 0); },
       {"Initialize_Out_Speed_Test_Page"}, 7, 10, 4, nullptr},
      {"screen test", [](auto& f) { Do_Speed_Test_Item(f, 1); },
       {"Initialize_In_Speed_Test_Page"}, 8, 10, 4, nullptr},
      {"records", [](auto& f) { Do_Other_Function_Item(f, 1); },
       {"Initialize_Record_Grid", "Load_Records"}, 11, 10, 5, nullptr},
      {"free typing", [](auto& f) { Do_Function_Module(f, 2); },
       {"Initialize_Free_Type_Page"}, 2, 11, 2, nullptr},
      {"keys again", [](auto& f) { Do_English_Type_Item(f, 0); },
       {"Initialize_Key_Char_Page", "Start_Key_Char_Lesson"}, 0, 0, 0, nullptr},
  };
  EXPECT_EQ(Current_Panel, kNone);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Pretend_Exercise_Runs();
    calls.clear();
    c.command(form());
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(Current_Panel, c.panel);
    EXPECT_EQ(Current_Exercise_Kind, c.kind);
    EXPECT_EQ(Screen_Function_Module, c.screen);
    if (c.folder) {
      EXPECT_EQ(Lesson_Folder, c.folder);
    }
    Expect_Only_Panel_Shown(c.panel);
    EXPECT_FALSE(Panel_Moving);
    // The old exercise was stopped.
    EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
    EXPECT_FALSE(Main_Timer("Timer_Move_Picture").Enabled());
    EXPECT_FALSE(Main_Timer("Timer_Game_Police").Enabled());
    EXPECT_FALSE(Panel_Keys_Enabled);
    EXPECT_TRUE(Ignore_Text_Change);
    EXPECT_EQ(Article_Char.Upper(), 1);
    EXPECT_EQ(Word_Char.Upper(), 1);
    EXPECT_TRUE(Apple_Game_Stop);
    EXPECT_TRUE(Mouse_Game_Stop);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Dispatch, WubiOnArticlesUsesTheArticlePanelAndStoredCategory) {
  forms::Tutor_Settings::Save("Setting\\Chinese\\Wubi", "Type Method", "0");
  forms::Tutor_Settings::Save("Setting\\Article", "Lesson", "3");
  Do_Chinese_Type_Item(form(), 0);
  forms::Tutor_Settings::Delete("Setting\\Chinese\\Wubi", "Type Method");
  forms::Tutor_Settings::Delete("Setting\\Article", "Lesson");
  EXPECT_EQ(Current_Panel, 1);
  EXPECT_EQ(Lesson_Folder, "\\Chinese\\Article\\3\\");
  EXPECT_EQ(Current_Language, 1);
}

TEST_F(Dispatch, DictationWithoutASoundCardIsRefusedAndTheExerciseGoesOn) {
  Do_Game_Item(form(), 1);
  Pretend_Exercise_Runs();
  calls.clear();
  Sound_Card_Present = false;
  Do_English_Type_Item(form(), 3);
  Do_Chinese_Type_Item(form(), 2);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].title, "无法播放声音");
  EXPECT_EQ(boxes[0].text, "您的计算机未安装声卡或声卡不能正常发声！\r\r该项练习初始化失败！");
  EXPECT_TRUE(boxes[0].flags & MB_ICONSTOP);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(Current_Panel, 4);
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_TRUE(Panel_Keys_Enabled);
}

TEST_F(Dispatch, FunctionBarButtons) {
  Do_Function_Module(form(), 0);
  EXPECT_EQ(Open_PopMenu, 0);
  EXPECT_TRUE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 0).Visible());
  Do_Function_Module(form(), 5);
  EXPECT_EQ(Open_PopMenu, 4);
  EXPECT_FALSE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 0).Visible());
  EXPECT_TRUE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 4).Visible());
  Do_Other_Function_Item(form(), 0);  // the item closes its menu
  EXPECT_FALSE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 4).Visible());
  EXPECT_EQ(calls, std::vector<std::string>{"Show_Form_System_Set"});

  calls.clear();
  Do_Function_Module(form(), 6);
  EXPECT_EQ(calls, std::vector<std::string>{"Show_Form_Control"});
  EXPECT_TRUE(form().Get<forms::Image>("Image_Function_Module", 6).Enabled());

  Do_Function_Module(form(), 7);
  EXPECT_EQ(helps, std::vector<std::string>{Program_Folder() + "\\Quillon.hlp"});

  Do_Other_Function_Item(form(), 2);
  Do_Other_Function_Item(form(), 3);
  Do_Other_Function_Item(form(), 4);
  ASSERT_EQ(shell_opens.size(), 3u);
  EXPECT_EQ(shell_opens[0], Program_Folder() + "\\Quillon.chm");
  EXPECT_EQ(shell_opens[1], kMakerWebSite);
  EXPECT_EQ(shell_opens[2], kMakerMail);

  form().Show();
  Do_Function_Module(form(), 9);
  EXPECT_TRUE(IsIconic(form().Hwnd()));

  EXPECT_EQ(exits, 0);
  Do_Function_Module(form(), 10);
  EXPECT_EQ(exits, 1);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Dispatch, AboutHidesTheWindowHoldsThePoliceAndSaysSoToASecondStart) {
  Do_Game_Item(form(), 0);
  form().Show();
  Main_Timer("Timer_Game_Police").Set_Enabled(true);
  Exercise_Running = true;
  Do_Function_Module(form(), 8);
  EXPECT_FALSE(form().Visible());
  EXPECT_EQ(forms::Tutor_Settings::Get("Setting\\System", "About Flag"), "1");
  EXPECT_FALSE(Main_Timer("Timer_Game_Police").Enabled());
  ASSERT_TRUE(Form_About().Visible());
  forms::Unload(Form_About());
  Pump_Until([] { return Form_Quillon().Visible(); }, std::chrono::seconds(2));
  EXPECT_TRUE(form().Visible());
  EXPECT_EQ(forms::Tutor_Settings::Get("Setting\\System", "About Flag"), "0");
  EXPECT_TRUE(Main_Timer("Timer_Game_Police").Enabled());
}

TEST_F(Dispatch, DuringASlideOnlyTheExitAndTheCommandsThatChangeNoScreenAct) {
  Do_Game_Item(form(), 0);
  calls.clear();
  Panel_Moving = true;
  Do_Function_Module(form(), 2);
  Do_Function_Module(form(), 0);
  Do_Game_Item(form(), 1);
  Do_English_Type_Item(form(), 1);
  Do_Other_Function_Item(form(), 1);
  Check_Hot_Key(form(), 'R', 2);  // Ctrl+R: records
  Check_Hot_Key(form(), 'F', 2);  // Ctrl+F: function settings (through the function bar)
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(shell_opens.empty());
  EXPECT_EQ(Current_Panel, 3);
  EXPECT_EQ(Open_PopMenu, kNone);
  EXPECT_FALSE(Direct_Command);

  // Ctrl+T and Ctrl+F1 change no screen: they run as they would after the slide.
  Check_Hot_Key(form(), 'T', 2);
  EXPECT_EQ(calls, std::vector<std::string>{"Show_Form_System_Set"});
  Check_Hot_Key(form(), VK_F1, 2);
  EXPECT_EQ(shell_opens, std::vector<std::string>{Program_Folder() + "\\Quillon.chm"});
  EXPECT_EQ(Current_Panel, 3);

  Check_Hot_Key(form(), 'Q', 2);
  Check_Hot_Key(form(), VK_F12, 0);
  Check_Hot_Key(form(), VK_F4, 4);
  Do_Function_Module(form(), 10);
  EXPECT_EQ(exits, 4);
  Panel_Moving = false;
}

TEST_F(Dispatch, AFailureBetweenTheSlidesLeavesTheProgramUsable) {
  Exercises().Initialize_Free_Type_Page = [](forms::Form&) {
    throw forms::Runtime_Error(53, "File not found");
  };
  Do_Function_Module(form(), 2);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "File not found!");
  EXPECT_EQ(boxes[0].title, "错误");
  EXPECT_FALSE(Panel_Moving);
  Do_Game_Item(form(), 2);
  EXPECT_EQ(Current_Panel, 5);
  Expect_Only_Panel_Shown(5);
  Check_Hot_Key(form(), 'Q', 2);
  EXPECT_EQ(exits, 1);
}

TEST_F(Dispatch, CommandKeys) {
  Check_Hot_Key(form(), 'R', 2);
  EXPECT_EQ(calls, (std::vector<std::string>{"Initialize_Record_Grid", "Load_Records"}));
  EXPECT_EQ(Current_Panel, 11);
  EXPECT_FALSE(Direct_Command);
  EXPECT_FALSE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 4).Visible());

  calls.clear();
  Check_Hot_Key(form(), 'F', 2);
  Check_Hot_Key(form(), 'T', 2);
  EXPECT_EQ(calls, (std::vector<std::string>{"Show_Form_Control", "Show_Form_System_Set"}));
  Check_Hot_Key(form(), VK_F1, 0);
  EXPECT_EQ(helps.size(), 1u);
  Check_Hot_Key(form(), VK_F1, 2);
  EXPECT_EQ(shell_opens, std::vector<std::string>{Program_Folder() + "\\Quillon.chm"});
  Check_Hot_Key(form(), VK_F1, 1);  // Shift+F1: nothing
  Check_Hot_Key(form(), VK_F1, 6);  // Ctrl+Alt+F1: nothing
  Check_Hot_Key(form(), 'Q', 3);    // Ctrl+Shift+Q: nothing
  EXPECT_EQ(helps.size(), 1u);
  EXPECT_EQ(exits, 0);

  // A stored close key wins over the minimise row.
  forms::Tutor_Settings::Save("Setting\\System\\Close System", "KeyCode", "77");
  forms::Tutor_Settings::Save("Setting\\System\\Close System", "Shift", "2");
  Check_Hot_Key(form(), 'M', 2);
  Check_Hot_Key(form(), VK_F12, 0);  // no longer the close key
  forms::Tutor_Settings::Delete_Section("Setting\\System\\Close System");
  EXPECT_EQ(exits, 1);
  Check_Hot_Key(form(), VK_F12, 0);
  EXPECT_EQ(exits, 2);
}

TEST_F(Dispatch, TheStoredActivationKeyIsGivenToTheMainWindow) {
  form().Show();
  Set_Active_Hot_Key(form());
  EXPECT_EQ(Active_Hot_Key_Of(form()), 120);  // F9
  forms::Tutor_Settings::Save("Setting\\System\\Active System", "KeyCode", "120");
  forms::Tutor_Settings::Save("Setting\\System\\Active System", "Shift", "2");
  Form_Quillon_Activate();
  EXPECT_EQ(Active_Hot_Key_Of(form()), 632);  // Ctrl+F9
  EXPECT_EQ(Active_Shift, 2);
  // The key brings the minimised window back.
  ShowWindow(form().Hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(Pump_Until([&] { return IsIconic(form().Hwnd()) != FALSE; }));
  INPUT keys[4] = {};
  for (auto& k : keys) k.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_CONTROL;
  keys[1].ki.wVk = VK_F9;
  keys[2].ki.wVk = VK_F9;
  keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
  keys[3].ki.wVk = VK_CONTROL;
  keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, keys, sizeof(INPUT));
  EXPECT_TRUE(Pump_Until([&] { return !IsIconic(form().Hwnd()); }, std::chrono::seconds(5)));
  forms::Tutor_Settings::Delete_Section("Setting\\System\\Active System");
  Clear_Active_Hot_Key(form());
  EXPECT_EQ(Active_Hot_Key_Of(form()), 0);
  EXPECT_TRUE(Main_Timer("Timer_Check_System_Focus").Enabled());
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

TEST_F(Dispatch, TheRoadRunsWithTheExercisesAsTheyStandNow) {
  Install_Exercise_Entries();
  Sound_Card_Present = false;
  Do_English_Type_Item(form(), 2);  // English article: the clock runs
  EXPECT_TRUE(Exercise_Running);
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_GT(Practice_Start_Time, 0);

  Do_Game_Item(form(), 0);  // police: waits for Enter
  EXPECT_FALSE(Exercise_Running);
  EXPECT_TRUE(Panel_Keys_Enabled);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  Form_KeyDown(form(), VK_RETURN, 0);
  EXPECT_TRUE(Exercise_Running);
  EXPECT_FALSE(Panel_Keys_Enabled);
  EXPECT_TRUE(Main_Timer("Timer_Game_Police").Enabled());
  Pump_Until([] { return false; }, std::chrono::milliseconds(100));  // ticks run quietly

  Check_Hot_Key(form(), 'R', 2);  // records stop the game
  EXPECT_EQ(Current_Panel, 11);
  EXPECT_FALSE(Main_Timer("Timer_Game_Police").Enabled());
  EXPECT_FALSE(Main_Timer("Timer_Move_Picture").Enabled());

  Do_Function_Module(form(), 2);  // free typing starts on Enter only
  Form_KeyDown(form(), 'A', 0);
  EXPECT_FALSE(Exercise_Running);
  Form_KeyDown(form(), VK_RETURN, 0);
  EXPECT_TRUE(Exercise_Running);
  EXPECT_FALSE(Panel_Keys_Enabled);
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

void Click(HWND window, int x_twips, int y_twips) {
  LPARAM at = MAKELPARAM(forms::Twips_To_Pixels_X(x_twips) + 4, forms::Twips_To_Pixels_Y(y_twips) + 4);
  PostMessageA(window, WM_MOUSEMOVE, 0, at);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
}

TEST_F(Dispatch, ClicksOnTheFunctionBarAndAMenuItemOpenTheScreen) {
  form().Show();
  Click(form().Get<forms::Picture_Box>("Picture_Background").Hwnd(), 1575, 630);
  ASSERT_TRUE(Pump_Until([] { return Open_PopMenu == 0; }, std::chrono::seconds(5)));
  auto& menu = form().Get<forms::Picture_Box>("Picture_BG_PopMenu", 0);
  Click(menu.Hwnd(), 120, 480);  // item 1: words
  ASSERT_TRUE(Pump_Until([] { return Current_Panel == 9 && !Panel_Moving; }, std::chrono::seconds(10)));
  EXPECT_EQ(calls, (std::vector<std::string>{"Initialize_Word_Page", "Start_Word_Lesson"}));
  EXPECT_FALSE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 0).Visible());
}

}  // namespace
}  // namespace quillon
