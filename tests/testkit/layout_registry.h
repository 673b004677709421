#pragma once
// The preloaded keyboard layouts and layout texts of the test prefix's registry as a test wants
// them (the input-method scan reads them); everything as it was when the object goes.
#include <windows.h>

#include <string>
#include <vector>

namespace quillon {

inline const char kPreload[] = "Keyboard Layout\\Preload";
inline const char kLayouts[] = "System\\CurrentControlSet\\Control\\Keyboard Layouts\\";

struct Value {
  std::string name;
  DWORD type;
  std::string data;
};

// The preloaded-layout list and the layout texts as a test wants them; everything as it was
// afterwards.
class Layout_Registry {
 public:
  Layout_Registry() {
    HKEY key;
    had_preload_ = RegOpenKeyExA(HKEY_CURRENT_USER, kPreload, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (had_preload_) {
      for (DWORD i = 0;; ++i) {
        char name[256];
        BYTE data[1024];
        DWORD name_size = sizeof name, data_size = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &name_size, nullptr, &type, data, &data_size) != ERROR_SUCCESS)
          break;
        saved_.push_back({name, type, std::string(reinterpret_cast<char*>(data), data_size)});
      }
      RegCloseKey(key);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, kPreload);
  }
  ~Layout_Registry() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kPreload);
    if (had_preload_) {
      HKEY key;
      RegCreateKeyExA(HKEY_CURRENT_USER, kPreload, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
      for (const Value& v : saved_)
        RegSetValueExA(key, v.name.c_str(), 0, v.type, reinterpret_cast<const BYTE*>(v.data.data()),
                       static_cast<DWORD>(v.data.size()));
      RegCloseKey(key);
    }
    for (const std::string& id : texts_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, (kLayouts + id).c_str());
  }
  void Preload(const std::string& name, const std::string& id) {
    Set(HKEY_CURRENT_USER, kPreload, name, REG_SZ, id);
  }
  void Preload_Number(const std::string& name, DWORD number) {
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, kPreload, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    RegCloseKey(key);
  }
  // A layout text of a test's own method (identifiers the prefix does not know).
  void Text(const std::string& id, const std::string& text) {
    texts_.push_back(id);
    Set(HKEY_LOCAL_MACHINE, kLayouts + id, "layout text", REG_SZ, text);
  }

 private:
  static void Set(HKEY root, const std::string& path, const std::string& name, DWORD type,
                  const std::string& data) {
    HKEY key;
    RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
  }
  bool had_preload_ = false;
  std::vector<Value> saved_;
  std::vector<std::string> texts_;
};

}  // namespace quillon
