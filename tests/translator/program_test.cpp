// The real Lingvane.exe started from its folder: single instance, options kept and written
// back, the stand-in's record of the hook calls, the About box and the style switch restart.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "lingvane_fixture.h"
#include "testkit/testkit.h"

namespace {

using namespace lingvane_fixture;
using TranslatorProgram = TranslatorProgramTest;

TEST_F(TranslatorProgram, SecondStartEndsAtOnceAndLeavesTheStoredOptionsAlone) {
  Write_Number("ProfDictID", 3);
  Write_Number("UseUserDict", 1);
  Write_Number("CurrentCode", 256);
  Write_Text("DFKCPath", "D:\\DFKC");

  testkit::Process first(Exe(), "", folder_);
  ASSERT_TRUE(first.Started());
  HWND bar = Wait_Bar(first);
  ASSERT_NE(bar, nullptr);
  Values stored = Read_Options();
  ASSERT_EQ(stored.size(), 4u);

  testkit::Process second(Exe(), "", folder_);
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(second.Wait_Exit(), 0u);
  EXPECT_EQ(Read_Options(), stored);  // nothing written by the second start
  EXPECT_EQ(first.Wait_Exit(std::chrono::milliseconds(0)), static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_TRUE(IsWindow(bar));

  // The compact bar (the default style) at the top of the screen.
  RECT r;
  GetWindowRect(bar, &r);
  EXPECT_EQ(r.right - r.left, 198);
  EXPECT_EQ(r.bottom - r.top, 27);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.left, GetSystemMetrics(SM_CXSCREEN) - 3 * GetSystemMetrics(SM_CXSIZE) - 250);
  EXPECT_TRUE(GetWindowLongA(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
  // No splash left over.
  EXPECT_EQ(Find_Splash(first.Id()), nullptr);

  PostMessageA(bar, WM_CLOSE, 0, 0);
  EXPECT_EQ(first.Wait_Exit(), 0u);

  Values after = Read_Options();
  EXPECT_EQ(after.size(), 19u);
  EXPECT_EQ(after["ProfDictID"], "n:3");
  EXPECT_EQ(after["UseUserDict"], "n:1");
  EXPECT_EQ(after["CurrentCode"], "n:256");
  EXPECT_EQ(after["DFKCPath"], "s:D:\\DFKC");
  EXPECT_EQ(after["UseGameTrans"], "n:1");
  EXPECT_EQ(after["InterfaceStyle"], "n:0");
  EXPECT_EQ(after["BackgroundImageID"], "n:129");

  // The companion library was started and ended by the first instance only.
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "InitHooks32", "SetProfDictID32 3", "SetUserDict32 1", "SetChnEngMenu32 0",
                       "SetInterfaceType32 0", "SetCode32 256", "ClearHooks32"}));
}

TEST_F(TranslatorProgram, FailingHookStartEndsSilentlyAndWritesTheOptionsBackUnchanged) {
  Write_Number("ProfDictID", 2);
  Write_Number("ShowNavBar", 1);
  SetEnvironmentVariableA("TRHOOK32_FAIL_INIT", "1");
  testkit::Process lingvane(Exe(), "", folder_);
  ASSERT_TRUE(lingvane.Started());
  EXPECT_EQ(lingvane.Wait_Exit(), 0u);
  Values after = Read_Options();
  EXPECT_EQ(after.size(), 19u);
  EXPECT_EQ(after["ProfDictID"], "n:2");
  EXPECT_EQ(after["ShowNavBar"], "n:1");
  EXPECT_EQ(after["TransHotkey"], "n:131192");
  EXPECT_EQ(Log(), std::vector<std::string>{"InitHooks32"});

  // The guard was released: the next start runs.
  SetEnvironmentVariableA("TRHOOK32_FAIL_INIT", nullptr);
  testkit::Process next(Exe(), "", folder_);
  HWND bar = Wait_Bar(next);
  ASSERT_NE(bar, nullptr);
  PostMessageA(bar, WM_CLOSE, 0, 0);
  EXPECT_EQ(next.Wait_Exit(), 0u);
}

TEST_F(TranslatorProgram, DamagedBarStyleStartsTheCompactBarAndTheNextStartToo) {
  struct Case {
    const char* what;
    void (*store)();
  } cases[] = {
      {"2", [] { Write_Number("InterfaceStyle", 2); }},
      {"0xFFFFFFFF", [] { Write_Number("InterfaceStyle", -1); }},
      {"text \"1\"", [] { Write_Text("InterfaceStyle", "1"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("InterfaceStyle ") + c.what);
    testkit::Delete_User_Key("Software\\Larkmoor\\Lingvane");
    c.store();
    Write_Number("ProfDictID", 5);
    // Twice: the first start replaces the value, the second starts from what was written.
    for (int start = 0; start < 2; ++start) {
      testkit::Process lingvane(Exe(), "", folder_);
      HWND bar = Wait_Bar(lingvane);
      ASSERT_NE(bar, nullptr) << "start " << start;
      RECT r;
      GetWindowRect(bar, &r);
      EXPECT_EQ(r.right - r.left, 198);  // the compact bar
      PostMessageA(bar, WM_CLOSE, 0, 0);
      EXPECT_EQ(lingvane.Wait_Exit(), 0u);
      Values after = Read_Options();
      EXPECT_EQ(after["InterfaceStyle"], "n:0");
      EXPECT_EQ(after["ProfDictID"], "n:5");  // nothing else lost
    }
  }
}

TEST_F(TranslatorProgram, AboutBoxIsThePictureCentredOnTheScreen) {
  testkit::Process lingvane(Exe(), "", folder_);
  HWND bar = Wait_Bar(lingvane);
  ASSERT_NE(bar, nullptr);
  PostMessageA(bar, WM_COMMAND, 32778, 0);
  HWND about = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (about = Find(lingvane.Id(), "#32770", "")); }));
  RECT client, window;
  GetClientRect(about, &client);
  GetWindowRect(about, &window);
  EXPECT_EQ(client.right, 340);
  EXPECT_EQ(client.bottom, 240);
  EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - (window.right - window.left)) / 2);
  EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - (window.bottom - window.top)) / 2);
  PostMessageA(about, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
  EXPECT_TRUE(testkit::Wait_Until([&] { return !IsWindow(about); }));
  PostMessageA(bar, WM_CLOSE, 0, 0);
  EXPECT_EQ(lingvane.Wait_Exit(), 0u);
}

TEST_F(TranslatorProgram, StyleSwitchAcceptedRestartsTheProgramInTheOtherStyle) {
  testkit::Process lingvane(Exe(), "", folder_);
  HWND bar = Wait_Bar(lingvane);
  ASSERT_NE(bar, nullptr);
  PostMessageA(bar, WM_COMMAND, 32872, 0);
  HWND question = nullptr;
  ASSERT_TRUE(
      testkit::Wait_Until([&] { return (question = Find(lingvane.Id(), "#32770", kTitle)); }));
  PostMessageA(question, WM_COMMAND, IDYES, 0);
  EXPECT_EQ(lingvane.Wait_Exit(), 0u);
  EXPECT_EQ(Read_Options()["InterfaceStyle"], "n:1");

  // The new instance: the shaped bar.
  HWND shaped = nullptr;
  ASSERT_TRUE(testkit::Wait_Until(
      [&] { return (shaped = Find(0, nullptr, kTitle, lingvane.Id())); }));
  RECT r;
  GetWindowRect(shaped, &r);
  EXPECT_EQ(r.right - r.left, 250);
  EXPECT_EQ(r.bottom - r.top, 45);
  DWORD pid = 0;
  GetWindowThreadProcessId(shaped, &pid);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE,
                               FALSE, pid);
  ASSERT_NE(process, nullptr);
  PostMessageA(shaped, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process, 20000) != WAIT_OBJECT_0) {
    TerminateProcess(process, 99);
    ADD_FAILURE() << "the restarted program did not close";
  }
  DWORD code = 99;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  EXPECT_EQ(code, 0u);
  Values after = Read_Options();
  EXPECT_EQ(after["InterfaceStyle"], "n:1");
  EXPECT_EQ(after["BackgroundImageID"], "n:205");
}

TEST_F(TranslatorProgram, StyleSwitchDeclinedKeepsRunningAndSavesTheNewStyleAtExit) {
  testkit::Process lingvane(Exe(), "", folder_);
  HWND bar = Wait_Bar(lingvane);
  ASSERT_NE(bar, nullptr);
  PostMessageA(bar, WM_COMMAND, 32872, 0);
  HWND question = nullptr;
  ASSERT_TRUE(
      testkit::Wait_Until([&] { return (question = Find(lingvane.Id(), "#32770", kTitle)); }));
  PostMessageA(question, WM_COMMAND, IDNO, 0);
  HWND later = nullptr;  // "takes effect at the next start", captioned with the program name
  ASSERT_TRUE(testkit::Wait_Until(
      [&] { return (later = Find(lingvane.Id(), "#32770", "Lingvane")); }));
  PostMessageA(later, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(testkit::Wait_Until([&] { return !IsWindow(later); }));
  PostMessageA(bar, WM_CLOSE, 0, 0);
  EXPECT_EQ(lingvane.Wait_Exit(), 0u);
  EXPECT_EQ(Read_Options()["InterfaceStyle"], "n:1");
  EXPECT_EQ(Find(0, nullptr, kTitle, lingvane.Id()), nullptr);  // no restart
}

}  // namespace
