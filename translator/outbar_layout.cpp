#include "outbar_layout.h"

#include <algorithm>

namespace outbar {

RECT Folder_Rect(const RECT& client, int count, int current, int i) {
  RECT r = client;
  if (i <= current) {
    r.top = client.top + kFolderHeight * i - 1;
    r.bottom = client.top + kFolderHeight * (i + 1) - 1;
  } else {
    r.top = client.bottom - kFolderHeight * (count - i);
    r.bottom = client.bottom - kFolderHeight * (count - i - 1);
  }
  return r;
}

RECT Item_Area(const RECT& client, int count, int current) {
  RECT r = client;
  if (count == 0) return r;
  r.top += kFolderHeight * (current + 1) - 1;
  r.bottom -= kFolderHeight * (count - current - 1);
  return r;
}

SIZE Slot_Size(const Item_Size& item, bool small) {
  if (small) {
    return SIZE{item.label.cx + kSmallLabelGap + item.icon.cx,
                std::max(item.icon.cy, item.label.cy)};
  }
  return SIZE{std::max(item.icon.cx, item.label.cx),
              item.icon.cy + kLargeLabelGap + item.label.cy + kLargeSlotGap};
}

namespace {

// y of item k before scrolling.
int Slot_Top(const Item_Layout& l, int k) {
  int gap = l.small ? kSmallSlotGap : kLargeSlotGap;
  int y = l.area.top;
  for (int j = 0; j < k && j < static_cast<int>(l.items.size()); ++j) {
    y += Slot_Size(l.items[j], l.small).cy + gap;
  }
  return y;
}

}  // namespace

Item_Boxes Boxes(const Item_Layout& l, int k) {
  const Item_Size& it = l.items[static_cast<size_t>(k)];
  SIZE slot = Slot_Size(it, l.small);
  int offset = Slot_Top(l, l.firstVisible) - l.area.top;
  int top = Slot_Top(l, k) - offset + kTopMargin;
  int width = l.area.right - l.area.left;
  Item_Boxes b{};
  b.item.top = top;
  b.item.bottom = top + slot.cy;
  b.icon.top = top;
  if (l.small) {
    b.item.left = l.area.left + kLeftMargin;
    b.item.right = l.area.left + slot.cx;
    b.icon.left = l.area.left + 7;
    b.icon.right = b.icon.left + it.icon.cx;
    b.icon.bottom = top + it.icon.cy;
    b.label = b.item;
  } else {
    b.item.left = l.area.left;
    b.item.right = l.area.right;
    b.icon.left = l.area.left + (width - it.icon.cx) / 2;
    b.icon.right = b.icon.left + it.icon.cx;
    b.icon.bottom = top + it.icon.cy + 1;
    b.label.left = l.area.left + (width - slot.cx) / 2;
    b.label.right = b.label.left + slot.cx;
    b.label.top = top + it.icon.cy + kLargeLabelGap;
    b.label.bottom = b.label.top + it.label.cy;
  }
  return b;
}

int Last_Visible(const Item_Layout& l) {
  int last = l.firstVisible - 1;
  for (int k = l.firstVisible; k < static_cast<int>(l.items.size()); ++k) {
    if (Boxes(l, k).item.bottom > l.area.bottom) break;
    last = k;
  }
  return last;
}

int Hit_Test(const Hit_Input& in, POINT p, int* index) {
  if (in.upShown && PtInRect(&in.upArrow, p)) return kHitUp;
  if (in.downShown && PtInRect(&in.downArrow, p)) return kHitDown;
  for (int i = 0; i < in.folderCount; ++i) {
    RECT r = Folder_Rect(in.client, in.folderCount, in.current, i);
    if (PtInRect(&r, p)) {
      *index = i;
      return kHitFolder;
    }
  }
  if (!in.items) return kHitNone;
  const Item_Layout& l = *in.items;
  for (int k = l.firstVisible; k < static_cast<int>(l.items.size()); ++k) {
    Item_Boxes b = Boxes(l, k);
    if (l.small) {
      if (b.item.top > l.area.bottom) return kHitNone;
      if (PtInRect(&b.item, p)) {
        *index = k;
        return kHitItem;
      }
    } else {
      if (b.icon.top > l.area.bottom) return kHitNone;
      RECT label = b.label;
      label.top -= kLargeLabelGap;
      if (PtInRect(&b.icon, p) || PtInRect(&label, p)) {
        *index = k;
        return kHitItem;
      }
    }
  }
  return kHitNone;
}

RECT Drop_Mark_Rect(const Item_Layout& l, int position, int* kind) {
  RECT r{l.area.left + 2, 0, l.area.right - 2, 0};
  const int count = static_cast<int>(l.items.size());
  if (position >= count) {
    int b = count > 0 ? Boxes(l, count - 1).item.bottom : l.area.top;
    r.top = b + 6;
    r.bottom = b + 11;
    *kind = 2;
  } else if (position <= 0) {
    int t = Boxes(l, 0).item.top;
    r.top = t - 2;
    r.bottom = t + 3;
    *kind = 0;
  } else {
    int t = Boxes(l, position).item.top;
    r.top = l.small ? t - 5 : t - 13;
    r.bottom = l.small ? t + 4 : t - 4;
    *kind = 1;
  }
  return r;
}

}  // namespace outbar
