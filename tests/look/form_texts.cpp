#include "form_texts.h"

#include <string>

namespace quillon {

namespace {

// Shown: visible itself and inside visible containers all the way up.
bool Shown(const forms::Control& control) {
  if (!control.Visible()) return false;
  for (forms::Container* c = control.Container_Of(); c;) {
    auto* as_control = dynamic_cast<forms::Control*>(c);
    if (!as_control) break;
    if (!as_control->Visible()) return false;
    c = as_control->Container_Of();
  }
  return true;
}

std::string Name_Of(const forms::Control& control) {
  std::string name = control.Name();
  if (control.Index() >= 0) name += "(" + std::to_string(control.Index()) + ")";
  return name;
}

SIZE Size_Of(const RECT& r) { return SIZE{r.right - r.left, r.bottom - r.top}; }

void Check_Label(const forms::Label& label, std::vector<testkit::Cut_Text>& cuts) {
  if (label.Caption().empty()) return;
  RECT r = label.Pixel_Rect();
  // The part of the label its container shows.
  RECT host{};
  if (label.Container_Of()) GetClientRect(label.Container_Of()->Container_Hwnd(), &host);
  RECT seen{};
  IntersectRect(&seen, &r, &host);
  SIZE room = Size_Of(seen);
  HFONT font = testkit::Make_Point_Font(label.Font_Name(), label.Font_Size(), label.Font_Bold());
  // As the label draws it: wrapped at its width (a text without breaks stays one line).
  SIZE needed = testkit::Text_Size(font, label.Caption(), r.right - r.left);
  DeleteObject(font);
  if (needed.cx > room.cx || needed.cy > room.cy)
    cuts.push_back({"label " + Name_Of(label), label.Caption(), needed, room});
}

void Check_Grid(const forms::Flex_Grid& grid, std::vector<testkit::Cut_Text>& cuts) {
  HFONT font = testkit::Window_Font(grid.Hwnd());
  const int row_height = forms::Twips_To_Pixels_Y(grid.Row_Height());
  const int last = std::min(grid.Rows(), grid.Top_Row() + grid.Rows_In_View());
  for (int row = 0; row < last; ++row) {
    if (row > 0 && row < grid.Top_Row()) continue;
    for (int col = 0; col < grid.Cols(); ++col) {
      const std::string& text = grid.Text_Matrix(row, col);
      const int width = forms::Twips_To_Pixels_X(grid.Col_Width(col));
      if (text.empty() || width <= 0) continue;
      // A cell draws its text one pixel in from each side, above its bottom line.
      SIZE room{width - 3, row_height - 1};
      SIZE needed = testkit::Text_Size(font, text);
      if (needed.cx > room.cx || needed.cy > room.cy)
        cuts.push_back({"grid " + Name_Of(grid) + " cell " + std::to_string(row) + "," +
                            std::to_string(col),
                        text, needed, room});
    }
  }
}

}  // namespace

std::vector<testkit::Cut_Text> Cut_Texts_Of(forms::Form& form) {
  std::vector<testkit::Cut_Text> cuts;
  if (!form.Hwnd() || !IsWindowVisible(form.Hwnd())) return cuts;
  for (const auto& owned : form.Controls()) {
    const forms::Control& control = *owned;
    if (!Shown(control)) continue;
    if (auto* label = dynamic_cast<const forms::Label*>(&control)) Check_Label(*label, cuts);
    else if (auto* grid = dynamic_cast<const forms::Flex_Grid*>(&control)) Check_Grid(*grid, cuts);
  }
  testkit::Check_Window_Texts(form.Hwnd(), cuts);
  return cuts;
}

}  // namespace quillon
