// Changes of screen: the panel on show slides out, the new one slides in, with the drum.
#include "look_fixture.h"

#include "shell/function_bar.h"
#include "shell/panel_slides.h"

namespace quillon {
namespace {

using Slides = Look_Test;

struct Steps {
  int out = 0, in = 0;
  std::vector<int> in_positions;
};

TEST_F(Slides, StepsFollowMoveStepNumAndThePanelEndsInPlace) {
  for (float n : {15.0f, 5.0f}) {
    SCOPED_TRACE(n);
    Move_Step_Num = n;
    Steps s;
    Set_Animation_Watcher([&](const char* what, int x) {
      if (std::string(what) == "out") ++s.out;
      if (std::string(what) == "in") {
        ++s.in;
        s.in_positions.push_back(x);
      }
    });
    const bool first = Current_Panel == kNone;
    Do_Menu_Item(form(), Game_Item::Apple);
    EXPECT_EQ(s.out, first ? 0 : (n == 15 ? 16 : 6));
    EXPECT_EQ(s.in, n == 15 ? 23 : 8);
    EXPECT_EQ(s.in_positions.front(), form().Scale_Width());
    EXPECT_EQ(Panel(4).Left(), 0);
    EXPECT_EQ(Visible_Panel_Count(), 1);
    EXPECT_FALSE(Panel_Moving);
    // The same screen again: out and in once more.
    s = Steps{};
    Do_Menu_Item(form(), Game_Item::Apple);
    EXPECT_EQ(s.out, n == 15 ? 16 : 6);
    EXPECT_EQ(s.in, n == 15 ? 23 : 8);
    EXPECT_EQ(Panel(4).Left(), 0);
    EXPECT_TRUE(Panel(4).Visible());
  }
  EXPECT_EQ(Get_Move_Step_Num(), Move_Step_Num_For_Depth(Get_Color_Depth()));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Slides, ClicksDuringASlideAreIgnoredAndOnePanelEndsOnShow) {
  Do_Menu_Item(form(), English_Type_Item::Keys);
  calls.clear();
  int steps = 0;
  Set_Animation_Watcher([&](const char* what, int) {
    ++steps;
    if (steps == 2) Click_At(Center_Of(Button(3)));                // a menu button
    if (steps == 4) Click_At(Center_Of(Button(2)));                // free typing
    if (std::string(what) == "in" && steps == 10) Click_At(Center_Of(Button(6)));  // settings
  });
  Do_Menu_Item(form(), Speed_Test_Item::In_Test);
  Pump_Until([] { return false; }, std::chrono::milliseconds(400));
  EXPECT_EQ(calls, std::vector<std::string>{"Initialize_In_Speed_Test_Page"});
  EXPECT_EQ(Current_Panel, 8);
  EXPECT_EQ(Visible_Panel_Count(), 1);
  EXPECT_EQ(Panel(8).Left(), 0);
  EXPECT_EQ(Visible_Menu_Count(), 0);
  EXPECT_FALSE(Panel_Moving);
  EXPECT_FALSE(PopMenu_Opening);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Slides, AFailureInsideASlideLeavesTheProgramTakingCommands) {
  Do_Menu_Item(form(), Game_Item::Police);
  for (const char* where : {"out", "in"}) {
    SCOPED_TRACE(where);
    boxes.clear();
    int steps = 0;
    Set_Animation_Watcher([&](const char* what, int) {
      if (std::string(what) == where && ++steps == 3)
        throw forms::Runtime_Error(481, "Invalid picture");
    });
    Do_Menu_Item(form(), Game_Item::Mouse);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Invalid picture!");
    EXPECT_EQ(boxes[0].title, "错误");
    EXPECT_FALSE(Panel_Moving);
    EXPECT_EQ(Visible_Panel_Count(), 1);
    Set_Animation_Watcher({});
    // The function bar takes the next command and the screen ends in place.
    Click_At(Center_Of(Button(2)));
    ASSERT_TRUE(Pump_Until([] { return Current_Panel == 2 && !Panel_Moving; }));
    EXPECT_EQ(Visible_Panel_Count(), 1);
    EXPECT_EQ(Panel(2).Left(), 0);
    Do_Menu_Item(form(), Game_Item::Police);
  }
}

TEST_F(Slides, TheDrumPlaysOnTheMusicDeviceUnlessSilenced) {
  Sound_Card_Present = true;
  Sound_On = 0;
  auto& media = form().Get<forms::Media_Control>("MMControl_Play_Record");
  struct Case {
    const char* what;
    int music;
    bool silenced;
    bool drum;
  } const cases[] = {{"music on", 1, false, true},
                     {"music off", 0, false, false},
                     {"dictation entry", 1, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Close_Music();
    BG_Music_On = c.music;
    No_Move_Sound = c.silenced;
    bool drum_during_slide = false;
    Set_Animation_Watcher([&](const char*, int) {
      if (media.Is_Open() && media.File_Name().find("drum.wav") != std::string::npos)
        drum_during_slide = true;
    });
    Move_Panel_Out(form(), 3);
    Move_Panel_In(form(), 3);
    EXPECT_EQ(drum_during_slide, c.drum);
    EXPECT_FALSE(Panel_Moving);
  }
  No_Move_Sound = false;
  Close_Music();
}

}  // namespace
}  // namespace quillon
