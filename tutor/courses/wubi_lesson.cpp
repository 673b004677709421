#include "courses/wubi_lesson.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "services/cp936_text.h"
#include "services/file_messages.h"

namespace quillon {

std::string Wubi_Lesson_Result::Message() const {
  const std::string line_text = "课程文件 " + path + " 第 " + std::to_string(file_line) + " 行";
  switch (status) {
    case Wubi_Lesson_Status::Ok:
      return "";
    case Wubi_Lesson_Status::Missing:
      return File_Missing_Message(path);
    case Wubi_Lesson_Status::Unreadable:
      return File_Unreadable_Message(path);
    case Wubi_Lesson_Status::No_Mark:
      return line_text + "缺少“#”，格式应为“标题#练习的汉字”";
    case Wubi_Lesson_Status::No_Characters:
      return line_text + "的“#”后面没有要练习的字";
    case Wubi_Lesson_Status::Line_Too_Long:
      return line_text + "太长，一行最多 " + std::to_string(kMostLessonKeys) + " 个字";
    case Wubi_Lesson_Status::Too_Many_Lines:
      return line_text + "超出了课程行数的上限";
    case Wubi_Lesson_Status::No_Lines:
      return "课程文件 " + path + " 中没有课程";
    case Wubi_Lesson_Status::Too_Large:
      return "五笔编码文件 " + path + " 太大，最多 " +
             std::to_string(kMostWubiCodeTableBytes / 1024) + " KB，未载入编码提示";
  }
  return "";
}

namespace {

Wubi_Lesson_Result Fault(Wubi_Lesson_Status status, int file_line, Lesson_Line_Table& head,
                         Lesson_Line_Table& chars) {
  head.Redim(kLessonHeadPositions, 1);
  chars.Redim(kLessonLinePositions, 1);
  Wubi_Lesson_Result result;
  result.status = status;
  result.file_line = file_line;
  return result;
}

struct Practice_Line {
  std::vector<std::string> heading, characters;
  int file_line = 0;
};

}  // namespace

Wubi_Lesson_Result Parse_Wubi_Lesson(std::string_view bytes, Lesson_Line_Table& head,
                                     Lesson_Line_Table& chars) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  // Checked whole first, so that a fault leaves nothing half filled.
  std::vector<Practice_Line> lines;
  size_t longest_heading = 0, cells = 0;
  int file_line = 0;
  size_t at = 0;
  while (at < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view raw = bytes.substr(at, end - at);
    ++file_line;
    at = end;
    if (at < bytes.size())
      at += (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') ? 2 : 1;
    if (raw.empty()) continue;

    // The first "#" that stands as a character of its own (never a double-byte trail byte).
    std::vector<std::string> all = Split_Characters(raw);
    const auto mark = std::find(all.begin(), all.end(), "#");
    if (mark == all.end()) return Fault(Wubi_Lesson_Status::No_Mark, file_line, head, chars);
    Practice_Line line;
    line.heading.assign(all.begin(), mark);
    line.characters.assign(mark + 1, all.end());
    line.file_line = file_line;
    if (line.characters.empty())
      return Fault(Wubi_Lesson_Status::No_Characters, file_line, head, chars);
    if (line.characters.size() > static_cast<size_t>(kMostLessonKeys) ||
        line.heading.size() > static_cast<size_t>(kMostLessonKeys))
      return Fault(Wubi_Lesson_Status::Line_Too_Long, file_line, head, chars);
    if (lines.size() + 1 >= static_cast<size_t>(std::numeric_limits<int16_t>::max()))
      return Fault(Wubi_Lesson_Status::Too_Many_Lines, file_line, head, chars);
    longest_heading = std::max(longest_heading, line.heading.size());
    cells += line.characters.size() + 1;
    lines.push_back(std::move(line));
  }
  if (lines.empty()) return Fault(Wubi_Lesson_Status::No_Lines, 0, head, chars);

  const int count = static_cast<int>(lines.size());
  head.Redim(std::max<int>(kLessonHeadPositions, static_cast<int>(longest_heading)), count + 1);
  chars.Redim(kLessonLinePositions, 1);
  chars.Reserve(count + 1, cells);
  chars.Redim_Preserve_Lines(count + 1);
  Wubi_Lesson_Result result;
  for (int n = 1; n <= count; ++n) {
    const Practice_Line& line = lines[static_cast<size_t>(n - 1)];
    for (size_t i = 0; i < line.heading.size(); ++i)
      head.Set(static_cast<int>(i) + 1, n, line.heading[i]);
    for (size_t i = 0; i < line.characters.size(); ++i)
      chars.Set(static_cast<int>(i) + 1, n, line.characters[i]);
    chars.Set(static_cast<int>(line.characters.size()) + 1, n, kLineEnd);
    result.char_total += static_cast<int64_t>(line.characters.size());
  }
  result.lines = static_cast<int16_t>(count);
  return result;
}

Wubi_Lesson_Result Load_Wubi_Lesson_File(const std::string& path, Lesson_Line_Table& head,
                                         Lesson_Line_Table& chars) {
  Wubi_Lesson_Result result;
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    result = Fault(errno == ENOENT ? Wubi_Lesson_Status::Missing : Wubi_Lesson_Status::Unreadable,
                   0, head, chars);
  } else {
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    result = file.bad() ? Fault(Wubi_Lesson_Status::Unreadable, 0, head, chars)
                        : Parse_Wubi_Lesson(bytes, head, chars);
  }
  result.path = path;
  return result;
}

std::string Wubi_Line_Heading(const Lesson_Line_Table& head, int line) {
  std::string text;
  if (line < 1 || line > head.Lines()) return text;
  for (int p = 1; p <= head.Positions(); ++p) {
    const std::string c = head(p, line);
    if (c.empty()) break;
    text += c;
  }
  return text;
}

void Wubi_Code_Table::Load(std::string_view text) {
  text_.assign(text);
  first_after_.clear();
  for (size_t at = 0; at < text_.size();) {
    const size_t size = Character_Size_At(text_, at);
    first_after_.try_emplace(Lower_Ascii_Letters(std::string_view(text_).substr(at, size)),
                             at + size);
    at += size;
  }
}

void Wubi_Code_Table::Clear() {
  std::string().swap(text_);
  std::unordered_map<std::string, size_t>().swap(first_after_);
}

Wubi_Lesson_Result Load_Wubi_Code_File(const std::string& path, Wubi_Code_Table& table) {
  table.Clear();
  Wubi_Lesson_Result result;
  result.path = path;
  errno = 0;
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) {
    result.status = errno == ENOENT ? Wubi_Lesson_Status::Missing : Wubi_Lesson_Status::Unreadable;
    return result;
  }
  const std::streamoff size = file.tellg();
  if (size < 0) {
    result.status = Wubi_Lesson_Status::Unreadable;
    return result;
  }
  if (size > kMostWubiCodeTableBytes) {
    result.status = Wubi_Lesson_Status::Too_Large;
    return result;
  }
  std::string bytes(static_cast<size_t>(size), '\0');
  file.seekg(0);
  if (size > 0 && !file.read(bytes.data(), size)) {
    result.status = Wubi_Lesson_Status::Unreadable;
    return result;
  }
  table.Load(bytes);
  return result;
}

std::string Wubi_Code_Table::Code_Of(std::string_view character) const {
  if (character.empty()) return "";
  const auto found = first_after_.find(Lower_Ascii_Letters(character));
  if (found == first_after_.end()) return "";
  const size_t from = found->second;
  const size_t line_break = text_.find_first_of("\r\n", from);
  if (line_break == std::string::npos) return "";
  std::string code = text_.substr(from, line_break - from);
  // Capitals for the letters only: a double-byte character's trail byte stays as it is.
  std::string upper;
  for (size_t at = 0; at < code.size();) {
    const size_t size = Character_Size_At(code, at);
    if (size == 1 && code[at] >= 'a' && code[at] <= 'z')
      upper += static_cast<char>(code[at] - 'a' + 'A');
    else
      upper.append(code, at, size);
    at += size;
  }
  return upper;
}

std::string Wubi_Lesson_File_Path(const std::string& program_folder) {
  return program_folder + "\\Chinese\\Wubi\\1.txt";
}

std::string Wubi_Code_File_Path(const std::string& program_folder) {
  return program_folder + "\\Chinese\\Wubi\\Wbx.dic";
}

}  // namespace quillon
