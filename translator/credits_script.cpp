#include "credits_script.h"

std::vector<std::string> Split_Credits(const std::string& script, char separator) {
  std::vector<std::string> lines;
  if (script.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t cut = script.find(separator, start);
    if (cut == std::string::npos) {
      lines.push_back(script.substr(start));
      break;
    }
    lines.push_back(script.substr(start, cut - start));
    start = cut + 1;
  }
  return lines;
}

Credit_Line Classify_Credit_Line(const std::string& line, const char markers[4]) {
  Credit_Line result;
  result.text = line;
  if (line.empty()) return result;
  char last = line.back();
  static const Credit_Kind kinds[4] = {kCreditKind1, kCreditKind2, kCreditKind3, kCreditBitmap};
  for (int i = 0; i < 4; ++i) {
    if (last == markers[i]) {
      result.kind = kinds[i];
      result.text.pop_back();
      break;
    }
  }
  return result;
}

void Credits_Pacer::Rewind() {
  next_ = 0;
  counter_ = 1;
}

bool Credits_Pacer::Tick(std::size_t lineCount, int lineHeight) {
  int c = counter_++;
  if (lineCount == 0 || lineHeight <= 0 || c % lineHeight != 0) return false;
  counter_ = 1;
  fetchedInFirstPass_ = firstPass_;
  if (next_ >= lineCount) next_ = 0;
  current_ = next_++;
  if (next_ >= lineCount) {
    next_ = 0;
    firstPass_ = false;
  }
  return true;
}

void Credits_Pacer::Bitmap_Done() { counter_ = 1; }
