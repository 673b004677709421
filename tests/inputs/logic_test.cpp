// The decisions of the input methods, the typing boxes and the typing over an article, as tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/article_boxes.h"
#include "services/globals.h"
#include "services/input_methods.h"
#include "services/overwrite_typing.h"

namespace quillon {
namespace {

using Entries = std::vector<IME_Entry>;
const IME_Entry kEnd{};

TEST(Scan, PreloadedLayoutsSortIntoWubiAndPinYinWithTheirFavouritesFirst) {
  struct Case {
    const char* what;
    Entries preloaded;
    Entries wubi, pinyin;
  } const cases[] = {
      {"nothing preloaded", {}, {kEnd}, {kEnd}},
      {"a fresh prefix: Wine's own method without a text",
       {{"00000804", ""}, {"E0010804", ""}},
       {kEnd},
       {{"E0010804", ""}, kEnd}},
      {"US English and the plain Chinese keyboard go nowhere",
       {{"00000409", "美国英语"}, {"00000804", "中文(简体) - 美式键盘"}},
       {kEnd},
       {kEnd}},
      {"a layout for another language goes nowhere, whatever its text",
       {{"00000407", "德语"}, {"E0010411", "五笔日本"}, {"e0020804", "全拼"}},
       {kEnd},
       {{"e0020804", "全拼"}, kEnd}},
      {"identifiers that are not eight hexadecimal digits go nowhere",
       {{"0804", "五笔"}, {"E00X0804", "五笔"}, {"E00100804", "五笔"}},
       {kEnd},
       {kEnd}},
      {"the last 王码 Wubi method found comes first, the one it displaces takes its place",
       {{"E0030804", "五笔 A"}, {"E0040804", "王码五笔 B"}, {"E0050804", "王码五笔 C"}},
       {{"E0050804", "王码五笔 C"}, {"E0030804", "五笔 A"}, {"E0040804", "王码五笔 B"}, kEnd},
       {kEnd}},
      {"智能ABC, spelled with or without the blank, comes first among the PinYin methods",
       {{"E0010804", "全拼"}, {"E0020804", "郑码"}, {"E0060804", "智能 ABC"},
        {"E0070804", "微软拼音"}, {"E0080804", "智能ABC 5.0"}},
       {kEnd},
       {{"E0080804", "智能ABC 5.0"}, {"E0020804", "郑码"}, {"E0010804", "全拼"},
        {"E0070804", "微软拼音"}, {"E0060804", "智能 ABC"}, kEnd}},
      {"an empty identifier ends the list",
       {{"E0010804", "五笔"}, {"", ""}, {"E0020804", "全拼"}},
       {{"E0010804", "五笔"}, kEnd},
       {kEnd}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    IME_Tables t = Sort_Chinese_IMEs(c.preloaded);
    EXPECT_EQ(t.wubi, c.wubi);
    EXPECT_EQ(t.pinyin, c.pinyin);
  }
}

TEST(Scan, TheStoredChoiceIsKeptWhileItsMethodIsInstalled) {
  const Entries three{{"E0010804", "A"}, {"E0020804", "B"}, {"E0030804", "C"}, kEnd};
  struct Case {
    const char* what;
    Entries table;
    std::string stored;
    IME_Choice choice;
  } const cases[] = {
      {"no method at all", {kEnd}, "E0010804", {0, "", ""}},
      {"nothing stored: the first", three, "", {0, "E0010804", "A"}},
      {"stored and installed: kept", three, "E0030804", {2, "E0030804", "C"}},
      {"stored but gone: the first", three, "E0090804", {0, "E0010804", "A"}},
      {"compared as it stands (letter case counts)", three, "e0020804", {0, "E0010804", "A"}},
      {"the empty last entry is never chosen", {{"E0010804", "A"}, kEnd}, "", {0, "E0010804", "A"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Choose_IME(c.table, c.stored), c.choice);
  }
}

TEST(Key_Texts, ModifiersAndKeysAsTheSettingsDialogShowsThem) {
  struct Shift_Case {
    int flags;
    const char* text;
  } const shifts[] = {{0, ""},           {1, "Shift+"},       {2, "Ctrl+"},
                      {3, "Ctrl+Shift+"}, {4, "Alt+"},         {5, "Shift+Alt+"},
                      {6, "Ctrl+Alt+"},   {7, "Ctrl+Shift+Alt+"}};
  for (const Shift_Case& c : shifts) EXPECT_EQ(Get_Shift_Text(c.flags), c.text) << c.flags;
  struct Key_Case {
    int code;
    const char* text;
  } const keys[] = {{'0', "0"},  {'9', "9"},  {'A', "A"},  {'Z', "Z"},  {VK_F1, "F1"},
                    {VK_F9, "F9"}, {VK_F12, "F12"}, {VK_F13, ""}, {VK_NUMPAD0, ""}, {186, ";"},
                    {187, "="},  {188, ","},  {189, "-"},  {190, "."},  {191, "/"},
                    {192, "`"},  {219, "["},  {220, "\\"}, {221, "]"},  {222, "'"},
                    {VK_SPACE, ""}, {47, ""},  {58, ""},   {64, ""},   {91, ""},
                    {193, ""},   {0, ""}};
  for (const Key_Case& c : keys) EXPECT_EQ(Get_Key_Text(c.code), c.text) << c.code;
}

TEST(Text_Box_Keys, RefusedAtAndOffLineBreaksAndSwallowedAfterTheEnd) {
  using K = Text_Box_Key;
  struct Case {
    const char* what;
    int key, position, length;
    bool line_break, end_reached;
    K verdict;
  } const cases[] = {
      {"a letter mid-line", 'a', 3, 10, false, false, K::Take},
      {"a Chinese character mid-line", 0xD6D0, 3, 10, false, false, K::Take},
      {"Backspace mid-line", VK_BACK, 3, 10, false, false, K::Take},
      {"Enter mid-line", VK_RETURN, 3, 10, false, false, K::Refuse},
      {"Enter at a line break", VK_RETURN, 4, 10, true, false, K::Take},
      {"a letter at a line break", 'a', 4, 10, true, false, K::Refuse},
      {"Backspace at a line break", VK_BACK, 4, 10, true, false, K::Refuse},
      {"Space at a line break", VK_SPACE, 4, 10, true, false, K::Refuse},
      {"the first key after the end", 'a', 10, 10, false, false, K::End_First},
      {"Backspace after the end", VK_BACK, 10, 10, false, false, K::End_First},
      {"later keys after the end", 'a', 10, 10, false, true, K::End_Again},
      {"an empty text is passed at once", VK_RETURN, 0, 0, false, false, K::End_First},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Judge_Text_Box_Key(c.key, c.position, c.length, c.line_break, c.end_reached),
              c.verdict)
        << c.what;
}

// ---- Typing over an article, on a plain box ----

// Characters of a code-page-936 text, a CR LF line break being two.
std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> out;
  for (size_t i = 0; i < text.size();) {
    size_t n = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size() ? 2 : 1;
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}

class Plain_Box : public Overwrite_Box {
 public:
  explicit Plain_Box(const std::string& text) : chars(Split(text)), colors(chars.size(), kUntypedColor) {}
  int Caret() const override { return start; }
  void Select(int s, int l) override {
    start = std::clamp(s, 0, static_cast<int>(chars.size()));
    length = std::clamp(l, 0, static_cast<int>(chars.size()) - start);
  }
  std::string Sel_Text() const override {
    std::string s;
    for (int i = start; i < start + length; ++i) s += chars[static_cast<size_t>(i)];
    return s == "\r" ? "" : s;
  }
  COLORREF Sel_Color() const override { return colors[static_cast<size_t>(start)]; }
  void Set_Sel_Color(COLORREF c) override {
    for (int i = start; i < start + length; ++i) colors[static_cast<size_t>(i)] = c;
  }
  bool Line_Break_Before(int p) const override {
    return p >= 2 && chars[static_cast<size_t>(p - 2)] == "\r" && chars[static_cast<size_t>(p - 1)] == "\n";
  }
  void Set_Locked(bool l) override { locked = l; }
  void Unlock_After_Backspace() override { ++shift_strokes; }

  // One letter per character: ' ' untouched (black), 'b' blue, 'r' red.
  std::string Colors() const {
    std::string s;
    for (COLORREF c : colors) s += c == kRightColor ? 'b' : c == kWrongColor ? 'r' : ' ';
    return s;
  }

  std::vector<std::string> chars;
  std::vector<COLORREF> colors;
  int start = 0, length = 0;
  bool locked = false;
  int shift_strokes = 0;
};

struct Overwrite_Case {
  const char* what;
  const char* text;
  int resume;                 // the loaded position (counted as typed right)
  std::vector<int> keys;
  int position;               // Char_Position afterwards
  int typed, right;
  const char* colors;         // per character, see Plain_Box::Colors
  Overwrite_Sound last_sound;
  bool last_handled;
};

void Load(Plain_Box& box, int resume) {
  Text_Length = static_cast<int>(box.chars.size());
  Char_Position = resume;
  Typed_Char_Count = Right_Char_Count = resume;
  Char_Right_Mark.Redim(Text_Length);
  for (int k = 1; k <= resume; ++k) Char_Right_Mark(k) = true;
  for (int k = 0; k < resume; ++k) box.colors[static_cast<size_t>(k)] = kRightColor;
  Text_End_Reached = false;
  Text_End_Time = 0;
  box.Select(resume, 0);
}

TEST(Overwrite, KeysColourCountAndMoveTheCaret) {
  using S = Overwrite_Sound;
  constexpr int BS = VK_BACK, CR = VK_RETURN;
  const int kZhong = 0xD6D0, kWen = 0xCEC4;  // 中 文
  const Overwrite_Case cases[] = {
      {"right and wrong, case counts", "abAB", 0, {'a', 'x', 'A', 'b'}, 4, 4, 2, "brbr", S::Wrong,
       true},
      {"Backspace paints black and takes back the right count", "abc", 0, {'a', 'b', BS}, 1, 1, 1,
       "b  ", S::None, true},
      {"Backspace over a wrong character takes back only the typed count", "abc", 0,
       {'a', 'x', BS}, 1, 1, 1, "b  ", S::None, true},
      {"Backspace at the start changes nothing but is handled", "abc", 0, {BS}, 0, 0, 0, "   ",
       S::None, true},
      {"Enter mid-line is wrong and counts nothing", "ab", 0, {CR}, 0, 0, 0, "  ", S::Wrong, true},
      {"Enter at a line break passes it as two right characters", "a\r\nb", 0, {'a', CR, 'b'}, 4,
       4, 4, "b  b", S::Key, true},
      {"a letter at a line break is refused and not handled", "a\r\nb", 0, {'a', 'b'}, 1, 1, 1,
       "b   ", S::Wrong, false},
      {"Backspace after a passed line break steps back over both", "a\r\nb", 0, {'a', CR, BS}, 1,
       1, 1, "b   ", S::None, true},
      {"Chinese characters are one position each", "中文字", 0, {kZhong, kZhong}, 2, 2, 1, "br ",
       S::Wrong, true},
      {"a Chinese character right after a wrong one", "中文", 0, {'z', kWen}, 2, 2, 1, "rb",
       S::Key, true},
      {"Esc and Ctrl+letter codes are ignored", "abc", 0, {27, 1, 17, 'a'}, 1, 1, 1, "b  ",
       S::Key, true},
      {"a resumed article counts its typed part right", "abcd", 2, {'x', BS, BS}, 1, 1, 1, "b   ",
       S::None, true},
      {"after the end keys are swallowed", "ab", 0, {'a', 'b', 'c', BS}, 2, 2, 2, "bb", S::None,
       false},
  };
  for (const Overwrite_Case& c : cases) {
    SCOPED_TRACE(c.what);
    Plain_Box box(c.text);
    Load(box, c.resume);
    Overwrite_Step step;
    for (int k : c.keys) step = Overwrite_Key(box, k, 5.0);
    EXPECT_EQ(Char_Position, c.position);
    EXPECT_EQ(box.Caret(), c.position);
    EXPECT_EQ(Typed_Char_Count, c.typed);
    EXPECT_EQ(Right_Char_Count, c.right);
    EXPECT_EQ(box.Colors(), c.colors);
    EXPECT_EQ(step.sound, c.last_sound);
    EXPECT_EQ(step.handled, c.last_handled);
  }
}

TEST(Overwrite, TheEndIsNotedOnceAndAMovedCaretLosesTheKey) {
  Plain_Box box("ab");
  Load(box, 0);
  Overwrite_Key(box, 'a', 1.0);
  Overwrite_Key(box, 'b', 2.0);
  EXPECT_FALSE(Text_End_Reached);
  Overwrite_Key(box, 'c', 3.0);
  EXPECT_TRUE(Text_End_Reached);
  EXPECT_TRUE(box.locked);
  EXPECT_EQ(Text_End_Time, 3.0);
  Overwrite_Key(box, 'd', 4.0);
  EXPECT_EQ(Text_End_Time, 3.0);

  Plain_Box moved("abc");
  Load(moved, 0);
  moved.Select(2, 0);  // the mouse put the caret elsewhere
  Overwrite_Step lost = Overwrite_Key(moved, 'a', 1.0);
  EXPECT_FALSE(lost.handled);
  EXPECT_EQ(lost.sound, Overwrite_Sound::None);
  EXPECT_EQ(Char_Position, 0);
  EXPECT_EQ(Typed_Char_Count, 0);
  EXPECT_EQ(moved.Colors(), "   ");

  // Backspace leaves the lock the key-down put on, and asks for the Shift stroke that lifts it.
  Plain_Box back("ab");
  Load(back, 1);
  back.locked = true;
  Overwrite_Key(back, VK_BACK, 1.0);
  EXPECT_TRUE(back.locked);
  EXPECT_EQ(back.shift_strokes, 1);
  Overwrite_Key(back, 'a', 1.0);
  EXPECT_FALSE(back.locked);
}

}  // namespace
}  // namespace quillon
