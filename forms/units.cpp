#include "forms/units.h"

#include <cmath>

namespace forms {
namespace {

int Dpi(int index) {
  static int dpi[2] = {0, 0};
  int& slot = dpi[index == LOGPIXELSX ? 0 : 1];
  if (slot == 0) {
    HDC dc = GetDC(nullptr);
    slot = dc ? GetDeviceCaps(dc, index) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    if (slot <= 0) slot = 96;
  }
  return slot;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

int Twips_Per_Pixel_X() { return 1440 / Dpi(LOGPIXELSX); }
int Twips_Per_Pixel_Y() { return 1440 / Dpi(LOGPIXELSY); }
int Twips_To_Pixels_X(int twips) { return Round(twips * Dpi(LOGPIXELSX) / 1440.0); }
int Twips_To_Pixels_Y(int twips) { return Round(twips * Dpi(LOGPIXELSY) / 1440.0); }
int Pixels_To_Twips_X(int pixels) { return Round(pixels * 1440.0 / Dpi(LOGPIXELSX)); }
int Pixels_To_Twips_Y(int pixels) { return Round(pixels * 1440.0 / Dpi(LOGPIXELSY)); }
int Screen_Width() { return Pixels_To_Twips_X(GetSystemMetrics(SM_CXSCREEN)); }
int Screen_Height() { return Pixels_To_Twips_Y(GetSystemMetrics(SM_CYSCREEN)); }

int Screen_Bits_Per_Pixel() {
  HDC dc = GetDC(nullptr);
  int bits = dc ? GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) : 0;
  if (dc) ReleaseDC(nullptr, dc);
  return bits;
}

HCURSOR Hand_Cursor() {
  static HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
  return hand;
}

int Shift_State() {
  int mask = 0;
  if (GetKeyState(VK_SHIFT) < 0) mask |= 1;
  if (GetKeyState(VK_CONTROL) < 0) mask |= 2;
  if (GetKeyState(VK_MENU) < 0) mask |= 4;
  return mask;
}

}  // namespace forms
