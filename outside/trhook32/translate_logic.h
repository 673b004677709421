#pragma once

// What trhook32 decides about texts, apart from the windows it changes: the package's pairs
// (exact texts, and texts with format fields such as "File '%s' does not exist."), the
// dictionaries, the parts of a menu or label text (access key, ellipsis, shortcut) and the
// bilingual menu text. All texts are code-page-936 bytes.

#include <regex>
#include <string>
#include <unordered_map>
#include <vector>

namespace trhook32 {

// A translation package's pairs (outside/include/lvd_format.h).
class Package_Table {
 public:
  // Replaces the pairs by those of a package's bytes; false (and no pairs) when the bytes are
  // no package. Damaged entries are skipped.
  bool Load(const std::string& bytes);
  void Clear();
  bool Empty() const { return exact_.empty(); }
  // The translation of `text`: an exact pair, else a pair with format fields whose fixed
  // parts match (the fields' values carried into the translation); false when none.
  bool Translate(const std::string& text, std::string* out) const;

 private:
  struct Pattern {
    std::regex match;
    std::vector<std::string> fields;  // the source's fields in order ("%s", "%1", ...)
    std::string translation;
  };
  std::unordered_map<std::string, std::string> exact_;
  std::vector<Pattern> patterns_;
};

// The format fields of a text: "%s", "%d", "%ld", "%u", "%1", "%2!d!", ... in order.
std::vector<std::string> Format_Fields(const std::string& text);
// The translation with its fields filled from the values the source's fields took: numbered
// fields by their number, the others in order.
std::string Fill_Fields(const std::string& translation, const std::vector<std::string>& sourceFields,
                        const std::vector<std::string>& values);

// A dictionary of words: the professional dictionaries (".dct") and the user dictionary.
class Word_Dictionary {
 public:
  // Adds the pairs of a ".dct" file (outside/include/dct_format.h); false when it is none.
  bool Add_Dct(const std::string& bytes);
  // Adds the words of the user dictionary (lib\User.dct: word, part of speech, meaning).
  bool Add_User(const std::string& bytes);
  void Clear() { words_.clear(); }
  // The meaning of a word, letter case of ASCII letters ignored.
  bool Find(const std::string& word, std::string* out) const;

 private:
  std::unordered_map<std::string, std::string> words_;
};

// A menu item or label text taken apart: "Save &As...\tCtrl+S" gives the words "Save As",
// the access key 'A', the tail "..." and the shortcut "Ctrl+S".
struct Text_Parts {
  std::string words;
  char accessKey = 0;
  std::string tail;      // "...", ":" or "" after the words
  std::string shortcut;  // after the tab, "" when none
};
Text_Parts Split_Text(const std::string& text);
// A Chinese text built from the parts: the translation of the words, "(&A)" for the access
// key, the tail, and the tab and shortcut.
std::string Compose_Text(const Text_Parts& parts, const std::string& wordsChinese);
// The bilingual menu text, as the settings sheet shows it ("编辑 | Edit(&E)"): the Chinese
// words, " | ", the English words, the access key, the tail and the shortcut.
std::string Bilingual_Text(const std::string& english, const std::string& chinese);

// Quick translation of one text: the package's pair, else the words of the text in the user
// dictionary (when given), else in the professional dictionary (when given); false when none
// knows it.
bool Quick_Translate(const std::string& text, const Package_Table& package,
                     const Word_Dictionary* user, const Word_Dictionary* professional,
                     std::string* out);

}  // namespace trhook32
