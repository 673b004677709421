// The word-list reader: reading the entry at the end of a long list costs about what reading the
// first one costs (at most 1.5 times), since each entry is read from its own byte position.
// Prints microseconds per read of the first and of the last entry and their ratio; exits 1 when
// the ratio is above 1.5.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench_report.h"
#include "courses/word_list.h"
#include "services/key_table.h"

namespace {

using namespace quillon;

double Microseconds_Per_Read(const std::string& path, int32_t position, int reads) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < reads; ++i) {
    const Word_Line line = Read_Word_Line(path, position);
    if (!line.Ok()) {
      std::printf("error: %s\n", line.Message().c_str());
      return -1;
    }
  }
  const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / reads;
}

}  // namespace

int main() {
  Initialize_Key_Table();
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "ql_word_list_bench.txt";
  // 200,000 entries, about 5 MB.
  std::string bytes;
  int32_t last = 1;
  for (int i = 0; i < 200000; ++i) {
    last = static_cast<int32_t>(bytes.size()) + 1;
    bytes += "word" + std::to_string(i) + "#n. 单词的释义，第 " + std::to_string(i) + " 条\r\n";
  }
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);

  const int reads = 2000;
  Microseconds_Per_Read(path, 1, 100);  // warm the file cache
  const double first = Microseconds_Per_Read(path, 1, reads);
  const double end = Microseconds_Per_Read(path, last, reads);
  DeleteFileA(path.c_str());
  if (first <= 0 || end <= 0) return 1;
  const double ratio = end / first;
  std::printf("first entry: %.2f us, last entry: %.2f us\n", first, end);
  return bench::Report("word list, last entry against the first", ratio, 1.5) ? 0 : 1;
}
