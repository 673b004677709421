// Typing over an article: the cost of one key at the start and at the end of a 30,000-character
// article in a real rich-text box (at most 1.5 times as much at the end). Prints microseconds per
// key and the ratio.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench_report.h"
#include "forms/forms.h"
#include "services/globals.h"
#include "services/overwrite_typing.h"

namespace {

using namespace quillon;

// Microseconds per right key typed at `position` (the state put back after each key).
double Key_Cost(Overwrite_Box& box, const std::string& text, int position, int keys) {
  const int key = static_cast<unsigned char>(text[static_cast<size_t>(position)]);
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < keys; ++i) {
    Char_Position = position;
    box.Select(position, 0);
    Overwrite_Key(box, key, 0);
  }
  auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::micro>(end - start).count() / keys;
}

}  // namespace

int main() {
  std::string text;
  const std::string line = "The quick brown fox jumps over the lazy dog, again and again.";  // 61
  while (text.size() + line.size() + 2 <= 30000) text += line + "\r\n";
  while (text.size() < 30000) text += 'x';

  forms::Form form;
  form.Border = forms::Border_Style::Fixed_Single;
  forms::Rich_Text_Box* box = nullptr;
  form.On_Design = [&] {
    form.Set_Client_Size(7830, 4665);
    box = &form.Add<forms::Rich_Text_Box>("RichText_Overwrite");
    box->Move(0, 0, 7830, 4665);
  };
  form.Load();
  box->Set_Text(text);
  Text_Length = box->Text_Length();
  Char_Right_Mark.Redim(Text_Length);
  auto view = Overwrite_Box_Of(*box);

  const int keys = 300;
  Key_Cost(*view, text, 0, 20);  // warm up
  const double at_start = Key_Cost(*view, text, 0, keys);
  const double at_end = Key_Cost(*view, text, Text_Length - 1, keys);
  std::printf("overwrite key, %d-character article: start %.1f us, end %.1f us\n", Text_Length,
              at_start, at_end);
  return bench::Report("overwrite key at the end against the start", at_end / at_start, 1.5) ? 0 : 1;
}
