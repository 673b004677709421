#pragma once

// The package editor's decisions, apart from its windows: the letter index, which records a
// letter shows, where a search lands, how an edit reaches the records, how long a translation
// may be, and where the controls go.

#include <windows.h>

#include <string>
#include <vector>

#include "package.h"

// The index bar's folders and items: 26 letters and "其它" (the letter '0': a source text
// that does not begin with an ASCII letter).
constexpr int kIndexFolderCount = 4;
extern const char* const kIndexFolders[kIndexFolderCount];
struct Letter_Row {
  const char* text;
  char letter;
  int folder;
  int item;  // its position in its folder
};
constexpr int kLetterRows = 27;
extern const Letter_Row kLetterTable[kLetterRows];
constexpr char kOtherLetter = '0';
// The index pictures share bitmaps 132 and 133 with the navigation bar, whose twelve icons come
// first. The index picture of a row: the first card for the even letters A, C, ..., the second
// for the odd ones and "其它".
constexpr int kFirstLetterCard = 12;
int Letter_Image(int row);
// The letter of item `item` of folder `folder`, 0 when there is none.
char Letter_At(int folder, int item);

// The records a letter shows, as record indexes in row order: the last matching record
// first. '0' takes every record whose index letter is no ASCII letter (empty ones included);
// a letter takes its capital and small form.
std::vector<int> Filter_Records(int count, const InterfaceDictRecord* records, char letter);

// The first row whose text begins with `prefix` (bytes compared, letter case kept); -1 when
// the prefix is empty or no row does.
int Find_Row(const std::vector<std::string>& texts, const std::string& prefix);
// The line steps that bring row `row` to the top from top row `top`: positive down, negative
// up.
int Scroll_Steps(int row, int top);

// The longest start of `text` within `limit` bytes that ends on a whole character (a byte
// from 0x81 on leads a two-byte character of code page 936).
std::string Cut_To_Bytes(const std::string& text, size_t limit);
// The longest translation an entry holds, in bytes.
constexpr size_t kMaxTranslationBytes = 511;

// An edit reaching the records: every record whose source text is `source`, byte for byte,
// takes the translation (cut to 511 bytes, whole characters). A record kept aside (its text
// not held) never matches. The number of records changed.
int Update_Records(int count, InterfaceDictRecord* records, const std::string& source,
                   const std::string& translation);

// A menu item's text as its row shows it, as a menu does: the caption, then the key name after
// the first tab ("&New\tCtrl+N"), set apart at the column's right edge. `tabbed` tells whether
// the text has a tab at all.
struct Menu_Text {
  std::string caption, key_name;
  bool tabbed = false;
};
Menu_Text Split_Menu_Text(const std::string& text);

// The editor's controls for a background of w x h pixels (client coordinates).
struct Editor_Layout {
  RECT combo, compile, exit, index, list;
};
Editor_Layout Layout_Editor(int w, int h);
// The entry dialog's controls over a rectangle w x h.
struct Entry_Layout {
  RECT source, translation, save, cancel;
};
Entry_Layout Layout_Entry(int w, int h);
