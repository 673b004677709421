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
  Panel_Id panel;
  Exercise_Kind kind;
  Function_Button screen;
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
      {"keys", [](auto& f) { Do_Menu_Item(f, English_Type_Item::Keys); },
       {"Initialize_Key_Char_Page", "Start_Key_Char_Lesson"},
       Panel_Id::Keys, Exercise_Kind::Keys, Function_Button::English_Type, nullptr},
      {"words", [](auto& f) { Do_Menu_Item(f, English_Type_Item::Words); },
       {"Initialize_Word_Page", "Start_Word_Lesson"},
       Panel_Id::Words, Exercise_Kind::Words, Function_Button::English_Type, nullptr},
      {"English article", [](auto& f) { Do_Menu_Item(f, English_Type_Item::Article); },
       {"Initialize_English_Article_Page", "Start_English_Article_Lesson"},
       Panel_Id::Article, Exercise_Kind::English_Article, Function_Button::English_Type,
       "\\English\\Article\\5\\"},
      {"English dictation", [](auto& f) { Do_Menu_Item(f, English_Type_Item::Audition); },
       {"Initialize_Audition_Page", "Start_Audition_Lesson"},
       Panel_Id::Article, Exercise_Kind::Audition, Function_Button::English_Type,
       "\\English\\Audition\\"},
      {"Wubi lines", [](auto& f) { Do_Menu_Item(f, Chinese_Type_Item::Wubi); },
       {"Initialize_Wubi_Page", "Start_Wubi_Lesson"},
       Panel_Id::Wubi_Lines, Exercise_Kind::Wubi, Function_Button::Chinese_Type,
       "\\Chinese\\Wubi\\"},
      {"PinYin", [](auto& f) { Do_Menu_Item(f, Chinese_Type_Item::PinYin); },
       {"Initialize_PinYin_Page", "Start_PinYin_Lesson"},
       Panel_Id::Article, Exercise_Kind::PinYin, Function_Button::Chinese_Type,
       "\\Chinese\\Article\\5\\"},
      {"Chinese dictation", [](auto& f) { Do_Menu_Item(f, Chinese_Type_Item::Audition); },
       {"Initialize_Audition_Page", "Start_Audition_Lesson"},
       Panel_Id::Article, Exercise_Kind::Audition, Function_Button::Chinese_Type,
       "\\Chinese\\Audition\\"},
      {"police", [](auto& f) { Do_Menu_Item(f, Game_Item::Police); },
       {"Load_Police_Game_Panel", "Initialize_Police_Game_Page"},
       Panel_Id::Police, Exercise_Kind::Police, Function_Button::Game, nullptr},
      {"balloons", [](auto& f) { Do_Menu_Item(f, Game_Item::Apple); },
       {"Load_Apple_Game_Panel", "Initialize_Apple_Game_Page"},
       Panel_Id::Apple, Exercise_Kind::Apple, Function_Button::Game, nullptr},
      {"mouse", [](auto& f) { Do_Menu_Item(f, Game_Item::Mouse); },
       {"Load_Mouse_Game_Panel", "Initialize_Mouse_Game_Page"},
       Panel_Id::Mouse, Exercise_Kind::Mouse, Function_Button::Game, nullptr},
      {"frog", [](auto& f) { Do_Menu_Item(f, Game_Item::Frog); },
       {"Load_Frog_Game_Panel", "Initialize_Frog_Game_Page"},
       Panel_Id::Frog, Exercise_Kind::Frog, Function_Button::Game, nullptr},
      {"paper test", [](auto& f) { Do_Menu_Item(f, Speed_Test_Item::Out_Test); },
       {"Initialize_Out_Speed_Test_Page"},
       Panel_Id::Out_Test, Exercise_Kind::Speed_Test, Function_Button::Speed_Test, nullptr},
      {"screen test", [](auto& f) { Do_Menu_Item(f, Speed_Test_Item::In_Test); },
       {"Initialize_In_Speed_Test_Page"},
       Panel_Id::In_Test, Exercise_Kind::Speed_Test, Function_Button::Speed_Test, nullptr},
      {"records", [](auto& f) { Do_Menu_Item(f, Other_Function_Item::Records); },
       {"Initialize_Record_Grid", "Load_Records"},
       Panel_Id::Records, Exercise_Kind::Speed_Test, Function_Button::Other_Functions, nullptr},
      {"free typing", [](auto& f) { Do_Function_Module(f, Function_Button::Free_Type); },
       {"Initialize_Free_Type_Page"},
       Panel_Id::Free_Type, Exercise_Kind::Free_Type, Function_Button::Free_Type, nullptr},
      {"keys again", [](auto& f) { Do_Menu_Item(f, English_Type_Item::Keys); },
       {"Initialize_Key_Char_Page", "Start_Key_Char_Lesson"},
       Panel_Id::Keys, Exercise_Kind::Keys, Function_Button::English_Type, nullptr},
  };
  EXPECT_EQ(Current_Panel, kNone);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Pretend_Exercise_Runs();
    calls.clear();
    c.command(form());
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(Current_Panel, Number(c.panel));
    EXPECT_EQ(Current_Exercise_Kind, Number(c.kind));
    EXPECT_EQ(Screen_Function_Module, Number(c.screen));
    if (c.folder) {
      EXPECT_EQ(Lesson_Folder, c.folder);
    }
    Expect_Only_Panel_Shown(Number(c.panel));
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
  Do_Menu_Item(form(), Chinese_Type_Item::Wubi);
  forms::Tutor_Settings::Delete("Setting\\Chinese\\Wubi", "Type Method");
  forms::Tutor_Settings::Delete("Setting\\Article", "Lesson");
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Article));
  EXPECT_EQ(Lesson_Folder, "\\Chinese\\Article\\3\\");
  EXPECT_EQ(Current_Language, 1);
}

TEST_F(Dispatch, DictationWithoutASoundCardIsRefusedAndTheExerciseGoesOn) {
  Do_Menu_Item(form(), Game_Item::Apple);
  Pretend_Exercise_Runs();
  calls.clear();
  Sound_Card_Present = false;
  Do_Menu_Item(form(), English_Type_Item::Audition);
  Do_Menu_Item(form(), Chinese_Type_Item::Audition);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].title, "无法播放声音");
  EXPECT_EQ(boxes[0].text, "您的计算机未安装声卡或声卡不能正常发声！\r\r该项练习初始化失败！");
  EXPECT_TRUE(boxes[0].flags & MB_ICONSTOP);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Apple));
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_TRUE(Panel_Keys_Enabled);
}

TEST_F(Dispatch, FunctionBarButtons) {
  Do_Function_Module(form(), Function_Button::English_Type);
  EXPECT_EQ(Open_PopMenu, 0);
  EXPECT_TRUE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 0).Visible());
  Do_Function_Module(form(), Function_Button::Other_Functions);
  EXPECT_EQ(Open_PopMenu, 4);
  EXPECT_FALSE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 0).Visible());
  EXPECT_TRUE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 4).Visible());
  Do_Menu_Item(form(), Other_Function_Item::System_Settings);  // the item closes its menu
  EXPECT_FALSE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 4).Visible());
  EXPECT_EQ(calls, std::vector<std::string>{"Show_Form_System_Set"});

  calls.clear();
  Do_Function_Module(form(), Function_Button::Function_Settings);
  EXPECT_EQ(calls, std::vector<std::string>{"Show_Form_Control"});
  EXPECT_TRUE(form().Get<forms::Image>("Image_Function_Module", 6).Enabled());

  Do_Function_Module(form(), Function_Button::Help);
  EXPECT_EQ(helps, std::vector<std::string>{Program_Folder() + "\\Quillon.hlp"});

  Do_Menu_Item(form(), Other_Function_Item::Tutorial);
  Do_Menu_Item(form(), Other_Function_Item::Web_Site);
  Do_Menu_Item(form(), Other_Function_Item::Mail);
  ASSERT_EQ(shell_opens.size(), 3u);
  EXPECT_EQ(shell_opens[0], Program_Folder() + "\\Quillon.chm");
  EXPECT_EQ(shell_opens[1], kMakerWebSite);
  EXPECT_EQ(shell_opens[2], kMakerMail);

  form().Show();
  Do_Function_Module(form(), Function_Button::Minimise);
  EXPECT_TRUE(IsIconic(form().Hwnd()));

  EXPECT_EQ(exits, 0);
  Do_Function_Module(form(), Function_Button::Exit);
  EXPECT_EQ(exits, 1);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Dispatch, AboutHidesTheWindowHoldsThePoliceAndSaysSoToASecondStart) {
  Do_Menu_Item(form(), Game_Item::Police);
  form().Show();
  Main_Timer("Timer_Game_Police").Set_Enabled(true);
  Exercise_Running = true;
  Do_Function_Module(form(), Function_Button::About);
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
  Do_Menu_Item(form(), Game_Item::Police);
  calls.clear();
  Panel_Moving = true;
  Do_Function_Module(form(), Function_Button::Free_Type);
  Do_Function_Module(form(), Function_Button::English_Type);
  Do_Menu_Item(form(), Game_Item::Apple);
  Do_Menu_Item(form(), English_Type_Item::Words);
  Do_Menu_Item(form(), Other_Function_Item::Records);
  Check_Hot_Key(form(), 'R', kCtrlMask);  // records
  Check_Hot_Key(form(), 'F', kCtrlMask);  // function settings (through the function bar)
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(shell_opens.empty());
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Police));
  EXPECT_EQ(Open_PopMenu, kNone);
  EXPECT_FALSE(Direct_Command);

  // Ctrl+T and Ctrl+F1 change no screen: they run as they would after the slide.
  Check_Hot_Key(form(), 'T', kCtrlMask);
  EXPECT_EQ(calls, std::vector<std::string>{"Show_Form_System_Set"});
  Check_Hot_Key(form(), VK_F1, kCtrlMask);
  EXPECT_EQ(shell_opens, std::vector<std::string>{Program_Folder() + "\\Quillon.chm"});
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Police));

  Check_Hot_Key(form(), 'Q', kCtrlMask);
  Check_Hot_Key(form(), VK_F12, 0);
  Check_Hot_Key(form(), VK_F4, kAltMask);
  Do_Function_Module(form(), Function_Button::Exit);
  EXPECT_EQ(exits, 4);
  Panel_Moving = false;
}

TEST_F(Dispatch, AFailureBetweenTheSlidesLeavesTheProgramUsable) {
  Screen_Named("free typing")->page = [](forms::Form&) {
    throw forms::Runtime_Error(53, "File not found");
  };
  Do_Function_Module(form(), Function_Button::Free_Type);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "File not found!");
  EXPECT_EQ(boxes[0].title, "错误");
  EXPECT_FALSE(Panel_Moving);
  Do_Menu_Item(form(), Game_Item::Mouse);
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Mouse));
  Expect_Only_Panel_Shown(Number(Panel_Id::Mouse));
  Check_Hot_Key(form(), 'Q', kCtrlMask);
  EXPECT_EQ(exits, 1);
}

TEST_F(Dispatch, CommandKeys) {
  Check_Hot_Key(form(), 'R', kCtrlMask);
  EXPECT_EQ(calls, (std::vector<std::string>{"Initialize_Record_Grid", "Load_Records"}));
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Records));
  EXPECT_FALSE(Direct_Command);
  EXPECT_FALSE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 4).Visible());

  calls.clear();
  Check_Hot_Key(form(), 'F', kCtrlMask);
  Check_Hot_Key(form(), 'T', kCtrlMask);
  EXPECT_EQ(calls, (std::vector<std::string>{"Show_Form_Control", "Show_Form_System_Set"}));
  Check_Hot_Key(form(), VK_F1, 0);
  EXPECT_EQ(helps.size(), 1u);
  Check_Hot_Key(form(), VK_F1, kCtrlMask);
  EXPECT_EQ(shell_opens, std::vector<std::string>{Program_Folder() + "\\Quillon.chm"});
  Check_Hot_Key(form(), VK_F1, kShiftMask);  // Shift+F1: nothing
  Check_Hot_Key(form(), VK_F1, kCtrlMask | kAltMask);  // Ctrl+Alt+F1: nothing
  Check_Hot_Key(form(), 'Q', kShiftMask | kCtrlMask);    // Ctrl+Shift+Q: nothing
  EXPECT_EQ(helps.size(), 1u);
  EXPECT_EQ(exits, 0);

  // A stored close key wins over the minimise row.
  forms::Tutor_Settings::Save("Setting\\System\\Close System", "KeyCode", "77");
  forms::Tutor_Settings::Save("Setting\\System\\Close System", "Shift", "2");
  Check_Hot_Key(form(), 'M', kCtrlMask);
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
  Register_All_Screens();
  // This window was designed without the screens' own controls: the records screen, which
  // fills its grids, only changes the panel here.
  Screen_Named("records")->page = nullptr;
  Screen_Named("records")->shown = nullptr;
  Sound_Card_Present = false;
  // English article: the first shipped article of category 5 waits for its first key.
  Call(Screen_Named("English article")->design, form());
  forms::Tutor_Settings::Save("Setting\\English\\Article\\Remember", "Flag", "0");
  Do_Menu_Item(form(), English_Type_Item::Article);
  forms::Tutor_Settings::Delete("Setting\\English\\Article\\Remember", "Flag");
  EXPECT_TRUE(Exercise_Running);
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(form().Get<forms::Label>("Label_Article_Course_Name").Caption(), "课程1");

  // The police game adds its own controls too; its text is the program's.
  Call(Screen_Named("police")->design, form());
  Do_Menu_Item(form(), Game_Item::Police);  // police: waits for Enter
  EXPECT_FALSE(Exercise_Running);
  EXPECT_TRUE(Panel_Keys_Enabled);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  Form_KeyDown(form(), VK_RETURN, 0);
  EXPECT_TRUE(Exercise_Running);
  EXPECT_FALSE(Panel_Keys_Enabled);
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_FALSE(Main_Timer("Timer_Game_Police").Enabled());  // the police waits for a first key
  Pump_Until([] { return false; }, std::chrono::milliseconds(100));  // ticks run quietly

  Check_Hot_Key(form(), 'R', kCtrlMask);  // records stop the game
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Records));
  EXPECT_FALSE(Main_Timer("Timer_Game_Police").Enabled());
  EXPECT_FALSE(Main_Timer("Timer_Move_Picture").Enabled());

  // The main window was designed without the screens' own controls: free typing adds its own.
  Call(Screen_Named("free typing")->design, form());
  Do_Function_Module(form(), Function_Button::Free_Type);  // free typing starts on Enter only
  Form_KeyDown(form(), 'A', 0);
  EXPECT_FALSE(Exercise_Running);
  Form_KeyDown(form(), VK_RETURN, 0);
  EXPECT_TRUE(Exercise_Running);
  EXPECT_FALSE(Panel_Keys_Enabled);
  EXPECT_TRUE(boxes.empty()) << boxes.front().text;
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
  ASSERT_TRUE(Pump_Until([] { return Current_Panel == Number(Panel_Id::Words) && !Panel_Moving; }, std::chrono::seconds(10)));
  EXPECT_EQ(calls, (std::vector<std::string>{"Initialize_Word_Page", "Start_Word_Lesson"}));
  EXPECT_FALSE(form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", 0).Visible());
}

}  // namespace
}  // namespace quillon
