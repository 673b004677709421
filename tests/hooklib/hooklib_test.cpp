// trhook95.dll across real processes: its exports and shared record, the hooks installed for
// the whole desktop, the freeze triggers, comparison tracking and the game plug-in loader.
// Each test works on its own copy of the library, so the shared record starts fresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "hookkit.h"

namespace {

using hookkit::Comp_Window;
using hookkit::Game;
using hookkit::Key;
using testkit::Wait_Until;

const char kBoxTitle[] = "青岚墨译-游戏汉化";
const char kBoxText[] =
    "青岚墨译能够汉化多种流行游戏，基本上帮助玩家克服语言障碍，要取得更好的效果，请购买相关游戏的中文版。";
const DWORD kCtrlShiftF1 = 0x60070;
const DWORD kCtrlF1 = 0x20070;

std::string Text(const volatile char* field) {
  std::string s;
  for (size_t i = 0; i < trhook95::kFolderSize && field[i]; ++i) s += field[i];
  return s;
}

class HookLib : public ::testing::Test {
 protected:
  void SetUp() override {
    GetCurrentDirectoryA(sizeof oldDir_, oldDir_);
    ASSERT_TRUE(lib.Loaded());
    ASSERT_NE(lib.Shared(), nullptr);
    shared = lib.Shared();
  }
  void TearDown() override {
    lib.ClearWinHooks();
    SetCurrentDirectoryA(oldDir_);
  }
  // InitWinHooks from the run folder.
  BOOL Init(DWORD translatorPid, HWND* compWnd) {
    SetCurrentDirectoryA(run.Path().c_str());
    return lib.InitWinHooks(translatorPid, compWnd);
  }
  bool Hooks_Installed() const {
    return shared->hKeyboardHook && shared->hGetMsgHook && shared->hCbtHook;
  }

  hookkit::Run_Folder run;
  hookkit::Library lib{run};
  volatile trhook95::SharedHookData* shared = nullptr;

 private:
  char oldDir_[MAX_PATH] = {};
};

// --- Exports and shared record ------------------------------------------------------------

TEST_F(HookLib, SevenUndecoratedExportsAtTheirOrdinals) {
  const char* names[] = {"ClearWinHooks", "EnableHook", "InitWinHooks", "SetLexomarHotKey",
                         "SetCompWnd", "SetExePath", "SetGameActiveFlag"};
  for (int i = 0; i < 7; ++i) {
    FARPROC byName = GetProcAddress(lib.Module(), names[i]);
    EXPECT_NE(byName, nullptr) << names[i];
    EXPECT_EQ(GetProcAddress(lib.Module(), MAKEINTRESOURCEA(i + 1)), byName) << names[i];
  }
  EXPECT_EQ(GetProcAddress(lib.Module(), "InitWinHooks@8"), nullptr);
  EXPECT_EQ(GetProcAddress(lib.Module(), MAKEINTRESOURCEA(8)), nullptr);
}

TEST_F(HookLib, SharedRecordStartsWithTheLibrarysInitialValues) {
  EXPECT_TRUE(lib.Gdata_Characteristics() & IMAGE_SCN_MEM_SHARED);
  EXPECT_TRUE(lib.Gdata_Characteristics() & IMAGE_SCN_MEM_WRITE);
  EXPECT_GE(lib.Gdata_Size(), sizeof(trhook95::SharedHookData));
  EXPECT_EQ(shared->hKeyboardHook, nullptr);
  EXPECT_EQ(shared->hGetMsgHook, nullptr);
  EXPECT_EQ(shared->hCbtHook, nullptr);
  EXPECT_EQ(shared->dwTranslatorPid, 0u);
  EXPECT_EQ(shared->dwDictHotKey, 0u);
  EXPECT_EQ(shared->bGameActive, TRUE);
  EXPECT_EQ(Text(shared->szBaseDir), "");
  EXPECT_EQ(Text(shared->szPluginDir), "");
  for (int i = 0; i < trhook95::kGameCount; ++i) EXPECT_EQ(shared->bGameEnabled[i], TRUE) << i;
  EXPECT_EQ(shared->hCompTarget, nullptr);
  EXPECT_EQ(shared->hCompWnd, nullptr);
  // The first call in a fresh system reports game translation on.
  EXPECT_EQ(lib.SetGameActiveFlag(FALSE), TRUE);
  EXPECT_EQ(lib.SetGameActiveFlag(TRUE), FALSE);
}

TEST_F(HookLib, ValuesSetInOneProcessAreSeenInAnother) {
  EXPECT_EQ(hookkit::Run_Driver(lib, "hotkey 60070"), 1u);
  EXPECT_EQ(shared->dwDictHotKey, kCtrlShiftF1);
  EXPECT_EQ(hookkit::Run_Driver(lib, "gameactive 0"), 1u);  // the previous value
  EXPECT_EQ(shared->bGameActive, FALSE);
  EXPECT_EQ(lib.SetGameActiveFlag(TRUE), FALSE);
  EXPECT_EQ(hookkit::Run_Driver(lib, "exepath C:\\Games\\Base"), 1u);
  EXPECT_EQ(Text(shared->szBaseDir), "C:\\Games\\Base");
  EXPECT_EQ(lib.SetLexomarHotKey(kCtrlF1), TRUE);
  EXPECT_EQ(hookkit::Run_Driver(lib, "gameactive 1"), 1u);
  EXPECT_EQ(shared->dwDictHotKey, kCtrlF1);
}

TEST_F(HookLib, SetCompWndTakesWindowsOnly) {
  Comp_Window window(10, 10, 50, 50);
  EXPECT_EQ(lib.SetCompWnd(window.Handle()), TRUE);
  EXPECT_EQ(shared->hCompTarget, window.Handle());
  EXPECT_EQ(lib.SetCompWnd(reinterpret_cast<HWND>(0x7654320)), FALSE);
  EXPECT_EQ(shared->hCompTarget, window.Handle());
  EXPECT_EQ(lib.SetCompWnd(nullptr), TRUE);
  EXPECT_EQ(shared->hCompTarget, nullptr);
}

TEST_F(HookLib, SetExePathReplacesTheBaseFolderOnlyWhenTheTextFits) {
  EXPECT_EQ(lib.SetExePath(appfw::CString("C:\\Base")), TRUE);
  EXPECT_EQ(Text(shared->szBaseDir), "C:\\Base");
  EXPECT_EQ(Text(shared->szPluginDir), "");  // not rebuilt
  EXPECT_EQ(lib.SetExePath(appfw::CString("")), FALSE);
  EXPECT_EQ(Text(shared->szBaseDir), "C:\\Base");
  std::string longest = "C:\\" + std::string(252, 'a');  // 255 characters and the NUL
  EXPECT_EQ(lib.SetExePath(appfw::CString(longest)), TRUE);
  EXPECT_EQ(Text(shared->szBaseDir), longest);
  std::string tooLong = "D:\\" + std::string(253, 'b');
  EXPECT_EQ(lib.SetExePath(appfw::CString(tooLong)), FALSE);
  EXPECT_EQ(Text(shared->szBaseDir), longest);
  EXPECT_EQ(shared->szPluginDir[0], '\0');
}

// --- InitWinHooks and ClearWinHooks --------------------------------------------------------

TEST_F(HookLib, InitWinHooksRefusesABadWindowPointerAndChangesNothing) {
  ASSERT_EQ(lib.SetExePath(appfw::CString("C:\\Before")), TRUE);
  Comp_Window comp(10, 10, 50, 50);
  EXPECT_EQ(Init(GetCurrentProcessId(), nullptr), FALSE);
  void* page = VirtualAlloc(nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
  ASSERT_NE(page, nullptr);
  *static_cast<HWND*>(page) = comp.Handle();
  DWORD old = 0;
  VirtualProtect(page, 4096, PAGE_READONLY, &old);
  EXPECT_EQ(Init(GetCurrentProcessId(), static_cast<HWND*>(page)), FALSE);
  VirtualFree(page, 0, MEM_RELEASE);
  HWND notAWindow = reinterpret_cast<HWND>(0x7654320);
  EXPECT_EQ(Init(GetCurrentProcessId(), &notAWindow), FALSE);
  EXPECT_EQ(Text(shared->szBaseDir), "C:\\Before");
  EXPECT_EQ(Text(shared->szPluginDir), "");
  EXPECT_FALSE(shared->hKeyboardHook || shared->hGetMsgHook || shared->hCbtHook);
  EXPECT_EQ(shared->dwTranslatorPid, 0u);
  EXPECT_EQ(shared->hCompWnd, nullptr);
}

TEST_F(HookLib, InitWinHooksInstallsOnceUntilClearWinHooks) {
  Comp_Window comp(10, 10, 50, 50);
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  EXPECT_EQ(Text(shared->szBaseDir), run.Path());
  EXPECT_EQ(Text(shared->szPluginDir), run.Path() + "\\Plug_in\\");
  EXPECT_TRUE(Hooks_Installed());
  EXPECT_EQ(shared->dwTranslatorPid, GetCurrentProcessId());
  EXPECT_EQ(shared->hCompWnd, comp.Handle());
  HHOOK keyboard = shared->hKeyboardHook;

  // A second start while the hooks are in fails, having rewritten both folders.
  std::string second = run.Path() + "\\second";
  CreateDirectoryA(second.c_str(), nullptr);
  SetCurrentDirectoryA(second.c_str());
  EXPECT_EQ(lib.InitWinHooks(GetCurrentProcessId(), comp.Handle_Slot()), FALSE);
  EXPECT_EQ(Text(shared->szBaseDir), second);
  EXPECT_EQ(Text(shared->szPluginDir), second + "\\Plug_in\\");
  EXPECT_EQ(shared->hKeyboardHook, keyboard);

  EXPECT_EQ(lib.ClearWinHooks(), TRUE);
  EXPECT_FALSE(shared->hKeyboardHook || shared->hGetMsgHook || shared->hCbtHook);
  EXPECT_EQ(lib.ClearWinHooks(), TRUE);  // nothing installed: nothing to do
  EXPECT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  EXPECT_TRUE(Hooks_Installed());
}

TEST_F(HookLib, InitWinHooksNeedsATranslatorProcess) {
  Comp_Window comp(10, 10, 50, 50);
  EXPECT_EQ(Init(0, comp.Handle_Slot()), FALSE);
  EXPECT_EQ(Text(shared->szBaseDir), run.Path());  // the folders are set all the same
  EXPECT_FALSE(shared->hKeyboardHook || shared->hGetMsgHook || shared->hCbtHook);
}

TEST_F(HookLib, BaseFolderTooLongForThePluginFolderFailsCleanly) {
  Comp_Window comp(10, 10, 50, 50);
  // Folders of exactly 246 and 247 characters below the run folder.
  auto make = [&](size_t length) {
    // Whatever the run folder's length: a lone character left over cannot be a folder of its
    // own, so no step leaves exactly one.
    std::string path = run.Path() + "\\L" + std::to_string(length);
    if (path.size() + 1 == length) path += 'x';
    CreateDirectoryA(path.c_str(), nullptr);
    while (path.size() < length) {
      size_t remaining = length - path.size();
      size_t part = std::min<size_t>(60, remaining - 1);
      if (remaining - (part + 1) == 1) --part;
      path += "\\" + std::string(part, 'd');
      CreateDirectoryA(path.c_str(), nullptr);
    }
    return path;
  };
  std::string fits = make(246), tooLong = make(247);
  ASSERT_EQ(fits.size(), 246u);
  ASSERT_EQ(tooLong.size(), 247u);
  ASSERT_EQ(lib.SetExePath(appfw::CString("C:\\Before")), TRUE);

  ASSERT_TRUE(SetCurrentDirectoryA(tooLong.c_str()));
  EXPECT_EQ(lib.InitWinHooks(GetCurrentProcessId(), comp.Handle_Slot()), FALSE);
  EXPECT_EQ(Text(shared->szBaseDir), "C:\\Before");
  EXPECT_EQ(Text(shared->szPluginDir), "");
  EXPECT_FALSE(shared->hKeyboardHook || shared->hGetMsgHook || shared->hCbtHook);

  // 246 characters fit (a 255-character plug-in folder); "TransList.cfg" would make the path
  // longer than a path may be, so the game switches are left as they are.
  ASSERT_TRUE(SetCurrentDirectoryA(fits.c_str()));
  EXPECT_EQ(lib.InitWinHooks(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  EXPECT_EQ(Text(shared->szBaseDir), fits);
  EXPECT_EQ(Text(shared->szPluginDir), fits + "\\Plug_in\\");
  for (int i = 0; i < trhook95::kGameCount; ++i) EXPECT_EQ(shared->bGameEnabled[i], TRUE);
  // Nor does the plug-in's path fit: a listed game is left alone (no box, no plug-in).
  Game game(run, "ra95.exe", "");
  ASSERT_NE(game.Main(), nullptr);
  ASSERT_TRUE(game.Post(testgame::kCreateWindow));
  ASSERT_NE(game.Extra(1), nullptr);
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(testkit::Find_Window_Of(game.Id(), kBoxTitle), nullptr);
}

TEST_F(HookLib, TransListSwitchesGamesByPosition) {
  Comp_Window comp(10, 10, 50, 50);
  struct Step {
    const char* content;  // null: no file
    size_t size;
    int expected[trhook95::kGameCount];
  } steps[] = {
      {"000000000000", 12, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"0111", 4, {0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"111111111111", 12, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"0111", 4, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"111\r\n", 5, {1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1}},
      {nullptr, 0, {1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1}},
      {"", 0, {1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1}},
      {"0000000000000001", 16, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Step& step : steps) {
    if (step.content)
      run.Write_File("Plug_in\\TransList.cfg", std::string(step.content, step.size));
    else
      run.Remove_File("Plug_in\\TransList.cfg");
    ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
    for (int i = 0; i < trhook95::kGameCount; ++i)
      EXPECT_EQ(shared->bGameEnabled[i], step.expected[i])
          << "after \"" << (step.content ? step.content : "(no file)") << "\" position " << i;
    lib.ClearWinHooks();
  }
}

// --- Stale hooks ---------------------------------------------------------------------------

TEST_F(HookLib, HooksLeftByAnEndedTranslatorDoNotBlockANewStart) {
  // A translator that installed the hooks and ended without removing them.
  hookkit::Dictionary dict(run, false, true);
  ASSERT_EQ(hookkit::Run_Driver(lib, "init"), 1u);
  EXPECT_TRUE(Hooks_Installed());
  EXPECT_NE(shared->dwTranslatorPid, GetCurrentProcessId());

  Comp_Window comp(600, 500, 100, 80);
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  EXPECT_EQ(shared->dwTranslatorPid, GetCurrentProcessId());
  // The new hooks work: a compared window destroyed in another process is reported.
  Game game(run, "hookgame.exe", "");
  ASSERT_NE(game.Main(), nullptr);
  ASSERT_TRUE(game.Post(testgame::kCreateWindow));
  HWND target = game.Extra(1);
  ASSERT_NE(target, nullptr);
  ASSERT_EQ(lib.SetCompWnd(target), TRUE);
  PostMessageA(target, WM_CLOSE, 0, 0);
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(comp.Target_Gone_Count(), 1);
  // Only the new hooks act: whatever the ended translator left is gone.
  Game ddrawGame(run, "hookgame.exe", "/ddraw:win", "ddrawgame");
  ASSERT_TRUE(ddrawGame.Wait_Drawing());
  ASSERT_TRUE(ddrawGame.Post(WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 10)));
  EXPECT_TRUE(dict.Wait_Shows(1));
  ASSERT_TRUE(hookkit::Wait_Freeze_Over(ddrawGame.Id()));
  ASSERT_TRUE(ddrawGame.Sync());
  EXPECT_EQ(dict.Shows(), 1);
}

TEST_F(HookLib, HooksOfARunningTranslatorStillBlockASecondStart) {
  testkit::Process holder(hookkit::Driver_Path(), "\"" + lib.Path() + "\" init-hold", run.Path());
  HWND held = nullptr;
  ASSERT_TRUE(Wait_Until([&] { return (held = testkit::Find_Window_Of(holder.Id(), "hookdriver holds")); }));
  Comp_Window comp(600, 500, 100, 80);
  EXPECT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), FALSE);
  EXPECT_EQ(shared->dwTranslatorPid, holder.Id());
  PostMessageA(held, WM_CLOSE, 0, 0);
  EXPECT_EQ(holder.Wait_Exit(), 1u);
  EXPECT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
}

TEST_F(HookLib, HooksLeftByAnEndedTranslatorWhoseIdWentToAnotherProgramDoNotBlock) {
  // A translator that installed the hooks and ended without removing them...
  ASSERT_EQ(hookkit::Run_Driver(lib, "init"), 1u);
  ASSERT_TRUE(Hooks_Installed());
  // ...and a program that was given its process id afterwards and still runs.
  Game other(run, "hookgame.exe", "");
  ASSERT_NE(other.Main(), nullptr);
  shared->dwTranslatorPid = other.Id();

  Comp_Window comp(600, 500, 100, 80);
  EXPECT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  EXPECT_EQ(shared->dwTranslatorPid, GetCurrentProcessId());
  EXPECT_TRUE(Hooks_Installed());
  EXPECT_TRUE(other.Sync());  // the other program is left alone
  // The translator that now holds the hooks blocks a further start as before.
  EXPECT_EQ(hookkit::Run_Driver(lib, "init"), 0u);
}

// --- Comparison window ---------------------------------------------------------------------

TEST_F(HookLib, DestroyingTheComparedWindowPostsOneTargetGone) {
  Comp_Window comp(600, 500, 100, 80);
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  Game game(run, "hookgame.exe", "");
  ASSERT_NE(game.Main(), nullptr);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(game.Post(testgame::kCreateWindow));
  HWND a = game.Extra(1), b = game.Extra(2), c = game.Extra(3);
  ASSERT_TRUE(a && b && c);

  ASSERT_EQ(lib.SetCompWnd(a), TRUE);
  PostMessageA(b, WM_CLOSE, 0, 0);  // another window
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(comp.Target_Gone_Count(), 0);
  PostMessageA(a, WM_CLOSE, 0, 0);
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(comp.Target_Gone_Count(), 1);
  EXPECT_EQ(shared->hCompTarget, nullptr);

  // A window no longer compared reports nothing.
  ASSERT_EQ(lib.SetCompWnd(c), TRUE);
  ASSERT_EQ(lib.SetCompWnd(nullptr), TRUE);
  PostMessageA(c, WM_CLOSE, 0, 0);
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(comp.Target_Gone_Count(), 1);
}

// Visible top-level windows, front to back.
std::vector<HWND> Z_Order() {
  std::vector<HWND> order;
  for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
    if (IsWindowVisible(h)) order.push_back(h);
  return order;
}

int Z_Index(const std::vector<HWND>& order, HWND w) {
  auto it = std::find(order.begin(), order.end(), w);
  return it == order.end() ? -1 : static_cast<int>(it - order.begin());
}

TEST_F(HookLib, ActivatingTheComparedWindowBringsTheComparisonWindowToItsSide) {
  Comp_Window comp(500, 120, 200, 150);
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  Game game(run, "hookgame.exe", "/x:420 /y:60");
  Game cover(run, "hookgame.exe", "/x:450 /y:80", "cover");
  ASSERT_NE(game.Main(), nullptr);
  ASSERT_NE(cover.Main(), nullptr);
  ASSERT_EQ(lib.SetCompWnd(game.Main()), TRUE);
  ASSERT_TRUE(cover.Bring_To_Front());
  ASSERT_TRUE(cover.Sync());  // no activation of the cover is still on its way
  Wait_Until([&] {
    Comp_Window::Pump();
    std::vector<HWND> z = Z_Order();
    if (Z_Index(z, cover.Main()) < Z_Index(z, comp.Handle())) return true;
    // A late activation from the programs' start can still reorder them: raise the cover again.
    SetWindowPos(cover.Main(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return false;
  }, std::chrono::seconds(3));
  std::vector<HWND> before = Z_Order();
  ASSERT_LT(Z_Index(before, cover.Main()), Z_Index(before, comp.Handle()));

  ASSERT_TRUE(game.Post(testgame::kActivate));
  ASSERT_TRUE(Wait_Until([&] { return GetForegroundWindow() == game.Main(); }));
  ASSERT_TRUE(game.Sync());
  // Activation reorders the windows of three processes: give it time to settle.
  Wait_Until([&] {
    Comp_Window::Pump();
    std::vector<HWND> z = Z_Order();
    int comp_at = Z_Index(z, comp.Handle());
    return std::abs(comp_at - Z_Index(z, game.Main())) == 1 && comp_at < Z_Index(z, cover.Main());
  }, std::chrono::seconds(3));
  // The comparison window is next to the compared window, in front of the window that was in
  // front of both, neither topmost nor active. (Windows places it just above the compared
  // window; under Wine the activated window is raised once more after the hook, so the
  // comparison window ends just below it.)
  std::vector<HWND> after = Z_Order();
  int compAt = Z_Index(after, comp.Handle()), gameAt = Z_Index(after, game.Main());
  EXPECT_EQ(std::abs(compAt - gameAt), 1);
  EXPECT_LT(compAt, Z_Index(after, cover.Main()));
  EXPECT_FALSE(GetWindowLongA(comp.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetForegroundWindow(), game.Main());
}

TEST_F(HookLib, EnableHookSwitchesAProcedureInTheCallingProcessOnly) {
  // Another process plays the translator, so the hooks act in this one.
  Game translator(run, "hookgame.exe", "", "translator");
  ASSERT_NE(translator.Main(), nullptr);
  Comp_Window comp(600, 500, 100, 80);
  ASSERT_EQ(Init(translator.Id(), comp.Handle_Slot()), TRUE);
  auto compared = [] {
    return CreateWindowExA(0, "STATIC", "compared", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           nullptr, nullptr);
  };

  HWND w = compared();
  ASSERT_EQ(lib.SetCompWnd(w), TRUE);
  lib.EnableHook(WH_CBT, FALSE);
  DestroyWindow(w);
  EXPECT_EQ(comp.Target_Gone_Count(), 0);
  EXPECT_EQ(shared->hCompTarget, w);

  lib.EnableHook(WH_KEYBOARD, TRUE);  // other kinds leave the CBT hook off
  lib.EnableHook(42, TRUE);
  w = compared();
  ASSERT_EQ(lib.SetCompWnd(w), TRUE);
  DestroyWindow(w);
  EXPECT_EQ(comp.Target_Gone_Count(), 0);

  lib.EnableHook(WH_CBT, TRUE);
  w = compared();
  ASSERT_EQ(lib.SetCompWnd(w), TRUE);
  DestroyWindow(w);
  EXPECT_EQ(comp.Target_Gone_Count(), 1);
}

TEST_F(HookLib, NoHookActsInTheTranslatorsProcess) {
  Comp_Window comp(600, 500, 100, 80);
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  HWND w = CreateWindowExA(0, "STATIC", "compared", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           nullptr, nullptr);
  ASSERT_EQ(lib.SetCompWnd(w), TRUE);
  DestroyWindow(w);
  EXPECT_EQ(comp.Target_Gone_Count(), 0);
  EXPECT_EQ(shared->hCompTarget, w);
}

// --- Freeze triggers -----------------------------------------------------------------------

class HookTriggers : public HookLib {
 protected:
  void SetUp() override {
    HookLib::SetUp();
    lib.SetLexomarHotKey(kCtrlShiftF1);
  }
  // Ctrl+Shift+F1, keeping the modifiers down until the game has handled the release.
  void Press_Hotkey_And_Wait(const Game& game, LRESULT keyUpsBefore) {
    Key(VK_CONTROL, true);
    Key(VK_SHIFT, true);
    hookkit::Typing_Pause();
    Key(VK_F1, true);
    Key(VK_F1, false);
    EXPECT_TRUE(hookkit::Wait_Key_Ups(game, keyUpsBefore + 1));
    Key(VK_SHIFT, false);
    Key(VK_CONTROL, false);
  }
  // Every freeze reaches the dictionary, which is dismissed at once.
  hookkit::Dictionary dict{run, false, true};
  Comp_Window comp{600, 500, 100, 80};
};

TEST_F(HookTriggers, HotKeyReleaseFreezesADirectDrawProgramOnce) {
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  Game game(run, "hookgame.exe", "/ddraw:win");
  ASSERT_TRUE(game.Wait_Drawing());
  ASSERT_TRUE(game.Bring_To_Front());

  // Released with Alt also down (released last, so Ctrl+Shift alone is never held).
  Key(VK_MENU, true);
  Key(VK_CONTROL, true);
  Key(VK_SHIFT, true);
  Key(VK_F1, true);
  Key(VK_F1, false);
  Key(VK_SHIFT, false);
  Key(VK_CONTROL, false);
  Key(VK_MENU, false);
  // F1 alone, and with Ctrl only.
  Key(VK_F1, true);
  Key(VK_F1, false);
  Key(VK_CONTROL, true);
  Key(VK_F1, true);
  Key(VK_F1, false);
  Key(VK_CONTROL, false);
  ASSERT_TRUE(hookkit::Wait_Key_Ups(game, 7));
  EXPECT_EQ(dict.Shows(), 0);

  // Ctrl+Shift+F1: pressing does nothing, the release freezes (the dictionary then has the
  // keyboard, so the modifiers' releases go to it).
  Key(VK_CONTROL, true);
  Key(VK_SHIFT, true);
  hookkit::Typing_Pause();
  Key(VK_F1, true);
  hookkit::Typing_Pause();
  Key(VK_F1, false);
  EXPECT_TRUE(dict.Wait_Shows(1));
  Key(VK_SHIFT, false);
  Key(VK_CONTROL, false);
  ASSERT_TRUE(hookkit::Wait_Key_Ups(game, 8));
  ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(dict.Shows(), 1);
  EXPECT_EQ(game.Query(testgame::kRButtonUps), 0);  // nothing extra after the hot key
}

TEST_F(HookTriggers, AModifierPressedEarlierButReleasedDoesNotCount) {
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  lib.SetLexomarHotKey(kCtrlF1);
  Game game(run, "hookgame.exe", "/ddraw:win");
  ASSERT_TRUE(game.Wait_Drawing());
  ASSERT_TRUE(game.Bring_To_Front());
  // Shift and Alt tapped before the hotkey: pressed since the last query, but up now.
  Key(VK_SHIFT, true);
  Key(VK_SHIFT, false);
  Key(VK_MENU, true);
  Key(VK_MENU, false);
  ASSERT_TRUE(hookkit::Wait_Key_Ups(game, 2));
  Key(VK_CONTROL, true);
  hookkit::Typing_Pause();
  Key(VK_F1, true);
  Key(VK_F1, false);
  EXPECT_TRUE(dict.Wait_Shows(1));
  Key(VK_CONTROL, false);
  ASSERT_TRUE(hookkit::Wait_Key_Ups(game, 3));
  ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
  EXPECT_EQ(dict.Shows(), 1);
}

TEST_F(HookTriggers, MouseChordFreezesOnlyWithTheRightButtonAloneHeld) {
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  Game game(run, "hookgame.exe", "/ddraw:win");
  ASSERT_TRUE(game.Wait_Drawing());
  struct Case {
    UINT message;
    WPARAM keys;
  } noChord[] = {
      {WM_LBUTTONUP, MK_RBUTTON | MK_SHIFT},   {WM_LBUTTONUP, MK_RBUTTON | MK_CONTROL},
      {WM_LBUTTONUP, MK_RBUTTON | MK_LBUTTON}, {WM_LBUTTONUP, 0},
      {WM_RBUTTONUP, MK_LBUTTON},              {WM_LBUTTONDOWN, MK_RBUTTON},
  };
  for (const Case& c : noChord) game.Post(c.message, c.keys, MAKELPARAM(10, 10));
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(dict.Shows(), 0);

  game.Post(WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 10));
  ASSERT_TRUE(dict.Wait_Shows(1));
  ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(dict.Shows(), 1);
  // The chord's freeze ends with one right-button release for the game.
  EXPECT_EQ(game.Query(testgame::kRButtonUps), 1);

  // With the real mouse: the right button released while the left is held does nothing; the
  // left released while the right is held freezes.
  ASSERT_TRUE(game.Bring_To_Front());
  RECT r;
  GetWindowRect(game.Main(), &r);
  hookkit::Mouse_Move((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  hookkit::Mouse_Button(true, true);
  hookkit::Mouse_Button(false, true);
  hookkit::Mouse_Button(false, false);
  hookkit::Mouse_Button(true, false);
  hookkit::Mouse_Button(false, true);
  hookkit::Mouse_Button(true, true);
  hookkit::Mouse_Button(true, false);
  hookkit::Mouse_Button(false, false);
  EXPECT_TRUE(dict.Wait_Shows(2));
  ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(dict.Shows(), 2);
  EXPECT_EQ(game.Query(testgame::kRButtonUps), 2);
}

TEST_F(HookTriggers, APeekedAndThenReadTriggerFreezesOnce) {
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  Game game(run, "hookgame.exe", "/ddraw:win /peek");
  ASSERT_TRUE(game.Wait_Drawing());
  ASSERT_TRUE(game.Bring_To_Front());
  game.Post(WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 10));
  ASSERT_TRUE(dict.Wait_Shows(1));
  ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(dict.Shows(), 1);
  ASSERT_TRUE(game.Bring_To_Front());
  LRESULT keyUps = game.Query(testgame::kKeyUps);
  Key(VK_CONTROL, true);
  Key(VK_SHIFT, true);
  hookkit::Typing_Pause();
  Key(VK_F1, true);
  Key(VK_F1, false);
  EXPECT_TRUE(dict.Wait_Shows(2));
  Key(VK_SHIFT, false);
  Key(VK_CONTROL, false);
  ASSERT_TRUE(hookkit::Wait_Key_Ups(game, keyUps + 1));
  ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
  ASSERT_TRUE(game.Sync());
  EXPECT_EQ(dict.Shows(), 2);
  EXPECT_EQ(game.Query(testgame::kRButtonUps), 1);  // the chord's only
}

TEST_F(HookTriggers, NoFreezeWithoutDirectDrawNorInTheTranslatorsProcess) {
  Game plain(run, "hookgame.exe", "", "plain");
  Game translator(run, "hookgame.exe", "/ddraw:win", "translator");
  ASSERT_NE(translator.Main(), nullptr);
  ASSERT_EQ(Init(translator.Id(), comp.Handle_Slot()), TRUE);
  // The program started last takes the foreground when it starts: let that happen first.
  ASSERT_TRUE(translator.Bring_To_Front());
  ASSERT_TRUE(translator.Sync());

  for (Game* g : {&plain, &translator}) {
    ASSERT_TRUE(g->Bring_To_Front());
    LRESULT keyUps = g->Query(testgame::kKeyUps);
    Press_Hotkey_And_Wait(*g, keyUps);
    g->Post(WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 10));
    ASSERT_TRUE(g->Sync());
    ASSERT_TRUE(hookkit::Wait_Key_Ups(*g, keyUps + 3));
  }
  EXPECT_EQ(dict.Shows(), 0);

  // The same input in another DirectDraw program freezes it.
  Game game(run, "hookgame.exe", "/ddraw:win");
  ASSERT_TRUE(game.Wait_Drawing());
  game.Post(WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 10));
  EXPECT_TRUE(dict.Wait_Shows(1));
  ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
  EXPECT_EQ(dict.Shows(), 1);
}

// --- Game plug-in --------------------------------------------------------------------------

class HookPlugin : public HookLib {
 protected:
  // The plug-in box of the process, once shown (waits), or null.
  HWND Wait_Box(const Game& game, bool wait = true) {
    HWND box = nullptr;
    auto found = [&] { return (box = testkit::Find_Window_Of(game.Id(), kBoxTitle)) != nullptr; };
    if (wait)
      Wait_Until(found);
    else
      found();
    return box;
  }
  // Creates an extra window in the game and waits for it.
  bool Create_Window(Game& game, int n) {
    return game.Post(testgame::kCreateWindow) && game.Extra(n) && game.Sync();
  }
  size_t Loads_In(const Game& game) {
    auto loads = run.Plugin_Loads();
    return std::count(loads.begin(), loads.end(), game.Id());
  }
  Comp_Window comp{600, 500, 100, 80};
};

TEST_F(HookPlugin, ListedGameShowsTheBoxOnceAndLoadsThePluginOnce) {
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  struct Case {
    const char* exe;
  } games[] = {{"ra95.exe"}, {"Game.exe"}, {"EMPIRES2.EXE"}};
  for (const Case& c : games) {
    Game game(run, c.exe, "");
    HWND box = Wait_Box(game);
    ASSERT_NE(box, nullptr) << c.exe;
    EXPECT_EQ(hookkit::Box_Text(box), kBoxText);
    EXPECT_EQ(Loads_In(game), 0u);  // loaded only once the box is closed
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_NE(game.Main(), nullptr);
    EXPECT_TRUE(Wait_Until([&] { return Loads_In(game) == 1; })) << c.exe;
    ASSERT_TRUE(Create_Window(game, 1));
    ASSERT_TRUE(Create_Window(game, 2));
    EXPECT_EQ(Wait_Box(game, false), nullptr) << c.exe;
    EXPECT_EQ(Loads_In(game), 1u) << c.exe;
  }
}

TEST_F(HookPlugin, OtherProgramsGetNoBoxAndNoPlugin) {
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  Game game(run, "ra96.exe", "");
  ASSERT_NE(game.Main(), nullptr);
  ASSERT_TRUE(Create_Window(game, 1));
  EXPECT_EQ(Wait_Box(game, false), nullptr);
  EXPECT_EQ(Loads_In(game), 0u);
}

TEST_F(HookPlugin, GameSwitchedOffIsAskedAgainAtEachWindowCreation) {
  run.Write_File("Plug_in\\TransList.cfg", "111111111101");  // ra95 off
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  Game game(run, "ra95.exe", "");
  ASSERT_NE(game.Main(), nullptr);
  ASSERT_TRUE(Create_Window(game, 1));
  EXPECT_EQ(Wait_Box(game, false), nullptr);

  // Switched on again: the next window creation in the same process asks.
  lib.ClearWinHooks();
  run.Write_File("Plug_in\\TransList.cfg", "111111111111");
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  ASSERT_TRUE(game.Post(testgame::kCreateWindow));
  HWND box = Wait_Box(game);
  ASSERT_NE(box, nullptr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(Wait_Until([&] { return Loads_In(game) == 1; }));
}

TEST_F(HookPlugin, NothingIsLoadedWhileGameTranslationIsOff) {
  ASSERT_EQ(Init(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
  EXPECT_EQ(lib.SetGameActiveFlag(FALSE), TRUE);
  Game game(run, "ra95.exe", "");
  ASSERT_NE(game.Main(), nullptr);
  ASSERT_TRUE(Create_Window(game, 1));
  EXPECT_EQ(Wait_Box(game, false), nullptr);
  EXPECT_EQ(Loads_In(game), 0u);

  EXPECT_EQ(lib.SetGameActiveFlag(TRUE), FALSE);
  ASSERT_TRUE(game.Post(testgame::kCreateWindow));
  HWND box = Wait_Box(game);
  ASSERT_NE(box, nullptr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(Wait_Until([&] { return Loads_In(game) == 1; }));
}

}  // namespace
