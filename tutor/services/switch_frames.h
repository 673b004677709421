#pragma once
// The sprite frames as the art kit draws them at build time (the generated switch_frames.cpp):
// pixels top row first, three bytes a pixel in blue, green, red order.

namespace quillon {

struct Switch_Frame {
  int index;  // 1-based image number of the main window's image list
  int width;
  int height;
  const unsigned char* bgr;
};

extern const Switch_Frame kSwitch_Frames[];
extern const int kSwitch_Frame_Count;
// Red, green and blue of the frames' background colour.
extern const unsigned char kSwitch_Frame_Mask[3];

}  // namespace quillon
