// The floating bar's decisions as tables: menu marks, the dictionary list and submenu, the
// choice of a window's program, the tips, snapping, display change and the animated edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "appfw/toolbar.h"
#include "barlogic.h"

namespace {

DictListRecord Rec(const char* file, const char* name, int selected) {
  DictListRecord r{};
  memcpy(r.fileName, file, std::min(strlen(file), sizeof r.fileName));
  memcpy(r.dictName, name, std::min(strlen(name), sizeof r.dictName));
  r.selected = selected;
  return r;
}

// True when the text is whole code-page-936 characters (no lead byte left alone at the end).
bool Whole_Characters(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x81) {
      if (i + 1 >= text.size()) return false;
      ++i;
    }
  }
  return true;
}

TEST(BarLogicMenuMarks, CheckAndGreyFollowTheState) {
  struct Row {
    Menu_State state;
    std::vector<UINT> checked, disabled;
  } rows[] = {
      {{1, 0, 0, 1, 0, false, false}, {32841, 32855, 32872}, {32792}},
      {{0, 1, 1, 0, 1, true, true}, {32842, 32846, 32848, 32840}, {32793, 32794}},
      {{256, 0, 0, 2, 5, false, false}, {32843}, {32792}},
      {{-1, 0, 0, 0, 1, false, false}, {32844}, {32792}},
      {{77, 0, 2, 0, 1, false, false}, {32844}, {32792}},  // unknown code: no conversion
  };
  for (const Row& row : rows) {
    std::vector<UINT> checked, disabled;
    for (const Menu_Mark& m : Menu_Marks(row.state)) {
      if (m.checked) checked.push_back(m.id);
      if (!m.enabled) disabled.push_back(m.id);
    }
    EXPECT_EQ(checked, row.checked) << row.state.code;
    EXPECT_EQ(disabled, row.disabled) << row.state.code;
  }
  EXPECT_EQ(Code_Of_Command(32841), 1);
  EXPECT_EQ(Code_Of_Command(32842), 0);
  EXPECT_EQ(Code_Of_Command(32843), 256);
  EXPECT_EQ(Code_Of_Command(32844), -1);
}

TEST(BarLogicDictList, WholeRecordsOnlyMissingFilesDroppedOneSelected) {
  std::vector<DictListRecord> in = {Rec("a.dct", "甲", 1), Rec("b.dct", "乙", 0),
                                    Rec("c.dct", "丙", 1)};
  std::string bytes = Dict_List_Bytes(in) + std::string(35, 'x');
  std::vector<DictListRecord> records = Parse_Dict_List(bytes);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_TRUE(Parse_Dict_List(std::string(35, 'x')).empty());

  EXPECT_TRUE(Keep_Existing_Dicts(records, [](const std::string&) { return true; }));
  EXPECT_FALSE(Keep_Existing_Dicts(records, [](const std::string& f) { return f != "b.dct"; }));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(Dict_Field(records[1].fileName), "c.dct");
  EXPECT_EQ(records[1].selected, 1);  // flags are left alone

  Select_Dict(records, 0);
  EXPECT_EQ(records[0].selected, 1);
  EXPECT_EQ(records[1].selected, 0);
  Select_Dict(records, -1);
  EXPECT_EQ(records[0].selected, 0);
  Select_Dict(records, 9);  // past the list: none
  EXPECT_EQ(records[0].selected + records[1].selected, 0);

  // A full 16-byte name without a closing zero.
  DictListRecord full = Rec("0123456789abcdef", "x", 0);
  EXPECT_EQ(Dict_Field(full.fileName), "0123456789abcdef");
}

TEST(BarLogicDictList, TheSubmenuListsAtMost32RecordsSoNoItemReachesAnotherCommand) {
  std::vector<DictListRecord> many;
  for (int i = 0; i < 40; ++i) many.push_back(Rec("d.dct", ("词库" + std::to_string(i)).c_str(), i == 3));
  std::vector<Dict_Menu_Item> items = Dict_Menu_Items(many, 3);
  ASSERT_EQ(items.size(), 32u);
  EXPECT_EQ(items.front().id, 32800u);
  EXPECT_EQ(items.back().id, 32831u);
  EXPECT_EQ(items[3].name, "词库3");
  EXPECT_TRUE(items[3].checked);
  for (const Dict_Menu_Item& item : Dict_Menu_Items(many, -1)) EXPECT_FALSE(item.checked);
}

TEST(BarLogicWindowProgram, FirstEntryOfTheProcessWithANameThatFits) {
  std::vector<Process_Entry> entries = {
      {4, "other.exe"}, {8, ""}, {8, std::string(30, 'n') + ".exe"}, {8, "notepad.exe"},
      {8, "later.exe"}};
  const Process_Entry* e = Choose_Exe_Entry(entries, 8, 1023);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->exeFile, std::string(30, 'n') + ".exe");
  e = Choose_Exe_Entry(entries, 8, 20);  // the long name does not fit
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->exeFile, "notepad.exe");
  EXPECT_EQ(Choose_Exe_Entry(entries, 8, 11)->exeFile, "notepad.exe");  // exactly the size
  EXPECT_EQ(Choose_Exe_Entry(entries, 8, 8), nullptr);
  EXPECT_EQ(Choose_Exe_Entry(entries, 5, 1023), nullptr);
  EXPECT_EQ(Exe_Base_Name("C:\\Program Files\\App\\notepad.exe"), "notepad");
  EXPECT_EQ(Exe_Base_Name("notepad.exe"), "notepad");
  EXPECT_EQ(Exe_Base_Name("tool"), "tool");
}

TEST(BarLogicTips, TargetNameAndTitleStayWithinTheBufferOnCharacterBoundaries) {
  const std::string quick = "快速简单翻译%s";
  struct Row {
    std::string name, title, want;
  } rows[] = {
      {"notepad", "", "快速简单翻译notepad"},
      {"", "", "快速简单翻译"},
      {"notepad", "无标题 - 记事本", "快速简单翻译notepad\n标题：无标题 - 记事本"},
  };
  for (const Row& r : rows) EXPECT_EQ(Compose_Target_Tip(quick, r.name, r.title), r.want);

  // A long title: cut to 75 - L bytes and "...".
  std::string head = "快速简单翻译notepad\n标题：";
  std::string tip = Compose_Target_Tip(quick, "notepad", std::string(100, 'T'));
  EXPECT_EQ(tip, head + std::string(75 - head.size(), 'T') + "...");
  EXPECT_LE(tip.size(), 79u);

  // A Chinese title is cut before a character, never through it.
  std::string title;
  for (int i = 0; i < 40; ++i) title += "汉";
  tip = Compose_Target_Tip(quick, "notepadx", title);
  EXPECT_TRUE(Whole_Characters(tip.substr(0, tip.size() - 3)));
  EXPECT_EQ(tip.substr(tip.size() - 3), "...");
  EXPECT_LE(tip.size(), 79u);

  // A program name so long that nothing is left for the title: no negative cut, no overflow.
  for (size_t n : {70u, 74u, 76u, 79u, 120u}) {
    tip = Compose_Target_Tip(quick, std::string(n, 'p'), title);
    EXPECT_LE(tip.size(), 79u) << n;
    EXPECT_TRUE(Whole_Characters(tip)) << n;
  }
  EXPECT_EQ(Cut_Bytes("ab汉字", 3), "ab");
  EXPECT_EQ(Cut_Bytes("ab汉字", 4), "ab汉");
  EXPECT_EQ(Cut_Bytes("ab汉字", 0), "");
}

TEST(BarLogicPlacement, SnapTableInItsOrder) {
  const int W = 1024, H = 768, w = 198, h = 27;
  struct Row {
    int x, y, wantX, wantY;
  } rows[] = {
      {19, 19, 0, 0},           {20, 20, 20, 20},          {W - w + 5, 10, W - w, 0},
      {5, H - h - 5, 0, H - h}, {W - w + 1, H - h + 1, W - w, H - h},
      {10, 300, 0, 300},        {400, 19, 400, 0},         {400, H - h - 19, 400, H - h},
      {W - w - 19, 300, W - w, 300}, {400, 300, 400, 300}, {400, -17, 400, 0},
  };
  for (const Row& r : rows) {
    POINT p = Snap_Position(RECT{r.x, r.y, r.x + w, r.y + h}, W, H);
    EXPECT_EQ(p.x, r.wantX) << r.x << "," << r.y;
    EXPECT_EQ(p.y, r.wantY) << r.x << "," << r.y;
  }
  POINT moved = Display_Change_Position(POINT{600, 0}, SIZE{1024, 768}, SIZE{800, 600});
  EXPECT_EQ(moved.x, 468);
  EXPECT_EQ(moved.y, 0);
  moved = Display_Change_Position(POINT{301, 123}, SIZE{800, 600}, SIZE{1024, 768});
  EXPECT_EQ(moved.x, 385);
  EXPECT_EQ(moved.y, 157);
}

TEST(BarLogicEdge, GradientStripesAndTheSweep) {
  std::vector<Stripe> s = Gradient_Stripes(0, 510, RGB(0, 0, 255), RGB(255, 255, 255));
  ASSERT_EQ(s.size(), 255u);
  EXPECT_EQ(s[0].left, 0);
  EXPECT_EQ(s[0].right, 2);
  EXPECT_EQ(s[0].colour, RGB(0, 0, 255));
  EXPECT_EQ(s[254].right, 510);
  EXPECT_EQ(s[254].colour, RGB(254, 254, 255));
  std::vector<Stripe> back = Gradient_Stripes(100, 50, RGB(255, 255, 255), RGB(0, 0, 255));
  ASSERT_EQ(back.size(), 255u);
  EXPECT_EQ(back[0].left, 100);
  EXPECT_EQ(back[1].colour, RGB(254, 254, 255));
  EXPECT_EQ(back[254].right, 150);
  EXPECT_TRUE(Gradient_Stripes(0, 10, RGB(9, 9, 9), RGB(9, 9, 9)).empty());

  Edge_Sweep sweep;
  std::vector<int> seen;
  for (int i = 0; i < 125; ++i) seen.push_back(sweep.Next());
  EXPECT_EQ(seen[0], 20);
  EXPECT_EQ(seen[60], 80);    // counter 80
  EXPECT_EQ(seen[61], 79);    // counter 81
  EXPECT_EQ(seen[120], 20);   // counter 140
  EXPECT_EQ(seen[121], 20);   // counter 141 starts again at 20
  EXPECT_EQ(seen[122], 21);
}

TEST(AppfwToolbarResource, ReadsTheButtonsAndRefusesShortOrForeignData) {
  const WORD good[] = {1, 16, 15, 5, 32779, 32789, 0, 32790, 32834};
  appfw::Toolbar_Layout layout;
  ASSERT_TRUE(appfw::Parse_Toolbar_Resource(good, sizeof good, &layout));
  EXPECT_EQ(layout.imageWidth, 16);
  EXPECT_EQ(layout.imageHeight, 15);
  EXPECT_EQ(layout.ids, (std::vector<UINT>{32779, 32789, 0, 32790, 32834}));
  EXPECT_FALSE(appfw::Parse_Toolbar_Resource(good, sizeof good - 2, &layout));
  const WORD other[] = {2, 16, 15, 0};
  EXPECT_FALSE(appfw::Parse_Toolbar_Resource(other, sizeof other, &layout));
  EXPECT_FALSE(appfw::Parse_Toolbar_Resource(good, 6, &layout));
}

}  // namespace
