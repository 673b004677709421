// The frame of the four games on the real main window: each page opens from the games menu with
// its cover and its buttons, hover and pressed looks follow the real pointer, the pause button's
// tooltip and paused look, Enter and the start button, and the context menu on the sky.
#include "games_fixture.h"

#include "services/globals.h"
#include "services/main_window.h"

namespace quillon {
namespace {

forms::Form& Main_Form() { return Main_Window(); }

using Game_Frame_Window = Game_Window;

TEST_F(Game_Frame_Window, EveryPageOpensWithCoverAndButtonsAndStartsPausesAndStops) {
  struct Row {
    Game_Item item;
    const Game_Frame& frame;
  };
  const Row rows[] = {{Game_Item::Mouse, Mouse_Frame()}, {Game_Item::Frog, Frog_Frame()}};
  Set("Setting\\Game\\Mouse", "Game Time", "0");
  for (const Row& r : rows) {
    Enter(r.item);
    EXPECT_TRUE(Game_Cover(r.frame).Visible());
    EXPECT_TRUE(Game_Button_Image(r.frame, 0).Enabled());
    EXPECT_FALSE(Game_Button_Image(r.frame, 1).Enabled());
    EXPECT_FALSE(Game_Button_Image(r.frame, 2).Enabled());
    EXPECT_EQ(Game_Button_Image(r.frame, 0).Mouse_Icon(), forms::Hand_Cursor());
    Shot(std::string("frame-cover-") + r.frame.buttons);
    Main_Form().Set_Focus();
    Press(VK_RETURN);
    ASSERT_TRUE(Exercise_Running);
    EXPECT_FALSE(Game_Cover(r.frame).Visible());
    EXPECT_TRUE(Game_Button_Image(r.frame, 1).Enabled());
    Click(Game_Button_Image(r.frame, 1));
    EXPECT_TRUE(*r.frame.paused);
    EXPECT_FALSE(Panel_Keys_Enabled);
    EXPECT_EQ(Game_Button_Image(r.frame, 1).Tool_Tip_Text(), "继续");
    Click(Game_Button_Image(r.frame, 1));
    EXPECT_FALSE(*r.frame.paused);
    EXPECT_TRUE(Panel_Keys_Enabled);
    Click(Game_Button_Image(r.frame, 2));
    EXPECT_FALSE(Exercise_Running);
    EXPECT_TRUE(Game_Button_Image(r.frame, 0).Enabled());
    // The start button starts again; the cover stays hidden until the game is entered again.
    Click(Game_Button_Image(r.frame, 0));
    EXPECT_TRUE(Exercise_Running);
    EXPECT_FALSE(Game_Cover(r.frame).Visible());
  }
  // The mouse game's minutes box: stored 0 shows as 1.
  Enter(Game_Item::Mouse);
  EXPECT_TRUE(Game_Cover(Mouse_Frame()).Visible());
  EXPECT_EQ(Main_Form().Get<forms::Rich_Text_Box>("RichText_Game_Mouse_Time").Text(), "1");
}

TEST_F(Game_Frame_Window, HoverAndPressedLooksFollowThePointer) {
  Write_Police_Text(std::string(220, 'a') + "\r\n");
  // One slow mouse at a time: the game runs on through the test without being lost.
  Set("Setting\\Game\\Mouse", "Mouse Num", "1");
  Set("Setting\\Game\\Mouse", "Disappear Time", "9");
  Enter(Game_Item::Mouse);
  forms::Image& start = Game_Button_Image(Mouse_Frame(), 0);
  forms::Image& stop = Game_Button_Image(Mouse_Frame(), 2);
  Point_At(start);
  ASSERT_TRUE(Pump_Until([&] { return start.Tag == "pps1"; }, std::chrono::seconds(2)));
  Shot("frame-hover");
  Point_At(Panel(Number(Panel_Id::Mouse)));
  ASSERT_TRUE(Pump_Until([&] { return start.Tag.empty(); }, std::chrono::seconds(2)));
  // A mouse-game click leaves the pressed look until the pointer passes over the background.
  // The game's countdowns run in a loop that handles the events, so the rest is played from it.
  forms::Image& pause = Game_Button_Image(Mouse_Frame(), 1);
  Play_Steps({
      {"press start", Always, [&] { Click_Only(start); }},
      {"the countdowns running", [] { return Mouse_Game().show_running; },
       [&] {
         EXPECT_EQ(start.Tag, "pps2");
         Point_At(stop);
         Pump_For(200);
         EXPECT_EQ(start.Tag, "pps2");
         EXPECT_TRUE(stop.Tag.empty());  // no hover look while a button is pressed
         Point_At(Panel(Number(Panel_Id::Mouse)));
       }},
      {"the pressed look gone over the background", [&] { return start.Tag.empty(); },
       [&] { Point_At(stop); }},
      {"the hover look on stop", [&] { return stop.Tag == "pps5"; },
       [&] {
         // While paused the pause button keeps its paused look through the reset.
         Click(pause);
         EXPECT_TRUE(Mouse_Game_Paused);
         Point_At(Panel(Number(Panel_Id::Mouse)));
         Pump_For(200);
         EXPECT_EQ(pause.Tag, "pps4");
         Click(stop);
       }},
  });
  EXPECT_FALSE(Exercise_Running);

  // A police click: the pressed look goes once the action is done.
  Enter(Game_Item::Police);
  forms::Image& police_start = Game_Button_Image(Police_Frame(), 0);
  Click(police_start);
  ASSERT_TRUE(Exercise_Running);
  EXPECT_TRUE(police_start.Tag.empty());
  EXPECT_FALSE(Police_Buttons_Normal);
}

TEST_F(Game_Frame_Window, ARightPressOnTheSkyOpensTheContextMenu) {
  Enter(Game_Item::Apple);
  forms::Picture_Box& sky = Main_Form().Get<forms::Picture_Box>("Picture_Game_Apple_BG");
  EXPECT_TRUE(Opens_Context_Menu([&] { Click(sky, 2); }));
}

}  // namespace
}  // namespace quillon
