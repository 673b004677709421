// The shell's periphery over the real main window: the context menu, pointer events and links,
// moving the window, the About box and display scaling.
#include "look_fixture.h"

#include <thread>

#include "services/scaling.h"
#include "services/tutor_settings.h"
#include "settings/settings_dialogs.h"
#include "shell/about_box.h"
#include "shell/context_menu.h"
#include "shell/pointer_events.h"

namespace quillon {
namespace {

using Periphery = Look_Test;

// The calls that are commands: a pointer move over a page panel only takes its buttons' hover
// looks off, whatever the menu did.
std::vector<std::string> Commands_Run(std::vector<std::string> calls) {
  std::erase(calls, std::string("Reset_Key_Char_Button_Picture"));
  return calls;
}

// Right-clicks at a point and, from another thread, walks the pop-up menu with keys.
void Choose_From_Context_Menu(POINT at, std::vector<WORD> keys, const char* shot = nullptr) {
  Mouse_To(at);
  std::thread hand([keys, shot] {
    Sleep(500);
    for (WORD k : keys) {
      testkit::Key_Stroke({k});
      Sleep(120);
      if (shot && k == VK_RIGHT) Save_Screen(shot);
    }
  });
  Mouse_Button(2, true);
  Mouse_Button(2, false);
  Pump_Until([] { return false; }, std::chrono::milliseconds(800 + 150 * static_cast<int>(keys.size())));
  hand.join();
  Pump_Until([] { return false; }, std::chrono::milliseconds(300));
}

TEST_F(Periphery, ContextMenuRunsItsCommandsDirectlyAndNoneDuringASlide) {
  // 最小化, 我的设置 > 功能设置, 系统设置 ...
  Choose_From_Context_Menu(Bare_Background(), {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN},
                           "context-menu");
  EXPECT_EQ(calls, std::vector<std::string>{"Show_Form_System_Set"});
  EXPECT_FALSE(Direct_Command);

  // 英文打字 > 键位练习 from a page panel: the page opens, no drop-down menu, no item sound.
  calls.clear();
  Choose_From_Context_Menu(Bare_Background(), {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN});
  ASSERT_TRUE(Pump_Until([&] { return Panel(0).Visible() && !Panel_Moving; }));
  EXPECT_NE(std::find(calls.begin(), calls.end(), "Initialize_Key_Char_Page"), calls.end());
  EXPECT_EQ(Visible_Menu_Count(), 0);
  EXPECT_FALSE(Direct_Command);

  // A right press on the panel opens the same menu; cancelled, nothing runs.
  calls.clear();
  Choose_From_Context_Menu(Center_Of(Panel(0)), {VK_ESCAPE});
  EXPECT_TRUE(Commands_Run(calls).empty()) << testing::PrintToString(calls);

  // During a slide the choice is dropped, the exit included.
  Panel_Moving = true;
  Choose_From_Context_Menu(Bare_Background(), {VK_UP, VK_RETURN});  // 退出
  Choose_From_Context_Menu(Bare_Background(), {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN});
  Panel_Moving = false;
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(Commands_Run(calls).empty()) << testing::PrintToString(calls);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Periphery, ContextMenuHoldsTheBarsCommandsWithTheirShortcutTexts) {
  forms::Menu_Item& menu = myPopupMenu();
  std::vector<std::string> top;
  for (const auto& item : menu.Items()) top.push_back(item->Menu_Text());
  EXPECT_EQ(top, (std::vector<std::string>{"最小化\tCtrl+M", "我的设置", "英文打字", "中文打字",
                                           "自由录入", "打字游戏", "速度测试", "其它功能",
                                           "退出\tCtrl+Q"}));
  ASSERT_NE(menu.Find("Menu_Teacher"), nullptr);
  EXPECT_EQ(menu.Find("Menu_Teacher")->Menu_Text(), "打字教程\tCtrl+F1");
  EXPECT_EQ(menu.Find("Menu_Game", 3)->Caption(), "青蛙过河");
  EXPECT_EQ(menu.Find("Menu_System_Set")->Shortcut(), "Ctrl+T");
}

TEST_F(Periphery, AClickOnTheBackgroundMovesNothingADragMovesByThePointer) {
  RECT before;
  GetWindowRect(form().Hwnd(), &before);
  POINT at = Bare_Background();
  Mouse_To(at);
  // A click whose pointer stays put: the display may still echo a move at the same place.
  std::thread hand([at] {
    Sleep(300);
    Send_Move(at);
    Sleep(100);
    Send_Move(at);
    Sleep(200);
    Mouse_Button(1, false);
  });
  Mouse_Button(1, true);
  Pump_Until([] { return false; }, std::chrono::milliseconds(1200));
  hand.join();
  Pump_Until([] { return false; }, std::chrono::milliseconds(300));
  RECT after;
  GetWindowRect(form().Hwnd(), &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
}

TEST_F(Periphery, PanelMovesResetTheirPageAndTheLinkShowsItsLooksAndOpens) {
  Panel(0).Set_Visible(true);
  Mouse_To(Center_Of(Panel(0)));
  Mouse_To({Center_Of(Panel(0)).x + 5, Center_Of(Panel(0)).y + 5});
  EXPECT_TRUE(Pump_Until([&] {
    return std::find(calls.begin(), calls.end(), "Reset_Key_Char_Button_Picture") != calls.end();
  }, std::chrono::seconds(3)));
  Panel(0).Set_Visible(false);

  auto& link = form().Get<forms::Picture_Box>("Picture_LarkmoorNet");
  Mouse_To(Center_Of(link));
  EXPECT_TRUE(Pump_Until([&] { return GetCapture() == link.Hwnd(); }, std::chrono::seconds(3)));
  EXPECT_TRUE(Shows_Bitmap(link.Hwnd(), "LarkmoorNet1", 0, 0, 150, 25));
  Mouse_To(Bare_Background());
  EXPECT_TRUE(Pump_Until([&] { return GetCapture() != link.Hwnd(); }, std::chrono::seconds(3)));
  EXPECT_TRUE(Shows_Bitmap(link.Hwnd(), "LarkmoorNet2", 0, 0, 150, 25));

  // Either button opens the web page; a right click opens no context menu there.
  for (int button : {1, 2}) {
    Mouse_To(Center_Of(link));
    Mouse_Button(button, true);
    Mouse_Button(button, false);
    Pump_Until([] { return false; }, std::chrono::milliseconds(300));
  }
  Mouse_To(Center_Of(form().Get<forms::Image>("Image_Bazaro")));
  Mouse_Button(1, true);
  Mouse_Button(1, false);
  Pump_Until([] { return false; }, std::chrono::milliseconds(300));
  EXPECT_EQ(shell_opens, (std::vector<std::string>{kMakerWebSite, kMakerWebSite, kBazaroWebSite}));
  EXPECT_TRUE(boxes.empty());
}

// ---- About box ----

// A press and release at a client point of a window, posted (the pointer stays where it is).
void Post_Click(HWND window, int x, int y, UINT down) {
  const LPARAM at = MAKELPARAM(x, y);
  PostMessageA(window, down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, at);
  PostMessageA(window, down + 1, 0, at);
}

class About : public Look_Test {
 protected:
  void TearDown() override {
    if (Form_About().Loaded()) forms::Unload(Form_About());
    Look_Test::TearDown();
  }
  static bool Opened() {
    return Form_About().Visible() && Form_About().Width() >= static_cast<int>(About_Width) - 30;
  }
  // Opens the box and runs the steps while its zoom and credits run; true when all ran.
  bool Run_About(std::vector<Script::Step> steps) {
    steps.insert(steps.begin(), [] { return Opened(); });
    Script script(std::move(steps), 20000);
    Show_About(form(), Number(Function_Button::About));
    Pump_Until([&] { return script.Finished(); }, std::chrono::seconds(25));
    return !script.Timed_Out() && script.Finished();
  }
};

TEST_F(About, EveryClosePathClosesOnceAndBringsTheMainWindowBack) {
  struct Path { const char* name; std::function<void()> close; };
  const Path paths[] = {
      {"Enter", [] { Key_Stroke({VK_RETURN}); }},
      {"Esc", [] { Key_Stroke({VK_ESCAPE}); }},
      {"Shift+Space", [] { Key_Stroke({VK_SHIFT, VK_SPACE}); }},
      {"Ctrl+Y", [] { Key_Stroke({VK_CONTROL, 'Y'}); }},
      {"left click on the face", [] { Post_Click(Form_About().Hwnd(), 100, 166, WM_LBUTTONDOWN); }},
      {"OK button", [] {
         PostMessageA(Form_About().Get<forms::Command_Button>("Command_Close").Hwnd(), BM_CLICK, 0, 0);
       }},
      // Last: the Alt released after the box has gone puts the main window into menu mode.
      {"Alt+F4", [] { Key_Stroke({VK_MENU, VK_F4}); }},
  };
  // A right click or Ctrl+Shift+Y does nothing; two close requests close it once.
  bool still_open = false;
  DWORD since = 0;
  EXPECT_TRUE(Run_About({
      [&] {
        Key_Stroke({VK_CONTROL, VK_SHIFT, 'Y'});
        Post_Click(Form_About().Hwnd(), 100, 166, WM_RBUTTONDOWN);
        since = GetTickCount();
        return true;
      },
      [&] {
        if (GetTickCount() - since < 500) return false;
        still_open = Form_About().Visible();
        Command_Close_Click();
        Command_Close_Click();
        return true;
      },
      [] { return !Form_About().Loaded(); }}));
  EXPECT_TRUE(still_open);
  bool shot = false;
  for (const Path& p : paths) {
    std::string flag_open;
    bool main_hidden = false;
    DWORD since = 0;
    EXPECT_TRUE(Run_About({
        [&] {
          flag_open = Read(kAboutFlag);
          main_hidden = !form().Visible();
          since = GetTickCount();
          return true;
        },
        [&] {
          if (!shot) {  // let the credits move, and look at them once
            if (GetTickCount() - since < 2600) return false;
            EXPECT_TRUE(Shows_Bitmap(Form_About().Hwnd(), "gy", 0, 0, 300, 40));
            Save_Screen("about-box");
            shot = true;
          }
          p.close();
          return true;
        },
        [] { return !Form_About().Loaded(); }}))
        << p.name;
    EXPECT_EQ(flag_open, "1") << p.name;
    EXPECT_TRUE(main_hidden) << p.name;
    EXPECT_EQ(Read(kAboutFlag), "0") << p.name;
    EXPECT_TRUE(Pump_Until([&] { return form().Visible(); })) << p.name;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(About, ThePoliceWalksAgainOnlyIfItWalkedBefore) {
  auto& police = Main_Timer("Timer_Game_Police");
  Current_Panel = Number(Panel_Id::Police);
  for (bool walking : {false, true}) {
    police.Set_Enabled(walking);
    bool stopped_while_open = false;
    EXPECT_TRUE(Run_About({[&] {
                             stopped_while_open = !police.Enabled();
                             Key_Stroke({VK_ESCAPE});
                             return true;
                           },
                           [] { return !Form_About().Loaded(); }}));
    EXPECT_TRUE(stopped_while_open);
    EXPECT_EQ(police.Enabled(), walking);
  }
  police.Set_Enabled(false);
  Current_Panel = kNone;
}

TEST_F(About, ACloseDuringTheOpeningZoomClosesOnce) {
  Script script({[] { return Form_About().Visible(); },
                 [] {
                   Command_Close_Click();
                   return true;
                 },
                 [] { return !Form_About().Loaded(); }});
  Show_About(form(), Number(Function_Button::About));
  Pump_Until([&] { return script.Finished(); }, std::chrono::seconds(15));
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_TRUE(Pump_Until([&] { return form().Visible(); }));
  EXPECT_EQ(Read(kAboutFlag), "0");
  Pump_Until([] { return false; }, std::chrono::milliseconds(300));
  EXPECT_TRUE(boxes.empty());
}

// ---- Scaling ----

TEST_F(Periphery, ScaleFormMovesAndStepsTheFontsOfTheKindsItScales) {
  struct Case { float factor; double font; int width; };
  const Case cases[] = {{0.8f, 8.5, 2400},   {0.75f, 10.5, 2250}, {1.5f, 10.5, 4500},
                        {0.0f, 10.5, 3000}, {1.0f, 10.5, 3000}};
  for (const Case& c : cases) {
    forms::Form f;
    f.Border = forms::Border_Style::None;
    f.On_Design = [&] {
      f.Move(1500, 1500, 6000, 4500);
      auto& label = f.Add<forms::Label>("Label_Title");
      label.Move(300, 300, 3000, 300);
      label.Set_Font("宋体", 10.5);
      auto& combo = f.Add<forms::Combo_Box>("Combo_Kind");
      combo.Move(300, 900, 3000, 2400);
      combo.Set_Font("宋体", 10.5);
      auto& box = f.Add<forms::Rich_Text_Box>("RichText_Input");
      box.Move(300, 1500, 3000, 600);
      box.Set_Font("宋体", 10.5);
      auto& check = f.Add<forms::Check_Box>("Check_Flag");
      check.Move(300, 2400, 3000, 300);
      check.Set_Font("宋体", 10.5);
      auto& kept = f.Add<forms::Label>("Label_Kept");
      kept.Move(300, 3000, 3000, 300);
      kept.Tag = "not";
      // An axis and a slanted tick: their ends scale, so each keeps its shape.
      f.Add<forms::Line>("Line_Axis").Set_Ends(600, 3600, 3600, 3600);
      f.Add<forms::Line>("Line_Tick").Set_Ends(900, 3900, 600, 3300);
    };
    f.Load();
    Scale_Form(f, c.factor);
    const std::string at = std::to_string(c.factor);
    EXPECT_NEAR(f.Width(), 6000 * (c.factor > 0 ? c.factor : 1), 30) << at;
    EXPECT_NEAR(f.Get<forms::Label>("Label_Title").Width(), c.width, 20) << at;
    EXPECT_EQ(f.Get<forms::Label>("Label_Title").Font_Size(), c.font) << at;
    EXPECT_EQ(f.Get<forms::Combo_Box>("Combo_Kind").Font_Size(), c.font) << at;
    EXPECT_EQ(f.Get<forms::Combo_Box>("Combo_Kind").Height(), 2400) << at;  // keeps its height
    EXPECT_EQ(f.Get<forms::Rich_Text_Box>("RichText_Input").Font_Size(), c.font) << at;
    EXPECT_EQ(f.Get<forms::Check_Box>("Check_Flag").Font_Size(), 10.5) << at;  // not a text kind
    EXPECT_NEAR(f.Get<forms::Check_Box>("Check_Flag").Top(), 2400 * (c.factor > 0 ? c.factor : 1), 20) << at;
    EXPECT_EQ(f.Get<forms::Label>("Label_Kept").Top(), 3000) << at;
    const double k = c.factor > 0 ? c.factor : 1;
    struct Ends { const char* name; int x1, y1, x2, y2; };
    for (const Ends& e :
         {Ends{"Line_Axis", 600, 3600, 3600, 3600}, Ends{"Line_Tick", 900, 3900, 600, 3300}}) {
      const forms::Line& line = f.Get<forms::Line>(e.name);
      EXPECT_NEAR(line.X1, e.x1 * k, 1) << e.name << " " << at;
      EXPECT_NEAR(line.Y1, e.y1 * k, 1) << e.name << " " << at;
      EXPECT_NEAR(line.X2, e.x2 * k, 1) << e.name << " " << at;
      EXPECT_NEAR(line.Y2, e.y2 * k, 1) << e.name << " " << at;
      EXPECT_NEAR(line.Left(), std::min(e.x1, e.x2) * k, 1) << e.name << " " << at;
      EXPECT_NEAR(line.Width(), std::max(1.0, std::abs(e.x2 - e.x1) * k), 1) << e.name << " " << at;
    }
    forms::Unload(f);
  }
}

TEST_F(Periphery, AtScaleFactorPointEightTheDialogsShowTheirLargerPicturesAndRescale) {
  Scale_Factor = 0.8f;
  bool seen = false;
  Script script({[&] { return Form_Control().Visible(); },
                 [&] {
                   EXPECT_TRUE(Shows_Bitmap(Form_Control().Hwnd(), "gnsz_125", 0, 0, 140, 50));
                   Save_Screen("function-settings-scaled");
                   seen = true;
                   Key_Stroke({VK_ESCAPE});
                   return true;
                 },
                 [&] { return Form_System_Set().Visible(); },
                 [&] {
                   EXPECT_NEAR(Form_System_Set().Width(), 5565 * 4 / 5, 20);
                   Save_Screen("system-settings-scaled");
                   Key_Stroke({VK_ESCAPE});
                   return true;
                 }});
  Show_Form_Control(form());
  Show_Form_System_Set(form());
  Scale_Factor = 1.0f;
  EXPECT_TRUE(seen);
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace quillon
