#pragma once
// The flex grid: a table of text cells with a fixed (header) row and column, painted by the
// runtime itself. Sizes and widths in twips; the rows below the fixed ones scroll (scroll bar and
// wheel), and a paint draws only the rows in view, so a grid of ten thousand rows paints as fast
// as a grid of ten. A click on a cell makes it the current cell (Row, Col) before the control's
// On_Mouse_Down and On_Click run; a click on a header cell makes its column current.
//
// Sorting moves whole rows below the fixed ones, cell texts and alignments together; rows with
// equal keys keep their order. The numeric sorts compare the number each cell's text begins with
// (Leading_Number); a cell without one sorts below every number.

#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

// Cell alignments (the values of the grid's own alignment settings).
enum class Cell_Alignment : int { Left_Center = 1, Center_Center = 4, Right_Bottom = 8, General = 9 };
// Sorts (the values of the grid's Sort setting).
enum class Grid_Sort : int {
  Numeric_Ascending = 3,
  Numeric_Descending = 4,
  Text_Ascending_No_Case = 5,
  Text_Descending_No_Case = 6,
};

// The number a text begins with (blanks before it skipped; an optional sign, digits and one
// decimal point), or false when it begins with none ("123.45字/分" gives 123.45).
bool Leading_Number(const std::string& text, double& value);

class Flex_Grid : public Control {
 public:
  Flex_Grid();
  ~Flex_Grid() override;

  int Rows() const { return static_cast<int>(cells_.size()); }
  void Set_Rows(int rows);  // at least the fixed rows; new rows are empty
  int Cols() const { return cols_; }
  void Set_Cols(int cols);
  int Fixed_Rows() const { return 1; }
  int Fixed_Cols() const { return 1; }

  int Col_Width(int col) const;
  void Set_Col_Width(int col, int twips);
  int Row_Height() const { return row_height_; }
  void Set_Row_Height(int twips);

  // Cell text and alignment; throws Runtime_Error 381 ("Subscript out of range") outside the grid.
  const std::string& Text_Matrix(int row, int col) const;
  void Set_Text_Matrix(int row, int col, const std::string& text);
  Cell_Alignment Cell_Align(int row, int col) const;
  void Set_Cell_Alignment(int row, int col, Cell_Alignment alignment);
  // The cells of a whole row (for copying a row): text and alignment per column.
  struct Cell {
    std::string text;
    Cell_Alignment alignment = Cell_Alignment::General;
  };
  const std::vector<Cell>& Row_Cells(int row) const;

  // The current cell.
  int Row() const { return row_; }
  int Col() const { return col_; }
  void Set_Row(int row);
  void Set_Col(int col);
  // The first scrolling row in view.
  int Top_Row() const { return top_row_; }
  void Set_Top_Row(int row);
  // Data rows that fit in view.
  int Rows_In_View() const;

  void Sort(int col, Grid_Sort how);

  void Set_Font(const std::string& name, double point_size);

  // Rows the last paint drew (the fixed row included).
  int Rows_Painted() const { return rows_painted_; }

  // Internal.
  void Create_Window() override;
  void Paint_Grid(HDC dc, const RECT& client);
  void Scroll(int code, int track_position);
  void Hit(int x_pixels, int y_pixels);

 private:
  void Update_Scroll_Bar();
  void Redraw();
  void Check(int row, int col) const;

  std::vector<std::vector<Cell>> cells_;
  std::vector<int> widths_;
  int cols_ = 2;
  int row_height_ = 240;
  int row_ = 1, col_ = 1, top_row_ = 1;
  int rows_painted_ = 0;
  HFONT font_ = nullptr;

 public:
  static LRESULT CALLBACK Grid_Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
};

}  // namespace forms
