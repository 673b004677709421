#include "editor_logic.h"

#include <cstring>

const char* const kIndexFolders[kIndexFolderCount] = {"字母索引A-F", "字母索引G-M", "字母索引N-T",
                                                      "字母索引U-Z"};

const Letter_Row kLetterTable[kLetterRows] = {
    {"A", 'A', 0, 0}, {"B", 'B', 0, 1}, {"C", 'C', 0, 2}, {"D", 'D', 0, 3}, {"E", 'E', 0, 4},
    {"F", 'F', 0, 5}, {"G", 'G', 1, 0}, {"H", 'H', 1, 1}, {"I", 'I', 1, 2}, {"J", 'J', 1, 3},
    {"K", 'K', 1, 4}, {"L", 'L', 1, 5}, {"M", 'M', 1, 6}, {"N", 'N', 2, 0}, {"O", 'O', 2, 1},
    {"P", 'P', 2, 2}, {"Q", 'Q', 2, 3}, {"R", 'R', 2, 4}, {"S", 'S', 2, 5}, {"T", 'T', 2, 6},
    {"U", 'U', 3, 0}, {"V", 'V', 3, 1}, {"W", 'W', 3, 2}, {"X", 'X', 3, 3}, {"Y", 'Y', 3, 4},
    {"Z", 'Z', 3, 5}, {"其它", kOtherLetter, 3, 6},
};

int Letter_Image(int row) { return kFirstLetterCard + (row < 26 ? row % 2 : 1); }

char Letter_At(int folder, int item) {
  for (const Letter_Row& r : kLetterTable) {
    if (r.folder == folder && r.item == item) return r.letter;
  }
  return 0;
}

namespace {

bool Is_Ascii_Letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::vector<int> Filter_Records(int count, const InterfaceDictRecord* records, char letter) {
  std::vector<int> rows;
  for (int i = count - 1; i >= 0; --i) {
    const char c = records[i].letter;
    bool take = letter == kOtherLetter ? !Is_Ascii_Letter(c)
                                       : (c == letter || c == static_cast<char>(letter + 32));
    if (take) rows.push_back(i);
  }
  return rows;
}

int Find_Row(const std::vector<std::string>& texts, const std::string& prefix) {
  if (prefix.empty()) return -1;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (texts[i].compare(0, prefix.size(), prefix) == 0) return static_cast<int>(i);
  }
  return -1;
}

int Scroll_Steps(int row, int top) { return row - top; }

std::string Cut_To_Bytes(const std::string& text, size_t limit) {
  size_t end = 0;
  while (end < text.size()) {
    size_t width = static_cast<unsigned char>(text[end]) >= 0x81 && end + 1 < text.size() ? 2 : 1;
    if (end + width > limit) break;
    end += width;
  }
  return text.substr(0, end);
}

int Update_Records(int count, InterfaceDictRecord* records, const std::string& source,
                   const std::string& translation) {
  if (source.empty()) return 0;
  const std::string text = Cut_To_Bytes(translation, kMaxTranslationBytes);
  int changed = 0;
  for (int i = 0; i < count; ++i) {
    InterfaceDictRecord& r = records[i];
    if (strncmp(r.source, source.c_str(), sizeof r.source) != 0) continue;
    memcpy(r.translation, text.c_str(), text.size() + 1);
    r.translationLength = static_cast<uint16_t>(text.size());
    ++changed;
  }
  return changed;
}

Editor_Layout Layout_Editor(int w, int h) {
  Editor_Layout l;
  l.combo = {130, 10, 130 + 200, 10 + 25};
  l.compile = {w - 100, 10, w - 100 + 80, 10 + 25};
  l.exit = {w - 200, 10, w - 200 + 80, 10 + 25};
  l.index = {2, 45, 2 + 120, 45 + h - 80};
  l.list = {128, 45, 128 + w - 133, 45 + h - 80};
  return l;
}

Entry_Layout Layout_Entry(int w, int h) {
  Entry_Layout l;
  const int half = h / 2;
  l.source = {0, 0, w - 6, half - 29};
  l.translation = {0, half - 29, w - 6, half - 29 + half};
  l.save = {0, h - 24, 80, h};
  l.cancel = {88, h - 24, 88 + 80, h};
  return l;
}

Menu_Text Split_Menu_Text(const std::string& text) {
  const size_t tab = text.find('\t');
  if (tab == std::string::npos) return Menu_Text{text, "", false};
  return Menu_Text{text.substr(0, tab), text.substr(tab + 1), true};
}
