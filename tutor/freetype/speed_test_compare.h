#pragma once
// The compare-text speed test's judging: a text file's lines shown six to a page, each source
// line above a user line into which the user copies it. Every character typed is judged exactly
// against the character at its place in the source line (per UTF-16 character: a Chinese
// character is one); a line filled to its full length locks and the next pair takes over, the
// page turns after the sixth pair, and the last line ends the test.
//
// Plain logic: what the page shows, plays or switches goes through Compare_Test_View, so the
// window code only forwards the user lines' changes and keys here.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

constexpr int kComparePairs = 6;          // line pairs on the page
constexpr int kCompareLineChars = 499;    // a longer line is cut to this many characters
constexpr int kCompareMaxLines = 32766;   // non-empty lines a file may hold (16-bit numbers)

// The lines of a text file as the test uses them: the bytes in the system code page converted to
// UTF-16; a line ends at CR, CR LF or a lone LF; empty lines are dropped (a line of blanks is
// kept); a Tab reads as a blank (a single-line box cannot take one); a line is cut to 499
// characters. Throws forms::Runtime_Error 6 ("Overflow") past kCompareMaxLines lines.
std::vector<std::wstring> Compare_Text_Lines(const std::string& bytes);

// What the page does on the test's behalf. Pairs are 0 to 5; offsets count characters.
class Compare_Test_View {
 public:
  virtual ~Compare_Test_View() = default;
  // Pair filled with a line: the source line shows it, the user line is emptied, takes the
  // line's length as its maximum, caret 0 and black typing; or both lines emptied.
  virtual void Fill_Pair(int pair, const std::wstring& line) = 0;
  virtual void Clear_Pair(int pair) = 0;
  // The character at `offset` of the user line coloured red (wrong) or black; the caret after
  // it and the typing colour black again.
  virtual void Colour_Typed(int pair, int offset, bool wrong) = 0;
  virtual void Set_Typing_Black(int pair) = 0;
  // The source line's caret at `offset`, the character there selected when `select`.
  virtual void Show_Source_Prompt(int pair, int offset, bool select) = 0;
  virtual void Lock_User(int pair, bool locked) = 0;
  // The user line unlocked, its caret at `offset` and the focus on it.
  virtual void Open_User(int pair, int offset) = 0;
  virtual void Show_Counts(int32_t typed, double rate) = 0;
  virtual void Play_Key_Sound(wchar_t expected) = 0;
  virtual void Play_Wrong_Sound() = 0;
  // The clock and the judging held (true) while lines change, then let go.
  virtual void Hold(bool held) = 0;
  // One Backspace to the focused line, handled before this returns.
  virtual void Send_Backspace() = 0;
  // The last line is done.
  virtual void Finished() = 0;
};

class Compare_Test {
 public:
  explicit Compare_Test(Compare_Test_View& view) : view_(view) {}

  // A new test on these lines (at least one): counts zero, the first page filled.
  void Start(std::vector<std::wstring> lines, bool cursor_prompt);
  // Drops the lines (the page set-up).
  void Reset();

  // A change of a user line: its whole text now.
  void Change(int pair, const std::wstring& text);
  // Backspace in an empty user line below the first pair of a page reopens the line above;
  // true when it did.
  bool Back_Step(int pair, int text_length);

  int Line_Count() const { return static_cast<int>(lines_.size()); }
  int32_t Total_Chars() const { return total_chars_; }
  int Line_Number() const { return line_number_; }  // 1-based, the line being typed
  int Current_Pair() const { return current_pair_; }
  int Char_Position() const { return char_position_; }
  int32_t Right_Chars() const { return right_chars_; }
  int32_t Finished_Chars() const { return finished_chars_; }
  int32_t Typed_Chars() const { return finished_chars_ + current_length_; }
  double Right_Rate() const;
  bool Running() const { return running_; }

 private:
  void Fill_Page();
  void End_Line(int pair, int length);
  void Take_Back(int pair, int from, int to);  // marks of positions from..to (1-based)

  Compare_Test_View& view_;
  std::vector<std::wstring> lines_;
  int32_t total_chars_ = 0;
  int line_number_ = 1;
  int current_pair_ = 0;
  int char_position_ = 0;
  int current_length_ = 0;
  int32_t right_chars_ = 0;
  int32_t finished_chars_ = 0;
  bool cursor_prompt_ = true;
  bool running_ = false;
  std::array<int, kComparePairs> pair_length_{};
  // Right marks per pair and position (1-based; 0 unused).
  std::array<std::array<bool, kCompareLineChars + 2>, kComparePairs> right_{};
};

}  // namespace quillon
