#pragma once

#include <windows.h>

namespace appfw {

// A GDI object owned by its wrapper: deleted with it, or earlier by DeleteObject.
class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject() { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  // Takes ownership of `object` (the one held before is deleted).
  BOOL Attach(HGDIOBJ object) {
    DeleteObject();
    m_hObject = object;
    return object != nullptr;
  }
  HGDIOBJ Detach() {
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
  }
  BOOL DeleteObject() {
    if (!m_hObject) return FALSE;
    BOOL done = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return done;
  }

 protected:
  HGDIOBJ m_hObject = nullptr;
};

class CBitmap : public CGdiObject {
 public:
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CPalette : public CGdiObject {
 public:
  operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }
  BOOL CreatePalette(const LOGPALETTE* description) {
    return Attach(::CreatePalette(description));
  }
};

}  // namespace appfw
