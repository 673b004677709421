#pragma once

// The Wubi line practice's files: the lesson "\Chinese\Wubi\1.txt" (one practice line a text
// line, "heading#characters") and the code table "\Chinese\Wubi\Wbx.dic" (one entry a line: the
// character followed directly by its Wubi code).
//
// Plain logic, no window code: the readers give results the caller shows in its error box.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "services/lesson_lines.h"

namespace quillon {

enum class Wubi_Lesson_Status {
  Ok,
  Missing,        // the file does not exist
  Unreadable,     // it exists but cannot be read
  No_Mark,        // a line without "#"
  No_Characters,  // a line with nothing after its "#"
  Line_Too_Long,  // more than 399 characters after "#" (or in the heading)
  Too_Many_Lines, // more practice lines than a lesson can count
  No_Lines,       // no practice line at all
  Too_Large,      // a code table over kMostWubiCodeTableBytes
};

// The largest code table read (4 MB). The table of every code-page-936 character is about
// 170 KB; held as plain text with one index entry a distinct character, a table at the limit
// takes a few megabytes.
inline constexpr int64_t kMostWubiCodeTableBytes = 4 * 1024 * 1024;

struct Wubi_Lesson_Result {
  Wubi_Lesson_Status status = Wubi_Lesson_Status::Ok;
  int16_t lines = 0;      // practice lines read; 0 unless Ok
  int64_t char_total = 0; // characters of every line without their line ends; 0 unless Ok
  int file_line = 0;      // for a fault of one line: its number in the file (empty lines counted)
  std::string path;       // the file's name as given to the reader

  bool Ok() const { return status == Wubi_Lesson_Status::Ok; }
  // The text for the tutor's error box (code page 936, without the closing "!").
  std::string Message() const;
};

// Fills the tables from the bytes of a lesson (code page 936; lines end in CR LF, a lone CR or a
// lone LF; empty lines skipped). Line n of `chars` holds the characters after the first "#" and
// the carriage return after them; line n of `head` holds the heading's characters from position
// 1 (the table has as many positions as the longest heading needs, at least
// kLessonHeadPositions). Both keep one empty line after the last. On any fault both tables are
// left with one empty line.
Wubi_Lesson_Result Parse_Wubi_Lesson(std::string_view bytes, Lesson_Line_Table& head,
                                     Lesson_Line_Table& chars);
Wubi_Lesson_Result Load_Wubi_Lesson_File(const std::string& path, Lesson_Line_Table& head,
                                         Lesson_Line_Table& chars);

// The heading of a line as one text (its characters joined).
std::string Wubi_Line_Heading(const Lesson_Line_Table& head, int line);

// The code table's lookup. The hint of a character is what follows its first occurrence
// anywhere in the table (letters compared without regard to case) up to the next line break, in
// capitals; empty when the character does not occur, when no line break follows, or when the
// line break follows at once. Built once from the table's text, each lookup then costs the same
// wherever its entry stands.
class Wubi_Code_Table {
 public:
  void Load(std::string_view text);
  void Clear();
  bool Empty() const { return text_.empty(); }
  std::string Code_Of(std::string_view character) const;

 private:
  std::string text_;
  std::unordered_map<std::string, size_t> first_after_;  // character -> offset just after it
};

// Reads a code table file into `table` (emptied first). Missing, unreadable or over
// kMostWubiCodeTableBytes: the table stays empty and the result says why, naming the file.
Wubi_Lesson_Result Load_Wubi_Code_File(const std::string& path, Wubi_Code_Table& table);

// The files under the program folder (no trailing backslash).
std::string Wubi_Lesson_File_Path(const std::string& program_folder);
std::string Wubi_Code_File_Path(const std::string& program_folder);

}  // namespace quillon
