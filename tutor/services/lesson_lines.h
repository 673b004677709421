#pragma once

// The lesson-line arrays the keys practice (and the Wubi line practice) drill from, and the reader
// of the keys practice's lesson files "\English\Character\0.txt" (main keyboard) and "1.txt"
// (numeric keypad).
//
// Plain logic, no window code: the reader gives a result the caller shows in its error box.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A table of one-character strings (code page 936, "" when empty) indexed (position, line), both
// from 1, with a fixed number of positions per line. Each line keeps its cells up to the last one
// written, two bytes a cell, one after another in one buffer, so a lesson's table takes about
// twice the bytes of its file whatever the length of its lines. Writing lines in order, each from
// its first position, only appends; a write past the end of an earlier line moves the lines after
// it.
class Lesson_Line_Table {
 public:
  explicit Lesson_Line_Table(int positions);

  int Positions() const { return positions_; }
  int Lines() const { return static_cast<int>(starts_.size()) - 1; }

  // 1 to `positions` by 1 to `lines`, every cell empty.
  void Redim(int positions, int lines);
  // Changes the number of lines, keeping what the kept lines hold.
  void Redim_Preserve_Lines(int lines);
  // Room for `lines` lines holding `cells` cells in all, so that filling them moves nothing.
  void Reserve(int lines, size_t cells);

  // Both throw std::out_of_range outside 1..Positions() by 1..Lines(); Set throws
  // std::invalid_argument for a text that is not one character (or "") of code page 936.
  const std::string operator()(int position, int line) const;
  void Set(int position, int line, std::string_view character);

  // Bytes the table holds for its cells and lines.
  size_t Memory_Bytes() const {
    return cells_.capacity() * sizeof(Cell) + starts_.capacity() * sizeof(uint32_t);
  }

 private:
  // One or two bytes of a character; an empty cell and a one-byte character have a second byte
  // no double-byte character has (1 and 0).
  struct Cell {
    char first = 0;
    char second = 1;
  };
  void Check(int position, int line) const;
  int positions_ = 1;
  std::vector<Cell> cells_;
  // Where each line's cells begin in cells_, and one more entry for the end of the last line
  // (a table holds at most 32767 lines of 400 cells, well within 32 bits).
  std::vector<uint32_t> starts_;
};

// Positions of a lesson line: its keys and the carriage return stored right after the last one.
constexpr int kLessonLinePositions = 400;
// Positions of a lesson code (1 to 4 used).
constexpr int kLessonHeadPositions = 10;
// The most keys a keys-practice lesson line can hold (the carriage return takes position 400).
constexpr int kMostLessonKeys = kLessonLinePositions - 1;
// The carriage return that closes every lesson line (the Enter the drill asks for).
inline const std::string kLineEnd = "\r";

// The shared lesson-line arrays: Lesson_Line_Char(1..400, 1..lines + 1) holds the keys of each
// line followed by a carriage return; Lesson_Line_Head(1..10, 1..lines + 1) holds the four
// characters of each line's lesson code in positions 1 to 4. Both always hold one line more than
// the lesson has (the last one empty).
extern Lesson_Line_Table Lesson_Line_Char;
extern Lesson_Line_Table Lesson_Line_Head;

// Brings both arrays back to a single element, as switching to another exercise does.
void Shrink_Lesson_Lines();

enum class Lesson_File_Status {
  Ok,
  Missing,         // the file does not exist
  Unreadable,      // it exists but cannot be read
  Line_Too_Long,   // a line has more than 399 keys after its lesson code
  No_Keys,         // a line holds its lesson code (or less) and no key
  Too_Many_Lines,  // more lesson lines than a lesson can count
  No_Lines,        // the file holds no lesson line
  Foreign_Key,     // a key the drilled part of the keyboard has no key for
};

struct Lesson_File_Result {
  Lesson_File_Status status = Lesson_File_Status::Ok;
  // Lesson lines read; 0 unless status is Ok.
  int16_t lines = 0;
  // For a fault of one line: its number in the file (empty lines counted), else 0.
  int file_line = 0;
  // For Foreign_Key: the character.
  std::string character;
  // The file's name as given to the reader.
  std::string path;

  bool Ok() const { return status == Lesson_File_Status::Ok; }
  // The text for the tutor's error box (code page 936, without the closing "!").
  std::string Message() const;
};

// How an error message names a character of a lesson (its bytes, code page 936): a character that
// can be shown (a printable ASCII character, or a double-byte character of the code page that
// takes ink) in quotes, "“a”"; anything else (control and blank characters, a lone lead byte,
// a NUL, bytes the code page has no character for) by its byte values, "（字节 0xB0）".
std::string Character_Display_Name(const std::string& character);

// Fills the two tables from the bytes of a keys lesson file (code page 936; lines end in CR LF, a
// lone CR or a lone LF). Every non-empty line is one lesson line: four characters of lesson code,
// then 1 to 399 keys; letters are lowered. With a type method of 0 (main keyboard) or 1 (keypad)
// every key must also have its key in that part of the keyboard (the key table must be filled);
// any other value checks no keys. On any fault both tables are left with one empty line and the
// result says which line of the file is at fault.
Lesson_File_Result Parse_Key_Char_Lesson(std::string_view bytes, Lesson_Line_Table& head,
                                         Lesson_Line_Table& chars, int16_t type_method = -1);

// Reads the file (an ANSI path) and parses it as above into the given tables.
Lesson_File_Result Load_Key_Char_Lesson_File(const std::string& path, Lesson_Line_Table& head,
                                             Lesson_Line_Table& chars, int16_t type_method = -1);
// The same into the shared Lesson_Line_Head and Lesson_Line_Char.
Lesson_File_Result Load_Key_Char_Lesson_File(const std::string& path, int16_t type_method = -1);

// The number of keys of a line before its carriage return (0 for a line without one).
int Lesson_Line_Key_Count(const Lesson_Line_Table& chars, int line);

// The file name of the keys lesson of a type method: folder + "\English\Character\" + method +
// ".txt"; `program_folder` has no trailing backslash.
std::string Key_Lesson_File_Path(const std::string& program_folder, int16_t type_method);

}  // namespace quillon
