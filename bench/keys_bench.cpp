// The keys drill: the cost of judging one key for a short and for a very long lesson (the same
// per key whatever the lesson's length: at most 1.3 times). Prints nanoseconds per key.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "bench_report.h"
#include "courses/key_char_practice.h"
#include "services/key_table.h"

namespace {

using namespace quillon;

class Null_Settings : public Course_Settings {
 public:
  std::string Read(const std::string&, const std::string&, const std::string& d) override { return d; }
  void Write(const std::string&, const std::string&, const std::string&) override {}
};

class Null_View : public Key_Char_View {
 public:
  void Play_Key_Sound(int16_t) override {}
  void Play_Wrong_Sound() override {}
  void Play_Enter_Sound() override {}
  void Play_Win_Sound() override {}
  void Light_Key(int16_t) override {}
  void Clear_Key(int16_t) override {}
  void Clear_Key_Pictures() override {}
  void Flash_Wrong_Key(int16_t) override {}
  void Show_Miss_Picture(int) override {}
  void Clear_Miss_Pictures() override {}
  void Reset_Page(int16_t) override {}
  void Reset_Labels() override {}
  void Show_Keypad(bool) override {}
  double Speed_Bar_Design_Width() override { return 3585; }
  void Set_Speed_Bar_Width(double) override {}
  void Show_Speed_Bar() override {}
  void Show_Score(int32_t) override {}
  void Show_Caption(const std::string&) override {}
  void Show_Time(double) override {}
  void Enable_Buttons(bool, bool, bool) override {}
  void Show_Paused(bool) override {}
  void Set_Timer(bool) override {}
  void Open_Line_Typing(const std::string&, bool, int) override {}
  void Hide_Line_Typing() override {}
  void Disable_Typing_Box() override {}
  void Paint_Wrong_Char(int) override {}
  void Set_Typing_Black() override {}
  void Move_Source_Prompt(int, bool) override {}
  void Keep_Typing_Caret_At_End() override {}
  int Ask_Retry_After_Misses() override { return 0; }
  int Ask_Next_Line() override { return 0; }
  void Show_Lesson_Finished() override {}
  void Show_Error(const std::string& text) override { std::printf("error: %s\n", text.c_str()); }
};

// Nanoseconds per judged key with a lesson of `lines` lines of 399 keys each.
double Per_Key(int lines) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "keys-bench";
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\English").c_str(), nullptr);
  CreateDirectoryA((folder + "\\English\\Character").c_str(), nullptr);
  {
    std::ofstream file(folder + "\\English\\Character\\0.txt", std::ios::binary);
    const std::string keys(kMostLessonKeys, 'f');
    for (int i = 0; i < lines; ++i) file << "lf11" << keys << "\r\n";
  }
  bool panel = true, running = false, ignore = false, line_end = false, paused = false,
       miss_limit = false, first = true;
  Null_View view;
  Null_Settings settings;
  Key_Char_Practice practice(view, settings,
                             {panel, running, ignore, line_end, paused, miss_limit, first});
  practice.Initialize_Page();
  practice.Start_Lesson(folder);
  practice.Start_Practice(1);
  const int presses = 200000;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < presses; ++i) {
    // A right key, then a wrong one (the misses stop at ten): the position moves along the line
    // and comes back with each retry.
    if (practice.Position() >= kMostLessonKeys) practice.Retry_Line(2);
    practice.Key_Press(i % 2 ? 'f' : 'k', false);
    if (miss_limit) {
      miss_limit = false;
      practice.Retry_Line(2);
    }
  }
  const auto end = std::chrono::steady_clock::now();
  DeleteFileA((folder + "\\English\\Character\\0.txt").c_str());
  return std::chrono::duration<double, std::nano>(end - start).count() / presses;
}

}  // namespace

int main() {
  Initialize_Key_Table();
  const double one = Per_Key(1), many = Per_Key(3000);
  std::printf("keys drill, ns per key: lesson of 1 line %.0f, of 3000 lines %.0f\n", one, many);
  return bench::Report("keys drill, a key in a lesson of 3000 lines against one of 1 line",
                       many / one, 1.3) ? 0 : 1;
}
