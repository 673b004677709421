#pragma once
// Typing over the article (type method 1 of the article courses): the box `RichText_Overwrite`
// holds the whole article and never takes a key itself. Each key press is judged against the
// character under the caret, which must stand at Char_Position: right characters turn blue,
// wrong ones red, Backspace steps back and paints black again, Enter steps over a line break (two
// positions, counted as two right characters). After every handled key the position is stored
// under "Setting\Article\Remember\TextLen Index" (value name Article_Progress_Name()), and the
// accuracy and progress are shown on the overwrite page. The first key after the end of the text
// locks the box and sets Text_End_Reached and Text_End_Time; the lesson's tick ends the lesson.
//
// State (services/globals.h): Char_Position, Text_Length, Typed_Char_Count, Right_Char_Count,
// Char_Right_Mark (element k for caret offset k - 1), Accuracy_Ratio, Progress_Ratio,
// Text_End_Reached, Text_End_Time. The loader of an overwrite lesson sets them.

#include <windows.h>

#include <memory>
#include <string>

#include "forms/forms.h"

namespace quillon {

constexpr COLORREF kRightColor = RGB(0, 0, 255), kWrongColor = RGB(255, 0, 0),
                   kUntypedColor = RGB(0, 0, 0);

// What the typing needs of its box (a rich-text box; tests use a plain one). Positions count
// characters, a CR LF line break two.
class Overwrite_Box {
 public:
  virtual ~Overwrite_Box() = default;
  virtual int Caret() const = 0;                  // the selection's start
  virtual void Select(int start, int length) = 0;
  virtual std::string Sel_Text() const = 0;       // a line break selected alone reads back ""
  virtual COLORREF Sel_Color() const = 0;
  virtual void Set_Sel_Color(COLORREF color) = 0;
  virtual bool Line_Break_Before(int position) const = 0;  // CR LF just before the position
  virtual void Set_Locked(bool locked) = 0;
  // Unlocks the box that Backspace's key-down locked, by one more key-down (a lone Shift).
  virtual void Unlock_After_Backspace() = 0;
};

// The typing's view of a rich-text box (RichText_Overwrite on the main window).
std::unique_ptr<Overwrite_Box> Overwrite_Box_Of(forms::Rich_Text_Box& box);

enum class Overwrite_Sound { None, Key, Wrong, Enter };
struct Overwrite_Step {
  bool handled = false;  // the position, accuracy and progress are to be stored and shown
  Overwrite_Sound sound = Overwrite_Sound::None;
};

// The judging of one key press (key ascii; a double-byte character as lead * 256 + trail), at
// the time `now` in seconds. Esc and the other control codes (below 32 but Backspace, Tab and
// Enter) are ignored. Backspace just after a passed line break steps back over both of its
// characters and takes back both counts.
Overwrite_Step Overwrite_Key(Overwrite_Box& box, int key_ascii, double now);

// The value name of an article's stored position: language, category and type method.
std::string Article_Progress_Name();
// The full width of the overwrite page's progress bar (its design width, 3135 twips, until the
// article page takes the width it has on the scaled window).
extern float Overwrite_Progress_Bar_Width;

// The box's key-press handler on the main window: swallows the key, judges it, plays its sound
// and, for a handled key, stores the position and shows accuracy and progress.
void RichText_Overwrite_KeyPress(forms::Form& form, int& key_ascii);

}  // namespace quillon
