#pragma once

// The freeze's pure arithmetic, free of windows, DirectDraw and threads: pixel and colour-table
// conversions, row sizes and row copies of the screen capture, the bitmap description, the
// cursor display count and the recognition of the freeze dialog's thread. Nothing here
// allocates.

#include <windows.h>

#include <cstddef>

namespace trhook95 {

constexpr int kPaletteSize = 256;

// A 5-6-5 pixel as 5-5-5: red and the upper five green bits move down one bit, the lowest
// green bit is dropped, blue stays, the top bit is 0.
constexpr WORD Rgb565_To_555(WORD pixel) {
  return static_cast<WORD>(((pixel >> 1) & 0x7FE0) | (pixel & 0x001F));
}
// Converts `count` 16-bit pixels in place.
void Convert_Rgb565_To_555(WORD* pixels, size_t count);

// Bytes of one bitmap row: bits per pixel times width, rounded up to whole bytes and then to
// a multiple of 4 (the row size a device-independent bitmap declares at every depth).
int Dib_Row_Bytes(int bitsPerPixel, int width);

// Copies `height` rows turned over: row i of `to` (at i * toStride, `rowBytes` bytes) is row
// height - 1 - i of `from` (at that row times fromPitch). The rest of each `to` row is zeroed.
void Copy_Rows_Turned(const BYTE* from, int fromPitch, BYTE* to, int toStride, int rowBytes,
                      int height);

// DirectDraw palette entries (red, green, blue, flags) as bitmap colour entries (blue, green,
// red, 0).
void Palette_To_Colour_Table(const PALETTEENTRY* entries, RGBQUAD* colours, int count);
// Bitmap colour entries as logical palette entries (red, green, blue, flags 0).
void Colour_Table_To_Palette(const RGBQUAD* colours, PALETTEENTRY* entries, int count);

// The description of a capture: a bottom-up, uncompressed bitmap of the surface's size and
// depth (a positive height), one plane, every other field 0.
BITMAPINFOHEADER Describe_Capture(int width, int height, int bitsPerPixel);

// The cursor's display count. ShowCursor changes it by one and returns the new count.
// Making the cursor visible: the count it had before is the count after showing it once minus
// one; it is shown until the count is 0 or above.
constexpr int Count_Before_Show(int countAfterShow) { return countAfterShow - 1; }
// Steps to bring the count back to `saved`, the count now being `now`: positive means show
// that many times, negative hide that many times.
constexpr int Cursor_Steps(int now, int saved) { return saved - now; }

// The worker suspends the freeze dialog's thread 30 times first (the 30th suspension reports
// `dialogCount`); a candidate handle whose one suspension then reports dialogCount + 1 stands
// for the dialog thread too.
constexpr DWORD kDialogSuspensions = 30;
constexpr bool Is_Dialog_Thread(DWORD dialogCount, DWORD candidateCount) {
  return candidateCount == dialogCount + 1;
}
// A suspension that failed (-1) reports no count a thread can have.
constexpr bool Suspension_Failed(DWORD previousCount) {
  return previousCount == static_cast<DWORD>(-1);
}

// The file lies in the folder or below it (names compared without regard to ASCII case; a
// trailing backslash of the folder does not matter).
bool Is_In_Folder(const char* path, const char* folder);

}  // namespace trhook95
