#pragma once
// The tutor's screens, one row each (the rows are in screen_table.cpp). Adding a screen is its
// own module and one row there.

namespace quillon {

// Registers every row (again: rows replaced in tests come back as they are).
void Register_All_Screens();

}  // namespace quillon
