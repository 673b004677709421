// The English word practice: options, the learn phase's judging, the review line, groups and
// rounds, every write of the remembered progress, broken lists and stale positions, and the speed
// bar, driven through a recording page, an in-memory settings store and a clock of the test's.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "courses/memory_settings.h"
#include "courses/word_practice.h"
#include "services/key_table.h"
#include "services/tutor_settings.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

const std::string kStudyed = kWordStudyedNumSection;
const std::string kBegin = kWordBeginPosSection;

// Records what the practice asks of its page; keeps the two typing boxes' texts as the page
// would.
class Recording_View : public Word_View {
 public:
  void Play_Key_Sound(int16_t slot) override { Log("key " + std::to_string(slot)); }
  void Play_Wrong_Sound() override { Log("wrong"); }
  void Play_Enter_Sound() override { Log("enter"); }
  void Play_Win_Sound() override { Log("win"); }
  void Light_Key(int16_t slot) override { lit.push_back(slot); }
  void Clear_Key(int16_t slot) override {
    lit.erase(std::remove(lit.begin(), lit.end(), slot), lit.end());
    flashed.erase(std::remove(flashed.begin(), flashed.end(), slot), flashed.end());
  }
  void Clear_Key_Pictures() override {
    lit.clear();
    flashed.clear();
  }
  void Flash_Wrong_Key(int16_t slot) override {
    flashed.push_back(slot);
    Log("flash " + std::to_string(slot));
  }
  void Reset_Page() override { Log("page"); }
  double Speed_Bar_Design_Width() override { return 3630; }
  void Set_Speed_Bar_Width(double width) override { bar = width; }
  void Show_Speed_Bar() override {}
  void Show_Time(double seconds) override { time = seconds; }
  void Show_Studied(int32_t words) override { studied = std::to_string(words); }
  void Show_Caption(const std::string& text) override { caption = text; }
  void Set_Timer(bool on) override { timer = on; }
  void Show_Word(const std::string& w, const std::string& e, bool prompt) override {
    word = w;
    explanation = e;
    learn_box.clear();
    learn_enabled = true;
    prompt_selects = prompt;
    Log("word " + w);
  }
  void Remove_Wrong_Letter(int user_length) override {
    learn_box.erase(static_cast<size_t>(user_length - 1), 1);
  }
  void Set_Learn_Black() override {}
  void Move_Word_Prompt(int offset, bool select) override {
    prompt = offset;
    prompt_selects = select;
  }
  void Clear_Learn_Boxes() override { word.clear(), explanation.clear(), learn_box.clear(); }
  void Open_Review(const std::string& line, bool) override {
    learn_enabled = false;
    review_shown = true;
    review_line = line;
    review_box.clear();
    review_enabled = true;
    reds.clear();
    Log("review " + line);
  }
  void Hide_Review() override { review_shown = false; }
  void Disable_Review_Box() override { review_enabled = false; }
  void Disable_Learn_Box() override { learn_enabled = false; }
  void Paint_Review_Wrong(int user_length) override { reds.push_back(user_length); }
  void Set_Review_Black() override {}
  void Move_Review_Prompt(int offset, bool) override { prompt = offset; }
  void Keep_Caret_At_End(bool) override {}
  int Ask_Next_Round() override {
    Log("ask");
    if (answers.empty()) return 2;
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  void Show_Lesson_Finished() override { Log("finished"); }
  void Show_Error(const std::string& text) override {
    errors.push_back(text);
    Log("error");
  }
  void Show_Idle_Page() override {
    Clear_Learn_Boxes();
    Clear_Key_Pictures();
    learn_enabled = review_enabled = review_shown = false;
    Log("idle");
  }

  void Log(const std::string& event) { events.push_back(event); }
  bool Saw(const std::string& event) const {
    return std::find(events.begin(), events.end(), event) != events.end();
  }
  int16_t Lit() const { return lit.empty() ? kNoKey : lit.back(); }

  std::vector<std::string> events, errors;
  std::vector<int16_t> lit, flashed;
  std::vector<int> reds;
  std::vector<int> answers;  // queued answers of the round's end box; then "no"
  double bar = -1, time = -1;
  std::string studied, caption, word, explanation, learn_box, review_line, review_box;
  bool timer = false, learn_enabled = false, review_shown = false, review_enabled = false;
  bool prompt_selects = false;
  int prompt = -1;
};

// A list of six short words (the last one without a group of its own at 4 words a group).
const char kSixWords[] =
    "cat#n. 猫\r\n"       // 1
    "dog#n. 狗\r\n"       // 12
    "a#art. 一个\r\n"     // 23
    "sun#n. 太阳\r\n"     // 36
    "map#n. 地图\r\n"     // 49
    "box#n. 盒子\r\n";    // 62

class WordPractice : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Initialize_Key_Table(); }
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "ql_words_practice_" + std::to_string(GetCurrentProcessId());
    for (const char* f : {"", "\\English", "\\English\\Word"})
      CreateDirectoryA((folder_ + f).c_str(), nullptr);
    List(3, kSixWords);
  }
  void TearDown() override {
    for (int i = 0; i < 8; ++i)
      DeleteFileA((folder_ + "\\English\\Word\\" + std::to_string(i) + ".txt").c_str());
    for (const char* f : {"\\English\\Word", "\\English", ""})
      RemoveDirectoryA((folder_ + f).c_str());
  }
  void List(int lesson, const std::string& bytes) {
    ASSERT_TRUE(testkit::Write_File(
        folder_ + "\\English\\Word\\" + std::to_string(lesson) + ".txt", bytes));
  }
  void Option(const Int_Setting& option, const std::string& value) {
    settings_.Set(option.section, option.key, value);
  }
  void Remember(const std::string& studied, const std::string& begin, int lesson = 3) {
    settings_.Set(kStudyed, std::to_string(lesson), studied);
    settings_.Set(kBegin, std::to_string(lesson), begin);
  }
  void Start() {
    practice_.Initialize_Page();
    ASSERT_TRUE(practice_.Start_Lesson(folder_))
        << (view_.errors.empty() ? "" : view_.errors[0]);
  }
  // One key in the learn box as the window delivers it: key-down, the character, the change
  // (a full box takes nothing).
  void Learn_Key(char c) {
    practice_.Learn_Key_Down(static_cast<int>(VkKeyScanA(c) & 0xFF));
    practice_.Learn_Key_Press(static_cast<int16_t>(c));
    if (view_.learn_box.size() >= view_.word.size()) return;
    view_.learn_box += c;
    practice_.Learn_Change(view_.learn_box);
  }
  void Learn_Backspace() {
    practice_.Learn_Key_Down(VK_BACK);
    if (view_.learn_box.empty()) return;
    view_.learn_box.pop_back();
    practice_.Learn_Change(view_.learn_box);
  }
  void Learn_Word() {
    for (char c : std::string(view_.word)) Learn_Key(c);
    practice_.Learn_Key_Down(VK_RETURN);
  }
  void Review_Key(char c) {
    practice_.Review_Key_Down(static_cast<int>(VkKeyScanA(c) & 0xFF));
    if (view_.review_box.size() >= view_.review_line.size()) return;
    view_.review_box += c;
    practice_.Review_Change(view_.review_box);
    practice_.Review_Key_Up();
  }
  void Review_Enter() {
    practice_.Review_Key_Down(VK_RETURN);
    practice_.Review_Key_Up();
  }
  void Review_Line() {
    for (char c : std::string(view_.review_line)) Review_Key(c);
    Review_Enter();
  }
  std::vector<std::string> Writes() {
    std::vector<std::string> w = settings_.written;
    settings_.written.clear();
    return w;
  }
  static std::string S(const std::string& v) { return kStudyed + "|3=" + v; }
  static std::string B(const std::string& v) { return kBegin + "|3=" + v; }

  std::string folder_;
  Memory_Settings settings_;
  Recording_View view_;
  double now_ = 1000;
  bool panel_keys_ = false, ignore_ = false, line_end_ = false, ctrl_ = false, first_ = true;
  Session_Array<std::string> word_char_, explain_char_;
  std::string names_[8] = {"新版小学英语", "新版初中英语", "新版高中英语", "大学英语1~4级常用词汇",
                           "大学英语5~6级常用词汇", "GRE词汇进阶", "新编GMAT词汇", "托福600分单词"};
  Word_Practice practice_{view_, settings_,
                          Word_Flags{panel_keys_, ignore_, line_end_, ctrl_, first_, word_char_,
                                     explain_char_, names_},
                          [this] { return now_; }};
};

TEST(WordOptions, ValuesOutsideTheirRangesOrNotNumbersCountAsDefaults) {
  struct Case {
    const char *lesson, *words, *lines, *flag, *prompt;
    Word_Options expected;
  } cases[] = {
      {nullptr, nullptr, nullptr, nullptr, nullptr, {3, 5, 4, 1, 1}},
      {"0", "1", "1", "0", "0", {0, 1, 1, 0, 0}},
      {"7", "99", "99", "1", "1", {7, 99, 99, 1, 1}},
      {"8", "0", "0", "2", "-1", {3, 5, 4, 1, 1}},
      {"-1", "100", "-4", "x", "", {3, 5, 4, 1, 1}},
      {"2a", "6x", "4.5", "1e0", "１", {3, 5, 4, 1, 1}},
  };
  for (const Case& c : cases) {
    Memory_Settings settings;
    const std::pair<const Int_Setting*, const char*> stored[] = {
        {&kWordLesson, c.lesson}, {&kWordWordsNum, c.words}, {&kWordLinesNum, c.lines},
        {&kWordRemember, c.flag}, {&kWordCursorPrompt, c.prompt}};
    for (auto [option, value] : stored)
      if (value) settings.Set(option->section, option->key, value);
    const Word_Options o = Read_Word_Options(settings);
    const std::string label = std::string(c.lesson ? c.lesson : "-") + "/" + (c.words ? c.words : "-");
    EXPECT_EQ(o.lesson, c.expected.lesson) << label;
    EXPECT_EQ(o.words_num, c.expected.words_num) << label;
    EXPECT_EQ(o.lines_num, c.expected.lines_num) << label;
    EXPECT_EQ(o.remember_flag, c.expected.remember_flag) << label;
    EXPECT_EQ(o.cursor_prompt, c.expected.cursor_prompt) << label;
  }
}

TEST(WordCounters, DecideTheNextWordTheReviewTheNextGroupTheRoundEndAndTheLessonEnd) {
  struct Word_Case {
    int group_count, words_num;
    bool file_end;
    After_Word after;
  } words[] = {
      {1, 5, false, After_Word::Next_Word}, {4, 5, false, After_Word::Next_Word},
      {5, 5, false, After_Word::Review},    {1, 1, false, After_Word::Review},
      {2, 5, true, After_Word::Review},     {10, 5, false, After_Word::Review},
      {3, 0, false, After_Word::Review},
  };
  for (const auto& c : words)
    EXPECT_EQ(After_Word_Finished(c.group_count, c.words_num, c.file_end), c.after)
        << c.group_count << "/" << c.words_num << (c.file_end ? " end" : "");
  struct Line_Case {
    int32_t line_count;
    int lines_num;
    bool file_end;
    After_Review_Line after;
  } lines[] = {
      {0, 4, false, After_Review_Line::Next_Group}, {2, 4, false, After_Review_Line::Next_Group},
      {3, 4, false, After_Review_Line::Round_End},  {0, 1, false, After_Review_Line::Round_End},
      {7, 4, false, After_Review_Line::Round_End},  {3, 4, true, After_Review_Line::Lesson_End},
      {0, 1, true, After_Review_Line::Lesson_End},  {5, 0, false, After_Review_Line::Round_End},
  };
  for (const auto& c : lines)
    EXPECT_EQ(After_Review_Line_Finished(c.line_count, c.lines_num, c.file_end), c.after)
        << c.line_count << "/" << c.lines_num << (c.file_end ? " end" : "");
}

TEST_F(WordPractice, StartsAtTheFirstWordOfListThreeWithNoStoredOptions) {
  Start();
  EXPECT_EQ(view_.word, "cat");
  EXPECT_EQ(view_.explanation, "n. 猫");
  EXPECT_EQ(view_.caption, "大学英语1~4级常用词汇  课程1");
  EXPECT_EQ(view_.studied, "0");
  EXPECT_EQ(view_.Lit(), 2);  // "c"
  EXPECT_TRUE(view_.timer);
  EXPECT_TRUE(panel_keys_);
  EXPECT_TRUE(view_.prompt_selects);
  EXPECT_EQ(word_char_.Upper(), 4);
  EXPECT_EQ(word_char_(4), "\r");
  EXPECT_TRUE(settings_.written.empty());
  EXPECT_EQ(practice_.Phase(), Word_Phase::Learning);
}

TEST_F(WordPractice, JudgesTheLearnPhaseLetterByLetter) {
  Start();
  // Right letter: the key sound, the next key lit, the source prompt moved.
  Learn_Key('c');
  EXPECT_EQ(view_.learn_box, "c");
  EXPECT_EQ(view_.Lit(), 0);  // "a"
  EXPECT_EQ(view_.prompt, 1);
  EXPECT_TRUE(view_.Saw("key 2"));
  // Wrong letter: it goes out of the box with the error sound and its key flashes.
  Learn_Key('s');
  EXPECT_EQ(view_.learn_box, "c");
  EXPECT_EQ(practice_.Position(), 2);
  EXPECT_EQ(view_.events.back(), "flash 18");
  EXPECT_EQ(view_.Lit(), 0);
  // The right key in the wrong case: out again, no key marked.
  view_.events.clear();
  Learn_Key('A');
  EXPECT_EQ(view_.learn_box, "c");
  EXPECT_EQ(view_.events, std::vector<std::string>{"wrong"});
  // A wrong letter typed with Ctrl alone held: out, not flashed.
  view_.events.clear();
  ctrl_ = true;
  Learn_Key('q');
  ctrl_ = false;
  EXPECT_EQ(view_.learn_box, "c");
  EXPECT_EQ(view_.events, std::vector<std::string>{"wrong"});
  // The next right letter clears the flashed key.
  Learn_Key('a');
  EXPECT_TRUE(view_.flashed.empty());
  // Enter before the last letter: the error sound, nothing else.
  view_.events.clear();
  practice_.Learn_Key_Down(VK_RETURN);
  EXPECT_EQ(view_.events, std::vector<std::string>{"wrong"});
  EXPECT_EQ(view_.word, "cat");
  // Backspace over an accepted letter: the position, prompt and lit key go back to it.
  Learn_Backspace();
  EXPECT_EQ(practice_.Position(), 2);
  EXPECT_EQ(view_.prompt, 1);
  EXPECT_EQ(view_.Lit(), 0);
  Learn_Key('a');
  Learn_Key('t');
  EXPECT_EQ(view_.Lit(), 31);  // after the last letter, the Enter key
  // A letter when the word is complete: the box takes nothing.
  Learn_Key('x');
  EXPECT_EQ(view_.learn_box, "cat");
  // Enter ends the word on its key-down.
  view_.events.clear();
  practice_.Learn_Key_Down(VK_RETURN);
  EXPECT_EQ(view_.events.front(), "enter");
  EXPECT_EQ(view_.word, "dog");
  EXPECT_EQ(view_.studied, "1");
  EXPECT_EQ(practice_.Group_Count(), 1);
}

TEST_F(WordPractice, AOneLetterWordLightsEnterAfterItsLetter) {
  List(3, "a#art. 一个\r\nb#n. 字母b\r\n");
  Start();
  EXPECT_EQ(view_.Lit(), 0);
  Learn_Key('a');
  EXPECT_EQ(view_.Lit(), 31);
  practice_.Learn_Key_Down(VK_RETURN);
  EXPECT_EQ(view_.word, "b");
}

TEST_F(WordPractice, TheReviewLineIsTheGroupJoinedBySpacesAndWrongCharactersStayRed) {
  Option(kWordWordsNum, "2");
  Start();
  Learn_Word();
  Learn_Word();
  ASSERT_EQ(practice_.Phase(), Word_Phase::Reviewing);
  EXPECT_EQ(view_.review_line, "cat dog");
  EXPECT_FALSE(view_.learn_enabled);
  EXPECT_EQ(view_.Lit(), 2);
  // Every character wrong: each stays, red, with the error sound.
  for (char c : std::string("xxxxxxx")) Review_Key(c);
  EXPECT_EQ(view_.review_box, "xxxxxxx");
  EXPECT_EQ(view_.reds, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(view_.Lit(), 31);
  // Backspace over a red character: what is typed at its place is judged there.
  practice_.Review_Key_Down(VK_BACK);
  view_.review_box.pop_back();
  practice_.Review_Change(view_.review_box);
  EXPECT_EQ(practice_.Position(), 7);
  view_.events.clear();
  Review_Key('g');
  EXPECT_EQ(view_.events, std::vector<std::string>{"key 6"});
  // Enter at the end ends the line even though it is all wrong: on the key-up.
  view_.events.clear();
  practice_.Review_Key_Down(VK_RETURN);
  EXPECT_EQ(view_.events, std::vector<std::string>{"enter"});
  EXPECT_EQ(practice_.Phase(), Word_Phase::Reviewing);
  practice_.Review_Key_Up();
  EXPECT_EQ(view_.events[1], "win");
  EXPECT_EQ(practice_.Phase(), Word_Phase::Learning);
  EXPECT_EQ(view_.word, "a");
  EXPECT_FALSE(view_.review_shown);
  EXPECT_FALSE(view_.review_enabled);
}

TEST_F(WordPractice, EnterBeforeTheEndOfTheReviewLineOnlySoundsWrong) {
  Option(kWordWordsNum, "1");
  Start();
  Learn_Word();
  ASSERT_EQ(view_.review_line, "cat");
  Review_Key('c');
  view_.events.clear();
  Review_Enter();
  EXPECT_EQ(view_.events, std::vector<std::string>{"wrong"});
  EXPECT_EQ(practice_.Phase(), Word_Phase::Reviewing);
}

// Every write of the remembered progress, moment by moment, through a whole list of six words at
// two words a group and two lines a round: next word, next group, round's end with retry and
// next round, and the end of the list in the middle of a group.
TEST_F(WordPractice, WritesTheProgressAtExactlyItsMoments) {
  Option(kWordWordsNum, "2");
  Option(kWordLinesNum, "2");
  view_.answers = {1, 0};  // retry first, then the next round
  Start();
  EXPECT_TRUE(Writes().empty());  // the lesson start writes nothing
  const auto learn = [&] { Learn_Word(); };
  const auto review = [&] { Review_Line(); };
  struct Action {
    std::function<void()> run;
    std::vector<std::string> writes;
    const char* what;
  };
  std::vector<Action> actions = {
      {learn, {S("1"), B("12")}, "cat, then dog is read"},
      {learn, {S("2")}, "dog ends the group"},
      {review, {B("23")}, "next group: a is read"},
      {learn, {S("3"), B("36")}, "a, then sun"},
      {learn, {S("4")}, "sun ends the group"},
      {review, {}, "round end, retry: nothing"},
      {learn, {S("1"), B("12")}, "cat again, counted from the round's start"},
      {learn, {S("2")}, "dog again"},
      {review, {B("23")}, "next group"},
      {learn, {S("3"), B("36")}, "a, then sun"},
      {learn, {S("4")}, "sun"},
      {review, {B("49")}, "round end, next round: map is read"},
      {learn, {S("5"), B("62")}, "map, then box, the last entry"},
      {learn, {S("6")}, "box ends the list in its group"},
      {review, {B("1"), S("0")}, "the list's end"},
  };
  for (const Action& a : actions) {
    a.run();
    EXPECT_EQ(Writes(), a.writes) << a.what;
  }
  EXPECT_EQ(practice_.Phase(), Word_Phase::Finished);
  EXPECT_TRUE(view_.Saw("finished"));
  EXPECT_EQ(std::count(view_.events.begin(), view_.events.end(), "ask"), 2);
  EXPECT_FALSE(view_.timer);
}

TEST_F(WordPractice, NextRoundAndRetryChangeTheCaptionCountsAndBar) {
  Option(kWordWordsNum, "1");
  Option(kWordLinesNum, "1");
  Start();
  Learn_Key('c');
  now_ += 2;
  practice_.Tick();
  EXPECT_DOUBLE_EQ(view_.bar, 3630);
  Learn_Word();
  // Retry: the round's first word again, the words studied back to the round's start.
  view_.answers = {1};
  Review_Line();
  EXPECT_EQ(view_.word, "cat");
  EXPECT_EQ(view_.studied, "0");
  EXPECT_EQ(view_.caption, "大学英语1~4级常用词汇  课程1");
  EXPECT_EQ(view_.bar, 0);
  EXPECT_EQ(practice_.Line_Count(), 0);
  EXPECT_TRUE(view_.timer);
  // Next round: the caption counts on, the word after the round.
  Learn_Word();
  view_.answers = {0};
  Review_Line();
  EXPECT_EQ(view_.word, "dog");
  EXPECT_EQ(view_.studied, "1");
  EXPECT_EQ(view_.caption, "大学英语1~4级常用词汇  课程2");
  EXPECT_EQ(practice_.Round_Begin_Pos(), 12);
  EXPECT_EQ(practice_.Round_Studied(), 1);
  // "No": the lesson ends with the final box; the stored place is the round's last word.
  Learn_Word();
  view_.answers = {2};
  Review_Line();
  EXPECT_EQ(practice_.Phase(), Word_Phase::Finished);
  EXPECT_TRUE(view_.Saw("finished"));
  EXPECT_EQ(settings_.Get(kBegin, "3"), "12");
  EXPECT_EQ(settings_.Get(kStudyed, "3"), "2");
}

TEST_F(WordPractice, TheLastEntryClosingARoundEndsTheLessonWithoutTheRoundBox) {
  List(3, "cat#n. 猫\r\ndog#n. 狗\r\n");
  Option(kWordWordsNum, "2");
  Option(kWordLinesNum, "1");
  Start();
  Learn_Word();
  Learn_Word();
  Review_Line();
  EXPECT_FALSE(view_.Saw("ask"));
  EXPECT_TRUE(view_.Saw("finished"));
  EXPECT_EQ(settings_.Get(kBegin, "3"), "1");
  EXPECT_EQ(settings_.Get(kStudyed, "3"), "0");
}

TEST_F(WordPractice, ResumesTheRememberedWordOnlyWithTheFlag) {
  struct Case {
    const char* flag;
    const char* studied;
    const char* begin;
    const char* word;
    const char* shown_studied;
  } cases[] = {
      {"1", "7", "36", "sun", "7"},
      {"0", "7", "36", "cat", "0"},
      {"1", nullptr, nullptr, "cat", "0"},
      {"1", "7", "37", "cat", "0"},     // not the start of a line: the list was replaced
      {"1", "7", "9999", "cat", "0"},   // past the end
      {"1", "x", "zz", "cat", "0"},     // not numbers
      {"1", "-3", "36", "sun", "0"},    // a negative count counts as none
  };
  for (const Case& c : cases) {
    settings_.values.clear();
    Option(kWordRemember, c.flag);
    if (c.studied) Remember(c.studied, c.begin);
    Start();
    EXPECT_EQ(view_.word, c.word) << c.flag << " " << (c.begin ? c.begin : "-");
    EXPECT_EQ(view_.studied, c.shown_studied) << c.flag << " " << (c.begin ? c.begin : "-");
    EXPECT_TRUE(settings_.written.empty());
  }
  // Flag 0 overwrites the stored progress from the first finished word on.
  settings_.values.clear();
  Option(kWordRemember, "0");
  Remember("7", "36");
  Start();
  Learn_Word();
  EXPECT_EQ(settings_.Get(kStudyed, "3"), "1");
  EXPECT_EQ(settings_.Get(kBegin, "3"), "12");
}

TEST_F(WordPractice, ABrokenOrMissingListIsNamedOnceAndNothingStarts) {
  struct Case {
    int lesson;
    const char* bytes;  // nullptr: no file
    const char* message_part;
  } cases[] = {
      {0, nullptr, "0.txt"},
      {1, "cat n. 猫\r\n", "第 1 行缺少"},
      {2, "", "中没有单词"},
      {4, "\r\ncat#n. 猫\r\n", "第 1 行是空行"},
  };
  for (const Case& c : cases) {
    if (c.bytes) List(c.lesson, c.bytes);
    settings_.values.clear();
    Option(kWordLesson, std::to_string(c.lesson));
    view_ = Recording_View();
    practice_.Initialize_Page();
    EXPECT_FALSE(practice_.Start_Lesson(folder_));
    ASSERT_EQ(view_.errors.size(), 1u) << c.lesson;
    EXPECT_NE(view_.errors[0].find(c.message_part), std::string::npos) << view_.errors[0];
    EXPECT_FALSE(view_.timer);
    EXPECT_TRUE(view_.word.empty());
    EXPECT_FALSE(practice_.Active());
    EXPECT_TRUE(settings_.written.empty());
  }
}

TEST_F(WordPractice, ABadLineAnywhereInTheListStopsTheStartWithNothingStored) {
  // Line 5 lacks its "#": four good words before it, remembered progress in the store.
  List(3, std::string(kSixWords).substr(0, 48) + "apple\r\n" + "box#n. 盒子\r\n");
  Remember("2", "23");
  practice_.Initialize_Page();
  EXPECT_FALSE(practice_.Start_Lesson(folder_));
  ASSERT_EQ(view_.errors.size(), 1u);
  EXPECT_NE(view_.errors[0].find("3.txt"), std::string::npos) << view_.errors[0];
  EXPECT_NE(view_.errors[0].find("第 5 行缺少"), std::string::npos) << view_.errors[0];
  EXPECT_TRUE(view_.word.empty());
  EXPECT_TRUE(view_.lit.empty());
  EXPECT_FALSE(view_.timer);
  EXPECT_FALSE(practice_.Active());
  EXPECT_TRUE(settings_.written.empty());
  Learn_Key('c');  // the boxes stay deaf
  EXPECT_EQ(view_.errors.size(), 1u);
}

TEST_F(WordPractice, AListChangedUnderThePracticeSaysSoAndThePageGoesIdle) {
  struct Case {
    const char* changed;
    const char* part;
  } cases[] = {
      {"cat#n. 猫\r\ndog n. 狗\r\n", "第 2 行缺少"},     // a bad line where the next word was
      {"cat#n. 猫\r\n", "不是一行的开头"},                 // shorter: the next place is gone
  };
  for (const Case& c : cases) {
    List(3, kSixWords);
    view_ = Recording_View();
    settings_.written.clear();
    Start();
    List(3, c.changed);
    Learn_Word();
    ASSERT_EQ(view_.errors.size(), 1u) << c.part;
    EXPECT_NE(view_.errors[0].find("被改动"), std::string::npos) << view_.errors[0];
    EXPECT_NE(view_.errors[0].find("3.txt"), std::string::npos) << view_.errors[0];
    EXPECT_NE(view_.errors[0].find(c.part), std::string::npos) << view_.errors[0];
    EXPECT_TRUE(view_.Saw("idle"));
    EXPECT_FALSE(view_.timer);
    EXPECT_FALSE(view_.learn_enabled);
    EXPECT_TRUE(view_.word.empty());
    EXPECT_TRUE(view_.lit.empty());
    EXPECT_FALSE(practice_.Active());
    EXPECT_EQ(practice_.Phase(), Word_Phase::Idle);
    EXPECT_EQ(settings_.Get(kBegin, "3"), "<none>");  // the bad line's place is not stored
    Learn_Key('d');
    EXPECT_EQ(view_.errors.size(), 1u);
  }
}

TEST_F(WordPractice, StopCurrentExerciseLeavesTheBoxesDeaf) {
  Start();
  word_char_.Redim(1);  // as Stop_Current_Exercise leaves it
  view_.events.clear();
  Learn_Key('c');
  practice_.Tick();
  EXPECT_TRUE(view_.events.empty());
  EXPECT_FALSE(practice_.Active());
}

TEST_F(WordPractice, TheSpeedBarWaitsForAChangeAndASecondAndFollowsTheBestOfTheRound) {
  Start();
  now_ += 5;
  practice_.Tick();
  EXPECT_EQ(view_.bar, 0);  // no change yet
  EXPECT_DOUBLE_EQ(view_.time, 5);
  Learn_Key('c');
  now_ += 0.5;
  practice_.Tick();
  EXPECT_DOUBLE_EQ(view_.bar, 3630);  // 5.5 s since the round began
  Learn_Key('a');
  practice_.Tick();
  EXPECT_DOUBLE_EQ(view_.bar, 3630);
  now_ += 5.5;  // half the speed of the best
  practice_.Tick();
  EXPECT_NEAR(view_.bar, 1815, 1e-6);
  // Changes the program makes while filling the boxes are not counted.
  const int32_t changes = practice_.Change_Count();
  ignore_ = true;
  practice_.Learn_Change("ca");
  EXPECT_EQ(practice_.Change_Count(), changes);
}

TEST_F(WordPractice, ASecondStartKeepsTheBarWidthTakenAtTheFirst) {
  Start();
  EXPECT_FALSE(first_);
  Start();
  Learn_Key('c');
  now_ += 2;
  practice_.Tick();
  EXPECT_DOUBLE_EQ(view_.bar, 3630);
}

}  // namespace
}  // namespace quillon
