#include "services/utilities.h"

#include <cmath>
#include <random>

#include "forms/errors.h"
#include "forms/pump.h"

namespace quillon {

// ---- Clock ----

uint64_t Extend_Tick_Count(uint32_t now, uint32_t& last, uint64_t& high) {
  if (now < last) high += uint64_t{1} << 32;
  last = now;
  return high | now;
}

uint64_t Tick_Count_64() {
  static uint32_t last = 0;
  static uint64_t high = 0;
  return Extend_Tick_Count(GetTickCount(), last, high);
}

double Tick_Seconds() { return static_cast<double>(Tick_Count_64()) / 1000.0; }

void Wait_Milliseconds(float milliseconds) {
  if (!(milliseconds > 0)) {
    forms::Do_Events();
    return;
  }
  uint64_t wanted = static_cast<uint64_t>(std::ceil(milliseconds));
  uint64_t start = Tick_Count_64();
  for (;;) {
    if (!forms::Do_Events()) return;  // the program is quitting
    uint64_t passed = Tick_Count_64() - start;
    if (passed >= wanted) return;
    DWORD left = static_cast<DWORD>(wanted - passed);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, left, QS_ALLINPUT);
  }
}

// ---- Numbers and texts ----

int Get_Random_Number(int low, int high) {
  int result = 0;
  forms::Guarded([&] {
    long span = static_cast<long>(high) - low + 1;
    if (span < -32768 || span > 32767 || low < -32768 || high > 32767 || low > 32767 ||
        high < -32768)
      throw forms::Runtime_Error(6, "溢出");
    static std::mt19937 generator{std::random_device{}() ^ GetTickCount()};
    double r = std::generate_canonical<double, 32>(generator);
    if (r >= 1.0) r = 0.0;
    result = static_cast<int>(std::floor(r * static_cast<double>(span) + low));
  });
  return result;
}

std::string Get_File_Extension(const std::string& file_name) {
  size_t dot = file_name.find('.');
  return dot == std::string::npos ? std::string() : file_name.substr(dot + 1);
}

std::string Get_Parent_Path(const std::string& path) {
  std::string result;
  forms::Guarded([&] {
    if (path.empty()) return;
    size_t found = std::string::npos;
    // Position 2 or later (1-based): index 1 or later. Code-page-936 trail bytes can be '\\',
    // so the search walks characters, not bytes.
    for (size_t i = 0; i < path.size(); ++i) {
      unsigned char c = static_cast<unsigned char>(path[i]);
      if (c >= 0x81 && c <= 0xFE && i + 1 < path.size()) {
        ++i;
        continue;
      }
      if (c == '\\' && i >= 1) {
        found = i;
        forms::Do_Events();
      }
    }
    if (found != std::string::npos) result = path.substr(0, found);
  });
  return result;
}

std::string Format_Time(float seconds) {
  std::string text;
  forms::Guarded([&] {
    double s = seconds;
    long long h = static_cast<long long>(std::floor(s / 60 / 60));
    long long m = static_cast<long long>(std::floor((s - h * 60.0 * 60.0) / 60));
    long long c = static_cast<long long>(std::floor(s - h * 60.0 * 60.0 - m * 60.0));
    if (c == 60) {
      m += 1;
      c = 0;
    }
    if (m == 60) {
      h += 1;
      m = 0;
    }
    char buf[64];
    if (h == 0)
      snprintf(buf, sizeof buf, "%02lld:%02lld", m, c);
    else
      snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", h, m, c);
    text = buf;
  });
  return text;
}

std::string Trim_Right(const std::string& text) {
  size_t end = text.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string Trim(const std::string& text) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return std::string();
  size_t end = text.find_last_not_of(' ');
  return text.substr(begin, end - begin + 1);
}

// ---- System folders and registry ----

std::string Folder_From_Answer(const char* buffer, unsigned length) {
  std::string text(buffer, length);
  size_t blank = text.find(' ');
  return blank == std::string::npos ? text : text.substr(0, blank);
}

namespace {

template <class Ask>
std::string Folder_Of(Ask ask) {
  std::string result;
  forms::Guarded(
      [&] {
        char buffer[201] = {};
        UINT n = ask(buffer, 200);
        if (n > 200) n = 0;  // the buffer was too small: no usable answer
        result = Folder_From_Answer(buffer, n);
      },
      "！");
  return result;
}

}  // namespace

std::string Get_Windows_Path() {
  return Folder_Of([](char* b, UINT n) { return GetWindowsDirectoryA(b, n); });
}
std::string Get_System_Path() {
  return Folder_Of([](char* b, UINT n) { return GetSystemDirectoryA(b, n); });
}
std::string Get_Temp_Path() {
  return Folder_Of([](char* b, UINT n) { return static_cast<UINT>(GetTempPathA(n, b)); });
}

std::string Read_Registry_String(HKEY root, const std::string& key_path,
                                 const std::string& value_name) {
  std::string result;
  forms::Guarded([&] {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, key_path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return;
    char buffer[256] = {};
    DWORD size = 255;
    DWORD type = 0;
    if (RegQueryValueExA(key, value_name.empty() ? nullptr : value_name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
      buffer[size < 256 ? size : 255] = 0;
      result = buffer;
    }
    RegCloseKey(key);
  });
  return result;
}

std::string Get_Program_Files_Path() {
  std::string result;
  forms::Guarded(
      [&] {
        result = Trim_Right(Read_Registry_String(
            HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir"));
      },
      "！");
  return result;
}

std::string Program_From_Default_Icon(const std::string& value) {
  if (value.empty()) return std::string();
  std::string trimmed = Trim_Right(value);
  if (trimmed.size() < 2) throw forms::Runtime_Error(5, "无效的过程调用或参数");
  return trimmed.substr(0, trimmed.size() - 2);
}

std::string Get_Word_Path() {
  std::string result;
  forms::Guarded(
      [&] {
        result = Program_From_Default_Icon(Read_Registry_String(
            HKEY_CLASSES_ROOT, "CLSID\\{00020900-0000-0000-C000-000000000046}\\DefaultIcon", ""));
      },
      "！");
  return result;
}

std::string Get_Scribora_Path() {
  std::string result;
  forms::Guarded(
      [&] {
        result = Program_From_Default_Icon(
            Read_Registry_String(HKEY_CLASSES_ROOT, "ScriboraFile\\DefaultIcon", ""));
      },
      "！");
  return result;
}

std::string Get_OS_Kind() {
  std::string kind = "未知";
  forms::Guarded(
      [&] {
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = sizeof info;
        if (!GetVersionExA(&info)) return;
        if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) kind = "Windows";
        else if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) kind = "NT";
      },
      "！");
  return kind;
}

std::string Compose_Date_Week_Time(const std::string& short_date, int weekday_sunday_0,
                                   const std::string& time_text) {
  static const char* const kWeekdays[7] = {"星期天", "星期一", "星期二", "星期三",
                                           "星期四", "星期五", "星期六"};
  std::string d = short_date;
  if (d.compare(0, 2, "00") == 0) d = "20" + d;
  std::string w = kWeekdays[((weekday_sunday_0 % 7) + 7) % 7];
  return d + " " + w + " " + time_text;
}

std::string Get_Date_Week_Time() {
  std::string result;
  forms::Guarded([&] {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char date[80] = {}, time[80] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, sizeof time);
    result = Compose_Date_Week_Time(date, now.wDayOfWeek, time);
  });
  return result;
}

}  // namespace quillon
