#pragma once
// The cut texts of a form on show: its windowless labels (measured as they are drawn: wrapped at
// their width), its grids' cells and rows, and every windowed control (testkit::Check_Window_Texts).

#include <vector>

#include "forms/forms.h"
#include "testkit/text_fit.h"

namespace quillon {

std::vector<testkit::Cut_Text> Cut_Texts_Of(forms::Form& form);

}  // namespace quillon
