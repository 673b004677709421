#include "forms/format.h"

#include <cmath>
#include <cstdio>

#include "forms/errors.h"

namespace forms {

namespace {

std::string Two_Decimals(double value) {
  if (!std::isfinite(value)) throw Runtime_Error(6, "Overflow");
  // Hundredths rounded half away from zero; a tiny epsilon keeps 0.125 (stored as 0.12499...)
  // rounding up as it reads.
  double hundredths = std::round(value * 100.0 * (1.0 + 1e-12));
  if (hundredths == 0) hundredths = 0;  // no "-0.00"
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", hundredths / 100.0);
  return text;
}

}  // namespace

std::string Format(double value, const std::string& pattern) {
  if (pattern == "0.00") return Two_Decimals(value);
  if (pattern == "0.00%") return Two_Decimals(value * 100.0) + "%";
  throw Runtime_Error(5, "Invalid procedure call or argument");
}

}  // namespace forms
