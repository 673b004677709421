#pragma once

// The English word lists ("\English\Word\<n>.txt"): one entry a line, the word, "#" and its
// explanation, code page 936 with CR LF. No list is kept in memory: each entry is read on its
// own from the byte position where its line starts (counted from 1), the file opened and closed
// within the call, so a resumed lesson reads nothing before its place.
//
// Plain logic, no window code.

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

// A line holds at most this many characters (a Chinese character is one).
constexpr int kMostWordLineCharacters = 32765;

enum class Word_Line_Status {
  Ok,
  Missing,            // the file is not there
  Unreadable,         // it is there but cannot be read
  No_Entries,         // the file is empty
  Bad_Position,       // the position is not the first byte of a line of the file
  Empty_Line,
  No_Separator,       // no "#" after the word's first character
  Empty_Explanation,  // nothing after the "#"
  Foreign_Character,  // a character of the word that no key of the main keyboard types
  Line_Too_Long,
  Stray_Line_Break,   // a CR or an LF that is not part of a CR LF
};

struct Word_Line {
  Word_Line_Status status = Word_Line_Status::Ok;
  std::string path;
  int32_t position = 1;  // where the line was read
  // Ok: the entry, lower-cased, one character (its code-page-936 bytes) an element.
  std::vector<std::string> word;
  std::vector<std::string> explanation;
  bool last = false;          // the line was the file's last
  int32_t next_position = 1;  // the next line's first byte; 1 after the last line
  // For the message of a bad line: its number in the file and the character at fault.
  int file_line = 0;
  std::string character;

  bool Ok() const { return status == Word_Line_Status::Ok; }
  // A sentence for the error box that names the file (and the line); "" when Ok.
  std::string Message() const;
  // The same for a list that was checked whole at the start of its practice and has been
  // changed since: it says so and that the practice has stopped.
  std::string Changed_Message() const;
};

// Reads the entry whose line starts at byte `position` (1 = the file's first byte).
Word_Line Read_Word_Line(const std::string& path, int32_t position);

// The whole list checked in one pass, a piece at a time (nothing but one line is held): the first
// bad line, as Read_Word_Line would report it when the practice reached it (with its number in
// the file and its position), or an Ok result when every line is a good entry. A missing, empty
// or unreadable file is reported as by Read_Word_Line.
Word_Line Check_Word_List(const std::string& path);

// The entry of one line's bytes (without its CR LF), as Read_Word_Line judges and splits it;
// status, word and explanation only.
Word_Line Parse_Word_Line(const std::string& bytes);

// program folder + "\English\Word\" + lesson + ".txt".
std::string Word_List_Path(const std::string& program_folder, int lesson);

}  // namespace quillon
