#pragma once
// The tutor's settings, each a named constant with its default: one definition per value of the
// settings store ("QL", sections under "Setting\"), read and written through one function per
// type. A value missing from the store, or not a number where a number is read, gives its default.

#include <windows.h>

#include <string>

#include "forms/settings.h"

namespace quillon {

struct Int_Setting {
  const char* section;
  const char* key;
  int fallback;
};
struct Text_Setting {
  const char* section;
  const char* key;
  const char* fallback;
};

inline int Read(const Int_Setting& s) {
  return forms::Tutor_Settings::Get_Int(s.section, s.key, s.fallback);
}
inline std::string Read(const Text_Setting& s) {
  return forms::Tutor_Settings::Get(s.section, s.key, s.fallback);
}
inline void Write(const Int_Setting& s, int value) {
  forms::Tutor_Settings::Save(s.section, s.key, std::to_string(value));
}
inline void Write(const Text_Setting& s, const std::string& value) {
  forms::Tutor_Settings::Save(s.section, s.key, value);
}

// ---- System ----
// "1" while the About box is on show (a second start then leaves the first one alone).
inline constexpr Text_Setting kAboutFlag{"Setting\\System", "About Flag", ""};
inline constexpr Int_Setting kBGMusicOn{"Setting\\System", "BG Music", 1};
inline constexpr Int_Setting kSoundOn{"Setting\\System", "Sound", 1};
inline constexpr Int_Setting kMusicKBOn{"Setting\\System", "Music KB", 0};
// The window activation key and the close key: shift state and key code.
inline constexpr Int_Setting kActiveShift{"Setting\\System\\Active System", "Shift", 0};
inline constexpr Int_Setting kActiveKeyCode{"Setting\\System\\Active System", "KeyCode", VK_F9};
inline constexpr Int_Setting kCloseShift{"Setting\\System\\Close System", "Shift", 0};
inline constexpr Int_Setting kCloseKeyCode{"Setting\\System\\Close System", "KeyCode", VK_F12};

// ---- Courses ----
inline constexpr Int_Setting kArticleLesson{"Setting\\Article", "Lesson", 5};
inline constexpr Int_Setting kEnglishArticleTypeMethod{"Setting\\English\\Article", "Type Method", 0};
inline constexpr Int_Setting kEnglishArticleRemember{"Setting\\English\\Article\\Remember", "Flag",
                                                     1};
inline constexpr Int_Setting kPinYinTypeMethod{"Setting\\Chinese\\PinYin", "Type Method", 0};
inline constexpr Int_Setting kPinYinRemember{"Setting\\Chinese\\PinYin\\Remember", "Flag", 1};
inline constexpr Int_Setting kWubiTypeMethod{"Setting\\Chinese\\Wubi", "Type Method", 2};
// The input method of Chinese dictation: 0 Wubi, 1 PinYin.
inline constexpr Int_Setting kAuditionIndex{"Setting\\Audition", "Index", 1};
inline constexpr Int_Setting kAuditionShowSource{"Setting\\Audition", "Show Source", 1};
inline constexpr Int_Setting kAuditionRemember{"Setting\\Audition\\Remember", "Flag", 1};
// Dictation's lesson numbers, one value per language and layout ("<language> <show source>").
inline constexpr char kAuditionLessionSection[] = "Setting\\Audition\\Remember\\Lession Index";
// The chosen input method of each kind: its position in the dialog's list, identifier and text.
inline constexpr Int_Setting kWubiCodeIndex{"Setting\\Chinese\\Wubi\\Code", "Index", 0};
inline constexpr Text_Setting kWubiCodeValue{"Setting\\Chinese\\Wubi\\Code", "Value", ""};
inline constexpr Text_Setting kWubiCodeName{"Setting\\Chinese\\Wubi\\Code", "Name", ""};
inline constexpr Int_Setting kPinYinCodeIndex{"Setting\\Chinese\\PinYin\\Code", "Index", 0};
inline constexpr Text_Setting kPinYinCodeValue{"Setting\\Chinese\\PinYin\\Code", "Value", ""};
inline constexpr Text_Setting kPinYinCodeName{"Setting\\Chinese\\PinYin\\Code", "Name", ""};
// The article course's progress, each under "<language> <category> <method>": the position
// reached (characters, or the line in the line-by-line layout), the article number and the
// characters of the finished lines (line-by-line layout).
inline constexpr const char* kArticleTextLenSection = "Setting\\Article\\Remember\\TextLen Index";
inline constexpr char kArticleLessionSection[] = "Setting\\Article\\Remember\\Lession Index";
inline constexpr char kArticleLastLinesSection[] =
    "Setting\\Article\\Remember\\Last Lines Char Num";
// English words: the list (0 to 7), words per group and review lines per round (1 to 99), the
// next character highlighted, and whether a start resumes the remembered progress.
inline constexpr Int_Setting kWordLesson{"Setting\\English\\Word", "Lesson", 3};
inline constexpr Int_Setting kWordWordsNum{"Setting\\English\\Word", "Words Num", 5};
inline constexpr Int_Setting kWordLinesNum{"Setting\\English\\Word", "Lines Num", 4};
inline constexpr Int_Setting kWordCursorPrompt{"Setting\\English\\Word", "Cursor Prompt", 1};
inline constexpr Int_Setting kWordRemember{"Setting\\English\\Word\\Remember", "Flag", 1};
// The words' progress: one value per list, named by the list number.
inline constexpr char kWordStudyedNumSection[] = "Setting\\English\\Word\\Remember\\Studyed Num";
inline constexpr char kWordBeginPosSection[] = "Setting\\English\\Word\\Remember\\Begin Pos";

// ---- Speed tests ----
// The most records a speed-test list keeps (the function-settings dialog offers 1 to 9999).
inline constexpr Int_Setting kMaxRecord{"Setting\\Test", "Max Record", 100};
// 1: the compare-text test marks the next expected character of the source line.
inline constexpr Int_Setting kTestCursorPrompt{"Setting\\Test\\Remember", "Flag", 1};
// The name saved with the last new speed-test record: the result window's preset.
inline constexpr Text_Setting kResultName{"Setting\\Test\\Remember", "Result Name", ""};

// ---- The options of the function-settings dialog not named above, by tab ----
// Keys practice (the English words' options, the input methods' choices and the article
// category are named above).
inline constexpr Int_Setting kCharTypeMethod{"Setting\\English\\Char", "Type Method", 0};
inline constexpr Int_Setting kCharRemember{"Setting\\English\\Char\\Remember", "Flag", 1};
inline constexpr Int_Setting kCharCursorPrompt{"Setting\\English\\Char", "Cursor Prompt", 1};
// English articles (the category is kArticleLesson).
inline constexpr Int_Setting kArticleCursorPrompt{"Setting\\Article", "Cursor Prompt", 1};
// Wubi.
inline constexpr Int_Setting kWubiCursorPrompt{"Setting\\Chinese\\Wubi", "Cursor Prompt", 1};
inline constexpr Int_Setting kWubiInfo{"Setting\\Chinese\\Wubi", "Info", 1};
inline constexpr Int_Setting kWubiRemember{"Setting\\Chinese\\Wubi\\Remember", "Flag", 1};
// Games.
inline constexpr Int_Setting kPoliceSpeedNum{"Setting\\Game\\Police", "Speed Num", 50};
inline constexpr Int_Setting kPoliceWaitTime{"Setting\\Game\\Police", "Police Wait Time", 5};
inline constexpr Int_Setting kBalkWaitTime{"Setting\\Game\\Police", "Balk Wait Time", 3};
inline constexpr Int_Setting kPoliceRemember{"Setting\\Game\\Police\\Remember", "Flag", 1};
// The byte position (1-based) of the police game's text where the next game's line begins.
inline constexpr Int_Setting kPoliceBeginPosition{"Setting\\Game\\Police\\Remember",
                                                  "Begin Position", 1};
inline constexpr Int_Setting kAppleSpeedNum{"Setting\\Game\\Apple", "Speed Num", 50};
inline constexpr Int_Setting kAppleGameTime{"Setting\\Game\\Apple", "Game Time", 1};
inline constexpr Int_Setting kAppleBalloonNum{"Setting\\Game\\Apple", "Balloon Num", 6};
inline constexpr Int_Setting kMouseSpeedNum{"Setting\\Game\\Mouse", "Speed Num", 50};
inline constexpr Int_Setting kMouseGameTime{"Setting\\Game\\Mouse", "Game Time", 1};
inline constexpr Int_Setting kMouseNum{"Setting\\Game\\Mouse", "Mouse Num", 4};
inline constexpr Int_Setting kMouseDisappearTime{"Setting\\Game\\Mouse", "Disappear Time", 6};
inline constexpr Int_Setting kFrogLesson{"Setting\\Game\\Frog", "Lesson", 3};
inline constexpr Int_Setting kFrogSpeedNum{"Setting\\Game\\Frog", "Speed Num", 50};
inline constexpr Int_Setting kFrogRemember{"Setting\\Game\\Frog\\Remember", "Flag", 1};
// The byte position (1-based) in a frog word list where the next game's words begin: one value
// per list, its key the list's number.
inline constexpr const char* kFrogBeginPositionSection =
    "Setting\\Game\\Frog\\Remember\\Begin Position";
inline Int_Setting Frog_Begin_Position_Setting(int lesson) {
  static const char* const keys[] = {"0", "1", "2", "3", "4", "5", "6", "7"};
  return {kFrogBeginPositionSection, keys[lesson < 0 || lesson > 7 ? 0 : lesson], 1};
}
// Speed tests and records.
inline constexpr Int_Setting kTestRemember{"Setting\\Test\\Remember", "Flag", 1};
inline constexpr Int_Setting kTestMaxRecord{"Setting\\Test", "Max Record", 100};
// Free typing.
inline constexpr Int_Setting kFreeTypeNoPaste{"Setting\\Free Type", "Paste", 0};
inline constexpr Int_Setting kFreeTypeNoOpen{"Setting\\Free Type", "Open", 0};
inline constexpr Int_Setting kFreeTypeCoefficient{"Setting\\Free Type", "PaintPicture Coefficient",
                                                  1};

// ---- The system-settings dialog's key texts and display fonts ----
inline constexpr Text_Setting kActiveShiftString{"Setting\\System\\Active System", "Shift String", ""};
inline constexpr Text_Setting kActiveKeyCodeString{"Setting\\System\\Active System",
                                                   "KeyCode String", "F9"};
inline constexpr Text_Setting kCloseShiftString{"Setting\\System\\Close System", "Shift String", ""};
inline constexpr Text_Setting kCloseKeyCodeString{"Setting\\System\\Close System", "KeyCode String",
                                                  "F12"};
inline constexpr Text_Setting kEnglishFont{"Setting\\System\\Font", "0", "Courier New"};
inline constexpr Text_Setting kChineseFont{"Setting\\System\\Font", "1", "宋体"};

}  // namespace quillon
