// Dictation on the real main window, opened from its menus with fixture lessons (short texts and
// generated tone recordings) and the test desktop's sound device: both layouts typed with real
// keys (Chinese characters as an input method hands them over), labels and colours, the end of a
// text with its answers and the last lesson, a recording that ends first, the four remembered
// lesson numbers and the flag 0, and missing texts, missing recordings and a bad layout.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "courses/article_files.h"
#include "forms/forms.h"
#include "screen_table.h"
#include "services/globals.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/prompts.h"
#include "services/sounds.h"
#include "shell/commands.h"
#include "shell/main_form.h"
#include "shell/standins.h"
#include "shell/startup.h"
#include "testkit/course_seams.h"
#include "testkit/testkit.h"
#include "testkit/wave_file.h"

namespace quillon {
namespace {

const char kAudition[] = "Setting\\Audition";
const char kRemember[] = "Setting\\Audition\\Remember";
const char kLession[] = "Setting\\Audition\\Remember\\Lession Index";
const char kArticleTextLen[] = "Setting\\Article\\Remember\\TextLen Index";
const char kArticleLession[] = "Setting\\Article\\Remember\\Lession Index";
const char* const kSections[] = {kAudition, kRemember, kLession, kArticleTextLen, kArticleLession,
                                 "Setting\\English\\Article", "Setting\\Article"};

// English: lesson 1 "ab", line break, "cd"; lesson 2 "Hi"; nothing after.
const char kEnglish1[] = "ab\r\ncd\r\n";
const char kEnglish2[] = "Hi\r\n";
// Chinese: 人之 / 初 and 性本善.
const char kChinese1[] = "\xC8\xCB\xD6\xAE\r\n\xB3\xF5\r\n";
const char kChinese2[] = "\xD0\xD4\xB1\xBE\xC9\xC6\r\n";
const char kRen[] = "\xC8\xCB", kZhi[] = "\xD6\xAE", kChu[] = "\xB3\xF5", kXing[] = "\xD0\xD4",
           kBen[] = "\xB1\xBE", kShan[] = "\xC9\xC6";
// A recording longer than any typing here, and one that ends before the user can type. (The test
// desktop's device plays a few times faster than real time.) Low rates keep the files small.
constexpr int kLongRecording = 240000, kShortRecording = 300, kRecordingRate = 2000;
constexpr COLORREF kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0), kBlack = RGB(0, 0, 0);

forms::Form& Main() { return Form_Quillon(); }
forms::Rich_Text_Box& Box(const char* name, int index = -1) {
  return Main().Get<forms::Rich_Text_Box>(name, index);
}
forms::Rich_Text_Box& Source() { return Box("RichText_Article_Source"); }
forms::Rich_Text_Box& Typing(int layout) { return Box("RichText_Audition", layout); }
forms::Label& Label(const char* name, int index = -1) { return Main().Get<forms::Label>(name, index); }
std::string Caption(const char* name, int index = -1) { return Label(name, index).Caption(); }
forms::Media_Control& Media() { return Main().Get<forms::Media_Control>("MMControl_Play_Record"); }
forms::Picture_Box& Hidden_Page() { return Main().Get<forms::Picture_Box>("Picture_Article_BG_1"); }
std::string Stored(const char* section, const char* name) {
  return forms::Tutor_Settings::Get(section, name, "(none)");
}
void Store(const char* section, const char* name, const std::string& value) {
  forms::Tutor_Settings::Save(section, name, value);
}

// The labels of each layout: course, accuracy, progress (bar 0, text 1), time.
struct Labels {
  const char *course, *accuracy, *progress, *time;
};
constexpr Labels kLayoutLabels[] = {
    {"Label_Article_Course_Name_1", "Label_Article_Right_or_Wrong_Rate_1",
     "Label_Article_Process_Speed_1", "Label_Article_Time_Info_1"},
    {"Label_Article_Course_Name", "Label_Article_Right_or_Wrong_Rate", "Label_Article_Process_Speed",
     "Label_Article_Time_Info"}};

class Audition_Page : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "quillon-audition-" + std::to_string(GetCurrentProcessId());
    for (const char* sub : {"", "\\English", "\\English\\Audition", "\\English\\Article",
                            "\\English\\Article\\5", "\\Chinese", "\\Chinese\\Audition"})
      CreateDirectoryA((folder_ + sub).c_str(), nullptr);
    Write_Text("English", 1, kEnglish1);
    Write_Text("English", 2, kEnglish2);
    Write_Text("Chinese", 1, kChinese1);
    Write_Text("Chinese", 2, kChinese2);
    for (const char* language : {"English", "Chinese"})
      for (int n : {1, 2}) Write_Recording(language, n, kLongRecording);
    Write_File("\\English\\Article\\5\\1.txt", "ab\r\n");
    Install_Course_Seams(folder_, errors, beeps);
    Sound_Card_Present = Has_Sound_Card();
    ASSERT_TRUE(Sound_Card_Present) << "the test desktop has a wave-out device";
    ASSERT_FALSE(testkit::Sound_Output_File().empty());
    Set_Picture_Box_Function([this](Picture_Box_Kind kind) {
      shown.push_back(kind);
      if (kind == Picture_Box_Kind::YesRetryNo) Retry_Dialog_Answer = retry_answer;
      if (kind == Picture_Box_Kind::YesNo) Dialog_Answer = yes_no_answer;
      if (on_box) on_box(kind);
    });
    Set_Begin_Type_Function([this] {
      ++prompts;
      if (on_prompt) on_prompt();
    });
    for (const char* s : kSections) forms::Tutor_Settings::Delete_Section(s);
    Register_All_Screens();
    Main().Show();
    SetForegroundWindow(Main().Hwnd());
    ASSERT_TRUE(Pump_Until([] { return GetForegroundWindow() == Main().Hwnd(); }));
  }
  void TearDown() override {
    Stop_Current_Exercise(Main());
    Set_Begin_Type_Function({});
    Remove_Course_Seams();
    for (const char* s : kSections) forms::Tutor_Settings::Delete_Section(s);
    for (const std::string& f : written_) DeleteFileA(f.c_str());
    for (const char* sub : {"\\English\\Audition", "\\English\\Article\\5", "\\English\\Article",
                            "\\English", "\\Chinese\\Audition", "\\Chinese", ""})
      RemoveDirectoryA((folder_ + sub).c_str());
  }
  void Write_File(const std::string& name, const std::string& bytes) {
    const std::string path = folder_ + name;
    ASSERT_TRUE(testkit::Write_File(path, bytes)) << path;
    written_.push_back(path);
  }
  std::string Lesson_Path(const char* language, const char* kind, int n, const char* extension) {
    return std::string("\\") + language + "\\Audition\\" + kind + std::to_string(n) + extension;
  }
  void Write_Text(const char* language, int n, const std::string& text) {
    Write_File(Lesson_Path(language, "t", n, ".txt"), text);
  }
  void Write_Recording(const char* language, int n, int milliseconds) {
    Write_File(Lesson_Path(language, "s", n, ".wav"),
               testkit::Tone_Wave(milliseconds, 440, kRecordingRate));
  }
  std::string Recording(const char* language, int n) {
    return folder_ + Lesson_Path(language, "s", n, ".wav");
  }

  void Open(Menu_Entry item) {
    Do_Menu_Item(Main(), item);
    ASSERT_TRUE(Pump_Until([] { return Current_Panel != kNone && !Panel_Moving; }));
    SetForegroundWindow(Main().Hwnd());
    Pump_For(50);
  }
  void Open_English() { Open(English_Type_Item::Audition); }
  void Open_Chinese() { Open(Chinese_Type_Item::Audition); }
  void Keys(const std::string& keys) {
    for (char k : keys) Type_Key(static_cast<WORD>(k));
  }
  // The whole of English lesson 1 as it stands.
  void Type_English_One() {
    Keys("AB");
    Type_Key(VK_RETURN);
    Keys("CD");
  }
  void Wait_For_Boxes(size_t count) {
    ASSERT_TRUE(Pump_Until([&] { return shown.size() >= count; }, std::chrono::seconds(20)))
        << "no box";
    Pump_For(50);
  }
  // The labels of a freshly loaded lesson.
  void Expect_Fresh_Labels(int layout, int lesson) {
    const Labels& l = kLayoutLabels[layout];
    EXPECT_EQ(Caption(l.course), "课程" + std::to_string(lesson));
    EXPECT_EQ(Caption(l.progress, 1), "0.00%");
    EXPECT_EQ(Caption(l.accuracy), "");
    EXPECT_EQ(Label(l.progress, 0).Width(), 0);
  }
  bool Recording_Reached_The_Device() {
    return Pump_Until([] { return testkit::Sound_Output_Stamp().first > 0; },
                      std::chrono::seconds(10));
  }

  std::string folder_;
  std::vector<std::string> written_;
  std::vector<std::string> errors;
  int beeps = 0;
  int prompts = 0;
  int retry_answer = 0, yes_no_answer = 0;
  std::vector<Picture_Box_Kind> shown;
  std::function<void(Picture_Box_Kind)> on_box;
  std::function<void()> on_prompt;
};

// ================= The text hidden =================

TEST_F(Audition_Page, TheHiddenTextIsTypedInAnyLetterCaseOnTheOverwritePage) {
  Store(kAudition, "Show Source", "0");
  testkit::Empty_Sound_Output();
  bool recording_waits_for_the_prompt = false;
  on_prompt = [&] {
    recording_waits_for_the_prompt =
        !Media().Is_Open() && Audition_Playing && Typing(0).Enabled() &&
        !Main_Timer("Timer_Check").Enabled();
  };
  Open_English();
  forms::Rich_Text_Box& box = Typing(0);
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Article));
  EXPECT_EQ(Current_Exercise_Kind, Number(Exercise_Kind::Audition));
  EXPECT_TRUE(Hidden_Page().Visible());
  EXPECT_EQ(Hidden_Page().Left(), 0);
  EXPECT_TRUE(box.Visible());
  EXPECT_TRUE(box.Enabled());
  EXPECT_FALSE(Box("RichText_Overwrite").Visible());
  EXPECT_FALSE(Typing(1).Visible());
  EXPECT_EQ(box.Tool_Tip_Text(), "用户区，行末回车换行");
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(prompts, 1);
  EXPECT_TRUE(recording_waits_for_the_prompt);
  Expect_Fresh_Labels(0, 1);
  for (const char* name : {kLayoutLabels[0].course, kLayoutLabels[0].accuracy, kLayoutLabels[0].time})
    EXPECT_EQ(Label(name).Fore_Color(), kBlue) << name;
  EXPECT_EQ(Label(kLayoutLabels[0].progress, 1).Fore_Color(), kBlue);
  EXPECT_TRUE(Audition_Playing);
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_TRUE(Media().Is_Open());
  EXPECT_EQ(Media().File_Name(), Recording("English", 1));
  EXPECT_TRUE(Recording_Reached_The_Device());
  ASSERT_TRUE(Pump_Until([] { return !Caption("Label_Article_Time_Info_1").empty(); }));
  const double started = Lesson_Start_Time;

  // From here an error sound would beep: none may sound in dictation.
  Sound_Card_Present = false;
  Type_Key('X');  // wrong: red
  EXPECT_EQ(Character_Color(box, 0), kRed);
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_1"), "0.00%");
  EXPECT_EQ(Caption("Label_Article_Process_Speed_1", 1), "16.67%");
  Type_Key(VK_BACK);
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(Caption("Label_Article_Process_Speed_1", 1), "0.00%");
  Type_Shifted('A');  // "A" for "a": right, black
  EXPECT_EQ(box.Text(), "A");
  EXPECT_EQ(Character_Color(box, 0), kBlack);
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_1"), "100.00%");
  EXPECT_EQ(Caption("Label_Article_Process_Speed_1", 1), "16.67%");
  EXPECT_GT(Label("Label_Article_Process_Speed_1", 0).Width(), 0);
  Type_Key(VK_RETURN);  // refused: the text does not break here
  EXPECT_EQ(box.Text(), "A");
  Type_Shifted('B');
  Type_Key('C');  // refused: the text breaks here
  Type_Key(VK_BACK);  // refused too: the line is finished
  EXPECT_EQ(box.Text(), "AB");
  Type_Key(VK_RETURN);
  EXPECT_EQ(box.Text(), "AB\r\n");
  EXPECT_EQ(Caption("Label_Article_Process_Speed_1", 1), "66.67%");
  Type_Key('C');
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_1"), "100.00%");
  EXPECT_EQ(beeps, 0);
  Save_Window_Shot(Main().Hwnd(), "dictation-hidden");
  Sound_Card_Present = true;

  // The last character: the recording stops before the answer box, which takes the next lesson.
  bool recording_closed = false;
  on_box = [&](Picture_Box_Kind kind) {
    if (kind == Picture_Box_Kind::YesRetryNo)
      recording_closed = !Media().Is_Open() && !Audition_Playing;
  };
  retry_answer = 0;
  Type_Shifted('D');
  Wait_For_Boxes(1);
  EXPECT_TRUE(recording_closed);
  ASSERT_TRUE(Pump_Until([&] { return prompts == 2 && box.Enabled(); }));
  EXPECT_EQ(Stored(kLession, "0 0"), "2");
  Expect_Fresh_Labels(0, 2);
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(Media().File_Name(), Recording("English", 2));
  EXPECT_TRUE(Media().Is_Open());
  EXPECT_EQ(Lesson_Start_Time, started);  // the time goes on from the menu choice

  // Lesson 2 is the last: lesson 1 is stored and Form_Yes ends the course.
  Type_Key('H');
  Type_Shifted('I');
  Wait_For_Boxes(2);
  EXPECT_EQ(shown,
            (std::vector<Picture_Box_Kind>{Picture_Box_Kind::YesRetryNo, Picture_Box_Kind::Yes}));
  EXPECT_EQ(Stored(kLession, "0 0"), "1");
  EXPECT_FALSE(box.Enabled());
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_FALSE(Audition_Playing);
  EXPECT_FALSE(Media().Is_Open());
  Pump_For(300);
  EXPECT_EQ(shown.size(), 2u);  // no late notice of the closed recording
  EXPECT_TRUE(errors.empty());
}

// ================= The text shown =================

TEST_F(Audition_Page, TheShownTextMarksTheNextCharacterAndCountsLetterCaseExactly) {
  Open_English();  // "Show Source" 1 by default
  forms::Rich_Text_Box& box = Typing(1);
  EXPECT_EQ(Current_Type_Method, 1);
  EXPECT_FALSE(Hidden_Page().Visible());
  EXPECT_FALSE(Box("RichText_Article_User").Visible());
  EXPECT_TRUE(Source().Visible());
  EXPECT_TRUE(box.Visible());
  EXPECT_TRUE(box.Enabled());
  EXPECT_EQ(Source().Text(), "ab\r\ncd");
  EXPECT_EQ(Source().Sel_Start(), 0);
  EXPECT_EQ(Source().Sel_Length(), 1);
  Expect_Fresh_Labels(1, 1);
  for (const char* name : {kLayoutLabels[1].course, kLayoutLabels[1].accuracy, kLayoutLabels[1].time})
    EXPECT_EQ(Label(name).Fore_Color(), kBlue) << name;

  Type_Shifted('A');  // "A" for "a": wrong, red
  EXPECT_EQ(Character_Color(box, 0), kRed);
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate"), "0.00%");
  EXPECT_EQ(Source().Sel_Start(), 1);
  Type_Key(VK_BACK);
  EXPECT_EQ(Source().Sel_Start(), 0);
  Keys("AB");
  EXPECT_EQ(Character_Color(box, 0), kBlack);
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate"), "100.00%");
  Type_Key(VK_RETURN);
  EXPECT_EQ(Source().Sel_Start(), 4);
  EXPECT_EQ(Caption("Label_Article_Process_Speed", 1), "66.67%");
  Type_Key('C');
  EXPECT_EQ(Source().Sel_Start(), 5);
  EXPECT_EQ(Source().Sel_Length(), 1);
  ASSERT_TRUE(Pump_Until([] { return !Caption("Label_Article_Time_Info").empty(); }));
  Save_Window_Shot(Main().Hwnd(), "dictation-shown");

  // Retry: the same lesson from its beginning, nothing stored.
  retry_answer = 1;
  Type_Key('D');
  Wait_For_Boxes(1);
  ASSERT_TRUE(Pump_Until([&] { return prompts == 2 && box.Enabled(); }));
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(Source().Sel_Start(), 0);
  Expect_Fresh_Labels(1, 1);
  EXPECT_EQ(Typed_Char_Count, 0);
  EXPECT_EQ(Media().File_Name(), Recording("English", 1));
  EXPECT_EQ(Stored(kLession, "0 1"), "(none)");
  // No: finished, still nothing stored; the next start repeats the lesson.
  retry_answer = 2;
  Type_English_One();
  Wait_For_Boxes(3);
  EXPECT_EQ(shown.back(), Picture_Box_Kind::Yes);
  EXPECT_EQ(shown[1], Picture_Box_Kind::YesRetryNo);
  EXPECT_EQ(Stored(kLession, "0 1"), "(none)");
  EXPECT_FALSE(box.Enabled());
  EXPECT_FALSE(Media().Is_Open());
  EXPECT_TRUE(errors.empty());
}

// ================= Chinese =================

TEST_F(Audition_Page, ChineseIsTypedAsAnInputMethodHandsItOverInBothLayouts) {
  for (int layout : {0, 1}) {
    SCOPED_TRACE(layout);
    Store(kAudition, "Show Source", std::to_string(layout));
    shown.clear();
    Open_Chinese();
    shown.clear();  // the notice that no input method of the kind is installed here
    forms::Rich_Text_Box& box = Typing(layout);
    const Labels& l = kLayoutLabels[layout];
    EXPECT_EQ(Current_Language, 1);
    Expect_Fresh_Labels(layout, 1);
    EXPECT_EQ(Media().File_Name(), Recording("Chinese", 1));
    if (layout == 1) {
      EXPECT_EQ(Source().Text(), std::string(kRen) + kZhi + "\r\n" + kChu);
    }
    Commit_Character(box, kXing);  // wrong
    EXPECT_EQ(Character_Color(box, 0), kRed);
    Type_Key(VK_BACK);
    EXPECT_EQ(box.Text(), "");
    Commit_Character(box, kRen);  // right: black again
    EXPECT_EQ(Character_Color(box, 0), kBlack);
    EXPECT_EQ(Caption(l.progress, 1), "20.00%");
    Commit_Character(box, kZhi);
    EXPECT_EQ(Caption(l.accuracy), "100.00%");
    Type_Key(VK_RETURN);
    retry_answer = 0;
    Commit_Character(box, kChu);
    Wait_For_Boxes(1);
    ASSERT_TRUE(Pump_Until([&] { return box.Enabled() && box.Text().empty(); }));
    EXPECT_EQ(Stored(kLession, layout == 0 ? "1 0" : "1 1"), "2");
    Expect_Fresh_Labels(layout, 2);
    EXPECT_EQ(Media().File_Name(), Recording("Chinese", 2));
    for (const char* c : {kXing, kBen}) Commit_Character(box, c);
    EXPECT_EQ(Caption(l.progress, 1), "66.67%");
    Commit_Character(box, kShan);
    Wait_For_Boxes(2);
    EXPECT_EQ(shown.back(), Picture_Box_Kind::Yes);
    EXPECT_EQ(Stored(kLession, layout == 0 ? "1 0" : "1 1"), "1");
  }
  EXPECT_EQ(Stored(kLession, "0 0"), "(none)");
  EXPECT_EQ(Stored(kLession, "0 1"), "(none)");
  EXPECT_EQ(beeps, 0);
  EXPECT_TRUE(errors.empty());
}

// ================= Remembered lessons =================

TEST_F(Audition_Page, EachLanguageAndLayoutKeepsItsOwnLessonAndTheFlagZeroStartsAtOne) {
  Store(kLession, "0 0", "2");
  Store(kLession, "1 1", "2");
  Store(kLession, "1 0", "1");
  struct Case {
    bool chinese;
    int layout;
    int lesson;
  } const cases[] = {{false, 0, 2}, {false, 1, 1}, {true, 0, 1}, {true, 1, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.chinese) + " " + std::to_string(c.layout));
    Store(kAudition, "Show Source", std::to_string(c.layout));
    c.chinese ? Open_Chinese() : Open_English();
    EXPECT_EQ(Caption(kLayoutLabels[c.layout].course), "课程" + std::to_string(c.lesson));
    EXPECT_EQ(Media().File_Name(), Recording(c.chinese ? "Chinese" : "English", c.lesson));
  }
  // The flag 0 opens lesson 1, yet the next lesson is stored.
  Store(kRemember, "Flag", "0");
  Store(kAudition, "Show Source", "0");
  Open_English();
  EXPECT_EQ(Caption("Label_Article_Course_Name_1"), "课程1");
  retry_answer = 0;
  Type_English_One();
  Wait_For_Boxes(1);
  ASSERT_TRUE(Pump_Until([] { return Caption("Label_Article_Course_Name_1") == "课程2"; }));
  EXPECT_EQ(Stored(kLession, "0 0"), "2");
  EXPECT_EQ(Stored(kLession, "0 1"), "(none)");
  EXPECT_EQ(Stored(kLession, "1 0"), "1");
  EXPECT_EQ(Stored(kLession, "1 1"), "2");
  // Still the flag 0: the course starts at lesson 1 again.
  Open_English();
  EXPECT_EQ(Caption("Label_Article_Course_Name_1"), "课程1");
  EXPECT_TRUE(errors.empty());
}

// ================= The recording ends first =================

TEST_F(Audition_Page, ARecordingThatEndsFirstStopsTheTypingAndOffersToHearItAgain) {
  Write_Recording("English", 1, kShortRecording);
  std::vector<bool> typing_stopped;  // at each question
  on_box = [&](Picture_Box_Kind kind) {
    if (kind != Picture_Box_Kind::YesNo) return;
    typing_stopped.push_back(!Typing(1).Enabled() && !Main_Timer("Timer_Check").Enabled() &&
                             !Audition_Playing);
    Dialog_Answer = typing_stopped.size() == 1 ? 0 : 1;  // hear it again, then enough
  };
  // The replay: the same lesson from its beginning, empty box, zero counts, the prompt again.
  bool fresh_replay = false;
  on_prompt = [&] {
    if (prompts != 2) return;
    fresh_replay = Typing(1).Enabled() && Typing(1).Text().empty() && Typed_Char_Count == 0 &&
                   Caption("Label_Article_Right_or_Wrong_Rate").empty() &&
                   Caption("Label_Article_Process_Speed", 1) == "0.00%" && Audition_Playing;
  };
  Open_English();
  Type_Key('A');
  // It ends first twice: yes, then no, and the course is finished; nothing is stored.
  Wait_For_Boxes(3);
  EXPECT_EQ(shown, (std::vector<Picture_Box_Kind>{Picture_Box_Kind::YesNo, Picture_Box_Kind::YesNo,
                                                   Picture_Box_Kind::Yes}));
  EXPECT_EQ(typing_stopped, (std::vector<bool>{true, true}));
  EXPECT_EQ(prompts, 2);
  EXPECT_TRUE(fresh_replay);
  EXPECT_EQ(Media().File_Name(), Recording("English", 1));
  EXPECT_FALSE(Typing(1).Enabled());
  EXPECT_FALSE(Audition_Playing);
  EXPECT_EQ(Stored(kLession, "0 1"), "(none)");
  EXPECT_TRUE(errors.empty());
}

// ================= The real ready prompt =================

// A thread timer presses Enter once the prompt is up (its modal loop runs the timer), noting
// whether the recording was still silent then.
struct Prompt_Watch {
  bool pressed = false;
  bool quiet_before = false;
};
Prompt_Watch Prompt_Enter;

void CALLBACK Press_Enter_At_The_Prompt(HWND, UINT, UINT_PTR, DWORD) {
  forms::Form& prompt = Form_Begin_Type();
  if (Prompt_Enter.pressed || !prompt.Loaded() || GetForegroundWindow() != prompt.Hwnd()) return;
  Prompt_Enter.pressed = true;
  Prompt_Enter.quiet_before = !Media().Is_Open() && Audition_Playing;
  testkit::Key_Stroke({VK_RETURN});
}

TEST_F(Audition_Page, EnterAtTheReadyPromptStartsTheRecording) {
  Set_Begin_Type_Function({});
  testkit::Empty_Sound_Output();
  Prompt_Enter = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, Press_Enter_At_The_Prompt);
  Open_English();
  KillTimer(nullptr, timer);
  EXPECT_TRUE(Prompt_Enter.pressed);
  EXPECT_TRUE(Prompt_Enter.quiet_before);
  EXPECT_FALSE(Form_Begin_Type().Loaded());
  EXPECT_TRUE(Media().Is_Open());
  EXPECT_TRUE(Recording_Reached_The_Device());
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  Type_Key('A');
  EXPECT_EQ(Typing(1).Text(), "a");
}

// ================= Failures =================

TEST_F(Audition_Page, MissingTextsABadLayoutAndLeavingTheCourseLeaveTheNextPracticeAlone) {
  // A remembered lesson with its recording but without its text: one message naming the text
  // file, nothing starts.
  Store(kLession, "0 1", "9");
  Write_Recording("English", 9, kLongRecording);
  Open_English();
  ASSERT_EQ(errors, std::vector<std::string>{"文件未找到：" + folder_ +
                                             "\\English\\Audition\\t9.txt!"});
  EXPECT_FALSE(Audition_Playing);
  EXPECT_EQ(prompts, 0);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_FALSE(Typing(1).Enabled());
  EXPECT_FALSE(Media().Is_Open());
  EXPECT_EQ(Stored(kLession, "0 1"), "9");

  // A layout that does not exist: the error box, nothing starts.
  errors.clear();
  Store(kLession, "0 1", "1");
  Store(kAudition, "Show Source", "2");
  Open_English();
  ASSERT_EQ(errors, std::vector<std::string>{"Control array element '2' doesn't exist!"});
  EXPECT_FALSE(Audition_Playing);
  EXPECT_EQ(prompts, 0);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());

  // Leaving a lesson while its recording plays: nothing of it is awaited any more.
  errors.clear();
  Store(kAudition, "Show Source", "1");
  constexpr int kLeftRecording = 4000;  // about a second on the test device
  Write_Recording("English", 1, kLeftRecording);
  Open_English();
  ASSERT_TRUE(Audition_Playing);
  Open(English_Type_Item::Article);
  EXPECT_FALSE(Audition_Playing);
  EXPECT_FALSE(Media().Is_Open());
  Pump_For(2000);  // longer than it would have played
  EXPECT_TRUE(shown.empty());

  // The article practice runs as ever: its own time, and at its end its own progress and box
  // (its only article is the last).
  ASSERT_TRUE(Pump_Until([] { return !Caption("Label_Article_Time_Info").empty(); }));
  Keys("AB");
  Wait_For_Boxes(1);
  EXPECT_EQ(shown, std::vector<Picture_Box_Kind>{Picture_Box_Kind::Yes});
  EXPECT_EQ(Stored(kArticleLession, "0 5 0"), "1");
  EXPECT_EQ(Stored(kLession, "0 1"), "1");
  EXPECT_TRUE(errors.empty());
}

TEST_F(Audition_Page, ANextLessonThatCannotBeReadLeavesTheBoxClosedToKeys) {
  Write_Text("English", 2, "");
  Open_English();
  retry_answer = 0;
  Type_English_One();
  Wait_For_Boxes(1);
  ASSERT_TRUE(Pump_Until([&] { return !errors.empty(); }));
  EXPECT_EQ(errors, std::vector<std::string>{"Input past end of file!"});
  EXPECT_EQ(Stored(kLession, "0 1"), "2");
  EXPECT_FALSE(Audition_Playing);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(prompts, 1);
  forms::Rich_Text_Box& box = Typing(1);
  EXPECT_FALSE(box.Enabled());
  const std::string before = box.Text();
  Keys("QW");
  EXPECT_EQ(box.Text(), before);
}

TEST_F(Audition_Page, AMissingRecordingPlaysNothingAndTheTextCanBeTypedToItsEnd) {
  DeleteFileA(Recording("English", 1).c_str());
  Open_English();
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(Media().Is_Open());
  EXPECT_TRUE(Audition_Playing);
  retry_answer = 2;
  Type_English_One();
  Wait_For_Boxes(2);
  EXPECT_EQ(shown,
            (std::vector<Picture_Box_Kind>{Picture_Box_Kind::YesRetryNo, Picture_Box_Kind::Yes}));
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace quillon
