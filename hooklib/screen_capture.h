#pragma once

// The game's DirectDraw screen as the freeze needs it: the primary surface, the 8-bit
// palette, a device-independent picture of the screen that an ordinary window can paint, and
// a raw copy of the screen memory written back when the freeze ends. Everything runs in the
// game's process, in the thread that runs the freeze dialog, through the DirectDraw library
// the game has loaded; none of it runs while the game's other threads are suspended.

#include <windows.h>
#include <ddraw.h>

#include <vector>

#include "appfw/gdi.h"
#include "capture_logic.h"

namespace trhook95 {

// The GDI surface of `dd`, or else the existing surface that is the primary surface; the
// caller releases it. None when there is neither.
IDirectDrawSurface* FindPrimarySurface(IDirectDraw* dd);

// Read or write `count` entries from `first` of the screen's palette (the GDI surface's
// palette object). Only in 8-bit display modes; otherwise, or without a palette, nothing.
void GetDirectDrawPalette(IDirectDraw* dd, int first, int count, PALETTEENTRY* entries);
void SetDirectDrawPalette(IDirectDraw* dd, int first, int count, const PALETTEENTRY* entries);

// The surface stores 16-bit pixels as 5-6-5: white drawn through the surface's device context
// reads back as 0xFFFF. The pixel at (0, 0) is put back.
bool IsRgb565(IDirectDrawSurface* surface);

// The captured screen as a DIB section, with its palette for 8-bit captures.
class CScreenBitmap {
 public:
  virtual ~CScreenBitmap();
  // Captures the game's screen (this process's DirectDraw object). An 8-bit capture clears
  // the screen memory once it is copied (the saved pixels bring it back).
  BOOL Capture();
  // Paints the capture on `dc`: copied unchanged when `rect` has the capture's size, else
  // stretched to the rectangle's size at (0, 0). Always 1.
  BOOL Draw(HDC dc, const RECT& rect);
  bool Captured() const { return m_bitmap.GetSafeHandle() != nullptr; }

  appfw::CPalette m_palette;
  appfw::CBitmap m_bitmap;

 private:
  bool CapturePrimary();
  void BuildBitmapInfo(int height, int width, int bitsPerPixel, int pitch,
                       const PALETTEENTRY* palette);
  bool CopyPixels(const BYTE* surface, int height, bool rgb565);
  BOOL CreateBitmapFromPixels();
  BOOL AttachBitmap(HBITMAP bitmap);
  void Free_Buffers();

  std::vector<BYTE> m_pBits;  // the pixels in bitmap order, until the bitmap is made
  struct Info {
    BITMAPINFOHEADER header;
    RGBQUAD colours[kPaletteSize];
  };
  std::vector<Info> m_pInfo;  // one description while m_pBits exists
  int m_nStride = 0;          // bytes per row of m_pBits
  int m_nPitch = 0;           // bytes per row of the game's surface
};

// A raw copy of the screen memory, taken when the freeze starts and written back at its end.
class CSurfaceSaver {
 public:
  virtual ~CSurfaceSaver() = default;
  // 1 when the game's DirectDraw object was found.
  BOOL SavePixels(DWORD pid);
  BOOL RestorePixels(DWORD pid);

 private:
  std::vector<BYTE> m_pSavedPixels;
  LONG m_nSavedPitch = 0;
  DWORD m_nSavedHeight = 0;
};

}  // namespace trhook95
