// The hook library's decisions: hotkey and mouse chord, folders and paths, "TransList.cfg",
// the game list.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "hooklogic.h"
#include "shared_data.h"

namespace {

using namespace trhook95;

TEST(HookLogicHotKey, ReleaseOfTheHotKeysKeyOnly) {
  const DWORD ctrlShiftF1 = 0x60070;
  EXPECT_TRUE(Is_Hotkey_Key_Released(ctrlShiftF1, VK_F1, static_cast<LPARAM>(0xC03B0001)));
  EXPECT_FALSE(Is_Hotkey_Key_Released(ctrlShiftF1, VK_F1, 0x003B0001));  // pressed
  EXPECT_FALSE(Is_Hotkey_Key_Released(ctrlShiftF1, VK_F2, static_cast<LPARAM>(0xC03C0001)));
  EXPECT_FALSE(Is_Hotkey_Key_Released(0, 'A', static_cast<LPARAM>(0xC01E0001)));
}

TEST(HookLogicHotKey, ModifiersMustMatchExactlyAndBeDownNow) {
  const DWORD ctrlShiftF1 = 0x60070;
  EXPECT_TRUE(Modifiers_Match(ctrlShiftF1, Modifier_Mask(true, false, true)));
  EXPECT_FALSE(Modifiers_Match(ctrlShiftF1, Modifier_Mask(true, true, true)));
  EXPECT_FALSE(Modifiers_Match(ctrlShiftF1, Modifier_Mask(true, false, false)));
  EXPECT_EQ(Modifier_Mask(false, true, false), kModAlt);
  EXPECT_EQ(Modifier_Mask(true, false, false), kModCtrl);
  EXPECT_EQ(Modifier_Mask(false, false, true), kModShift);
  // Only the high bit of a key state means "down now"; the low bit (pressed since the last
  // query) does not.
  EXPECT_TRUE(Is_Key_Down_Now(static_cast<SHORT>(0x8000)));
  EXPECT_TRUE(Is_Key_Down_Now(static_cast<SHORT>(0x8001)));
  EXPECT_FALSE(Is_Key_Down_Now(0x0001));
  EXPECT_FALSE(Is_Key_Down_Now(0));
}

TEST(HookLogicMouseChord, LeftReleasedWhileOnlyTheRightIsHeld) {
  struct Case {
    UINT message;
    WPARAM keys;
    bool chord;
  } cases[] = {
      {WM_LBUTTONUP, MK_RBUTTON, true},
      {WM_LBUTTONUP, MK_RBUTTON | MK_SHIFT, false},
      {WM_LBUTTONUP, MK_RBUTTON | MK_CONTROL, false},
      {WM_LBUTTONUP, MK_RBUTTON | MK_MBUTTON, false},
      {WM_LBUTTONUP, 0, false},
      {WM_RBUTTONUP, MK_LBUTTON, false},
      {WM_LBUTTONDOWN, MK_RBUTTON | MK_LBUTTON, false},
  };
  for (const Case& c : cases) {
    MSG msg{};
    msg.message = c.message;
    msg.wParam = c.keys;
    EXPECT_EQ(Is_Mouse_Chord(&msg), c.chord) << c.message << " " << c.keys;
  }
  EXPECT_FALSE(Is_Mouse_Chord(nullptr));
}

TEST(HookLogicFolders, PluginFolderFollowsTheBaseFolder) {
  char out[kFolderSize];
  ASSERT_TRUE(Compose_Plugin_Dir("C:\\Lingvane", out, sizeof out));
  EXPECT_STREQ(out, "C:\\Lingvane\\Plug_in\\");
  ASSERT_TRUE(Compose_Plugin_Dir("C:\\", out, sizeof out));
  EXPECT_STREQ(out, "C:\\Plug_in\\");
  // A double-byte character whose second byte is a backslash does not end the folder in one.
  ASSERT_TRUE(Compose_Plugin_Dir("C:\\\xD5\\", out, sizeof out));
  EXPECT_STREQ(out, "C:\\\xD5\\\\Plug_in\\");
}

TEST(HookLogicFolders, TooLongFoldersAndPathsFailWithoutWriting) {
  char out[kFolderSize];
  std::string fits(246, 'a');  // + "\" + "Plug_in\" = 255 characters
  ASSERT_TRUE(Compose_Plugin_Dir(fits.c_str(), out, sizeof out));
  EXPECT_EQ(std::string(out).size(), 255u);
  std::string tooLong(247, 'a');
  std::memset(out, 'x', sizeof out);
  EXPECT_FALSE(Compose_Plugin_Dir(tooLong.c_str(), out, sizeof out));
  EXPECT_EQ(out[0], 'x');
  EXPECT_FALSE(Compose_Plugin_Dir("", out, sizeof out));

  char path[MAX_PATH];
  std::string dir(MAX_PATH - 1 - 11, 'd');
  ASSERT_TRUE(Join_Path(dir.c_str(), "newlumo.idx", path, sizeof path));
  EXPECT_EQ(std::string(path).size(), static_cast<size_t>(MAX_PATH - 1));
  dir += "d";
  path[0] = 'x';
  EXPECT_FALSE(Join_Path(dir.c_str(), "newlumo.idx", path, sizeof path));
  EXPECT_EQ(path[0], 'x');
}

TEST(HookLogicTransList, EachCharacterSwitchesItsGame) {
  struct Case {
    std::string text;
    BOOL before;
    BOOL after[kGameCount];
  } cases[] = {
      {"0111", TRUE, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"0111", FALSE, {0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"111\r\n", TRUE, {1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1}},
      {"111\r\n", FALSE, {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"", FALSE, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"1x2 11111111", FALSE, {1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1}},
      {std::string("11\0" "111", 6), FALSE, {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    BOOL switches[kGameCount];
    for (BOOL& s : switches) s = c.before;
    Apply_Trans_List(c.text.data(), c.text.size(), switches, kGameCount);
    for (int i = 0; i < kGameCount; ++i)
      EXPECT_EQ(switches[i], c.after[i]) << "text \"" << c.text << "\" position " << i;
  }
}

TEST(HookLogicGameList, BaseNameLowerCasedWithoutFolderOrExtension) {
  BOOL all[kGameCount];
  for (BOOL& s : all) s = TRUE;
  struct Case {
    const char* path;
    int position;
  } cases[] = {
      {"C:\\Games\\Westwood\\Game.exe", 6},
      {"D:\\EMPIRES2.EXE", 5},
      {"C:\\RA\\ra95.exe", 10},
      {"C:\\civctp", 0},
      {"C:\\x.y\\HOMEWORLD.EXE", 8},
      {"C:\\games\\game2.exe", -1},
      {"C:\\game\\notes.exe", -1},
      {"C:\\\xD5\\\\game.exe", 6},  // a double-byte folder name ending in a 0x5C byte
      {"C:\\\xD5\\game.exe", -1},     // ... and the same character starting the file name
      {"", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(Find_Listed_Game(c.path, all), c.position) << c.path;

  BOOL gameOff[kGameCount];
  for (BOOL& s : gameOff) s = TRUE;
  gameOff[6] = FALSE;
  EXPECT_EQ(Find_Listed_Game("C:\\Game.exe", gameOff), -1);
  EXPECT_EQ(Find_Listed_Game("C:\\rt2.exe", gameOff), 11);
}

}  // namespace

namespace {

// A stand-in hook system that refuses the hook kind it is told to.
struct Fake_Hooks {
  int refuse = -1;
  int next = 0x100;
  std::vector<std::pair<char, HHOOK>> calls;  // 'i' installed, 'r' removed
};

HHOOK Fake_Install(int kind, void* context) {
  auto* f = static_cast<Fake_Hooks*>(context);
  if (kind == f->refuse) return nullptr;
  HHOOK h = reinterpret_cast<HHOOK>(static_cast<INT_PTR>(f->next++));
  f->calls.push_back({'i', h});
  return h;
}

void Fake_Remove(HHOOK hook, void* context) {
  static_cast<Fake_Hooks*>(context)->calls.push_back({'r', hook});
}

TEST(HookLogicInstall, ARefusedHookTakesBackTheOnesInstalledBeforeIt) {
  const int kinds[] = {WH_KEYBOARD, WH_GETMESSAGE, WH_CBT};
  for (int refused : {-1, WH_KEYBOARD, WH_GETMESSAGE, WH_CBT}) {
    HHOOK keyboard = nullptr, getMsg = nullptr, cbt = nullptr;
    HHOOK volatile* const slots[] = {&keyboard, &getMsg, &cbt};
    Fake_Hooks fake;
    fake.refuse = refused;
    bool done = trhook95::Install_In_Order(slots, kinds, 3, Fake_Install, Fake_Remove, &fake);
    if (refused < 0) {
      EXPECT_TRUE(done);
      EXPECT_TRUE(keyboard && getMsg && cbt);
      EXPECT_EQ(fake.calls.size(), 3u);
      continue;
    }
    EXPECT_FALSE(done) << refused;
    EXPECT_FALSE(keyboard || getMsg || cbt) << refused;
    // Every installed hook is removed again, the last first.
    size_t installed = 0;
    for (auto& c : fake.calls) installed += c.first == 'i';
    ASSERT_EQ(fake.calls.size(), 2 * installed) << refused;
    for (size_t i = 0; i < installed; ++i) {
      EXPECT_EQ(fake.calls[installed + i].first, 'r');
      EXPECT_EQ(fake.calls[installed + i].second, fake.calls[installed - 1 - i].second);
    }
  }
}

}  // namespace
