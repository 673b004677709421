#include "courses/article_files.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>

#include "forms/forms.h"
#include "services/cp936_text.h"
#include "services/file_messages.h"
#include "services/globals.h"
#include "services/overwrite_typing.h"
#include "services/program_folder.h"
#include "services/tutor_settings.h"

namespace quillon {

std::vector<std::vector<std::string>> Article_Lines;
int Lesson_Char_Total = 0;
int Article_Number = 1;
std::string Article_Path;
int Resume_Offset = 0;
double Lesson_Start_Time = 0;
float Progress_Bar_Width = 3135.0f;
float Line_Speed_Bar_Width = 3630.0f;
float Wubi_Bar_Width = 3630.0f;

namespace {

// The file's bytes; a missing or unreadable file is a run-time error whose text names it.
std::string Read_Bytes(const std::string& path) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (errno == ENOENT) throw forms::Runtime_Error(53, File_Missing_Message(path));
    throw forms::Runtime_Error(75, File_Unreadable_Message(path));
  }
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The lines of the text; a line ends with CR LF, a lone CR or a lone LF (no trail byte of a
// double-byte character is either). A final line break opens no further line.
std::vector<std::string_view> Split_Lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t start = 0, at = 0;
  while (at < bytes.size()) {
    const char c = bytes[at];
    if (c != '\r' && c != '\n') {
      ++at;
      continue;
    }
    lines.push_back(bytes.substr(start, at - start));
    at += (c == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') ? 2 : 1;
    start = at;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

}  // namespace

std::vector<std::string> Article_Characters(std::string_view bytes) {
  std::vector<std::string> chars;
  const std::vector<std::string_view> lines = Split_Lines(bytes);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      chars.emplace_back("\r");
      chars.emplace_back("\n");
    }
    for (std::string& c : Split_Characters(lines[i])) chars.push_back(std::move(c));
  }
  return chars;
}

int Load_Article_File(const std::string& path) {
  Article_Char.Redim(1);
  return forms::Guarded([&] {
    const std::vector<std::string> chars = Article_Characters(Read_Bytes(path));
    if (chars.empty()) throw forms::Runtime_Error(62, "Input past end of file");
    const int n = static_cast<int>(chars.size());
    Article_Char.Redim(n + 3);
    for (int i = 0; i < n; ++i) Article_Char(i + 1) = chars[static_cast<size_t>(i)];
    Article_Char(n + 2) = "\n";
    return n;
  }, 0);
}

void Check_Article_Size(int length) {
  if (length > kMostArticleChars) throw forms::Runtime_Error(6, "Overflow");
}

std::string Article_Text() {
  std::string text;
  const int n = std::min(Text_Length, Article_Char.Upper());
  for (int i = 1; i <= n; ++i) text += Article_Char(i);
  return text;
}

std::vector<std::vector<std::string>> Article_Line_Characters(std::string_view bytes) {
  std::vector<std::vector<std::string>> lines;
  for (std::string_view line : Split_Lines(bytes))
    if (!line.empty()) lines.push_back(Split_Characters(line));
  return lines;
}

int Line_Count() { return static_cast<int>(Article_Lines.size()); }

const std::vector<std::string>& Article_Line(int line) {
  static const std::vector<std::string> none;
  if (line < 1 || line > Line_Count()) return none;
  return Article_Lines[static_cast<size_t>(line - 1)];
}

int Load_Article_Lines(const std::string& path) {
  Article_Lines.clear();
  Lesson_Char_Total = 0;
  return forms::Guarded([&] {
    std::vector<std::vector<std::string>> lines = Article_Line_Characters(Read_Bytes(path));
    if (lines.empty()) throw forms::Runtime_Error(62, "Input past end of file");
    int total = 0;
    for (const auto& line : lines) {
      if (static_cast<int>(line.size()) >= kLineSlots)
        throw forms::Runtime_Error(9, "Subscript out of range");
      total += static_cast<int>(line.size());
    }
    Article_Lines = std::move(lines);
    Lesson_Char_Total = total;
    return Line_Count();
  }, 0);
}

std::string Article_File(int number) {
  return Program_Folder() + Lesson_Folder + std::to_string(number) + ".txt";
}

bool Is_Last_Article(const std::string& folder, int number) {
  const std::string next = folder + std::to_string(number + 1) + ".txt";
  const DWORD attributes = GetFileAttributesA(next.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool Is_Last_Article() { return Is_Last_Article(Program_Folder() + Lesson_Folder, Article_Number); }

void Mark_Typed_Prefix_Right() {
  Char_Right_Mark.Redim(Text_Length);
  const int typed = std::min(Char_Position, Text_Length);
  for (int i = 1; i <= typed; ++i) Char_Right_Mark(i) = true;
}

int Read_Progress(const char* section, int fallback) {
  return forms::Tutor_Settings::Get_Int(section, Article_Progress_Name(), fallback);
}

void Store_Progress(const char* section, int value) {
  forms::Tutor_Settings::Save(section, Article_Progress_Name(), std::to_string(value));
}

}  // namespace quillon
