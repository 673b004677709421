// The records screen on panel 11: tabs for the compare-text list, the free-text list and the
// rankings; grids 0 and 1 list the records newest first, grids 2 and 3 rank the eight fastest.
#include <array>

#include "freetype/speed_test_look.h"
#include "freetype/speed_test_pages.h"
#include "freetype/speed_test_records.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/screen_ids.h"

namespace quillon {

namespace {

constexpr int kTabs = 3, kGrids = 4, kColumns = 6, kRankedRows = 8;
constexpr int kRankingTab = 2;

struct Place {
  int left, top, width, height;
};
constexpr Place kTabPlaces[kTabs] = {{180, 165, 3015, 420}, {3240, 165, 2970, 420},
                                     {6255, 165, 2955, 420}};
constexpr Place kGridPlaces[kGrids] = {{225, 600, 9000, 4800}, {225, 600, 9000, 4800},
                                       {225, 825, 9000, 2055}, {225, 3105, 9000, 2265}};

// Columns: header of a list, header of a ranking, width in elevenths, data alignment.
struct Column {
  const char* list_header;
  const char* ranking_header;
  int elevenths;
  forms::Cell_Alignment alignment;
};
constexpr Column kColumns_[kColumns] = {
    {"序列", "名次", 1, forms::Cell_Alignment::Center_Center},
    {"用户姓名", "用户姓名", 2, forms::Cell_Alignment::Center_Center},
    {"打字速度", "打字速度", 2, forms::Cell_Alignment::Right_Bottom},
    {"录入字数", "录入字数", 1, forms::Cell_Alignment::Center_Center},
    {"正确率", "正确率", 1, forms::Cell_Alignment::Right_Bottom},
    {"当时时间", "当时时间", 4, forms::Cell_Alignment::Center_Center},
};

// One flag per column 1 to 5, shared by both lists, for the whole run: the last sort of that
// column was descending.
std::array<bool, kColumns> Record_Sort_Descending{};
bool Record_Ranking_Filled = false;
bool Filling = false;  // a list or a ranking is being filled: clicks wait for it

forms::Form& Main() { return Main_Window(); }
forms::Image& Tab(int i) { return Main().Get<forms::Image>("Image_myRecord", i); }
forms::Flex_Grid& Grid(int i) { return Main().Get<forms::Flex_Grid>("MSFlexGrid_Record", i); }

struct Fill_Guard {
  Fill_Guard() { Filling = true; }
  ~Fill_Guard() { Filling = false; }
};

void Load_Record_List(int list) {
  Fill_Guard guard;
  forms::Flex_Grid& grid = Grid(list);
  const std::vector<Speed_Test_Record> records = Read_Record_List(static_cast<Record_List>(list));
  if (records.empty()) return;
  const int n = static_cast<int>(records.size());
  grid.Set_Rows(n + 1);
  // Newest first: row 1 holds the newest record, numbered n; the last row the oldest, 1.
  for (int i = 1; i <= n; ++i) {
    const Speed_Test_Record& r = records[static_cast<size_t>(n - i)];
    const std::string values[kColumns] = {std::to_string(n - i + 1), r.name, r.speed, r.number,
                                          r.rate, r.time};
    for (int c = 0; c < kColumns; ++c) {
      grid.Set_Text_Matrix(i, c, values[c]);
      grid.Set_Cell_Alignment(i, c, kColumns_[c].alignment);
    }
  }
}

void Fill_Record_Ranking(int list) {
  Fill_Guard guard;
  forms::Flex_Grid& from = Grid(list);
  forms::Flex_Grid& ranking = Grid(list + 2);
  if (from.Rows() <= 1) return;
  from.Sort(2, forms::Grid_Sort::Numeric_Descending);
  const int c = std::min(from.Rows(), kRankedRows + 1);
  ranking.Set_Rows(c);
  for (int i = 1; i < c; ++i) {
    ranking.Set_Text_Matrix(i, 0, "第" + std::to_string(i) + "名");
    ranking.Set_Cell_Alignment(i, 0, forms::Cell_Alignment::Center_Center);
    for (int j = 1; j < kColumns; ++j) {
      ranking.Set_Text_Matrix(i, j, from.Text_Matrix(i, j));
      ranking.Set_Cell_Alignment(i, j, kColumns_[j].alignment);
    }
  }
}

void Show_Tab(int index) {
  for (int i = 0; i < kTabs; ++i) {
    if (i == index) {
      Tab(i).Set_Enabled(false);
      Show_Look(Tab(i), "bgrecord" + std::to_string(i));
    } else {
      Tab(i).Set_Enabled(true);
      Clear_Look(Tab(i));
    }
  }
  Grid(0).Set_Visible(index == 0);
  Grid(1).Set_Visible(index == 1);
  Grid(2).Set_Visible(index == kRankingTab);
  Grid(3).Set_Visible(index == kRankingTab);
}

}  // namespace

void Design_Record_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Records));
  for (int i = 0; i < kTabs; ++i) {
    auto& tab = form.Add<forms::Image>("Image_myRecord", i, &page);
    const Place& p = kTabPlaces[i];
    tab.Move(p.left, p.top, p.width, p.height);
    tab.On_Click = [i] { Image_myRecord_Click(Main_Window(), i); };
    tab.On_Mouse_Down = [](int, int, int, int) { Main_Surface_Mouse_Move(); };
    tab.On_Mouse_Move = [](int, int, int, int) { Main_Surface_Mouse_Move(); };
  }
  for (int i = 0; i < kGrids; ++i) {
    auto& grid = form.Add<forms::Flex_Grid>("MSFlexGrid_Record", i, &page);
    const Place& p = kGridPlaces[i];
    grid.Move(p.left, p.top, p.width, p.height);
    grid.Set_Cols(kColumns);
    grid.Set_Rows(2);
    grid.Set_Font("宋体", 9);
    grid.Set_Row_Height(225);  // a ranking shows its eight rows without scrolling
    grid.Set_Visible(i == 0);
    grid.On_Click = [i] { MSFlexGrid_Record_Click(Main_Window(), i); };
    grid.On_Mouse_Down = [](int, int, int, int) { Main_Surface_Mouse_Move(); };
    grid.On_Mouse_Move = [](int, int, int, int) { Main_Surface_Mouse_Move(); };
  }
}

void Initialize_Record_Grid(forms::Form&) {
  forms::Guarded([] {
    forms::Picture_Box& page = Panel(Number(Panel_Id::Records));
    if (!page.Get_Picture()) Load_Resource_Picture_To_PictureBox(page, "bgrecord");
    Exercise_Running = false;
    for (int i = 0; i < kTabs; ++i) Tab(i).Set_Mouse_Icon(forms::Hand_Cursor());
    Show_Tab(0);
    Record_Ranking_Filled = false;
    const double w = Grid(0).Width() * 9.6 / 10.0;
    for (int g = 0; g < kGrids; ++g) {
      forms::Flex_Grid& grid = Grid(g);
      grid.Set_Rows(1);
      grid.Set_Rows(2);
      grid.Set_Top_Row(1);
      for (int c = 0; c < kColumns; ++c) {
        grid.Set_Col_Width(c, static_cast<int>(w * kColumns_[c].elevenths / 11.0 + 0.5));
        if (c != 3) grid.Set_Cell_Alignment(0, c, forms::Cell_Alignment::Center_Center);
        grid.Set_Text_Matrix(0, c, g < 2 ? kColumns_[c].list_header : kColumns_[c].ranking_header);
      }
    }
  });
}

void Load_Records(forms::Form&) {
  forms::Guarded([] { Load_Record_List(0); });
  forms::Guarded([] { Load_Record_List(1); });
}

void Image_myRecord_Click(forms::Form&, int index) {
  if (Filling || index < 0 || index >= kTabs) return;
  forms::Guarded([index] {
    Show_Tab(index);
    if (index == kRankingTab && !Record_Ranking_Filled) {
      Fill_Record_Ranking(0);
      Fill_Record_Ranking(1);
      Record_Ranking_Filled = true;
    }
  });
}

void MSFlexGrid_Record_Click(forms::Form&, int index) {
  if (Filling || index < 0 || index > 1) return;
  forms::Silent([index] {
    forms::Flex_Grid& grid = Grid(index);
    const int c = grid.Col();
    if (c < 1 || c >= kColumns) return;
    const bool down = !Record_Sort_Descending[static_cast<size_t>(c)];
    const bool text = c == 1 || c == 5;
    forms::Grid_Sort how = text ? (down ? forms::Grid_Sort::Text_Descending_No_Case
                                        : forms::Grid_Sort::Text_Ascending_No_Case)
                                : (down ? forms::Grid_Sort::Numeric_Descending
                                        : forms::Grid_Sort::Numeric_Ascending);
    grid.Sort(c, how);
    Record_Sort_Descending[static_cast<size_t>(c)] = down;
  });
}

}  // namespace quillon
