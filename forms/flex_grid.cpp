#include "forms/flex_grid.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "forms/errors.h"
#include "forms/form.h"
#include "forms/units.h"
#include "internal.h"

namespace forms {

bool Leading_Number(const std::string& text, double& value) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  value = std::strtod(text.substr(start, i - start).c_str(), nullptr);
  return true;
}

namespace {

constexpr COLORREF kFixedBack = RGB(224, 234, 232);
constexpr COLORREF kLines = RGB(176, 192, 190);
constexpr COLORREF kCurrentBack = RGB(214, 236, 246);

int Compare_No_Case(const std::string& a, const std::string& b) {
  const int r = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1);
  return r == 0 ? 0 : r - 2;  // CSTR_LESS_THAN 1, EQUAL 2, GREATER 3
}

}  // namespace

Flex_Grid::Flex_Grid() {
  cells_.assign(2, std::vector<Cell>(static_cast<size_t>(cols_)));
  widths_.assign(static_cast<size_t>(cols_), 960);
}

Flex_Grid::~Flex_Grid() {
  if (hwnd_) RemoveWindowSubclass(hwnd_, &Flex_Grid::Grid_Proc, 1);
  if (font_) DeleteObject(font_);
}

void Flex_Grid::Check(int row, int col) const {
  if (row < 0 || row >= Rows() || col < 0 || col >= cols_)
    throw Runtime_Error(381, "Subscript out of range");
}

void Flex_Grid::Set_Rows(int rows) {
  if (rows < Fixed_Rows() + 0) throw Runtime_Error(30009, "Invalid Row value");
  cells_.resize(static_cast<size_t>(rows), std::vector<Cell>(static_cast<size_t>(cols_)));
  if (row_ >= rows) row_ = std::max(Fixed_Rows(), rows - 1);
  if (top_row_ >= rows) top_row_ = std::max(Fixed_Rows(), rows - 1);
  Update_Scroll_Bar();
  Redraw();
}

void Flex_Grid::Set_Cols(int cols) {
  if (cols < Fixed_Cols() + 1) throw Runtime_Error(30010, "Invalid Col value");
  cols_ = cols;
  for (auto& row : cells_) row.resize(static_cast<size_t>(cols));
  widths_.resize(static_cast<size_t>(cols), 960);
  if (col_ >= cols) col_ = cols - 1;
  Redraw();
}

int Flex_Grid::Col_Width(int col) const {
  Check(0, col);
  return widths_[static_cast<size_t>(col)];
}

void Flex_Grid::Set_Col_Width(int col, int twips) {
  Check(0, col);
  widths_[static_cast<size_t>(col)] = std::max(0, twips);
  Redraw();
}

void Flex_Grid::Set_Row_Height(int twips) {
  row_height_ = std::max(15, twips);
  Update_Scroll_Bar();
  Redraw();
}

const std::string& Flex_Grid::Text_Matrix(int row, int col) const {
  Check(row, col);
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)].text;
}

void Flex_Grid::Set_Text_Matrix(int row, int col, const std::string& text) {
  Check(row, col);
  cells_[static_cast<size_t>(row)][static_cast<size_t>(col)].text = text;
  if (row < Fixed_Rows() || (row >= top_row_ && row < top_row_ + Rows_In_View() + 1)) Redraw();
}

Cell_Alignment Flex_Grid::Cell_Align(int row, int col) const {
  Check(row, col);
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)].alignment;
}

void Flex_Grid::Set_Cell_Alignment(int row, int col, Cell_Alignment alignment) {
  Check(row, col);
  cells_[static_cast<size_t>(row)][static_cast<size_t>(col)].alignment = alignment;
}

const std::vector<Flex_Grid::Cell>& Flex_Grid::Row_Cells(int row) const {
  Check(row, 0);
  return cells_[static_cast<size_t>(row)];
}

void Flex_Grid::Set_Row(int row) {
  Check(row, 0);
  row_ = row;
  Redraw();
}

void Flex_Grid::Set_Col(int col) {
  Check(0, col);
  col_ = col;
  Redraw();
}

int Flex_Grid::Rows_In_View() const {
  const int data_height = height_ - row_height_;
  return std::max(1, data_height / row_height_);
}

void Flex_Grid::Set_Top_Row(int row) {
  const int last_top = std::max(Fixed_Rows(), Rows() - Rows_In_View());
  top_row_ = std::clamp(row, Fixed_Rows(), last_top);
  Update_Scroll_Bar();
  Redraw();
}

void Flex_Grid::Sort(int col, Grid_Sort how) {
  Check(0, col);
  if (Rows() <= Fixed_Rows() + 1) return;
  const size_t c = static_cast<size_t>(col);
  auto first = cells_.begin() + Fixed_Rows();
  switch (how) {
    case Grid_Sort::Numeric_Ascending:
    case Grid_Sort::Numeric_Descending: {
      const bool down = how == Grid_Sort::Numeric_Descending;
      // Keys once per row; a cell without a number sorts below every number.
      std::vector<std::pair<double, size_t>> keys;
      keys.reserve(cells_.size());
      for (auto it = first; it != cells_.end(); ++it) {
        double v = 0;
        const bool has = Leading_Number((*it)[c].text, v);
        keys.emplace_back(has ? v : -HUGE_VAL, keys.size());
      }
      std::stable_sort(keys.begin(), keys.end(), [down](const auto& a, const auto& b) {
        return down ? a.first > b.first : a.first < b.first;
      });
      std::vector<std::vector<Cell>> sorted;
      sorted.reserve(keys.size());
      for (const auto& k : keys) sorted.push_back(std::move(*(first + static_cast<long>(k.second))));
      std::move(sorted.begin(), sorted.end(), first);
      break;
    }
    case Grid_Sort::Text_Ascending_No_Case:
    case Grid_Sort::Text_Descending_No_Case: {
      const bool down = how == Grid_Sort::Text_Descending_No_Case;
      std::stable_sort(first, cells_.end(), [c, down](const auto& a, const auto& b) {
        const int r = Compare_No_Case(a[c].text, b[c].text);
        return down ? r > 0 : r < 0;
      });
      break;
    }
  }
  Redraw();
}

void Flex_Grid::Set_Font(const std::string& name, double point_size) {
  if (font_) DeleteObject(font_);
  font_ = detail::Make_Font(name, point_size, false);
  Redraw();
}

void Flex_Grid::Redraw() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Flex_Grid::Update_Scroll_Bar() {
  if (!hwnd_) return;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMin = 0;
  si.nMax = std::max(0, Rows() - Fixed_Rows() - 1);
  si.nPage = static_cast<UINT>(Rows_In_View());
  si.nPos = top_row_ - Fixed_Rows();
  SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
}

void Flex_Grid::Scroll(int code, int track_position) {
  const int page = Rows_In_View();
  int top = top_row_;
  switch (code) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: top = Fixed_Rows() + track_position; break;
    case SB_TOP: top = Fixed_Rows(); break;
    case SB_BOTTOM: top = Rows(); break;
    default: return;
  }
  Set_Top_Row(top);
}

void Flex_Grid::Hit(int x_pixels, int y_pixels) {
  const int x = Pixels_To_Twips_X(x_pixels), y = Pixels_To_Twips_Y(y_pixels);
  int col = -1;
  for (int c = 0, left = 0; c < cols_; ++c) {
    const int w = widths_[static_cast<size_t>(c)];
    if (x >= left && x < left + w) {
      col = c;
      break;
    }
    left += w;
  }
  int row = -1;
  if (y < row_height_) {
    row = 0;
  } else {
    const int r = top_row_ + (y - row_height_) / row_height_;
    if (r < Rows()) row = r;
  }
  if (col < 0 || row < 0) return;
  col_ = col;
  if (row >= Fixed_Rows()) row_ = row;
  Redraw();
}

void Flex_Grid::Paint_Grid(HDC dc, const RECT& client) {
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  FillRect(dc, &client, white);
  HGDIOBJ old_font = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  HPEN pen = CreatePen(PS_SOLID, 1, kLines);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HBRUSH fixed = CreateSolidBrush(kFixedBack);
  HBRUSH current = CreateSolidBrush(kCurrentBack);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));

  const int rh = Twips_To_Pixels_Y(row_height_);
  rows_painted_ = 0;
  auto paint_row = [&](int row, int top) {
    ++rows_painted_;
    int left = 0;
    const auto& cells = cells_[static_cast<size_t>(row)];
    for (int c = 0; c < cols_; ++c) {
      const int w = Twips_To_Pixels_X(widths_[static_cast<size_t>(c)]);
      if (w <= 0) continue;
      RECT cell{left, top, left + w, top + rh};
      if (left >= client.right) break;
      const bool is_fixed = row < Fixed_Rows() || c < Fixed_Cols();
      if (is_fixed) FillRect(dc, &cell, fixed);
      else if (row == row_ && c == col_ && GetFocus() == hwnd_) FillRect(dc, &cell, current);
      MoveToEx(dc, cell.right - 1, cell.top, nullptr);
      LineTo(dc, cell.right - 1, cell.bottom - 1);
      LineTo(dc, cell.left - 1, cell.bottom - 1);
      const Cell& cl = cells[static_cast<size_t>(c)];
      if (!cl.text.empty()) {
        RECT text = cell;
        InflateRect(&text, -1, 0);
        UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
        switch (cl.alignment) {
          case Cell_Alignment::Center_Center: flags |= DT_CENTER | DT_VCENTER; break;
          case Cell_Alignment::Right_Bottom: flags |= DT_RIGHT | DT_BOTTOM; break;
          case Cell_Alignment::Left_Center:
          case Cell_Alignment::General: flags |= DT_LEFT | DT_VCENTER; break;
        }
        DrawTextA(dc, cl.text.c_str(), static_cast<int>(cl.text.size()), &text, flags);
      }
      left += w;
    }
  };
  for (int r = 0; r < Fixed_Rows() && r < Rows(); ++r) paint_row(r, r * rh);
  int top = Fixed_Rows() * rh;
  for (int r = top_row_; r < Rows() && top < client.bottom; ++r, top += rh) paint_row(r, top);

  SelectObject(dc, old_pen);
  SelectObject(dc, old_font);
  DeleteObject(pen);
  DeleteObject(fixed);
  DeleteObject(current);
}

void Flex_Grid::Create_Window() {
  HWND parent = Container_Window();
  if (!parent || hwnd_) return;
  detail::Register_Class("QLFlexGrid", DefWindowProcA);
  RECT r = Pixel_Rect();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER | WS_VSCROLL | WS_TABSTOP |
                (visible_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
  HWND h = CreateWindowExA(0, "QLFlexGrid", "", style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(detail::Next_Child_Id())),
                           detail::Instance(), nullptr);
  if (!h) throw Runtime_Error(7, "Out of memory");
  Attach_Window(h);
  // Runs before the control's own subclass: the current cell is set before the mouse events.
  SetWindowSubclass(h, &Flex_Grid::Grid_Proc, 1, reinterpret_cast<DWORD_PTR>(this));
  Update_Scroll_Bar();
}

LRESULT CALLBACK Flex_Grid::Grid_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                      DWORD_PTR self) {
  auto* grid = reinterpret_cast<Flex_Grid*>(self);
  if (msg == WM_NCDESTROY || !detail::Control_Alive(grid)) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &Flex_Grid::Grid_Proc, 1);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_GETFONT:  // the font the cells are drawn in
      return reinterpret_cast<LRESULT>(grid->font_ ? grid->font_ : GetStockObject(DEFAULT_GUI_FONT));
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT client;
      GetClientRect(hwnd, &client);
      // Drawn off screen, then copied: no flicker while rows scroll.
      HDC memory = CreateCompatibleDC(dc);
      HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
      HGDIOBJ old = SelectObject(memory, bitmap);
      grid->Paint_Grid(memory, client);
      BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
      SelectObject(memory, old);
      DeleteObject(bitmap);
      DeleteDC(memory);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_VSCROLL: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(hwnd, SB_VERT, &si);
      grid->Scroll(LOWORD(wp), si.nTrackPos);
      return 0;
    }
    case WM_MOUSEWHEEL:
      grid->Set_Top_Row(grid->top_row_ - 3 * GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA);
      return 0;
    case WM_SIZE:
      grid->Update_Scroll_Bar();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      grid->Redraw();
      break;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      grid->Hit(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace forms
