// Key routing and tick dispatch of the main window.
#include "shell_fixture.h"

#include "shell/command_tables.h"
#include "shell/key_routing.h"

namespace quillon {
namespace {

using Routing = Shell_Test;

void On_Panel(Panel_Id panel, bool running) {
  Current_Panel = Number(panel);
  Exercise_Running = running;
  Panel_Keys_Enabled = true;
}

TEST_F(Routing, KeysReachTheExerciseOnShowOnlyWhilePanelKeysAreEnabled) {
  On_Panel(Panel_Id::Apple, true);
  Form_KeyDown(form(), 'A', 0);
  Form_KeyDown(form(), VK_RETURN, 0);  // Enter does nothing during the balloon game
  On_Panel(Panel_Id::Mouse, false);
  Form_KeyDown(form(), VK_RETURN, 0);
  On_Panel(Panel_Id::Frog, true);
  Form_KeyDown(form(), VK_RETURN, 0);
  On_Panel(Panel_Id::Keys, false);
  Form_KeyDown(form(), VK_SHIFT, kShiftMask);
  On_Panel(Panel_Id::Words, false);
  Form_KeyDown(form(), 'A', kCtrlMask);
  EXPECT_TRUE(Ctrl_Key_Down);
  Form_KeyDown(form(), 'A', kShiftMask | kCtrlMask);
  EXPECT_FALSE(Ctrl_Key_Down);
  On_Panel(Panel_Id::Free_Type, false);
  Panel_Keys_Enabled = false;  // a typing box takes the keys
  Form_KeyDown(form(), VK_RETURN, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"Apple_Game_Key_Down 65", "Start_Mouse_Game",
                                             "Frog_Game_Key_Down 13", "Start_Key_Char_Practice"}));
}

TEST_F(Routing, ACommandKeyReachesNoGameAsALetter) {
  for (Panel_Id game : {Panel_Id::Apple, Panel_Id::Mouse, Panel_Id::Frog}) {
    calls.clear();
    On_Panel(game, true);
    Form_KeyDown(form(), 'F', kCtrlMask);  // function settings
    Form_KeyDown(form(), 'T', kCtrlMask);  // system settings
    Form_KeyDown(form(), 'B', 0);          // a plain letter still plays
    ASSERT_EQ(calls.size(), 3u) << Number(game);
    EXPECT_EQ(calls[0], "Show_Form_Control");
    EXPECT_EQ(calls[1], "Show_Form_System_Set");
    EXPECT_EQ(calls[2].substr(calls[2].size() - 3), " 66");
  }
}

TEST_F(Routing, KeyPressGoesToTheRunningUnpausedKeysPracticeAndKeyUpAsksOnce) {
  On_Panel(Panel_Id::Keys, true);
  Form_KeyPress(form(), 'a');
  Key_Char_Paused = true;
  Form_KeyPress(form(), 'b');
  Key_Char_Paused = false;
  On_Panel(Panel_Id::Words, true);
  Form_KeyPress(form(), 'c');
  Key_Char_Miss_Limit = true;
  Form_KeyUp(form(), 'X', 0);
  Form_KeyUp(form(), 'X', 0);
  EXPECT_FALSE(Key_Char_Miss_Limit);
  EXPECT_EQ(calls, (std::vector<std::string>{"Key_Char_Key_Press 97", "Ask_Key_Char_Line_Retry"}));
}

TEST_F(Routing, TicksGoToThePanelsTickProcedure) {
  const std::pair<Panel_Id, const char*> cases[] = {
      {Panel_Id::Keys, "Update_Key_Char_Time_And_Speed"},
      {Panel_Id::Police, "Update_Police_Balk_Wait"},
      {Panel_Id::Out_Test, "Update_Out_Speed_Test_Time"},
      {Panel_Id::In_Test, "Update_In_Speed_Test_Time"},
      {Panel_Id::Words, "Update_Word_Time_And_Speed"},
      {Panel_Id::Wubi_Lines, "Update_Wubi_Time_And_Speed"}};
  for (const auto& [panel, tick] : cases) {
    calls.clear();
    Current_Panel = Number(panel);
    Timer_Check_Timer();
    EXPECT_EQ(calls, std::vector<std::string>{tick}) << Number(panel);
  }
  calls.clear();
  Current_Panel = Number(Panel_Id::Article);
  Audition_Playing = true;
  Timer_Check_Timer();
  Audition_Playing = false;
  Timer_Check_Timer();
  for (Panel_Id quiet : {Panel_Id::Free_Type, Panel_Id::Apple, Panel_Id::Mouse, Panel_Id::Frog,
                         Panel_Id::Records, Panel_Id::None}) {
    Current_Panel = Number(quiet);
    Timer_Check_Timer();
  }
  Current_Panel = Number(Panel_Id::Frog);
  Timer_Move_Picture_Timer();
  Current_Panel = Number(Panel_Id::Mouse);
  Timer_Move_Picture_Timer();
  EXPECT_EQ(calls, (std::vector<std::string>{"Update_Audition_Time", "Update_Article_Page_Time",
                                             "Switch_Frog_Sprite"}));
}

TEST_F(Routing, ATickThatKeepsFailingIsReportedOnce) {
  int failures = 0;
  Screen_Named("words")->tick = [&](forms::Form&) {
    ++failures;
    throw forms::Runtime_Error(9, "Subscript out of range");
  };
  Current_Panel = Number(Panel_Id::Words);
  Main_Timer("Timer_Check").Set_Enabled(true);
  Pump_Until([&] { return failures >= 20; }, std::chrono::seconds(10));
  Main_Timer("Timer_Check").Set_Enabled(false);
  EXPECT_GE(failures, 20);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Subscript out of range!");
  // A screen change forgets it: the next failure is reported again.
  Stop_Current_Exercise(form());
  Current_Panel = Number(Panel_Id::Words);
  Timer_Check_Timer();
  EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(Routing, KeyPreviewRunsTheCommandKeysForRealKeystrokes) {
  form().Show();
  SetForegroundWindow(form().Hwnd());
  ASSERT_TRUE(Pump_Until([&] { return GetForegroundWindow() == form().Hwnd(); }));
  auto press = testkit::Key_Stroke;
  press({VK_CONTROL, 'Q'});
  ASSERT_TRUE(Pump_Until([&] { return exits == 1; }, std::chrono::seconds(5)));
  press({VK_F12});
  ASSERT_TRUE(Pump_Until([&] { return exits == 2; }, std::chrono::seconds(5)));
  press({VK_MENU, VK_F4});
  ASSERT_TRUE(Pump_Until([&] { return exits == 3; }, std::chrono::seconds(5)));
  // A plain WM_CLOSE also ends the program through its exit.
  PostMessageA(form().Hwnd(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(Pump_Until([&] { return exits == 4; }, std::chrono::seconds(5)));
  EXPECT_TRUE(IsWindow(form().Hwnd()));
}

}  // namespace
}  // namespace quillon
