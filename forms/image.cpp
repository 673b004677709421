#include "forms/control.h"

#include <algorithm>

#include "forms/units.h"
#include "internal.h"

namespace forms {

// ---------------------------------------------------------------------------------------------
// Image

void Image::Set_Picture(const Picture& picture) {
  if (visible_) Invalidate();
  picture_ = picture;
  if (!stretch_ && picture_) {
    width_ = Pixels_To_Twips_X(picture_.Width_Pixels());
    height_ = Pixels_To_Twips_Y(picture_.Height_Pixels());
  }
  if (visible_) Invalidate();
}

void Image::Set_Stretch(bool stretch) {
  stretch_ = stretch;
  if (!stretch_ && picture_) Set_Picture(picture_);
  else if (visible_) Invalidate();
}

void Image::Paint(HDC dc) {
  if (!picture_) return;
  RECT r = Pixel_Rect();
  HDC src = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(src, picture_.Handle());
  int pw = picture_.Width_Pixels(), ph = picture_.Height_Pixels();
  if (picture_.Has_Mask_Color()) {
    // A sprite: the mask colour lets the picture behind it show through.
    int w = stretch_ ? r.right - r.left : std::min<int>(pw, r.right - r.left);
    int h = stretch_ ? r.bottom - r.top : std::min<int>(ph, r.bottom - r.top);
    TransparentBlt(dc, r.left, r.top, w, h, src, 0, 0, stretch_ ? pw : w, stretch_ ? ph : h,
                   picture_.Mask_Color());
  } else if (stretch_) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, src, 0, 0, pw, ph, SRCCOPY);
  } else {
    BitBlt(dc, r.left, r.top, std::min<int>(pw, r.right - r.left),
           std::min<int>(ph, r.bottom - r.top), src, 0, 0, SRCCOPY);
  }
  SelectObject(src, old);
  DeleteDC(src);
}

}  // namespace forms
