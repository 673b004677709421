// The shell's decision tables: command keys, key routing, ticks, reset flag, guards, fonts.
#include <gtest/gtest.h>

#include "shell/command_tables.h"

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

struct Route_Case {
  int panel;
  bool running;
  int key;
  Key_Action expected;
};

TEST(KeyRouting, EachPanelGetsItsKeys) {
  const Route_Case cases[] = {
      {0, false, 16, Key_Action::Start_Key_Char_Practice},  // Shift alone starts
      {0, false, 65, Key_Action::Start_Key_Char_Practice},
      {0, true, 65, Key_Action::Note_Ctrl_Key_Down},
      {2, false, 13, Key_Action::Start_Free_Type},
      {2, false, 65, Key_Action::None},
      {2, true, 13, Key_Action::None},
      {3, false, 13, Key_Action::Start_Police_Game},
      {3, true, 13, Key_Action::None},
      {4, true, 65, Key_Action::Apple_Game_Key},
      {4, true, 13, Key_Action::None},  // Enter does nothing during the game
      {4, false, 13, Key_Action::Start_Apple_Game},
      {4, false, 65, Key_Action::None},
      {5, true, 65, Key_Action::Mouse_Game_Key},
      {5, true, 13, Key_Action::None},
      {5, false, 13, Key_Action::Start_Mouse_Game},
      {6, true, 13, Key_Action::Frog_Game_Key},  // Enter goes to the frog game
      {6, true, 27, Key_Action::Frog_Game_Key},
      {6, false, 13, Key_Action::Start_Frog_Game},
      {6, false, 65, Key_Action::None},
      {9, false, 65, Key_Action::Note_Ctrl_Key_Down},
      {1, true, 13, Key_Action::None},
      {7, false, 13, Key_Action::None},
      {11, false, 13, Key_Action::None},
      {88, false, 13, Key_Action::None},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Route_Key_Down(c.panel, c.running, c.key), c.expected)
        << "panel " << c.panel << " running " << c.running << " key " << c.key;
  EXPECT_TRUE(Is_Start_Action(Key_Action::Start_Frog_Game));
  EXPECT_FALSE(Is_Start_Action(Key_Action::Frog_Game_Key));
}

TEST(TickRouting, TimerCheckGoesToThePanelsTick) {
  EXPECT_EQ(Route_Timer_Check(0, false), Tick_Action::Key_Char_Time_And_Speed);
  EXPECT_EQ(Route_Timer_Check(1, true), Tick_Action::Audition_Time);
  EXPECT_EQ(Route_Timer_Check(1, false), Tick_Action::Article_Page_Time);
  EXPECT_EQ(Route_Timer_Check(3, false), Tick_Action::Police_Balk_Wait);
  EXPECT_EQ(Route_Timer_Check(7, false), Tick_Action::Out_Speed_Test_Time);
  EXPECT_EQ(Route_Timer_Check(8, false), Tick_Action::In_Speed_Test_Time);
  EXPECT_EQ(Route_Timer_Check(9, false), Tick_Action::Word_Time_And_Speed);
  EXPECT_EQ(Route_Timer_Check(10, false), Tick_Action::Wubi_Time_And_Speed);
  for (int quiet : {2, 4, 5, 6, 11, 88}) EXPECT_EQ(Route_Timer_Check(quiet, true), Tick_Action::None);
  EXPECT_EQ(Route_Timer_Move_Picture(3), Sprite_Action::Police);
  EXPECT_EQ(Route_Timer_Move_Picture(4), Sprite_Action::Apple);
  EXPECT_EQ(Route_Timer_Move_Picture(6), Sprite_Action::Frog);
  EXPECT_EQ(Route_Timer_Move_Picture(5), Sprite_Action::None);
}

TEST(Courses, FoldersAndPanels) {
  EXPECT_EQ(English_Article_Folder(5), "\\English\\Article\\5\\");
  EXPECT_EQ(Chinese_Article_Folder(0), "\\Chinese\\Article\\0\\");
  EXPECT_EQ(Wubi_Panel(2), 10);
  EXPECT_EQ(Wubi_Panel(0), 1);
  EXPECT_EQ(Wubi_Panel(1), 1);
  EXPECT_EQ(Panel_Of_Exercise_Kind(1), 9);
  EXPECT_EQ(Panel_Of_Exercise_Kind(11), 2);
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
  EXPECT_EQ(Classify_Font("@Arial", 0), Font_List::English);
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
