#pragma once
// The main window's image list ImageList_Switch_Picture: the games' sprite frames. They are the
// tutor's own art, drawn by the art kit when the tutor is built and compiled into it (not read
// from the resource library).

#include <windows.h>

#include "forms/picture.h"

namespace quillon {

// The background of a sprite that moves over a picture: left out where the sprite is shown. The
// frames below carry it as their mask colour, and so does a named bitmap loaded into an image
// whose top-left pixel has this colour (Load_Resource_Picture_To_Image).
constexpr COLORREF kSprite_Mask_Color = RGB(255, 0, 255);

// Image `index` (1-based) of the list:
//   1, 2   the piglet of the balloon game (34 x 37 pixels)
//   3, 4   a wolf (38 x 38)
//   5, 6   the running police; 7, 8 the running thief; 9 the police after a won game (52 x 41)
//   12, 13 a frog on a boat; 14, 15 a frog that has crossed (32 x 35)
//   16, 17 the frog on the far-bank board (37 x 35)
//   18, 19 the frog on the start point of the near bank (159 x 45, the whole start point)
// 10, 11 and any other index give an empty picture (the hand cursor, image 11, is
// forms::Hand_Cursor()). Each index gives the same picture every time, so comparing an image's
// picture with Switch_Picture(i) tells whether it shows image i.
forms::Picture Switch_Picture(int index);

// The index of the image a picture is, 0 when it is none of them (an empty picture included).
int Switch_Picture_Index(const forms::Picture& picture);

}  // namespace quillon
