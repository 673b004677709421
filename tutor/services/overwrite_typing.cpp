#include "services/overwrite_typing.h"

#include <algorithm>

#include "services/course_typing.h"
#include "services/globals.h"
#include "services/key_table.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"

namespace quillon {

float Overwrite_Progress_Bar_Width = 3135.0f;

namespace {

class RichText_Overwrite_Box : public Overwrite_Box {
 public:
  explicit RichText_Overwrite_Box(forms::Rich_Text_Box& box) : box_(box) {}
  int Caret() const override { return box_.Sel_Start(); }
  void Select(int start, int length) override { box_.Select(start, length); }
  std::string Sel_Text() const override { return box_.Sel_Text(); }
  COLORREF Sel_Color() const override { return box_.Sel_Color(); }
  void Set_Sel_Color(COLORREF color) override { box_.Set_Sel_Color(color); }
  bool Line_Break_Before(int position) const override {
    if (position < 2) return false;
    const int caret = box_.Sel_Start(), length = box_.Sel_Length();
    box_.Select(position - 2, 2);
    const bool line_break = box_.Sel_Text() == "\r\n";
    box_.Select(caret, length);
    return line_break;
  }
  void Set_Locked(bool locked) override { box_.Set_Locked(locked); }
  void Unlock_After_Backspace() override { forms::Send_Keys("+"); }

 private:
  forms::Rich_Text_Box& box_;
};

// The character a key press stands for, as the box's text holds it.
std::string Char_Of(int key_ascii) {
  const unsigned code = static_cast<unsigned>(key_ascii) & 0xFFFF;
  if (code > 0xFF) return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  return std::string(1, static_cast<char>(code));
}

// Char_Right_Mark of the character at caret offset `offset`, grown to the text when needed.
Session_Array<bool>::reference Mark(int offset) {
  if (Char_Right_Mark.Upper() < offset + 1)
    Char_Right_Mark.Redim_Preserve(std::max(Text_Length, offset + 1));
  return Char_Right_Mark(offset + 1);
}

void Step_Back(Overwrite_Box& box) {
  const int to = Char_Position - (box.Line_Break_Before(Char_Position) ? 2 : 1);
  for (int at = to; at < Char_Position; ++at) {
    box.Select(at, 1);
    if (box.Sel_Color() != kUntypedColor) box.Set_Sel_Color(kUntypedColor);
    --Typed_Char_Count;
    if (Mark(at)) --Right_Char_Count;
  }
  box.Select(to, 0);
  box.Unlock_After_Backspace();
}

}  // namespace

std::unique_ptr<Overwrite_Box> Overwrite_Box_Of(forms::Rich_Text_Box& box) {
  return std::make_unique<RichText_Overwrite_Box>(box);
}

Overwrite_Step Overwrite_Key(Overwrite_Box& box, int key_ascii, double now) {
  const int k = key_ascii & 0xFFFF;
  if (k < 32 && k != VK_BACK && k != VK_TAB && k != VK_RETURN) return {};
  if (k != VK_BACK) box.Set_Locked(false);
  if (box.Caret() != Char_Position) return {};  // lost: the tick puts the caret back
  if (Char_Position >= Text_Length) {
    if (!Text_End_Reached) {
      Text_End_Reached = true;
      box.Set_Locked(true);
      Text_End_Time = now;
    }
    return {};
  }

  Overwrite_Step step{true, Overwrite_Sound::None};
  if (k == VK_BACK) {
    if (Char_Position > 0) Step_Back(box);
  } else {
    box.Select(Char_Position, 1);
    const std::string expected = box.Sel_Text();
    const bool line_break = expected.empty();
    if (k == VK_RETURN) {
      if (!line_break) {
        box.Select(Char_Position, 0);
        step.sound = Overwrite_Sound::Wrong;
      } else {
        box.Select(Char_Position + 2, 0);
        step.sound = Overwrite_Sound::Enter;
        Typed_Char_Count += 2;
        Right_Char_Count += 2;
        Mark(Char_Position) = true;
        Mark(Char_Position + 1) = true;
      }
    } else {
      if (line_break) return {false, Overwrite_Sound::Wrong};  // the line break stays selected
      const bool right = expected == Char_Of(k);
      box.Set_Sel_Color(right ? kRightColor : kWrongColor);
      box.Select(Char_Position + 1, 0);
      Mark(Char_Position) = right;
      if (right) ++Right_Char_Count;
      ++Typed_Char_Count;
      step.sound = right ? Overwrite_Sound::Key : Overwrite_Sound::Wrong;
    }
  }
  Char_Position = box.Caret();
  return step;
}

std::string Article_Progress_Name() {
  return std::to_string(Current_Language) + " " + std::to_string(Article_Lesson) + " " +
         std::to_string(Current_Type_Method);
}

void RichText_Overwrite_KeyPress(forms::Form& form, int& key_ascii) {
  const int k = key_ascii;
  key_ascii = 0;  // the box itself inserts and deletes nothing
  forms::Guarded([&] {
    RichText_Overwrite_Box box(form.Get<forms::Rich_Text_Box>("RichText_Overwrite"));
    const Overwrite_Step step = Overwrite_Key(box, k, Tick_Seconds());
    switch (step.sound) {
      case Overwrite_Sound::None: break;
      case Overwrite_Sound::Key:
        Play_Key_Sound(Get_Key_Index(static_cast<int16_t>(k & 0xFFFF)));
        break;
      case Overwrite_Sound::Wrong: Play_Wrong_Sound(); break;
      case Overwrite_Sound::Enter: Play_Enter_Sound(); break;
    }
    if (!step.handled) return;
    forms::Tutor_Settings::Save(kArticleTextLenSection, Article_Progress_Name(),
                                std::to_string(Char_Position));
    Accuracy_Ratio = Typed_Char_Count == 0
                         ? 1.0f
                         : static_cast<float>(Right_Char_Count) / static_cast<float>(Typed_Char_Count);
    form.Get<forms::Label>("Label_Article_Right_or_Wrong_Rate_1").Set_Caption(Format_Rate(Accuracy_Ratio));
    Progress_Ratio = Text_Length > 0 ? static_cast<float>(Char_Position) / Text_Length : 0.0f;
    auto& bar = form.Get<forms::Label>("Label_Article_Process_Speed_1", 0);
    bar.Set_Width(static_cast<int>(Overwrite_Progress_Bar_Width * Progress_Ratio));
    form.Get<forms::Label>("Label_Article_Process_Speed_1", 1).Set_Caption(Format_Rate(Progress_Ratio));
  });
}

}  // namespace quillon
