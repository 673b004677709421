#include "services/switch_picture.h"

#include <array>
#include <cstring>

#include "services/switch_frames.h"

namespace quillon {

namespace {

constexpr int kImage_Count = 19;

// Makes a device-independent bitmap of the frame (24 bits a pixel, top row first).
HBITMAP Make_Bitmap(const Switch_Frame& frame) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = frame.width;
  info.bmiHeader.biHeight = -frame.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) return bitmap;
  const int row_bytes = frame.width * 3;
  const int stride = (row_bytes + 3) & ~3;
  for (int y = 0; y < frame.height; ++y)
    std::memcpy(static_cast<unsigned char*>(bits) + y * stride, frame.bgr + y * row_bytes, row_bytes);
  GdiFlush();
  return bitmap;
}

bool Starts_With_Mask(const Switch_Frame& frame) {
  return frame.bgr[0] == kSwitch_Frame_Mask[2] && frame.bgr[1] == kSwitch_Frame_Mask[1] &&
         frame.bgr[2] == kSwitch_Frame_Mask[0];
}

// The list, made on first use; every index keeps its one picture for the run.
std::array<forms::Picture, kImage_Count + 1>& Images() {
  static std::array<forms::Picture, kImage_Count + 1> images = [] {
    std::array<forms::Picture, kImage_Count + 1> made;
    for (int i = 0; i < kSwitch_Frame_Count; ++i) {
      const Switch_Frame& frame = kSwitch_Frames[i];
      if (frame.index < 1 || frame.index > kImage_Count) continue;
      forms::Picture picture = forms::Picture::From_Bitmap(Make_Bitmap(frame));
      if (picture && Starts_With_Mask(frame))
        picture = picture.With_Mask_Color(kSprite_Mask_Color);
      made[frame.index] = picture;
    }
    return made;
  }();
  return images;
}

}  // namespace

forms::Picture Switch_Picture(int index) {
  if (index < 1 || index > kImage_Count) return forms::Picture();
  return Images()[index];
}

int Switch_Picture_Index(const forms::Picture& picture) {
  if (!picture) return 0;
  auto& images = Images();
  for (int i = 1; i <= kImage_Count; ++i)
    if (images[i].Handle() == picture.Handle()) return i;
  return 0;
}

}  // namespace quillon
