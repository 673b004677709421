#include "shell/reset_flag_text.h"

namespace quillon {

namespace {

// UTF-16 code units to narrow text: ASCII as it is, anything else as "?".
std::string Narrow_Utf16(std::string_view bytes, bool big_endian) {
  std::string text;
  for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const unsigned char a = static_cast<unsigned char>(bytes[at]);
    const unsigned char b = static_cast<unsigned char>(bytes[at + 1]);
    const unsigned unit = big_endian ? (a << 8 | b) : (b << 8 | a);
    text += unit < 0x80 ? static_cast<char>(unit) : '?';
  }
  return text;
}

}  // namespace

std::string Reset_Flag_First_Line(std::string_view head, bool whole) {
  std::string text;
  if (head.substr(0, 3) == "\xEF\xBB\xBF") {
    text = head.substr(3);
  } else if (head.substr(0, 2) == "\xFF\xFE") {
    text = Narrow_Utf16(head.substr(2), false);
  } else if (head.substr(0, 2) == "\xFE\xFF") {
    text = Narrow_Utf16(head.substr(2), true);
  } else {
    text = head;
  }
  const size_t end = text.find_first_of("\r\n");
  if (end == std::string::npos) {
    if (!whole) text += '?';
  } else {
    text.resize(end);
  }
  const size_t last = text.find_last_not_of(" \t");
  text.resize(last == std::string::npos ? 0 : last + 1);
  return text;
}

}  // namespace quillon
