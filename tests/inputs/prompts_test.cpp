// The ready prompt shown modally as the timed practices show it: closed only by the release of an
// Enter pressed while it is open, greyed while another window is in front.
#include "look_fixture.h"

#include "services/prompts.h"

namespace quillon {
namespace {

using Ready_Prompt = Look_Test;

forms::Form& Prompt() { return Form_Begin_Type(); }
bool Up() { return Prompt().Loaded() && GetForegroundWindow() == Prompt().Hwnd(); }
bool Cover_Shown() {
  return Prompt().Loaded() && Prompt().Get<forms::Image>("Image_Main_Form_Up").Visible();
}

Script::Step Pause(int ms) {
  auto until = std::make_shared<DWORD>(0);
  return [until, ms] {
    if (*until == 0) *until = GetTickCount() + ms;
    if (static_cast<int>(GetTickCount() - *until) < 0) return false;
    *until = 0;
    return true;
  };
}

Script::Step Stroke(std::vector<WORD> keys) {
  return [keys] {
    for (WORD k : keys) Key(k, true);
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) Key(*it, false);
    return true;
  };
}

TEST_F(Ready_Prompt, OnlyEnterReleasedClosesItWhateverTheModifiers) {
  struct Case {
    const char* what;
    std::vector<WORD> modifiers;
  } const cases[] = {{"Enter", {}}, {"Shift+Enter", {VK_SHIFT}}, {"Ctrl+Enter", {VK_CONTROL}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool face = false, open_after_others = false, open_while_held = false, centred = false;
    Script script({[] { return Up(); }, Pause(150),
                   [&] {
                     face = Shows_Bitmap(Prompt().Hwnd(), "zbcs", 0, 0, 282, 43) && !Cover_Shown();
                     RECT r;
                     GetWindowRect(Prompt().Hwnd(), &r);
                     centred = std::abs(r.left + r.right - GetSystemMetrics(SM_CXSCREEN)) <= 2 &&
                               std::abs(r.top + r.bottom - GetSystemMetrics(SM_CYSCREEN)) <= 2;
                     Save_Screen("ready-prompt");
                     return true;
                   },
                   Stroke({VK_ESCAPE}), Stroke({VK_SPACE}), Stroke({VK_CONTROL, 'Y'}),
                   Stroke({VK_MENU, VK_F4}), Stroke({'A'}),
                   [&] {
                     Click_At(Center_Of(Prompt().Get<forms::Image>("Image_Main_Form_Up")));
                     PostMessageA(Prompt().Hwnd(), WM_CLOSE, 0, 0);
                     PostMessageA(Prompt().Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
                     return true;
                   },
                   Pause(300),
                   [&] {
                     open_after_others = Up();
                     for (WORD m : c.modifiers) Key(m, true);
                     Key(VK_RETURN, true);
                     return true;
                   },
                   Pause(300),
                   [&] {
                     open_while_held = Up();
                     Key(VK_RETURN, false);
                     for (auto it = c.modifiers.rbegin(); it != c.modifiers.rend(); ++it)
                       Key(*it, false);
                     return true;
                   }});
    Show_Form_Begin_Type();
    EXPECT_FALSE(script.Timed_Out());
    EXPECT_TRUE(face);
    EXPECT_TRUE(centred);
    EXPECT_TRUE(open_after_others);
    EXPECT_TRUE(open_while_held) << "closed before Enter was released";
    EXPECT_FALSE(Prompt().Loaded());
  }
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Ready_Prompt, TheReleaseOfAnEnterPressedBeforeItOpenedLeavesItOpen) {
  bool open_after_release = false;
  Script script({[] { return Up(); }, Pause(200),
                 [&] {
                   Key(VK_RETURN, false);  // the Enter that accepted whatever came before
                   return true;
                 },
                 Pause(300),
                 [&] {
                   open_after_release = Up();
                   return true;
                 },
                 Stroke({VK_RETURN})});
  Key(VK_RETURN, true);
  Pump_Until([] { return false; }, std::chrono::milliseconds(100));
  Show_Form_Begin_Type();
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_TRUE(open_after_release);
  EXPECT_FALSE(Prompt().Loaded());
}

TEST_F(Ready_Prompt, ItGreysWhileAnotherWindowIsInFront) {
  HWND other = nullptr;
  bool greyed = false, looks_greyed = false, back = false, looks_back = false;
  Script script({[] { return Up(); }, Pause(150),
                 [&] {
                   other = CreateWindowExA(0, "STATIC", "another program",
                                           WS_POPUP | WS_VISIBLE | WS_BORDER, 20, 20, 200, 80,
                                           nullptr, nullptr, nullptr, nullptr);
                   SetForegroundWindow(other);
                   return true;
                 },
                 [&] { return GetForegroundWindow() == other; }, Pause(250),
                 [&] {
                   greyed = Cover_Shown();
                   looks_greyed = Shows_Bitmap(Prompt().Hwnd(), "begin2", 0, 0, 282, 43);
                   Save_Screen("ready-prompt-inactive");
                   SetForegroundWindow(Prompt().Hwnd());
                   return true;
                 },
                 [&] { return GetForegroundWindow() == Prompt().Hwnd(); }, Pause(250),
                 [&] {
                   back = !Cover_Shown();
                   looks_back = Shows_Bitmap(Prompt().Hwnd(), "zbcs", 0, 0, 282, 43);
                   return true;
                 },
                 Stroke({VK_RETURN})});
  Show_Form_Begin_Type();
  if (other) DestroyWindow(other);
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_TRUE(greyed);
  EXPECT_TRUE(looks_greyed);
  EXPECT_TRUE(back);
  EXPECT_TRUE(looks_back);
  EXPECT_FALSE(Prompt().Loaded());
}

}  // namespace
}  // namespace quillon
