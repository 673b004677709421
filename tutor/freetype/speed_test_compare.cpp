#include "freetype/speed_test_compare.h"

#include <windows.h>

#include <algorithm>

#include "forms/forms.h"

namespace quillon {

std::vector<std::wstring> Compare_Text_Lines(const std::string& bytes) {
  std::wstring text;
  if (!bytes.empty()) {
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                      nullptr, 0);
    text.resize(static_cast<size_t>(n));
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  }
  std::vector<std::wstring> lines;
  lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), L'\n') +
                                    std::count(text.begin(), text.end(), L'\r') + 1));
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find_first_of(L"\r\n", at);
    if (end == std::wstring::npos) end = text.size();
    if (end > at) {
      if (static_cast<int>(lines.size()) >= kCompareMaxLines) throw forms::Runtime_Error(6, "Overflow");
      std::wstring& line = lines.emplace_back(text, at, std::min<size_t>(end - at, kCompareLineChars));
      std::replace(line.begin(), line.end(), L'\t', L' ');
    }
    at = end;
    if (at < text.size() && text[at] == L'\r') ++at;
    if (at < text.size() && text[at] == L'\n') ++at;
  }
  return lines;
}

void Compare_Test::Start(std::vector<std::wstring> lines, bool cursor_prompt) {
  lines_ = std::move(lines);
  total_chars_ = 0;
  for (const auto& line : lines_) total_chars_ += static_cast<int32_t>(line.size());
  cursor_prompt_ = cursor_prompt;
  right_chars_ = finished_chars_ = 0;
  current_length_ = 0;
  line_number_ = 1;
  current_pair_ = 0;
  char_position_ = 0;
  running_ = !lines_.empty();
  Fill_Page();
}

void Compare_Test::Reset() {
  lines_.clear();
  lines_.shrink_to_fit();
  running_ = false;
}

double Compare_Test::Right_Rate() const {
  const int32_t typed = Typed_Chars();
  return typed > 0 ? static_cast<double>(right_chars_) / typed : 0.0;
}

void Compare_Test::Fill_Page() {
  const int first = line_number_;
  for (int pair = 0; pair < kComparePairs; ++pair) {
    const int line = first + pair;
    right_[static_cast<size_t>(pair)].fill(false);
    if (line <= Line_Count()) {
      const std::wstring& text = lines_[static_cast<size_t>(line - 1)];
      pair_length_[static_cast<size_t>(pair)] = static_cast<int>(text.size());
      view_.Fill_Pair(pair, text);
    } else {
      pair_length_[static_cast<size_t>(pair)] = 0;
      view_.Clear_Pair(pair);
    }
  }
}

void Compare_Test::Take_Back(int pair, int from, int to) {
  auto& marks = right_[static_cast<size_t>(pair)];
  for (int k = std::max(from, 1); k <= to && k <= kCompareLineChars; ++k) {
    if (marks[static_cast<size_t>(k)]) --right_chars_;
    marks[static_cast<size_t>(k)] = false;
  }
}

void Compare_Test::Change(int pair, const std::wstring& text) {
  if (!running_ || pair < 0 || pair >= kComparePairs) return;
  current_pair_ = pair;
  int length = static_cast<int>(text.size());
  const int p = char_position_ + 1;
  if (length < p) {
    // Characters deleted: each right one is taken back.
    Take_Back(pair, length + 1, char_position_);
    char_position_ = length;
    view_.Set_Typing_Black(pair);
  } else if (length > p) {
    // Several characters in one change (a paste, an input method's phrase): not judged.
    Take_Back(pair, p, length);
    char_position_ = length;
  } else {
    char_position_ = p;
    const std::wstring& source = lines_[static_cast<size_t>(line_number_ - 1)];
    const wchar_t expected = p <= static_cast<int>(source.size()) ? source[static_cast<size_t>(p - 1)] : L'\0';
    const bool right = text[static_cast<size_t>(p - 1)] == expected;
    right_[static_cast<size_t>(pair)][static_cast<size_t>(p)] = right;
    if (right) {
      ++right_chars_;
      view_.Colour_Typed(pair, p - 1, false);
      view_.Play_Key_Sound(expected);
    } else {
      view_.Colour_Typed(pair, p - 1, true);
      view_.Play_Wrong_Sound();
    }
    if (length >= pair_length_[static_cast<size_t>(pair)]) {
      End_Line(pair, length);
      if (!running_) return;
      length = 0;
    }
  }
  current_length_ = length;
  view_.Show_Source_Prompt(current_pair_, char_position_, cursor_prompt_);
  view_.Show_Counts(Typed_Chars(), Right_Rate());
}

void Compare_Test::End_Line(int pair, int length) {
  view_.Lock_User(pair, true);
  view_.Show_Source_Prompt(pair, char_position_, false);
  ++line_number_;
  if (line_number_ > Line_Count()) {
    current_length_ = length;
    view_.Show_Counts(Typed_Chars(), Right_Rate());
    running_ = false;
    view_.Finished();
    return;
  }
  view_.Hold(true);
  if (pair < kComparePairs - 1) {
    current_pair_ = pair + 1;
  } else {
    for (int i = 0; i < kComparePairs; ++i) view_.Lock_User(i, true);
    current_pair_ = 0;
    char_position_ = 0;
    Fill_Page();
  }
  char_position_ = 0;
  view_.Open_User(current_pair_, 0);
  finished_chars_ += length;
  view_.Hold(false);
}

bool Compare_Test::Back_Step(int pair, int text_length) {
  if (!running_ || pair != current_pair_ || text_length != 0 || current_pair_ == 0) return false;
  view_.Show_Source_Prompt(current_pair_, 0, false);
  view_.Lock_User(current_pair_, true);
  --line_number_;
  --current_pair_;
  const int length = pair_length_[static_cast<size_t>(current_pair_)];
  finished_chars_ -= length;
  char_position_ = length;
  current_length_ = length;
  view_.Open_User(current_pair_, length);
  view_.Send_Backspace();
  return true;
}

}  // namespace quillon
