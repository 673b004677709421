#pragma once
// The runtime's number formats the tutor shows: "0.00" (two decimals) and "0.00%" (the value
// times 100 with two decimals and a per-cent sign). Halves round away from zero, as the
// runtime's Format does; a negative zero shows without its sign.

#include <string>

namespace forms {

// Throws Runtime_Error 5 for a pattern other than "0.00" and "0.00%".
std::string Format(double value, const std::string& pattern);

}  // namespace forms
