// The speed tests, the result window, the record store and the records screen on the real main
// window: pages opened from the menus and Ctrl+R, real keys and clicks (SendInput to the window
// in front), the modal result window answered from a second thread, and the store read back.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "forms/forms.h"
#include "freetype/speed_test_pages.h"
#include "freetype/speed_test_records.h"
#include "freetype/speed_test_result.h"
#include "screen_table.h"
#include "services/prompts.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "shell/commands.h"
#include "shell/main_form.h"
#include "shell/startup.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

using namespace std::chrono_literals;

const char kTest[] = "Setting\\Test";
const char kList0[] = "Setting\\Test\\Remember\\Record\\0";
const char kList1[] = "Setting\\Test\\Remember\\Record\\1";
const char kResultCaption[] = "速度测试结果";

void Forms_Pump() { forms::Do_Events(); }
bool Pump_Until(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s) {
  return testkit::Wait_Until(done, limit, Forms_Pump);
}
void Pump_For(int ms) { testkit::Pump_For(std::chrono::milliseconds(ms), Forms_Pump); }

forms::Form& Main() { return Form_Quillon(); }
template <class T>
T& Get(const char* name, int index = -1) {
  return Main().Get<T>(name, index);
}
std::string Caption(const char* label) { return Get<forms::Label>(label).Caption(); }
std::string Stored(const std::string& section, const char* name) {
  return forms::Tutor_Settings::Get(section, name, "(none)");
}

// Types one character as the keyboard would (Shift where the character needs it).
void Type_Char(char c) {
  const SHORT scan = VkKeyScanA(c);
  const WORD vk = static_cast<WORD>(scan & 0xFF);
  if (scan & 0x100) testkit::Key_Stroke({VK_SHIFT, vk});
  else testkit::Key_Stroke({vk});
}

void Shot(HWND window, const std::string& name) { testkit::Shot_Window(window, name); }

// The result window while it is up, found from another thread.
HWND Result_Window() {
  HWND w = FindWindowA(nullptr, kResultCaption);
  return w && IsWindowVisible(w) && GetForegroundWindow() == w ? w : nullptr;
}
std::string Window_Text(HWND w) {
  char text[256] = {};
  SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                      2000, nullptr);
  return text;
}
HWND Name_Box(HWND result) { return FindWindowExA(result, nullptr, "EDIT", nullptr); }
bool Wait_Off_Thread(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s) {
  return testkit::Wait_Until(done, limit, [] { Sleep(20); });
}

// A second thread that acts in the modal result window as a user would, while the test's own
// thread runs the window.
class Result_Helper {
 public:
  explicit Result_Helper(std::function<void(HWND)> steps)
      : thread_([this, steps] {
          HWND w = nullptr;
          if (Wait_Off_Thread([&] { return (w = Result_Window()) != nullptr; })) {
            Sleep(300);
            steps(w);
          }
          done_ = true;
        }) {}
  ~Result_Helper() { thread_.join(); }
  bool Done() const { return done_; }

 private:
  std::atomic<bool> done_{false};
  std::thread thread_;
};

class Speed_Tests : public ::testing::Test {
 protected:
  int ready_prompts = 0;  // the ready prompt, answered without its window
  void SetUp() override {
    Set_Program_Folder(testkit::Tutor_Folder());
    Resource_Library_Path = testkit::Tutor_Folder() + "\\Lib\\artpack.dll";
    Samples_Folder = testkit::Tutor_Folder() + "\\Samples";
    forms::Set_Message_Box_Function([this](HWND, const std::string& text, const std::string&, UINT) {
      boxes.push_back(text);
      ++box_count;
      return IDOK;
    });
    Set_Exit_Function([] {});
    Set_Begin_Type_Function([this] { ++ready_prompts; });
    Sound_Card_Present = false;
    Sound_On = 1;
    BG_Music_On = 0;
    Move_Step_Num = 3;
    forms::Tutor_Settings::Delete_Section(kTest);
    Register_All_Screens();
    Main().Show();
    SetForegroundWindow(Main().Hwnd());
    ASSERT_TRUE(Pump_Until([] { return GetForegroundWindow() == Main().Hwnd(); }));
  }
  void TearDown() override {
    if (Form_Speed_Test_Result().Loaded()) forms::Unload(Form_Speed_Test_Result());
    Stop_Current_Exercise(Main());
    Set_In_Speed_Test_File_Chooser({});
    forms::Tutor_Settings::Delete_Section(kTest);
    forms::Set_Message_Box_Function({});
    Set_Exit_Function({});
    Set_Begin_Type_Function({});
  }
  void Open(Menu_Entry item, Panel_Id panel) {
    Do_Menu_Item(Main(), item);
    ASSERT_TRUE(Pump_Until([panel] { return Current_Panel == Number(panel) && !Panel_Moving; }));
    SetForegroundWindow(Main().Hwnd());
    Pump_For(50);
  }
  // A real left click at a point of a control, in twips from its top-left corner.
  void Click(forms::Control& control, int x_twips, int y_twips) {
    POINT at{forms::Twips_To_Pixels_X(x_twips), forms::Twips_To_Pixels_Y(y_twips)};
    HWND host = control.Hwnd() ? control.Hwnd() : control.Container_Of()->Container_Hwnd();
    if (!control.Hwnd()) {
      const RECT r = control.Pixel_Rect();
      at.x += r.left;
      at.y += r.top;
    }
    ClientToScreen(host, &at);
    testkit::Click_At(at, 1, Forms_Pump);
    Pump_For(100);
  }

  std::vector<std::string> boxes;
  std::atomic<int> box_count{0};
};

// ---- Free-text test ----

TEST_F(Speed_Tests, FreeTextCountsEveryCharacterRefusesPastesAndEndsOnCtrlEnterIntoList1) {
  Open(Speed_Test_Item::Out_Test, Panel_Id::Out_Test);
  forms::Rich_Text_Box& box = Get<forms::Rich_Text_Box>("RichText_Out_Speed_Test");
  EXPECT_FALSE(box.Enabled());
  EXPECT_EQ(Caption("Label_Out_Speed_Test_Char_Num"), "");
  EXPECT_EQ(box.Tool_Tip_Text(), "请点击左边按钮开始速度测试 ...");

  // Ctrl+Enter while no test runs does nothing.
  testkit::Key_Stroke({VK_CONTROL, VK_RETURN});
  Pump_For(200);
  EXPECT_FALSE(Out_Test_Is_Running());

  Click(Get<forms::Image>("Image_Out_Speed_Test"), 285, 300);
  ASSERT_TRUE(Out_Test_Is_Running());
  EXPECT_EQ(ready_prompts, 1);
  ASSERT_TRUE(Pump_Until([&] { return box.Has_Focus(); }));
  EXPECT_EQ(Caption("Label_Out_Speed_Test_Time_Info"), "00:00");
  EXPECT_EQ(Caption("Label_Out_Speed_Test_Char_Num"), "0");
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());

  if (OpenClipboard(Main().Hwnd())) {
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
    memcpy(GlobalLock(text), "PASTE", 6);
    GlobalUnlock(text);
    SetClipboardData(CF_TEXT, text);
    CloseClipboard();
  }
  for (char c : std::string("ab")) Type_Char(c);
  testkit::Key_Stroke({VK_RETURN});  // a line break counts two
  Type_Char('c');
  ASSERT_TRUE(Pump_Until([] { return Caption("Label_Out_Speed_Test_Char_Num") == "5"; }));
  testkit::Key_Stroke({VK_CONTROL, 'V'});
  testkit::Key_Stroke({VK_SHIFT, VK_INSERT});
  testkit::Key_Stroke({VK_CONTROL, VK_SHIFT, VK_RETURN});  // not Ctrl alone: no end
  Pump_For(300);
  EXPECT_EQ(Caption("Label_Out_Speed_Test_Char_Num"), "5");
  EXPECT_TRUE(Out_Test_Is_Running());
  ASSERT_TRUE(Pump_Until([] { return Caption("Label_Out_Speed_Test_Time_Info") == "00:01"; }, 5s));
  Shot(Main().Hwnd(), "free-text-test");

  std::string shown_number, shown_rate;
  {
    Result_Helper helper([&](HWND w) {
      Shot(w, "result-window");
      for (char c : std::string("Kim")) Type_Char(c);
      Sleep(200);
      testkit::Key_Stroke({VK_RETURN});  // saves and closes
    });
    testkit::Key_Stroke({VK_CONTROL, VK_RETURN});
    ASSERT_TRUE(Pump_Until([&] { return helper.Done() && !Form_Speed_Test_Result().Loaded(); }, 20s));
  }
  EXPECT_FALSE(Out_Test_Is_Running());
  EXPECT_TRUE(box.Locked());
  EXPECT_EQ(box.Tool_Tip_Text(), "请点击左边按钮开始速度测试 ...");
  const std::string record = std::string(kList1) + "\\1";
  EXPECT_EQ(Stored(kList1, "Total"), "1");
  EXPECT_EQ(Stored(record, "Name"), "Kim");
  EXPECT_EQ(Stored(record, "Number"), "5");
  EXPECT_EQ(Stored(record, "Rate"), "");
  const std::string speed = Stored(record, "Speed");
  EXPECT_NE(speed.find("字/分"), std::string::npos) << speed;
  EXPECT_EQ(Stored(kList1, "Last Time"), Stored(record, "Time"));
  EXPECT_EQ(Stored("Setting\\Test\\Remember", "Result Name"), "Kim");
  EXPECT_EQ(Stored(kList0, "Total"), "(none)");
}

// ---- Result window ----

TEST_F(Speed_Tests, ResultWindowPresetsSavesRenamesPrintsAndClosesByKeys) {
  forms::Tutor_Settings::Save("Setting\\Test\\Remember", "Result Name", "Preset");
  Current_Panel = Number(Panel_Id::In_Test);
  std::string preset;
  const int boxes_before = box_count;
  Result_Helper helper([&](HWND w) {
    preset = Window_Text(Name_Box(w));
    testkit::Key_Stroke({VK_CONTROL, 'S'});
    Wait_Off_Thread([] { return Stored(std::string(kList0) + "\\1", "Name") == "Preset"; });
    testkit::Key_Stroke({VK_HOME});
    testkit::Key_Stroke({VK_SHIFT, VK_END});
    for (char c : std::string("Bo")) Type_Char(c);
    testkit::Key_Stroke({VK_CONTROL, 'Y'});
    Wait_Off_Thread([] { return Stored(std::string(kList0) + "\\1", "Name") == "Bo"; });
    testkit::Key_Stroke({VK_CONTROL, 'P'});
    Wait_Off_Thread([&] { return box_count > boxes_before; }, 3s);
    Sleep(300);
    testkit::Key_Stroke({VK_MENU, 'X'});
  });
  Show_Speed_Test_Result({"90.00字/分", "180", "95.50%", "2024-05-06 星期一 10:00:00"});
  ASSERT_TRUE(Pump_Until([&] { return helper.Done(); }, 20s));
  Current_Panel = kNone;
  EXPECT_FALSE(Form_Speed_Test_Result().Loaded());
  EXPECT_EQ(preset, "Preset");
  const std::string record = std::string(kList0) + "\\1";
  EXPECT_EQ(Stored(kList0, "Total"), "1");  // the second save renamed, it added nothing
  EXPECT_EQ(Stored(record, "Name"), "Bo");
  EXPECT_EQ(Stored(record, "Speed"), "90.00字/分");
  EXPECT_EQ(Stored(record, "Number"), "180");
  EXPECT_EQ(Stored(record, "Rate"), "95.50%");
  EXPECT_EQ(Stored(record, "Time"), "2024-05-06 星期一 10:00:00");
  EXPECT_EQ(Stored("Setting\\Test\\Remember", "Result Name"), "Preset");
  if (forms::Default_Printer_Name().empty()) {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Printer error!");
  } else {
    EXPECT_TRUE(boxes.empty());
  }
}

// A Chinese name, typed as keyboard characters or handed over by the input method, shows and is
// stored as typed (code page 936): in the record and as the name the window offers next time.
TEST_F(Speed_Tests, ResultWindowStoresAChineseNameTypedOrFromTheInputMethod) {
  struct Case {
    const char* how;
    void (*type)(HWND box);
    const char* name;
  } cases[] = {
      {"keyboard", [](HWND) { testkit::Type_Characters("张三"); }, "张三"},
      {"input-method",
       [](HWND box) {
         for (WPARAM code : testkit::Double_Byte_Codes("李四丰"))
           PostMessageA(box, WM_IME_CHAR, code, 1);
       },
       "李四丰"},
  };
  Current_Panel = Number(Panel_Id::In_Test);
  std::string preset_before = "";
  int saved = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    std::string preset, shown;
    Result_Helper helper([&](HWND w) {
      HWND box = Name_Box(w);
      preset = Window_Text(box);
      testkit::Key_Stroke({VK_DELETE});  // the offered name is selected
      c.type(box);
      Wait_Off_Thread([&] { return Window_Text(box) == c.name; });
      shown = Window_Text(box);
      Shot(w, std::string("result-name-") + c.how);
      testkit::Key_Stroke({VK_CONTROL, 'S'});
      Wait_Off_Thread([&] { return Stored(kList0, "Total") == std::to_string(saved + 1); });
      testkit::Key_Stroke({VK_MENU, 'X'});
    });
    Show_Speed_Test_Result({"90.00字/分", "180", "95.50%", std::string("t ") + c.how});
    ASSERT_TRUE(Pump_Until([&] { return helper.Done(); }, 20s));
    ++saved;
    EXPECT_EQ(preset, preset_before);
    EXPECT_EQ(shown, c.name);
    EXPECT_EQ(Stored(std::string(kList0) + "\\" + std::to_string(saved), "Name"), c.name);
    EXPECT_EQ(Stored("Setting\\Test\\Remember", "Result Name"), c.name);
    preset_before = c.name;
  }
  Current_Panel = kNone;
  EXPECT_FALSE(Form_Speed_Test_Result().Loaded());
}

TEST_F(Speed_Tests, ResultWindowWithoutANameSavesNothingAndClosesOnAltF4) {
  Current_Panel = Number(Panel_Id::Out_Test);
  bool save_enabled = true;
  Result_Helper helper([&](HWND) {
    testkit::Key_Stroke({VK_CONTROL, 'S'});
    testkit::Key_Stroke({VK_RETURN});
    Sleep(400);
    testkit::Key_Stroke({VK_MENU, VK_F4});
  });
  Show_Speed_Test_Result({"0.00字/分", "0", "", "t1"});
  ASSERT_TRUE(Pump_Until([&] { return helper.Done(); }, 20s));
  save_enabled = Form_Speed_Test_Result().Loaded();
  Current_Panel = kNone;
  EXPECT_FALSE(save_enabled);
  EXPECT_EQ(Stored(kList1, "Total"), "(none)");
}

// ---- Record store ----

Speed_Test_Record Result_At(int i) {
  return {"u" + std::to_string(i), std::to_string(50 + i) + ".00字/分", std::to_string(i), "",
          "time " + std::to_string(i)};
}

TEST_F(Speed_Tests, AFullListRestartsOnlyForANewResultAndCorrectingTheNameKeepsIt) {
  forms::Tutor_Settings::Save(kTest, "Max Record", "3");
  for (int i = 1; i <= 3; ++i)
    EXPECT_EQ(Save_Speed_Test_Record(Record_List::Free_Text, Result_At(i)), Save_Outcome::Added);
  Speed_Test_Record again = Result_At(3);
  again.name = "fixed";
  EXPECT_EQ(Save_Speed_Test_Record(Record_List::Free_Text, again), Save_Outcome::Renamed);
  EXPECT_EQ(Stored(kList1, "Total"), "3");
  EXPECT_EQ(Stored(std::string(kList1) + "\\3", "Name"), "fixed");
  EXPECT_EQ(Stored(std::string(kList1) + "\\1", "Name"), "u1");
  EXPECT_EQ(Stored("Setting\\Test\\Remember", "Result Name"), "u3");

  EXPECT_EQ(Save_Speed_Test_Record(Record_List::Free_Text, Result_At(4)), Save_Outcome::Restarted);
  EXPECT_EQ(Stored(kList1, "Total"), "1");
  EXPECT_EQ(Stored(std::string(kList1) + "\\1", "Name"), "u4");
  EXPECT_EQ(Stored(std::string(kList1) + "\\2", "Name"), "(none)");
  // The other list is untouched; values are written in the record's order.
  const auto values = forms::Tutor_Settings::Get_All(std::string(kList1) + "\\1");
  ASSERT_EQ(values.size(), 5u);
  EXPECT_EQ(values[0].first, "Name");
  EXPECT_EQ(values[4].first, "Time");
}

TEST_F(Speed_Tests, ADamagedStoreLosesNoRecordOnSavingAndShowsEveryRecordPresent) {
  struct Row {
    const char* total;
    std::vector<int> present;  // record numbers already stored
    int saved_as;              // where the next new result goes
  } rows[] = {
      {"0", {1, 2}, 3},          // "Total" too small
      {"abc", {1, 2, 5}, 6},     // not a number, and a gap
      {"2", {1, 2, 3, 4}, 5},    // records past "Total"
      {"9", {1}, 10},            // "Total" past the records
      {nullptr, {2}, 3},         // no "Total" at all
  };
  for (const Row& r : rows) {
    forms::Tutor_Settings::Delete_Section(kTest);
    for (int n : r.present) {
      // Written in alphabetical order, as a store listed by the registry would come back.
      const std::string section = std::string(kList0) + "\\" + std::to_string(n);
      forms::Tutor_Settings::Save(section, "Name", "n" + std::to_string(n));
      forms::Tutor_Settings::Save(section, "Number", std::to_string(n));
      forms::Tutor_Settings::Save(section, "Speed", std::to_string(n) + ".00字/分");
      forms::Tutor_Settings::Save(section, "Time", "t" + std::to_string(n));
    }
    if (r.total) forms::Tutor_Settings::Save(kList0, "Total", r.total);
    const std::vector<Speed_Test_Record> shown = Read_Record_List(Record_List::Compare_Text);
    ASSERT_EQ(shown.size(), r.present.size()) << r.total;
    EXPECT_EQ(shown.back().name, "n" + std::to_string(r.present.back()));
    EXPECT_EQ(shown.back().speed, std::to_string(r.present.back()) + ".00字/分");
    EXPECT_EQ(shown.back().rate, "");  // missing: empty

    Save_Speed_Test_Record(Record_List::Compare_Text, Result_At(7));
    const std::string at = std::string(kList0) + "\\" + std::to_string(r.saved_as);
    EXPECT_EQ(Stored(at, "Name"), "u7") << r.total;
    EXPECT_EQ(Stored(kList0, "Total"), std::to_string(r.saved_as));
    for (int n : r.present)
      EXPECT_EQ(Stored(std::string(kList0) + "\\" + std::to_string(n), "Name"), "n" + std::to_string(n));
  }
}

// ---- Compare-text test ----

TEST_F(Speed_Tests, CompareTextJudgesRealKeysOnAShortTextAndEndsIntoList0) {
  // Three lines, short enough to type whole (the shipped texts each last five minutes).
  const std::string path = testkit::Build_Folder() + "\\short-walk.txt";
  ASSERT_TRUE(testkit::Write_File(path,
                                  "The river was still grey when I left the house.\r\n"
                                  "A heron stood in the shallows, patient as a post.\r\n"
                                  "Bread from the corner shop was warm in my hands.\r\n"));
  const std::vector<std::string> lines = testkit::Read_Lines(path);
  ASSERT_EQ(lines.size(), 3u);
  int total = 0;
  for (const auto& l : lines) total += static_cast<int>(l.size());
  std::string asked_folder;
  Set_In_Speed_Test_File_Chooser([&](const std::string& folder) {
    asked_folder = folder;
    return path;
  });
  Open(Speed_Test_Item::In_Test, Panel_Id::In_Test);
  Click(Get<forms::Image>("Image_In_Speed_Test"), 285, 300);
  EXPECT_EQ(asked_folder, testkit::Tutor_Folder() + "\\Samples");
  EXPECT_EQ(ready_prompts, 1);
  forms::Rich_Text_Box& source0 = Get<forms::Rich_Text_Box>("RichText_Source_In_Speed_Test", 0);
  EXPECT_EQ(source0.Text(), lines[0]);
  EXPECT_EQ(Get<forms::Rich_Text_Box>("RichText_Source_In_Speed_Test", 3).Text(), "");
  EXPECT_EQ(Caption("Label_Source_Char_Num"), std::to_string(total));
  EXPECT_EQ(Caption("Label_IST_Right_or_Wrong_Rate"), "0");
  EXPECT_FALSE(Get<forms::Image>("Image_In_Speed_Test").Enabled());
  EXPECT_EQ(source0.Sel_Length(), 1);  // the next expected character shows selected

  auto type_into = [&](int pair, char c) {
    forms::Rich_Text_Box& user = Get<forms::Rich_Text_Box>("RichText_User_In_Speed_Test", pair);
    const int before = user.Text_Length();
    Type_Char(c);
    ASSERT_TRUE(Pump_Until([&] { return user.Text_Length() == before + 1 || !user.Visible(); }, 5s))
        << pair << " " << c;
  };
  // Line 1: a wrong first character (red, the error sound's beep), taken back and typed right.
  forms::Rich_Text_Box& user0 = Get<forms::Rich_Text_Box>("RichText_User_In_Speed_Test", 0);
  type_into(0, 'x');
  EXPECT_EQ(Caption("Label_IST_Right_or_Wrong_Rate"), "0.00%");
  user0.Select(0, 1);
  EXPECT_EQ(user0.Sel_Color(), RGB(255, 0, 0));
  user0.Set_Sel_Start(1);
  testkit::Key_Stroke({VK_BACK});
  ASSERT_TRUE(Pump_Until([&] { return user0.Text_Length() == 0; }));
  for (char c : lines[0].substr(0, 10)) type_into(0, c);
  EXPECT_EQ(Caption("Label_IST_Right_or_Wrong_Rate"), "100.00%");
  EXPECT_EQ(Caption("Label_In_Speed_Test_Char_Num"), "10");
  Shot(Main().Hwnd(), "compare-text-test");
  for (char c : lines[0].substr(10)) type_into(0, c);
  EXPECT_TRUE(user0.Locked());
  forms::Rich_Text_Box& user1 = Get<forms::Rich_Text_Box>("RichText_User_In_Speed_Test", 1);
  ASSERT_TRUE(Pump_Until([&] { return user1.Has_Focus(); }));

  // Backspace in the empty second line reopens the first without its last character.
  testkit::Key_Stroke({VK_BACK});
  ASSERT_TRUE(Pump_Until([&] { return user0.Text_Length() == static_cast<int>(lines[0].size()) - 1; }));
  EXPECT_EQ(Caption("Label_In_Speed_Test_Char_Num"), std::to_string(lines[0].size() - 1));
  type_into(0, lines[0].back());
  ASSERT_TRUE(Pump_Until([&] { return user1.Has_Focus(); }));

  for (char c : lines[1]) type_into(1, c);
  for (size_t i = 0; i + 1 < lines[2].size(); ++i) type_into(2, lines[2][i]);
  {
    Result_Helper helper([&](HWND w) {
      for (char c : std::string("Ann")) Type_Char(c);
      Sleep(200);
      testkit::Key_Stroke({VK_RETURN});
      (void)w;
    });
    Type_Char(lines[2].back());  // the last character of the last line ends the test
    ASSERT_TRUE(Pump_Until([&] { return helper.Done() && !Form_Speed_Test_Result().Loaded(); }, 20s));
  }
  EXPECT_TRUE(Get<forms::Image>("Image_In_Speed_Test").Enabled());
  const std::string record = std::string(kList0) + "\\1";
  EXPECT_EQ(Stored(record, "Name"), "Ann");
  EXPECT_EQ(Stored(record, "Number"), std::to_string(total));
  EXPECT_EQ(Stored(record, "Rate"), "100.00%");
  EXPECT_EQ(Stored(kList1, "Total"), "(none)");
  DeleteFileA(path.c_str());
}

// Every shipped text loads whole: its first line on show and its characters counted as the
// test counts them (a Chinese character is one), enough for a five-minute test.
TEST_F(Speed_Tests, EveryShippedSampleLoadsWithItsCharacterCount) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((Samples_Folder + "\\*.txt").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do names.push_back(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  EXPECT_GE(names.size(), 12u);
  for (const std::string& name : names) {
    const std::string path = Samples_Folder + "\\" + name;
    const std::vector<std::string> lines = testkit::Read_Lines(path);
    ASSERT_FALSE(lines.empty()) << name;
    int characters = 0;
    for (const std::string& line : lines) {
      characters += MultiByteToWideChar(936, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
    }
    EXPECT_GE(characters, 1500) << name;
    Set_In_Speed_Test_File_Chooser([&](const std::string&) { return path; });
    Open(Speed_Test_Item::In_Test, Panel_Id::In_Test);
    In_Speed_Test_Button_Click(Main());
    EXPECT_EQ(Caption("Label_Source_Char_Num"), std::to_string(characters)) << name;
    EXPECT_EQ(Get<forms::Rich_Text_Box>("RichText_Source_In_Speed_Test", 0).Text(), lines[0]) << name;
    EXPECT_EQ(Get<forms::Rich_Text_Box>("RichText_Source_In_Speed_Test", 5).Text(), lines[5]) << name;
    if (name == "山村来信.txt") Shot(Main().Hwnd(), "compare-text-chinese-sample");
    Stop_Current_Exercise(Main());
  }
}

TEST_F(Speed_Tests, ACancelledChoiceOrAFileWithoutLinesStartsNothing) {
  const std::string empty = testkit::Build_Folder() + "\\empty-lines.txt";
  ASSERT_TRUE(testkit::Write_File(empty, "\r\n\r\n\n"));
  for (const std::string& choice : {std::string(), empty, empty + ".missing"}) {
    Set_In_Speed_Test_File_Chooser([&](const std::string&) { return choice; });
    Open(Speed_Test_Item::In_Test, Panel_Id::In_Test);
    const size_t boxes_before = boxes.size();
    In_Speed_Test_Button_Click(Main());
    EXPECT_FALSE(Main_Timer("Timer_Check").Enabled()) << choice;
    EXPECT_TRUE(Get<forms::Image>("Image_In_Speed_Test").Enabled());
    EXPECT_EQ(Caption("Label_In_Speed_Test_Time_Info"), "");
    EXPECT_EQ(boxes.size(), boxes_before + (choice == empty + ".missing" ? 1 : 0)) << choice;
  }
  DeleteFileA(empty.c_str());
}

// ---- Records screen ----

TEST_F(Speed_Tests, RecordsScreenListsNewestFirstSortsByColumnAndRanksTheFastest) {
  for (int i = 1; i <= 12; ++i) {
    Speed_Test_Record r = Result_At(i);
    r.speed = std::to_string((i * 37) % 100 + 10) + ".50字/分";
    Save_Speed_Test_Record(Record_List::Compare_Text, r);
  }
  Save_Speed_Test_Record(Record_List::Free_Text, {"Zed", "98.00字/分", "9", "", "b"});
  Save_Speed_Test_Record(Record_List::Free_Text, {"amy", "123.45字/分", "8", "", "a"});

  testkit::Key_Stroke({VK_CONTROL, 'R'});
  ASSERT_TRUE(Pump_Until([] { return Current_Panel == Number(Panel_Id::Records) && !Panel_Moving; }));
  Pump_For(100);
  forms::Flex_Grid& list0 = Get<forms::Flex_Grid>("MSFlexGrid_Record", 0);
  forms::Flex_Grid& list1 = Get<forms::Flex_Grid>("MSFlexGrid_Record", 1);
  ASSERT_EQ(list0.Rows(), 13);
  EXPECT_EQ(list0.Text_Matrix(0, 0), "序列");
  EXPECT_EQ(list0.Text_Matrix(1, 0), "12");
  EXPECT_EQ(list0.Text_Matrix(1, 1), "u12");
  EXPECT_EQ(list0.Text_Matrix(12, 0), "1");
  EXPECT_EQ(list0.Cell_Align(1, 2), forms::Cell_Alignment::Right_Bottom);
  EXPECT_EQ(list0.Col_Width(5), static_cast<int>(list0.Width() * 0.96 * 4 / 11 + 0.5));
  EXPECT_TRUE(list0.Visible());
  EXPECT_FALSE(list1.Visible());
  Shot(Main().Hwnd(), "records-list");

  // A click on the speed header sorts list 0 descending; the same column of list 1 then
  // ascending (one flag per column for both lists).
  const int speed_x = list0.Col_Width(0) + list0.Col_Width(1) + list0.Col_Width(2) / 2;
  Click(list0, speed_x, list0.Row_Height() / 2);
  EXPECT_EQ(list0.Col(), 2);
  double first = 0, second = 0;
  forms::Leading_Number(list0.Text_Matrix(1, 2), first);
  forms::Leading_Number(list0.Text_Matrix(2, 2), second);
  EXPECT_GE(first, second);
  Click(Get<forms::Image>("Image_myRecord", 1), 1500, 210);
  EXPECT_TRUE(list1.Visible());
  EXPECT_FALSE(Get<forms::Image>("Image_myRecord", 1).Enabled());
  Click(list1, speed_x, list1.Row_Height() / 2);
  EXPECT_EQ(list1.Text_Matrix(1, 1), "Zed");  // 98.00 before 123.45: ascending
  // A click on the number column 0 sorts nothing.
  Click(list1, list1.Col_Width(0) / 2, list1.Row_Height() / 2);
  EXPECT_EQ(list1.Text_Matrix(1, 1), "Zed");

  Click(Get<forms::Image>("Image_myRecord", 2), 1500, 210);
  forms::Flex_Grid& ranking0 = Get<forms::Flex_Grid>("MSFlexGrid_Record", 2);
  forms::Flex_Grid& ranking1 = Get<forms::Flex_Grid>("MSFlexGrid_Record", 3);
  ASSERT_TRUE(ranking0.Visible() && ranking1.Visible());
  EXPECT_FALSE(list0.Visible());
  ASSERT_EQ(ranking0.Rows(), 9);  // the eight fastest
  EXPECT_EQ(ranking0.Text_Matrix(0, 0), "名次");
  EXPECT_EQ(ranking0.Text_Matrix(1, 0), "第1名");
  EXPECT_EQ(ranking0.Text_Matrix(8, 0), "第8名");
  for (int r = 1; r < 8; ++r) {
    forms::Leading_Number(ranking0.Text_Matrix(r, 2), first);
    forms::Leading_Number(ranking0.Text_Matrix(r + 1, 2), second);
    EXPECT_GE(first, second) << r;
  }
  ASSERT_EQ(ranking1.Rows(), 3);
  EXPECT_EQ(ranking1.Text_Matrix(1, 1), "amy");
  EXPECT_EQ(ranking1.Text_Matrix(2, 1), "Zed");
  // Rankings ignore clicks.
  Click(ranking1, speed_x, ranking1.Row_Height() / 2);
  EXPECT_EQ(ranking1.Text_Matrix(1, 1), "amy");
  Shot(Main().Hwnd(), "records-rankings");

  // Entering again shows the lists newest first and fills the rankings anew.
  Enter_User_Record(Main());
  ASSERT_TRUE(Pump_Until([] { return !Panel_Moving; }));
  Pump_For(100);
  EXPECT_EQ(list0.Text_Matrix(1, 0), "12");
  EXPECT_EQ(ranking0.Rows(), 2);
}

TEST_F(Speed_Tests, AnEmptyListShowsOneEmptyRowAndItsRankingOneFirstPlace) {
  testkit::Key_Stroke({VK_CONTROL, 'R'});
  ASSERT_TRUE(Pump_Until([] { return Current_Panel == Number(Panel_Id::Records) && !Panel_Moving; }));
  forms::Flex_Grid& list0 = Get<forms::Flex_Grid>("MSFlexGrid_Record", 0);
  EXPECT_EQ(list0.Rows(), 2);
  EXPECT_EQ(list0.Text_Matrix(1, 1), "");
  Image_myRecord_Click(Main(), 2);
  EXPECT_EQ(Get<forms::Flex_Grid>("MSFlexGrid_Record", 2).Rows(), 2);
  EXPECT_EQ(Get<forms::Flex_Grid>("MSFlexGrid_Record", 2).Text_Matrix(1, 0), "第1名");
  EXPECT_EQ(Get<forms::Flex_Grid>("MSFlexGrid_Record", 2).Text_Matrix(1, 1), "");
}

}  // namespace
}  // namespace quillon
