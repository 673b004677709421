#include "forms/shapes.h"

#include <algorithm>

#include "forms/units.h"

namespace forms {

void Line::Set_Ends(int x1, int y1, int x2, int y2) {
  X1 = x1;
  Y1 = y1;
  X2 = x2;
  Y2 = y2;
  Move(std::min(x1, x2), std::min(y1, y2), std::max(1, std::abs(x2 - x1)),
       std::max(1, std::abs(y2 - y1)));
}

void Line::Paint(HDC dc) {
  HPEN pen = CreatePen(PS_SOLID, Border_Width, Border_Color);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, Twips_To_Pixels_X(X1), Twips_To_Pixels_Y(Y1), nullptr);
  LineTo(dc, Twips_To_Pixels_X(X2), Twips_To_Pixels_Y(Y2));
  SelectObject(dc, old);
  DeleteObject(pen);
}

void Option_Picture::Set_Picture(const Picture& picture) {
  picture_ = picture;
  if (visible_) Invalidate();
}

void Option_Picture::Set_Value(bool value) {
  if (value_ == value) return;
  value_ = value;
  if (visible_) Invalidate();
}

void Option_Picture::Paint(HDC dc) {
  RECT r = Pixel_Rect();
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  if (picture_) {
    const int shift = value_ ? 1 : 0;
    HDC src = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(src, picture_.Handle());
    const int pw = picture_.Width_Pixels(), ph = picture_.Height_Pixels();
    const int w = r.right - r.left, h = r.bottom - r.top;
    BitBlt(dc, r.left + std::max(0, (w - pw) / 2) + shift, r.top + std::max(0, (h - ph) / 2) + shift,
           std::min(pw, w), std::min(ph, h), src, 0, 0, SRCCOPY);
    SelectObject(src, old);
    DeleteDC(src);
  }
  DrawEdge(dc, &r, value_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

}  // namespace forms
