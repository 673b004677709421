#pragma once
// Free typing's pure rules, apart from its windows: the time label, the typed count, when a
// speed sample is due, the curve's ranges, ticks, points and mouse read-out, the Chinese
// duration text, the recipient lists of the mail window, the temporary file's name stamp, the
// kind a saved document is written in and the command lines that hand a document to a program.

#include <string>
#include <vector>

namespace quillon {

// One point of the speed curve: elapsed minutes net of pauses and characters per minute then.
struct Curve_Point {
  double minutes = 0;
  double speed = 0;
};

// ---- The run ----
// The run's time label: "mm:ss", and "hh:mm:ss" (hours in two digits) from one hour on.
std::string Free_Type_Time_Label(double seconds);
// The typed count with text length `length` and loaded length `loaded`: the change handler
// counts the loaded text out when the text is at least as long, the tick only when it is longer.
int Typed_Count_On_Change(int length, int loaded);
int Typed_Count_On_Tick(int length, int loaded);
// The half-second mark reached at `seconds`; a sample is due when it is not below `next_mark`.
int Half_Second_Mark(double seconds);
// Characters per minute, two decimals ("0.00" format).
std::string Format_Speed(double speed);

// ---- The curve ----
struct Curve_Ranges {
  double minutes = 0;  // the last sample's minutes
  double speed = 0;    // the highest speed
};
Curve_Ranges Ranges_Of(const std::vector<Curve_Point>& samples);
// The time-weighted average speed; 0 when the samples hold no time.
double Average_Speed(const std::vector<Curve_Point>& samples);
// The values under the ticks: range * i / count for i = 1 .. count, two decimals.
std::vector<std::string> Tick_Values(double range, int count);
// A sample's place on the plot (x grows to the right, y downwards).
struct Plot {
  double x0, y0, cell_width, cell_height;
  int columns, rows;
};
struct Plot_Point {
  double x, y;
};
Plot_Point Point_Of(const Plot& plot, const Curve_Ranges& ranges, const Curve_Point& sample);
// The mouse read-out at (x, y) of the plot, "" outside the plot (right end x_end, top y_top)
// or without samples.
std::string Read_Out(const Plot& plot, double x_end, double y_top, const Curve_Ranges& ranges,
                     int sample_count, double x, double y);
// A duration in Chinese: "1小时1分1秒", "2分", "0秒".
std::string Format_Time_Chinese(double seconds);

// ---- Documents and hand-off ----
// Year, month, day, hour, minute and second, each padded (four, then two digits), so that two
// moments never give one name.
std::string Time_Stamp_Of(int year, int month, int day, int hour, int minute, int second);
// The extension of a path's file name (after its last "."), in lower case; "" without one.
std::string Document_Extension(const std::string& path);
// A file opened is loaded as RTF for the extension "rtf" in any case.
bool Loads_As_Rtf(const std::string& file_name);
// A saved document is RTF for the extensions "rtf" and "doc" in any case, plain text otherwise.
bool Saves_As_Rtf(const std::string& file_name);
// A command line that starts `program` with `document`, both quoted.
std::string Hand_Off_Command_Line(const std::string& program, const std::string& document);
// The programs of the system kinds: Notepad in the Windows ("Windows") or system ("NT") folder,
// WordPad under Program Files; "" for another kind.
std::string Notepad_Program(const std::string& os_kind, const std::string& windows_folder,
                            const std::string& system_folder);
std::string Wordpad_Program(const std::string& os_kind, const std::string& program_files);

// ---- Mail ----
// A recipient list split at ";" and ",", entries trimmed; a closing ";" is added unless there;
// two separators in a row give an empty entry.
std::vector<std::string> Get_Receiver_Name(const std::string& list);
// The list with one more recipient, joined with ";".
std::string Append_Recipient(const std::string& list, const std::string& address);

}  // namespace quillon
