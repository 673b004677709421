// Translation packages: loading a package costs the same per entry at 60,000 entries as at
// 1,000 (at most 1.5 times), and looking a text up costs the same at both sizes (at most 1.5
// times). Prints microseconds per entry loaded and per look-up; exits 1 when a ratio is above
// 1.5.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_report.h"
#include "app.h"
#include "package.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<Package_Entry> Entries(int count) {
  std::vector<Package_Entry> entries;
  entries.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    entries.push_back({"Menu item number " + std::to_string(i) + "...",
                       "菜单项 " + std::to_string(i) + " ..."});
  }
  return entries;
}

struct Cost {
  double loadPerEntry = 0, lookup = 0;
};

Cost Measure(const std::string& path, int count) {
  std::string bytes;
  Package_Bytes(Entries(count), &bytes);
  Write_File_Bytes(path, bytes);
  Cost cost;
  const int loads = count >= 10000 ? 3 : 150;
  CInterfaceDictReader reader;
  reader.Load(path.c_str());  // warm the file cache
  auto start = Clock::now();
  for (int i = 0; i < loads; ++i) reader.Load(path.c_str());
  std::chrono::duration<double, std::micro> spent = Clock::now() - start;
  cost.loadPerEntry = spent.count() / loads / count;

  CInterfaceDictWriter writer;
  writer.CollectEntries(reader.m_nCount, reader.m_pRecords, reader.Kept());
  Package_Index index(writer.Pending());
  const int lookups = 400000;
  std::vector<std::string> probes;
  for (int i = 0; i < 64; ++i) probes.push_back(writer.Pending()[static_cast<size_t>(i * 7 % count)].source);
  size_t found = 0;
  start = Clock::now();
  for (int i = 0; i < lookups; ++i) found += index.Find(probes[static_cast<size_t>(i) % 64]) != nullptr;
  spent = Clock::now() - start;
  cost.lookup = spent.count() / lookups;
  if (found != static_cast<size_t>(lookups)) std::printf("error: a look-up failed\n");
  return cost;
}

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "lvd_package_bench.lvd";
  const Cost small = Measure(path, 1000);
  const Cost large = Measure(path, 60000);
  DeleteFileA(path.c_str());
  const double loadRatio = large.loadPerEntry / small.loadPerEntry;
  const double lookupRatio = large.lookup / small.lookup;
  std::printf("load: %.3f us/entry at 1,000, %.3f us/entry at 60,000\n", small.loadPerEntry,
              large.loadPerEntry);
  const bool loadMet = bench::Report("package load per entry, 60,000 against 1,000", loadRatio, 1.5);
  std::printf("look-up: %.4f us at 1,000, %.4f us at 60,000\n", small.lookup, large.lookup);
  const bool lookupMet = bench::Report("package look-up, 60,000 against 1,000", lookupRatio, 1.5);
  return loadMet && lookupMet ? 0 : 1;
}
