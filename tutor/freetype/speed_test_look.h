#pragma once
// Small helpers the speed-test pages and the records screen share: value labels and text
// conversions (a picture button's look is the services' Show_Look).

#include <string>

#include "forms/forms.h"
#include "services/bitmaps.h"

namespace quillon {

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
