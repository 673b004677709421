// The keys practice on the real main window: the page opened from the English menu, keys typed
// for real (SendInput to the main window in the foreground), the drill, the misses, pause, the
// line typing with Enter at its end, the progress in the settings store, and broken lessons.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "courses/key_char_page.h"
#include "services/key_table.h"
#include "forms/forms.h"
#include "shell/commands.h"
#include "screen_table.h"
#include "services/globals.h"
#include "shell/main_form.h"
#include "services/sounds.h"
#include "shell/standins.h"
#include "shell/startup.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

// How the practice's questions are answered: 0 yes/next, 1 no or retry, 2 no (three buttons).
int Preset_Dialog_Answer = 0;
int Preset_Retry_Dialog_Answer = 0;

const char kChar[] = "Setting\\English\\Char";
const char kRemember[] = "Setting\\English\\Char\\Remember";
const char kLineNum[] = "Setting\\English\\Char\\Remember\\Line Num";
const char kCountNum[] = "Setting\\English\\Char\\Remember\\Count Num";

void Forms_Pump() { forms::Do_Events(); }

bool Pump_Until(const std::function<bool()>& done,
                std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  return testkit::Wait_Until(done, limit, Forms_Pump);
}

void Pump_For(int milliseconds) {
  testkit::Pump_For(std::chrono::milliseconds(milliseconds), Forms_Pump);
}

INPUT Key(WORD vk, bool up) {
  INPUT i{};
  i.type = INPUT_KEYBOARD;
  i.ki.wVk = vk;
  i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return i;
}

// Presses the keys in order and lets them go in reverse order (a chord such as Ctrl+K).
void Chord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> in;
  for (WORD k : keys) in.push_back(Key(k, false));
  for (auto it = keys.end(); it != keys.begin();) in.push_back(Key(*--it, true));
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

forms::Form& Main() { return Form_Quillon(); }
forms::Image& Key_Image(int slot) { return Main().Get<forms::Image>("Image_Character", slot); }
forms::Label& Label_Of(const char* name) { return Main().Get<forms::Label>(name); }
forms::Picture_Box& Input() { return Main().Get<forms::Picture_Box>("Picture_Input"); }
forms::Rich_Text_Box& User() { return Main().Get<forms::Rich_Text_Box>("RichText_Char_User"); }
forms::Rich_Text_Box& Source() {
  return Main().Get<forms::Rich_Text_Box>("RichText_Char_Source");
}
std::string Score() { return Label_Of("Label_Key_Char_Count").Caption(); }
bool Lit(int slot) { return static_cast<bool>(Key_Image(slot).Get_Picture()); }
int Misses() {
  int n = 0;
  for (forms::Control* c : Main().Array("Image_Key_Char_Miss"))
    if (static_cast<forms::Image*>(c)->Get_Picture()) ++n;
  return n;
}
std::vector<int> Pictured_Keys() {
  std::vector<int> slots;
  for (forms::Control* c : Main().Array("Image_Character"))
    if (static_cast<forms::Image*>(c)->Get_Picture()) slots.push_back(c->Index());
  return slots;
}
std::string Stored(const char* section, const char* name) {
  return forms::Tutor_Settings::Get(section, name, "(none)");
}

// Saves a picture of the main window as a bitmap file when QL_SHOT_DIR names a folder.
void Shot(const std::string& name) {
  char dir[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("QL_SHOT_DIR", dir, sizeof dir)) return;
  Pump_For(300);
  RECT r;
  GetWindowRect(Main().Hwnd(), &r);
  testkit::Save_Screen_Bitmap(std::string(dir) + "\\" + name + ".bmp", r);
}

// The lessons the tests drill: two short lines on the home row.
const char kTwoLines[] = "lf11fj\r\n\r\nrf11jf\r\n";

class Keys_Page : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "quillon-keys-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "\\English").c_str(), nullptr);
    CreateDirectoryA((folder_ + "\\English\\Character").c_str(), nullptr);
    Lesson(0, kTwoLines);
    Lesson(1, "11114562\r\n");
    Set_Program_Folder(folder_);
    Resource_Library_Path = testkit::Tutor_Folder() + "\\Lib\\artpack.dll";
    forms::Set_Message_Box_Function(
        [this](HWND, const std::string& text, const std::string&, UINT) {
          boxes.push_back(text);
          return IDOK;
        });
    Set_Beep_Function([this] { ++beeps; });
    Set_Exit_Function([] {});
    Sound_Card_Present = false;
    Sound_On = 1;
    BG_Music_On = 0;
    Music_KB_On = 1;
    Move_Step_Num = 3;
    Preset_Dialog_Answer = 0;
    Preset_Retry_Dialog_Answer = 0;
    // The practice's questions are answered without showing the boxes.
    Set_Picture_Box_Function([](Picture_Box_Kind kind) {
      if (kind == Picture_Box_Kind::YesNo || kind == Picture_Box_Kind::Game_YesNo)
        Dialog_Answer = Preset_Dialog_Answer;
      else if (kind != Picture_Box_Kind::Yes)
        Retry_Dialog_Answer = Preset_Retry_Dialog_Answer;
    });
    forms::Tutor_Settings::Delete_Section(kChar);
    Register_All_Screens();
    Main().Show();
    SetForegroundWindow(Main().Hwnd());
    ASSERT_TRUE(Pump_Until([] { return GetForegroundWindow() == Main().Hwnd(); }));
  }
  void TearDown() override {
    Stop_Current_Exercise(Main());
    Set_Picture_Box_Function({});
    if (Sound_Card_Present) {
      // Leave the test desktop's sound device as it started: silent and its file empty.
      Stop_Sound();
      Pump_For(100);
      testkit::Empty_Sound_Output();
    }
    Sound_Card_Present = false;
    for (const std::string& file : copied_) DeleteFileA(file.c_str());
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) RemoveDirectoryA(it->c_str());
    forms::Tutor_Settings::Delete_Section(kChar);
    forms::Set_Message_Box_Function({});
    Set_Beep_Function({});
    Set_Exit_Function({});
    for (const char* n : {"\\English\\Character\\0.txt", "\\English\\Character\\1.txt"})
      DeleteFileA((folder_ + n).c_str());
    RemoveDirectoryA((folder_ + "\\English\\Character").c_str());
    RemoveDirectoryA((folder_ + "\\English").c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  // Copies a file of the built program folder into the test's program folder.
  void Copy_From_Program(const std::string& name) {
    std::string folder = folder_;
    for (size_t at = name.find('\\'); at != std::string::npos; at = name.find('\\', at + 1)) {
      folder = folder_ + "\\" + name.substr(0, at);
      if (CreateDirectoryA(folder.c_str(), nullptr)) made_.push_back(folder);
    }
    const std::string target = folder_ + "\\" + name;
    ASSERT_TRUE(CopyFileA((testkit::Tutor_Folder() + "\\" + name).c_str(), target.c_str(), FALSE))
        << name;
    copied_.push_back(target);
  }
  void Lesson(int method, const std::string& bytes) {
    const std::string path =
        folder_ + "\\English\\Character\\" + std::to_string(method) + ".txt";
    ASSERT_TRUE(testkit::Write_File(path, bytes)) << path;
  }
  void Open_Keys_Page() {
    Do_Menu_Item(Main(), English_Type_Item::Keys);
    ASSERT_TRUE(Pump_Until([] { return Current_Panel == 0 && !Panel_Moving; }));
    SetForegroundWindow(Main().Hwnd());
    Main().Set_Focus();
    Pump_For(50);
  }
  // Types one key of the drill and waits until the page has judged it.
  void Drill(std::initializer_list<WORD> chord) {
    const int32_t keys = Key_Char().Key_Count(), lines = Key_Char().Line();
    const bool typing = Key_Char().Line_Typing();
    Chord(chord);
    ASSERT_TRUE(Pump_Until([&] {
      return Key_Char().Key_Count() != keys || Key_Char().Line() != lines ||
             Key_Char().Line_Typing() != typing;
    }, std::chrono::seconds(5)));
    Pump_For(30);  // the key's release
  }
  // Types into the line-typing box and waits for the box to show it.
  void Type_Line(std::initializer_list<WORD> chord, int expected_length) {
    Chord(chord);
    ASSERT_TRUE(Pump_Until([&] { return User().Text_Length() == expected_length; },
                           std::chrono::seconds(5)));
    Pump_For(30);
  }
  // Drills every key of the current line and opens its line typing.
  void Drill_Line(const std::string& keys) {
    for (char c : keys) Drill({static_cast<WORD>(VkKeyScanA(c) & 0xFF)});
    Drill({VK_RETURN});
    ASSERT_TRUE(Key_Char().Line_Typing());
  }
  void Type_Whole_Line(const std::string& keys) {
    int n = 0;
    for (char c : keys) Type_Line({static_cast<WORD>(VkKeyScanA(c) & 0xFF)}, ++n);
  }
  void End_Line_With_Enter(int line_after) {
    Chord({VK_RETURN});
    ASSERT_TRUE(Pump_Until([&] { return !Key_Char().Line_Typing() || Key_Char().Line() != line_after - 1; },
                           std::chrono::seconds(5)));
    Pump_For(30);
  }

  std::string folder_;
  std::vector<std::string> copied_, made_;
  std::vector<std::string> boxes;
  int beeps = 0;
};

TEST_F(Keys_Page, TheDrillJudgesRealKeysAndLightsFlashesAndCountsMisses) {
  Open_Keys_Page();
  EXPECT_TRUE(Panel(0).Visible());
  EXPECT_EQ(Label_Of("Label_Key_Char_Show_Msg").Caption(), "左手 食指 中档键 课程1");
  EXPECT_EQ(Score(), "0");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{5});  // f
  EXPECT_FALSE(Exercise_Running);
  EXPECT_FALSE(Main().Get<forms::Picture_Box>("Picture_Char_Num_Keyboard").Visible());

  // The first key starts the practice and is judged: right.
  Drill({'F'});
  EXPECT_TRUE(Exercise_Running);
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(Score(), "20");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{9});  // j

  // A wrong key: flashed, the error sound (a beep without a sound card), a miss, 20 points.
  Drill({'K'});
  EXPECT_EQ(Score(), "0");
  EXPECT_EQ(Misses(), 1);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(Pictured_Keys(), (std::vector<int>{9, 10}));  // j lit, k flashed
  Shot("keys-drill");

  // A wrong key with Ctrl held: neither flashed nor counted, but a key press for the speed.
  const int32_t presses = Key_Char().Key_Count();
  Chord({VK_CONTROL, 'D'});
  ASSERT_TRUE(Pump_Until([&] { return Key_Char().Key_Count() > presses; }, std::chrono::seconds(5)));
  Pump_For(30);
  EXPECT_FALSE(Lit(2));
  EXPECT_EQ(Misses(), 1);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(Score(), "0");

  // Shift+J answers j (either character of the expected key); the right key clears the flash.
  Drill({VK_SHIFT, 'J'});
  EXPECT_EQ(Score(), "20");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{31});  // Enter
  EXPECT_TRUE(Label_Of("Label_Key_Speed").Visible());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Keys_Page, EachKeyPlaysTheNoteOfItsOwnKey) {
  ASSERT_FALSE(testkit::Sound_Output_File().empty());
  Sound_Card_Present = Has_Sound_Card();
  ASSERT_TRUE(Sound_Card_Present);
  // Only the note of f (slot 5) and the error sound are in this program folder.
  Copy_From_Program("Music\\Sound\\MusicKB\\5.wav");
  Copy_From_Program("Music\\Sound\\cw.wav");
  Open_Keys_Page();
  auto plays = [](const std::function<void()>& key, std::chrono::milliseconds limit) {
    Stop_Sound();
    Pump_For(300);
    const auto before = testkit::Sound_Output_Stamp();
    key();
    return Pump_Until([&] { return testkit::Sound_Output_Stamp() != before && testkit::Sound_Output_Stamp().first > 0; }, limit);
  };
  EXPECT_TRUE(plays([this] { Drill({'F'}); }, std::chrono::seconds(5)));  // f's note
  EXPECT_EQ(Score(), "20");
  EXPECT_TRUE(plays([this] { Drill({'K'}); }, std::chrono::seconds(5)));  // the error sound
  EXPECT_EQ(beeps, 0);
  EXPECT_FALSE(plays([this] { Drill({'J'}); }, std::chrono::milliseconds(600)));  // j's is missing
  EXPECT_EQ(Score(), "20");
}

TEST_F(Keys_Page, LineTypingEndsOnEnterAndTheNextLineIsRemembered) {
  forms::Tutor_Settings::Save(kRemember, "Flag", "1");
  Open_Keys_Page();
  Drill_Line("fj");
  EXPECT_EQ(Score(), "60");  // three right keys of the drill
  EXPECT_TRUE(Input().Visible());
  EXPECT_FALSE(Panel_Keys_Enabled);
  EXPECT_EQ(Source().Text(), "fj");
  EXPECT_EQ(User().Max_Length(), 2);
  EXPECT_EQ(GetFocus(), User().Hwnd());
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{5});  // f again, the first character to copy

  // Enter before the line is complete: the error sound, nothing else.
  Chord({VK_RETURN});
  ASSERT_TRUE(Pump_Until([&] { return beeps == 1; }, std::chrono::seconds(5)));
  EXPECT_EQ(User().Text(), "");

  Type_Line({'F'}, 1);
  EXPECT_EQ(Score(), "80");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{9});
  Type_Line({'X'}, 2);  // wrong: red, stays, 20 off
  EXPECT_EQ(Score(), "60");
  EXPECT_EQ(beeps, 2);
  Shot("keys-line-typing");
  User().Select(1, 1);
  EXPECT_EQ(User().Sel_Color(), RGB(255, 0, 0));
  User().Select(2, 0);
  Type_Line({VK_BACK}, 1);  // deleting a wrong character costs nothing
  EXPECT_EQ(Score(), "60");
  Type_Line({'J'}, 2);
  EXPECT_EQ(Score(), "80");
  User().Select(1, 1);
  EXPECT_EQ(User().Sel_Color(), RGB(0, 0, 0));  // typed in its place in black
  User().Select(2, 0);
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{31});

  // Enter at the line end: +20, the question (next), line 2 begins and is remembered.
  End_Line_With_Enter(2);
  ASSERT_EQ(Key_Char().Line(), 2);
  EXPECT_FALSE(Input().Visible());
  EXPECT_TRUE(Panel_Keys_Enabled);
  EXPECT_EQ(Score(), "100");
  EXPECT_EQ(Label_Of("Label_Key_Char_Show_Msg").Caption(), "右手 食指 中档键 课程1");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{9});
  EXPECT_EQ(Label_Of("Label_Key_Speed").Width(), 0);
  EXPECT_EQ(Stored(kLineNum, "0"), "2");
  EXPECT_EQ(Stored(kCountNum, "0"), "100");

  // The drill goes on through the main window's keys.
  Drill({'J'});
  EXPECT_EQ(Score(), "120");

  // Stopping, then starting the page again (as after a restart): line 2 with its score.
  Image_Key_Char_Click(Main(), 2);
  EXPECT_FALSE(Exercise_Running);
  Open_Keys_Page();
  EXPECT_EQ(Key_Char().Line(), 2);
  EXPECT_EQ(Score(), "100");
  EXPECT_EQ(Label_Of("Label_Key_Char_Show_Msg").Caption(), "右手 食指 中档键 课程1");

  // With the flag off the lesson starts at line 1 with score 0, and progress is still written.
  forms::Tutor_Settings::Save(kRemember, "Flag", "0");
  Open_Keys_Page();
  EXPECT_EQ(Key_Char().Line(), 1);
  EXPECT_EQ(Score(), "0");
  Drill_Line("fj");
  Type_Whole_Line("fj");
  End_Line_With_Enter(2);
  EXPECT_EQ(Stored(kLineNum, "0"), "2");
  EXPECT_EQ(Stored(kCountNum, "0"), "120");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Keys_Page, TheLastLineEndsTheLessonAndTheProgressGoesBackToTheStart) {
  forms::Tutor_Settings::Save(kRemember, "Flag", "1");
  forms::Tutor_Settings::Save(kLineNum, "0", "2");
  forms::Tutor_Settings::Save(kCountNum, "0", "400");
  forms::Tutor_Settings::Save(kLineNum, "1", "1");  // the keypad's progress is its own
  forms::Tutor_Settings::Save(kCountNum, "1", "60");
  Open_Keys_Page();
  EXPECT_EQ(Key_Char().Line(), 2);
  EXPECT_EQ(Score(), "400");
  Drill_Line("jf");
  Type_Whole_Line("jf");
  Chord({VK_RETURN});
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }, std::chrono::seconds(5)));
  Pump_For(50);
  EXPECT_EQ(Stored(kLineNum, "0"), "1");
  EXPECT_EQ(Stored(kCountNum, "0"), "0");
  EXPECT_EQ(Stored(kLineNum, "1"), "1");
  EXPECT_EQ(Stored(kCountNum, "1"), "60");
  // The page is idle at the start of the lesson again.
  EXPECT_EQ(Key_Char().Line(), 1);
  EXPECT_EQ(Score(), "0");
  EXPECT_FALSE(Input().Visible());
  EXPECT_TRUE(Main().Get<forms::Image>("Image_Key_Char", 0).Enabled());
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  // The keys go to the drill again, none into the hidden typing box.
  const std::string left_in_box = User().Text();
  Drill({'F'});
  EXPECT_TRUE(Exercise_Running);
  EXPECT_EQ(Score(), "20");
  EXPECT_EQ(User().Text(), left_in_box);
  EXPECT_NE(GetFocus(), User().Hwnd());
}

TEST_F(Keys_Page, PauseStopsTheJudgingUntilContinue) {
  Open_Keys_Page();
  Drill({'F'});
  Image_Key_Char_Click(Main(), 1);
  EXPECT_TRUE(Key_Char_Paused);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(Main().Get<forms::Image>("Image_Key_Char", 1).Tool_Tip_Text(), "继续");
  Shot("keys-paused");
  EXPECT_TRUE(static_cast<bool>(Main().Get<forms::Image>("Image_Key_Char", 1).Get_Picture()));
  Chord({'K'});
  Chord({'J'});
  Pump_For(300);
  EXPECT_EQ(Score(), "20");
  EXPECT_EQ(Misses(), 0);
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{9});

  Image_Key_Char_Click(Main(), 1);
  EXPECT_FALSE(Key_Char_Paused);
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_EQ(Main().Get<forms::Image>("Image_Key_Char", 1).Tool_Tip_Text(), "暂停");
  Drill({'J'});
  EXPECT_EQ(Score(), "40");
}

TEST_F(Keys_Page, TenMissesAskOnTheReleaseAndARetryRestoresTheLinesScore) {
  forms::Tutor_Settings::Save(kRemember, "Flag", "1");
  forms::Tutor_Settings::Save(kLineNum, "0", "1");
  forms::Tutor_Settings::Save(kCountNum, "0", "300");
  Open_Keys_Page();
  Drill({'F'});
  EXPECT_EQ(Score(), "320");
  for (int i = 0; i < 9; ++i) Drill({'K'});
  EXPECT_EQ(Misses(), 9);
  EXPECT_EQ(Score(), "140");
  Preset_Dialog_Answer = 0;  // yes: the line again
  Drill({'K'});
  // The tenth miss's release asked and the retry cleared the misses and restored the score.
  ASSERT_TRUE(Pump_Until([] { return Misses() == 0; }, std::chrono::seconds(5)));
  EXPECT_EQ(Score(), "300");
  EXPECT_EQ(Key_Char().Position(), 1);
  EXPECT_TRUE(Exercise_Running);
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{5});

  for (int i = 0; i < 9; ++i) Drill({'K'});
  Preset_Dialog_Answer = 1;  // no: the page stops, idle at the remembered line
  Drill({'K'});
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }, std::chrono::seconds(5)));
  EXPECT_EQ(Misses(), 0);
  EXPECT_EQ(Score(), "300");
  EXPECT_EQ(Stored(kCountNum, "0"), "300");
}

TEST_F(Keys_Page, TheKeypadLessonTakesTheMainRowDigitsAndIgnoresLetters) {
  forms::Tutor_Settings::Save(kChar, "Type Method", "1");
  Open_Keys_Page();
  EXPECT_TRUE(Main().Get<forms::Picture_Box>("Picture_Char_Num_Keyboard").Visible());
  EXPECT_EQ(Label_Of("Label_Key_Char_Show_Msg").Caption(), "数字键盘的练习");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{62});  // keypad 4
  Drill({'4'});
  EXPECT_EQ(Score(), "20");
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{63});
  Drill({'A'});  // a miss, neither flashed nor sounded
  EXPECT_EQ(Misses(), 1);
  EXPECT_EQ(beeps, 0);
  EXPECT_EQ(Pictured_Keys(), std::vector<int>{63});
  Drill({'6'});  // another keypad key: flashed and sounded
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(Pictured_Keys(), (std::vector<int>{63, 64}));
  Shot("keys-keypad");
}

TEST_F(Keys_Page, AMissingOrMalformedLessonIsReportedAndNothingIsStored) {
  forms::Tutor_Settings::Save(kRemember, "Flag", "1");
  forms::Tutor_Settings::Save(kLineNum, "0", "2");
  forms::Tutor_Settings::Save(kCountNum, "0", "80");
  const struct {
    const char* bytes;  // nullptr: no file
    const char* message_part;
  } cases[] = {
      {nullptr, "0.txt"},
      {"lf11fj\r\nrf11\r\n", "第 2 行"},       // a line with no key
      {"lf11f\xD6\xD0j\r\n", "第 1 行"},        // a key no key of the keyboard types
      {"", "0.txt"},                            // no lesson line at all
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes ? c.bytes : "(missing)");
    const std::string path = folder_ + "\\English\\Character\\0.txt";
    DeleteFileA(path.c_str());
    if (c.bytes) Lesson(0, c.bytes);
    boxes.clear();
    Open_Keys_Page();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(c.message_part), std::string::npos) << boxes[0];
    EXPECT_TRUE(Pictured_Keys().empty());
    EXPECT_EQ(Label_Of("Label_Key_Char_Show_Msg").Caption(), "");
    // Keys neither start nor judge anything.
    Chord({'F'});
    Chord({VK_RETURN});
    Pump_For(200);
    EXPECT_FALSE(Exercise_Running);
    EXPECT_FALSE(Input().Visible());
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Stored(kLineNum, "0"), "2");
    EXPECT_EQ(Stored(kCountNum, "0"), "80");
  }
  // The lesson mended, the remembered place is found again.
  Lesson(0, kTwoLines);
  boxes.clear();
  Open_Keys_Page();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Key_Char().Line(), 2);
  EXPECT_EQ(Score(), "80");
}

// ---- The pause button's looks while paused ----

// The pixels of a bitmap as 32-bit rows (empty for no bitmap).
std::vector<unsigned char> Bits_Of(HBITMAP bitmap) {
  std::vector<unsigned char> bits;
  BITMAP description{};
  if (!bitmap || !GetObjectA(bitmap, sizeof description, &description)) return bits;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = description.bmWidth;
  info.bmiHeader.biHeight = description.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  bits.resize(static_cast<size_t>(description.bmWidth) * description.bmHeight * 4);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, description.bmHeight, bits.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return bits;
}

// True when the button shows the named bitmap of the resource library.
bool Shows(forms::Image& button, const char* name) {
  HMODULE library = LoadLibraryA(Resource_Library_Path.c_str());
  HBITMAP bitmap = LoadBitmapA(library, name);
  const bool same = !Bits_Of(bitmap).empty() && Bits_Of(bitmap) == Bits_Of(button.Get_Picture().Handle());
  DeleteObject(bitmap);
  FreeLibrary(library);
  return same;
}

TEST_F(Keys_Page, WhilePausedThePauseButtonShowsItsHoverLookAndGetsItsPausedLookBack) {
  Open_Keys_Page();
  Drill({'F'});
  forms::Image& pause = Main().Get<forms::Image>("Image_Key_Char", 1);
  Image_Key_Char_Click(Main(), 1);
  ASSERT_TRUE(Key_Char_Paused);
  EXPECT_TRUE(Shows(pause, "mycharchar4"));
  // The pointer leaves the buttons and comes back over the pause button.
  Reset_Key_Char_Button_Picture(Main());
  EXPECT_TRUE(Shows(pause, "mycharchar4"));
  Image_Key_Char_MouseMove(Main(), 1);
  EXPECT_TRUE(Shows(pause, "mycharchar3"));
  Shot("keys-paused-hover");
  // Off it again, then over another button: the pause button keeps its paused look.
  Reset_Key_Char_Button_Picture(Main());
  EXPECT_TRUE(Shows(pause, "mycharchar4"));
  Image_Key_Char_MouseMove(Main(), 2);
  EXPECT_TRUE(Shows(Main().Get<forms::Image>("Image_Key_Char", 2), "mycharchar5"));
  EXPECT_TRUE(Shows(pause, "mycharchar4"));
  Reset_Key_Char_Button_Picture(Main());
  EXPECT_FALSE(static_cast<bool>(Main().Get<forms::Image>("Image_Key_Char", 2).Get_Picture()));
  // Continue: the hover look as before, and the button empty after the reset.
  Image_Key_Char_Click(Main(), 1);
  ASSERT_FALSE(Key_Char_Paused);
  Reset_Key_Char_Button_Picture(Main());
  EXPECT_FALSE(static_cast<bool>(pause.Get_Picture()));
  Image_Key_Char_MouseMove(Main(), 1);
  EXPECT_TRUE(Shows(pause, "mycharchar3"));
}

}  // namespace
}  // namespace quillon
