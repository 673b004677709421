// The Wubi line practice: the code hint of the table's last character against its first (at
// most 1.5 times as much), and one judged change on the last line of a long lesson against the
// first (the same cost). Then, on the real main window with the shipped code table, what opening
// the Wubi page adds to the process (at most 30 MB) and what typing 1,000 characters adds after
// that (at most 1 MB). Prints microseconds, the ratios and the megabytes.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "bench_report.h"
#include "courses/wubi_page.h"
#include "courses/wubi_practice.h"
#include "forms/errors.h"
#include "services/globals.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "shell/commands.h"
#include "shell/startup.h"
#include "tutor_window.h"

namespace {

using namespace quillon;

class Null_View : public Wubi_View {
 public:
  void Play_Key_Sound(int16_t) override {}
  void Play_Wrong_Sound() override {}
  void Play_Enter_Sound() override {}
  void Play_Win_Sound() override {}
  void Reset_Page() override {}
  double Speed_Bar_Design_Width() override { return 3630; }
  void Set_Speed_Bar_Width(double) override {}
  void Show_Speed_Bar() override {}
  void Show_Heading(const std::string&) override {}
  void Show_Code_Info(const std::string& text) override { hint = text; }
  void Show_Progress(const std::string&) override {}
  void Show_Time(double) override {}
  void Set_Timer(bool) override {}
  void Open_Line(const std::string&, bool, int) override {}
  void Disable_Typing_Box() override {}
  void Paint_Wrong_Char(int) override {}
  void Paint_Right_Char(int) override {}
  void Set_Typing_Black() override {}
  void Move_Source_Prompt(int, bool) override {}
  void Keep_Typing_Caret_At_End() override {}
  int Ask_Next_Line() override { return 2; }
  void Show_Lesson_Finished() override {}
  void Show_Error(const std::string& text) override { std::printf("error: %s\n", text.c_str()); }
  std::string hint;
};

class Map_Settings : public Course_Settings {
 public:
  std::string Read(const std::string& section, const std::string& name,
                   const std::string& fallback) override {
    auto it = values.find(section + "|" + name);
    return it == values.end() ? fallback : it->second;
  }
  void Write(const std::string& section, const std::string& name, const std::string& value) override {
    values[section + "|" + name] = value;
  }
  std::map<std::string, std::string> values;
};

template <class Step>
double Micros(int times, Step step) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < times; ++i) step();
  auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::micro>(end - start).count() / times;
}

// The larger of the process's resident and private megabytes.
double Process_Megabytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(std::max(counters.WorkingSetSize, counters.PagefileUsage)) / (1 << 20);
}

template <class Done>
bool Pump_Until(Done done, int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    forms::Do_Events();
    Sleep(5);
  }
  return true;
}

void Pump_For(int milliseconds) {
  Pump_Until([] { return false; }, milliseconds);
}

// Opens the Wubi page on the real main window with the program folder's own code table, then
// types 1,000 characters (the expected character committed, then taken back with Backspace, so
// that the line never ends). Prints both growths against their targets.
// The program folder the build assembles (build\<arch>\dist\Quillon), found upwards from the
// benchmark's own folder.
std::string Shipped_Tutor_Folder() {
  char exe[MAX_PATH];
  std::string path(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
  for (size_t cut; (cut = path.find_last_of("\\/")) != std::string::npos;) {
    path.resize(cut);
    const std::string tutor = path + "\\dist\\Quillon";
    if (GetFileAttributesA(tutor.c_str()) != INVALID_FILE_ATTRIBUTES) return tutor;
  }
  return ".";
}

bool Page_Memory_Met() {
  forms::Form& main = Load_Main_Window();
  const std::string folder = Shipped_Tutor_Folder();
  Set_Program_Folder(folder);
  Resource_Library_Path = folder + "\\Lib\\artpack.dll";
  std::vector<std::string> messages;
  forms::Set_Message_Box_Function([&messages](HWND, const std::string& text, const std::string&,
                                              UINT) {
    messages.push_back(text);
    return IDOK;
  });
  Use_Quiet_Seams();
  main.Show();
  Pump_For(500);
  const double before = Process_Megabytes();
  Do_Menu_Item(main, Chinese_Type_Item::Wubi);
  const bool opened =
      Pump_Until([] { return Current_Panel != kNone && !Panel_Moving; }, 30000) &&
      Wubi_Lines().Running();
  Pump_For(500);
  const double after_open = Process_Megabytes();
  if (!opened || !messages.empty()) {
    std::printf("Wubi page not opened%s%s\n", messages.empty() ? "" : ": ",
                messages.empty() ? "" : messages[0].c_str());
    return false;
  }
  const HWND box = main.Get<forms::Rich_Text_Box>("RichText_Wubi_User").Hwnd();
  for (int i = 0; i < 1000; ++i) {
    const std::string c = Wubi_Lines().Judge().Expected_At(1);
    const unsigned code = (static_cast<unsigned char>(c[0]) << 8) | static_cast<unsigned char>(c[1]);
    PostMessageA(box, WM_KEYDOWN, VK_PROCESSKEY, 1);
    PostMessageA(box, WM_IME_CHAR, code, 1);
    PostMessageA(box, WM_KEYUP, VK_PROCESSKEY, 0xC0000001);
    PostMessageA(box, WM_KEYDOWN, VK_BACK, 1);
    PostMessageA(box, WM_KEYUP, VK_BACK, 0xC0000001);
    forms::Do_Events();
  }
  Pump_For(500);
  const double after_typing = Process_Megabytes();
  const double opening = after_open - before, typing = after_typing - after_open;
  const bool opening_met =
      bench::Report("Wubi page opened with the shipped table, memory added", opening, 30, " MB");
  const bool typing_met =
      bench::Report("1,000 characters typed on the Wubi page, memory added", typing, 1, " MB");
  forms::Set_Message_Box_Function({});
  return opening_met && typing_met;
}

}  // namespace

int main() {
  // Every character of the first level of the code page, each with a four-letter code.
  Null_View view;
  std::string first, last, lesson, table;
  for (int lead = 0xB0; lead <= 0xD7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string c{static_cast<char>(lead), static_cast<char>(trail)};
      if (first.empty()) first = c;
      last = c;
      table += c + "abcd\r\n";
    }
  }
  // A lesson of 2,000 lines of 60 characters.
  for (int line = 0; line < 2000; ++line) {
    lesson += "行#";
    for (int i = 0; i < 60; ++i) lesson += first;
    lesson += "\r\n";
  }
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "quillon-wubi-bench";
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\Chinese").c_str(), nullptr);
  CreateDirectoryA((folder + "\\Chinese\\Wubi").c_str(), nullptr);
  std::ofstream(folder + "\\Chinese\\Wubi\\1.txt", std::ios::binary) << lesson;
  std::ofstream(folder + "\\Chinese\\Wubi\\Wbx.dic", std::ios::binary) << table;

  Map_Settings settings;
  bool ignore = false, entered = false;
  Wubi_Line_Practice practice(view, settings, ignore, entered);
  practice.Initialize_Page(1);
  practice.Start_Lesson(folder, 0);

  const int times = 20000;
  const double hint_first = Micros(times, [&] { view.hint = practice.Code_Of(first); });
  const double hint_last = Micros(times, [&] { view.hint = practice.Code_Of(last); });

  auto change_cost = [&](int line) {
    settings.Write(kWubiLineNumSection, kWubiProgressValue, std::to_string(line));
    practice.Start_Lesson(folder, 0);
    practice.Key_Down(VK_PROCESSKEY);
    return Micros(2000, [&] {
      practice.Change(first);
      practice.Change("");
    }) / 2;
  };
  change_cost(1);  // warm up
  const double change_first = change_cost(1);
  const double change_last = change_cost(2000);
  std::printf("Wubi hint: first %.3f us, last %.3f us\n", hint_first, hint_last);
  const bool hint_met = bench::Report("Wubi hint, last character against the first",
                                      hint_last / hint_first, 1.5);
  std::printf("Wubi change: line 1 %.3f us, line 2000 %.3f us\n", change_first, change_last);
  const bool change_met = bench::Report("Wubi change, line 2000 against line 1",
                                        change_last / change_first, 1.5);
  DeleteFileA((folder + "\\Chinese\\Wubi\\1.txt").c_str());
  DeleteFileA((folder + "\\Chinese\\Wubi\\Wbx.dic").c_str());
  RemoveDirectoryA((folder + "\\Chinese\\Wubi").c_str());
  RemoveDirectoryA((folder + "\\Chinese").c_str());
  RemoveDirectoryA(folder.c_str());
  const bool memory_met = Page_Memory_Met();
  return hint_met && change_met && memory_met ? 0 : 1;
}
