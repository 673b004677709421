// The main window's image list: the games' sprite frames are built into the tutor, each at the
// size of the image it animates, drawn (not a flat fill), and a sprite that moves over a picture
// leaves its background out.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "services/switch_picture.h"

namespace {

using quillon::Switch_Picture;
using quillon::Switch_Picture_Index;

struct Expected_Frame {
  int index;
  int width;
  int height;
  bool sprite;  // shown over a picture: carries the mask colour
};

const Expected_Frame kFrames[] = {
    {1, 34, 37, true},  {2, 34, 37, true},  {3, 38, 38, true},   {4, 38, 38, true},
    {5, 52, 41, true},  {6, 52, 41, true},  {7, 52, 41, true},   {8, 52, 41, true},
    {9, 52, 41, true},  {12, 32, 35, true}, {13, 32, 35, true},  {14, 32, 35, true},
    {15, 32, 35, true}, {16, 37, 35, true}, {17, 37, 35, true},  {18, 159, 45, false},
    {19, 159, 45, false},
};

// The picture's pixels as 0xRRGGBB values, top row first.
std::vector<unsigned> Pixels(const forms::Picture& picture) {
  int w = picture.Width_Pixels(), h = picture.Height_Pixels();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<unsigned> pixels(static_cast<size_t>(w) * h);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, picture.Handle(), 0, h, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  for (unsigned& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

TEST(Switch_Picture, EveryFrameIsDrawnAtItsImagesSize) {
  for (const auto& e : kFrames) {
    forms::Picture picture = Switch_Picture(e.index);
    ASSERT_FALSE(picture.Empty()) << e.index;
    EXPECT_EQ(picture.Width_Pixels(), e.width) << e.index;
    EXPECT_EQ(picture.Height_Pixels(), e.height) << e.index;
    std::vector<unsigned> pixels = Pixels(picture);
    std::set<unsigned> colours(pixels.begin(), pixels.end());
    EXPECT_GE(colours.size(), 12u) << e.index;
    const unsigned mask = 0xFF00FF;
    size_t masked = static_cast<size_t>(std::count(pixels.begin(), pixels.end(), mask));
    if (e.sprite) {
      EXPECT_TRUE(picture.Has_Mask_Color()) << e.index;
      EXPECT_EQ(picture.Mask_Color(), quillon::kSprite_Mask_Color) << e.index;
      // The figure stands on the mask: its corners are background, and it fills a good part.
      const size_t w = e.width;
      for (size_t corner : {size_t{0}, w - 1, pixels.size() - w, pixels.size() - 1})
        EXPECT_EQ(pixels[corner], mask) << e.index << " at " << corner;
      EXPECT_GT(masked, pixels.size() / 4) << e.index;
      EXPECT_LT(masked, pixels.size() * 9 / 10) << e.index;
    } else {
      EXPECT_FALSE(picture.Has_Mask_Color()) << e.index;
      EXPECT_EQ(masked, 0u) << e.index;
    }
  }
}

TEST(Switch_Picture, OtherIndexesGiveNoPicture) {
  for (int index : {-1, 0, 10, 11, 20, 100}) {
    EXPECT_TRUE(Switch_Picture(index).Empty()) << index;
  }
}

// A game tells which frame an image shows by its picture: each index keeps one picture, and the
// two frames of each figure differ.
TEST(Switch_Picture, FramesAreKeptAndTellTheirIndex) {
  for (const auto& e : kFrames) {
    EXPECT_EQ(Switch_Picture(e.index).Handle(), Switch_Picture(e.index).Handle()) << e.index;
    EXPECT_EQ(Switch_Picture_Index(Switch_Picture(e.index)), e.index);
  }
  EXPECT_EQ(Switch_Picture_Index(forms::Picture()), 0);
  for (int first : {1, 3, 5, 7, 12, 14, 16, 18})
    EXPECT_NE(Pixels(Switch_Picture(first)), Pixels(Switch_Picture(first + 1))) << first;
  EXPECT_NE(Pixels(Switch_Picture(5)), Pixels(Switch_Picture(9)));
}

}  // namespace
