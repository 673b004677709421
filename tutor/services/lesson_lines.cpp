#include "services/lesson_lines.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>

#include "services/cp936_text.h"
#include "services/file_messages.h"
#include "services/key_table.h"

namespace quillon {

Lesson_Line_Table Lesson_Line_Char(kLessonLinePositions);
Lesson_Line_Table Lesson_Line_Head(kLessonHeadPositions);

Lesson_Line_Table::Lesson_Line_Table(int positions) { Redim(positions, 1); }

void Lesson_Line_Table::Redim(int positions, int lines) {
  positions_ = positions < 1 ? 1 : positions;
  // New vectors, so that shrinking gives the memory back.
  cells_ = std::vector<Cell>();
  starts_ = std::vector<uint32_t>(static_cast<size_t>(lines < 1 ? 1 : lines) + 1, 0);
}

void Lesson_Line_Table::Redim_Preserve_Lines(int lines) {
  const size_t count = static_cast<size_t>(lines < 1 ? 1 : lines);
  if (count + 1 < starts_.size()) cells_.resize(starts_[count]);
  starts_.resize(count + 1, static_cast<uint32_t>(cells_.size()));
}

void Lesson_Line_Table::Reserve(int lines, size_t cells) {
  if (lines > 0) starts_.reserve(static_cast<size_t>(lines) + 1);
  cells_.reserve(cells);
}

void Lesson_Line_Table::Check(int position, int line) const {
  if (position < 1 || position > positions_ || line < 1 || line > Lines()) {
    throw std::out_of_range("下标越界");
  }
}

const std::string Lesson_Line_Table::operator()(int position, int line) const {
  Check(position, line);
  const size_t at = starts_[static_cast<size_t>(line - 1)] + static_cast<size_t>(position - 1);
  if (at >= starts_[static_cast<size_t>(line)]) return "";
  const Cell& cell = cells_[at];
  if (cell.second == 1) return "";
  if (cell.second == 0) return std::string(1, cell.first);
  return std::string{cell.first, cell.second};
}

void Lesson_Line_Table::Set(int position, int line, std::string_view character) {
  Check(position, line);
  Cell cell;
  if (character.size() == 1) {
    cell = Cell{character[0], 0};
  } else if (character.size() == 2 && Character_Size_At(character, 0) == 2) {
    cell = Cell{character[0], character[1]};
  } else if (!character.empty()) {
    throw std::invalid_argument("无效的过程调用或参数");
  }
  const size_t begin = starts_[static_cast<size_t>(line - 1)];
  const size_t end = starts_[static_cast<size_t>(line)];
  const size_t at = begin + static_cast<size_t>(position - 1);
  if (at >= end) {
    if (character.empty()) return;  // past the line's last cell every cell is empty already
    // The line grows to the position; the lines after it move along.
    const size_t added = at + 1 - end;
    cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(end), added, Cell{});
    for (size_t l = static_cast<size_t>(line); l < starts_.size(); ++l)
      starts_[l] += static_cast<uint32_t>(added);
  }
  cells_[at] = cell;
}

void Shrink_Lesson_Lines() {
  Lesson_Line_Char.Redim(1, 1);
  Lesson_Line_Head.Redim(1, 1);
}

std::string Character_Display_Name(const std::string& character) {
  bool showable = false;
  wchar_t wide[2] = {};
  const int size = static_cast<int>(character.size());
  if ((size == 1 && character[0] >= 0x21 && character[0] <= 0x7E) ||
      (size == 2 && Character_Size_At(character, 0) == 2)) {
    // A double-byte code must stand for a character of the code page that takes ink: no
    // unassigned or user-defined code, no blank or control character.
    if (MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, character.data(), size, wide, 2) == 1 &&
        !(wide[0] >= 0xE000 && wide[0] <= 0xF8FF)) {
      WORD type = 0;
      showable = GetStringTypeW(CT_CTYPE1, wide, 1, &type) &&
                 !(type & (C1_SPACE | C1_CNTRL | C1_BLANK)) && type != 0;
    }
  }
  if (showable) return "“" + character + "”";
  static const char kDigits[] = "0123456789ABCDEF";
  std::string name = "（字节";
  for (unsigned char byte : character) {
    name += " 0x";
    name += kDigits[byte >> 4];
    name += kDigits[byte & 0x0F];
  }
  return name + "）";
}

std::string Lesson_File_Result::Message() const {
  const std::string line_text = "课程文件 " + path + " 第 " + std::to_string(file_line) + " 行";
  switch (status) {
    case Lesson_File_Status::Ok:
      return "";
    case Lesson_File_Status::Missing:
      return File_Missing_Message(path);
    case Lesson_File_Status::Unreadable:
      return File_Unreadable_Message(path);
    case Lesson_File_Status::Line_Too_Long:
      return line_text + "太长，一行最多 " + std::to_string(kMostLessonKeys) + " 个键";
    case Lesson_File_Status::No_Keys:
      return line_text + "只有课程代码，没有要练习的键";
    case Lesson_File_Status::Too_Many_Lines:
      return line_text + "超出了课程行数的上限";
    case Lesson_File_Status::No_Lines:
      return "课程文件 " + path + " 中没有课程";
    case Lesson_File_Status::Foreign_Key:
      return line_text + "的字符" + Character_Display_Name(character) + "在键盘上没有对应的键";
  }
  return "";
}

namespace {

Lesson_File_Result Fault(Lesson_File_Status status, int file_line, Lesson_Line_Table& head,
                         Lesson_Line_Table& chars) {
  head.Redim(kLessonHeadPositions, 1);
  chars.Redim(kLessonLinePositions, 1);
  Lesson_File_Result result;
  result.status = status;
  result.file_line = file_line;
  return result;
}

}  // namespace

Lesson_File_Result Parse_Key_Char_Lesson(std::string_view bytes, Lesson_Line_Table& head,
                                         Lesson_Line_Table& chars, int16_t type_method) {
  head.Redim(kLessonHeadPositions, 1);
  chars.Redim(kLessonLinePositions, 1);
  // A file saved by an editor that marks its text as UTF-8: the mark is not part of the lesson.
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  // Room for every line and cell at once, so that the tables never move while they fill: a
  // lesson line is a run of bytes between line ends, and its keys (and the carriage return that
  // closes it) are at most its bytes less the four of its code.
  int runs = 0;
  size_t run_bytes = 0;
  bool in_run = false;
  for (char c : bytes) {
    const bool line_end = c == '\r' || c == '\n';
    if (!line_end) ++run_bytes;
    if (!line_end && !in_run) ++runs;
    in_run = !line_end;
  }
  runs = std::min(runs, static_cast<int>(std::numeric_limits<int16_t>::max()));
  head.Reserve(runs + 1, static_cast<size_t>(runs) * 4);
  chars.Reserve(runs + 1, run_bytes > static_cast<size_t>(runs) * 3
                              ? run_bytes - static_cast<size_t>(runs) * 3
                              : 0);
  int n = 1;  // the lesson line being filled
  int file_line = 0;
  size_t at = 0;
  while (at < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view raw = bytes.substr(at, end - at);
    ++file_line;
    at = end;
    if (at < bytes.size()) at += (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') ? 2 : 1;
    if (raw.empty()) continue;

    const std::vector<std::string> characters = Split_Characters(Lower_Ascii_Letters(raw));
    const int length = static_cast<int>(characters.size());
    if (length <= 4) return Fault(Lesson_File_Status::No_Keys, file_line, head, chars);
    if (length - 4 > kMostLessonKeys) {
      return Fault(Lesson_File_Status::Line_Too_Long, file_line, head, chars);
    }
    if (n >= std::numeric_limits<int16_t>::max()) {
      return Fault(Lesson_File_Status::Too_Many_Lines, file_line, head, chars);
    }
    for (int i = 0; i < 4; ++i) head.Set(i + 1, n, characters[i]);
    for (int i = 4; i < length; ++i) {
      if (type_method == 0 || type_method == 1) {
        if (Get_Key_Index_By_Method(Ansi_Code(characters[i]), type_method) == kNoKey) {
          Lesson_File_Result result =
              Fault(Lesson_File_Status::Foreign_Key, file_line, head, chars);
          result.character = characters[i];
          return result;
        }
      }
      chars.Set(i - 3, n, characters[i]);
    }
    chars.Set(length - 3, n, kLineEnd);
    ++n;
    head.Redim_Preserve_Lines(n);
    chars.Redim_Preserve_Lines(n);
  }
  if (n == 1) return Fault(Lesson_File_Status::No_Lines, 0, head, chars);
  Lesson_File_Result result;
  result.lines = static_cast<int16_t>(n - 1);
  return result;
}

Lesson_File_Result Load_Key_Char_Lesson_File(const std::string& path, Lesson_Line_Table& head,
                                             Lesson_Line_Table& chars, int16_t type_method) {
  Lesson_File_Result result;
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    result = Fault(errno == ENOENT ? Lesson_File_Status::Missing : Lesson_File_Status::Unreadable,
                   0, head, chars);
  } else {
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
      result = Fault(Lesson_File_Status::Unreadable, 0, head, chars);
    } else {
      result = Parse_Key_Char_Lesson(bytes, head, chars, type_method);
    }
  }
  result.path = path;
  return result;
}

Lesson_File_Result Load_Key_Char_Lesson_File(const std::string& path, int16_t type_method) {
  return Load_Key_Char_Lesson_File(path, Lesson_Line_Head, Lesson_Line_Char, type_method);
}

int Lesson_Line_Key_Count(const Lesson_Line_Table& chars, int line) {
  for (int position = 1; position <= chars.Positions(); ++position) {
    if (chars(position, line) == kLineEnd) return position - 1;
  }
  return 0;
}

std::string Key_Lesson_File_Path(const std::string& program_folder, int16_t type_method) {
  return program_folder + "\\English\\Character\\" + std::to_string(type_method) + ".txt";
}

}  // namespace quillon
