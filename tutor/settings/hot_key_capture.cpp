#include "settings/hot_key_capture.h"

#include "services/input_methods.h"

namespace quillon {

void Capture_Key(Hot_Key_Box& box, const Hot_Key_Box& other, int key_code, int shift) {
  Hot_Key candidate{shift, key_code, Get_Shift_Text(shift), Get_Key_Text(key_code)};
  if (candidate.key_text.empty() || candidate.Same_Combination(other.Will_Store())) {
    box.has_capture = false;
    return;
  }
  box.captured = candidate;
  box.has_capture = true;
  box.shown = candidate.shift_text + candidate.key_text;
}

void Capture_Default(Hot_Key_Box& box, int key_code) {
  box.captured = Hot_Key{0, key_code, "", Get_Key_Text(key_code)};
  box.has_capture = true;
  box.shown = box.captured.key_text;
}

void Drop_Clashing_Capture(Hot_Key_Box& a, Hot_Key_Box& b) {
  for (int round = 0; round < 2; ++round) {
    if (!a.Will_Store().Same_Combination(b.Will_Store())) return;
    // A capture is checked against the other's value when it is made, so two equal values come
    // from one capture and a stored value the other box went back to: that capture goes.
    if (a.has_capture)
      a.has_capture = false;
    else if (b.has_capture)
      b.has_capture = false;
    else
      return;  // stored alike before the dialog opened: nothing of ours to drop
  }
}

}  // namespace quillon
