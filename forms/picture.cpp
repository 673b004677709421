#include "forms/picture.h"

#include <ole2.h>
#include <olectl.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <vector>

#include "forms/errors.h"

namespace forms {

Picture::Holder::~Holder() {
  if (own && bitmap) DeleteObject(bitmap);
}

Picture Picture::From_Bitmap(HBITMAP bitmap, bool own) {
  Picture p;
  if (bitmap) {
    p.holder_ = std::make_shared<Holder>();
    p.holder_->bitmap = bitmap;
    p.holder_->own = own;
  }
  return p;
}

Picture Picture::With_Mask_Color(COLORREF color) const {
  Picture p = *this;
  p.mask_ = color;
  return p;
}

int Picture::Width_Pixels() const {
  BITMAP bm{};
  if (!Handle() || !GetObjectA(Handle(), sizeof bm, &bm)) return 0;
  return bm.bmWidth;
}

int Picture::Height_Pixels() const {
  BITMAP bm{};
  if (!Handle() || !GetObjectA(Handle(), sizeof bm, &bm)) return 0;
  return bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
}

Picture Picture::Load_File(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    throw Runtime_Error(53, "File not found");
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".bmp") == 0) {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) throw Runtime_Error(481, "Invalid picture");
    return From_Bitmap(bitmap, true);
  }
  // Other formats through the system's picture decoder.
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.empty()) throw Runtime_Error(481, "Invalid picture");
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) throw Runtime_Error(7, "Out of memory");
  std::copy(bytes.begin(), bytes.end(), static_cast<char*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    throw Runtime_Error(481, "Invalid picture");
  }
  IPicture* picture = nullptr;
  HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(hr) || !picture) throw Runtime_Error(481, "Invalid picture");
  OLE_HANDLE handle = 0;
  short type = 0;
  picture->get_Type(&type);
  picture->get_Handle(&handle);
  HBITMAP copy = nullptr;
  if (type == PICTYPE_BITMAP && handle)
    copy = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                          IMAGE_BITMAP, 0, 0, 0));
  picture->Release();
  if (!copy) throw Runtime_Error(481, "Invalid picture");
  return From_Bitmap(copy, true);
}

}  // namespace forms
