#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The scrolling credits' script and pacing, apart from the window that draws them.

// Kind of a credits line, from its last character.
enum Credit_Kind {
  kCreditPlain = 0,
  kCreditKind1 = 1,
  kCreditKind2 = 2,
  kCreditKind3 = 3,
  kCreditBitmap = 4,
};

struct Credit_Line {
  Credit_Kind kind = kCreditPlain;
  std::string text;  // without its marker; for a bitmap line the bitmap's resource name
};

// Splits the script at every separator; an empty piece is a line too.
std::vector<std::string> Split_Credits(const std::string& script, char separator);

// The kind of a line by its last character against markers[0..3] (kinds 1, 2, 3, bitmap),
// with the marker taken off.
Credit_Line Classify_Credit_Line(const std::string& line, const char markers[4]);

// Which line enters the band and when. One Tick per timer tick while no bitmap line is in
// progress: the tick counter advances, and every `line height` ticks the next line is fetched
// (the script repeats without end).
class Credits_Pacer {
 public:
  void Rewind();
  // Returns true when this tick fetched a line; then Current() is the fetched line's index.
  bool Tick(std::size_t lineCount, int lineHeight);
  // A bitmap line has finished: the next line is fetched a line height later.
  void Bitmap_Done();

  std::size_t Current() const { return current_; }
  std::size_t Next() const { return next_; }
  bool First_Pass() const { return firstPass_; }
  // Whether the last fetch happened during the first pass (the fetch that ends the first pass
  // counts as one).
  bool Fetched_In_First_Pass() const { return fetchedInFirstPass_; }
  int Counter() const { return counter_; }

 private:
  int counter_ = 1;
  std::size_t current_ = static_cast<std::size_t>(-1);
  std::size_t next_ = 0;
  bool firstPass_ = true;
  bool fetchedInFirstPass_ = false;
};
