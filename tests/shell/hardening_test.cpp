// Start-up and services against files and folders left in a bad state: the reset flag file in
// the forms editors save, a resource library that is there but unusable, a program folder too
// long for the tutor's paths, and the media control's end notice.
#include "shell_fixture.h"

#include "services/bitmaps.h"
#include "shell/reset_flag_text.h"
#include "services/sounds.h"

namespace quillon {
namespace {

using Hardening = Shell_Test;

std::string Temp_Folder(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string Utf16(const std::string& ascii, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) {
    bytes += big_endian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return bytes;
}

TEST_F(Hardening, TheResetFlagIsReadInTheFormsEditorsSaveIt) {
  const std::string path = Temp_Folder("quillon-reset-forms") + "\\index.txt";
  const std::string section = "Setting\\Game\\Police\\Remember";
  struct Case {
    const char* what;
    std::string bytes;
    bool reset;      // the settings are deleted
    bool rewritten;  // the file then holds "0"
  } cases[] = {
      {"UTF-8 with its mark", "\xEF\xBB\xBF" "1\r\n", true, true},
      {"UTF-16 little-endian", Utf16("1\r\n", false), true, true},
      {"UTF-16 big-endian", Utf16("1\r\n", true), true, true},
      {"UTF-16 without a line end", Utf16("1", false), true, true},
      {"trailing blanks", "1  \t\r\n", true, true},
      {"trailing blanks, then more lines", "1 \r\nwhatever\r\n", true, true},
      {"a zero with a mark is kept", "\xEF\xBB\xBF" "0\r\n", false, false},
      {"a zero in UTF-16 is kept", Utf16("0\r\n", false), false, false},
      {"leading blank", " 1\r\n", false, true},
      {"UTF-16 other text", Utf16("yes\r\n", false), false, true},
      {"a full-width one", "\xA3\xB1\r\n", false, true},
      {"binary", std::string("\x00\x01\x02\xFF", 4), false, true},
      {"a line longer than is read", std::string(kResetFlagReadBytes + 10, '1'), false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    forms::Tutor_Settings::Save(section, "Level", "4");
    ASSERT_TRUE(testkit::Write_File(path, c.bytes));
    Check_Reset_Flag_File(path);
    EXPECT_EQ(forms::Tutor_Settings::Get(section, "Level", "none"), c.reset ? "none" : "4");
    EXPECT_EQ(testkit::Read_File(path), c.rewritten ? "0\r\n" : c.bytes);
  }
  // A huge file: its first line decides, the rest is never read.
  std::string huge = "1\r\n" + std::string(8 << 20, 'x');
  forms::Tutor_Settings::Save(section, "Level", "4");
  ASSERT_TRUE(testkit::Write_File(path, huge));
  Check_Reset_Flag_File(path);
  EXPECT_EQ(forms::Tutor_Settings::Get(section, "Level", "none"), "none");
  EXPECT_EQ(testkit::Read_File(path), "0\r\n");
  EXPECT_TRUE(boxes.empty());
  DeleteFileA(path.c_str());
}

TEST(ResetFlagText, FirstLineOfTheFirstBytes) {
  struct Case {
    std::string head;
    bool whole;
    std::string line;
  } cases[] = {
      {"1\r\n0", true, "1"},
      {"0", true, "0"},
      {"", true, ""},
      {"1 \t", true, "1"},
      {" 1", true, " 1"},
      {"\xEF\xBB\xBF" "1", true, "1"},
      {"\xEF\xBB\xBF", true, ""},
      {Utf16("1 \r\n", false), true, "1"},
      {Utf16("0", true), true, "0"},
      {std::string("\xFF\xFE\x2D\x4E\x31\x00", 6), true, "?1"},  // a Chinese character, then 1
      {"1111", false, "1111?"},  // the line goes on past what was read
      {"1\r\n11", false, "1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Reset_Flag_First_Line(c.head, c.whole), c.line) << c.head;
  }
}

TEST_F(Hardening, AResourceLibraryThatCannotGiveTheStartupItsPicturesStopsIt) {
  const std::string folder = Temp_Folder("quillon-bad-lib");
  CreateDirectoryA((folder + "\\Lib").c_str(), nullptr);
  const std::string library = folder + "\\Lib\\artpack.dll";
  struct Case {
    const char* what;
    std::string bytes;  // written as the library; empty text with `copy` set: a copy of it
    const char* copy;
  } cases[] = {
      {"zero bytes", "", nullptr},
      {"text", "not a library\r\n", nullptr},
      {"a cut-off library", testkit::Read_File(testkit::Tutor_Folder() + "\\Lib\\artpack.dll")
                                .substr(0, 4096), nullptr},
      {"another library", "", "trhook95.dll"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.clear();
    if (c.copy) {
      ASSERT_TRUE(CopyFileA((testkit::Translator_Folder() + "\\" + c.copy).c_str(),
                            library.c_str(), FALSE));
    } else {
      ASSERT_TRUE(testkit::Write_File(library, c.bytes));
    }
    Set_Program_Folder(folder);
    EXPECT_FALSE(Resource_Library_Usable(library));
    EXPECT_FALSE(Ini_System());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Damaged artpack.dll !!!");
    EXPECT_EQ(boxes[0].title, "严重错误");
    EXPECT_TRUE(boxes[0].flags & MB_ICONSTOP);
  }
  DeleteFileA(library.c_str());
  // The real one is usable and starts.
  Set_Program_Folder(testkit::Tutor_Folder());
  boxes.clear();
  EXPECT_TRUE(Resource_Library_Usable(Program_Folder() + "\\Lib\\artpack.dll"));
  EXPECT_TRUE(Ini_System());
  EXPECT_TRUE(boxes.empty());
  RemoveDirectoryA((folder + "\\Lib").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(Hardening, AProgramFolderTooLongForItsFilesStopsTheStartAfterOneBox) {
  const std::string deep = "C:\\" + std::string(MAX_PATH - kProgramFileRoom - 3, 'q');
  Set_Program_Folder(deep);
  EXPECT_THROW(Program_Folder(), forms::Runtime_Error);
  EXPECT_FALSE(Form_Flash_Load());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "程序文件夹的路径太长，请把程序放到路径较短的文件夹中！");
  EXPECT_EQ(boxes[0].title, "错误");
  EXPECT_TRUE(boxes[0].flags & MB_ICONSTOP);

  // One character shorter fits, and so does every file the tutor ships under it; a path built
  // beyond the platform's length is refused where it is made, not cut short.
  const std::string fits = deep.substr(0, deep.size() - 1);
  Set_Program_Folder(fits);
  EXPECT_EQ(Program_Folder(), fits);
  EXPECT_EQ(Program_File("\\Music\\Sound\\MusicKB\\57.wav"), fits + "\\Music\\Sound\\MusicKB\\57.wav");
  EXPECT_THROW(Program_File("\\" + std::string(kProgramFileRoom, 'x')), forms::Runtime_Error);
  Set_Program_Folder(testkit::Tutor_Folder());
}

TEST_F(Hardening, OnlyARecordingTellsOfItsEnd) {
  Sound_Card_Present = true;
  BG_Music_On = 1;
  auto& media = form().Get<forms::Media_Control>("MMControl_Play_Record");
  std::vector<int> notices;
  media.On_Done = [&](int code) { notices.push_back(code); };
  const std::string shortest = Program_Folder() + "\\Music\\Sound\\click.wav";
  // Music (and the slides' drum on the same control) ends without a notice.
  Play_Music(shortest);
  ASSERT_TRUE(media.Is_Open());
  Pump_Until([] { return false; }, std::chrono::milliseconds(1500));
  EXPECT_EQ(media.Mode(), "stopped");
  EXPECT_TRUE(notices.empty());
  // A dictation recording does tell.
  Play_Wave_File(shortest);
  EXPECT_TRUE(Pump_Until([&] { return !notices.empty(); }, std::chrono::seconds(20)));
  EXPECT_EQ(notices, std::vector<int>{1});
  // Music after it is silent again.
  notices.clear();
  Play_Music(shortest);
  Pump_Until([] { return false; }, std::chrono::milliseconds(1500));
  EXPECT_TRUE(notices.empty());
  media.On_Done = nullptr;
}

}  // namespace
}  // namespace quillon
