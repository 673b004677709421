#pragma once
// A picture: a device-independent handle to a GDI bitmap, shared by value.

#include <windows.h>

#include <memory>
#include <string>

namespace forms {

class Picture {
 public:
  Picture() = default;
  // Wraps a bitmap; with own the bitmap is deleted when the last copy goes.
  static Picture From_Bitmap(HBITMAP bitmap, bool own = true);
  // A .bmp, .jpg or .gif file; throws Runtime_Error 481 "Invalid picture" / 53 "File not found".
  static Picture Load_File(const std::string& path);

  HBITMAP Handle() const { return holder_ ? holder_->bitmap : nullptr; }
  bool Empty() const { return Handle() == nullptr; }
  int Width_Pixels() const;
  int Height_Pixels() const;
  explicit operator bool() const { return !Empty(); }

  // The same bitmap shown with `color` left out (a sprite over a picture); CLR_INVALID: none.
  Picture With_Mask_Color(COLORREF color) const;
  COLORREF Mask_Color() const { return mask_; }
  bool Has_Mask_Color() const { return mask_ != CLR_INVALID; }

 private:
  struct Holder {
    HBITMAP bitmap = nullptr;
    bool own = false;
    ~Holder();
  };
  std::shared_ptr<Holder> holder_;
  COLORREF mask_ = CLR_INVALID;
};

}  // namespace forms
