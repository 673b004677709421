// The Wubi practice on the real main window, opened from the Chinese menu: the line practice
// with its code hints, progress, line end, the three-button box, the remembered line, broken
// lessons and a missing code table, and the hand-over of the article layouts.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "courses/wubi_page.h"
#include "forms/forms.h"
#include "screen_table.h"
#include "services/cp936_text.h"
#include "services/globals.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "shell/commands.h"
#include "shell/main_form.h"
#include "shell/standins.h"
#include "shell/startup.h"
#include "testkit/course_seams.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

const char kWubi[] = "Setting\\Chinese\\Wubi";
const char kRemember[] = "Setting\\Chinese\\Wubi\\Remember";
const char kLineNum[] = "Setting\\Chinese\\Wubi\\Remember\\Line Num";
const char kCharNum[] = "Setting\\Chinese\\Wubi\\Remember\\Last_Some_Lines_Char_Num";

int Preset_Retry_Answer = 0;
std::vector<Picture_Box_Kind> Shown_Boxes;

forms::Form& Main() { return Form_Quillon(); }
forms::Rich_Text_Box& User() { return Main().Get<forms::Rich_Text_Box>("RichText_Wubi_User"); }
forms::Rich_Text_Box& Source() {
  return Main().Get<forms::Rich_Text_Box>("RichText_Wubi_Source");
}
std::string Caption(const char* name, int index = -1) {
  return Main().Get<forms::Label>(name, index).Caption();
}
std::string Hint() { return Caption("Label_Wubi_Code_Info"); }
std::string Progress() { return Caption("Label_Wubi_Process_Speed", 0); }
std::string Stored(const char* section) {
  return forms::Tutor_Settings::Get(section, "2", "(none)");
}

void Shot_Main(const std::string& name) { Save_Window_Shot(Main().Hwnd(), name); }

// The lesson and table the tests type: three short lines.
const char kLesson[] = "一区#王土\r\n\r\n二区#我们的\r\n三区#人\r\n";
const char kTable[] = "王gggg\r\n土ffff\r\n我trnt\r\n们wun\r\n的rqyy\r\n人wwww\r\n";

std::string Repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

class Wubi_Page : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "quillon-wubi-" + std::to_string(GetCurrentProcessId());
    for (const char* sub : {"", "\\Chinese", "\\Chinese\\Wubi"})
      CreateDirectoryA((folder_ + sub).c_str(), nullptr);
    Write("1.txt", kLesson);
    Write("Wbx.dic", kTable);
    Install_Course_Seams(folder_, errors, beeps);
    Preset_Retry_Answer = 0;
    Shown_Boxes.clear();
    Set_Picture_Box_Function([](Picture_Box_Kind kind) {
      Shown_Boxes.push_back(kind);
      if (kind == Picture_Box_Kind::YesRetryNo) Retry_Dialog_Answer = Preset_Retry_Answer;
    });
    for (const char* s : {kWubi, kRemember, kLineNum, kCharNum})
      forms::Tutor_Settings::Delete_Section(s);
    Register_All_Screens();
    Main().Show();
    SetForegroundWindow(Main().Hwnd());
    ASSERT_TRUE(Pump_Until([] { return GetForegroundWindow() == Main().Hwnd(); }));
  }
  void TearDown() override {
    Stop_Current_Exercise(Main());
    Remove_Course_Seams();
    for (const char* s : {kWubi, kRemember, kLineNum, kCharNum})
      forms::Tutor_Settings::Delete_Section(s);
    for (const char* n : {"1.txt", "Wbx.dic"})
      DeleteFileA((folder_ + "\\Chinese\\Wubi\\" + n).c_str());
    for (const char* sub : {"\\Chinese\\Wubi", "\\Chinese", ""})
      RemoveDirectoryA((folder_ + sub).c_str());
  }
  void Write(const char* name, const std::string& bytes) {
    const std::string path = folder_ + "\\Chinese\\Wubi\\" + name;
    if (bytes.empty()) {
      DeleteFileA(path.c_str());
      return;
    }
    ASSERT_TRUE(testkit::Write_File(path, bytes)) << path;
  }
  void Open_Wubi() {
    Do_Menu_Item(Main(), Chinese_Type_Item::Wubi);
    ASSERT_TRUE(Pump_Until([] { return Current_Panel != kNone && !Panel_Moving; }));
    SetForegroundWindow(Main().Hwnd());
    Pump_For(50);
  }
  // An input method at work: its key goes down in the box, then what it commits arrives.
  void Commit(const std::string& text) {
    const HWND box = User().Hwnd();
    const int before = User().Text_Length();
    PostMessageA(box, WM_KEYDOWN, VK_PROCESSKEY, 1);
    const std::vector<std::string> chars = Split_Characters(text);
    if (chars.size() == 1) {
      const unsigned code =
          (static_cast<unsigned char>(text[0]) << 8) | static_cast<unsigned char>(text[1]);
      PostMessageA(box, WM_IME_CHAR, code, 1);
    } else {
      Pump_For(30);
      // A phrase goes into the box in one piece, as the box takes an input method's result.
      SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    PostMessageA(box, WM_KEYUP, VK_PROCESSKEY, 0xC0000001);
    ASSERT_TRUE(Pump_Until([&] { return User().Text_Length() != before; }, std::chrono::seconds(5)));
    Pump_For(30);
  }
  void Key(WORD vk) {
    testkit::Key_Stroke({vk});
    Pump_For(200);
  }
  bool Red_At(int offset) {
    User().Select(offset, 1);
    const bool red = User().Sel_Color() == RGB(255, 0, 0);
    User().Select(User().Text_Length(), 0);
    return red;
  }

  std::string folder_;
  std::vector<std::string> errors;
  int beeps = 0;
};

TEST_F(Wubi_Page, TypingALineJudgesEachCharacterAndTheHintFollows) {
  Open_Wubi();
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Wubi_Lines));
  EXPECT_EQ(Shown_Boxes, std::vector<Picture_Box_Kind>{Picture_Box_Kind::WubiPin});  // no Wubi here
  EXPECT_EQ(Caption("Label_Wubi_Course_Name"), "一区");
  EXPECT_EQ(Source().Text(), "王土");
  EXPECT_EQ(Source().Sel_Start(), 0);
  EXPECT_EQ(Source().Sel_Length(), 1);  // "Cursor Prompt" 1 by default
  EXPECT_EQ(Hint(), "GGGG");
  EXPECT_EQ(Progress(), "0.00%");
  EXPECT_EQ(User().Max_Length(), 2);
  EXPECT_TRUE(Main().Get<forms::Label>("Label_Wubi_Process_Speed", 1).Visible());
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(User().Tool_Tip_Text(), "用户输入区，行末回车换行");

  Commit("王");  // right
  EXPECT_EQ(Hint(), "FFFF");
  EXPECT_EQ(Progress(), "16.67%");  // 1 of 6
  EXPECT_EQ(Source().Sel_Start(), 1);
  EXPECT_EQ(beeps, 0);
  Key(VK_RETURN);  // too early: the error sound, nothing else
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(User().Text(), "王");
  Commit("人");  // wrong: red, and the position still moves on
  EXPECT_EQ(beeps, 2);
  EXPECT_TRUE(Red_At(1));
  EXPECT_FALSE(Red_At(0));
  EXPECT_EQ(Hint(), "请回车换行!");
  EXPECT_EQ(Progress(), "33.33%");
  EXPECT_EQ(Wubi_Lines().Position(), 3);
  Shot_Main("wubi-lines");

  // Backspace takes the wrong one away unjudged; what comes in its place is black.
  Key(VK_BACK);
  EXPECT_EQ(User().Text(), "王");
  EXPECT_EQ(Wubi_Lines().Position(), 2);
  EXPECT_EQ(Hint(), "FFFF");
  EXPECT_EQ(Progress(), "16.67%");
  EXPECT_EQ(beeps, 2);
  Commit("土");
  EXPECT_FALSE(Red_At(1));
  EXPECT_EQ(Hint(), "请回车换行!");

  // Enter at the line end: the hint empties; on release the three-button box, here "next".
  Preset_Retry_Answer = 0;
  Key(VK_RETURN);
  ASSERT_TRUE(Pump_Until([] { return Wubi_Lines().Line() == 2; }));
  EXPECT_EQ(Shown_Boxes.back(), Picture_Box_Kind::YesRetryNo);
  EXPECT_EQ(Stored(kLineNum), "2");
  EXPECT_EQ(Stored(kCharNum), "2");
  EXPECT_EQ(Caption("Label_Wubi_Course_Name"), "二区");
  EXPECT_EQ(Source().Text(), "我们的");
  EXPECT_EQ(User().Text(), "");
  EXPECT_EQ(Hint(), "TRNT");
  EXPECT_EQ(Progress(), "33.33%");

  // A phrase committed at once is not judged: the position and the hint follow the box.
  Commit("我们");
  EXPECT_EQ(Wubi_Lines().Position(), 3);
  EXPECT_EQ(Hint(), "RQYY");
  EXPECT_EQ(beeps, 2);
  EXPECT_FALSE(Red_At(0));
  EXPECT_EQ(Progress(), "66.67%");
}

TEST_F(Wubi_Page, TheLineEndAnswersSameLineFinishAndTheLastLineStartsTheLessonAgain) {
  forms::Tutor_Settings::Save(kLineNum, "2", "2");
  forms::Tutor_Settings::Save(kCharNum, "2", "2");
  Open_Wubi();
  EXPECT_EQ(Wubi_Lines().Line(), 2);
  EXPECT_EQ(Progress(), "33.33%");
  // Same line: typed again, nothing stored.
  for (const char* c : {"我", "们", "的"}) Commit(c);
  Preset_Retry_Answer = 1;
  Key(VK_RETURN);
  ASSERT_TRUE(Pump_Until([] { return User().Text_Length() == 0; }));
  EXPECT_EQ(Wubi_Lines().Line(), 2);
  EXPECT_EQ(Stored(kLineNum), "2");
  EXPECT_EQ(Progress(), "33.33%");
  // Finish: the box goes grey, Form_Yes, nothing stored.
  for (const char* c : {"我", "们", "的"}) Commit(c);
  Preset_Retry_Answer = 2;
  Key(VK_RETURN);
  ASSERT_TRUE(Pump_Until([] { return !User().Enabled(); }));
  EXPECT_EQ(Shown_Boxes.back(), Picture_Box_Kind::Yes);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(Stored(kLineNum), "2");
  EXPECT_EQ(Stored(kCharNum), "2");

  // The last line: no three-button box, the lesson starts again next time.
  forms::Tutor_Settings::Save(kLineNum, "2", "3");
  forms::Tutor_Settings::Save(kCharNum, "2", "5");
  Open_Wubi();
  EXPECT_EQ(Wubi_Lines().Line(), 3);
  Shown_Boxes.clear();
  Commit("人");
  Key(VK_RETURN);
  ASSERT_TRUE(Pump_Until([] { return !User().Enabled(); }));
  EXPECT_EQ(Shown_Boxes, std::vector<Picture_Box_Kind>{Picture_Box_Kind::Yes});
  EXPECT_EQ(Stored(kLineNum), "1");
  EXPECT_EQ(Stored(kCharNum), "0");
}

TEST_F(Wubi_Page, OptionsChooseTheHintsThePromptAndTheRememberedLine) {
  struct Case {
    const char* name;
    const char *info, *prompt, *flag, *line, *chars;
    int start_line;
    const char* start_progress;
    const char* first_hint;
    int sel_length;
  } cases[] = {
      {"defaults", nullptr, nullptr, nullptr, "2", "2", 2, "33.33%", "TRNT", 1},
      {"flag 0 starts at line 1", nullptr, nullptr, "0", "2", "2", 1, "0.00%", "GGGG", 1},
      {"no hints, no prompt", "0", "0", "1", "2", "2", 2, "33.33%", "", 0},
      {"a line beyond the lesson", nullptr, nullptr, nullptr, "9", "5", 1, "0.00%", "GGGG", 1},
      {"progress not a number", nullptr, nullptr, nullptr, "2", "x", 1, "0.00%", "GGGG", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.info) forms::Tutor_Settings::Save(kWubi, "Info", c.info);
    else forms::Tutor_Settings::Delete(kWubi, "Info");
    if (c.prompt) forms::Tutor_Settings::Save(kWubi, "Cursor Prompt", c.prompt);
    else forms::Tutor_Settings::Delete(kWubi, "Cursor Prompt");
    if (c.flag) forms::Tutor_Settings::Save(kRemember, "Flag", c.flag);
    else forms::Tutor_Settings::Delete(kRemember, "Flag");
    forms::Tutor_Settings::Save(kLineNum, "2", c.line);
    forms::Tutor_Settings::Save(kCharNum, "2", c.chars);
    Open_Wubi();
    EXPECT_EQ(Wubi_Lines().Line(), c.start_line);
    EXPECT_EQ(Progress(), c.start_progress);
    EXPECT_EQ(Hint(), c.first_hint);
    EXPECT_EQ(Source().Sel_Length(), c.sel_length);
    // The stored values are not changed by a start.
    EXPECT_EQ(Stored(kLineNum), c.line);
    EXPECT_EQ(Stored(kCharNum), c.chars);
    if (std::string(c.info ? c.info : "1") == "0") {
      // Without hints the line end still asks for Enter, and the Enter empties it.
      for (const char* ch : {"我", "们", "的"}) Commit(ch);
      EXPECT_EQ(Hint(), "请回车换行!");
      Preset_Retry_Answer = 2;
      Key(VK_RETURN);
      ASSERT_TRUE(Pump_Until([] { return !User().Enabled(); }));
      EXPECT_EQ(Hint(), "");
    }
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(Wubi_Page, ABrokenLessonIsReportedOnceAndNothingIsStored) {
  struct Case {
    const char* name;
    std::string lesson;
    const char* words;
  } cases[] = {
      {"missing", "", "文件未找到"},
      {"no mark", "一区#王土\r\n王土\r\n", "第 2 行缺少“#”"},
      {"nothing after the mark", "一区#\r\n", "第 1 行"},
      {"too long", "长#" + Repeated("王", 400), "最多 399 个字"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    forms::Tutor_Settings::Save(kLineNum, "2", "2");
    forms::Tutor_Settings::Save(kCharNum, "2", "2");
    Write("1.txt", c.lesson);
    errors.clear();
    Open_Wubi();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(c.words), std::string::npos) << errors[0];
    EXPECT_NE(errors[0].find("1.txt"), std::string::npos) << errors[0];
    EXPECT_FALSE(Wubi_Lines().Running());
    EXPECT_EQ(Source().Text(), "");
    // Enter does nothing; nothing is stored.
    Key(VK_RETURN);
    EXPECT_EQ(Stored(kLineNum), "2");
    EXPECT_EQ(Stored(kCharNum), "2");
  }
}

// A table that is missing or over the size limit is refused by name and the practice goes on
// without hints; a table just at the limit loads. The table is held in memory, not in the hidden
// box, which stays empty.
TEST_F(Wubi_Page, ACodeTableMissingOrTooLargeIsReportedAndTheLineEndHintStillComes) {
  const size_t limit = static_cast<size_t>(kMostWubiCodeTableBytes);
  // Padding lines of a character the lesson does not hold, after the lesson's entries.
  auto sized = [](size_t bytes) {
    std::string table = kTable;
    while (table.size() + 8 <= bytes) table += "\xB0\xA1aaaa\r\n";  // 啊aaaa
    table.append(bytes - table.size(), ' ');
    return table;
  };
  struct Case {
    const char* name;
    std::string table;
    const char* words;  // in the error box; none when the table loads
    const char* first_hint;
  } cases[] = {
      {"missing", "", "文件未找到", ""},
      {"one byte over the limit", sized(limit + 1), "太大", ""},
      {"at the limit", sized(limit), nullptr, "GGGG"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Stop_Current_Exercise(Main());
    Write("Wbx.dic", c.table);
    forms::Tutor_Settings::Delete_Section(kLineNum);
    forms::Tutor_Settings::Delete_Section(kCharNum);
    // The table is read once a run: forget the one a test before loaded.
    Wubi_Lines().Forget_Code_Table();
    errors.clear();
    Open_Wubi();
    if (c.words) {
      ASSERT_EQ(errors.size(), 1u);
      EXPECT_NE(errors[0].find(c.words), std::string::npos) << errors[0];
      EXPECT_NE(errors[0].find(folder_ + "\\Chinese\\Wubi\\Wbx.dic"), std::string::npos)
          << errors[0];
    } else {
      EXPECT_TRUE(errors.empty());
    }
    EXPECT_TRUE(Wubi_Lines().Running());
    EXPECT_EQ(Hint(), c.first_hint);
    EXPECT_EQ(Main().Get<forms::Rich_Text_Box>("RichText_Search_Wubi_Code").Text_Length(), 0);
    Commit("王");
    Commit("土");
    EXPECT_EQ(Hint(), "请回车换行!");
  }
  Wubi_Lines().Forget_Code_Table();
}

TEST_F(Wubi_Page, TheArticleLayoutsGoToTheArticlePanel) {
  for (const char* method : {"0", "1"}) {
    SCOPED_TRACE(method);
    forms::Tutor_Settings::Save(kWubi, "Type Method", method);
    forms::Tutor_Settings::Save(kRemember, "Flag", "0");
    Open_Wubi();
    EXPECT_EQ(Current_Panel, Number(Panel_Id::Article));
    EXPECT_EQ(Current_Type_Method, std::stoi(method));
    EXPECT_EQ(Current_Remember_Flag, 0);
    EXPECT_EQ(Current_Language, 1);
    EXPECT_EQ(Current_Exercise_Kind, Number(Exercise_Kind::Wubi));
    EXPECT_FALSE(Wubi_Lines().Running());
  }
}

}  // namespace
}  // namespace quillon
