// One line per measured figure: what was measured, the figure, its target and whether the
// figure meets it ("met" or "MISSED"), so that a run of all benchmarks reads at a glance.
#pragma once

#include <cstdio>

namespace bench {

// Prints "<what>: <figure><unit> (target at most <limit><unit>): met|MISSED" and returns
// whether the figure is within the target.
inline bool Report(const char* what, double figure, double limit, const char* unit = "") {
  const bool met = figure <= limit;
  std::printf("%s: %.2f%s (target at most %.2f%s): %s\n", what, figure, unit, limit, unit,
              met ? "met" : "MISSED");
  std::fflush(stdout);
  return met;
}

}  // namespace bench
