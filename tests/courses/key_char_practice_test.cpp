// The keys practice: key drill, ten misses, line typing, progress and speed, driven through a
// recording page and an in-memory settings store.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "courses/key_char_practice.h"
#include "courses/memory_settings.h"
#include "services/key_table.h"

namespace quillon {
namespace {

// Records what the practice asks of its page, one short text per call.
class Recording_View : public Key_Char_View {
 public:
  void Play_Key_Sound(int16_t slot) override { Log("key " + std::to_string(slot)); }
  void Play_Wrong_Sound() override { Log("wrong"); }
  void Play_Enter_Sound() override { Log("enter"); }
  void Play_Win_Sound() override { Log("win"); }
  void Light_Key(int16_t slot) override {
    lit = slot;
    Log("light " + std::to_string(slot));
  }
  void Clear_Key(int16_t slot) override {
    if (lit == slot) lit = -1;
    Log("clear " + std::to_string(slot));
  }
  void Clear_Key_Pictures() override {
    lit = -1;
    Log("clear keys");
  }
  void Flash_Wrong_Key(int16_t slot) override { Log("flash " + std::to_string(slot)); }
  void Show_Miss_Picture(int index) override {
    misses_shown = index + 1;
    Log("miss " + std::to_string(index));
  }
  void Clear_Miss_Pictures() override {
    misses_shown = 0;
    Log("clear misses");
  }
  void Reset_Page(int16_t type_method) override { Log("page " + std::to_string(type_method)); }
  void Reset_Labels() override {
    caption.clear();
    misses_shown = 0;
    Log("labels");
  }
  void Show_Keypad(bool shown) override { keypad = shown; }
  double Speed_Bar_Design_Width() override { return 3585; }
  void Set_Speed_Bar_Width(double width) override { bar = width; }
  void Show_Speed_Bar() override {}
  void Show_Score(int32_t value) override { score = value; }
  void Show_Caption(const std::string& text) override { caption = text; }
  void Show_Time(double seconds) override { time = seconds; }
  void Enable_Buttons(bool start, bool pause, bool stop) override {
    buttons = std::string(start ? "S" : "-") + (pause ? "P" : "-") + (stop ? "X" : "-");
  }
  void Show_Paused(bool paused) override { paused_look = paused; }
  void Set_Timer(bool on) override { timer = on; }
  void Open_Line_Typing(const std::string& line, bool cursor_prompt, int max_length) override {
    typing_line = line;
    typing_open = true;
    typing_max = max_length;
    Log("open " + line);
  }
  void Hide_Line_Typing() override {
    typing_open = false;
    Log("hide");
  }
  void Disable_Typing_Box() override {}
  void Paint_Wrong_Char(int user_length) override { Log("red " + std::to_string(user_length)); }
  void Set_Typing_Black() override { Log("black"); }
  void Move_Source_Prompt(int offset, bool select_next) override {
    prompt = offset;
    prompt_selects = select_next;
  }
  void Keep_Typing_Caret_At_End() override {}
  int Ask_Retry_After_Misses() override {
    Log("ask misses");
    return retry_answer;
  }
  int Ask_Next_Line() override {
    Log("ask next");
    return next_answer;
  }
  void Show_Lesson_Finished() override { Log("finished"); }
  void Show_Error(const std::string& text) override {
    errors.push_back(text);
    Log("error");
  }

  void Log(const std::string& event) { events.push_back(event); }
  bool Saw(const std::string& event) const {
    return std::find(events.begin(), events.end(), event) != events.end();
  }

  std::vector<std::string> events;
  std::vector<std::string> errors;
  int lit = -1;
  int misses_shown = 0;
  bool keypad = false;
  double bar = -1;
  int32_t score = -1;
  std::string caption;
  double time = -1;
  std::string buttons;
  bool paused_look = false;
  bool timer = false;
  std::string typing_line;
  bool typing_open = false;
  int typing_max = 0;
  int prompt = -1;
  bool prompt_selects = false;
  int retry_answer = 0;
  int next_answer = 0;
};

// A program folder of its own with the two keys lessons.
class KeyCharPractice : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Initialize_Key_Table(); }

  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "ql_courses_practice_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "\\English").c_str(), nullptr);
    CreateDirectoryA((folder_ + "\\English\\Character").c_str(), nullptr);
    Write_Lesson(0, "lf11fj\r\nrm21AS\r\nbf31k;\r\n");
    Write_Lesson(1, "1111789\r\n1111+-\r\n");
  }
  void TearDown() override {
    DeleteFileA((folder_ + "\\English\\Character\\0.txt").c_str());
    DeleteFileA((folder_ + "\\English\\Character\\1.txt").c_str());
    RemoveDirectoryA((folder_ + "\\English\\Character").c_str());
    RemoveDirectoryA((folder_ + "\\English").c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  void Write_Lesson(int method, const std::string& bytes) {
    std::string path = folder_ + "\\English\\Character\\" + std::to_string(method) + ".txt";
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  void Remember(int method, int line, int score) {
    settings_.values[std::string(kKeyCharLineNumSection) + "|" + std::to_string(method)] =
        std::to_string(line);
    settings_.values[std::string(kKeyCharCountNumSection) + "|" + std::to_string(method)] =
        std::to_string(score);
  }
  std::string Line_Num(int method = 0) {
    return settings_.Get(kKeyCharLineNumSection, std::to_string(method));
  }
  std::string Count_Num(int method = 0) {
    return settings_.Get(kKeyCharCountNumSection, std::to_string(method));
  }
  // Page set-up, lesson start and the clock started at 1000 s.
  void Begin() {
    practice_.Initialize_Page();
    ASSERT_TRUE(practice_.Start_Lesson(folder_)) << (view_.errors.empty() ? "" : view_.errors[0]);
    ASSERT_TRUE(practice_.Start_Practice(1000));
  }
  void Keys(const std::string& keys) {
    for (char c : keys) practice_.Key_Press(static_cast<int16_t>(c), false);
  }
  // The drill of the current line typed right to its Enter.
  void Drill_Line() {
    while (!practice_.Line_Typing()) {
      ASSERT_FALSE(practice_.Expected().empty());
      practice_.Key_Press(practice_.Expected_Code(), false);
    }
  }
  // Line typing: the first key down, then the box growing one character at a time.
  void Type(const std::string& box_before, const std::string& added) {
    practice_.Line_Key_Down('A');
    std::string box = box_before;
    for (char c : added) {
      box += c;
      practice_.Line_Change(box);
    }
  }
  void Enter_Line(double now) {
    practice_.Line_Key_Down(13);
    practice_.Line_Key_Up(now);
  }

  std::string folder_;
  Memory_Settings settings_;
  Recording_View view_;
  bool panel_keys_ = false, running_ = false, ignore_ = false, line_end_ = false,
       paused_ = false, miss_limit_ = false, page_first_ = true;
  Key_Char_Flags flags_{panel_keys_, running_, ignore_, line_end_, paused_, miss_limit_,
                        page_first_};
  Lesson_Line_Table head_{kLessonHeadPositions};
  Lesson_Line_Table chars_{kLessonLinePositions};
  Key_Char_Practice practice_{view_, settings_, flags_, head_, chars_};
};

TEST(KeyCharCaption, NamesHandFingerRowAndLesson) {
  struct Case {
    const char* code;
    const char* caption;
  } cases[] = {
      {"rm21", "右手 中指 上档键 课程1"}, {"bfn1", "双手 食指 数字档 课程1"},
      {"l+02", "左手 附加 各档键 课程2"}, {"lf11", "左手 食指 中档键 课程1"},
      {"ra37", "右手 五指 下档键 课程7"}, {"lr19", "左手 无名指 中档键 课程9"},
      {"bl28", "双手 小指 上档键 课程8"}, {"1111", "数字键盘的练习"},
      {"xyzw", " 课程w"},                 {"x111", " 课程1"},  // no hand, no finger; row 1
  };
  for (const auto& c : cases) {
    std::string code = c.code;
    std::string caption = Key_Char_Lesson_Caption(code.substr(0, 1), code.substr(1, 1),
                                                  code.substr(2, 1), code.substr(3, 1));
    if (code == "x111") {
      EXPECT_EQ(caption, " 中档键 课程1");
    } else {
      EXPECT_EQ(caption, c.caption) << code;
    }
  }
}

TEST_F(KeyCharPractice, StartsIdleAtTheFirstLineWithItsKeyLit) {
  practice_.Initialize_Page();
  ASSERT_TRUE(practice_.Start_Lesson(folder_));
  EXPECT_FALSE(running_);
  EXPECT_TRUE(panel_keys_);
  EXPECT_FALSE(view_.timer);
  EXPECT_EQ(practice_.Line_Count(), 3);
  EXPECT_EQ(practice_.Line(), 1);
  EXPECT_EQ(view_.lit, 5);  // "f"
  EXPECT_EQ(view_.caption, "左手 食指 中档键 课程1");
  EXPECT_EQ(view_.score, 0);
  EXPECT_EQ(view_.bar, 0);
  EXPECT_FALSE(page_first_);  // the design width was taken
  // Keys before the start are not judged.
  practice_.Key_Press('f', false);
  EXPECT_EQ(practice_.Position(), 1);
  ASSERT_TRUE(practice_.Start_Practice(1000));
  EXPECT_TRUE(running_);
  EXPECT_TRUE(view_.timer);
  EXPECT_EQ(view_.buttons, "-PX");
}

TEST_F(KeyCharPractice, ResumesTheRememberedLineAndScoreOnlyWithTheFlag) {
  Remember(0, 2, 800);
  Begin();
  EXPECT_EQ(practice_.Line(), 2);
  EXPECT_EQ(view_.score, 800);
  EXPECT_EQ(view_.caption, "右手 中指 上档键 课程1");
  EXPECT_EQ(practice_.Expected(), "a");  // letters are lowered when read
  Keys("xx");
  practice_.Retry_Line(1010);
  EXPECT_EQ(view_.score, 800);

  settings_.values[std::string(kKeyCharRememberSection) + "|Flag"] = "0";
  Begin();
  EXPECT_EQ(practice_.Line(), 1);
  EXPECT_EQ(view_.score, 0);
}

TEST_F(KeyCharPractice, StartsAgainWhenTheRememberedProgressCannotBeUsed) {
  struct Case {
    std::string line, score;
    int want_line, want_score;
  } cases[] = {
      {"9", "800", 1, 0},   // the lesson has become shorter
      {"0", "100", 1, 0},   {"-2", "100", 1, 0},
      {"x", "100", 1, 100},  // not a number: as if never written
      {"3", "abc", 3, 0},   {"2", "-40", 2, 0},
  };
  for (const auto& c : cases) {
    settings_.values[std::string(kKeyCharLineNumSection) + "|0"] = c.line;
    settings_.values[std::string(kKeyCharCountNumSection) + "|0"] = c.score;
    practice_.Initialize_Page();
    ASSERT_TRUE(practice_.Start_Lesson(folder_)) << c.line;
    EXPECT_EQ(practice_.Line(), c.want_line) << c.line << "/" << c.score;
    EXPECT_EQ(practice_.Score(), c.want_score) << c.line << "/" << c.score;
    EXPECT_TRUE(view_.errors.empty());
  }
}

TEST_F(KeyCharPractice, ReportsAMissingOrBadLessonAndStaysIdle) {
  DeleteFileA((folder_ + "\\English\\Character\\0.txt").c_str());
  practice_.Initialize_Page();
  EXPECT_FALSE(practice_.Start_Lesson(folder_));
  ASSERT_EQ(view_.errors.size(), 1u);
  EXPECT_NE(view_.errors[0].find("0.txt"), std::string::npos);
  EXPECT_EQ(view_.lit, -1);
  EXPECT_FALSE(practice_.Start_Practice(1000));
  EXPECT_FALSE(running_);
  practice_.Key_Press('f', false);
  practice_.Tick(1001);
  EXPECT_EQ(view_.errors.size(), 1u);

  Write_Lesson(0, "lf11f\xB0\xA1\r\n");  // a key the keyboard does not have
  view_.errors.clear();
  EXPECT_FALSE(practice_.Start_Lesson(folder_));
  ASSERT_EQ(view_.errors.size(), 1u);
  EXPECT_NE(view_.errors[0].find("\xB0\xA1"), std::string::npos);
}

TEST_F(KeyCharPractice, AcceptsEitherCharacterOfTheExpectedKey) {
  Write_Lesson(0, "bf11a;a\r\n");
  Begin();
  practice_.Key_Press('A', false);
  EXPECT_TRUE(view_.Saw("key 0"));
  EXPECT_EQ(practice_.Position(), 2);
  EXPECT_EQ(view_.lit, 27);
  practice_.Key_Press(':', false);
  EXPECT_EQ(practice_.Position(), 3);
  practice_.Key_Press('a', false);
  EXPECT_EQ(view_.lit, 31);  // Enter closes the line's keys
  EXPECT_EQ(view_.score, 60);
  EXPECT_EQ(practice_.Miss_Count(), 0);
}

TEST_F(KeyCharPractice, WrongKeyFlashesCostsAndHangsAMissPicture) {
  Write_Lesson(0, "bf11aa\r\n");
  Remember(0, 1, 30);
  Begin();
  view_.events.clear();
  practice_.Key_Press('s', false);
  EXPECT_EQ(view_.events, (std::vector<std::string>{"flash 18", "wrong", "miss 0"}));
  EXPECT_EQ(view_.score, 10);
  EXPECT_EQ(practice_.Position(), 1);
  EXPECT_EQ(view_.lit, 0);  // the expected key stays lit
  practice_.Key_Press('s', false);
  EXPECT_EQ(view_.score, 10);  // below 20: nothing taken
  EXPECT_EQ(practice_.Miss_Count(), 2);

  // With Ctrl alone held nothing happens, but the key still counts for the speed.
  view_.events.clear();
  const int32_t keys = practice_.Key_Count();
  practice_.Key_Press(1, true);
  EXPECT_TRUE(view_.events.empty());
  EXPECT_EQ(practice_.Miss_Count(), 2);
  EXPECT_EQ(practice_.Key_Count(), keys + 1);

  // A character no key types: a miss, without flash or sound.
  view_.events.clear();
  practice_.Key_Press(static_cast<int16_t>(0xB0A1), false);
  EXPECT_EQ(view_.events, (std::vector<std::string>{"miss 2"}));
}

TEST_F(KeyCharPractice, KeypadLessonTakesMainRowDigitsAndMissesLettersSilently) {
  settings_.values[std::string(kKeyCharSection) + "|Type Method"] = "1";
  Begin();
  EXPECT_TRUE(view_.keypad);
  EXPECT_EQ(Key_Char_Type_Method, 1);
  EXPECT_EQ(view_.caption, "数字键盘的练习");
  EXPECT_EQ(view_.lit, 65);  // keypad 7
  practice_.Key_Press('7', false);
  EXPECT_TRUE(view_.Saw("key 47"));  // the note of the key that types "7"
  EXPECT_EQ(view_.lit, 66);
  view_.events.clear();
  practice_.Key_Press('a', false);
  EXPECT_EQ(view_.events, (std::vector<std::string>{"miss 0"}));
  practice_.Key_Press('9', false);  // the wrong keypad key is flashed
  EXPECT_TRUE(view_.Saw("flash 67"));
  practice_.Key_Press('8', false);
  practice_.Key_Press('9', false);
  practice_.Key_Press(13, false);
  EXPECT_TRUE(view_.Saw("enter"));
  EXPECT_TRUE(practice_.Line_Typing());
  EXPECT_EQ(view_.typing_line, "789");
}

TEST_F(KeyCharPractice, TenthMissAsksOnceAndYesRetriesTheLineWithItsStartingScore) {
  Remember(0, 2, 400);
  Begin();
  Keys("a");  // right: 420
  for (int i = 0; i < 9; ++i) Keys("q");
  EXPECT_FALSE(miss_limit_);
  Keys("q");
  EXPECT_TRUE(miss_limit_);
  EXPECT_EQ(view_.score, 420 - 200);
  EXPECT_EQ(view_.misses_shown, 10);
  // Key repeat before the release: flashed and sounded, nothing more.
  view_.events.clear();
  Keys("q");
  EXPECT_EQ(view_.events, (std::vector<std::string>{"flash 16", "wrong"}));
  EXPECT_EQ(view_.score, 220);

  miss_limit_ = false;  // the main window's KeyUp clears it and asks
  view_.retry_answer = 0;
  practice_.Ask_Line_Retry(1020);
  EXPECT_EQ(view_.score, 400);
  EXPECT_EQ(practice_.Miss_Count(), 0);
  EXPECT_EQ(view_.misses_shown, 0);
  EXPECT_EQ(practice_.Position(), 1);
  EXPECT_EQ(view_.lit, 0);
  EXPECT_EQ(practice_.Key_Count(), 0);
  EXPECT_TRUE(running_);
  EXPECT_EQ(settings_.writes, 0);
}

TEST_F(KeyCharPractice, TenthMissAnsweredNoStopsAtTheRememberedLine) {
  Remember(0, 2, 400);
  Begin();
  for (int i = 0; i < 10; ++i) Keys("q");
  miss_limit_ = false;
  view_.retry_answer = 1;
  practice_.Ask_Line_Retry(1020);
  EXPECT_FALSE(running_);
  EXPECT_FALSE(view_.timer);
  EXPECT_EQ(view_.buttons, "S--");
  EXPECT_EQ(practice_.Line(), 2);
  EXPECT_EQ(view_.score, 400);
  EXPECT_EQ(settings_.writes, 0);
}

TEST_F(KeyCharPractice, LineTypingOpensAfterTheEnterThatClosesTheKeys) {
  Begin();
  Keys("fj");
  EXPECT_FALSE(practice_.Line_Typing());
  Keys("\r");
  EXPECT_TRUE(practice_.Line_Typing());
  EXPECT_TRUE(view_.typing_open);
  EXPECT_EQ(view_.typing_line, "fj");
  EXPECT_EQ(view_.typing_max, 2);
  EXPECT_FALSE(panel_keys_);
  EXPECT_TRUE(ignore_);
  EXPECT_EQ(view_.lit, 5);  // the first character's key
  // Drill keys no longer reach the practice's judge.
  Keys("f");
  EXPECT_EQ(practice_.Key_Count(), 3);
  // The box filled by the program is not judged.
  practice_.Line_Change("");
  EXPECT_EQ(practice_.Key_Count(), 3);
}

TEST_F(KeyCharPractice, LineTypingScoresRightWrongAndDeletedCharacters) {
  Write_Lesson(0, "lf11asdf\r\nlf12jkl;\r\n");
  Begin();
  Drill_Line();
  EXPECT_EQ(view_.score, 100);  // four keys and the Enter
  view_.events.clear();
  Type("", "a");
  EXPECT_EQ(view_.score, 120);
  EXPECT_TRUE(view_.Saw("key 0"));
  EXPECT_EQ(view_.lit, 18);  // "s" next
  EXPECT_EQ(view_.prompt, 1);
  EXPECT_TRUE(view_.prompt_selects);
  Type("a", "x");  // wrong: red, -20, the position moves on
  EXPECT_TRUE(view_.Saw("red 2"));
  EXPECT_TRUE(view_.Saw("wrong"));
  EXPECT_EQ(view_.score, 100);
  EXPECT_EQ(view_.lit, 3);  // "d"
  practice_.Line_Change("a");  // deleting a wrong character costs nothing
  EXPECT_EQ(view_.score, 100);
  EXPECT_EQ(view_.lit, 18);
  practice_.Line_Change("");  // deleting a right one costs 20
  EXPECT_EQ(view_.score, 80);
  EXPECT_TRUE(view_.Saw("black"));
  Type("", "asdf");
  EXPECT_EQ(view_.score, 160);
  EXPECT_EQ(view_.lit, 31);  // Enter
  // Taking two right characters away at once takes both their points.
  practice_.Line_Change("as");
  EXPECT_EQ(view_.score, 120);
  Type("as", "df");
  EXPECT_EQ(view_.score, 160);
}

TEST_F(KeyCharPractice, EnterEndsTheLineOnlyWhenEveryCharacterIsTyped) {
  Begin();
  Drill_Line();
  Type("", "f");
  view_.events.clear();
  practice_.Line_Key_Down(13);
  EXPECT_EQ(view_.events, (std::vector<std::string>{"wrong"}));
  practice_.Line_Key_Up(1010);
  EXPECT_FALSE(view_.Saw("win"));
  Type("f", "x");  // wrong, but the line is complete
  const int32_t before = view_.score;
  practice_.Line_Key_Down(13);
  EXPECT_EQ(view_.score, before + 20);
  EXPECT_TRUE(line_end_);
  practice_.Line_Key_Down(13);  // key repeat adds nothing
  EXPECT_EQ(view_.score, before + 20);
  view_.next_answer = 0;
  view_.events.clear();
  practice_.Line_Key_Up(1010);
  EXPECT_EQ(view_.events.front(), "win");
  EXPECT_TRUE(view_.Saw("ask next"));
  EXPECT_EQ(practice_.Line(), 2);
}

TEST_F(KeyCharPractice, NextLineWritesProgressAndStartsItsDrillAfresh) {
  Begin();
  for (int i = 0; i < 3; ++i) Keys("q");
  Drill_Line();
  Type("", "fj");
  view_.next_answer = 0;
  Enter_Line(1010);
  EXPECT_EQ(practice_.Line(), 2);
  EXPECT_EQ(Line_Num(), "2");
  EXPECT_EQ(Count_Num(), std::to_string(practice_.Score()));
  EXPECT_EQ(practice_.Line_Start_Score(), practice_.Score());
  EXPECT_FALSE(view_.typing_open);
  EXPECT_FALSE(practice_.Line_Typing());
  EXPECT_TRUE(panel_keys_);
  EXPECT_EQ(view_.misses_shown, 0);
  EXPECT_EQ(practice_.Miss_Count(), 0);
  EXPECT_EQ(practice_.Key_Count(), 0);
  EXPECT_EQ(view_.bar, 0);
  EXPECT_EQ(view_.caption, "右手 中指 上档键 课程1");
  EXPECT_EQ(view_.lit, 0);
  EXPECT_EQ(Line_Num(1), "<none>");  // the keypad keeps its own progress
}

TEST_F(KeyCharPractice, AStoreThatCannotBeWrittenIsReportedAndThePracticeGoesOn) {
  Begin();
  Drill_Line();
  Type("", "fj");
  settings_.read_only = true;
  view_.next_answer = 0;
  Enter_Line(1010);
  ASSERT_EQ(view_.errors.size(), 1u);
  EXPECT_EQ(view_.errors[0], "拒绝访问");
  EXPECT_EQ(practice_.Line(), 2);
  EXPECT_TRUE(panel_keys_);
  EXPECT_EQ(practice_.Expected(), "a");
  Keys("a");
  EXPECT_EQ(practice_.Position(), 2);
}

TEST_F(KeyCharPractice, ALineTypedWithoutErrorEarnsTwiceTwentyPerKeyAndEnter) {
  Write_Lesson(0, "bf11asdfg\r\nbf12hh\r\n");
  Begin();
  Drill_Line();
  Type("", "asdfg");
  practice_.Line_Key_Down(13);
  EXPECT_EQ(view_.score, 2 * 20 * (5 + 1));
}

TEST_F(KeyCharPractice, RetryAtTheLineEndRepeatsTheLineAndWritesNothing) {
  Remember(0, 1, 60);
  Begin();
  Drill_Line();
  Type("", "fj");
  view_.next_answer = 1;
  Enter_Line(1010);
  EXPECT_EQ(practice_.Line(), 1);
  EXPECT_EQ(view_.score, 60);
  EXPECT_FALSE(practice_.Line_Typing());
  EXPECT_FALSE(view_.typing_open);
  EXPECT_TRUE(panel_keys_);
  EXPECT_EQ(practice_.Position(), 1);
  EXPECT_EQ(settings_.writes, 0);
}

TEST_F(KeyCharPractice, NoAtTheLineEndFinishesWithoutWriting) {
  Begin();
  Drill_Line();
  Type("", "fj");
  view_.next_answer = 2;
  Enter_Line(1010);
  EXPECT_TRUE(view_.Saw("finished"));
  EXPECT_FALSE(running_);
  EXPECT_EQ(settings_.writes, 0);
  EXPECT_EQ(practice_.Line(), 1);
}

TEST_F(KeyCharPractice, TheLastLineEndsTheLessonAndResetsTheProgress) {
  Remember(0, 3, 500);
  Begin();
  Drill_Line();
  Type("", "k;");
  view_.events.clear();
  Enter_Line(1010);
  EXPECT_FALSE(view_.Saw("ask next"));
  EXPECT_TRUE(view_.Saw("finished"));
  EXPECT_EQ(Line_Num(), "1");
  EXPECT_EQ(Count_Num(), "0");
  EXPECT_FALSE(running_);
  EXPECT_EQ(practice_.Line(), 1);  // idle again at the start of the lesson
  EXPECT_EQ(view_.score, 0);
}

TEST_F(KeyCharPractice, ProgressIsWrittenEvenWithoutTheRememberFlag) {
  settings_.values[std::string(kKeyCharRememberSection) + "|Flag"] = "0";
  Remember(0, 3, 500);
  Begin();
  EXPECT_EQ(practice_.Line(), 1);
  Drill_Line();
  Type("", "fj");
  view_.next_answer = 0;
  Enter_Line(1010);
  EXPECT_EQ(Line_Num(), "2");
  practice_.Stop();
  EXPECT_EQ(practice_.Line(), 1);
}

TEST_F(KeyCharPractice, TickShowsTimeAndTheSpeedBarOfTheLine) {
  Begin();
  practice_.Tick(1000);
  EXPECT_EQ(view_.bar, 0);  // no key yet, no time: the bar stays
  Keys("f");
  practice_.Tick(1000);  // a key but no time has passed
  EXPECT_EQ(view_.bar, 0);
  practice_.Tick(1002);
  EXPECT_DOUBLE_EQ(practice_.Speed(), 1800);  // one key in two seconds
  EXPECT_DOUBLE_EQ(view_.bar, 3585);
  EXPECT_DOUBLE_EQ(view_.time, 2);
  practice_.Tick(1004);
  EXPECT_DOUBLE_EQ(view_.bar, 3585 / 2.0);

  // A pause stops both the elapsed time and the speed interval.
  practice_.Toggle_Pause(1004);
  EXPECT_TRUE(paused_);
  EXPECT_FALSE(panel_keys_);
  EXPECT_FALSE(view_.timer);
  EXPECT_TRUE(view_.paused_look);
  Keys("j");  // not judged while paused
  EXPECT_EQ(practice_.Position(), 2);
  practice_.Toggle_Pause(1104);
  EXPECT_FALSE(paused_);
  EXPECT_TRUE(view_.timer);
  practice_.Tick(1106);
  EXPECT_DOUBLE_EQ(view_.time, 6);
  EXPECT_DOUBLE_EQ(practice_.Speed(), 600);  // one key in six seconds of typing
}

TEST_F(KeyCharPractice, StopPutsThePageBackIdleAtTheRememberedLine) {
  Remember(0, 2, 100);
  Begin();
  Keys("as");
  practice_.Stop();
  EXPECT_FALSE(running_);
  EXPECT_FALSE(view_.timer);
  EXPECT_EQ(view_.buttons, "S--");
  EXPECT_EQ(practice_.Line(), 2);
  EXPECT_EQ(practice_.Position(), 1);
  EXPECT_EQ(view_.score, 100);
  EXPECT_EQ(view_.lit, 0);
}

TEST_F(KeyCharPractice, KeysAfterTheLessonArraysWereShrunkAreIgnored) {
  Begin();
  head_.Redim(1, 1);
  chars_.Redim(1, 1);  // another exercise took over the shared arrays
  Keys("f");
  practice_.Line_Change("f");
  EXPECT_TRUE(view_.errors.empty());
  EXPECT_EQ(practice_.Position(), 1);
}

// ---- Stored values out of the ordinary ----

TEST_F(KeyCharPractice, TheScoreStopsAtItsLargestAndIsStoredAsShown) {
  // A score near the top of its range plus right keys, keys of line typing and an Enter.
  const int32_t top = 2147483647;
  Remember(0, 1, top - 30);
  Begin();
  Drill_Line();
  EXPECT_EQ(practice_.Score(), top);
  EXPECT_EQ(view_.score, top);
  Type("", "fj");
  view_.next_answer = 0;
  Enter_Line(1010);
  EXPECT_EQ(practice_.Score(), top);
  EXPECT_EQ(Count_Num(), std::to_string(top));
  // The next start carries on from the stored score.
  Begin();
  EXPECT_EQ(practice_.Line(), 2);
  EXPECT_EQ(practice_.Score(), top);
  // A wrong key takes its points off the top as from any score.
  Keys("q");
  EXPECT_EQ(practice_.Score(), top - kKeyCharPoints);
}

TEST_F(KeyCharPractice, AStoredNumberIsReadWholeOrAsItsDefault) {
  // The same rule as every integer setting: anything but a whole number in range is the default.
  struct Case {
    std::string score;
    int want_score;
  } cases[] = {
      {"800", 800},         {" 800 ", 800},          {"+800", 800},
      {"800abc", 0},        {"8e2", 0},              {"", 0},
      {"2147483647", 2147483647}, {"2147483648", 0}, {std::string(10000, '9'), 0},
      {"0x20", 0},          {"--800", 0},            {"\xB0\xA1", 0},
  };
  for (const auto& c : cases) {
    Remember(0, 2, 0);
    settings_.values[std::string(kKeyCharCountNumSection) + "|0"] = c.score;
    practice_.Initialize_Page();
    ASSERT_TRUE(practice_.Start_Lesson(folder_));
    EXPECT_EQ(practice_.Score(), c.want_score) << "\"" << c.score.substr(0, 20) << "\"";
    EXPECT_EQ(practice_.Line(), 2);
  }
}

}  // namespace
}  // namespace quillon
