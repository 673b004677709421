#pragma once
// Small stateless services every screen of the tutor uses: waits, random numbers, path parts,
// system folders, registry reads, the kind of Windows, the date line and the time text.

#include <windows.h>

#include <cstdint>
#include <string>

namespace quillon {

// ---- Clock ----
// Milliseconds since the system started, extended to 64 bits so that the 49.7-day wrap of
// GetTickCount never makes a time go backwards. Must be called at least once per wrap period
// (every tick and key event does).
uint64_t Tick_Count_64();
// One step of that extension: `now` is GetTickCount; `last` and `high` carry the state.
uint64_t Extend_Tick_Count(uint32_t now, uint32_t& last, uint64_t& high);
// Tick_Count_64 in seconds: the tutor's clock for start times and elapsed times.
double Tick_Seconds();
// Milliseconds from `start` to `now` of GetTickCount, correct across the wrap.
inline uint32_t Ticks_Between(uint32_t start, uint32_t now) { return now - start; }

// Returns after `milliseconds`, handling window events meanwhile (events may run any handler).
void Wait_Milliseconds(float milliseconds);

// ---- Numbers and texts ----
// A random integer from low to high; an out-of-range span reports the error and gives 0.
int Get_Random_Number(int low, int high);
std::string Get_File_Extension(const std::string& file_name);
// The text before the last "\" at position 2 or later; "" when there is none.
std::string Get_Parent_Path(const std::string& path);
// The time text "mm:ss" or "h:mm:ss".
std::string Format_Time(float seconds);

// ---- System folders and registry ----
std::string Get_Windows_Path();
std::string Get_System_Path();
std::string Get_Temp_Path();
std::string Get_Program_Files_Path();
std::string Get_Word_Path();
std::string Get_Scribora_Path();
// "Windows" (9x), "NT", or "未知".
std::string Get_OS_Kind();
std::string Get_Date_Week_Time();
// The value's text, or "" when the key or value cannot be read.
std::string Read_Registry_String(HKEY root, const std::string& key_path,
                                 const std::string& value_name);

// ---- Pure parts, kept apart for testing ----
// The folder text as the system call answered it: the first `length` characters of `buffer`,
// cut at the first blank.
std::string Folder_From_Answer(const char* buffer, unsigned length);
// A program path from a DefaultIcon value ("C:\x\w.exe,1" -> "C:\x\w.exe"); "" stays "".
// Throws a run-time error for a value of fewer than two characters after trimming.
std::string Program_From_Default_Icon(const std::string& value);
// The date line: "00" years get "20" in front; then a blank, the weekday name, a blank and time.
std::string Compose_Date_Week_Time(const std::string& short_date, int weekday_sunday_0,
                                   const std::string& time_text);
std::string Trim_Right(const std::string& text);
std::string Trim(const std::string& text);

}  // namespace quillon
