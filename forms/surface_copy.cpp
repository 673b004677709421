#include "forms/surface_copy.h"

#include "forms/units.h"

namespace forms {

void Paint_Surface(Container& target, int x, int y, Container& source, int source_x,
                   int source_y, int width, int height) {
  HDC from = source.Surface_Dc();
  HDC to = target.Surface_Dc();
  if (!from || !to) return;
  RECT client{};
  if (HWND h = source.Container_Hwnd()) GetClientRect(h, &client);
  const int sx = Twips_To_Pixels_X(source_x), sy = Twips_To_Pixels_Y(source_y);
  const int w = width < 0 ? client.right - sx : Twips_To_Pixels_X(width);
  const int h = height < 0 ? client.bottom - sy : Twips_To_Pixels_Y(height);
  if (w <= 0 || h <= 0) return;
  const int dx = Twips_To_Pixels_X(x), dy = Twips_To_Pixels_Y(y);
  BitBlt(to, dx, dy, w, h, from, sx, sy, SRCCOPY);
  if (HWND hwnd = target.Container_Hwnd()) {
    RECT changed{dx, dy, dx + w, dy + h};
    InvalidateRect(hwnd, &changed, FALSE);
  }
}

}  // namespace forms
