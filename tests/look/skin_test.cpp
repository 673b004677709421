// The main window's face, hand cursors, grey title while another window is in front, and moving
// the window by its background.
#include "look_fixture.h"

#include <thread>

#include "services/picture_boxes.h"
#include "shell/skin.h"

namespace quillon {
namespace {

using Skin = Look_Test;

TEST_F(Skin, FaceLinkAndHandCursors) {
  ASSERT_TRUE(Pump_Until([&] {
    return Shows_Bitmap(Background().Hwnd(), "myjm", 0, 0, 640, 477);
  }, std::chrono::seconds(3)));
  auto& link = form().Get<forms::Picture_Box>("Picture_LarkmoorNet");
  EXPECT_TRUE(Shows_Bitmap(link.Hwnd(), "LarkmoorNet2", 0, 0, 150, 25));
  EXPECT_FALSE(form().Get<forms::Image>("Image_Main_Form_Up").Visible());

  int hands = 0;
  for (const char* array : {"Image_Function_Module", "Image_English_Type", "Image_Chinese_Type",
                            "Image_Game", "Image_Speed_Test", "Image_Other_Function"})
    for (forms::Control* c : form().Array(array)) {
      EXPECT_EQ(c->Mouse_Icon(), forms::Hand_Cursor()) << array << " " << c->Index();
      ++hands;
    }
  EXPECT_EQ(hands, 11 + 18);
  EXPECT_EQ(form().Get<forms::Image>("Image_Bazaro").Mouse_Icon(), forms::Hand_Cursor());
  EXPECT_EQ(link.Mouse_Icon(), forms::Hand_Cursor());

  // The pointer shape over a button and over the bare face.
  auto cursor = [] {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
  };
  Mouse_To(Center_Of(Button(3)));
  EXPECT_TRUE(Pump_Until([&] { return cursor() == forms::Hand_Cursor(); }, std::chrono::seconds(3)));
  Mouse_To(Bare_Background());
  EXPECT_TRUE(Pump_Until([&] { return cursor() != forms::Hand_Cursor(); }, std::chrono::seconds(3)));
}

TEST_F(Skin, TheTitleGreysWhileAnotherWindowIsInFront) {
  auto& cover = form().Get<forms::Image>("Image_Main_Form_Up");
  auto& link = form().Get<forms::Picture_Box>("Picture_LarkmoorNet");
  ASSERT_TRUE(Main_Timer("Timer_Check_System_Focus").Enabled());

  forms::Form other;
  other.Border = forms::Border_Style::Fixed_Single;
  other.On_Design = [&] { other.Set_Caption("another window"); };
  other.Move(0, 0, 3000, 2000);
  other.Show();
  SetForegroundWindow(other.Hwnd());
  ASSERT_TRUE(Pump_Until([&] { return cover.Visible(); }, std::chrono::seconds(3)));
  Pump_Until([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_TRUE(Shows_Bitmap(link.Hwnd(), "LarkmoorNet3", 0, 0, 150, 25));
  EXPECT_TRUE(Shows_Bitmap(Background().Hwnd(), "jmhui", forms::Twips_To_Pixels_X(1200), 0, 350, 10));

  SetForegroundWindow(form().Hwnd());
  ASSERT_TRUE(Pump_Until([&] { return !cover.Visible(); }, std::chrono::seconds(3)));
  Pump_Until([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_TRUE(Shows_Bitmap(link.Hwnd(), "LarkmoorNet2", 0, 0, 150, 25));
  forms::Unload(other);

  // The tutor's own boxes count as another window (the real box, not the fixture's recorder).
  Set_Picture_Box_Function({});
  bool grey_under_box = false, cover_drawn = false, link_drawn = false;
  Script script({[&] { return Form_YesNo().Visible(); },
                 [&] { grey_under_box = cover.Visible(); return grey_under_box; },
                 [&] {
                   // The disabled main window keeps drawing its pictures: the inactive title cover
                   // and the link's inactive look, not a flat face.
                   Pump_Until([] { return false; }, std::chrono::milliseconds(300));
                   cover_drawn = Shows_Bitmap(Background().Hwnd(), "jmhui",
                                              forms::Twips_To_Pixels_X(1200), 0, 350, 10);
                   link_drawn = Shows_Bitmap(link.Hwnd(), "LarkmoorNet3", 0, 0, 150, 25);
                   Save_Screen("title-under-a-box");
                   return true;
                 },
                 [&] {
                   Click_At(Center_Of(Form_YesNo().Get<forms::Image>("Image_YesNo", 0)));
                   return true;
                 }});
  Show_Form_YesNo();
  EXPECT_TRUE(grey_under_box);
  EXPECT_TRUE(cover_drawn);
  EXPECT_TRUE(link_drawn);
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_TRUE(Pump_Until([&] { return !cover.Visible(); }, std::chrono::seconds(3)));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Skin, TheLeftButtonDragsTheWindowByItsBackground) {
  RECT before;
  GetWindowRect(form().Hwnd(), &before);
  POINT at = Bare_Background();
  // (The right button opens the context menu; its tests are with the menu.)
  // The window follows the pointer in the system's own move loop, which holds this thread until
  // the button is released: the pointer is moved and released from another thread.
  Mouse_To(at);
  std::thread hand([at] {
    Sleep(300);
    for (int k = 1; k <= 6; ++k) {
      Send_Move({at.x + 10 * k, at.y + 7 * k});
      Sleep(60);
    }
    Sleep(200);
    Mouse_Button(1, false);
  });
  Mouse_Button(1, true);
  Pump_Until([] { return false; }, std::chrono::milliseconds(1500));
  hand.join();
  RECT after;
  EXPECT_TRUE(Pump_Until([&] {
    GetWindowRect(form().Hwnd(), &after);
    return after.left == before.left + 60 && after.top == before.top + 42;
  }, std::chrono::seconds(3)))
      << "moved by " << after.left - before.left << ", " << after.top - before.top;
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace quillon
