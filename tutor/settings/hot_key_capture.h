#pragma once
// The capture of the two window hot keys in the system-settings dialog, apart from its window.
// Each box keeps the hot key as stored and its last capture; the last key pressed in a box
// decides: a key with a name captures its combination, unless the other hot key will store that
// combination; a key without a name (or a refused one) leaves no capture, so the box's hot key
// keeps its stored value on OK while the box still shows what it showed.

#include <string>

namespace quillon {

struct Hot_Key {
  int shift = 0;     // 1 Shift, 2 Ctrl, 4 Alt, summed
  int key_code = 0;
  std::string shift_text, key_text;
  bool Same_Combination(const Hot_Key& other) const {
    return shift == other.shift && key_code == other.key_code;
  }
};

struct Hot_Key_Box {
  Hot_Key stored;
  Hot_Key captured;
  bool has_capture = false;
  std::string shown;  // the box's text
  // What OK stores for this hot key.
  const Hot_Key& Will_Store() const { return has_capture ? captured : stored; }
  void Show_Stored() { shown = stored.shift_text + stored.key_text; }
};

// One key pressed in `box` (the other box is `other`).
void Capture_Key(Hot_Key_Box& box, const Hot_Key_Box& other, int key_code, int shift);
// The default hot key as a capture (Default button).
void Capture_Default(Hot_Key_Box& box, int key_code);
// Before OK stores: while both would store the same combination, the capture that makes them
// equal is dropped (that hot key keeps its stored value).
void Drop_Clashing_Capture(Hot_Key_Box& a, Hot_Key_Box& b);

}  // namespace quillon
