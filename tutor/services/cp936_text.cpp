#include "services/cp936_text.h"

namespace quillon {

size_t Character_Size_At(std::string_view text, size_t at) {
  if (at >= text.size()) return 0;
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead >= 0x81 && lead <= 0xFE && at + 1 < text.size()) {
    const auto trail = static_cast<unsigned char>(text[at + 1]);
    if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) return 2;
  }
  return 1;
}

std::vector<std::string> Split_Characters(std::string_view text) {
  std::vector<std::string> characters;
  for (size_t at = 0; at < text.size();) {
    size_t size = Character_Size_At(text, at);
    characters.emplace_back(text.substr(at, size));
    at += size;
  }
  return characters;
}

size_t Count_Characters(std::string_view text) {
  size_t count = 0;
  for (size_t at = 0; at < text.size(); at += Character_Size_At(text, at)) ++count;
  return count;
}

std::string Lower_Ascii_Letters(std::string_view text) {
  std::string lowered(text);
  for (size_t at = 0; at < lowered.size();) {
    size_t size = Character_Size_At(lowered, at);
    if (size == 1 && lowered[at] >= 'A' && lowered[at] <= 'Z') lowered[at] += 'a' - 'A';
    at += size;
  }
  return lowered;
}

}  // namespace quillon
