#pragma once
// Small helpers the speed-test pages and the records screen share: a picture button's look
// by name, drawn once until it changes, and text conversions.

#include <string>

#include "forms/forms.h"
#include "services/bitmaps.h"

namespace quillon {

// Shows the named bitmap on the image unless it already shows it (its Tag remembers which).
inline void Show_Look(forms::Image& image, const std::string& name) {
  if (image.Tag == name && image.Get_Picture()) return;
  Load_Resource_Picture_To_Image(image, name);
  image.Tag = name;
}
inline void Clear_Look(forms::Image& image) {
  if (image.Get_Picture()) image.Set_Picture(forms::Picture());
  image.Tag.clear();
}

// A value label of a test page: centred blue text on the page's background.
inline forms::Label& Add_Value_Label(forms::Form& form, forms::Picture_Box& page, const char* name,
                                     int left, int top, int height, double points) {
  auto& label = form.Add<forms::Label>(name, -1, &page);
  label.Move(left, top, 840, height);
  label.Set_Alignment(2);
  label.Set_Back_Style(0);
  label.Set_Fore_Color(RGB(0, 0, 255));
  label.Set_Font("宋体", points);
  return label;
}

// Text of the system code page to UTF-16 and back.
std::string Wide_To_Ansi(const std::wstring& text);
std::wstring Ansi_To_Wide(const std::string& text);

}  // namespace quillon
