#pragma once
// The speed tests' record store in the settings store: one list per test, each record a section
// of its own under the list's section, numbered 1 (oldest) to "Total" (newest):
//   <list section>          "Total" (newest number, absent while empty), "Last Time"
//   <list section>\<n>      "Name", "Speed", "Number", "Rate", "Time", written in that order
// The one writer is Save_Speed_Test_Record (the result window's save); the records screen reads
// the lists with Read_Record_List.
//
// A damaged store never costs a good record: a save numbers a new record past every record
// present (whatever "Total" says), and a list is read from the records present, by value name.

#include <string>
#include <vector>

namespace quillon {

enum class Record_List : int {
  Compare_Text = 0,  // the compare-text test (panel 8)
  Free_Text = 1,     // the free-text test (panel 7)
};

// "Setting\Test\Remember\Record\0" or "...\1".
std::string Record_List_Section(Record_List list);
// The list a result shown over that panel goes to; false for any other panel.
bool Record_List_Of_Panel(int panel, Record_List& list);

struct Speed_Test_Record {
  std::string name;    // as typed
  std::string speed;   // "75.00字/分"
  std::string number;  // characters typed
  std::string rate;    // "95.50%"; "" for the free-text test
  std::string time;    // date, weekday and time of the test's end: identifies the result
};

// Record numbers and "Total" are 16-bit.
constexpr int kMaxRecordNumber = 32767;

// "Max Record": the most records a list keeps and shows (at least 1; not a number: 100).
int Max_Records();

enum class Save_Outcome {
  Added,      // a new record after the newest
  Renamed,    // the result was already the newest record: only its name changed
  Restarted,  // the list was full: deleted, and the result is record 1
};
// Saves a result to a list. A result whose time equals the list's "Last Time" renames that
// record; a new one becomes the next record and sets "Total", "Last Time" and "Result Name",
// after the list was deleted when it already held "Max Record" records (or the numbers ran out).
Save_Outcome Save_Speed_Test_Record(Record_List list, const Speed_Test_Record& record);

// The records a list shows: the newest Max_Records() of those present, oldest first.
std::vector<Speed_Test_Record> Read_Record_List(Record_List list);

}  // namespace quillon
