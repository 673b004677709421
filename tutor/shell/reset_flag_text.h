#pragma once

// Reading the first line of the reset flag file "\index.txt" as people leave it: saved by a text
// editor as UTF-8 with its byte-order mark or as "Unicode" (UTF-16 with its mark), with blanks
// after the flag, or grown huge. Plain logic: the caller reads the file's first bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

// The most bytes of the file that are read: enough for any first line that can be a flag.
constexpr size_t kResetFlagReadBytes = 4096;

// The first line of the file from its first bytes (at most kResetFlagReadBytes of them):
// a UTF-8 byte-order mark is dropped; UTF-16 text (little- or big-endian, with its mark) is
// taken character by character, ASCII kept and anything else standing as "?"; the line ends at
// the first CR or LF and loses its trailing blanks (spaces, tabs). Leading blanks stay, so
// " 1" is no flag. `whole` is false when the file goes on after these bytes: a first line that
// runs past them is then returned as read, with "?" after it, so it is no flag either.
std::string Reset_Flag_First_Line(std::string_view head, bool whole);

}  // namespace quillon
