// The article course below its source (layout 0): judging one change (exactly, and in any letter
// case as dictation with the text hidden judges), and the time from a key to its colour in the
// typing box on the real main window, in a 30,000-character article against a 100-character one
// (at most 1.5 times as much). The long article is resumed near its end, so the
// key lands where a long text is most expensive. Prints microseconds and the ratios.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench_report.h"
#include "courses/article_files.h"
#include "courses/article_judging.h"
#include "forms/forms.h"
#include "screen_table.h"
#include "services/globals.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "shell/commands.h"
#include "shell/main_form.h"
#include "shell/standins.h"
#include "shell/startup.h"
#include "tutor_window.h"

namespace {

using namespace quillon;
using Clock = std::chrono::steady_clock;

std::string Article(size_t length) {
  const std::string line = "The quick brown fox jumps over the lazy dog, again and again.";  // 61
  std::string text;
  while (text.size() + line.size() + 2 <= length) text += line + "\r\n";
  while (text.size() < length) text += 'x';
  return text;
}

// A position near the end whose character and the one after it are no line break.
int Position_Near_End(const std::string& text) {
  int p = static_cast<int>(text.size()) - 3;
  while (p > 0 && (text[p] == '\r' || text[p] == '\n' || text[p + 1] == '\r')) --p;
  return p;
}

// ---- Judging alone ----

double Judge_Cost(const std::string& text, int position, int rounds,
                  Letter_Case letter_case = Letter_Case::Exact) {
  const std::vector<std::string> chars = Article_Characters(text);
  Text_Length = static_cast<int>(chars.size());
  Article_Char.Redim(Text_Length + 3);
  for (int i = 0; i < Text_Length; ++i) Article_Char(i + 1) = chars[static_cast<size_t>(i)];
  Char_Position = position;
  Mark_Typed_Prefix_Right();
  const std::string typed = Article_Char(position + 1);
  auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) {
    // One right character, and taken back.
    Judge_Article_Change(1, position, [&](int) { return typed; }, letter_case);
    Judge_Article_Change(0, position, [&](int) { return typed; }, letter_case);
  }
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / (2.0 * rounds);
}

// ---- A key on the real window ----

std::string Folder;

void Write_Article(const std::string& text) {
  const std::string path = Folder + "\\English\\Article\\5\\1.txt";
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(f);
}

// Microseconds from a wrong key to its red colour in the box, and its Backspace, per key.
double Key_Cost(const std::string& text, int resume, int keys) {
  Write_Article(text);
  forms::Tutor_Settings::Save("Setting\\Article\\Remember\\TextLen Index", "0 5 0",
                              std::to_string(resume));
  forms::Tutor_Settings::Save("Setting\\Article\\Remember\\Lession Index", "0 5 0", "1");
  Do_Menu_Item(Form_Quillon(), English_Type_Item::Article);
  auto& user = Form_Quillon().Get<forms::Rich_Text_Box>("RichText_Article_User");
  const HWND box = user.Hwnd();
  const char wrong = text[static_cast<size_t>(resume)] == 'Q' ? 'Z' : 'Q';
  SendMessageA(box, WM_KEYDOWN, 'Q', 1);  // the first key re-enables the judging
  SendMessageA(box, WM_KEYUP, 'Q', 0xC0000001);
  auto start = Clock::now();
  for (int i = 0; i < keys; ++i) {
    SendMessageA(box, WM_CHAR, static_cast<WPARAM>(wrong), 1);
    SendMessageA(box, WM_KEYDOWN, VK_BACK, 1);
    SendMessageA(box, WM_KEYUP, VK_BACK, 0xC0000001);
  }
  const double cost = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / keys;
  user.Select(0, 1);
  if (Typed_Char_Count != 0 || user.Quick_Length() != 0) std::printf("(the keys were not judged)\n");
  Stop_Current_Exercise(Form_Quillon());
  return cost;
}

}  // namespace

int main() {
  const std::string long_text = Article(30000), short_text = Article(100);
  // The best of several alternating runs of each: one change costs a few nanoseconds, so a
  // single run measures the machine's moods more than the judging.
  const int rounds = 200000;
  double judge_short = 1e9, judge_long = 1e9;
  for (int run = 0; run < 7; ++run) {
    judge_short = std::min(judge_short, Judge_Cost(short_text, Position_Near_End(short_text), rounds));
    judge_long = std::min(judge_long, Judge_Cost(long_text, Position_Near_End(long_text), rounds));
  }
  std::printf("judging one change: 100 characters %.3f us, 30,000 characters %.3f us, "
              "ratio %.2f\n", judge_short, judge_long, judge_long / judge_short);
  const bool judge_met =
      bench::Report("judging one change, 30,000 against 100 characters", judge_long / judge_short, 1.5);
  // Dictation with the text hidden judges the same way, letters in any case.
  double hidden_short = 1e9, hidden_long = 1e9;
  for (int run = 0; run < 7; ++run) {
    hidden_short = std::min(hidden_short, Judge_Cost(short_text, Position_Near_End(short_text),
                                                     rounds, Letter_Case::Ignored));
    hidden_long = std::min(hidden_long, Judge_Cost(long_text, Position_Near_End(long_text), rounds,
                                                   Letter_Case::Ignored));
  }
  std::printf("judging one change in any letter case: 100 characters %.3f us, 30,000 characters "
              "%.3f us, ratio %.2f\n", hidden_short, hidden_long, hidden_long / hidden_short);
  const bool hidden_met = bench::Report("judging one change in any letter case, 30,000 against 100 "
                                        "characters", hidden_long / hidden_short, 1.5);

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  Folder = std::string(temp) + "quillon-article-bench";
  for (const char* sub : {"", "\\English", "\\English\\Article", "\\English\\Article\\5"})
    CreateDirectoryA((Folder + sub).c_str(), nullptr);
  Set_Program_Folder(Folder);
  forms::Set_Message_Box_Function([](HWND, const std::string& text, const std::string&, UINT) {
    std::printf("message: %s\n", text.c_str());
    return IDOK;
  });
  Use_Quiet_Seams();
  Register_All_Screens();
  Form_Quillon().Show();
  const int keys = 300;
  Key_Cost(short_text, Position_Near_End(short_text), 30);  // warm up
  const double key_short = Key_Cost(short_text, Position_Near_End(short_text), keys);
  const double key_long = Key_Cost(long_text, Position_Near_End(long_text), keys);
  std::printf("a key to its colour: 100 characters %.1f us, 30,000 characters %.1f us, ratio %.2f\n",
              key_short, key_long, key_long / key_short);
  const bool key_met =
      bench::Report("a key to its colour, 30,000 against 100 characters", key_long / key_short, 1.5);
  DeleteFileA((Folder + "\\English\\Article\\5\\1.txt").c_str());
  for (const char* sub : {"\\English\\Article\\5", "\\English\\Article", "\\English", ""})
    RemoveDirectoryA((Folder + sub).c_str());
  return judge_met && hidden_met && key_met ? 0 : 1;
}
