#include "forms/control.h"

#include "internal.h"

namespace forms {

using detail::Make_Font;

// ---------------------------------------------------------------------------------------------
// Label

Label::~Label() {
  if (font_) DeleteObject(font_);
}

void Label::Set_Caption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (visible_) Invalidate();
}

void Label::Set_Font(const std::string& name, double point_size, bool bold) {
  font_name_ = name;
  font_size_ = point_size;
  bold_ = bold;
  if (font_) DeleteObject(font_);
  font_ = nullptr;
  if (visible_) Invalidate();
}

void Label::Set_Fore_Color(COLORREF color) {
  fore_ = color;
  if (visible_) Invalidate();
}

void Label::Set_Back_Color(COLORREF color) {
  back_ = color;
  if (visible_) Invalidate();
}

void Label::Set_Back_Style(int style) {
  back_style_ = style;
  if (visible_) Invalidate();
}

void Label::Set_Alignment(int alignment) {
  alignment_ = alignment;
  if (visible_) Invalidate();
}

void Label::Paint(HDC dc) {
  RECT r = Pixel_Rect();
  if (back_style_ == 1) {
    HBRUSH brush = CreateSolidBrush(back_);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  if (caption_.empty()) return;
  if (!font_) font_ = Make_Font(font_name_, font_size_, bold_);
  HGDIOBJ old = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled_ ? fore_ : GetSysColor(COLOR_GRAYTEXT));
  UINT align = alignment_ == 1 ? DT_RIGHT : alignment_ == 2 ? DT_CENTER : DT_LEFT;
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
            align | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
}

}  // namespace forms
