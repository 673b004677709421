#include "capture_logic.h"

#include <cstring>

namespace trhook95 {

void Convert_Rgb565_To_555(WORD* pixels, size_t count) {
  for (size_t i = 0; i < count; ++i) pixels[i] = Rgb565_To_555(pixels[i]);
}

int Dib_Row_Bytes(int bitsPerPixel, int width) {
  if (bitsPerPixel <= 0 || width <= 0) return 0;
  long long bytes = (static_cast<long long>(bitsPerPixel) * width + 7) / 8;
  return static_cast<int>((bytes + 3) / 4 * 4);
}

void Copy_Rows_Turned(const BYTE* from, int fromPitch, BYTE* to, int toStride, int rowBytes,
                      int height) {
  int n = rowBytes < toStride ? rowBytes : toStride;
  if (n > fromPitch) n = fromPitch;
  for (int i = 0; i < height; ++i) {
    BYTE* dst = to + static_cast<size_t>(i) * toStride;
    const BYTE* src = from + static_cast<size_t>(height - 1 - i) * fromPitch;
    std::memcpy(dst, src, n);
    if (n < toStride) std::memset(dst + n, 0, toStride - n);
  }
}

void Palette_To_Colour_Table(const PALETTEENTRY* entries, RGBQUAD* colours, int count) {
  for (int i = 0; i < count; ++i) {
    colours[i].rgbBlue = entries[i].peBlue;
    colours[i].rgbGreen = entries[i].peGreen;
    colours[i].rgbRed = entries[i].peRed;
    colours[i].rgbReserved = 0;
  }
}

void Colour_Table_To_Palette(const RGBQUAD* colours, PALETTEENTRY* entries, int count) {
  for (int i = 0; i < count; ++i) {
    entries[i].peRed = colours[i].rgbRed;
    entries[i].peGreen = colours[i].rgbGreen;
    entries[i].peBlue = colours[i].rgbBlue;
    entries[i].peFlags = 0;
  }
}

BITMAPINFOHEADER Describe_Capture(int width, int height, int bitsPerPixel) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = static_cast<WORD>(bitsPerPixel);
  h.biCompression = BI_RGB;
  return h;
}

bool Is_In_Folder(const char* path, const char* folder) {
  size_t n = std::strlen(folder);
  while (n > 0 && (folder[n - 1] == '\\' || folder[n - 1] == '/')) --n;
  if (n == 0 || std::strlen(path) <= n) return false;
  for (size_t i = 0; i < n; ++i) {
    char a = path[i], b = folder[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return path[n] == '\\' || path[n] == '/';
}

}  // namespace trhook95
