// The outlook bar's geometry: folder bars, item area, item boxes in both views, the visible
// range, the hit test and the drop mark.
#include <gtest/gtest.h>
#include <windows.h>

#include "outbar_layout.h"

namespace {

using namespace outbar;

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

const RECT kClient{0, 0, 150, 300};

TEST(OutbarLayout, FolderBarsStackAboveAndBelowTheCurrentFolder) {
  struct Case {
    int count, current, i;
    RECT want;
  } cases[] = {
      {3, 0, 0, {0, -1, 150, 21}},   {3, 0, 1, {0, 256, 150, 278}},
      {3, 0, 2, {0, 278, 150, 300}}, {3, 1, 1, {0, 21, 150, 43}},
      {3, 2, 2, {0, 43, 150, 65}},   {1, 0, 0, {0, -1, 150, 21}},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Same(Folder_Rect(kClient, c.count, c.current, c.i), c.want))
        << c.count << " " << c.current << " " << c.i << ": "
        << Text(Folder_Rect(kClient, c.count, c.current, c.i));
  }
  struct Area {
    int count, current;
    RECT want;
  } areas[] = {{0, -1, {0, 0, 150, 300}}, {3, 0, {0, 21, 150, 256}}, {3, 1, {0, 43, 150, 278}},
               {3, 2, {0, 65, 150, 300}}, {1, 0, {0, 21, 150, 300}}};
  for (const Area& a : areas) {
    EXPECT_TRUE(Same(Item_Area(kClient, a.count, a.current), a.want))
        << a.count << " " << a.current << ": " << Text(Item_Area(kClient, a.count, a.current));
  }
}

// Four items of 32-pixel icons with 13-pixel-high labels.
Item_Layout Four(bool small, int first, RECT area = RECT{0, 21, 150, 256}) {
  Item_Layout l;
  l.area = area;
  l.small = small;
  l.firstVisible = first;
  for (int i = 0; i < 4; ++i) {
    l.items.push_back(Item_Size{small ? SIZE{16, 16} : SIZE{32, 32}, SIZE{40 + 10 * i, 13}});
  }
  return l;
}

TEST(OutbarLayout, ItemBoxesInBothViews) {
  // Large: slot 32 + 3 + 13 + 8 = 56 high, 8 between slots.
  Item_Layout large = Four(false, 0);
  struct Case {
    const Item_Layout* l;
    int k;
    RECT item, icon, label;
  };
  Item_Layout small = Four(true, 0);
  Item_Layout scrolled = Four(false, 1);
  Case cases[] = {
      {&large, 0, {0, 26, 150, 82}, {59, 26, 91, 59}, {55, 61, 95, 74}},
      {&large, 1, {0, 90, 150, 146}, {59, 90, 91, 123}, {50, 125, 100, 138}},
      {&scrolled, 1, {0, 26, 150, 82}, {59, 26, 91, 59}, {50, 61, 100, 74}},
      // Small: slot max(16, 13) = 16 high, 10 between; 40 + 4 + 16 wide.
      {&small, 0, {5, 26, 60, 42}, {7, 26, 23, 42}, {5, 26, 60, 42}},
      {&small, 2, {5, 78, 80, 94}, {7, 78, 23, 94}, {5, 78, 80, 94}},
  };
  for (const Case& c : cases) {
    Item_Boxes b = Boxes(*c.l, c.k);
    EXPECT_TRUE(Same(b.item, c.item)) << c.k << " item " << Text(b.item);
    EXPECT_TRUE(Same(b.icon, c.icon)) << c.k << " icon " << Text(b.icon);
    if (!c.l->small) {
      EXPECT_TRUE(Same(b.label, c.label)) << c.k << " label " << Text(b.label);
    }
  }
  EXPECT_EQ(Slot_Size(Item_Size{{32, 32}, {70, 26}}, false).cx, 70);
  EXPECT_EQ(Slot_Size(Item_Size{{0, 0}, {20, 13}}, true).cy, 13);
}

TEST(OutbarLayout, VisibleRangeFollowsTheScrollPosition) {
  struct Case {
    int first;
    RECT area;
    int last;
  } cases[] = {
      {0, {0, 21, 150, 256}, 3},   // 26 + 4 * 64 - 8 = 274 > 256: the fourth does not fit
      {0, {0, 21, 150, 300}, 3},
      {1, {0, 21, 150, 256}, 3},
      {0, {0, 21, 150, 60}, -1},  // none fits
  };
  cases[0].last = 2;
  for (const Case& c : cases) {
    EXPECT_EQ(Last_Visible(Four(false, c.first, c.area)), c.last) << c.first << Text(c.area);
  }
}

TEST(OutbarLayout, HitTestTakesArrowsThenBarsThenItems) {
  Item_Layout large = Four(false, 0);
  Hit_Input in{kClient, 3, 0, true, false, {120, 26, 136, 42}, {120, 235, 136, 251}, &large};
  struct Case {
    POINT p;
    int hit, index;
  } cases[] = {
      {{125, 30}, kHitUp, -7},
      {{125, 240}, kHitNone, -7},  // the down arrow is not shown: nothing there
      {{10, 5}, kHitFolder, 0},
      {{10, 260}, kHitFolder, 1},
      {{10, 290}, kHitFolder, 2},
      {{70, 40}, kHitItem, 0},     // in the icon
      {{75, 60}, kHitItem, 0},     // the gap between icon and label counts
      {{75, 70}, kHitItem, 0},     // in the label
      {{10, 40}, kHitNone, -7},    // beside the icon
      {{70, 100}, kHitItem, 1},
      {{70, 86}, kHitNone, -7},    // between slots
  };
  for (const Case& c : cases) {
    int index = -7;
    EXPECT_EQ(Hit_Test(in, c.p, &index), c.hit) << c.p.x << "," << c.p.y;
    EXPECT_EQ(index, c.index) << c.p.x << "," << c.p.y;
  }
  // Small-icon view: the whole item box counts; items below the area are not hit.
  Item_Layout small = Four(true, 0, RECT{0, 21, 150, 70});
  Hit_Input s{kClient, 3, 0, false, false, {}, {}, &small};
  int index = -7;
  EXPECT_EQ(Hit_Test(s, POINT{55, 30}, &index), kHitItem);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(Hit_Test(s, POINT{30, 90}, &index), kHitNone);
  // A window folder has no items to hit.
  Hit_Input w{kClient, 3, 0, false, false, {}, {}, nullptr};
  EXPECT_EQ(Hit_Test(w, POINT{70, 40}, &index), kHitNone);
}

TEST(OutbarLayout, DropMarkSitsAboveBetweenOrAfterTheItems) {
  struct Case {
    bool small;
    int position;
    RECT want;
    int kind;
  } cases[] = {
      {false, 0, {2, 24, 148, 29}, 0},
      {false, 2, {2, 141, 148, 150}, 1},    // T = 154
      {true, 2, {2, 73, 148, 82}, 1},       // T = 78
      {false, 4, {2, 280, 148, 285}, 2},    // B = 274
      {true, 4, {2, 126, 148, 131}, 2},     // B = 120
  };
  for (const Case& c : cases) {
    int kind = -1;
    RECT r = Drop_Mark_Rect(Four(c.small, 0), c.position, &kind);
    EXPECT_TRUE(Same(r, c.want)) << c.small << " " << c.position << ": " << Text(r);
    EXPECT_EQ(kind, c.kind);
  }
}

}  // namespace
