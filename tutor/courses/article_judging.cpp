#include "courses/article_judging.h"

#include <algorithm>

#include "services/globals.h"

namespace quillon {

namespace {

constexpr double kEndDelay = 0.2;  // seconds after the last key at the end of the text

void Set_Mark(int position, bool right) {
  if (position >= 1 && position <= Text_Length && position <= Char_Right_Mark.Upper())
    Char_Right_Mark(position) = right;
}

bool Mark_At(int position) {
  return position >= 1 && position <= Text_Length && position <= Char_Right_Mark.Upper() &&
         Char_Right_Mark(position);
}

}  // namespace

bool Same_Character(const std::string& typed, const std::string& expected,
                    Letter_Case letter_case) {
  if (letter_case == Letter_Case::Exact || typed.size() != 1 || expected.size() != 1)
    return typed == expected;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return lower(typed[0]) == lower(expected[0]);
}

Article_Change Judge_Article_Change(int box_length, int resume_offset,
                                    const std::function<std::string(int)>& typed_at,
                                    Letter_Case letter_case) {
  Article_Change change;
  const int user_length = box_length + resume_offset;
  const int next = Char_Position + 1;
  if (user_length < next) {
    change.kind = Article_Change_Kind::Undo;
    Char_Position = std::clamp(user_length, 0, Text_Length);
    if (Typed_Char_Count > 0) --Typed_Char_Count;
    if (Mark_At(Char_Position + 1) && Right_Char_Count > 0) --Right_Char_Count;
  } else if (Char_Position >= Text_Length) {
    change.kind = Article_Change_Kind::Past_End;
    Char_Position = Text_Length;
  } else if (user_length > next) {
    change.kind = Article_Change_Kind::Line_Break;
    Char_Position = std::min(user_length, Text_Length);
    Typed_Char_Count += 2;
    Right_Char_Count += 2;
    Set_Mark(Char_Position - 1, true);
    Set_Mark(Char_Position, true);
  } else {
    Char_Position = next;
    change.box_offset = Char_Position - resume_offset - 1;
    const bool right = Char_Position <= Article_Char.Upper() &&
                       Same_Character(typed_at(change.box_offset), Article_Char(Char_Position),
                                      letter_case);
    change.kind = right ? Article_Change_Kind::Right : Article_Change_Kind::Wrong;
    Set_Mark(Char_Position, right);
    if (right) ++Right_Char_Count;
    ++Typed_Char_Count;
  }
  return change;
}

float Article_Accuracy() {
  return Typed_Char_Count > 0 ? static_cast<float>(Right_Char_Count) / Typed_Char_Count : 0.0f;
}

float Article_Progress() {
  return Text_Length > 0 ? static_cast<float>(Char_Position) / Text_Length : 0.0f;
}

bool Text_End_Due(double now) {
  return Char_Position >= Text_Length && now - Text_End_Time > kEndDelay;
}

}  // namespace quillon
