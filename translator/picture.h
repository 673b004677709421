#pragma once

#include <windows.h>

// A bitmap resource loaded as a device-independent section, with a palette for it: made
// from its colour table when it has at most 256 colours, a halftone palette otherwise.
class CDibPicture {
 public:
  CDibPicture() = default;
  ~CDibPicture() { Free(); }
  CDibPicture(const CDibPicture&) = delete;
  CDibPicture& operator=(const CDibPicture&) = delete;

  // FALSE (and no picture) when the bitmap cannot be loaded.
  BOOL Load(HINSTANCE module, LPCSTR name);
  void Free();

  // Copies the picture to (x, y) of dc; on a palette device the palette is selected and
  // realised first.
  void Draw(HDC dc, int x, int y) const;
  // Selects and realises the palette on a palette device; returns the previous palette.
  HPALETTE Use_Palette(HDC dc) const;

  bool Empty() const { return bitmap_ == nullptr; }
  HBITMAP Bitmap() const { return bitmap_; }
  HPALETTE Palette() const { return palette_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Colour_Count() const { return colours_; }

 private:
  HBITMAP bitmap_ = nullptr;
  HPALETTE palette_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int colours_ = 0;
};
