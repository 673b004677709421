#pragma once
// Named bitmaps: every picture of the tutor is a bitmap resource of the resource library
// (Resource_Library_Path), found by its short name in any letter case and copied at its own size
// to the top-left corner of its target. A missing library or name leaves the target cleared.

#include <string>

#include "forms/forms.h"

namespace quillon {

void Load_Resource_Picture_To_PictureBox(forms::Picture_Box& box, const std::string& name);
// An image whose bitmap has the sprite mask colour (services/switch_picture.h) at its top-left
// pixel shows that colour as transparent.
void Load_Resource_Picture_To_Image(forms::Image& image, const std::string& name);
// A picture button's look by name: drawn only when the image shows another one, so that a
// pointer moving over the button does not make it flicker (the image's Tag remembers the look).
void Show_Look(forms::Image& image, const std::string& name);
// Takes the look off: the image shows nothing (the panel behind it).
void Clear_Look(forms::Image& image);
void Load_Resource_Picture_To_Form(forms::Form& form, const std::string& name);
// Gives Picture_Temp the image's width and height (only the dimensions that differ).
void Fit_Picture_Temp(forms::Image& image);

// The main window's hidden scratch picture box.
forms::Picture_Box& Picture_Temp();

// Copies the named bitmap of the library at `library_path` to (0, 0) of `target`. Returns false
// when the library or the name is missing (nothing is drawn then).
bool Copy_Resource_Bitmap(HDC target, const std::string& library_path, const std::string& name);

// The bitmaps the start-up draws before the user can do anything: the splash and the main
// window's skin.
inline const char* const kStartupBitmaps[] = {"qd", "myjm", "jmhui", "LarkmoorNet2"};
// True when the library at `library_path` loads as the pictures are loaded and holds every one of
// kStartupBitmaps; false for a library that does not load (an empty file, another architecture's
// or a damaged one) or that lacks one of them (another library in its place).
bool Resource_Library_Usable(const std::string& library_path);

}  // namespace quillon
