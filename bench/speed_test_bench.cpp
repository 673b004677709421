// The compare-text test and the records grid: judging a key deep in a long text costs what it
// costs at the top (target: at most 1.2 times), ten times the lines load in at most eleven times
// the time, and a grid of 9,999 rows paints within 1.2 times a grid of 10 (both with ten rows
// in view). Prints the ratios.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_report.h"
#include "forms/forms.h"
#include "freetype/speed_test_compare.h"

namespace {

using namespace quillon;
using Clock = std::chrono::steady_clock;

class Null_View : public Compare_Test_View {
 public:
  void Fill_Pair(int, const std::wstring&) override {}
  void Clear_Pair(int) override {}
  void Colour_Typed(int, int, bool) override {}
  void Set_Typing_Black(int) override {}
  void Show_Source_Prompt(int, int, bool) override {}
  void Lock_User(int, bool) override {}
  void Open_User(int, int) override {}
  void Show_Counts(int32_t, double) override {}
  void Play_Key_Sound(wchar_t) override {}
  void Play_Wrong_Sound() override {}
  void Hold(bool) override {}
  void Send_Backspace() override {}
  void Finished() override {}
};

double Seconds_Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string Text_Of(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += std::string(60, 'a') + "\xD6\xD0\r\n";
  return text;
}

// Seconds per judged key (typed and deleted again) once the test stands at `line`.
double Per_Key_At(int line) {
  Null_View view;
  Compare_Test test(view);
  std::vector<std::wstring> lines(30000, std::wstring(3, L'a'));
  test.Start(lines, true);
  for (int l = 1; l < line; ++l) {  // finish whole lines quickly: each as one line's characters
    for (int c = 1; c <= 3; ++c) test.Change(test.Current_Pair(), std::wstring(c, L'a'));
  }
  const int rounds = 200000;
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) {
    test.Change(test.Current_Pair(), L"a");
    test.Change(test.Current_Pair(), L"");
  }
  return Seconds_Since(start) / (2.0 * rounds);
}

double Load_Seconds(int lines) {
  const std::string text = Text_Of(lines);
  double best = 1e9;
  for (int i = 0; i < 5; ++i) {
    const auto start = Clock::now();
    const auto result = Compare_Text_Lines(text);
    best = std::min(best, Seconds_Since(start));
    if (result.size() != static_cast<size_t>(lines)) std::printf("wrong line count\n");
  }
  return best;
}

double Paint_Seconds(int rows) {
  forms::Flex_Grid grid;
  grid.Set_Cols(6);
  grid.Set_Rows(rows + 1);
  grid.Move(0, 0, 9000, 11 * grid.Row_Height());  // a view of ten rows below the header
  for (int r = 1; r <= rows; ++r)
    for (int c = 0; c < 6; ++c) grid.Set_Text_Matrix(r, c, std::to_string(r * 7 + c) + ".00字/分");
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  const int height = forms::Twips_To_Pixels_Y(11 * grid.Row_Height());
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 600, height);
  SelectObject(dc, bitmap);
  RECT client{0, 0, 600, height};
  double best = 1e9;
  for (int i = 0; i < 20; ++i) {
    const auto start = Clock::now();
    for (int k = 0; k < 20; ++k) grid.Paint_Grid(dc, client);
    best = std::min(best, Seconds_Since(start) / 20);
  }
  DeleteDC(dc);
  DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
  return best;
}

}  // namespace

int main() {
  const double first = Per_Key_At(1), deep = Per_Key_At(30000);
  std::printf("judging a key: line 1 %.1f ns, line 30000 %.1f ns\n", first * 1e9, deep * 1e9);
  const bool judge_met = bench::Report("speed test, judging a key on line 30000 against line 1",
                                       deep / first, 1.2);
  const double small = Load_Seconds(3000), large = Load_Seconds(30000);
  std::printf("loading: 3000 lines %.2f ms, 30000 lines %.2f ms\n", small * 1e3, large * 1e3);
  const bool load_met =
      bench::Report("speed test, loading 30000 lines against 3000", large / small, 11);
  const double few = Paint_Seconds(10), many = Paint_Seconds(9999);
  std::printf("grid paint: 10 rows %.1f us, 9999 rows %.1f us\n", few * 1e6, many * 1e6);
  const bool paint_met =
      bench::Report("records grid, painting 9999 rows against 10", many / few, 1.2);
  return judge_met && load_met && paint_met ? 0 : 1;
}
