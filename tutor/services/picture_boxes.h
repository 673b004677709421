#pragma once
// The picture message boxes: small frameless windows whose whole face is one bitmap, with
// transparent buttons over the buttons drawn in it. Each is shown modally with no owner; the
// caller reads the answer afterwards:
//   Form_Yes               one button, no answer
//   Form_YesNo             Dialog_Answer        0 yes, 1 no
//   Form_YesRetryNo        Retry_Dialog_Answer  0 yes/next, 1 retry, 2 no
//   Form_Game_YesNo        Dialog_Answer        0 continue, 1 cancel (face drawn by the game)
//   Form_Game_YesRetryNo   Retry_Dialog_Answer  0 next, 1 repeat, 2 cancel (face drawn by the game)
//   Form_WubiPin           no answer: the input-method notice (face drawn by the caller); Space
//                          closes it too
// A button click plays the click sound, shows the pressed picture, waits 300 ms (handling
// events), writes its index and closes the box. Keys act when released (Enter, Ctrl+Y, Ctrl+R,
// Ctrl+N, Esc, Alt+F4). A box closed any other way (a close from the taskbar, WM_CLOSE) answers
// its cancel value, which is also the answer each box starts from.

#include <functional>
#include <string>

#include "forms/forms.h"

namespace quillon {

enum class Picture_Box_Kind { Yes, YesNo, YesRetryNo, Game_YesNo, Game_YesRetryNo, WubiPin };

forms::Form& Form_Yes();
forms::Form& Form_YesNo();
forms::Form& Form_YesRetryNo();
forms::Form& Form_Game_YesNo();
forms::Form& Form_Game_YesRetryNo();
forms::Form& Form_WubiPin();
forms::Form& Picture_Box_Form(Picture_Box_Kind kind);

// Shows the box modally and returns when it has closed. The game boxes first get the face the
// game names (none: whatever was drawn on the box before).
void Show_Form_Yes();
void Show_Form_YesNo();
void Show_Form_YesRetryNo();
void Show_Form_Game_YesNo(const std::string& face = "");
void Show_Form_Game_YesRetryNo(const std::string& face = "");
// The input-method notice with the face that names the missing method ("bgwubi", "bgpinyin").
void Show_Form_WubiPin(const std::string& face);

// The button actions (the keys run them too).
void Image_Yes_Click();
void Image_YesNo_Click(Picture_Box_Kind kind, int index);       // YesNo or Game_YesNo
void Image_YesRetryNo_Click(Picture_Box_Kind kind, int index);  // YesRetryNo or Game_YesRetryNo

// Tests of the boxes' callers answer without a window: when set, the Show_Form_ functions call
// it instead of showing the box (the answer global holds the cancel value first). Empty: the
// real boxes.
using Picture_Box_Function = std::function<void(Picture_Box_Kind kind)>;
void Set_Picture_Box_Function(Picture_Box_Function answer);

}  // namespace quillon
