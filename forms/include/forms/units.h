#pragma once
// Screen metrics and twips. Every position and size the tutor's windows and controls are designed
// in is in twips (1/1440 inch; 15 to a pixel at the normal 96-dpi display setting).

#include <windows.h>

namespace forms {

int Twips_Per_Pixel_X();  // 1440 / horizontal dots per inch (15 at 96 dpi)
int Twips_Per_Pixel_Y();

int Twips_To_Pixels_X(int twips);  // rounded to the nearest pixel
int Twips_To_Pixels_Y(int twips);
int Pixels_To_Twips_X(int pixels);
int Pixels_To_Twips_Y(int pixels);

int Screen_Width();   // the screen in twips
int Screen_Height();
int Screen_Bits_Per_Pixel();

// The hand-shaped pointer (IDC_HAND), shared; never destroy it.
HCURSOR Hand_Cursor();

// Shift mask of the keys held now: 1 Shift, 2 Ctrl, 4 Alt.
int Shift_State();

}  // namespace forms
