// The function bar's hover and selected looks and the five drop-down menus, driven by the mouse.
#include "look_fixture.h"

#include "shell/function_bar.h"

namespace quillon {
namespace {

using Function_Bar = Look_Test;

// A function-bar button or menu item shows that bitmap where it lies.
bool Image_Shows(forms::Image& image, const std::string& name) {
  RECT r = image.Pixel_Rect();
  return !image.Get_Picture().Empty() &&
         Shows_Bitmap(image.Container_Of()->Container_Hwnd(), name, r.left, r.top,
                      r.right - r.left, r.bottom - r.top);
}

bool Settled() {
  Pump_Until([] { return false; }, std::chrono::milliseconds(60));
  return true;
}

TEST_F(Function_Bar, HoverAndSelectedLooks) {
  Mouse_To(Center_Of(Button(3)));
  ASSERT_TRUE(Pump_Until([&] { return Hover_Function_Module == 3 && Settled() &&
                                      Image_Shows(Button(3), "m7"); }));
  // Straight on to another button: the first one's hover look goes.
  Mouse_To(Center_Of(Button(6)));
  ASSERT_TRUE(Pump_Until([&] { return Hover_Function_Module == 6; }));
  EXPECT_TRUE(Button(3).Get_Picture().Empty());
  EXPECT_TRUE(Settled() && Image_Shows(Button(6), "m13"));
  // Over the bare face: no hover look left, the button is still remembered.
  Mouse_To(Bare_Background());
  ASSERT_TRUE(Pump_Until([&] { return Button(6).Get_Picture().Empty(); }));
  EXPECT_EQ(Hover_Function_Module, 6);

  // A click selects; the pointer resting on the button keeps the selected look.
  Open_Menu_By_Click(1, 1);
  EXPECT_EQ(Selected_Function_Module, 1);
  EXPECT_FALSE(Function_Module_Hover_Enabled);
  Mouse_To({Center_Of(Button(1)).x + 2, Center_Of(Button(1)).y + 2});
  Pump_Until([] { return false; }, std::chrono::milliseconds(200));
  EXPECT_TRUE(Image_Shows(Button(1), "m4"));
  // The hover look comes back after the pointer has passed over the face.
  Mouse_To(Bare_Background());
  ASSERT_TRUE(Pump_Until([] { return Function_Module_Hover_Enabled; }));
  EXPECT_TRUE(Outer(1).Visible());  // no item touched: the menu stays
  Mouse_To(Center_Of(Button(1)));
  EXPECT_TRUE(Pump_Until([&] { return Settled() && Image_Shows(Button(1), "m3"); }));
  Mouse_To(Bare_Background());
  EXPECT_TRUE(Pump_Until([&] { return Settled() && Image_Shows(Button(1), "m4"); }));
  EXPECT_TRUE(boxes.empty());
}

struct Item_Case {
  int button, menu, item;
  const char* prefix;
  std::string first_call;  // "" for the web and tutorial items
};

TEST_F(Function_Bar, EveryMenuUnrollsAndEachItemStartsItsChoice) {
  Sound_Card_Present = true;  // dictation needs a sound card
  Sound_On = BG_Music_On = 0;
  const int kHeights[5] = {1980, 1515, 1980, 1080, 2430};
  std::vector<Item_Case> cases;
  const char* const kFirst[5][5] = {
      {"Initialize_Key_Char_Page", "Initialize_Word_Page", "Initialize_English_Article_Page",
       "Initialize_Audition_Page"},
      {"Initialize_Wubi_Page", "Initialize_PinYin_Page", "Initialize_Audition_Page"},
      {"Load_Police_Game_Panel", "Load_Apple_Game_Panel", "Load_Mouse_Game_Panel",
       "Load_Frog_Game_Panel"},
      {"Initialize_Out_Speed_Test_Page", "Initialize_In_Speed_Test_Page"},
      {"Show_Form_System_Set", "Initialize_Record_Grid", "", "", ""}};
  const int kButtons[5] = {0, 1, 3, 4, 5};
  const int kCounts[5] = {4, 3, 4, 2, 5};
  const char* const kPrefixes[5] = {"menue", "menuc", "menuy", "menuce", "menuq"};
  for (int m = 0; m < 5; ++m)
    for (int i = 0; i < kCounts[m]; ++i) cases.push_back({kButtons[m], m, i, kPrefixes[m], kFirst[m][i]});

  std::vector<int> heights;
  Set_Animation_Watcher([&](const char* what, int value) {
    if (std::string(what) == "menu") heights.push_back(value);
  });
  size_t opens_before = 0;
  for (const Item_Case& c : cases) {
    SCOPED_TRACE(std::string(c.prefix) + std::to_string(c.item));
    heights.clear();
    Open_Menu_By_Click(c.button, c.menu);
    EXPECT_EQ(heights.size(), 6u);  // Move_Step_Num 5
    EXPECT_EQ(Outer(c.menu).Height(), kHeights[c.menu]);
    EXPECT_EQ(Inner(c.menu).Top(), 0);
    EXPECT_EQ(Visible_Menu_Count(), 1);
    EXPECT_EQ(Selected_Function_Module, c.button);
    Settled();
    EXPECT_TRUE(Shows_Bitmap(Inner(c.menu).Hwnd(), "cd" + std::to_string(c.menu), 0, 0,
                             forms::Twips_To_Pixels_X(Outer(c.menu).Width()),
                             forms::Twips_To_Pixels_Y(kHeights[c.menu])));
    auto& item = form().Get<forms::Image>(PopMenu_Item_Array(c.menu), c.item);
    Mouse_To(Center_Of(item));
    ASSERT_TRUE(Pump_Until([&] { return !item.Get_Picture().Empty(); }));
    EXPECT_TRUE(Mouse_In_PopMenu);
    EXPECT_TRUE(Settled() && Image_Shows(item, c.prefix + std::to_string(c.item)));
    if (c.item == 1) Save_Screen("menu" + std::to_string(c.menu));
    calls.clear();
    opens_before = shell_opens.size();
    Click_At(Center_Of(item));
    ASSERT_TRUE(Pump_Until([&] {
      return !Outer(c.menu).Visible() && !Panel_Moving &&
             (!calls.empty() || shell_opens.size() > opens_before);
    }));
    if (c.first_call.empty()) {
      EXPECT_EQ(shell_opens.size(), opens_before + 1);
    } else {
      ASSERT_FALSE(calls.empty());
      EXPECT_EQ(calls.front(), c.first_call);
    }
    EXPECT_LE(Visible_Panel_Count(), 1);
    Mouse_To(Bare_Background());
    Pump_Until([] { return Open_PopMenu == kNone; }, std::chrono::seconds(2));
  }
  for (const Box_Record& b : boxes) ADD_FAILURE() << "box: " << b.title << ": " << b.text;
}

TEST_F(Function_Bar, MenusCloseAsTheyShould) {
  // No screen yet: leaving a touched menu closes it and leaves no button selected.
  Open_Menu_By_Click(0, 0);
  Mouse_To(Bare_Background());
  Pump_Until([] { return false; }, std::chrono::milliseconds(200));
  EXPECT_TRUE(Outer(0).Visible()) << "an untouched menu stays open";
  // The menu's margin between items changes nothing.
  Mouse_To(Client_Point(Inner(0).Hwnd(), 30, 460));
  Pump_Until([] { return false; }, std::chrono::milliseconds(200));
  EXPECT_FALSE(Mouse_In_PopMenu);
  Mouse_To(Center_Of(form().Get<forms::Image>("Image_English_Type", 2)));
  ASSERT_TRUE(Pump_Until([] { return Mouse_In_PopMenu; }));
  Mouse_To(Bare_Background());
  ASSERT_TRUE(Pump_Until([&] { return !Outer(0).Visible(); }));
  EXPECT_EQ(Open_PopMenu, kNone);
  EXPECT_EQ(Selected_Function_Module, kNone);
  EXPECT_TRUE(Button(0).Get_Picture().Empty());

  // A screen on show: the screen's button gets its selected look back.
  Do_Menu_Item(form(), English_Type_Item::Keys);
  ASSERT_EQ(Screen_Function_Module, 0);
  Open_Menu_By_Click(3, 2);
  Mouse_To(Center_Of(form().Get<forms::Image>("Image_Game", 1)));
  ASSERT_TRUE(Pump_Until([] { return Mouse_In_PopMenu; }));
  Mouse_To(Bare_Background());
  ASSERT_TRUE(Pump_Until([&] { return !Outer(2).Visible(); }));
  EXPECT_EQ(Selected_Function_Module, 0);
  EXPECT_TRUE(Settled() && Image_Shows(Button(0), "m2"));

  // A press on the panel on show closes an open menu at once.
  Open_Menu_By_Click(1, 1);
  Click_At(Client_Point(Background().Hwnd(), 6000, 5000));
  ASSERT_TRUE(Pump_Until([&] { return !Outer(1).Visible(); }));
  EXPECT_EQ(Open_PopMenu, kNone);

  // The button of an open menu unrolls it again; another button swaps the menus.
  std::vector<int> heights;
  Set_Animation_Watcher([&](const char*, int value) { heights.push_back(value); });
  Open_Menu_By_Click(4, 3);
  heights.clear();
  Click_At(Center_Of(Button(4)));
  ASSERT_TRUE(Pump_Until([&] { return !heights.empty() && !PopMenu_Opening; }));
  EXPECT_TRUE(Outer(3).Visible());
  EXPECT_EQ(Outer(3).Height(), 1080);
  EXPECT_EQ(heights.front(), 0);
  Open_Menu_By_Click(5, 4);
  EXPECT_FALSE(Outer(3).Visible());
  EXPECT_EQ(Visible_Menu_Count(), 1);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Function_Bar, SecondClicksDuringAnUnrollLeaveOneMenuAtFullSize) {
  Move_Step_Num = 15;  // longer unrolling, more room for a second click
  struct Case {
    const char* what;
    int first_button, first_menu, second_button, second_menu;
  } const cases[] = {{"another menu", 0, 0, 5, 4}, {"the same menu", 3, 2, 3, 2}};
  const int kHeights[5] = {1980, 1515, 1980, 1080, 2430};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int steps = 0;
    bool clicked = false;
    Set_Animation_Watcher([&](const char*, int) {
      if (++steps == 3 && !clicked) {
        clicked = true;
        Click_At(Center_Of(Button(c.second_button)));
      }
    });
    Click_At(Center_Of(Button(c.first_button)));
    ASSERT_TRUE(Pump_Until([&] { return clicked && !PopMenu_Opening && Open_PopMenu == c.second_menu; }));
    Pump_Until([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_FALSE(PopMenu_Opening);
    EXPECT_EQ(Visible_Menu_Count(), 1);
    EXPECT_TRUE(Outer(c.second_menu).Visible());
    EXPECT_EQ(Outer(c.second_menu).Height(), kHeights[c.second_menu]);
    EXPECT_EQ(Inner(c.second_menu).Top(), 0);
    Set_Animation_Watcher({});
    Mouse_To(Bare_Background());
    Click_At(Bare_Background());
    Pump_Until([&] { return Open_PopMenu == kNone; });
  }

  // Two clicks queued at once: the second one runs while the first opening clears its items
  // (posted clicks: real input could not be timed so exactly).
  Set_Animation_Watcher({});
  for (int b : {1, 4}) {
    RECT r = Button(b).Pixel_Rect();
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(Background().Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(Background().Hwnd(), WM_LBUTTONUP, 0, at);
  }
  ASSERT_TRUE(Pump_Until([&] { return Open_PopMenu == 3 && !PopMenu_Opening && Outer(3).Visible(); }))
      << "open " << Open_PopMenu << " opening " << PopMenu_Opening << " selected "
      << Selected_Function_Module << " visible " << Visible_Menu_Count() << " panel " << Current_Panel;
  Pump_Until([] { return false; }, std::chrono::milliseconds(300));
  EXPECT_EQ(Visible_Menu_Count(), 1);
  EXPECT_EQ(Outer(3).Height(), kHeights[3]);
  Click_At(Bare_Background());
  Pump_Until([&] { return Open_PopMenu == kNone; });

  // An item chosen while its menu unrolls: the screen changes, the menu is hidden.
  int steps = 0;
  bool clicked = false;
  Set_Animation_Watcher([&](const char* what, int) {
    if (std::string(what) == "menu" && ++steps == 10 && !clicked) {
      clicked = true;
      Click_At(Center_Of(form().Get<forms::Image>("Image_Game", 3)));  // the lowest shows first
    }
  });
  Click_At(Center_Of(Button(3)));
  ASSERT_TRUE(Pump_Until([&] { return clicked && Current_Panel == 6 && !Panel_Moving && !PopMenu_Opening; }));
  Pump_Until([] { return false; }, std::chrono::milliseconds(300));
  EXPECT_EQ(Visible_Panel_Count(), 1);
  EXPECT_EQ(Panel(6).Left(), 0);
  EXPECT_FALSE(Outer(2).Visible());
  EXPECT_FALSE(Panel_Moving);
  EXPECT_FALSE(PopMenu_Opening);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Function_Bar, UnrollingStepsFollowMoveStepNum) {
  for (float steps : {15.0f, 5.0f}) {
    Move_Step_Num = steps;
    std::vector<int> heights;
    Set_Animation_Watcher([&](const char*, int value) { heights.push_back(value); });
    Do_Function_Module(form(), Function_Button::Speed_Test);
    EXPECT_EQ(heights.size(), steps == 15 ? 16u : 6u);
    EXPECT_EQ(Outer(3).Height(), 1080);
    Close_PopMenu(form());
  }
}

TEST_F(Function_Bar, AFailedUnrollingLeavesTheMenusClosable) {
  int steps = 0;
  Set_Animation_Watcher([&](const char*, int) {
    if (++steps == 2) throw forms::Runtime_Error(481, "Invalid picture");
  });
  Click_At(Center_Of(Button(0)));
  ASSERT_TRUE(Pump_Until([&] { return !boxes.empty(); }));
  EXPECT_EQ(boxes[0].text, "Invalid picture!");
  EXPECT_FALSE(PopMenu_Opening);
  Set_Animation_Watcher({});
  // Touching an item (the lowest, the one that shows first) and leaving still closes the menu.
  auto& item = form().Get<forms::Image>("Image_English_Type", 3);
  Mouse_To(Client_Point(Inner(0).Hwnd(), item.Left() + 300, item.Top() + item.Height() - 60));
  ASSERT_TRUE(Pump_Until([] { return Mouse_In_PopMenu; }));
  Mouse_To(Bare_Background());
  EXPECT_TRUE(Pump_Until([&] { return !Outer(0).Visible() && Open_PopMenu == kNone; }));
}

TEST_F(Function_Bar, DialogButtonsHandTheSelectionBack) {
  // No screen yet: nothing stays selected.
  Click_At(Center_Of(Button(7)));
  ASSERT_TRUE(Pump_Until([&] { return helps.size() == 1; }));
  EXPECT_EQ(Selected_Function_Module, kNone);
  EXPECT_EQ(Hover_Function_Module, kNone);
  EXPECT_TRUE(Button(7).Get_Picture().Empty());
  // A screen on show: its button is selected again.
  Do_Menu_Item(form(), Game_Item::Mouse);
  Click_At(Center_Of(Button(6)));
  ASSERT_TRUE(Pump_Until([&] { return !calls.empty() && calls.back() == "Show_Form_Control"; }));
  EXPECT_EQ(Selected_Function_Module, 3);
  EXPECT_EQ(Hover_Function_Module, 3);
  EXPECT_TRUE(Button(6).Get_Picture().Empty());
  EXPECT_TRUE(Settled() && Image_Shows(Button(3), "m8"));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Function_Bar, ACommandFromTheContextMenuOpensNoMenuButSelectsItsButton) {
  Direct_Command = true;
  Do_Function_Module(form(), Function_Button::Game);
  Direct_Command = false;
  EXPECT_EQ(Visible_Menu_Count(), 0);
  EXPECT_EQ(Open_PopMenu, 2);
  EXPECT_EQ(Selected_Function_Module, 3);
  EXPECT_FALSE(Button(3).Get_Picture().Empty());
}

}  // namespace
}  // namespace quillon
