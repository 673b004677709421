#pragma once
// Several controls of one container moved at once (boats over a river picture): the windowed
// ones in one batch of window positions, so that the container repaints what they uncover once
// and each control's content moves with it instead of being drawn again.

#include <vector>

#include "forms/control.h"

namespace forms {

struct Control_Place {
  Control* control;
  int left, top;  // twips in the control's container
};

// Controls already in their place are left alone.
void Move_Controls(const std::vector<Control_Place>& places);

}  // namespace forms
