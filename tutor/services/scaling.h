#pragma once
// Display scaling: the factor the tutor's windows are scaled by, and the scaling of a window.

#include "forms/forms.h"

namespace quillon {

float Get_Scale_Factor();  // 1: windows keep their design sizes
void Scale_Form(forms::Form& form, float factor);

}  // namespace quillon
