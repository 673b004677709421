// The game freeze across real processes: a DirectDraw stand-in game at each depth, the
// dictionary stand-in recording what it receives, the test acting as the user.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hookkit.h"

namespace {

using hookkit::Dictionary;
using hookkit::Game;
using hookkit::Key;
using testkit::Wait_Until;

const DWORD kCtrlShiftF1 = 0x60070;

// What a freeze must give back as it was.
struct Game_State {
  LRESULT screen, palette, cursorCount, suspendCounts;
  POINT cursor;
};

std::string Describe(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "[" + line + "] ";
  return text;
}

class Freeze : public ::testing::Test {
 protected:
  void SetUp() override {
    GetCurrentDirectoryA(sizeof oldDir_, oldDir_);
    ASSERT_TRUE(lib.Loaded());
    SetCurrentDirectoryA(run.Path().c_str());
    ASSERT_EQ(lib.InitWinHooks(GetCurrentProcessId(), comp.Handle_Slot()), TRUE);
    lib.SetLexomarHotKey(kCtrlShiftF1);
  }
  void TearDown() override {
    lib.ClearWinHooks();
    SetCurrentDirectoryA(oldDir_);
  }

  // A full-screen game whose picture stands still, its cursor somewhere known.
  // (Coming back to the front, a full-screen game finds its surface lost and restores it as
  // it draws.)
  void Start_Held(Game& game) {
    SendMessageA(game.Main(), testgame::kHold, 0, 0);
    ASSERT_TRUE(game.Bring_To_Front());
    ASSERT_TRUE(game.Wait_Drawing());
    SendMessageA(game.Main(), testgame::kHold, 1, 0);
    SetCursorPos(300, 200);
    ASSERT_TRUE(Wait_Until([] {
      POINT p;
      return GetCursorPos(&p) && p.x == 300 && p.y == 200;
    }));
    Sleep(300);  // every process of the desktop sees the cursor there by now
    ASSERT_TRUE(game.Sync());
  }
  static Game_State State_Of(Game& game) {
    Game_State s{game.Query(testgame::kScreenSum), game.Query(testgame::kPaletteSum),
                 game.Query(testgame::kCursorCount), game.Query(testgame::kSuspendCounts), {}};
    GetCursorPos(&s.cursor);
    return s;
  }
  static void Expect_Same(const Game_State& before, const Game_State& after,
                          const std::string& where) {
    EXPECT_NE(before.screen, -1) << where;
    EXPECT_EQ(after.screen, before.screen) << where;
    EXPECT_EQ(after.palette, before.palette) << where;
    EXPECT_EQ(after.cursorCount, before.cursorCount) << where;
    EXPECT_EQ(after.suspendCounts, before.suspendCounts) << where;
    EXPECT_EQ(after.cursor.x, before.cursor.x) << where;
    EXPECT_EQ(after.cursor.y, before.cursor.y) << where;
  }
  static void Press_Hotkey() {
    Key(VK_CONTROL, true);
    Key(VK_SHIFT, true);
    hookkit::Typing_Pause();
    Key(VK_F1, true);
    Key(VK_F1, false);
    hookkit::Typing_Pause();
    Key(VK_SHIFT, false);
    Key(VK_CONTROL, false);
  }
  // While frozen: the game's other threads stand and its procedure gets none of the withheld
  // messages, even with its picture set moving again.
  static void Expect_Frozen(Game& game, const std::string& where) {
    LRESULT counter = game.Query(testgame::kCounter);
    LRESULT withheld = game.Query(testgame::kWithheld);
    LRESULT frames = game.Query(testgame::kFrames);
    SendMessageA(game.Main(), testgame::kHold, 0, 0);  // the picture would move now
    Sleep(400);
    EXPECT_TRUE(hookkit::Freeze_Showing(game.Id())) << where;
    EXPECT_EQ(game.Query(testgame::kCounter), counter) << where;
    EXPECT_EQ(game.Query(testgame::kWithheld), withheld) << where;
    EXPECT_EQ(game.Query(testgame::kFrames), frames) << where;
    // The counter thread suspended once, the thread the game keeps suspended once more.
    EXPECT_EQ(game.Query(testgame::kSuspendCounts), 1 + 256 * 2) << where;
    SendMessageA(game.Main(), testgame::kHold, 1, 0);
  }

  hookkit::Run_Folder run;
  hookkit::Library lib{run};
  hookkit::Comp_Window comp{600, 500, 100, 80};

 private:
  char oldDir_[MAX_PATH] = {};
};

TEST_F(Freeze, AtEachDepthBothTriggersShowTheDictionaryAndGiveTheGameBack) {
  const char* modes[] = {"8", "8n", "16", "32"};
  for (const char* mode : modes) {
    SCOPED_TRACE(std::string("mode ") + mode);
    Dictionary dict(run, false, false);
    Game game(run, "hookgame.exe", std::string("/ddraw:") + mode);
    Start_Held(game);
    ASSERT_EQ(game.Query(testgame::kDepth), std::atoi(mode));
    Game_State before = State_Of(game);

    // The hot key, with word capture running: paused while the dictionary is up.
    Press_Hotkey();
    ASSERT_TRUE(dict.Wait_Shows(1));
    Expect_Frozen(game, "hot key");
    if (std::string(mode) == "8" || std::string(mode) == "32") {
      std::string shot = testkit::Build_Folder() + "\\tests\\hooklib\\freeze-" + mode + ".bmp";
      testkit::Save_Screen_Bitmap(shot, RECT{0, 0, GetSystemMetrics(SM_CXSCREEN),
                                             GetSystemMetrics(SM_CYSCREEN)});
    }
    dict.Minimise();
    ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
    ASSERT_TRUE(game.Sync());
    Expect_Same(before, State_Of(game), "after the hot key");
    EXPECT_EQ(game.Query(testgame::kRButtonUps), 0);

    // The chord, with word capture paused by the user: it stays paused.
    ASSERT_TRUE(Wait_Until([&] { return dict.Record().size() >= 5; }));
    PostMessageA(dict.Window(), WM_COMMAND, 40012, 0);
    ASSERT_TRUE(Wait_Until([&] { return dict.Record().size() >= 6; }));
    Start_Held(game);  // the user plays on, in the game
    before = State_Of(game);
    ASSERT_TRUE(game.Post(WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 10)));
    ASSERT_TRUE(dict.Wait_Shows(2));
    Expect_Frozen(game, "chord");
    dict.Close();
    ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
    ASSERT_TRUE(game.Sync());
    Expect_Same(before, State_Of(game), "after the chord");
    EXPECT_EQ(game.Query(testgame::kRButtonUps), 1);

    // The game plays on.
    LRESULT counter = game.Query(testgame::kCounter), frames = game.Query(testgame::kFrames);
    SendMessageA(game.Main(), testgame::kHold, 0, 0);
    EXPECT_TRUE(Wait_Until([&] {
      return game.Query(testgame::kCounter) > counter && game.Query(testgame::kFrames) > frames;
    }));

    std::vector<std::string> expected = {
        "command 40008 0 running",     "command 40012 40012 paused",
        "syscommand 61728 paused",     "syscommand 61472 paused",
        "command 40012 40012 running", "command 40012 0 paused",
        "command 40008 0 paused",      "syscommand 61728 paused",
    };
    std::vector<std::string> record = dict.Record();
    EXPECT_EQ(record, expected) << Describe(record);
    game.Post(testgame::kQuit);
    game.Process().Wait_Exit();
  }
}

TEST_F(Freeze, WithoutADictionaryTheFreezeEndsAtOnceAndChangesNothing) {
  Game game(run, "hookgame.exe", "/ddraw:8");
  Start_Held(game);
  Game_State before = State_Of(game);
  Press_Hotkey();
  ASSERT_TRUE(game.Sync());
  Sleep(1500);  // a freeze started now has long ended: nothing keeps it
  ASSERT_TRUE(game.Post(WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 10)));
  // The chord's freeze has ended once the game has its right-button release.
  ASSERT_TRUE(Wait_Until([&] { return game.Query(testgame::kRButtonUps) == 1; }));
  ASSERT_TRUE(game.Sync());
  EXPECT_FALSE(hookkit::Freeze_Showing(game.Id()));
  Expect_Same(before, State_Of(game), "no dictionary");
}

// The freeze holds a reference to the game's DirectDraw object while it runs, works on the
// object a game made anew, and leaves a game alone that has let its object go.
TEST_F(Freeze, HoldsTheGamesDirectDrawAndUsesOnlyAnObjectTheGameStillHas) {
  Dictionary dict(run, false, false);
  Game game(run, "hookgame.exe", "/ddraw:32");
  // A freeze by the hot key, its picture standing still: one reference more while frozen,
  // everything as it was afterwards.
  auto freeze_once = [&](int shows, const std::string& where) {
    Start_Held(game);
    const LRESULT refs = game.Query(testgame::kDirectDrawRefs);
    ASSERT_GE(refs, 1) << where;
    Game_State before = State_Of(game);
    Press_Hotkey();
    ASSERT_TRUE(dict.Wait_Shows(shows)) << where;
    Expect_Frozen(game, where);
    EXPECT_EQ(game.Query(testgame::kDirectDrawRefs), refs + 1) << where;
    dict.Minimise();
    ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id())) << where;
    ASSERT_TRUE(game.Sync());
    EXPECT_EQ(game.Query(testgame::kDirectDrawRefs), refs) << where;
    Expect_Same(before, State_Of(game), where);
  };
  freeze_once(1, "first object");
  // The game lets its object go and makes a new one.
  ASSERT_EQ(SendMessageA(game.Main(), testgame::kReplay, 1, 0), TRUE);
  freeze_once(2, "made anew");
  if (HasFatalFailure()) return;

  // The game lets its object go and plays on without DirectDraw: no freeze.
  ASSERT_EQ(SendMessageA(game.Main(), testgame::kReplay, 0, 0), TRUE);
  ASSERT_TRUE(game.Bring_To_Front());
  Press_Hotkey();
  ASSERT_TRUE(game.Sync());
  Sleep(1500);  // a freeze started now would still be showing the dictionary
  EXPECT_FALSE(hookkit::Freeze_Showing(game.Id()));
  EXPECT_EQ(dict.Shows(), 2);
  EXPECT_TRUE(game.Sync());
  game.Post(testgame::kQuit);
  EXPECT_EQ(game.Process().Wait_Exit(), 0u);
}

// A game whose window has the class "KMYC": the first freeze closes its movie windows and
// remembers that window, and a later freeze uses it even while another window of the game is
// in front. Any other game: the window in front at each freeze, movies left open.
TEST_F(Freeze, AKmycGameKeepsItsWindowFromFreezeToFreezeAndHasItsMoviesClosed) {
  struct Row {
    const char* options;
    bool kmyc;
  } rows[] = {{"/ddraw:win /mci /class:KMYC", true}, {"/ddraw:win /mci", false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.options);
    Dictionary dict(run, false, true);
    Game game(run, "hookgame.exe", row.options);
    ASSERT_TRUE(game.Wait_Drawing());
    ASSERT_TRUE(game.Bring_To_Front());
    ASSERT_EQ(game.Query(testgame::kMciWindows), 1);

    // The first freeze, the game's window in front.
    ASSERT_TRUE(game.Post(WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 10)));
    ASSERT_TRUE(dict.Wait_Shows(1));
    ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
    ASSERT_TRUE(Wait_Until([&] { return game.Query(testgame::kRButtonUps) == 1; }));
    EXPECT_EQ(game.Query(testgame::kMciWindows), row.kmyc ? 0 : 1);

    // Another window of the game in front, the chord on it.
    ASSERT_TRUE(game.Post(testgame::kCreateWindow));
    HWND extra = game.Extra(1);
    ASSERT_NE(extra, nullptr);
    ASSERT_TRUE(game.Post(testgame::kActivate, reinterpret_cast<WPARAM>(extra)));
    ASSERT_TRUE(Wait_Until([&] { return GetForegroundWindow() == extra; }));
    ASSERT_TRUE(PostMessageA(extra, WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 10)));
    ASSERT_TRUE(dict.Wait_Shows(2));
    ASSERT_TRUE(hookkit::Wait_Freeze_Over(game.Id()));
    // The chord's release goes to the window the freeze used, once the freeze has returned.
    ASSERT_TRUE(Wait_Until([&] {
      return game.Query(testgame::kRButtonUps) + game.Query(testgame::kExtraRButtonUps) == 2;
    }));
    EXPECT_EQ(game.Query(testgame::kRButtonUps), row.kmyc ? 2 : 1);
    EXPECT_EQ(game.Query(testgame::kExtraRButtonUps), row.kmyc ? 0 : 1);
    EXPECT_EQ(game.Query(testgame::kMciWindows), row.kmyc ? 0 : 1);
    game.Post(testgame::kQuit);
    game.Process().Wait_Exit();
  }
}

}  // namespace
