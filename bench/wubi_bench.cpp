// The Wubi line practice: the code hint of the table's last character against its first (at
// most 1.5 times as much), and one judged change on the last line of a long lesson against the
// first (the same cost). Prints microseconds and the ratios.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "courses/wubi_practice.h"

namespace {

using namespace quillon;

class Null_View : public Wubi_View {
 public:
  void Play_Key_Sound(int16_t) override {}
  void Play_Wrong_Sound() override {}
  void Play_Enter_Sound() override {}
  void Play_Win_Sound() override {}
  void Reset_Page() override {}
  std::string Code_Table_Text(const std::string&) override { return table; }
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
  std::string table, hint;
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

}  // namespace

int main() {
  // Every character of the first level of the code page, each with a four-letter code.
  Null_View view;
  std::string first, last, lesson;
  for (int lead = 0xB0; lead <= 0xD7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string c{static_cast<char>(lead), static_cast<char>(trail)};
      if (first.empty()) first = c;
      last = c;
      view.table += c + "abcd\r\n";
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
  std::printf("Wubi hint: first %.3f us, last %.3f us, ratio %.2f (at most 1.50)\n", hint_first,
              hint_last, hint_last / hint_first);
  std::printf("Wubi change: line 1 %.3f us, line 2000 %.3f us, ratio %.2f (at most 1.50)\n",
              change_first, change_last, change_last / change_first);
  DeleteFileA((folder + "\\Chinese\\Wubi\\1.txt").c_str());
  RemoveDirectoryA((folder + "\\Chinese\\Wubi").c_str());
  RemoveDirectoryA((folder + "\\Chinese").c_str());
  RemoveDirectoryA(folder.c_str());
  return hint_last <= 1.5 * hint_first && change_last <= 1.5 * change_first ? 0 : 1;
}
