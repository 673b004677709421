#include "freetype/free_type_logic.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "services/utilities.h"

namespace quillon {

namespace {

std::string Two_Digits(long long n) {
  std::string text = std::to_string(n);
  return text.size() < 2 ? "0" + text : text;
}

std::string Fixed_2(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", value);
  std::string text = buf;
  return text == "-0.00" ? "0.00" : text;
}

// Hours, minutes and seconds of a time in seconds, 60 seconds carried into a minute and 60
// minutes into an hour.
struct Clock_Parts {
  long long hours, minutes, seconds;
};
Clock_Parts Parts_Of(double s) {
  long long h = static_cast<long long>(std::floor(s / 60 / 60));
  long long m = static_cast<long long>(std::floor((s - 3600.0 * h) / 60));
  long long c = static_cast<long long>(std::floor(s - 3600.0 * h - 60.0 * m));
  if (c == 60) {
    c = 0;
    ++m;
  }
  if (m == 60) {
    m = 0;
    ++h;
  }
  return {h, m, c};
}

}  // namespace

std::string Free_Type_Time_Label(double seconds) {
  const Clock_Parts p = Parts_Of(seconds);
  std::string text = Two_Digits(p.minutes) + ":" + Two_Digits(p.seconds);
  if (p.hours >= 1) text = Two_Digits(p.hours) + ":" + text;
  return text;
}

int Typed_Count_On_Change(int length, int loaded) { return length >= loaded ? length - loaded : length; }

int Typed_Count_On_Tick(int length, int loaded) { return length > loaded ? length - loaded : length; }

int Half_Second_Mark(double seconds) { return static_cast<int>(std::floor(seconds / 0.5)); }

std::string Format_Speed(double speed) { return Fixed_2(speed); }

Curve_Ranges Ranges_Of(const std::vector<Curve_Point>& samples) {
  Curve_Ranges r;
  if (samples.empty()) return r;
  r.minutes = samples.back().minutes;
  r.speed = samples.front().speed;
  for (const Curve_Point& p : samples)
    if (p.speed > r.speed) r.speed = p.speed;
  return r;
}

double Average_Speed(const std::vector<Curve_Point>& samples) {
  double weighted = 0, minutes = 0;
  for (const Curve_Point& p : samples) {
    weighted += p.speed * p.minutes;
    minutes += p.minutes;
  }
  return minutes > 0 ? weighted / minutes : 0;
}

std::vector<std::string> Tick_Values(double range, int count) {
  std::vector<std::string> values;
  for (int i = 1; i <= count; ++i) values.push_back(Fixed_2(range * i / count));
  return values;
}

Plot_Point Point_Of(const Plot& plot, const Curve_Ranges& ranges, const Curve_Point& sample) {
  const double x = ranges.minutes > 0
                       ? plot.x0 + plot.columns * plot.cell_width * sample.minutes / ranges.minutes
                       : plot.x0;
  const double y = ranges.speed > 0
                       ? plot.y0 - plot.rows * plot.cell_height * sample.speed / ranges.speed
                       : plot.y0;
  return {x, y};
}

std::string Read_Out(const Plot& plot, double x_end, double y_top, const Curve_Ranges& ranges,
                     int sample_count, double x, double y) {
  const bool inside = plot.x0 <= x && x <= x_end && y_top <= y && y <= plot.y0 && sample_count > 0;
  if (!inside) return "";
  const double minutes = (x - plot.x0) / (plot.cell_width * 10) * ranges.minutes;
  const double speed = (plot.y0 - y) / (plot.cell_height * 7) * ranges.speed;
  return "打字速度:" + Fixed_2(speed) + "字/分" + "，" + "所花时间:" +
         Format_Time_Chinese(minutes * 60);
}

std::string Format_Time_Chinese(double seconds) {
  const Clock_Parts p = Parts_Of(seconds);
  std::string text;
  if (p.hours != 0) text += std::to_string(p.hours) + "小时";
  if (p.minutes != 0) text += std::to_string(p.minutes) + "分";
  if (!(p.seconds == 0 && (p.hours != 0 || p.minutes != 0)))
    text += std::to_string(p.seconds) + "秒";
  return text;
}

std::string Time_Stamp_Of(int year, int month, int day, int hour, int minute, int second) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", year, month, day, hour, minute,
                second);
  return buf;
}

std::string Document_Extension(const std::string& path) {
  size_t name = 0;
  for (size_t i = 0; i < path.size(); ++i) {  // trail bytes of code page 936 may be '\\'
    const unsigned char c = static_cast<unsigned char>(path[i]);
    if (c >= 0x81 && i + 1 < path.size()) ++i;
    else if (c == '\\') name = i + 1;
  }
  const size_t dot = path.rfind('.');
  std::string ext = dot == std::string::npos || dot < name ? "" : path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

bool Loads_As_Rtf(const std::string& file_name) { return Document_Extension(file_name) == "rtf"; }

bool Saves_As_Rtf(const std::string& file_name) {
  const std::string ext = Document_Extension(file_name);
  return ext == "rtf" || ext == "doc";
}

std::string Hand_Off_Command_Line(const std::string& program, const std::string& document) {
  return "\"" + program + "\" \"" + document + "\"";
}

std::string Notepad_Program(const std::string& os_kind, const std::string& windows_folder,
                            const std::string& system_folder) {
  if (os_kind == "Windows") return windows_folder + "\\Notepad.exe";
  if (os_kind == "NT") return system_folder + "\\Notepad.exe";
  return "";
}

std::string Wordpad_Program(const std::string& os_kind, const std::string& program_files) {
  if (os_kind == "Windows") return program_files + "\\Accessories\\Wordpad.exe";
  if (os_kind == "NT") return program_files + "\\Windows NT\\Accessories\\Wordpad.exe";
  return "";
}

std::vector<std::string> Get_Receiver_Name(const std::string& list) {
  std::string text = Trim(list);
  if (text.empty() || text.back() != ';') text += ';';
  std::vector<std::string> names;
  std::string current;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x81 && i + 1 < text.size()) {  // a double-byte character is never a separator
      current += text.substr(i, 2);
      ++i;
    } else if (c == ',' || c == ';') {
      names.push_back(Trim(current));
      current.clear();
    } else {
      current += text[i];
    }
  }
  return names;
}

std::string Append_Recipient(const std::string& list, const std::string& address) {
  return list.empty() ? address : list + ";" + address;
}

}  // namespace quillon
