#include "forms/tab_control.h"

#include "forms/errors.h"
#include "forms/form.h"
#include "forms/units.h"
#include "internal.h"

namespace forms {

void Tab_Control::Set_Tabs(int count, int per_row, int row_height) {
  per_row_ = per_row < 1 ? 1 : per_row;
  row_height_ = row_height;
  pictures_.assign(static_cast<size_t>(count), Picture());
  const int rows = (count + per_row_ - 1) / per_row_;
  const int top = rows * row_height_;
  for (int i = 0; i < count; ++i) {
    auto& page = form_->Add<Picture_Box>(name_ + "_Page", i, this);
    page.Move(0, top, Width(), Height() - top);
    page.Set_Border(true);
    page.Set_Visible(i == 0);
    pages_.push_back(&page);
  }
  tab_ = 0;
  Draw_Captions();
}

RECT Tab_Control::Tab_Rect(int tab) const {
  const int width = Width() / per_row_;
  const int left = (tab % per_row_) * width, top = (tab / per_row_) * row_height_;
  return RECT{left, top, left + width, top + row_height_};
}

int Tab_Control::Tab_At(int x, int y) const {
  for (int i = 0; i < Tabs(); ++i) {
    RECT r = Tab_Rect(i);
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return i;
  }
  return -1;
}

void Tab_Control::Set_Tab(int tab) {
  if (tab < 0 || tab >= Tabs()) throw Runtime_Error(380, "Invalid property value");
  if (tab == tab_) return;
  const int previous = tab_;
  tab_ = tab;
  pages_[static_cast<size_t>(tab)]->Set_Visible(true);
  pages_[static_cast<size_t>(previous)]->Set_Visible(false);
  if (On_Tab_Change) detail::Fire([&] { On_Tab_Change(previous); });
}

void Tab_Control::Set_Tab_Picture(int tab, const Picture& picture) {
  pictures_.at(static_cast<size_t>(tab)) = picture;
  Draw_Captions();
}

void Tab_Control::Draw_Captions() {
  if (!Hwnd()) return;
  Cls();
  HDC dc = Surface_Dc();
  for (int i = 0; i < Tabs(); ++i) {
    RECT r = Tab_Rect(i);
    const Picture& p = pictures_[static_cast<size_t>(i)];
    if (!p.Empty()) {
      Paint_Picture(p, r.left, r.top);
    } else if (dc) {
      RECT px{Twips_To_Pixels_X(r.left), Twips_To_Pixels_Y(r.top), Twips_To_Pixels_X(r.right),
              Twips_To_Pixels_Y(r.bottom)};
      DrawEdge(dc, &px, i == tab_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
  }
  Refresh_Surface();
}

void Tab_Control::Self_Mouse(int kind, int button, int shift, int x, int y) {
  if (kind == Mouse_Down && button == kLeftButton) {
    const int tab = Tab_At(x, y);
    if (tab >= 0) Set_Tab(tab);
  }
  Picture_Box::Self_Mouse(kind, button, shift, x, y);
}

}  // namespace forms
