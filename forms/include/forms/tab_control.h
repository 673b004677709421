#pragma once
// Tab control whose tab captions are pictures, laid out a fixed number to a row above the pages.
// Each tab has a page (a picture box named after the control with "_Page", indexed by the tab)
// that holds its controls; only the selected tab's page shows. Selecting a tab, by a click on its
// caption or by Set_Tab, fires On_Tab_Change with the tab selected before.

#include <functional>
#include <vector>

#include "forms/control.h"

namespace forms {

class Tab_Control : public Picture_Box {
 public:
  // Makes the tabs and their pages: `count` tabs, `per_row` to a row, each row `row_height`
  // twips high. Tab 0 starts selected.
  void Set_Tabs(int count, int per_row, int row_height);
  int Tabs() const { return static_cast<int>(pages_.size()); }
  Picture_Box& Page(int tab) const { return *pages_.at(static_cast<size_t>(tab)); }
  int Tab() const { return tab_; }
  // 0 to Tabs() - 1; any other tab throws Runtime_Error 380 and changes nothing.
  void Set_Tab(int tab);
  void Set_Tab_Picture(int tab, const Picture& picture);
  const Picture& Tab_Picture(int tab) const { return pictures_.at(static_cast<size_t>(tab)); }
  // The tab whose caption holds the point (twips in the control), -1 for none.
  int Tab_At(int x, int y) const;
  // The caption rectangle of a tab, twips in the control.
  RECT Tab_Rect(int tab) const;

  std::function<void(int previous)> On_Tab_Change;

 protected:
  void Self_Mouse(int kind, int button, int shift, int x, int y) override;

 private:
  void Draw_Captions();
  std::vector<Picture_Box*> pages_;
  std::vector<Picture> pictures_;
  int per_row_ = 3, row_height_ = 300, tab_ = 0;
};

}  // namespace forms
