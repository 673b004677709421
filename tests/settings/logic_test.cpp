// The settings dialogs' and the shell periphery's decisions as tables: option keys and stored
// values, comparisons and restarts, picture variants, scale factors and font steps, key texts,
// hot-key captures, the link's looks and the arrows' arithmetic.
#include <gtest/gtest.h>

#include <set>

#include "forms/forms.h"
#include "services/input_methods.h"
#include "services/scaling.h"
#include "settings/function_options.h"
#include "settings/hot_key_capture.h"
#include "shell/pointer_events.h"

namespace quillon {
namespace {

TEST(OptionKeys, FortySixKeysOnePerControlAndEveryTabCovered) {
  std::set<std::string> controls;
  std::set<int> tabs;
  int keys = 0;
  for (const Option_Key& k : Option_Keys()) {
    EXPECT_TRUE(controls.insert(k.control).second) << k.control;
    tabs.insert(k.tab);
    // The two input-method lists also write their method's layout id and text.
    keys += std::string(k.control) == "Combo_Wubi" || std::string(k.control) == "Combo_PinYin" ? 3 : 1;
    if (k.kind == Option_Kind::Number) {
      EXPECT_GT(k.characters, 0) << k.control;
      EXPECT_GT(k.arrows_max, 0) << k.control;
    }
  }
  EXPECT_EQ(keys, 46);
  EXPECT_EQ(tabs.size(), 12u);
  // Every control a tab compares is a key of the table.
  for (int tab = 0; tab < 12; ++tab)
    for (int panel : {1, 8, 11})
      for (int language : {0, 1})
        for (const char* c : Compared_Controls(tab, language, panel))
          EXPECT_NE(Option_Key_Of(c), nullptr) << c;
}

TEST(OptionKeys, AStoredValueItsControlCannotTakeGivesNone) {
  struct Case { Option_Kind kind; const char* stored; int count; int value; };
  const Case cases[] = {
      {Option_Kind::Check, "1", 2, 1},    {Option_Kind::Check, "0", 2, 0},
      {Option_Kind::Check, "2", 2, -1},   {Option_Kind::Check, "x", 2, -1},
      {Option_Kind::Option, "2", 3, 2},   {Option_Kind::Option, "3", 3, -1},
      {Option_Kind::Option, "-1", 3, -1}, {Option_Kind::Combo, "7", 8, 7},
      {Option_Kind::Combo, "8", 8, -1},   {Option_Kind::Combo, "-1", 8, -1},
      {Option_Kind::Combo, "", 8, -1},    {Option_Kind::Slider, "100", 0, 100},
      {Option_Kind::Slider, "0", 0, -1},  {Option_Kind::Slider, "101", 0, -1},
      {Option_Kind::Slider, "5.5", 0, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Control_Value_From(c.kind, c.stored, c.count), c.value) << c.stored;
}

TEST(OptionKeys, NumberBoxTexts) {
  struct Case { const char* stored; int characters; const char* shown; };
  const Case shown[] = {{"250", 3, "250"}, {"1000", 3, ""}, {"05", 2, "05"}, {"", 2, ""},
                        {"4a", 2, ""},     {"-1", 2, ""},   {"9999", 4, "9999"}};
  for (const Case& c : shown) EXPECT_EQ(Number_Box_Text_From(c.stored, c.characters), c.shown);
  const std::pair<const char*, const char*> saved[] = {
      {"", "1"}, {"0", "1"}, {"00", "1"}, {"000", "1"}, {"05", "05"}, {"250", "250"}, {"10", "10"}};
  for (auto [text, result] : saved) EXPECT_EQ(Normalized_Number_Text(text), result) << text;
}

TEST(ChangeDetection, NumberBoxesCompareTextOthersCompareNumbersAsThePracticesReadThem) {
  const Option_Key& words = *Option_Key_Of("RichText_Word_One_Line_Words_Num");
  const Option_Key& check = *Option_Key_Of("Check_Word_Remember");
  const Option_Key& slider = *Option_Key_Of("Slider_Game_Police_Speed_Num");
  struct Case { const Option_Key* key; const char* stored; const char* shown; bool changed; };
  const Case cases[] = {
      {&words, "5", "5", false},   {&words, "5", "05", true},   {&words, "5", "6", true},
      {&check, "1", "1", false},   {&check, "01", "1", false},  {&check, "1", "0", true},
      // A value that is no number reads as the default, as the practice reads it.
      {&check, "abc", "1", false}, {&slider, "junk", "50", false}, {&slider, "50", "51", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Option_Changed(*c.key, c.stored, c.shown), c.changed)
        << c.key->control << " " << c.stored << " " << c.shown;
}

TEST(ChangeDetection, EachTabComparesWhatItsPracticeUses) {
  using V = std::vector<std::string>;
  auto compared = [](int tab, int language, int panel) {
    V out;
    for (const char* c : Compared_Controls(tab, language, panel)) out.push_back(c);
    return out;
  };
  // The article category counts for the Chinese article practices too.
  EXPECT_EQ(compared(4, 1, 10).front(), "Combo_Article");
  EXPECT_EQ(compared(5, 1, 1).front(), "Combo_Article");
  // Dictation compares its input method only in Chinese.
  EXPECT_EQ(compared(3, 0, 1).size(), 2u);
  EXPECT_EQ(compared(3, 1, 1).back(), "Option_Wubi_PinYin");
  // Tab 10: the compare-text test its prompt, the records their limit, the paper test nothing.
  EXPECT_EQ(compared(10, 0, 8), V{"Check_Test_Remember"});
  EXPECT_EQ(compared(10, 0, 11), V{"RichText_Test_Record"});
  EXPECT_TRUE(compared(10, 0, 7).empty());
  EXPECT_TRUE(compared(88, 0, 1).empty());
}

TEST(ChangeDetection, RestartRunsThePracticesOwnMenuItem) {
  using K = Restart_Command::Kind;
  struct Case { int tab, language, panel; K kind; Menu menu; int item; };
  const Case cases[] = {
      {0, 0, 0, K::Menu_Item, Menu::English_Type, 0},  {1, 0, 9, K::Menu_Item, Menu::English_Type, 1},
      {2, 0, 1, K::Menu_Item, Menu::English_Type, 2},  {3, 0, 1, K::Menu_Item, Menu::English_Type, 3},
      {3, 1, 1, K::Menu_Item, Menu::Chinese_Type, 2},  {3, 5, 1, K::None, Menu::None, 0},
      {4, 1, 10, K::Menu_Item, Menu::Chinese_Type, 0}, {5, 1, 1, K::Menu_Item, Menu::Chinese_Type, 1},
      {6, 0, 3, K::Menu_Item, Menu::Game, 0},          {9, 0, 6, K::Menu_Item, Menu::Game, 3},
      {10, 0, 8, K::Menu_Item, Menu::Speed_Test, 1},   {10, 0, 11, K::Menu_Item, Menu::Other_Function, 1},
      {10, 0, 7, K::None, Menu::None, 0},
  };
  for (const Case& c : cases) {
    Restart_Command r = Restart_For(c.tab, c.language, c.panel);
    EXPECT_EQ(r.kind, c.kind) << c.tab;
    if (c.kind == K::Menu_Item) {
      EXPECT_EQ(r.menu, c.menu) << c.tab;
      EXPECT_EQ(r.item, c.item) << c.tab;
    }
  }
  Restart_Command free = Restart_For(11, 0, 2);
  EXPECT_EQ(free.kind, K::Function_Module);
  EXPECT_EQ(free.button, Function_Button::Free_Type);
}

TEST(Pictures, SuffixByExactScaleFactor) {
  const std::pair<float, const char*> cases[] = {
      {1.0f, "_"}, {0.8f, "_125"}, {0.75f, "_"}, {static_cast<float>(1 / 0.75), "_075"},
      {static_cast<float>(1 / 1.5), "_150"}, {0.5f, "_200"}, {0.0f, "_"}, {2.0f, "_"}};
  for (auto [factor, suffix] : cases) EXPECT_EQ(Picture_Suffix(factor), suffix) << factor;
}

TEST(Scaling, FactorFromLanguageAndGuiFont) {
  struct Case { LANGID language; LONG height; float factor; };
  const Case cases[] = {
      {0x804, -12, 1.0f}, {0x804, -15, 0.8f}, {0x804, -16, 0.75f}, {0x404, -18, static_cast<float>(12.0 / 18)},
      {0x411, -24, 0.5f}, {0x412, -9, static_cast<float>(12.0 / 9)}, {0x409, -11, 1.0f},
      {0x409, -13, static_cast<float>(11.0 / 13)}, {0x407, -14, static_cast<float>(11.0 / 14)},
      {0x804, 0, 1.0f}, {0x804, 12, 1.0f},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Scale_Factor_For(c.language, c.height), c.factor) << c.language << " " << c.height;
}

TEST(Scaling, FontStepsAndControlKinds) {
  const std::pair<float, int> steps[] = {{static_cast<float>(1 / 0.75), 6}, {0.8f, -2},
                                         {static_cast<float>(1 / 1.5), -4}, {0.5f, -6},
                                         {0.75f, 0}, {1.0f, 0}, {static_cast<float>(11.0 / 13), 0}};
  for (auto [factor, step] : steps) EXPECT_EQ(Font_Size_Step(factor), step) << factor;
  const std::pair<const char*, Scaled_Kind> kinds[] = {
      {"Line_Top", Scaled_Kind::Line},       {"Combo_Word", Scaled_Kind::Combo},
      {"LABEL_Time", Scaled_Kind::Text},     {"RichText_Free_Type", Scaled_Kind::Text},
      {"Text1", Scaled_Kind::Text},          {"Picture_BG", Scaled_Kind::Other},
      {"Lin", Scaled_Kind::Other},           {"Check_Sound", Scaled_Kind::Other}};
  for (auto [name, kind] : kinds) EXPECT_EQ(Scaled_Kind_Of(name), kind) << name;
}

TEST(KeyTexts, ModifiersInOrderAndNamedKeysOnly) {
  const std::pair<int, const char*> shifts[] = {{0, ""}, {1, "Shift+"}, {2, "Ctrl+"}, {4, "Alt+"},
                                                {3, "Ctrl+Shift+"}, {7, "Ctrl+Shift+Alt+"}, {6, "Ctrl+Alt+"}};
  for (auto [shift, text] : shifts) EXPECT_EQ(Get_Shift_Text(shift), text) << shift;
  const std::pair<int, const char*> keys[] = {
      {'0', "0"}, {'9', "9"}, {'A', "A"}, {'Z', "Z"}, {VK_F1, "F1"}, {VK_F12, "F12"}, {124, ""},
      {186, ";"}, {187, "="}, {188, ","}, {189, "-"}, {190, "."}, {191, "/"}, {192, "`"},
      {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"}, {VK_NUMPAD0, ""}, {VK_RETURN, ""},
      {VK_SPACE, ""}, {VK_LEFT, ""}, {VK_CONTROL, ""}, {VK_INSERT, ""}, {'a', ""}};
  for (auto [key, text] : keys) EXPECT_EQ(Get_Key_Text(key), text) << key;
}

Hot_Key_Box Stored(int shift, int key, const char* shift_text, const char* key_text) {
  Hot_Key_Box box;
  box.stored = Hot_Key{shift, key, shift_text, key_text};
  box.Show_Stored();
  return box;
}

TEST(HotKeyCapture, NamedKeysCaptureNamelessAndTakenOnesAreRefused) {
  Hot_Key_Box active = Stored(0, VK_F9, "", "F9"), close = Stored(0, VK_F12, "", "F12");
  Capture_Key(active, close, VK_F5, 2);
  EXPECT_TRUE(active.has_capture);
  EXPECT_EQ(active.shown, "Ctrl+F5");
  // F12 is the close key's: refused, the box keeps showing Ctrl+F5, OK keeps the stored F9.
  Capture_Key(active, close, VK_F12, 0);
  EXPECT_EQ(active.shown, "Ctrl+F5");
  EXPECT_FALSE(active.has_capture);
  EXPECT_EQ(active.Will_Store().key_code, VK_F9);
  Capture_Key(active, close, VK_F5, 3);
  EXPECT_EQ(active.shown, "Ctrl+Shift+F5");
  // A key without a name after a good combination: the box shows it, the store keeps F9.
  Capture_Key(active, close, VK_RETURN, 0);
  EXPECT_EQ(active.shown, "Ctrl+Shift+F5");
  EXPECT_EQ(active.Will_Store().key_code, VK_F9);
}

TEST(HotKeyCapture, ChecksAgainstWhatTheOtherWillStoreAndOKNeverStoresTwoAlike) {
  Hot_Key_Box active = Stored(0, VK_F9, "", "F9"), close = Stored(0, VK_F12, "", "F12");
  // The front key moves to Ctrl+F5, so F9 is free for the close key ...
  Capture_Key(active, close, VK_F5, 2);
  Capture_Key(close, active, VK_F9, 0);
  EXPECT_TRUE(close.has_capture);
  // ... until a nameless key in the front box sends it back to its stored F9.
  Capture_Key(active, close, VK_SPACE, 0);
  EXPECT_TRUE(active.Will_Store().Same_Combination(close.Will_Store()));
  Drop_Clashing_Capture(active, close);
  EXPECT_EQ(active.Will_Store().key_code, VK_F9);
  EXPECT_EQ(close.Will_Store().key_code, VK_F12);
  EXPECT_FALSE(close.has_capture);

  // A refused key leaves what the other box checks against alone: after F12 was refused in the
  // front box, the close box may still take Ctrl+F5 only if the front box will not store it.
  Hot_Key_Box a = Stored(0, VK_F9, "", "F9"), b = Stored(0, VK_F12, "", "F12");
  Capture_Key(a, b, VK_F12, 0);
  Capture_Key(b, a, VK_F9, 0);  // the front key still stores F9
  EXPECT_FALSE(b.has_capture);
  Capture_Key(b, a, VK_F12, 4);
  EXPECT_EQ(b.shown, "Alt+F12");
  Drop_Clashing_Capture(a, b);
  EXPECT_TRUE(b.has_capture);
}

TEST(PointerEvents, LinkLooksAndStrictInside) {
  EXPECT_STREQ(Link_Look(true, false), "LarkmoorNet1");
  EXPECT_STREQ(Link_Look(false, false), "LarkmoorNet2");
  EXPECT_STREQ(Link_Look(false, true), "LarkmoorNet3");
  EXPECT_STREQ(Link_Look(true, true), "LarkmoorNet4");
  struct Case { int x, y; bool over; };
  const Case cases[] = {{1, 1, true}, {0, 5, false}, {5, 0, false}, {99, 49, true},
                        {100, 10, false}, {10, 50, false}, {-3, 10, false}};
  for (const Case& c : cases) EXPECT_EQ(Pointer_Over(c.x, c.y, 100, 50), c.over) << c.x << "," << c.y;
}

TEST(UpDown, ArrowsStepTheBoxNumberWithinTheirRange) {
  struct Case { const char* text; int delta, min, max, result; };
  const Case cases[] = {{"5", 1, 1, 9, 6},    {"9", 1, 1, 9, 9},   {"1", -1, 1, 9, 1},
                        {"250", 1, 1, 99, 99}, {"250", -1, 1, 99, 98}, {"", 1, 1, 99, 2},
                        {"0", -1, 1, 99, 1},  {"9999", 1, 1, 9999, 9999}, {"12345678901", -1, 1, 99, 98}};
  for (const Case& c : cases)
    EXPECT_EQ(forms::Up_Down::Stepped(c.text, c.delta, c.min, c.max), c.result) << c.text;
}

}  // namespace
}  // namespace quillon
