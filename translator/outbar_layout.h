#pragma once

// The outlook bar's geometry apart from its window: folder bars, the item area, item slots and
// boxes in both views, the visible range, the hit test and the drop mark.

#include <windows.h>

#include <vector>

namespace outbar {

constexpr int kFolderHeight = 22;
constexpr int kSmallLabelGap = 4;   // icon to label, small-icon view (horizontal)
constexpr int kLargeLabelGap = 3;   // icon to label, large-icon view (vertical)
constexpr int kSmallSlotGap = 10;
constexpr int kLargeSlotGap = 8;
constexpr int kLeftMargin = 5;
constexpr int kTopMargin = 5;

// Folder bar i of `count` folders while folder `current` is current.
RECT Folder_Rect(const RECT& client, int count, int current, int i);
// The area between the bars; the whole client rectangle without folders.
RECT Item_Area(const RECT& client, int count, int current);

// What an item measures: its icon (zero without one) and its label.
struct Item_Size {
  SIZE icon;
  SIZE label;
};
SIZE Slot_Size(const Item_Size& item, bool small);

// The items of the current folder laid out in its area from a first visible item.
struct Item_Layout {
  RECT area;
  bool small;
  int firstVisible;
  std::vector<Item_Size> items;
};
struct Item_Boxes {
  RECT item;   // the slot
  RECT icon;
  RECT label;  // large-icon view only
};
Item_Boxes Boxes(const Item_Layout& l, int k);
// The last item whose box ends within the area, from the first visible one (first - 1 when
// none fits).
int Last_Visible(const Item_Layout& l);

enum Hit_Kind { kHitNone = -1, kHitFolder = 0, kHitItem = 1, kHitUp = 2, kHitDown = 3 };
struct Hit_Input {
  RECT client;
  int folderCount;
  int current;
  bool upShown, downShown;
  RECT upArrow, downArrow;
  const Item_Layout* items;  // null for a folder without items (a window folder)
};
// Arrows, then folder bars, then the items from the first visible one.
int Hit_Test(const Hit_Input& in, POINT p, int* index);

// The drop mark's rectangle before item `position` (the item count: after the last item) and
// its kind: 0 above the first item, 1 between two, 2 after the last.
RECT Drop_Mark_Rect(const Item_Layout& l, int position, int* kind);

}  // namespace outbar
