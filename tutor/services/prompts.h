#pragma once
// The ready prompt Form_Begin_Type "开始打字": the last step before a timed practice starts (the
// two speed tests and a dictation lesson). Shown modally with no owner; the caller goes on with
// its practice once Show_Form_Begin_Type returns. Only Enter closes it, on its release, and only
// an Enter pressed while the prompt is open (not the release of the Enter that accepted the
// dialog before it): no other key, no click and no close command. While another window, of this
// or another program, is in front it shows its inactive look "begin2" over its face "zbcs".
// (The input-method notice Form_WubiPin is one of the picture message boxes, picture_boxes.h.)

#include <functional>

#include "forms/forms.h"

namespace quillon {

forms::Form& Form_Begin_Type();
void Show_Form_Begin_Type();

// Tests of the prompt's callers go on without a window: when set, Show_Form_Begin_Type calls it
// instead of showing the prompt. Empty: the real prompt.
void Set_Begin_Type_Function(std::function<void()> prompt);

}  // namespace quillon
