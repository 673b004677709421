// The memory a keys lesson takes once loaded: the lesson-line tables as bytes per byte of the
// lesson file, and the process's own growth (private bytes) for the same lesson, for lessons of
// the longest, of usual and of the shortest lines.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "bench_report.h"
#include "services/key_table.h"
#include "services/lesson_lines.h"

namespace {

// A cell holds one key in two bytes and each line has its start, so a lesson's tables stay
// near twice its file (nearer three times for lines of a single key).
constexpr double kMostBytesPerByte = 3.0;

using namespace quillon;

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

// Loads a lesson of `lines` lines of `keys` keys each and prints what it takes. False when the
// lesson does not load or its tables take more than the target.
bool Measure(int lines, int keys) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "lesson-memory-bench.txt";
  std::string line = "bf11";
  for (int i = 0; i < keys; ++i) line += "fjdksla;"[i % 8];
  line += "\r\n";
  {
    std::ofstream file(path, std::ios::binary);
    for (int i = 0; i < lines; ++i) file << line;
  }
  const double file_bytes = static_cast<double>(line.size()) * lines;

  Shrink_Lesson_Lines();
  const PROCESS_MEMORY_COUNTERS before = Memory();
  const Lesson_File_Result result = Load_Key_Char_Lesson_File(path, 0);
  const PROCESS_MEMORY_COUNTERS after = Memory();
  DeleteFileA(path.c_str());
  if (!result.Ok()) {
    std::printf("lesson not loaded: %s\n", result.Message().c_str());
    return false;
  }
  const double tables =
      static_cast<double>(Lesson_Line_Char.Memory_Bytes() + Lesson_Line_Head.Memory_Bytes());
  const double grown = static_cast<double>(after.PagefileUsage) - before.PagefileUsage;
  std::printf("keys lesson of %.2f MB (%d lines of %d keys): tables %.2f bytes per lesson byte; "
              "process private bytes +%.2f per lesson byte\n",
              file_bytes / (1 << 20), static_cast<int>(result.lines), keys, tables / file_bytes,
              grown / file_bytes);
  const std::string what = "keys lesson of " + std::to_string(keys) + " keys a line, tables";
  return bench::Report(what.c_str(), tables / file_bytes, kMostBytesPerByte, " bytes per byte");
}

}  // namespace

int main() {
  Initialize_Key_Table();
  // About 12 MB of the longest lines, near the most lines a lesson can count; then lines of a
  // usual length and the shortest lines.
  bool met = Measure(30000, kMostLessonKeys);
  met = Measure(30000, 40) && met;
  met = Measure(30000, 1) && met;
  return met ? 0 : 1;
}
