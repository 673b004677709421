#include "picture.h"

#include <vector>

BOOL CDibPicture::Load(HINSTANCE module, LPCSTR name) {
  Free();
  bitmap_ = static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap_) return FALSE;
  DIBSECTION ds{};
  if (GetObjectA(bitmap_, sizeof ds, &ds) != sizeof ds) {
    BITMAP bm{};
    GetObjectA(bitmap_, sizeof bm, &bm);
    width_ = bm.bmWidth;
    height_ = bm.bmHeight;
    palette_ = CreateHalftonePalette(nullptr);
    return TRUE;
  }
  width_ = ds.dsBm.bmWidth;
  height_ = ds.dsBm.bmHeight;
  int bits = ds.dsBmih.biBitCount;
  colours_ = static_cast<int>(ds.dsBmih.biClrUsed);
  if (colours_ == 0 && bits <= 8) colours_ = 1 << bits;
  if (bits <= 8 && colours_ > 0 && colours_ <= 256) {
    std::vector<RGBQUAD> table(static_cast<size_t>(colours_));
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, bitmap_);
    UINT got = GetDIBColorTable(mem, 0, static_cast<UINT>(colours_), table.data());
    SelectObject(mem, old);
    DeleteDC(mem);
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256);
    auto* lp = reinterpret_cast<LOGPALETTE*>(buffer.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = static_cast<WORD>(got);
    for (UINT i = 0; i < got; ++i) {
      lp->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    }
    if (got > 0) palette_ = CreatePalette(lp);
  }
  if (!palette_) palette_ = CreateHalftonePalette(nullptr);
  return TRUE;
}

void CDibPicture::Free() {
  if (bitmap_) DeleteObject(bitmap_);
  if (palette_) DeleteObject(palette_);
  bitmap_ = nullptr;
  palette_ = nullptr;
  width_ = height_ = colours_ = 0;
}

HPALETTE CDibPicture::Use_Palette(HDC dc) const {
  if (!palette_ || !(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)) return nullptr;
  HPALETTE old = SelectPalette(dc, palette_, FALSE);
  RealizePalette(dc);
  return old;
}

void CDibPicture::Draw(HDC dc, int x, int y) const {
  if (!bitmap_) return;
  HPALETTE oldPalette = Use_Palette(dc);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, bitmap_);
  BitBlt(dc, x, y, width_, height_, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  if (oldPalette) SelectPalette(dc, oldPalette, FALSE);
}
