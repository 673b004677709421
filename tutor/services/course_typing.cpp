#include "services/course_typing.h"

#include <cmath>
#include <cstdio>

#include <windows.h>

#include "services/cp936_text.h"

namespace quillon {

std::string Format_Rate(double fraction) {
  if (!std::isfinite(fraction)) fraction = 0;
  // Hundredths of a percent, halves away from zero; the small nudge keeps 0.125 (stored as
  // 0.12499999...) rounding the way it reads.
  double hundredths = fraction * 10000.0;
  long long units = std::llround(hundredths + (hundredths >= 0 ? 1e-7 : -1e-7));
  const bool negative = units < 0;
  if (negative) units = -units;
  char text[48];
  std::snprintf(text, sizeof text, "%s%lld.%02lld%%", negative ? "-" : "", units / 100,
                units % 100);
  return text;
}

std::string Format_Rate(int64_t part, int64_t whole) {
  if (whole == 0) return Format_Rate(0.0);
  return Format_Rate(static_cast<double>(part) / static_cast<double>(whole));
}

void Course_Speed::Begin(double now) {
  change_count_ = 0;
  start_ = now;
  paused_ = 0;
  current_ = 0;
  best_ = 0;
}

std::optional<double> Course_Speed::Tick(double now, double design_width) {
  // A speed over a fraction of a second (the first key right after the start) would set a best
  // that no real typing reaches and keep the bar empty for the whole interval: the bar waits
  // until a second of typing time has passed.
  constexpr double kShortestInterval = 1.0;
  const double interval = now - start_ - paused_;
  if (change_count_ <= 0 || !(interval >= kShortestInterval)) return std::nullopt;
  current_ = change_count_ / (interval / 60 / 60);
  if (current_ > best_) best_ = current_;
  return current_ / best_ * design_width;
}

Course_Line_Judge::Course_Line_Judge(bool& ignore_text_change, bool& line_end_entered)
    : ignore_text_change_(ignore_text_change), line_end_entered_(line_end_entered) {}

void Course_Line_Judge::Open(std::vector<std::string> characters) {
  expected_ = std::move(characters);
  expected_.emplace_back("\r");
  position_ = 1;
  user_length_ = 0;
  ignore_text_change_ = true;
  line_end_entered_ = false;
}

const std::string& Course_Line_Judge::Expected_At(int position) const {
  static const std::string kNone;
  if (position < 1 || position > static_cast<int>(expected_.size())) return kNone;
  return expected_[static_cast<size_t>(position - 1)];
}

std::string Course_Line_Judge::Line_Text() const {
  std::string text;
  for (int i = 0; i < Line_Length(); ++i) text += expected_[static_cast<size_t>(i)];
  return text;
}

Line_Judgement Course_Line_Judge::Change(std::string_view box_text) {
  Line_Judgement change;
  change.position = position_;
  change.user_length = user_length_;
  if (ignore_text_change_) return change;

  const std::vector<std::string> typed = Split_Characters(box_text);
  user_length_ = static_cast<int>(typed.size());
  change.user_length = user_length_;
  if (user_length_ == position_ && position_ <= Line_Length()) {
    change.judged_position = position_;
    change.kind = typed.back() == Expected_At(position_) ? Line_Change_Kind::Right
                                                         : Line_Change_Kind::Wrong;
    ++position_;
  } else {
    change.kind = Line_Change_Kind::Undo;
    change.judged_position = user_length_ + 1;
    // The box cannot hold more than the line; should it ever, the position stays at the end.
    position_ = std::min(user_length_ + 1, Line_Length() + 1);
  }
  change.position = position_;
  return change;
}

Line_Enter_Kind Course_Line_Judge::Key_Down(int key_code) {
  if (ignore_text_change_) ignore_text_change_ = false;
  if (key_code != VK_RETURN) return Line_Enter_Kind::Other_Key;
  if (!At_Line_End()) return Line_Enter_Kind::Too_Early;
  if (line_end_entered_) return Line_Enter_Kind::Repeated;
  line_end_entered_ = true;
  return Line_Enter_Kind::Line_End;
}

void Course_Line_Judge::Withdraw_Wrong() {
  if (user_length_ > 0 && position_ > 1) {
    --user_length_;
    --position_;
  }
}

bool Course_Line_Judge::Key_Up() {
  if (!line_end_entered_) return false;
  line_end_entered_ = false;
  return true;
}

}  // namespace quillon
