#include "courses/word_list.h"

#include <windows.h>

#include <algorithm>

#include "services/cp936_text.h"
#include "services/file_messages.h"
#include "services/key_table.h"
#include "services/lesson_lines.h"

namespace quillon {

namespace {

// The longest line in bytes: every character double-byte, and its CR LF.
constexpr int64_t kMostWordLineBytes = 2LL * kMostWordLineCharacters + 2;
constexpr DWORD kChunk = 4096;

class File {
 public:
  explicit File(const std::string& path)
      : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)),
        error_(handle_ == INVALID_HANDLE_VALUE ? GetLastError() : 0) {}
  ~File() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool Open() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Missing() const {
    return error_ == ERROR_FILE_NOT_FOUND || error_ == ERROR_PATH_NOT_FOUND ||
           error_ == ERROR_INVALID_NAME;
  }
  bool Size(int64_t& size) const {
    LARGE_INTEGER value;
    if (!GetFileSizeEx(handle_, &value)) return false;
    size = value.QuadPart;
    return true;
  }
  // Up to `count` bytes from byte offset `offset` (0-based); false on a read error.
  bool Read(int64_t offset, DWORD count, std::string& bytes) const {
    LARGE_INTEGER at;
    at.QuadPart = offset;
    if (!SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN)) return false;
    bytes.resize(count);
    DWORD got = 0;
    if (!ReadFile(handle_, bytes.data(), count, &got, nullptr)) return false;
    bytes.resize(got);
    return true;
  }

 private:
  HANDLE handle_;
  DWORD error_;
};

// The number of the line that starts at byte offset `offset`: only for the messages of bad
// lines, so the lines before it are counted only then.
int Line_Number_At(const File& file, int64_t offset) {
  int line = 1;
  std::string bytes;
  for (int64_t at = 0; at < offset; at += kChunk) {
    const DWORD count = static_cast<DWORD>(std::min<int64_t>(kChunk, offset - at));
    if (!file.Read(at, count, bytes) || bytes.empty()) break;
    for (char c : bytes) line += c == '\n';
  }
  return line;
}

// A character of a word must be one that a key of the main keyboard types: a printable ASCII
// character (a space included), never a control character or a double-byte one.
bool Typeable(const std::string& character) {
  if (character.size() != 1) return false;
  const unsigned char c = static_cast<unsigned char>(character[0]);
  if (c < 0x20 || c > 0x7E) return false;
  const int16_t slot = Get_Key_Index(static_cast<int16_t>(c));
  return slot != kNoKey && slot <= kLastMainKeySlot;
}

}  // namespace

Word_Line Parse_Word_Line(const std::string& bytes) {
  Word_Line entry;
  if (bytes.empty()) {
    entry.status = Word_Line_Status::Empty_Line;
    return entry;
  }
  if (bytes.find_first_of("\r\n") != std::string::npos) {
    entry.status = Word_Line_Status::Stray_Line_Break;
    return entry;
  }
  std::vector<std::string> characters = Split_Characters(Lower_Ascii_Letters(bytes));
  if (static_cast<int64_t>(characters.size()) > kMostWordLineCharacters) {
    entry.status = Word_Line_Status::Line_Too_Long;
    return entry;
  }
  // The first character always belongs to the word, even a "#".
  size_t separator = 1;
  while (separator < characters.size() && characters[separator] != "#") ++separator;
  if (separator == characters.size()) {
    entry.status = Word_Line_Status::No_Separator;
    return entry;
  }
  if (separator + 1 == characters.size()) {
    entry.status = Word_Line_Status::Empty_Explanation;
    return entry;
  }
  for (size_t i = 0; i < separator; ++i) {
    if (!Typeable(characters[i])) {
      entry.status = Word_Line_Status::Foreign_Character;
      entry.character = characters[i];
      return entry;
    }
  }
  entry.word.assign(characters.begin(), characters.begin() + static_cast<ptrdiff_t>(separator));
  entry.explanation.assign(characters.begin() + static_cast<ptrdiff_t>(separator) + 1,
                           characters.end());
  return entry;
}

// Opens a word list and reads its size: Ok, or why it cannot be read as a list.
static Word_Line_Status Open_Word_List(File& file, int64_t& size) {
  if (!file.Open()) return file.Missing() ? Word_Line_Status::Missing : Word_Line_Status::Unreadable;
  if (!file.Size(size)) return Word_Line_Status::Unreadable;
  return size == 0 ? Word_Line_Status::No_Entries : Word_Line_Status::Ok;
}

Word_Line Read_Word_Line(const std::string& path, int32_t position) {
  Word_Line entry;
  entry.path = path;
  entry.position = position;
  const auto failed = [&](Word_Line_Status status) {
    entry.status = status;
    return entry;
  };
  File file(path);
  int64_t size = 0;
  if (const Word_Line_Status opened = Open_Word_List(file, size); opened != Word_Line_Status::Ok)
    return failed(opened);
  if (position < 1 || position > size || position == 2) return failed(Word_Line_Status::Bad_Position);
  const int64_t start = position - 1;
  std::string bytes;
  if (position > 2) {
    // A line starts right after the CR LF of the line before it.
    if (!file.Read(start - 2, 2, bytes)) return failed(Word_Line_Status::Unreadable);
    if (bytes != "\r\n") return failed(Word_Line_Status::Bad_Position);
  }

  // One line, up to its CR LF or the end of the file, read a piece at a time.
  std::string line;
  size_t end = std::string::npos;
  for (int64_t at = start; at < size;) {
    if (!file.Read(at, kChunk, bytes)) return failed(Word_Line_Status::Unreadable);
    if (bytes.empty()) break;
    const size_t searched_from = line.empty() ? 0 : line.size() - 1;  // a CR at a piece's end
    line += bytes;
    at += static_cast<int64_t>(bytes.size());
    end = line.find("\r\n", searched_from);
    if (end != std::string::npos) break;
    if (static_cast<int64_t>(line.size()) > kMostWordLineBytes) break;
  }
  if (end == std::string::npos && static_cast<int64_t>(line.size()) > kMostWordLineBytes) {
    entry.status = Word_Line_Status::Line_Too_Long;
  } else {
    const int64_t next = start + static_cast<int64_t>(end == std::string::npos ? line.size()
                                                                               : end + 2);
    if (end != std::string::npos) line.resize(end);
    const Word_Line parsed = Parse_Word_Line(line);
    entry.status = parsed.status;
    entry.character = parsed.character;
    entry.word = parsed.word;
    entry.explanation = parsed.explanation;
    // The last line: nothing follows its CR LF (or it runs to the end of the file).
    entry.last = next >= size;
    entry.next_position = entry.last ? 1 : static_cast<int32_t>(next + 1);
  }
  if (!entry.Ok()) {
    entry.file_line = Line_Number_At(file, start);
    entry.last = false;
    entry.next_position = 1;
  }
  return entry;
}

Word_Line Check_Word_List(const std::string& path) {
  Word_Line result;
  result.path = path;
  const auto failed = [&](Word_Line_Status status) {
    result.status = status;
    return result;
  };
  File file(path);
  int64_t size = 0;
  if (const Word_Line_Status opened = Open_Word_List(file, size); opened != Word_Line_Status::Ok)
    return failed(opened);

  std::string line, bytes;
  int number = 1;
  int64_t line_start = 0;
  // Judges the line that starts at `line_start`; false when it is bad (result says how).
  const auto judge = [&](const std::string& text) {
    const Word_Line parsed = Parse_Word_Line(text);
    if (parsed.Ok()) return true;
    result.status = parsed.status;
    result.character = parsed.character;
    result.file_line = number;
    result.position = static_cast<int32_t>(std::min<int64_t>(line_start + 1, INT32_MAX));
    return false;
  };
  for (int64_t at = 0; at < size;) {
    if (!file.Read(at, kChunk, bytes)) return failed(Word_Line_Status::Unreadable);
    if (bytes.empty()) break;
    at += static_cast<int64_t>(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
      line += bytes[i];
      const size_t n = line.size();
      if (n >= 2 && line[n - 2] == '\r' && line[n - 1] == '\n') {
        line.resize(n - 2);
        if (!judge(line)) return result;
        line_start += static_cast<int64_t>(n);
        ++number;
        line.clear();
      } else if (static_cast<int64_t>(n) > kMostWordLineBytes) {
        result.file_line = number;
        result.position = static_cast<int32_t>(std::min<int64_t>(line_start + 1, INT32_MAX));
        return failed(Word_Line_Status::Line_Too_Long);
      }
    }
  }
  // The last line may run to the end of the file without its CR LF.
  if (!line.empty() && !judge(line)) return result;
  return result;
}

std::string Word_Line::Message() const {
  const std::string line_text = "单词文件 " + path + " 第 " + std::to_string(file_line) + " 行";
  switch (status) {
    case Word_Line_Status::Ok:
      return "";
    case Word_Line_Status::Missing:
      return File_Missing_Message(path);
    case Word_Line_Status::Unreadable:
      return File_Unreadable_Message(path);
    case Word_Line_Status::No_Entries:
      return "单词文件 " + path + " 中没有单词";
    case Word_Line_Status::Bad_Position:
      return "单词文件 " + path + " 的位置 " + std::to_string(position) + " 不是一行的开头";
    case Word_Line_Status::Empty_Line:
      return line_text + "是空行";
    case Word_Line_Status::No_Separator:
      return line_text + "缺少分隔单词和释义的“#”";
    case Word_Line_Status::Empty_Explanation:
      return line_text + "的单词没有释义";
    case Word_Line_Status::Foreign_Character:
      return line_text + "的单词中的字符" + Character_Display_Name(character) +
             "在主键盘上没有对应的键";
    case Word_Line_Status::Line_Too_Long:
      return line_text + "太长，一行最多 " + std::to_string(kMostWordLineCharacters) + " 个字符";
    case Word_Line_Status::Stray_Line_Break:
      return line_text + "中有不成对的回车或换行符";
  }
  return "";
}

std::string Word_Line::Changed_Message() const {
  return "练习中单词文件 " + path + " 被改动了：" + Message() + "。练习已停止，请重新开始本课。";
}

std::string Word_List_Path(const std::string& program_folder, int lesson) {
  return program_folder + "\\English\\Word\\" + std::to_string(lesson) + ".txt";
}

}  // namespace quillon
