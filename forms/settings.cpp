#include "forms/settings.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "forms/errors.h"

namespace forms {

namespace {

constexpr const char* Order_Value = ":order";

std::string Section_Path(const std::string& application, const std::string& section) {
  return Settings_Key_Path(application) + "\\" + section;
}

void Check_Names(const std::string& application, const std::string& section) {
  if (application.empty() || section.empty())
    throw Runtime_Error(5, "Invalid procedure call or argument");
}

class Key {
 public:
  Key() = default;
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  bool Open(const std::string& path, REGSAM access) {
    return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &key_) == ERROR_SUCCESS;
  }
  bool Create(const std::string& path) {
    return RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_READ | KEY_WRITE, nullptr, &key_, nullptr) == ERROR_SUCCESS;
  }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

bool Read_String(HKEY key, const std::string& name, std::string& out) {
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::string buffer(size + 1, '\0');
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
    return false;
  buffer.resize(size);
  while (!buffer.empty() && buffer.back() == '\0') buffer.pop_back();
  out = buffer;
  return true;
}

std::vector<std::string> Read_Order(HKEY key) {
  std::vector<std::string> names;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key, Order_Value, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_MULTI_SZ)
    return names;
  std::string buffer(size + 2, '\0');
  if (RegQueryValueExA(key, Order_Value, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                       &size) != ERROR_SUCCESS)
    return names;
  size_t at = 0;
  while (at < size) {
    size_t end = buffer.find('\0', at);
    if (end == std::string::npos || end == at) break;
    names.push_back(buffer.substr(at, end - at));
    at = end + 1;
  }
  return names;
}

bool Write_Order(HKEY key, const std::vector<std::string>& names) {
  std::string buffer;
  for (const auto& n : names) {
    buffer += n;
    buffer += '\0';
  }
  buffer += '\0';
  return RegSetValueExA(key, Order_Value, 0, REG_MULTI_SZ,
                        reinterpret_cast<const BYTE*>(buffer.data()),
                        static_cast<DWORD>(buffer.size())) == ERROR_SUCCESS;
}

std::vector<std::string> Value_Names(HKEY key) {
  std::vector<std::string> names;
  for (DWORD i = 0;; ++i) {
    char name[16384];
    DWORD length = sizeof name;
    LONG r = RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (r == ERROR_NO_MORE_ITEMS) break;
    if (r != ERROR_SUCCESS) break;
    std::string n(name, length);
    if (n != Order_Value) names.push_back(n);
  }
  return names;
}

bool Same(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(), [&](const auto& n) { return Same(n, name); });
}

LONG Delete_Tree(HKEY parent, const std::string& name) {
  HKEY key;
  LONG r = RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &key);
  if (r != ERROR_SUCCESS) return r;
  for (;;) {
    char sub[256];
    DWORD length = sizeof sub;
    if (RegEnumKeyExA(key, 0, sub, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    if (Delete_Tree(key, std::string(sub, length)) != ERROR_SUCCESS) break;
  }
  RegCloseKey(key);
  return RegDeleteKeyA(parent, name.c_str());
}

}  // namespace

std::string Settings_Key_Path(const std::string& application) {
  return "Software\\Larkmoor\\" + application;
}

std::string Get_Setting(const std::string& application, const std::string& section,
                        const std::string& key, const std::string& default_value) {
  if (application.empty() || section.empty() || key.empty()) return default_value;
  Key k;
  if (!k.Open(Section_Path(application, section), KEY_QUERY_VALUE)) return default_value;
  std::string value;
  if (key == Order_Value || !Read_String(k.Get(), key, value)) return default_value;
  return value;
}

void Save_Setting(const std::string& application, const std::string& section,
                  const std::string& key, const std::string& value) {
  Check_Names(application, section);
  if (key.empty() || key == Order_Value)
    throw Runtime_Error(5, "Invalid procedure call or argument");
  Key k;
  if (!k.Create(Section_Path(application, section)))
    throw Runtime_Error(5, "Invalid procedure call or argument");
  std::string old;
  bool existed = Read_String(k.Get(), key, old);
  if (RegSetValueExA(k.Get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
    throw Runtime_Error(5, "Invalid procedure call or argument");
  std::vector<std::string> order = Read_Order(k.Get());
  if (!existed || !Contains(order, key)) {
    if (order.empty()) {
      // A section written before the store kept its order: keep the present values first.
      for (const auto& n : Value_Names(k.Get()))
        if (!Same(n, key)) order.push_back(n);
    }
    if (!Contains(order, key)) order.push_back(key);
    Write_Order(k.Get(), order);
  }
}

void Delete_Setting(const std::string& application, const std::string& section,
                    const std::string& key) {
  Check_Names(application, section);
  Key k;
  if (!k.Open(Section_Path(application, section), KEY_READ | KEY_WRITE)) return;
  RegDeleteValueA(k.Get(), key.c_str());
  std::vector<std::string> order = Read_Order(k.Get());
  auto end = std::remove_if(order.begin(), order.end(), [&](const auto& n) { return Same(n, key); });
  if (end != order.end()) {
    order.erase(end, order.end());
    if (order.empty()) RegDeleteValueA(k.Get(), Order_Value);
    else Write_Order(k.Get(), order);
  }
}

void Delete_Setting(const std::string& application, const std::string& section) {
  Check_Names(application, section);
  std::string path = Section_Path(application, section);
  size_t cut = path.rfind('\\');
  Key parent;
  if (!parent.Open(path.substr(0, cut), KEY_READ | KEY_WRITE)) return;
  Delete_Tree(parent.Get(), path.substr(cut + 1));
}

std::vector<std::pair<std::string, std::string>> Get_All_Settings(const std::string& application,
                                                                  const std::string& section) {
  std::vector<std::pair<std::string, std::string>> out;
  if (application.empty() || section.empty()) return out;
  Key k;
  if (!k.Open(Section_Path(application, section), KEY_QUERY_VALUE)) return out;
  std::vector<std::string> names = Read_Order(k.Get());
  for (const auto& n : Value_Names(k.Get()))
    if (!Contains(names, n)) names.push_back(n);
  for (const auto& n : names) {
    std::string value;
    if (Read_String(k.Get(), n, value)) out.emplace_back(n, value);
  }
  return out;
}

std::vector<std::string> Get_Setting_Sections(const std::string& application,
                                              const std::string& section) {
  std::vector<std::string> out;
  if (application.empty() || section.empty()) return out;
  Key k;
  if (!k.Open(Section_Path(application, section), KEY_ENUMERATE_SUB_KEYS)) return out;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(k.Get(), i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    out.emplace_back(name, size);
  }
  return out;
}

bool Parse_Setting_Int(std::string_view text, int& value) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return false;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  // Gathered as a negative number, whose range reaches one further than the positive one.
  constexpr long long kLowest = static_cast<long long>(INT_MIN);
  long long number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 - (c - '0');
    if (number < kLowest) return false;
  }
  if (!negative) {
    if (-number > INT_MAX) return false;
    number = -number;
  }
  value = static_cast<int>(number);
  return true;
}

int Tutor_Settings::Get_Int(const std::string& section, const std::string& key,
                            int default_value) {
  int value = default_value;
  return Parse_Setting_Int(Get(section, key, ""), value) ? value : default_value;
}

}  // namespace forms
