#pragma once
// Plain versions of the shell's later screens and services, enough to keep every road of the
// program running until their full versions replace them.
// (The skin, function bar, slides and picture message boxes are in their own modules, included
// here for the code that still looks for them in this header.)

#include <string>

#include "forms/forms.h"
#include "services/input_methods.h"
#include "services/scaling.h"
#include "shell/function_bar.h"
#include "shell/panel_slides.h"
#include "services/picture_boxes.h"
#include "shell/about_box.h"
#include "shell/skin.h"

namespace quillon {



}  // namespace quillon
