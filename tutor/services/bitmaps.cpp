#include "services/bitmaps.h"

#include "services/globals.h"
#include "services/main_window.h"
#include "services/switch_picture.h"

namespace quillon {

bool Copy_Resource_Bitmap(HDC target, const std::string& library_path, const std::string& name) {
  HMODULE library = LoadLibraryA(library_path.c_str());
  if (!library) return false;
  bool drawn = false;
  // Resource names are looked up without regard to case.
  HBITMAP bitmap = LoadBitmapA(library, name.c_str());
  if (bitmap) {
    BITMAP description{};
    GetObjectA(bitmap, sizeof description, &description);
    HDC memory = CreateCompatibleDC(target);
    HGDIOBJ kept = SelectObject(memory, bitmap);
    drawn = BitBlt(target, 0, 0, description.bmWidth, description.bmHeight, memory, 0, 0,
                   SRCCOPY) != FALSE;
    SelectObject(memory, kept);
    DeleteObject(bitmap);
    DeleteDC(memory);
  }
  FreeLibrary(library);
  return drawn;
}

bool Resource_Library_Usable(const std::string& library_path) {
  HMODULE library = LoadLibraryA(library_path.c_str());
  if (!library) return false;
  bool usable = true;
  for (const char* name : kStartupBitmaps)
    if (!FindResourceA(library, name, MAKEINTRESOURCEA(2))) usable = false;  // RT_BITMAP
  FreeLibrary(library);
  return usable;
}

void Load_Resource_Picture_To_PictureBox(forms::Picture_Box& box, const std::string& name) {
  forms::Guarded([&] {
    box.Set_Picture(forms::Picture());
    HDC surface = box.Surface_Dc();
    Copy_Resource_Bitmap(surface, Resource_Library_Path, name);
    box.Refresh_Surface();
  });
}

void Load_Resource_Picture_To_Form(forms::Form& form, const std::string& name) {
  forms::Guarded([&] {
    form.Set_Picture(forms::Picture());
    HDC surface = form.Surface_Dc();
    Copy_Resource_Bitmap(surface, Resource_Library_Path, name);
    form.Refresh_Surface();
  });
}

namespace {

// A picture holding the top-left width x height pixels of a surface.
forms::Picture Snapshot(HDC surface, int width, int height) {
  if (width <= 0 || height <= 0) return forms::Picture();
  HBITMAP copy = CreateCompatibleBitmap(surface, width, height);
  HDC memory = CreateCompatibleDC(surface);
  HGDIOBJ kept = SelectObject(memory, copy);
  BitBlt(memory, 0, 0, width, height, surface, 0, 0, SRCCOPY);
  SelectObject(memory, kept);
  DeleteDC(memory);
  return forms::Picture::From_Bitmap(copy, true);
}

}  // namespace

void Load_Resource_Picture_To_Image(forms::Image& image, const std::string& name) {
  forms::Guarded([&] {
    forms::Picture_Box& temp = Picture_Temp();
    temp.Set_Picture(forms::Picture());
    temp.Move(temp.Left(), temp.Top(), image.Width(), image.Height());
    HDC surface = temp.Surface_Dc();
    Copy_Resource_Bitmap(surface, Resource_Library_Path, name);
    forms::Picture picture = Snapshot(surface, forms::Twips_To_Pixels_X(image.Width()),
                                      forms::Twips_To_Pixels_Y(image.Height()));
    // A sprite drawn on the mask colour lets the picture behind it show through.
    if (picture && GetPixel(surface, 0, 0) == kSprite_Mask_Color)
      picture = picture.With_Mask_Color(kSprite_Mask_Color);
    image.Set_Picture(picture);
  });
}

void Fit_Picture_Temp(forms::Image& image) {
  forms::Picture_Box& temp = Picture_Temp();
  if (temp.Width() != image.Width()) temp.Set_Width(image.Width());
  if (temp.Height() != image.Height()) temp.Set_Height(image.Height());
}

forms::Picture_Box& Picture_Temp() {
  return Main_Window().Get<forms::Picture_Box>("Picture_Temp");
}

void Show_Look(forms::Image& image, const std::string& name) {
  if (image.Tag == name && image.Get_Picture()) return;
  Load_Resource_Picture_To_Image(image, name);
  image.Tag = name;
}

void Clear_Look(forms::Image& image) {
  if (image.Get_Picture()) image.Set_Picture(forms::Picture());
  image.Tag.clear();
}

}  // namespace quillon
