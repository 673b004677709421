#include "translate_logic.h"

#include <cctype>
#include <cstdint>
#include <cstring>

#include "dct_format.h"
#include "lvd_format.h"

namespace trhook32 {

namespace {

std::string Lower_Ascii(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  size_t b = s.find_last_not_of(' ');
  return s.substr(a, b - a + 1);
}

// The format field that starts at `at` (a '%'), its length, or 0 when none starts there.
size_t Field_Length(const std::string& s, size_t at) {
  size_t i = at + 1;
  if (i >= s.size()) return 0;
  if (isdigit(static_cast<unsigned char>(s[i]))) {
    while (i < s.size() && isdigit(static_cast<unsigned char>(s[i]))) ++i;
    if (i < s.size() && s[i] == '!') {
      size_t close = s.find('!', i + 1);
      if (close != std::string::npos) i = close + 1;
    }
    return i - at;
  }
  if (s[i] == 'l') ++i;
  if (i < s.size() && strchr("sduxic", s[i])) return i + 1 - at;
  return 0;
}

bool Numbered(const std::string& field) {
  return field.size() > 1 && isdigit(static_cast<unsigned char>(field[1]));
}

std::string Field_Number(const std::string& field) {
  size_t end = 1;
  while (end < field.size() && isdigit(static_cast<unsigned char>(field[end]))) ++end;
  return field.substr(0, end);
}

int32_t Int_At(const std::string& b, size_t at) {
  int32_t v = 0;
  memcpy(&v, b.data() + at, 4);
  return v;
}

// The zero-terminated text at `at`, false when it does not end inside the bytes.
bool Text_At(const std::string& b, int64_t at, std::string* out) {
  if (at < 0 || static_cast<uint64_t>(at) >= b.size()) return false;
  size_t end = b.find('\0', static_cast<size_t>(at));
  if (end == std::string::npos) return false;
  *out = b.substr(static_cast<size_t>(at), end - static_cast<size_t>(at));
  return true;
}

}  // namespace

std::vector<std::string> Format_Fields(const std::string& text) {
  std::vector<std::string> fields;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (i + 1 < text.size() && text[i + 1] == '%') {
      ++i;
      continue;
    }
    size_t n = Field_Length(text, i);
    if (n) {
      fields.push_back(text.substr(i, n));
      i += n - 1;
    }
  }
  return fields;
}

std::string Fill_Fields(const std::string& translation, const std::vector<std::string>& sourceFields,
                        const std::vector<std::string>& values) {
  std::vector<size_t> unnumbered;
  for (size_t j = 0; j < sourceFields.size(); ++j) {
    if (!Numbered(sourceFields[j])) unnumbered.push_back(j);
  }
  std::string out;
  size_t nextPlain = 0;
  for (size_t i = 0; i < translation.size(); ++i) {
    size_t n = translation[i] == '%' ? Field_Length(translation, i) : 0;
    if (!n) {
      out += translation[i];
      continue;
    }
    const std::string field = translation.substr(i, n);
    i += n - 1;
    size_t source = sourceFields.size();
    if (Numbered(field)) {
      for (size_t j = 0; j < sourceFields.size(); ++j) {
        if (Numbered(sourceFields[j]) && Field_Number(sourceFields[j]) == Field_Number(field)) {
          source = j;
          break;
        }
      }
    } else if (nextPlain < unnumbered.size()) {
      source = unnumbered[nextPlain++];
    }
    out += source < values.size() ? values[source] : field;
  }
  return out;
}

bool Package_Table::Load(const std::string& bytes) {
  Clear();
  const auto* file = reinterpret_cast<const uint8_t*>(bytes.data());
  LvdHeader header;
  if (!lvd_read_header(file, bytes.size(), &header)) return false;
  std::string text = bytes.substr(header.textOffset, header.textLength);
  lvd_unscramble(reinterpret_cast<uint8_t*>(text.data()), text.size());
  for (unsigned i = 0; i < header.count; ++i) {
    const LvdIndexEntry entry = lvd_index_entry(file, &header, i);
    if (!lvd_entry_inside(&entry, header.textLength)) continue;
    if (!entry.sourceLength || !entry.translationLength) continue;
    std::string source = text.substr(entry.offset, entry.sourceLength);
    std::string translation = text.substr(entry.offset + entry.sourceLength, entry.translationLength);
    std::vector<std::string> fields = Format_Fields(source);
    if (!fields.empty() && !exact_.count(source)) {
      std::string re;
      size_t f = 0;
      for (size_t c = 0; c < source.size(); ++c) {
        size_t n = source[c] == '%' ? Field_Length(source, c) : 0;
        if (n && f < fields.size()) {
          re += "([\\s\\S]*?)";
          c += n - 1;
          ++f;
          continue;
        }
        if (strchr("\\^$.|?*+()[]{}", source[c]) && source[c]) re += '\\';
        re += source[c];
      }
      try {
        patterns_.push_back({std::regex(re), fields, translation});
      } catch (const std::regex_error&) {
      }
    }
    exact_.emplace(std::move(source), std::move(translation));
  }
  return true;
}

void Package_Table::Clear() {
  exact_.clear();
  patterns_.clear();
}

bool Package_Table::Translate(const std::string& text, std::string* out) const {
  auto found = exact_.find(text);
  if (found != exact_.end()) {
    *out = found->second;
    return true;
  }
  for (const Pattern& p : patterns_) {
    std::smatch m;
    if (!std::regex_match(text, m, p.match)) continue;
    std::vector<std::string> values;
    for (size_t i = 1; i < m.size(); ++i) values.push_back(m[i].str());
    *out = Fill_Fields(p.translation, p.fields, values);
    return true;
  }
  return false;
}

bool Word_Dictionary::Add_Dct(const std::string& b) {
  if (b.size() < DCT_HEADER_SIZE || static_cast<uint32_t>(Int_At(b, 0)) != DCT_MAGIC) return false;
  const int32_t count = Int_At(b, 4), table = Int_At(b, 8);
  if (count < 0 || table < 0) return false;
  for (int64_t i = 0; i < count; ++i) {
    const int64_t at = table + 8 * i;
    if (at + 8 > static_cast<int64_t>(b.size())) break;
    std::string en, zh;
    if (!Text_At(b, Int_At(b, static_cast<size_t>(at)), &en) ||
        !Text_At(b, Int_At(b, static_cast<size_t>(at) + 4), &zh) || en.empty() || zh.empty()) {
      continue;
    }
    words_.emplace(Lower_Ascii(en), zh);
  }
  return true;
}

bool Word_Dictionary::Add_User(const std::string& b) {
  constexpr size_t kHeader = 148;
  if (b.size() < kHeader) return false;
  const int32_t count = Int_At(b, 8);
  if (count <= 0) return true;
  const int64_t data = kHeader + 4 * static_cast<int64_t>(count);
  for (int64_t i = 0; i < count && kHeader + 4 * i + 4 <= b.size(); ++i) {
    int64_t at = data + Int_At(b, static_cast<size_t>(kHeader + 4 * i));
    std::string word, part, meaning;
    if (!Text_At(b, at, &word)) continue;
    at += static_cast<int64_t>(word.size()) + 1;
    if (!Text_At(b, at, &part)) continue;
    at += static_cast<int64_t>(part.size()) + 1;
    if (!Text_At(b, at, &meaning) || word.empty() || meaning.empty()) continue;
    words_.emplace(Lower_Ascii(word), meaning);
  }
  return true;
}

bool Word_Dictionary::Find(const std::string& word, std::string* out) const {
  auto found = words_.find(Lower_Ascii(word));
  if (found == words_.end()) return false;
  *out = found->second;
  return true;
}

Text_Parts Split_Text(const std::string& text) {
  Text_Parts parts;
  std::string body = text;
  size_t tab = body.find('\t');
  if (tab != std::string::npos) {
    parts.shortcut = body.substr(tab + 1);
    body.erase(tab);
  }
  body = Trim(body);
  for (const char* tail : {"...", ":"}) {
    size_t n = strlen(tail);
    if (body.size() > n && body.compare(body.size() - n, n, tail) == 0) {
      parts.tail = tail;
      body.erase(body.size() - n);
      break;
    }
  }
  // A Chinese-style access key at the end: "编辑(&E)".
  if (body.size() >= 4 && body.compare(body.size() - 4, 2, "(&") == 0 && body.back() == ')') {
    parts.accessKey = static_cast<char>(toupper(static_cast<unsigned char>(body[body.size() - 2])));
    body.erase(body.size() - 4);
  }
  std::string words;
  for (size_t i = 0; i < body.size(); ++i) {
    if (body[i] != '&') {
      words += body[i];
      continue;
    }
    if (i + 1 < body.size() && body[i + 1] == '&') {
      words += '&';
      ++i;
    } else if (i + 1 < body.size() && !parts.accessKey) {
      parts.accessKey = static_cast<char>(toupper(static_cast<unsigned char>(body[i + 1])));
    }
  }
  parts.words = Trim(words);
  return parts;
}

std::string Compose_Text(const Text_Parts& parts, const std::string& wordsChinese) {
  std::string out = wordsChinese;
  if (parts.accessKey) out += std::string("(&") + parts.accessKey + ")";
  out += parts.tail;
  if (!parts.shortcut.empty()) out += "\t" + parts.shortcut;
  return out;
}

std::string Bilingual_Text(const std::string& english, const std::string& chinese) {
  const Text_Parts en = Split_Text(english);
  const Text_Parts zh = Split_Text(chinese);
  if (en.words.empty() || zh.words.empty() || en.words == zh.words) return chinese;
  return Compose_Text(en, zh.words + " | " + en.words);
}

bool Quick_Translate(const std::string& text, const Package_Table& package,
                     const Word_Dictionary* user, const Word_Dictionary* professional,
                     std::string* out) {
  if (package.Translate(text, out)) return true;
  const Text_Parts parts = Split_Text(text);
  if (parts.words.empty()) return false;
  std::string words;
  for (const Word_Dictionary* d : {user, professional}) {
    if (d && d->Find(parts.words, &words)) {
      *out = Compose_Text(parts, words);
      return true;
    }
  }
  return false;
}

}  // namespace trhook32
