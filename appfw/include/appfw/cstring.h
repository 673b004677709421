#pragma once

#include <windows.h>

#include <string>

namespace appfw {

// The framework's text string: ANSI (code page 936) text that converts to LPCSTR.
class CString {
 public:
  CString() = default;
  CString(const char* text) : s_(text ? text : "") {}  // NOLINT: converts like the original
  CString(const std::string& text) : s_(text) {}       // NOLINT

  operator LPCSTR() const { return s_.c_str(); }  // NOLINT
  int GetLength() const { return static_cast<int>(s_.size()); }
  bool IsEmpty() const { return s_.empty(); }
  void Empty() { s_.clear(); }
  const std::string& str() const { return s_; }
  // Loads string `id` of the resource module's string table; FALSE (and empty) when missing.
  BOOL LoadString(UINT id);

  CString& operator=(const char* text) {
    s_ = text ? text : "";
    return *this;
  }
  CString& operator+=(const CString& other) {
    s_ += other.s_;
    return *this;
  }
  friend CString operator+(CString a, const CString& b) { return a += b; }
  friend bool operator==(const CString& a, const CString& b) { return a.s_ == b.s_; }

 private:
  std::string s_;
};

}  // namespace appfw
