#include "dictfiles.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

// --- hot keys ---

int Exchange_Shift_Alt(int mask) { return (mask & ~5) | ((mask & 1) << 2) | ((mask & 4) >> 2); }

bool Is_Extended_Key(BYTE vk) {
  switch (vk) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
    case VK_INSERT: case VK_DELETE: case VK_DIVIDE: case VK_NUMLOCK:
    case VK_LWIN: case VK_RWIN: case VK_APPS: case VK_RCONTROL: case VK_RMENU:
    case VK_SNAPSHOT: case VK_CANCEL:
      return true;
    default:
      return false;
  }
}

WORD Hot_Key_To_Control(int stored) {
  int flags = Exchange_Shift_Alt((stored >> 16) & 7);
  BYTE vk = static_cast<BYTE>(stored & 0xFF);
  if (vk && Is_Extended_Key(vk)) flags |= HOTKEYF_EXT;
  return MAKEWORD(vk, flags);
}

int Hot_Key_From_Control(WORD control) {
  int mask = Exchange_Shift_Alt(HIBYTE(control) & 7);
  return (mask << 16) + LOBYTE(control);
}

// --- professional dictionaries ---

namespace {

// The ";"-fields of a text as the C library's tokenizer finds them: empty fields are skipped.
std::vector<std::string> Fields(const std::string& text) {
  std::vector<std::string> fields;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find(';', at);
    if (end == std::string::npos) end = text.size();
    if (end > at) fields.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return fields;
}

void Copy_Field(char (&field)[16], const std::string& text) {
  memset(field, 0, sizeof field);
  std::string kept = Cut_Bytes(text, kListFieldBytes);
  memcpy(field, kept.data(), kept.size());
}

}  // namespace

bool Read_Dict_Header(const std::string& head, bool needMagic, Dict_Header_Text* out) {
  if (head.empty()) return false;
  if (needMagic) {
    uint32_t magic = 0;
    if (head.size() < sizeof magic) return false;
    memcpy(&magic, head.data(), sizeof magic);
    if (magic != kDictMagic) return false;
  }
  const size_t textAt = 20;
  if (head.size() <= textAt) return false;
  size_t end = std::min(head.size(), kDictHeaderSize);
  std::string text = head.substr(textAt, end - textAt);
  text.resize(strnlen(text.c_str(), text.size()));
  std::vector<std::string> fields = Fields(text);
  if (fields.empty()) return false;
  out->name = fields[0];
  out->description = fields.size() > 1 ? fields[1] : std::string();
  return true;
}

DictListRecord Make_Dict_Record(const std::string& fileName, const std::string& name,
                                bool selected) {
  DictListRecord r{};
  Copy_Field(r.fileName, fileName);
  Copy_Field(r.dictName, name);
  r.selected = selected ? 1 : 0;
  return r;
}

bool Fits_Dict_List(const std::string& fileName) {
  return !fileName.empty() && fileName.size() <= kListFieldBytes;
}

std::string Bare_File_Name(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int Last_Selected(const std::vector<DictListRecord>& records) {
  for (size_t i = records.size(); i-- > 0;) {
    if (records[i].selected) return static_cast<int>(i);
  }
  return -1;
}

// --- user dictionary ---

const char* const kPartsOfSpeech[4] = {"名词", "动词", "形容词", "副词"};

namespace {

void Put_Int(std::string& bytes, size_t at, int32_t value) {
  memcpy(&bytes[at], &value, sizeof value);
}

int32_t Get_Int(const std::string& bytes, size_t at) {
  int32_t value = 0;
  memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

}  // namespace

std::string User_Dict_Bytes(const std::vector<User_Word>& words) {
  const auto count = static_cast<int32_t>(words.size());
  const size_t dataOffset = kUserHeaderSize + 4 * words.size();
  std::string bytes(dataOffset, '\0');
  memcpy(&bytes[0], "USER", 4);
  Put_Int(bytes, 4, 256);
  Put_Int(bytes, 8, count);
  Put_Int(bytes, 12, static_cast<int32_t>(dataOffset));
  Put_Int(bytes, 16, -1);
  const char name[] = "用户词库";
  memcpy(&bytes[20], name, sizeof name);
  for (size_t i = 0; i < words.size(); ++i) {
    Put_Int(bytes, kUserHeaderSize + 4 * i, static_cast<int32_t>(bytes.size() - dataOffset));
    for (const std::string* s : {&words[i].word, &words[i].part, &words[i].meaning}) {
      bytes += *s;
      bytes += '\0';
    }
  }
  return bytes;
}

std::vector<User_Word> Parse_User_Dict(const std::string& bytes) {
  std::vector<User_Word> words;
  if (bytes.size() < kUserHeaderSize) return words;
  int32_t count = Get_Int(bytes, 8);
  if (count <= 0) return words;
  // Only as many offsets as the file holds.
  size_t room = (bytes.size() - kUserHeaderSize) / 4;
  size_t n = std::min(static_cast<size_t>(count), room);
  const size_t dataOffset = kUserHeaderSize + 4 * static_cast<size_t>(count);
  for (size_t i = 0; i < n; ++i) {
    int32_t offset = Get_Int(bytes, kUserHeaderSize + 4 * i);
    if (offset < 0) continue;
    size_t at = dataOffset + static_cast<size_t>(offset);
    if (dataOffset > bytes.size() || at >= bytes.size()) continue;
    size_t end = std::min(bytes.size(), at + kMaxUserRecord);
    std::string parts[3];
    bool whole = true;
    for (std::string& part : parts) {
      size_t zero = bytes.find('\0', at);
      if (zero == std::string::npos || zero >= end) {
        whole = false;
        break;
      }
      part = bytes.substr(at, zero - at);
      at = zero + 1;
    }
    if (whole) words.push_back({parts[0], parts[1], parts[2]});
  }
  return words;
}
