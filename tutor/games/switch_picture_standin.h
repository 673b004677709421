#pragma once
// Stand-in for the main window's image list until its frames are built: every frame is empty.

#include "forms/forms.h"

namespace quillon {

forms::Picture Switch_Picture(int index);

}  // namespace quillon
