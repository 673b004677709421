#pragma once
// The words and Wubi pages as the shell sees them until the courses install their own
// procedures: each page set-up leaves its page idle, each start starts the clock.

namespace quillon {
struct Exercise_Entries;
void Install_Course_Page_Entries(Exercise_Entries& entries);
}  // namespace quillon
