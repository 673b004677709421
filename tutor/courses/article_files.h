#pragma once
// The article course's files and progress: the article reader (the whole text as expected
// characters, and the line form of the line-by-line layout), the last-article test, the right
// marks of a resumed text and the three progress keys. Plain logic over the shared text state
// (services/globals.h); no window code.
//
// An article is "<program folder><Lesson_Folder><n>.txt", n = 1, 2, ... without gaps, in code
// page 936 with CR LF line ends. Every line break of the text counts two characters (CR and LF),
// the text's own last line break is not part of it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Positions of the typing boxes are 16-bit counts: a longer article is refused.
constexpr int kMostArticleChars = 32767;
// Slots of one line of the line-by-line layout: at most 399 characters and the line end.
constexpr int kLineSlots = 400;

// ---- The whole text (layouts 0 and 1, dictation) ----

// The expected characters of an article's bytes: every character, each line break as "\r" and
// "\n"; a line ends with CR LF, a lone CR or a lone LF; the text's last line break (if any) is
// dropped. An empty file gives no characters.
std::vector<std::string> Article_Characters(std::string_view bytes);

// Reads the article at `path` into Article_Char (elements 1..n the expected characters, then "",
// "\n" and "") and returns n. A missing or unreadable file, or one without any character, shows
// the error box and gives 0 (Article_Char then holds one empty element).
int Load_Article_File(const std::string& path);

// A text longer than the boxes' 16-bit positions allow is refused: throws the runtime's
// "Overflow" (error 6) for more than kMostArticleChars characters.
void Check_Article_Size(int length);

// The expected text as one string (what the source box shows): Article_Char(1..Text_Length).
std::string Article_Text();

// ---- The line form (layout 2) ----

// The non-empty lines of an article's bytes, each as its characters; empty lines are skipped.
std::vector<std::vector<std::string>> Article_Line_Characters(std::string_view bytes);

// The open article's lines (1-based through Article_Line(n)); Lesson_Char_Total their characters.
extern std::vector<std::vector<std::string>> Article_Lines;
extern int Lesson_Char_Total;
int Line_Count();
const std::vector<std::string>& Article_Line(int line);  // 1..Line_Count(); empty outside

// Reads the article at `path` into Article_Lines and returns the number of lines; 0 with the error
// box for a missing or unreadable file, an empty one, or a line of kLineSlots characters or more
// (the table is then empty).
int Load_Article_Lines(const std::string& path);

// ---- Articles of a category and progress ----

// "<program folder><Lesson_Folder><number>.txt".
std::string Article_File(int number);
// True when the category holds no article after `number` (its next number is missing); false
// when it does or when the look-up fails. `folder` is the path before the number (the
// category's folder; dictation adds its "t").
bool Is_Last_Article(const std::string& folder, int number);
bool Is_Last_Article();  // for Article_Number in the open category

// Char_Right_Mark as 1..Text_Length, the first Char_Position marks true (a resumed part counts as
// typed right), the others false. Never marks outside the text.
void Mark_Typed_Prefix_Right();

// A progress value of the open course (sections in services/tutor_settings.h) under
// Article_Progress_Name() ("<language> <category> <method>", services/overwrite_typing.h).
int Read_Progress(const char* section, int fallback);
void Store_Progress(const char* section, int value);

// The state the article layouts share besides the globals.
extern int Article_Number;
extern std::string Article_Path;
extern int Resume_Offset;        // layout 0: characters typed in an earlier run
extern double Lesson_Start_Time; // seconds, from the menu choice on
// Design widths of the bars, captured once a run by Get_Article_Bar_Width.
extern float Progress_Bar_Width;
extern float Line_Speed_Bar_Width;
extern float Wubi_Bar_Width;

}  // namespace quillon
