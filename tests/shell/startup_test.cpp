// Start-up pieces in-process: application state, reset flag file, resource library check,
// system menu, registered user captions, private fonts and exit.
#include "shell_fixture.h"

#include <fstream>
#include <sstream>

#include "shell/standins.h"

namespace quillon {
namespace {

using Startup = Shell_Test;

std::string Temp_Folder(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

TEST_F(Startup, MainWindowStartsWithItsInitialState) {
  EXPECT_EQ(Current_Panel, 88);
  EXPECT_EQ(Screen_Function_Module, 88);
  EXPECT_EQ(Open_PopMenu, 88);
  EXPECT_EQ(Hover_Other_Function, 88);
  EXPECT_TRUE(IME_Shape_Key_Pending);
  EXPECT_TRUE(Frog_Page_First);
  EXPECT_TRUE(Article_Page_First);
  EXPECT_FALSE(Panel_Moving);
  EXPECT_FALSE(Direct_Command);
  EXPECT_EQ(Word_Lesson_Name[3], "大学英语1~4级常用词汇");
  EXPECT_EQ(Word_Lesson_Name[7], "托福600分单词");
  EXPECT_EQ(Article_Kind_Name[5], "杂项");
  EXPECT_EQ(File_Dialog_Folder[4], Program_Folder());
  EXPECT_EQ(Samples_Folder, Program_Folder() + "\\Samples");
  EXPECT_EQ(Article_Char.Upper(), 1);
  EXPECT_EQ(form().Caption(), "青岚键坊");
  for (int i = 0; i < kPanelCount; ++i) {
    EXPECT_FALSE(Panel(i).Visible());
    EXPECT_EQ(Panel(i).Top(), kPanelTop);
  }
  EXPECT_EQ(Panel(2).Width(), 9450);
  EXPECT_EQ(Panel(2).Height(), 5640);
  EXPECT_EQ(Main_Timer("Timer_Check").Interval(), 10);
  EXPECT_EQ(Main_Timer("Timer_Move_Picture").Interval(), 200);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(form().Get<forms::Media_Control>("MMControl_Play_Record").Device_Type(), "WaveAudio");
  EXPECT_EQ(form().Array("Image_Function_Module").size(), 11u);
  EXPECT_EQ(form().Array("Image_Other_Function").size(), 5u);
  // The system menu has no Close command.
  HMENU menu = GetSystemMenu(form().Hwnd(), FALSE);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Startup, ResetFlagFile) {
  std::string path = Temp_Folder("quillon-reset") + "\\index.txt";
  DeleteFileA(path.c_str());
  forms::Tutor_Settings::Save("Setting\\Game\\Police\\Remember", "Level", "4");

  Check_Reset_Flag_File(path);  // missing: written, nothing deleted
  EXPECT_EQ(testkit::Read_File(path), "0\r\n");
  EXPECT_EQ(forms::Tutor_Settings::Get("Setting\\Game\\Police\\Remember", "Level"), "4");

  for (const char* other : {"", " 1\r\n", "yes\r\n", "01"}) {
    testkit::Write_File(path, other);
    Check_Reset_Flag_File(path);
    EXPECT_EQ(testkit::Read_File(path), "0\r\n") << other;
    EXPECT_EQ(forms::Tutor_Settings::Get("Setting\\Game\\Police\\Remember", "Level"), "4");
  }

  testkit::Write_File(path, "0\r\nanything\r\n");
  Check_Reset_Flag_File(path);
  EXPECT_EQ(testkit::Read_File(path), "0\r\nanything\r\n");  // left alone

  testkit::Write_File(path, "1\r\n");
  Check_Reset_Flag_File(path);
  EXPECT_EQ(testkit::Read_File(path), "0\r\n");
  EXPECT_EQ(forms::Tutor_Settings::Get("Setting\\Game\\Police\\Remember", "Level", "none"), "none");
  EXPECT_TRUE(boxes.empty());
  DeleteFileA(path.c_str());
}

TEST_F(Startup, MissingResourceLibraryStopsTheStart) {
  Set_Program_Folder(Temp_Folder("quillon-no-lib"));
  EXPECT_FALSE(Ini_System());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Not Found artpack.dll !!!");
  EXPECT_EQ(boxes[0].title, "严重错误");
  EXPECT_TRUE(boxes[0].flags & MB_ICONSTOP);

  boxes.clear();
  Set_Program_Folder(testkit::Tutor_Folder());
  forms::Tutor_Settings::Save("Setting\\System", "Music KB", "1");
  forms::Tutor_Settings::Save("Setting\\System", "Sound", "0");
  EXPECT_TRUE(Ini_System());
  forms::Tutor_Settings::Delete("Setting\\System", "Music KB");
  forms::Tutor_Settings::Delete("Setting\\System", "Sound");
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Music_KB_On, 1);
  EXPECT_EQ(Sound_On, 0);
  EXPECT_EQ(BG_Music_On, 1);
  EXPECT_EQ(BG_Music_File, Program_Folder() + "\\Music\\bg1.wav");
  EXPECT_EQ(English_Font_File, "Cour.ttf");
  EXPECT_EQ(Chinese_Font_File, "Simsun.ttf");
  EXPECT_TRUE(Move_Step_Num == 15 || Move_Step_Num == 5);
  EXPECT_TRUE(Sound_Card_Present);  // the test desktop has a wave-out device
}

TEST_F(Startup, RegisteredUserCaptionsAreNeverEmpty) {
  forms::Form& flash = Form_Flash();
  flash.Load();
  Show_Registered_User(flash);
  EXPECT_FALSE(flash.Get<forms::Label>("Label_User_Name").Caption().empty());
  EXPECT_FALSE(flash.Get<forms::Label>("Label_Company_Name").Caption().empty());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Startup, ExitStopsSoundsRemovesFontsAndEnds) {
  English_Font_File = "Cour.ttf";
  Chinese_Font_File = "Simsun.ttf";
  Add_Private_Fonts();  // the files may be missing: nothing is added then, and nothing fails
  Exit_System(form());
  EXPECT_EQ(exits, 1);
  EXPECT_FALSE(English_Font_Added);
  EXPECT_FALSE(Chinese_Font_Added);
  EXPECT_FALSE(form().Get<forms::Media_Control>("MMControl_Play_Record").Is_Open());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Startup, ColourDepthAndFirstInstance) {
  EXPECT_GE(Get_Color_Depth(), 8);
  EXPECT_TRUE(Form_Flash_Initialize());  // nobody else runs the tutor in this process
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

TEST_F(Startup, OnlyTheExactHelpSwitchesOpenHelpWhileTheWindowLoads) {
  const std::pair<const char*, bool> cases[] = {
      {"/?", true},     {"/H", true},  {"/h", true},    {"", false},
      {"/help", false}, {"-h", false}, {"/h x", false}, {"h", false}};
  for (const auto& [text, opens] : cases) {
    helps.clear();
    Command_Line_Text = text;
    Form_Quillon_Load();
    EXPECT_EQ(helps.size(), opens ? 1u : 0u) << "'" << text << "'";
    if (opens) {
      EXPECT_EQ(helps[0], Program_Folder() + "\\Quillon.hlp");
    }
  }
  Command_Line_Text.clear();
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace quillon
