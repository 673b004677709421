// The shell's decision tables: command keys, key routing, ticks, reset flag, guards, fonts.
#include <gtest/gtest.h>

#include <windows.h>

#include "screen_table.h"
#include "services/screens.h"
#include "shell/command_tables.h"
#include "services/globals.h"

namespace quillon {
namespace {

struct Hot_Key_Case {
  int key, shift, close_key, close_shift;
  Hot_Key_Command expected;
};

TEST(CommandKeys, FirstMatchingRowActsAndShiftIsComparedWhole) {
  const Hot_Key_Case cases[] = {
      {81, 2, 123, 0, Hot_Key_Command::Exit},            // Ctrl+Q
      {81, 3, 123, 0, Hot_Key_Command::None},            // Ctrl+Shift+Q
      {123, 0, 123, 0, Hot_Key_Command::Exit},           // F12, the default close key
      {123, 1, 123, 0, Hot_Key_Command::None},           // Shift+F12
      {115, 4, 123, 0, Hot_Key_Command::Exit},           // Alt+F4
      {77, 2, 123, 0, Hot_Key_Command::Minimise},        // Ctrl+M
      {77, 2, 77, 2, Hot_Key_Command::Exit},             // close key stored as Ctrl+M
      {112, 4, 123, 0, Hot_Key_Command::About},          // Alt+F1
      {112, 0, 123, 0, Hot_Key_Command::Help},           // F1
      {112, 2, 123, 0, Hot_Key_Command::Tutorial},       // Ctrl+F1
      {112, 6, 123, 0, Hot_Key_Command::None},           // Ctrl+Alt+F1
      {112, 1, 123, 0, Hot_Key_Command::None},           // Shift+F1
      {70, 2, 123, 0, Hot_Key_Command::Function_Settings},
      {84, 2, 123, 0, Hot_Key_Command::System_Settings},
      {82, 2, 123, 0, Hot_Key_Command::Records},
      {65, 0, 123, 0, Hot_Key_Command::None},
      {88, 4, 88, 4, Hot_Key_Command::Exit},             // a stored Alt+X
  };
  for (const auto& c : cases)
    EXPECT_EQ(Find_Hot_Key_Command(c.key, c.shift, c.close_key, c.close_shift), c.expected)
        << "key " << c.key << " shift " << c.shift;
}

TEST(CommandKeys, TheExitAndTheCommandsThatChangeNoScreenRunDuringASlide) {
  EXPECT_TRUE(Runs_During_Slide(Hot_Key_Command::Exit));
  EXPECT_TRUE(Runs_During_Slide(Hot_Key_Command::System_Settings));
  EXPECT_TRUE(Runs_During_Slide(Hot_Key_Command::Tutorial));
  EXPECT_FALSE(Runs_During_Slide(Hot_Key_Command::Records));
  EXPECT_FALSE(Runs_During_Slide(Hot_Key_Command::Minimise));
  EXPECT_FALSE(Runs_During_Slide(Hot_Key_Command::Function_Settings));
}

// The main window's keys and ticks go to the screen on show, as the screen table says.
class Screen_Routing : public ::testing::Test {
 protected:
  void SetUp() override { Register_All_Screens(); }
  void TearDown() override { Audition_Playing = false; }
  static const char* Name_On(int panel) {
    const Screen* s = Screen_On(panel);
    return s ? s->name : "";
  }
};

struct Route_Case {
  int panel;
  bool running;
  int key;
  Key_Action expected;
  const char* screen;  // the row whose entry point runs ("" for none)
};

TEST_F(Screen_Routing, EachPanelGetsItsKeys) {
  const Route_Case cases[] = {
      {0, false, VK_SHIFT, Key_Action::Start, "keys"},  // Shift alone starts
      {0, false, 'A', Key_Action::Start, "keys"},
      {0, true, 'A', Key_Action::Note_Ctrl_Key_Down, "keys"},
      {2, false, VK_RETURN, Key_Action::Start, "free typing"},
      {2, false, 'A', Key_Action::None, "free typing"},
      {2, true, VK_RETURN, Key_Action::None, "free typing"},
      {3, false, VK_RETURN, Key_Action::Start, "police"},
      {3, true, VK_RETURN, Key_Action::None, "police"},
      {4, true, 'A', Key_Action::Screen_Key, "balloons"},
      {4, true, VK_RETURN, Key_Action::None, "balloons"},  // Enter does nothing during the game
      {4, false, VK_RETURN, Key_Action::Start, "balloons"},
      {4, false, 'A', Key_Action::None, "balloons"},
      {5, true, 'A', Key_Action::Screen_Key, "mouse"},
      {5, true, VK_RETURN, Key_Action::None, "mouse"},
      {5, false, VK_RETURN, Key_Action::Start, "mouse"},
      {6, true, VK_RETURN, Key_Action::Screen_Key, "frog"},  // Enter goes to the frog game
      {6, true, VK_ESCAPE, Key_Action::Screen_Key, "frog"},
      {6, false, VK_RETURN, Key_Action::Start, "frog"},
      {6, false, 'A', Key_Action::None, "frog"},
      {9, false, 'A', Key_Action::Note_Ctrl_Key_Down, "words"},
      {1, true, VK_RETURN, Key_Action::None, "English article"},
      {7, false, VK_RETURN, Key_Action::None, "paper test"},
      {11, false, VK_RETURN, Key_Action::None, "records"},
  };
  for (const auto& c : cases) {
    const Screen* screen = Screen_On(c.panel);
    ASSERT_NE(screen, nullptr) << "panel " << c.panel;
    EXPECT_STREQ(screen->name, c.screen) << "panel " << c.panel;
    EXPECT_EQ(Route_Key_Down(screen->keys, c.running, c.key), c.expected)
        << "panel " << c.panel << " running " << c.running << " key " << c.key;
  }
  EXPECT_EQ(Screen_On(kNone), nullptr);
}

TEST_F(Screen_Routing, TimerCheckGoesToThePanelsTick) {
  const std::pair<int, const char*> ticking[] = {
      {0, "keys"}, {3, "police"}, {7, "paper test"}, {8, "screen test"}, {9, "words"},
      {10, "Wubi"}};
  for (const auto& [panel, name] : ticking) EXPECT_STREQ(Name_On(panel), name) << panel;
  Audition_Playing = true;
  EXPECT_STREQ(Name_On(1), "dictation");
  Audition_Playing = false;
  EXPECT_STREQ(Name_On(1), "English article");
  // Free typing, the balloon, mouse and frog games and the records tick on timers of their own.
  for (int quiet : {2, 4, 5, 6, 11}) EXPECT_FALSE(Screen_On(quiet)->tick) << quiet;
  EXPECT_EQ(Screen_On(kNone), nullptr);
}

TEST(Courses, FoldersAndPanels) {
  EXPECT_EQ(English_Article_Folder(5), "\\English\\Article\\5\\");
  EXPECT_EQ(Chinese_Article_Folder(0), "\\Chinese\\Article\\0\\");
  EXPECT_EQ(Wubi_Panel(2), Panel_Id::Wubi_Lines);
  EXPECT_EQ(Wubi_Panel(0), Panel_Id::Article);
  EXPECT_EQ(Wubi_Panel(1), Panel_Id::Article);
  Register_All_Screens();
  EXPECT_EQ(Screen_Named("words")->panel, Panel_Id::Words);
  EXPECT_EQ(Screen_Named("free typing")->panel, Panel_Id::Free_Type);
}

TEST(ResetFlag, FirstLineDecides) {
  auto decide = [](bool exists, const char* line) {
    std::string s = line ? line : "";
    return Decide_Reset_Flag(exists, line ? &s : nullptr);
  };
  auto missing = decide(false, nullptr);
  EXPECT_FALSE(missing.delete_settings);
  EXPECT_TRUE(missing.rewrite);
  auto zero = decide(true, "0");
  EXPECT_FALSE(zero.delete_settings);
  EXPECT_FALSE(zero.rewrite);
  auto one = decide(true, "1");
  EXPECT_TRUE(one.delete_settings);
  EXPECT_TRUE(one.rewrite);
  for (const char* other : {"", " 1", "1 ", "01", "yes", " 0"}) {
    auto d = decide(true, other);
    EXPECT_FALSE(d.delete_settings) << "'" << other << "'";
    EXPECT_TRUE(d.rewrite) << "'" << other << "'";
  }
  auto unreadable = decide(true, nullptr);
  EXPECT_FALSE(unreadable.delete_settings);
  EXPECT_TRUE(unreadable.rewrite);
  EXPECT_EQ(First_Line_Of("1\r\n0\r\n"), "1");
  EXPECT_EQ(First_Line_Of("0"), "0");
  EXPECT_EQ(First_Line_Of("\r\n"), "");
}

TEST(KeyGuards, EachGuardRefusesItsKeys) {
  struct Case {
    int key, shift;
    bool paste_delete, paste_delete_backspace, paste;
  };
  const Case cases[] = {
      {86, 2, true, true, true},      // Ctrl+V
      {88, 2, true, true, true},      // Ctrl+X
      {17, 2, true, true, true},      // Ctrl alone
      {45, 1, true, true, true},      // Shift+Insert
      {45, 0, false, false, false},   // Insert
      {46, 0, true, true, false},     // Delete
      {46, 3, true, true, false},     // Ctrl+Shift+Delete
      {8, 0, false, true, false},     // Backspace
      {8, 4, true, true, true},       // Alt+Backspace
      {86, 3, false, false, false},   // Ctrl+Shift+V passes the mask test
      {65, 0, false, false, false},
      {65, 1, false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Guard_Forbids(Key_Guard::Paste_And_Delete, c.key, c.shift), c.paste_delete)
        << c.key << "/" << c.shift;
    EXPECT_EQ(Guard_Forbids(Key_Guard::Paste_Delete_And_Backspace, c.key, c.shift),
              c.paste_delete_backspace)
        << c.key << "/" << c.shift;
    EXPECT_EQ(Guard_Forbids(Key_Guard::Paste, c.key, c.shift), c.paste) << c.key << "/" << c.shift;
  }
}

TEST(Fonts, ListsByCharacterSet) {
  EXPECT_EQ(Classify_Font("Courier New", 0), Font_List::English);
  EXPECT_EQ(Classify_Font("宋体", 134), Font_List::Chinese);
  EXPECT_EQ(Classify_Font("@宋体", 134), Font_List::Neither);
  EXPECT_EQ(Classify_Font("Symbol", 2), Font_List::Neither);
  EXPECT_EQ(Classify_Font("MS Gothic", 128), Font_List::Neither);
  EXPECT_EQ(Classify_Font("Terminal", 255), Font_List::Neither);
  EXPECT_EQ(Classify_Font("@Arial", 0), Font_List::Neither);
  EXPECT_EQ(Classify_Font("@Droid Sans Fallback", 0), Font_List::Neither);
  EXPECT_EQ(Classify_Font("", 0), Font_List::Neither);
  std::string key, name;
  ASSERT_TRUE(Display_Font_Setting(1, &key, &name));
  EXPECT_EQ(key, "1");
  EXPECT_EQ(name, "宋体");
  ASSERT_TRUE(Display_Font_Setting(0, &key, &name));
  EXPECT_EQ(name, "Courier New");
  EXPECT_FALSE(Display_Font_Setting(2, &key, &name));
}

TEST(Sounds, KeySoundFile) {
  EXPECT_EQ(Key_Sound_Path(5, 1), "\\Music\\Sound\\MusicKB\\5.wav");
  EXPECT_EQ(Key_Sound_Path(41, 1), "\\Music\\Sound\\MusicKB\\41.wav");
  EXPECT_EQ(Key_Sound_Path(-88, 1), "\\Music\\Sound\\type.wav");
  EXPECT_EQ(Key_Sound_Path(5, 0), "\\Music\\Sound\\type.wav");
  EXPECT_EQ(Key_Sound_Path(5, 2), "\\Music\\Sound\\type.wav");
}

}  // namespace
}  // namespace quillon
