#pragma once

// Characters of code-page-936 text: a byte 0x81 to 0xFE followed by a byte 0x40 to 0xFE (not
// 0x7F) is one double-byte character, any other byte is a character of its own. Line ends can be
// found byte by byte, since no trail byte is a CR or an LF.

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Byte length (1 or 2) of the character that starts at text[at]; 0 at the end of the text.
size_t Character_Size_At(std::string_view text, size_t at);

// The characters of the text in order, each as its bytes.
std::vector<std::string> Split_Characters(std::string_view text);

// The number of characters of the text.
size_t Count_Characters(std::string_view text);

// The text with the ASCII letters A to Z lowered; double-byte characters are left alone, even
// when their trail byte looks like a capital letter.
std::string Lower_Ascii_Letters(std::string_view text);

}  // namespace quillon
