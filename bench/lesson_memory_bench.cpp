// The memory a keys lesson takes once loaded: the lesson-line tables for a lesson of the longest
// lines, as bytes per byte of the lesson file, and the process's own growth (private bytes, at
// their peak while loading and kept afterwards) for the same lesson.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "courses/key_table.h"
#include "courses/lesson_lines.h"

namespace {

using namespace quillon;

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

}  // namespace

int main() {
  Initialize_Key_Table();
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "lesson-memory-bench.txt";
  // 30000 lines of 399 keys: about 12 MB, near the most lines a lesson can count.
  const int lines = 30000;
  std::string line = "bf11";
  for (int i = 0; i < kMostLessonKeys; ++i) line += "fjdksla;"[i % 8];
  line += "\r\n";
  {
    std::ofstream file(path, std::ios::binary);
    for (int i = 0; i < lines; ++i) file << line;
  }
  const double file_bytes = static_cast<double>(line.size()) * lines;

  const PROCESS_MEMORY_COUNTERS before = Memory();
  const Lesson_File_Result result = Load_Key_Char_Lesson_File(path, 0);
  const PROCESS_MEMORY_COUNTERS after = Memory();
  DeleteFileA(path.c_str());
  if (!result.Ok()) {
    std::printf("lesson not loaded: %s\n", result.Message().c_str());
    return 1;
  }
  const double tables =
      static_cast<double>(Lesson_Line_Char.Memory_Bytes() + Lesson_Line_Head.Memory_Bytes());
  std::printf("keys lesson of %.1f MB (%d lines): tables %.2f bytes per lesson byte; "
              "process private bytes +%.2f per lesson byte kept, +%.2f at the peak\n",
              file_bytes / (1 << 20), static_cast<int>(result.lines), tables / file_bytes,
              (static_cast<double>(after.PagefileUsage) - before.PagefileUsage) / file_bytes,
              (static_cast<double>(after.PeakPagefileUsage) - before.PagefileUsage) / file_bytes);
  return 0;
}
