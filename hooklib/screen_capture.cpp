#include "screen_capture.h"

#include <cstring>
#include <new>

#include "ddraw_watch.h"

namespace trhook95 {

namespace {

template <typename T>
void Release(T*& p) {
  if (p) p->Release();
  p = nullptr;
}

DDSURFACEDESC Blank_Description() {
  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  return desc;
}

bool Read_Display_Mode(IDirectDraw* dd, DDSURFACEDESC* mode) {
  *mode = Blank_Description();
  return SUCCEEDED(dd->GetDisplayMode(mode));
}

// Locks the whole surface, waiting while it is busy. A surface lost while another program had
// the screen is restored first.
bool Lock_Whole(IDirectDrawSurface* surface, DDSURFACEDESC* desc) {
  *desc = Blank_Description();
  HRESULT hr = surface->Lock(nullptr, desc, DDLOCK_WAIT, nullptr);
  if (hr == DDERR_SURFACELOST && SUCCEEDED(surface->Restore())) {
    *desc = Blank_Description();
    hr = surface->Lock(nullptr, desc, DDLOCK_WAIT, nullptr);
  }
  return SUCCEEDED(hr) && desc->lpSurface;
}

HRESULT WINAPI Take_Primary(IDirectDrawSurface* surface, DDSURFACEDESC* desc, void* context) {
  if (desc->ddsCaps.dwCaps & DDSCAPS_PRIMARYSURFACE) {
    *static_cast<IDirectDrawSurface**>(context) = surface;
    return DDENUMRET_CANCEL;
  }
  surface->Release();
  return DDENUMRET_OK;
}

// The palette of the screen where the surface has no palette object: the display's system
// palette where the display keeps one, else the halftone palette the system gives a screen.
void Read_System_Palette(PALETTEENTRY* entries) {
  std::memset(entries, 0, sizeof(PALETTEENTRY) * kPaletteSize);
  HDC screen = GetDC(nullptr);
  if (!screen) return;
  if (GetSystemPaletteEntries(screen, 0, kPaletteSize, entries) < kPaletteSize) {
    if (HPALETTE halftone = CreateHalftonePalette(screen)) {
      GetPaletteEntries(halftone, 0, kPaletteSize, entries);
      DeleteObject(halftone);
    }
  }
  ReleaseDC(nullptr, screen);
}

// The GDI surface's palette in an 8-bit display mode, or none.
IDirectDrawPalette* Screen_Palette(IDirectDraw* dd, int first, int count, const void* entries) {
  if (!dd || first < 0 || count <= 0 || first + count > kPaletteSize) return nullptr;
  if (!entries || IsBadReadPtr(entries, sizeof(PALETTEENTRY) * count)) return nullptr;
  DDSURFACEDESC mode;
  if (!Read_Display_Mode(dd, &mode) || mode.ddpfPixelFormat.dwRGBBitCount != 8) return nullptr;
  IDirectDrawSurface* gdi = nullptr;
  if (FAILED(dd->GetGDISurface(&gdi)) || !gdi) return nullptr;
  IDirectDrawPalette* palette = nullptr;
  if (FAILED(gdi->GetPalette(&palette))) palette = nullptr;
  gdi->Release();
  return palette;
}

}  // namespace

IDirectDrawSurface* FindPrimarySurface(IDirectDraw* dd) {
  if (!dd) return nullptr;
  IDirectDrawSurface* surface = nullptr;
  if (SUCCEEDED(dd->GetGDISurface(&surface)) && surface) return surface;
  surface = nullptr;
  DDSURFACEDESC desc = Blank_Description();
  desc.dwFlags = DDSD_CAPS;
  HRESULT hr = dd->EnumSurfaces(DDENUMSURFACES_DOESEXIST | DDENUMSURFACES_NOMATCH, &desc,
                                &surface, Take_Primary);
  if (FAILED(hr)) Release(surface);
  return surface;
}

void GetDirectDrawPalette(IDirectDraw* dd, int first, int count, PALETTEENTRY* entries) {
  if (entries && IsBadWritePtr(entries, sizeof(PALETTEENTRY) * (count > 0 ? count : 0))) return;
  if (IDirectDrawPalette* palette = Screen_Palette(dd, first, count, entries)) {
    palette->GetEntries(0, first, count, entries);
    palette->Release();
  }
}

void SetDirectDrawPalette(IDirectDraw* dd, int first, int count, const PALETTEENTRY* entries) {
  if (IDirectDrawPalette* palette = Screen_Palette(dd, first, count, entries)) {
    palette->SetEntries(0, first, count, const_cast<PALETTEENTRY*>(entries));
    palette->Release();
  }
}

bool IsRgb565(IDirectDrawSurface* surface) {
  HDC dc = nullptr;
  if (FAILED(surface->GetDC(&dc)) || !dc) return false;
  COLORREF kept = GetPixel(dc, 0, 0);
  SetPixel(dc, 0, 0, RGB(255, 255, 255));
  surface->ReleaseDC(dc);
  bool rgb565 = false;
  DDSURFACEDESC desc;
  if (Lock_Whole(surface, &desc)) {
    rgb565 = *static_cast<const WORD*>(desc.lpSurface) == 0xFFFF;
    surface->Unlock(nullptr);
  }
  if (SUCCEEDED(surface->GetDC(&dc)) && dc) {
    SetPixel(dc, 0, 0, kept);
    surface->ReleaseDC(dc);
  }
  return rgb565;
}

// --- CScreenBitmap ----------------------------------------------------------------------------

CScreenBitmap::~CScreenBitmap() = default;

BOOL CScreenBitmap::Capture() {
  m_bitmap.DeleteObject();
  m_palette.DeleteObject();
  if (!CapturePrimary()) return FALSE;
  return CreateBitmapFromPixels();
}

bool CScreenBitmap::CapturePrimary() {
  CDDrawFinder finder;
  IDirectDraw* dd = finder.FindGameDirectDraw(GetCurrentProcessId());
  if (!dd) return false;
  DDSURFACEDESC mode;
  if (!Read_Display_Mode(dd, &mode)) return false;
  IDirectDrawSurface* surface = FindPrimarySurface(dd);
  if (!surface) return false;
  const int modeBits = static_cast<int>(mode.ddpfPixelFormat.dwRGBBitCount);

  PALETTEENTRY palette[kPaletteSize] = {};
  if (modeBits == 8) {
    IDirectDrawPalette* own = nullptr;
    if (SUCCEEDED(surface->GetPalette(&own)) && own) {
      own->GetEntries(0, 0, kPaletteSize, palette);
      own->Release();
    } else {
      Read_System_Palette(palette);
    }
  }
  DDSURFACEDESC desc = Blank_Description();
  if (FAILED(surface->GetSurfaceDesc(&desc))) {
    surface->Release();
    return false;
  }
  const int bits = static_cast<int>(desc.ddpfPixelFormat.dwRGBBitCount);
  const bool rgb565 = bits == 16 && IsRgb565(surface);
  DDSURFACEDESC locked;
  if (!Lock_Whole(surface, &locked)) {
    surface->Release();
    return false;
  }
  // The lock tells the memory as it is now: its rows, pitch and size.
  const int width = static_cast<int>(locked.dwWidth ? locked.dwWidth : desc.dwWidth);
  const int height = static_cast<int>(locked.dwHeight ? locked.dwHeight : desc.dwHeight);
  const int pitch = static_cast<int>(locked.lPitch);
  bool copied = false;
  if (width > 0 && height > 0 && pitch > 0 && bits > 0) {
    BuildBitmapInfo(height, width, bits, pitch, palette);
    copied = CopyPixels(static_cast<const BYTE*>(locked.lpSurface), height, rgb565);
    if (copied && bits <= 8)
      std::memset(locked.lpSurface, 0, static_cast<size_t>(height) * pitch);
  }
  surface->Unlock(nullptr);
  surface->Release();
  if (!copied) Free_Buffers();
  return copied;
}

void CScreenBitmap::BuildBitmapInfo(int height, int width, int bitsPerPixel, int pitch,
                                    const PALETTEENTRY* palette) {
  m_pInfo.assign(1, Info{});
  Info& info = m_pInfo.front();
  info.header = Describe_Capture(width, height, bitsPerPixel);
  m_nPitch = pitch;
  // Every depth: the row size the bitmap declares, whatever the surface's pitch.
  m_nStride = Dib_Row_Bytes(bitsPerPixel, width);
  if (bitsPerPixel == 8) Palette_To_Colour_Table(palette, info.colours, kPaletteSize);
}

bool CScreenBitmap::CopyPixels(const BYTE* surface, int height, bool rgb565) {
  const BITMAPINFOHEADER& header = m_pInfo.front().header;
  const int rowBytes = (header.biBitCount * header.biWidth + 7) / 8;
  const size_t size = static_cast<size_t>(height) * m_nPitch;
  std::vector<BYTE> temporary;
  try {
    temporary.assign(surface, surface + size);
    m_pBits.assign(static_cast<size_t>(height) * m_nStride, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (rgb565)
    Convert_Rgb565_To_555(reinterpret_cast<WORD*>(temporary.data()), size / sizeof(WORD));
  Copy_Rows_Turned(temporary.data(), m_nPitch, m_pBits.data(), m_nStride, rowBytes, height);
  return true;
}

void CScreenBitmap::Free_Buffers() {
  std::vector<BYTE>().swap(m_pBits);
  std::vector<Info>().swap(m_pInfo);
}

BOOL CScreenBitmap::CreateBitmapFromPixels() {
  if (m_pBits.empty() || m_pInfo.empty()) {
    Free_Buffers();
    return FALSE;
  }
  auto* info = reinterpret_cast<BITMAPINFO*>(&m_pInfo.front());
  const int height = info->bmiHeader.biHeight;
  BOOL done = FALSE;
  HDC memory = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap = memory ? CreateDIBSection(memory, info, DIB_RGB_COLORS, &bits, nullptr, 0)
                          : nullptr;
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (SetDIBits(memory, bitmap, 0, height, m_pBits.data(), info, DIB_RGB_COLORS) == height) {
      GdiFlush();
      done = TRUE;
    }
    SelectObject(memory, old);
  }
  if (memory) DeleteDC(memory);
  Free_Buffers();
  if (!done) {
    if (bitmap) DeleteObject(bitmap);
    return FALSE;
  }
  return AttachBitmap(bitmap);
}

BOOL CScreenBitmap::AttachBitmap(HBITMAP bitmap) {
  m_bitmap.Attach(bitmap);
  DIBSECTION section{};
  if (GetObjectA(bitmap, sizeof section, &section) != sizeof section) return TRUE;
  const int bits = section.dsBmih.biBitCount;
  if (bits > 8) return TRUE;
  int colours = section.dsBmih.biClrUsed ? static_cast<int>(section.dsBmih.biClrUsed) : 1 << bits;
  if (colours > kPaletteSize) colours = kPaletteSize;
  RGBQUAD table[kPaletteSize] = {};
  HDC memory = CreateCompatibleDC(nullptr);
  if (!memory) return TRUE;
  HGDIOBJ old = SelectObject(memory, bitmap);
  colours = static_cast<int>(GetDIBColorTable(memory, 0, colours, table));
  SelectObject(memory, old);
  DeleteDC(memory);
  struct {
    WORD version;
    WORD count;
    PALETTEENTRY entries[kPaletteSize];
  } description{0x300, static_cast<WORD>(colours), {}};
  Colour_Table_To_Palette(table, description.entries, colours);
  if (colours > 0) m_palette.CreatePalette(reinterpret_cast<const LOGPALETTE*>(&description));
  return TRUE;
}

BOOL CScreenBitmap::Draw(HDC dc, const RECT& rect) {
  HBITMAP bitmap = m_bitmap;
  if (!dc || !bitmap) return TRUE;
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) return TRUE;
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  HPALETTE oldPalette = nullptr, oldMemoryPalette = nullptr;
  const bool usePalette =
      (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) && m_palette.GetSafeHandle();
  if (usePalette) {
    oldPalette = SelectPalette(dc, m_palette, FALSE);
    RealizePalette(dc);
    oldMemoryPalette = SelectPalette(memory, m_palette, FALSE);
  }
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width == info.bmWidth && height == info.bmHeight) {
    BitBlt(dc, 0, 0, width, height, memory, rect.left, rect.top, SRCCOPY);
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, width, height, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  }
  if (usePalette) {
    SelectPalette(memory, oldMemoryPalette, FALSE);
    SelectPalette(dc, oldPalette, FALSE);
  }
  SelectObject(memory, oldBitmap);
  DeleteDC(memory);
  return TRUE;
}

// --- CSurfaceSaver ------------------------------------------------------------------------------

BOOL CSurfaceSaver::SavePixels(DWORD pid) {
  CDDrawFinder finder;
  IDirectDraw* dd = finder.FindGameDirectDraw(pid);
  if (!dd) return FALSE;
  DDSURFACEDESC mode;
  if (!Read_Display_Mode(dd, &mode)) return TRUE;
  IDirectDrawSurface* gdi = nullptr;
  if (FAILED(dd->GetGDISurface(&gdi)) || !gdi) return TRUE;
  DDSURFACEDESC locked;
  if (Lock_Whole(gdi, &locked)) {
    // Sized from the locked memory itself: its rows and its pitch.
    const size_t size = static_cast<size_t>(locked.dwHeight) * locked.lPitch;
    const BYTE* memory = static_cast<const BYTE*>(locked.lpSurface);
    try {
      m_pSavedPixels.assign(memory, memory + size);
      m_nSavedPitch = locked.lPitch;
      m_nSavedHeight = locked.dwHeight;
    } catch (const std::bad_alloc&) {
      std::vector<BYTE>().swap(m_pSavedPixels);
    }
    gdi->Unlock(nullptr);
  }
  gdi->Release();
  return TRUE;
}

BOOL CSurfaceSaver::RestorePixels(DWORD pid) {
  CDDrawFinder finder;
  IDirectDraw* dd = finder.FindGameDirectDraw(pid);
  if (!dd) return FALSE;
  DDSURFACEDESC mode;
  if (!Read_Display_Mode(dd, &mode)) return TRUE;
  IDirectDrawSurface* surface = FindPrimarySurface(dd);
  if (!surface) return TRUE;
  DDSURFACEDESC locked;
  if (Lock_Whole(surface, &locked)) {
    // Only a copy of the same memory shape goes back: a mode changed meanwhile keeps its own.
    if (!m_pSavedPixels.empty() && locked.lPitch == m_nSavedPitch &&
        locked.dwHeight == m_nSavedHeight)
      std::memcpy(locked.lpSurface, m_pSavedPixels.data(), m_pSavedPixels.size());
    surface->Unlock(nullptr);
  }
  surface->Release();
  return TRUE;
}

}  // namespace trhook95
